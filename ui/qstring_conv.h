#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kvint::ui {

// The game's texts are UTF-8 throughout; these are the only crossings
// between its strings and Qt's.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

} // namespace kvint::ui

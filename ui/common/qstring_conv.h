#pragma once

#include "game/messages.h"

#include <QString>

#include <initializer_list>
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

// A catalogue text for a Qt widget.
inline QString textOf(Language lang, Msg id, std::initializer_list<std::string_view> args = {}) {
    return toQString(format(lang, id, args));
}

} // namespace kvint::ui

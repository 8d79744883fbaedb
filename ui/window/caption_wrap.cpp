#include "ui/window/caption_wrap.h"

#include <QStringList>

namespace kvint::ui {

QString wrapCaption(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
            continue;
        }
        lines << line;
        line = word;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines.join('\n');
}

} // namespace kvint::ui

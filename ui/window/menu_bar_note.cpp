#include "ui/window/menu_bar_note.h"

#include <QEvent>

#include <algorithm>

namespace kvint::ui {

MenuBarNote::MenuBarNote(QMenuBar& bar) : QLabel(&bar), bar_(bar) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    placeLater_.setSingleShot(true);
    connect(&placeLater_, &QTimer::timeout, this, &MenuBarNote::place);
    bar_.installEventFilter(this);
    hide();
}

void MenuBarNote::say(const QString& text) {
    whole_ = text;
    setToolTip(text);
    setAccessibleName(text);
    place();
}

// The menu bar lays its menus out after it has taken the event, so the note
// follows them a moment later.
bool MenuBarNote::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::ActionAdded:
    case QEvent::ActionChanged:
    case QEvent::ActionRemoved:
        placeLater_.start(0);
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void MenuBarNote::place() {
    int left = 0;
    for (QAction* menu : bar_.actions()) {
        if (menu->isVisible()) {
            left = std::max(left, bar_.actionGeometry(menu).right() + 1);
        }
    }
    const int gap = fontMetrics().averageCharWidth();
    const int room = std::max(bar_.width() - left - 2 * gap, 0);
    const QString shown = fontMetrics().elidedText(whole_, Qt::ElideRight, room);
    setText(shown);
    setGeometry(left + gap, 0, room, bar_.height());
    setVisible(!shown.isEmpty());
}

} // namespace kvint::ui

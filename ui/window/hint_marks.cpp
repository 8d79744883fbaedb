#include "ui/window/hint_marks.h"

#include <QEvent>

namespace kvint::ui {

HintFrame::HintFrame(QWidget& die) : QFrame(&die) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("border: 3px solid #d4a017; background: transparent;"));
    setGeometry(die.rect());
    die.installEventFilter(this);
    hide();
}

bool HintFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QFrame::eventFilter(watched, event);
}

void markForHint(QWidget& die, bool marked) {
    auto* frame = die.findChild<HintFrame*>(QString(), Qt::FindDirectChildrenOnly);
    if (frame == nullptr) {
        if (!marked) {
            return;
        }
        frame = new HintFrame(die);
    }
    frame->setVisible(marked);
}

bool markedForHint(const QWidget& die) {
    const auto* frame = die.findChild<HintFrame*>(QString(), Qt::FindDirectChildrenOnly);
    return frame != nullptr && !frame->isHidden();
}

} // namespace kvint::ui

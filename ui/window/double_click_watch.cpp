#include "ui/window/double_click_watch.h"

#include <QMouseEvent>
#include <QWidget>

#include <functional>

namespace kvint::ui {

void DoubleClickWatch::watch(QWidget& w) {
    w.installEventFilter(this);
}

bool DoubleClickWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        onDoubleClick_(watched);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvint::ui

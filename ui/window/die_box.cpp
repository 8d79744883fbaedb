#include "ui/window/die_box.h"

#include "game/controls.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kvint::ui {

DieBox::DieBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
}

void DieBox::mousePressEvent(QMouseEvent* event) {
    // The base class would start a selection; a die is only ever clicked.
    if (event->button() != Qt::LeftButton) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    emit clicked();
}

void DieBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a click of its own.
    mousePressEvent(event);
}

void DieBox::mouseMoveEvent(QMouseEvent* /*event*/) {}

// The base class selects all on keyboard focus; a highlighted digit looks
// like something the player could edit.
void DieBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    deselect();
}

void DieBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyTyped(kEnterKey);
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        event->ignore(); // arrows, Shift and the like produce no character
        return;
    }
    emit keyTyped(text.front().unicode());
}

} // namespace kvint::ui

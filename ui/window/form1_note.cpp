#include "ui/window/form1.h"

#include <QLabel>
#include <QMenuBar>

namespace kvint::ui {

// The note stands in the menu bar's corner: it covers neither the sheet nor
// the dice and asks for no answer. The label is made the first time there
// is something to say and belongs to the menu bar.
void Form1::showNote(const QString& text) {
    auto* note = qobject_cast<QLabel*>(menuBar()->cornerWidget(Qt::TopRightCorner));
    if (note == nullptr) {
        if (text.isEmpty()) {
            return;
        }
        note = new QLabel(menuBar());
        note->setContentsMargins(0, 0, note->fontMetrics().averageCharWidth(), 0);
        menuBar()->setCornerWidget(note, Qt::TopRightCorner);
    }
    note->setText(text);
    note->setVisible(!text.isEmpty());
    menuBar()->adjustSize();
}

} // namespace kvint::ui

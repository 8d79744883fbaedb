#include "ui/window/form1.h"
#include "ui/window/menu_bar_note.h"

#include <QMenuBar>

namespace kvint::ui {

// The note is made the first time there is something to say and belongs to
// the menu bar.
void Form1::showNote(const QString& text) {
    auto* note = menuBar()->findChild<MenuBarNote*>(QString(), Qt::FindDirectChildrenOnly);
    if (note == nullptr) {
        if (text.isEmpty()) {
            return;
        }
        note = new MenuBarNote(*menuBar());
    }
    note->say(text);
}

} // namespace kvint::ui

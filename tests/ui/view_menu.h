#pragma once

#include "ui/window/form1.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kvint::test {

// The item of the window's "Вид" menu with this caption, or null.
inline QAction* viewItem(kvint::ui::Form1& w, const QString& caption) {
    for (QAction* menu : w.menuBar()->actions()) {
        if (menu->text() != "Вид" || menu->menu() == nullptr) {
            continue;
        }
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == caption) {
                return item;
            }
        }
    }
    return nullptr;
}

} // namespace kvint::test

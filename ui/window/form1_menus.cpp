#include "ui/window/form1.h"
#include "ui/window/widget_slots.h"

#include <QMenuBar>

namespace kvint::ui {
namespace {

QKeySequence functionKey(int number) {
    if (number == 0) {
        return {};
    }
    return {Qt::Key_F1 + number - 1};
}

} // namespace

// The game's menus, as its table of menus has them; their captions and
// visibility follow the model at every sync. Then the window adds its own
// items to "Игра" and "Помощь" and its own menu.
void Form1::buildMenus() {
    for (const MenuDesign& design : gameMenus()) {
        QMenu* menu = menuBar()->addMenu(QString());
        actions_[at(design.menu)] = menu->menuAction();
        for (const MenuItemDesign& item : design.items) {
            QAction* action = menu->addAction(QString());
            action->setShortcut(functionKey(item.functionKey));
            const Ctl id = item.item;
            connect(action, &QAction::triggered, this, [this, id] { route(id); });
            actions_[at(id)] = action;
        }
    }
    buildCoachItems();
    buildViewMenu();
    buildVersionItem();
}

} // namespace kvint::ui

#include "ui/common/qstring_conv.h"
#include "ui/statistics/statistics_dialog.h"
#include "ui/window/form1.h"

#include <QMenuBar>

#include <functional>
#include <optional>
#include <vector>

namespace kvint::ui {
namespace {

// An item of "Вид". A check item has its tick at start; its handler is given
// the new tick, any other item's handler false.
struct ViewItem {
    Msg caption;
    QList<QKeySequence> keys;
    std::function<void(bool)> run;
    std::optional<bool> tick;
};

} // namespace

// "Вид" belongs to the window, not to the game: always on view, never in the
// control model. It stands before "Помощь", which by custom is the last menu.
void Form1::buildViewMenu() {
    const std::vector<ViewItem> items = {
        {Msg::zoomInItem,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this](bool) { chooseZoom(stepAbove(shownFactor())); },
         {}},
        {Msg::zoomOutItem,
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         [this](bool) { chooseZoom(stepBelow(shownFactor())); },
         {}},
        {Msg::zoomResetItem,
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [this](bool) { resetZoom(); },
         {}},
        {Msg::statisticsItem, {}, [this](bool) { showStatistics(); }, {}},
        {Msg::soundItem, {}, [this](bool on) { switchSound(on); }, settings_.sound},
    };
    auto* view = new QMenu(textOf(game_.language(), Msg::viewMenu), menuBar());
    menuBar()->insertMenu(action(Ctl::pomosch), view);
    for (const ViewItem& item : items) {
        QAction* entry = view->addAction(textOf(game_.language(), item.caption));
        entry->setShortcuts(item.keys);
        if (item.tick) {
            entry->setCheckable(true);
            entry->setChecked(*item.tick);
        }
        connect(entry, &QAction::triggered, this, item.run);
    }
    buildViewChoice(*view);
}

// The two views, one of them ticked, and the modern view's own switch.
void Form1::buildViewChoice(QMenu& view) {
    view.addSeparator();
    viewChoice_ = new QActionGroup(&view);
    for (const bool modern : {false, true}) {
        QAction* entry = view.addAction(
            textOf(game_.language(), modern ? Msg::modernViewItem : Msg::classicViewItem));
        entry->setCheckable(true);
        entry->setChecked(settings_.modern == modern);
        entry->setActionGroup(viewChoice_);
        connect(entry, &QAction::triggered, this, [this, modern] {
            showModernView(modern);
            writeSettings(settings_);
        });
    }
    computerRollsItem_ = view.addAction(textOf(game_.language(), Msg::computerRollsItem));
    computerRollsItem_->setCheckable(true);
    computerRollsItem_->setChecked(settings_.computerRolls);
    computerRollsItem_->setEnabled(settings_.modern);
    connect(computerRollsItem_, &QAction::triggered, this, &Form1::switchComputerRolls);
}

void Form1::showStatistics() {
    StatisticsDialog dialog(platform_.statistics(), this, game_.language());
    dialog.exec();
}

} // namespace kvint::ui

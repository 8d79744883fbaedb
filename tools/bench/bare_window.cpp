// The yardstick of the start-up benchmark: a plain Qt window with the game's
// controls at their places and in their state at start (the focus, the
// opaque captions), at the size the game opens at on the same screen, in the
// default font, that quits as soon as it is first painted. What kvint costs
// beyond this is its own.
#include "ui/zoom/zoom.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <array>
#include <type_traits>
#include <utility>

namespace {

constexpr QSize kClientTwips{4680, 3435};

// Places in twips, as the game's layout has them.
class Surface {
  public:
    Surface(QWidget* widget, double factor) : widget_(widget), factor_(factor) {}

    template <typename W> W* add(const QString& text, QRect twips, bool shown = true) {
        auto* w = new W(text, widget_); // belongs to the surface
        w->setGeometry(kvint::ui::scaledRect(twips, factor_));
        w->setVisible(shown);
        // The game's captions, frame and choices are opaque, as its surface.
        w->setAutoFillBackground(!std::is_base_of_v<QPushButton, W> &&
                                 !std::is_base_of_v<QLineEdit, W>);
        return w;
    }

  private:
    QWidget* widget_;
    double factor_;
};

void addScoreSheet(Surface& s) {
    const std::array<QString, 11> names = {"1 ",  "2",   "3",     "4",    "5",    "6",
                                           "2/3", "3/2", "strit", "care", "kvint"};
    constexpr std::array<int, 6> tops = {227, 454, 680, 907, 1134, 1361};
    constexpr std::array<int, 5> wideTops = {225, 450, 675, 900, 1140};
    constexpr std::array<int, 5> wideWidths = {283, 285, 405, 405, 405};
    // The right column lies this far right of the left one, for the face
    // categories and for the others.
    for (const auto& [faces, others] : {std::pair{0, 0}, std::pair{1531, 1508}}) {
        for (std::size_t k = 0; k < 6; ++k) {
            s.add<QLabel>(names[k], {850 + faces, tops[k], 283, 227});
            s.add<QLabel>(QString(), {1134 + faces, tops[k], 283, 227});
        }
        for (std::size_t k = 0; k < 5; ++k) {
            s.add<QLabel>(names[k + 6], {1440 + others, wideTops[k], wideWidths[k], 225});
            s.add<QLabel>(QString(), {1723 + others, tops[k], 283, 227});
        }
    }
    s.add<QLabel>("Счет ", {0, 0, 1162, 227});
    s.add<QLabel>(QString(), {1162, 0, 1162, 227});
    s.add<QLabel>("Счет ", {2381, 0, 1191, 227});
    s.add<QLabel>(QString(), {3572, 0, 1191, 227});
}

void addDice(Surface& s) {
    constexpr std::array<int, 6> lefts = {340, 1020, 1701, 2381, 3061, 3742};
    for (std::size_t i = 0; i < lefts.size(); ++i) {
        s.add<QLabel>(QString("кубик %1").arg(i + 1), {lefts[i], 1757, 567, 227});
        auto* die = s.add<QLineEdit>(QString(), {lefts[i], 1984, 567, 567}, false);
        die->setReadOnly(true);
        die->setFont(QFont("DejaVu Sans", 24));
    }
    const std::array<std::pair<QString, QRect>, 6> buttons = {{
        {"перебросить", {240, 2835, 1170, 227}},
        {"записать", {1560, 2835, 930, 227}},
        {"отмена", {3720, 2835, 690, 227}},
        {"бросай", {2760, 2835, 690, 227}},
        {"Записать", {1560, 2835, 930, 227}},
        {"Отмена", {3720, 2835, 690, 227}},
    }};
    for (const auto& [caption, place] : buttons) {
        s.add<QPushButton>(caption, place, false)->setAutoDefault(true);
    }
}

void addChoice(Surface& s) {
    s.add<QGroupBox>("Выбор игры", {1380, 640, 2920, 2100});
    s.add<QRadioButton>("Человек+ комп", {3061, 964, 1134, 567})->setChecked(true);
    s.add<QRadioButton>("Человек+ человек", {3061, 1531, 1134, 567});
    s.add<QCheckBox>("Новичок", {1474, 964, 1134, 567});
    s.add<QCheckBox>("Мастер", {1474, 1531, 1134, 567})->setChecked(true);
    s.add<QCheckBox>("Профи", {1474, 2098, 1134, 567});
    auto* enter = s.add<QPushButton>("Вход", {454, 1417, 567, 567});
    enter->setAutoDefault(true);
    enter->setFocus(); // the game starts with the focus here
}

void addMenus(QMainWindow& window) {
    QMenu* game = window.menuBar()->addMenu("Игра");
    game->addAction("Новая");
    game->addAction("Выход alt+f4");
    game->menuAction()->setVisible(false);
    QMenu* score = window.menuBar()->addMenu("Счет");
    for (const char* item : {"Ход", "Ваш счет", "", "Сумма очков"}) {
        score->addAction(item);
    }
    score->menuAction()->setVisible(false);
    QMenu* view = window.menuBar()->addMenu("Вид");
    for (const char* item : {"Крупнее", "Мельче", "Обычный размер", "Статистика…", "Звук"}) {
        view->addAction(item);
    }
    QMenu* help = window.menuBar()->addMenu("Помощь");
    help->addAction("О программе");
    help->addAction("Правила игры");
}

class QuitOnPaint : public QObject {
  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Игра \"Покер\"");
    addMenus(window);
    // The step the game takes at its first start on this screen.
    const int menu = window.menuBar()->sizeHint().height();
    const double factor = kvint::ui::firstStep(kClientTwips.height() / 15 + menu,
                                               window.screen()->availableGeometry().height()) /
                          100.0;
    window.setFont(kvint::ui::scaledFont(window.font(), factor));
    auto* surface = new QWidget(&window); // belongs to the window
    surface->setAutoFillBackground(true);
    Surface places(surface, factor);
    addScoreSheet(places);
    addDice(places);
    addChoice(places);
    window.setCentralWidget(surface);
    const QSize client = kvint::ui::scaledSize(kClientTwips, factor);
    window.resize(client.width(), client.height() + menu);
    QuitOnPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

#include "modal_answers.h"
#include "silent_wav.h"
#include "ui/common/settings.h"
#include "ui/modern/score_table.h"
#include "ui/window/form1.h"
#include "ui/window/layout.h"
#include "view_menu.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

using kvint::Ctl;
using kvint::ui::Form1;

namespace {

constexpr std::size_t kFirst = static_cast<std::size_t>(Ctl::Label1);
constexpr std::size_t kLast = static_cast<std::size_t>(Ctl::Check3);

bool near(int pixels, int twips, double factor) {
    return std::abs(pixels - twips * factor / 15) <= 1.0;
}

// Within one pixel of the twips place times the factor, edge by edge.
bool placedAt(const QRect& shown, const QRect& twips, double factor) {
    return near(shown.left(), twips.left(), factor) && near(shown.top(), twips.top(), factor) &&
           near(shown.x() + shown.width(), twips.x() + twips.width(), factor) &&
           near(shown.y() + shown.height(), twips.y() + twips.height(), factor);
}

bool overlap(int a0, int a1, int b0, int b1) {
    return a0 < b1 && b0 < a1;
}

// The pairs of controls that touch side by side or one above the other.
std::vector<std::pair<Ctl, Ctl>> touchingPairs() {
    std::vector<std::pair<Ctl, Ctl>> pairs;
    for (auto a = kFirst; a <= kLast; ++a) {
        for (auto b = kFirst; b <= kLast; ++b) {
            const auto ra = kvint::ui::placeOf(static_cast<Ctl>(a));
            const auto rb = kvint::ui::placeOf(static_cast<Ctl>(b));
            const bool sideBySide = ra->x() + ra->width() == rb->x() &&
                                    overlap(ra->y(), ra->bottom(), rb->y(), rb->bottom());
            const bool stacked = ra->y() + ra->height() == rb->y() &&
                                 overlap(ra->x(), ra->right(), rb->x(), rb->right());
            if (sideBySide || stacked) {
                pairs.emplace_back(static_cast<Ctl>(a), static_cast<Ctl>(b));
            }
        }
    }
    return pairs;
}

using kvint::test::viewItem;

// A screen of 1920 x 1080 pixels.
const QSize kFullHd(1920, 1080);

// The window with its title bar fits into the room.
bool fitsRoom(const Form1& w, QSize room) {
    const int title = w.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &w);
    return w.width() <= room.width() && w.height() + title <= room.height();
}

void writeModernSettings(std::optional<int> zoom) {
    kvint::ui::Settings settings;
    settings.zoom = zoom;
    settings.modern = true;
    kvint::ui::writeSettings(settings);
}

// Every caption, label and cell of the modern view has the room its text
// asks for: none is elided, clipped or scrolled away.
void checkTextsWhole(Form1& w, const char* when) {
    QWidget& view = w.modernView();
    for (QAbstractButton* b : view.findChildren<QAbstractButton*>()) {
        if (b->isVisible() && !b->text().isEmpty()) {
            QVERIFY2(b->sizeHint().width() <= b->width() && b->sizeHint().height() <= b->height(),
                     qPrintable(b->text() + " " + when));
        }
    }
    for (QLabel* l : view.findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty()) {
            continue;
        }
        const int needed = l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
        QVERIFY2(needed <= l->height(), qPrintable(l->text() + " " + when));
        QVERIFY2(l->wordWrap() || l->sizeHint().width() <= l->width(), qPrintable(l->text()));
    }
    for (QGroupBox* g : view.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(g);
        option.text = g->title();
        option.subControls = QStyle::SC_All;
        const QRect title =
            g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
        const QRect ink = g->fontMetrics().boundingRect(g->title().trimmed());
        QVERIFY2(!g->isVisible() || ink.width() <= title.width(), when);
    }
    QTableWidget& table = w.modernView().table().table();
    const QAbstractItemView& cells = table;
    for (int c = 0; c < table.columnCount(); ++c) {
        const int needed =
            std::max(table.horizontalHeader()->sectionSizeHint(c), cells.sizeHintForColumn(c));
        QVERIFY2(needed <= table.columnWidth(c), when);
    }
    const int last = table.rowCount() - 1;
    QVERIFY2(table.rowViewportPosition(0) == 0, when);
    QVERIFY2(table.rowViewportPosition(last) + table.rowHeight(last) <= table.viewport()->height(),
             when);
    for (int r = 0; r <= last; ++r) {
        QVERIFY2(cells.sizeHintForRow(r) <= table.rowHeight(r), when);
    }
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        assets_ = std::make_unique<QTemporaryDir>();
        QVERIFY(assets_->isValid());
        kvint::ui::writeSettings({});
    }
    void cleanup() { assets_.reset(); }

    void controlsScaleWithTheirEdgesRounded();
    void zoomKeysStepAndAreRemembered();
    void rememberedZoomAndPlaceAreFittedToTheScreen();
    void resizedWindowFitsItsContent();
    void inputBoxFitsTheScreenAtDoubleSize();
    void keyboardStartsOnEntryAndEnterPresses();
    void modernViewFitsTheScreenWithEveryTextWhole();
    void modernViewTakesItsOwnStep();

  private:
    std::unique_ptr<QTemporaryDir> assets_;
};

void ZoomTest::controlsScaleWithTheirEdgesRounded() {
    const auto touching = touchingPairs();
    QVERIFY(touching.size() > 20); // the score sheet is made of them
    for (int percent : {125, 250}) {
        Form1 w(assets_->path());
        // Down from the largest step: the window shrinks to its content, and
        // the drop-down menus take the zoom as the menu bar does.
        w.setZoom(400);
        w.setZoom(percent);
        for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
            QCOMPARE(menu->font(), w.font());
        }
        const double factor = percent / 100.0;
        QCOMPARE(w.centralWidget()->size(),
                 QSize(static_cast<int>(std::ceil(312 * factor)),
                       static_cast<int>(std::ceil(229 * factor - 1e-9))));
        for (auto c = kFirst; c <= kLast; ++c) {
            const auto id = static_cast<Ctl>(c);
            QVERIFY2(placedAt(w.widget(id)->geometry(), *kvint::ui::placeOf(id), factor),
                     kvint::controlName(id).data());
        }
        for (const auto& [a, b] : touching) {
            const QRect ra = w.widget(a)->geometry();
            const QRect rb = w.widget(b)->geometry();
            QVERIFY2(ra.x() + ra.width() == rb.x() || ra.y() + ra.height() == rb.y(),
                     kvint::controlName(a).data());
        }

        w.action(Ctl::pravila)->trigger();
        kvint::ui::Form2* rules = w.rulesWindow();
        QVERIFY(rules->isVisible());
        const QRect button = rules->closeButton().geometry();
        QVERIFY(placedAt(button, *kvint::ui::placeOf(Ctl::Form2_Command1), factor));
        QVERIFY(
            rules->rect().contains(button.translated(rules->closeButton().parentWidget()->pos())));
        // Over the main window, centred on it up to the frame's few pixels.
        QVERIFY((rules->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <=
                6);
        QTest::mouseClick(&rules->closeButton(), Qt::LeftButton);
        QVERIFY(w.isVisible());
    }
}

void ZoomTest::zoomKeysStepAndAreRemembered() {
    {
        Form1 w(assets_->path());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // A first start keeps the window within half the screen's height,
        // and opening writes nothing back.
        QVERIFY(w.height() * 2 <= w.screen()->availableGeometry().height());
        QCOMPARE(kvint::ui::readSettings(), kvint::ui::Settings{});
        const int first = w.zoom();
        const QSize firstSize = w.size();
        QVERIFY(first > 100); // the test screen holds more than the smallest step
        w.setZoom(100);
        QTest::keyClick(&w, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 125);
        QCOMPARE(kvint::ui::readSettings().zoom, 125); // the player's choice, at once
        QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 150);
        QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 125);
        w.setZoom(400);
        QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier); // back to the first start's size
        QCOMPARE(w.zoom(), first);
        QCOMPARE(w.size(), firstSize);
        QCOMPARE(kvint::ui::readSettings().zoom, first);
        w.setZoom(100);
        QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(w.zoom(), 100); // nothing below the smallest step
        w.setZoom(175);
        w.move(40, 30);
        QVERIFY(w.close());
    }
    Form1 again(assets_->path());
    QCOMPARE(again.zoom(), 175);
    QCOMPARE(again.pos(), QPoint(40, 30));
}

// Whatever the settings file says, the window opens whole on a screen.
void ZoomTest::rememberedZoomAndPlaceAreFittedToTheScreen() {
    const auto opened = [this](std::optional<int> zoom, const QByteArray& place = {}) {
        kvint::ui::Settings settings;
        settings.zoom = zoom;
        settings.place = place;
        kvint::ui::writeSettings(settings);
        return std::make_unique<Form1>(assets_->path());
    };
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const auto fits = [&](const Form1& w) {
        return available.contains(w.frameGeometry()) && w.centralWidget()->size().height() > 0;
    };
    const int firstZoom = opened(std::nullopt)->zoom();

    for (int remembered : {INT_MAX, 400}) {
        const auto w = opened(remembered);
        QVERIFY(fits(*w));
        const auto larger =
            std::find(kvint::ui::kZoomSteps.begin(), kvint::ui::kZoomSteps.end(), w->zoom()) + 1;
        QVERIFY(larger != kvint::ui::kZoomSteps.end()); // the test screen is smaller than 400 %
        w->setZoom(*larger);
        QVERIFY2(!available.contains(QRect(available.topLeft(), w->size())), "a larger step fits");
    }
    QCOMPARE(opened(INT_MIN)->zoom(), 100);
    QCOMPARE(opened(7)->zoom(), 100);
    QCOMPARE(opened(160)->zoom(), 150);
    QVERIFY(kvint::test::write(kvint::ui::settingsPath(), "[window]\nzoom=garbage\n"));
    QCOMPARE(std::make_unique<Form1>(assets_->path())->zoom(), firstZoom);

    // A place on a screen no longer there gives the middle of the primary one.
    QByteArray farOff;
    {
        Form1 w(assets_->path());
        w.setZoom(100);
        w.move(available.right() + 5000, available.bottom() + 5000);
        farOff = w.saveGeometry();
    }
    const auto w = opened(100, farOff);
    w->show();
    QVERIFY(fits(*w));
    QVERIFY((w->frameGeometry().center() - available.center()).manhattanLength() <= 4);

    // A window that filled its screen fills it again.
    w->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const auto again = opened(100, w->saveGeometry());
    QVERIFY(again->isMaximized());
}

void ZoomTest::resizedWindowFitsItsContent() {
    Form1 w(assets_->path());
    w.setZoom(100);
    const QSize extra = w.size() - w.centralWidget()->size();
    w.resize(QSize(624 + 100, 458) + extra); // wider than twice the design
    QWidget* sheet = w.centralWidget();
    QCOMPARE(sheet->size(), QSize(724, 458));
    // Twice the size, kept in proportion and centred across the width.
    const QRect label7 = w.widget(Ctl::Label7)->geometry();
    QCOMPARE(label7.topLeft(), QPoint(50, 0));
    QVERIFY(placedAt(w.widget(Ctl::Text6)->geometry().translated(-50, 0),
                     *kvint::ui::placeOf(Ctl::Text6), 2.0));
    QCOMPARE(sheet->palette().color(sheet->backgroundRole()), QColor(128, 128, 128));
    // "Крупнее" goes on from the size shown, not from the last step.
    viewItem(w, "Крупнее")->trigger();
    QCOMPARE(w.zoom(), 250);
    QCOMPARE(sheet->size(), QSize(780, 573));
}

void ZoomTest::inputBoxFitsTheScreenAtDoubleSize() {
    Form1 w(assets_->path());
    w.setZoom(200);
    {
        kvint::test::ModalAnswers name;
        name.type("Вася");
        QTest::mouseClick(w.widget(Ctl::Command7), Qt::LeftButton);
    }
    kvint::test::ModalAnswers answers;
    answers.then([&w](QWidget& box) {
        const int screenWidth = std::min(1024, box.screen()->availableGeometry().width());
        QVERIFY(box.width() <= screenWidth * 2 / 3);
        QCOMPARE(box.font(), w.font()); // the box grows with the window
        auto* label = box.findChild<QLabel*>();
        QVERIFY(label->wordWrap());
        QVERIFY(box.fontMetrics().horizontalAdvance(box.windowTitle()) < box.width());
        for (auto* button : box.findChildren<QPushButton*>()) {
            QVERIFY(box.rect().contains(button->geometry()));
        }
        dynamic_cast<QInputDialog&>(box).reject();
    });
    QTest::mouseClick(w.widget(Ctl::Command2), Qt::LeftButton); // asks for the category
    QVERIFY(answers.allAnswered()); // a refusal may follow the cancelled box
}

void ZoomTest::keyboardStartsOnEntryAndEnterPresses() {
    Form1 w(assets_->path());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.widget(Ctl::Command7));
    {
        kvint::test::ModalAnswers answers;
        answers.type("Вася");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(answers.allAnswered());
    }
    QVERIFY(w.widget(Ctl::Text1)->isVisible());
    // Against the computer the player's own name is bold while the game runs.
    QVERIFY(w.widget(Ctl::Label8)->font().bold());
    QVERIFY(!w.widget(Ctl::Label32)->font().bold());

    w.widget(Ctl::Command3)->setFocus();
    QTest::keyClick(w.widget(Ctl::Command3), Qt::Key_Enter); // passes: the computer plays
    QVERIFY(w.widget(Ctl::Command4)->isVisible());
    QVERIFY(w.widget(Ctl::Label8)->font().bold());
}

// On a 1920 x 1080 screen the modern view stands whole at every step, upright
// while it fits and beside the table above; on a smaller room the step falls
// back to the largest that fits.
void ZoomTest::modernViewFitsTheScreenWithEveryTextWhole() {
    writeModernSettings(100);
    Form1 w(assets_->path());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.fitToRoom(kFullHd);
    const auto settle = [&w] {
        w.layout()->activate();
        QCoreApplication::processEvents();
    };
    const auto checkSteps = [&](const char* when) {
        for (int step : {100, 200, 400}) {
            QCOMPARE(w.modernStep(step, kFullHd), step);
            w.setZoom(step);
            settle();
            QVERIFY2(fitsRoom(w, kFullHd), when);
            checkTextsWhole(w, when);
        }
    };
    using Arrangement = kvint::ui::ModernView::Arrangement;
    checkSteps("at start");
    QCOMPARE(w.modernView().arrangement(), Arrangement::landscape);
    w.setZoom(100);
    QCOMPARE(w.modernView().arrangement(), Arrangement::upright);
    {
        kvint::test::ModalAnswers answers;
        answers.type("Александра");
        QTest::mouseClick(w.modernView().button(Ctl::Command7), Qt::LeftButton);
        QVERIFY(answers.allAnswered());
    }
    checkSteps("in the game");

    // The player asks for the largest step; a smaller room takes it down.
    w.setZoom(300);
    viewItem(w, "Крупнее")->trigger();
    QCOMPARE(w.zoom(), 400);
    const QSize small(1000, 700);
    const int fallback = w.modernStep(400, small);
    QVERIFY(fallback < 400);
    w.fitToRoom(small);
    QCOMPARE(w.zoom(), fallback);
    settle();
    QVERIFY(fitsRoom(w, small));
    checkTextsWhole(w, "in a small room");
}

// The first step, "Обычный размер" and a switch of views go by the size of
// the view shown; the classic window gets the player's step back.
void ZoomTest::modernViewTakesItsOwnStep() {
    writeModernSettings(std::nullopt);
    Form1 w(assets_->path());
    w.fitToRoom(kFullHd);
    const int first = w.zoom();
    QCOMPARE(first, w.modernStep(std::nullopt, kFullHd));
    QVERIFY(2 * w.height() <= kFullHd.height());
    const auto next =
        std::find(kvint::ui::kZoomSteps.begin(), kvint::ui::kZoomSteps.end(), first) + 1;
    QVERIFY(next != kvint::ui::kZoomSteps.end());
    w.setZoom(*next);
    QVERIFY2(2 * w.height() > kFullHd.height(), "the next step keeps within half as well");
    viewItem(w, "Обычный размер")->trigger();
    QCOMPARE(w.zoom(), first);
    kvint::ui::writeSettings({});
    const int classicFirst = Form1(assets_->path()).zoom();
    viewItem(w, "Классический вид")->trigger();
    QCOMPARE(w.zoom(), classicFirst); // its own first step on the screen it opened on

    // A step that fits the classic window but not the modern view.
    const QSize room(1280, 720);
    w.fitToRoom(room);
    w.setZoom(300);
    viewItem(w, "Крупнее")->trigger();
    QCOMPARE(w.zoom(), 400);
    viewItem(w, "Современный вид")->trigger();
    QVERIFY(w.zoom() < 400);
    QVERIFY(fitsRoom(w, room));
    viewItem(w, "Классический вид")->trigger();
    QCOMPARE(w.zoom(), 400);
}

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"

// The modern view's widgets: dice drawn with their pips at any pixel ratio,
// the score table's totals and free cells, and the clicks both report.
#include "modal_answers.h"
#include "ui/modern/dice_model.h"
#include "ui/modern/dice_view.h"
#include "ui/modern/die_svg.h"
#include "ui/modern/score_table.h"
#include "ui/modern/table_model.h"
#include "ui/window/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <tuple>

using kvint::ui::DiceModel;
using kvint::ui::DiceView;
using kvint::ui::DieLook;
using kvint::ui::ScoreModel;
using kvint::ui::ScoreTable;

namespace {

QPalette lightPalette() {
    QPalette p(Qt::white);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Mid, Qt::gray);
    p.setColor(QPalette::Highlight, QColor(0, 90, 200));
    return p;
}

QPalette darkPalette() {
    QPalette p(QColor(30, 30, 30));
    p.setColor(QPalette::Base, QColor(20, 20, 20));
    p.setColor(QPalette::Text, QColor(235, 235, 235));
    p.setColor(QPalette::Highlight, QColor(60, 140, 255));
    return p;
}

DiceModel shown(const std::array<int, kvint::kDice>& faces) {
    DiceModel m;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        m.dice.at(i) = {DieLook::Place::shown, faces.at(i), false};
    }
    m.roll = 2;
    return m;
}

QList<QAbstractButton*> diceOf(DiceView& view) {
    QList<QAbstractButton*> dice = view.findChildren<QAbstractButton*>();
    std::ranges::sort(dice, [](auto* a, auto* b) {
        return std::pair{a->y(), a->x()} < std::pair{b->y(), b->x()};
    });
    return dice;
}

QImage grab(QWidget& w, qreal ratio) {
    QImage image(w.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    w.render(&image);
    return image;
}

// Every pip place of each die, dark exactly where its face has a pip.
void checkPips(DiceView& view, const std::array<int, kvint::kDice>& faces, qreal ratio) {
    const QImage image = grab(view, ratio);
    const QList<QAbstractButton*> dice = diceOf(view);
    QCOMPARE(dice.size(), 6);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const QAbstractButton& die = *dice.at(static_cast<qsizetype>(i));
        const QRectF square = kvint::ui::dieSquare(die.size()).translated(die.pos());
        const auto pips = kvint::ui::pipsOf(faces.at(i));
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 3; ++row) {
                const QPointF at = kvint::ui::pipCentre(square, {column, row}) * ratio;
                const int lightness = image.pixelColor(at.toPoint()).lightness();
                const bool pip = std::ranges::any_of(
                    pips, [&](auto p) { return p.column == column && p.row == row; });
                QVERIFY2(pip ? lightness < 60 : lightness > 200,
                         qPrintable(QString("ratio %1, face %2, place %3,%4: %5")
                                        .arg(ratio)
                                        .arg(faces.at(i))
                                        .arg(column)
                                        .arg(row)
                                        .arg(lightness)));
            }
        }
    }
}

QString accessibleName(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

kvint::ui::ScoreEntry written(int points) {
    kvint::ui::ScoreEntry e;
    e.written = true;
    e.points = points;
    return e;
}

ScoreModel twoSides() {
    ScoreModel m;
    for (std::size_t k = 1; k <= kvint::kCategories; ++k) {
        m.categories.at(k - 1) = QString::number(k);
    }
    m.sides.at(0).name = "Аня";
    m.sides.at(1).name = "Боря";
    return m;
}

QTableWidgetItem& cell(ScoreTable& t, int row, int column) {
    return *t.table().item(row, column);
}

void clickCell(ScoreTable& t, int row, int column) {
    QTableWidget& table = t.table();
    const QRect place = table.visualItemRect(table.item(row, column));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, place.center());
}

void checkTumble(DiceView& view) {
    // A new roll tumbles, yet the model and the spoken faces are the new
    // ones at once; turned off, the tumble stops where it is.
    view.setAnimated(true);
    view.setModel(shown({6, 6, 6, 1, 1, 1}));
    QVERIFY(view.animating());
    QCOMPARE(view.model().dice.at(0).face, 6);
    QCOMPARE(accessibleName(diceOf(view).at(0)), QString("Кубик 1: 6"));
    view.setAnimated(false);
    QVERIFY(!view.animating());
}

} // namespace

class ModernTest : public QObject {
    Q_OBJECT

  private slots:
    void diceShowTheirPipsAtEveryPixelRatio();
    void tableTotalsFollowTheColumnsAndZeroStaysFree();
    void onlyFreeCellsOfTheSideToMoveReportClicks();
};

void ModernTest::diceShowTheirPipsAtEveryPixelRatio() {
    DiceView view;
    view.setPalette(lightPalette());
    view.setAnimated(false);
    view.resize(720, 160);
    view.show();
    const std::array faces = {1, 2, 3, 4, 5, 6};
    view.setModel(shown(faces));
    checkPips(view, faces, 1.0);
    checkPips(view, faces, 2.0);
    QCOMPARE(view.findChild<QLabel*>()->text(), QString("Бросок 2 из 3"));

    const QList<QAbstractButton*> dice = diceOf(view);
    QAccessibleInterface& third = *QAccessible::queryAccessibleInterface(dice.at(2));
    QCOMPARE(third.role(), QAccessible::Button);
    QCOMPARE(third.text(QAccessible::Name), QString("Кубик 3: 3"));

    // A marked die stays in view and is spoken as marked; a die off
    // the table takes no click.
    DiceModel marked = shown(faces);
    marked.dice.at(2) = {DieLook::Place::marked, 0, true};
    marked.dice.at(5) = {DieLook::Place::away, 0, false};
    view.setModel(marked);
    QCOMPARE(third.text(QAccessible::Name), QString("Кубик 3: отмечен для переброса"));
    QCOMPARE(third.text(QAccessible::Description), QString("Подсказка: перебросить этот кубик"));
    // Lifted and dimmed, the marked die still shows the face it had: grey
    // pips where a 3 has them, none elsewhere.
    const QImage image = grab(view, 1.0);
    const QAbstractButton& die = *dice.at(2);
    const QRectF lifted =
        kvint::ui::liftedSquare(kvint::ui::dieSquare(die.size()).translated(die.pos()));
    for (const auto& [column, row, pip] : {std::tuple{0, 0, true}, std::tuple{1, 1, true},
                                           std::tuple{2, 0, false}, std::tuple{0, 1, false}}) {
        const QPoint at = kvint::ui::pipCentre(lifted, {column, row}).toPoint();
        const int lightness = image.pixelColor(at).lightness();
        QVERIFY2(pip ? lightness > 60 && lightness < 200 : lightness > 200,
                 qPrintable(QString::number(lightness)));
    }

    QSignalSpy clicks(&view, &DiceView::dieClicked);
    QTest::mouseClick(dice.at(2), Qt::LeftButton);
    QTest::mouseClick(dice.at(5), Qt::LeftButton);
    QTest::mouseClick(dice.at(0), Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(0).at(0).value<std::size_t>(), std::size_t{3});
    QCOMPARE(clicks.at(1).at(0).value<std::size_t>(), std::size_t{1});
    QCOMPARE(view.model(), marked); // a click changes nothing itself

    checkTumble(view);

    // From the game: the faces on view and the roll; a marked die's new
    // face stays hidden.
    QTemporaryDir assets;
    kvint::ui::Form1 w(assets.path());
    kvint::test::ModalAnswers answers;
    answers.type("Вася");
    QTest::mouseClick(w.widget(kvint::Ctl::Command7), Qt::LeftButton);
    QTest::mouseClick(w.widget(kvint::Ctl::Text2), Qt::LeftButton);
    const DiceModel fromGame = kvint::ui::diceModel(w.game());
    QCOMPARE(fromGame.roll, 1);
    QCOMPARE(fromGame.dice.at(1), (DieLook{DieLook::Place::marked, 0, false}));
    QCOMPARE(fromGame.dice.at(0).place, DieLook::Place::shown);
    QCOMPARE(fromGame.dice.at(0).face, int{w.game().state().kubik(1)});
}

void ModernTest::tableTotalsFollowTheColumnsAndZeroStaysFree() {
    ScoreTable table;
    table.setPalette(lightPalette());
    ScoreModel m = twoSides();
    m.sides.at(0).entries.at(0) = written(3);
    m.sides.at(0).entries.at(8) = written(21);
    m.sides.at(1).entries.at(10) = written(17);
    m.toMove = 1;
    table.setModel(m);
    QCOMPARE(cell(table, 11, 1).text(), QString("24"));
    QCOMPARE(cell(table, 11, 2).text(), QString("17"));
    QCOMPARE(cell(table, 8, 1).text(), QString("21"));
    QVERIFY(cell(table, 8, 1).background() != cell(table, 7, 1).background());
    QCOMPARE(cell(table, 11, 2).data(Qt::AccessibleTextRole).toString(),
             QString("Боря, итого: 17"));
    QVERIFY(table.table().horizontalHeaderItem(2)->font().bold());
    QVERIFY(!table.table().horizontalHeaderItem(1)->font().bold());

    // Dark: the written ground stays apart from the free one and the text
    // from both.
    table.setPalette(darkPalette());
    const QColor written = cell(table, 8, 1).background().color();
    const QColor free = cell(table, 7, 1).background().color();
    QVERIFY(written != free && written.lightness() < 100);
    QVERIFY(cell(table, 8, 1).foreground().color().lightness() > 200);

    // Player one writes sixes with no six on the dice: the classic window
    // shows "0", the table a free cell, and the turn is player two's.
    QTemporaryDir assets;
    kvint::ui::Form1 w(assets.path());
    kvint::test::ModalAnswers answers;
    answers.type("Аня");
    answers.type("Боря");
    QTest::mouseClick(w.widget(kvint::Ctl::Option2), Qt::LeftButton);
    QTest::mouseClick(w.widget(kvint::Ctl::Command7), Qt::LeftButton);
    w.game().state().kubik = kvint::Dice{{1, 2, 3, 4, 5, 5}};
    w.sync();
    answers.type("6");
    QTest::mouseClick(w.widget(kvint::Ctl::Command2), Qt::LeftButton);
    QVERIFY(answers.allAnswered());
    QCOMPARE(w.game().controls()[kvint::Ctl::may6].text, std::string("0"));
    const ScoreModel played = kvint::ui::tableModel(w.game());
    QVERIFY(!played.sides.at(0).entries.at(5).written);
    QCOMPARE(played.toMove, std::optional<std::size_t>(1));
    QCOMPARE(played.sides.at(1).name, QString("Боря"));
    table.setModel(played);
    QCOMPARE(cell(table, 5, 1).text(), QString());
    QCOMPARE(cell(table, 5, 1).background(), cell(table, 4, 1).background());
    QCOMPARE(cell(table, 11, 1).text(), QString("0"));
    // Player two's free cells preview what the dice give now.
    const kvint::ui::ScoreEntry& kvint = played.sides.at(1).entries.at(10);
    QVERIFY(kvint.writable);
    QCOMPARE(kvint.previewPoints, std::optional<int>(kvint::diceTotal(w.game().state().kubik)));
}

void ModernTest::onlyFreeCellsOfTheSideToMoveReportClicks() {
    ScoreTable table;
    ScoreModel m = twoSides();
    m.toMove = 0;
    m.sides.at(0).entries.at(0) = written(4);
    kvint::ui::ScoreEntry& twos = m.sides.at(0).entries.at(1);
    twos.writable = true;
    twos.previewPoints = 6;
    twos.preview = "2: запишется 6";
    table.setModel(m);
    table.resize(400, 500);
    table.show();
    QSignalSpy clicks(&table, &ScoreTable::categoryClicked);
    clickCell(table, 0, 1);  // written
    clickCell(table, 1, 2);  // the other side's
    clickCell(table, 11, 1); // the total
    clickCell(table, 1, 0);  // the category's name
    QCOMPARE(clicks.size(), 0);
    clickCell(table, 1, 1);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).value<std::size_t>(), std::size_t{2});
    QCOMPARE(cell(table, 1, 1).toolTip(), QString("2: запишется 6"));

    // The owner's zoom scales the table's font and the room it asks for.
    const QSize at100 = table.sizeHint();
    const qreal points = table.table().font().pointSizeF();
    table.setZoom(200);
    QCOMPARE(table.table().font().pointSizeF(), 2 * points);
    QVERIFY(table.sizeHint().height() > at100.height() * 3 / 2);
}

QTEST_MAIN(ModernTest)
#include "modern_test.moc"

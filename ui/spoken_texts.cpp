#include "ui/spoken_texts.h"

#include "ui/qstring_conv.h"

namespace kvint::ui {
namespace {

QString caption(const Game& game, Ctl c) {
    return toQString(game.controls()[c].text).trimmed();
}

QString sideName(const Game& game, bool left) {
    const State& st = game.state();
    if (st.gamemode != 1) {
        return left ? QString("Вы") : QString("Компьютер");
    }
    const std::string& name = left ? st.name1 : st.name2;
    if (!name.empty()) {
        return toQString(name);
    }
    return left ? QString("Первый игрок") : QString("Второй игрок");
}

QString categoryName(const Game& game, Cell cell) {
    return caption(game, cell.left ? label(9 + cell.k) : label(20 + cell.k));
}

QString cellName(const Game& game, Cell cell) {
    const QString points = caption(game, cell.left ? may(cell.k) : comp(cell.k));
    return QString("%1, %2: %3")
        .arg(sideName(game, cell.left), categoryName(game, cell),
             points.isEmpty() ? QString("свободно") : points);
}

QString dieName(const Game& game, std::size_t i) {
    const Control& box = game.controls()[textBox(i)];
    if (box.visible) {
        return QString("Кубик %1: %2").arg(QString::number(i), toQString(box.text));
    }
    // During a human turn a die is off the table only while it is marked.
    if (writingColumn(game.controls())) {
        return QString("Кубик %1: отмечен для переброса").arg(i);
    }
    return QString("Кубик %1").arg(i);
}

} // namespace

QString spokenName(const Game& game, Ctl c) {
    if (c >= Ctl::Text1 && c <= Ctl::Text6) {
        return dieName(game, numberIn(Ctl::Text1, c));
    }
    // The captions above the dice tell of their dice, also of a marked one
    // whose box is off view.
    if (c >= Ctl::Label1 && c <= Ctl::Label6) {
        return dieName(game, numberIn(Ctl::Label1, c));
    }
    if (const auto cell = cellOf(c)) {
        return cellName(game, *cell);
    }
    if (c == Ctl::Form2_Text1) {
        return caption(game, Ctl::Form2); // the rules, named as their window
    }
    return caption(game, c);
}

QString spokenDescription(const Game& game, Ctl c) {
    if (const auto cell = cellOf(c)) {
        return previewText(game, *cell);
    }
    if (c == Ctl::Option1 || c == Ctl::Option2) {
        return QString("Режим игры, %1 из 2").arg(numberIn(Ctl::Option1, c));
    }
    if (c >= Ctl::Check1 && c <= Ctl::Check3) {
        return QString("Сила компьютера, %1 из 3").arg(numberIn(Ctl::Check1, c));
    }
    return {};
}

QString previewText(const Game& game, Cell cell) {
    const auto outlook = outlookOf(game, cell);
    if (!outlook) {
        return {};
    }
    const QString name = categoryName(game, cell);
    switch (outlook->outcome) {
    case Outlook::Outcome::points:
        return QString("%1: запишется %2. Двойной щелчок — записать")
            .arg(name)
            .arg(int{outlook->points});
    case Outlook::Outcome::notShown:
        return QString("%1: этой комбинации на кубиках нет").arg(name);
    case Outlook::Outcome::written:
        return QString("%1: уже записано").arg(name);
    case Outlook::Outcome::diceInAir:
        return QString("%1: отмеченные кубики ещё не брошены").arg(name);
    }
    return {};
}

} // namespace kvint::ui

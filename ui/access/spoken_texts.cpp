#include "ui/access/spoken_texts.h"

#include "game/side_name.h"
#include "ui/common/qstring_conv.h"

namespace kvint::ui {
namespace {

QString caption(const Game& game, Ctl c) {
    return toQString(game.controls()[c].text).trimmed();
}

QString say(const Game& game, Msg id, std::initializer_list<std::string_view> args = {}) {
    return textOf(game.language(), id, args);
}

QString cellName(const Game& game, Cell cell) {
    const QString points = caption(game, cell.left ? may(cell.k) : comp(cell.k));
    return say(game, Msg::spokenCell,
               {sideName(game, cell.left), toStdString(categoryName(game, cell)),
                toStdString(points.isEmpty() ? say(game, Msg::spokenFree) : points)});
}

QString dieName(const Game& game, std::size_t i) {
    const std::string number = std::to_string(i);
    switch (game.dieView(i)) {
    case DieView::shown:
        return say(game, Msg::spokenDie, {number, game.controls()[textBox(i)].text});
    case DieView::inAir:
        return say(game, Msg::spokenDieMarked, {number});
    case DieView::away:
        return say(game, Msg::spokenDieAway, {number});
    }
    return {};
}

} // namespace

QString categoryName(const Game& game, Cell cell) {
    return caption(game, cell.left ? label(9 + cell.k) : label(20 + cell.k));
}

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
        return say(game, Msg::spokenModeChoice, {std::to_string(numberIn(Ctl::Option1, c))});
    }
    if (c >= Ctl::Check1 && c <= Ctl::Check3) {
        return say(game, Msg::spokenStrengthChoice, {std::to_string(numberIn(Ctl::Check1, c))});
    }
    return {};
}

QString previewText(const Game& game, Cell cell) {
    const auto outlook = game.outlook(cell);
    if (!outlook) {
        return {};
    }
    const std::string name = toStdString(categoryName(game, cell));
    switch (outlook->outcome) {
    case Outlook::Outcome::points:
        return say(game, Msg::previewPoints, {name, std::to_string(outlook->points)});
    case Outlook::Outcome::notShown:
        return say(game, Msg::previewNotShown, {name});
    case Outlook::Outcome::written:
        return say(game, Msg::previewWritten, {name});
    case Outlook::Outcome::diceInAir:
        return say(game, Msg::previewDiceInAir, {name});
    }
    return {};
}

} // namespace kvint::ui

#pragma once

#include "game/controls.h"
#include "game/state.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>

class QAbstractButton;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace kvint {
class Game;
}

namespace kvint::ui {

class DiceView;
class ScoreTable;

// What the modern view shows beside the game's own model: the coach's hint
// and the status line, and a throw of the computer held on view.
struct ModernExtras {
    std::array<bool, kDice> hintedDice{};          // the dice the hint would re-roll
    std::optional<std::size_t> hintedRow;          // the category the hint would write
    QString status;                                // the status line's words
    std::optional<std::array<Face, kDice>> thrown; // the computer's dice while held on view
};

// The same game as the classic window, laid out anew: the score table, the
// dice, the turn's buttons and a status line, and the choice of game before
// "Вход". It holds no state of the game: refresh() shows the model, and every
// click is reported as the control of the classic window it stands for, so
// the window routes it to the same handler.
class ModernView final : public QWidget {
    Q_OBJECT
  public:
    explicit ModernView(QWidget* parent);

    // Upright: the choice, the table, the dice, the buttons and the status
    // line one above the other. Landscape: the table on the left, the rest
    // beside it, for screens too low for the upright one.
    enum class Arrangement : unsigned char { upright, landscape };

    void refresh(const Game& game, const ModernExtras& extras);
    // The dice follow the window's zoom step; every text follows the font
    // the view inherits, which the window scales by the same step.
    void setZoom(int percent);
    // Lays the view out upright when that fits into `room`, else landscape,
    // and gives the room it then asks for.
    QSize fitInto(QSize room);
    void arrange(Arrangement arrangement);
    [[nodiscard]] Arrangement arrangement() const { return arrangement_; }
    // Focus on the widget that stands for the control, when there is one on view.
    void focusControl(Ctl c);

    [[nodiscard]] DiceView& dice() { return *dice_; }
    [[nodiscard]] ScoreTable& table() { return *table_; }
    [[nodiscard]] const ScoreTable& table() const { return *table_; }
    [[nodiscard]] QLabel& statusLine() { return *status_; }
    // The button or choice that stands for a control, or null.
    [[nodiscard]] QAbstractButton* button(Ctl c) const;

  signals:
    // A button, a choice or a die: the classic control it stands for.
    void controlClicked(Ctl c);
    // A free category of the side that writes was clicked; k is 1..11.
    void categoryClicked(std::size_t k);

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildChoice();
    void buildButtons();
    void placeChoices(bool oneRow);
    void keepChoiceRoom(bool keep);
    void mirrorButtons(const Game& game);
    void keepStatusWhole(bool atItsWidth);

    // The controls that have a button or choice here, in the order shown.
    static constexpr std::array kChoices = {Ctl::Option1, Ctl::Option2, Ctl::Check1,
                                            Ctl::Check2,  Ctl::Check3,  Ctl::Command7};
    static constexpr std::array kTurnButtons = {Ctl::Command1, Ctl::Command2, Ctl::Command5,
                                                Ctl::Command3, Ctl::Command6, Ctl::Command4};

    // Child widgets and layouts belong to their Qt parent; these only point
    // at them.
    QGridLayout* grid_ = nullptr;
    QGridLayout* choiceGrid_ = nullptr;
    QGroupBox* choice_ = nullptr;
    ScoreTable* table_ = nullptr;
    DiceView* dice_ = nullptr;
    QWidget* turnRow_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QAbstractButton*, kControlCount> buttons_{};
    Arrangement arrangement_ = Arrangement::upright;
};

} // namespace kvint::ui

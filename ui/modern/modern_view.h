#pragma once

#include "game/controls.h"
#include "game/state.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>

class QAbstractButton;
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

    void refresh(const Game& game, const ModernExtras& extras);
    // Fonts and the room asked for follow the window's zoom step.
    void setZoom(int percent);
    // Focus on the widget that stands for the control, when there is one on view.
    void focusControl(Ctl c);

    [[nodiscard]] DiceView& dice() { return *dice_; }
    [[nodiscard]] ScoreTable& table() { return *table_; }
    [[nodiscard]] QLabel& statusLine() { return *status_; }
    // The button or choice that stands for a control, or null.
    [[nodiscard]] QAbstractButton* button(Ctl c) const;

    [[nodiscard]] QSize sizeHint() const override;

  signals:
    // A button, a choice or a die: the classic control it stands for.
    void controlClicked(Ctl c);
    // A free category of the side that writes was clicked; k is 1..11.
    void categoryClicked(std::size_t k);

  private:
    void buildChoice();
    void buildButtons();
    void mirrorButtons(const Game& game);

    // The controls that have a button or choice here, in the order shown.
    static constexpr std::array kChoices = {Ctl::Option1, Ctl::Option2, Ctl::Check1,
                                            Ctl::Check2,  Ctl::Check3,  Ctl::Command7};
    static constexpr std::array kTurnButtons = {Ctl::Command1, Ctl::Command2, Ctl::Command5,
                                                Ctl::Command3, Ctl::Command6, Ctl::Command4};

    // Child widgets belong to their Qt parent; these only point at them.
    QGroupBox* choice_ = nullptr;
    ScoreTable* table_ = nullptr;
    DiceView* dice_ = nullptr;
    QWidget* turnRow_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QAbstractButton*, kControlCount> buttons_{};
    int zoom_ = 100;
};

} // namespace kvint::ui

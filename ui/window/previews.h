#pragma once

#include "game/game.h"

#include <QObject>

#include <functional>
#include <optional>

namespace kvint::ui {

// One category of one column of the score sheet.
struct Cell {
    bool left = true;  // player one's column
    std::size_t k = 1; // category 1..11
};

// The category a label of the score sheet shows, by its name or its points.
std::optional<Cell> cellOf(Ctl c);

// The column whose panel is on view for an entry: true for player one's
// ("записать"), false for player two's ("Записать"), nothing while neither
// side can write.
std::optional<bool> writingColumn(const Controls& ui);

// What an entry into a cell of the writing side would do with the dice as
// they lie. Dice marked for re-roll are in the air: their new faces are not
// on view, so no outlook gives them away.
struct Outlook {
    enum class Outcome : unsigned char { points, notShown, written, diceInAir };
    Outcome outcome = Outcome::points;
    u8 points = 0; // what would be written, or what is written already
};
// Nothing for a cell of the side that is not writing.
std::optional<Outlook> outlookOf(const Game& game, Cell cell);

// The entry button a double click on the cell stands for, with the
// category's selector typed into its box: only for a free category of the
// writing side.
std::optional<Ctl> writeButtonFor(const Game& game, Cell cell);

// Reports a double click of the left button on any widget it watches.
class DoubleClickWatch : public QObject {
  public:
    explicit DoubleClickWatch(std::function<void(const QObject*)> onDoubleClick)
        : onDoubleClick_(std::move(onDoubleClick)) {}
    void watch(QWidget& w);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QObject*)> onDoubleClick_;
};

} // namespace kvint::ui

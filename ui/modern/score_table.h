#pragma once

#include "game/languages.h"
#include "game/state.h"

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

class QTableWidget;
class QTableWidgetItem;

namespace kvint::ui {

// One category of one side as the table shows it.
struct ScoreEntry {
    // Written with points by the rules. A face category written with 0
    // points stays free, so it is not written here either.
    bool written = false;
    int points = 0;
    // A free category of the side to move: a click writes it, a hover shows
    // what a write would score.
    bool writable = false;
    std::optional<int> previewPoints; // the points a write would score now
    QString preview;                  // the same in words, for the tooltip
};

// One column of the table: a player, the computer or player two.
struct ScoreSide {
    QString name; // the header, from the game's names
    std::array<ScoreEntry, kCategories> entries{};
};

// Everything the score table shows; built by tableModel (table_model.h)
// after every change of the game, the hinted row added by the owner.
struct ScoreModel {
    std::array<QString, kCategories> categories{}; // "1" .. "kvint"
    std::array<QString, kCategories> meanings{};   // each category's rule in a line
    std::array<ScoreSide, 2> sides{};              // [0] player one's, [1] the other's
    std::optional<std::size_t> toMove;             // 0 or 1: the side that plays now
    std::optional<std::size_t> hintedRow;          // 1..11: the category the hint names
    Language lang = Language::ru;
};

// The score sheet: a row per category and a column per side, their totals
// at the foot (summed from the written entries), the side to move marked in
// its header. Colours come from the widget's palette only, so it follows the
// desktop's light or dark look; setZoom scales its font. It asks for room
// for every cell and header whole and takes no less, so no text is ever cut
// or scrolled away. A pure view: it reports clicks and never changes the game.
class ScoreTable final : public QWidget {
    Q_OBJECT
  public:
    explicit ScoreTable(QWidget* parent = nullptr);

    void setModel(const ScoreModel& model);
    [[nodiscard]] const ScoreModel& model() const { return model_; }

    // The table's font is the widget's own font scaled by percent (100 = as
    // it is): the owner zooms either way.
    void setZoom(int percent);

    // The table inside, for tests and for the owner's focus handling.
    [[nodiscard]] QTableWidget& table() { return *table_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  signals:
    // A free category of the side to move was clicked; k is 1..11.
    void categoryClicked(std::size_t k);

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void showModel();
    void showHeader(std::size_t side);
    void showEntry(std::size_t side, std::size_t k);
    void showTotals();
    void showHover(int row, int column);
    void clicked(int row, int column);
    void applyZoom();

    ScoreModel model_;
    QTableWidget* table_ = nullptr;
    int zoom_ = 100;
    std::optional<std::pair<int, int>> hovered_;
};

} // namespace kvint::ui

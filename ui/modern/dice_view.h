#pragma once

#include "game/languages.h"
#include "game/state.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <memory>

class QLabel;
class QVariantAnimation;

namespace kvint::ui {

class DieButton;

// One die as the modern view shows it.
struct DieLook {
    enum class Place : unsigned char {
        shown,  // on the table, its face on view
        marked, // marked for a re-roll: lifted and dimmed, its new face hidden
        away,   // off the table (no human turn): a faint empty place
    };
    Place place = Place::away;
    int face = 0;        // 1..6 while shown; 0 otherwise, so no hidden face leaks
    bool hinted = false; // the coach's hint would re-roll it

    friend bool operator==(const DieLook&, const DieLook&) = default;
};

// Everything the dice view shows; built by diceModel (dice_model.h) after
// every change of the game, the hint marks added by the owner.
struct DiceModel {
    std::array<DieLook, kDice> dice{};
    int roll = 0; // the roll of the human turn, 1..3; 0 shows no roll line
    Language lang = Language::ru;

    friend bool operator==(const DiceModel&, const DiceModel&) = default;
};

// Six dice drawn from SVG at the screen's pixel ratio, as large as the widget
// lets them be, with the roll line ("Бросок 2 из 3") under them in the
// widget's font, a size larger. A pure view:
// it shows the model it is given and reports clicks, never changing the game.
class DiceView final : public QWidget {
    Q_OBJECT
  public:
    explicit DiceView(QWidget* parent = nullptr);
    ~DiceView() override;
    DiceView(const DiceView&) = delete;
    DiceView& operator=(const DiceView&) = delete;

    // Shows the model; the dice whose faces changed tumble briefly unless
    // animation is off. The model shown is always the one last given.
    void setModel(const DiceModel& model);
    [[nodiscard]] const DiceModel& model() const { return model_; }

    // The short tumble on a new roll; off, every change shows at once (tests).
    void setAnimated(bool animated);
    [[nodiscard]] bool animating() const;

    // The size the view asks for grows with the zoom, in percent (100 = as
    // designed); the dice always fill the room they are given.
    void setZoom(int percent);
    // Room asked for six dice in a row, or, beside the score table, for
    // smaller dice in two rows of three, which grow into any room left there.
    void setBesideTable(bool beside);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  signals:
    // A die was clicked or pressed with the keyboard: i is 1-based (1..6),
    // as Game::Text_Click takes it. A die off the table reports nothing.
    void dieClicked(std::size_t i);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void placeDice();
    void showModel(const DiceModel& before);
    void startTumble(const std::array<bool, kDice>& changed);
    void stopTumble();
    void fitRollLine();
    [[nodiscard]] int lineHeight() const;

    DiceModel model_;
    std::array<DieButton*, kDice> dice_{};
    QLabel* rollLine_ = nullptr;
    std::array<int, kDice> lastFaces_{}; // what a marked die showed before it was marked
    std::array<bool, kDice> tumbling_{};
    std::unique_ptr<QVariantAnimation> tumble_;
    bool animated_ = true;
    int zoom_ = 100;
    bool besideTable_ = false;
};

} // namespace kvint::ui

#pragma once

#include "coach/coach.h"
#include "computer/computer.h"
#include "game/game.h"
#include "game/status_line.h"
#include "ui/coach/coach_session.h"
#include "ui/common/settings.h"
#include "ui/modern/modern_view.h"
#include "ui/platform/platform_host.h"
#include "ui/platform/qt_platform.h"
#include "ui/resume/resume_store.h"
#include "ui/window/double_click_watch.h"
#include "ui/window/form2.h"
#include "ui/zoom/zoom.h"
#include "ui/zoom/zoom_stage.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace kvint::ui {

// The main window: every control of the game at its designed place, the
// menu bar, and the routing of the user's events to the game. The widgets
// hold no state of their own that matters; after each event sync() copies
// the game's control model onto them. Its parts live in files of their own:
// the widgets (form1_controls), the menus (form1_menus, form1_view_menu), the
// mirroring (form1_mirror, form1_windows), the events (form1_events), the
// zoom and the remembered settings (form1_settings), and the coach's hint and
// trainer (form1_hint, form1_trainer).
class Form1 final : public QMainWindow, public PlatformHost {
    Q_OBJECT
  public:
    explicit Form1(const QString& assetsFolder, Language lang = Language::ru);
    ~Form1() override;

    // Mirrors the whole model onto both windows, shows and hides them, and
    // places any keyboard focus the game asked for.
    void sync() override;

    [[nodiscard]] bool ended() const override { return game_.ended(); }
    [[nodiscard]] QWidget* dialogParent() override;
    [[nodiscard]] QRect keptInSight() const override;
    void requestFocus(Ctl c) override { pendingFocus_ = c; }
    void repaintSurface() override;
    void shutDown() override;
    void showNote(const QString& text) override; // at the free end of the menu bar
    [[nodiscard]] bool playedWithHints() const override { return helped_; }
    bool computerThrew(const std::array<Face, kDice>& dice, int roll) override;

    Game& game() { return game_; }
    QtPlatform& platform() { return platform_; }
    // The widget of a control of either window (null for menus, or for the
    // rules window before it first opens), and the action of a menu or item.
    [[nodiscard]] QWidget* widget(Ctl c);
    [[nodiscard]] QAction* action(Ctl c) const;
    [[nodiscard]] Form2* rulesWindow() { return form2_.get(); }
    // The coach's items of "Игра", and the coach behind them.
    [[nodiscard]] QAction* hintItem() const { return hintItem_; }
    [[nodiscard]] QAction* trainerItem() const { return trainerItem_; }
    CoachSession& coachSession() { return coach_; }
    // The position on view when a human side decides with every die on the
    // table; nothing otherwise. A die marked for a re-roll already holds its
    // hidden new face, so no position is asked about while one is in the air.
    [[nodiscard]] std::optional<coach::Position> decisionPosition() const;

    // The zoom step in percent; the window takes the size of the step. It is
    // remembered when the run ends.
    void setZoom(int percent);
    [[nodiscard]] int zoom() const { return settings_.zoom.value_or(kZoomSteps.front()); }
    // Fits the window to the room a screen has for it, its available
    // geometry; at start that of the screen it opens on. The modern view is
    // laid out for that room, at the step the player chose or the largest
    // below it at which the view fits whole; the classic window keeps the
    // step chosen.
    void fitToRoom(QSize available);
    // The step the modern view takes in that room for a chosen step, or
    // with none chosen, the step of a first start there.
    [[nodiscard]] int modernStep(std::optional<int> wanted, QSize available);

    // From the first paint on, the game in progress is kept in `file` after
    // every event and a game left there unfinished is offered once.
    void keepUnfinishedGame(const QString& file);

    // The modern view in place of the classic surface, or back; the game
    // stays as it is. Remembered for the next run.
    void showModernView(bool on);
    [[nodiscard]] bool modernOn() const { return centralWidget() == modern_; }
    [[nodiscard]] ModernView& modernView() { return *modern_; }

  signals:
    // The game has ended the program; the application should quit.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void buildViewMenu();
    void buildVersionItem();
    void showVersion();
    void buildViewChoice(QMenu& view);
    void restoreSettings();
    void rememberSettings();
    void chooseZoom(int percent);
    void resetZoom();
    // The factor of the size on view: the classic surface's, which follows
    // a window resized by hand, or the modern view's step.
    [[nodiscard]] double shownFactor() const {
        return modernOn() ? zoom() / 100.0 : surface_->factor();
    }
    [[nodiscard]] int viewZoom();
    [[nodiscard]] QSize modernSizeAt(int step, QSize available);
    [[nodiscard]] int frameHeight(const QFont& font) const;
    void switchSound(bool on);
    void showStatistics();
    void route(Ctl c);
    void routeKey(Ctl die, std::uint16_t code);
    void writeByDoubleClick(const QObject* cellLabel);
    // Writes the cell as its entry button with the category typed in would.
    void writeCell(Cell cell);
    void writeFromTable(std::size_t k);
    void refreshModern();
    [[nodiscard]] QString modernStatus() const;
    void switchComputerRolls(bool on);
    void mirrorControl(Ctl c);
    void mirrorAction(Ctl c);
    void mirrorWindows();
    void showRules();
    void markWhoseTurn();
    void applyFocus();
    [[nodiscard]] QString withHintMark(Ctl c, QString description) const;

    // The coach: the hint, the trainer, and whether the game had their help.
    void buildCoachItems();
    void askHint();
    void showHint(const coach::Position& position, const coach::Advice& advice);
    void clearHint();
    void sayForCoach(const QString& text);
    void switchTrainer(bool on);
    void followCoach(); // after every sync
    void reviewChoice(Ctl c, const std::optional<coach::Position>& point,
                      const std::array<bool, kDice>& inAir);
    [[nodiscard]] std::optional<coach::Decision>
    decisionTaken(Ctl c, const coach::Position& point, const std::array<bool, kDice>& inAir) const;
    void showReview(const Review& review);

    QtPlatform platform_;
    Game game_;
    Computer computer_;
    // Child widgets belong to their Qt parent; these only point at them.
    ZoomStage* surface_;
    ModernView* modern_; // the surface not on view stays hidden, a child of the window
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<QAction*, kControlCount> actions_{};
    std::array<int, kControlCount> shownBack_{};
    // A window of its own: a Qt parent would tie it to the main window it
    // stands in for, so it has none and this is its only owner.
    std::unique_ptr<Form2> form2_;
    std::optional<Ctl> pendingFocus_;
    DoubleClickWatch cellClicks_;
    // Read once at start, with what became of a file that could not be taken
    // (told once the menu bar is up); written when the player changes a
    // setting and when the run ends.
    StoredSettings stored_;
    Settings settings_;
    QTimer soundLoad_; // fires once, after the first paint
    // The step a first start takes on the screen the window opened on.
    int firstZoom_ = kZoomSteps.front();
    // The step the player chose or the run remembered, which each view
    // takes as far as it fits; none after "Обычный размер", when each takes
    // its first step. And the room the window is fitted to.
    std::optional<int> wantedZoom_;
    QSize room_;
    // Where the main window stood before the rules window took its place, as
    // QWidget::saveGeometry gives it.
    QByteArray placeBeforeRules_;

    // Runs an event's handler; the outermost one then keeps the game.
    void handle(const std::function<void()>& handler);
    void offerResume(const QString& file);
    void takeUp(const Snapshot& saved, bool hinted); // asks, and restores on Yes
    void keepGame();
    void noteHelp();                    // a hint was asked or the trainer switched on
    QTimer resumeOffer_;                // fires after the first paint
    std::optional<ResumeStore> resume_; // set once the offer at start is settled
    int handling_ = 0;                  // handlers under way, nested ones included
    bool closing_ = false;              // the window system closed the window

    CoachSession coach_;
    QAction* hintItem_ = nullptr;
    QAction* trainerItem_ = nullptr;
    std::array<bool, kDice> hintMarks_{}; // the dice the hint on view would re-roll
    // The latest decision of a human side with every die on the table: the
    // position a re-roll of the dice marked since was decided in.
    std::optional<coach::Position> decisionPoint_;
    QString coachNote_;                  // what the coach put in the note, while it stands there
    bool hintOnView_ = false;            // that was a hint, which the next event takes away
    bool helped_ = false;                // a hint was asked or the trainer on since the game began
    std::optional<std::size_t> hintRow_; // the category the hint on view would write

    // What the modern view's status line reads of the event under way, and
    // a throw of the computer held on view until its turn is over.
    EventTrace trace_;
    std::optional<std::array<Face, kDice>> thrown_;
    QActionGroup* viewChoice_ = nullptr; // the two views, one of them ticked
    QAction* computerRollsItem_ = nullptr;
};

} // namespace kvint::ui

// The game in progress survives the run: kept after every event, offered
// again at the next start.
#include "game/snapshot.h"
#include "ui/window/first_paint.h"
#include "ui/window/form1.h"

#include <utility>

namespace kvint::ui {

void Form1::keepUnfinishedGame(const QString& file) {
    // The question waits until the window is on screen.
    resumeOffer_.setSingleShot(true);
    connect(&resumeOffer_, &QTimer::timeout, this, [this, file] { offerResume(file); });
    onFirstPaint(*this, [this] { resumeOffer_.start(0); });
}

// A handler may open a box or wait for a sound, and the event loop of either
// may deliver another event: only the outermost handler keeps the game, once
// everything it set off has run.
void Form1::handle(const std::function<void()>& handler) {
    if (handling_ == 0) {
        trace_ = traceBefore(game_);
    }
    ++handling_;
    clearHint(); // whatever the event does, the hint was about the position before it
    handler();
    if (handling_ == 1) {
        thrown_.reset(); // the computer's turn is over: the model shows its dice
    }
    sync();
    if (--handling_ == 0) {
        keepGame();
    }
}

void Form1::offerResume(const QString& file) {
    if (handling_ > 0) {
        resumeOffer_.start(0); // once the handler under way is done
        return;
    }
    ResumeStore store(file);
    const SavedGame saved = store.read();
    if (saved.damaged) {
        store.setAside();
        platform_.messageBox(format(game_.language(), Msg::resumeDamaged), Buttons::ok, kAppTitle);
    } else if (saved.snapshot && saved.snapshot->language != game_.language()) {
        // A game played in the other language is not offered; it stays in
        // place, untouched by this run, for a run in its language to take
        // up. This run keeps its own game nowhere rather than over it.
        return;
    } else if (saved.snapshot && inProgress(*saved.snapshot)) {
        takeUp(*saved.snapshot, saved.hinted);
    }
    resume_.emplace(std::move(store));
    keepGame(); // a game not taken up goes
}

void Form1::takeUp(const Snapshot& saved, bool hinted) {
    if (platform_.messageBox(format(game_.language(), Msg::resumeQuestion), Buttons::yesNo,
                             kAppTitle) &&
        game_.restore(saved)) {
        helped_ = hinted;            // the help of the run it began in still counts
        trace_ = traceBefore(game_); // nothing has happened yet in this run
        sync();
    }
}

// The help counts from the moment it is given: a game closed right after a
// hint is kept with it.
void Form1::noteHelp() {
    helped_ = true;
    if (handling_ == 0) {
        keepGame();
    }
}

// The window system's close keeps what the last event left, a full column
// not yet judged included; every other end of the game (its judgement,
// "Новая", "Выход") leaves nothing to take up.
void Form1::keepGame() {
    if (!resume_ || closing_) {
        return;
    }
    if (!game_.ended() && stillToPlay(game_.phase(), game_.endReported())) {
        resume_->keep(exportGame(game_), helped_);
    } else {
        resume_->discard();
    }
}

} // namespace kvint::ui

#pragma once

#include "coach/coach.h"

#include <QFuture>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <optional>

namespace kvint::ui {

// What the coach is asked. The window asks a real coach; a test may stand
// in answers of its own to make a hint or a cost certain.
struct CoachAnswers {
    std::function<coach::Advice(const coach::Position&)> advise;
    std::function<double(const coach::Position&, const coach::Decision&)> winAfter;
};

// What the coach says of a decision a player took.
struct Review {
    coach::Position position;
    coach::Decision taken;
    double takenWin = 0.0;
    coach::Advice best;
};

// The coach of a window, off its thread: the coach builds its tables in the
// background when the first question comes, so a window that never asks
// spends nothing on it and its start is not slowed, and every question is
// answered there too, so the window never waits for it. Answers come back as signals on the
// session's thread, in no promised order; the asker checks that the position
// they are about is still the one on view.
class CoachSession final : public QObject {
    Q_OBJECT
  public:
    explicit CoachSession(QObject* parent = nullptr);
    ~CoachSession() override; // waits for the questions under way

    void askHint(const coach::Position& position);
    void askReview(const coach::Position& position, const coach::Decision& taken);
    // From now on the questions go to `answers` instead of the coach.
    void useAnswers(CoachAnswers answers);

  signals:
    void hintReady(const kvint::coach::Position& position, const kvint::coach::Advice& advice);
    void reviewReady(const kvint::ui::Review& review);

  private:
    using Answers = QFuture<std::shared_ptr<const CoachAnswers>>;
    Answers& source();

    QThreadPool pool_;
    std::optional<Answers> answers_; // none until the first question
};

} // namespace kvint::ui

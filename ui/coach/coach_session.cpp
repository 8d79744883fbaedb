#include "ui/coach/coach_session.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace kvint::ui {
namespace {

std::shared_ptr<const CoachAnswers> realCoach() {
    auto coach = std::make_shared<const coach::Coach>();
    return std::make_shared<const CoachAnswers>(
        CoachAnswers{[coach](const coach::Position& p) { return coach->advise(p); },
                     [coach](const coach::Position& p, const coach::Decision& d) {
                         return coach->winAfter(p, d);
                     }});
}

} // namespace

// One thread: the questions come one at a time from a person, and the
// coach's tables are built before the first is answered.
CoachSession::CoachSession(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
}

CoachSession::~CoachSession() {
    pool_.waitForDone();
}

CoachSession::Answers& CoachSession::source() {
    if (!answers_) {
        answers_ = QtConcurrent::run(&pool_, realCoach);
    }
    return *answers_;
}

void CoachSession::useAnswers(CoachAnswers answers) {
    answers_ = QtFuture::makeReadyFuture(std::make_shared<const CoachAnswers>(std::move(answers)));
}

void CoachSession::askHint(const coach::Position& position) {
    source()
        .then(&pool_,
              [position](const std::shared_ptr<const CoachAnswers>& a) {
                  return a->advise(position);
              })
        .then(this,
              [this, position](const coach::Advice& advice) { emit hintReady(position, advice); });
}

void CoachSession::askReview(const coach::Position& position, const coach::Decision& taken) {
    source()
        .then(&pool_,
              [position, taken](const std::shared_ptr<const CoachAnswers>& a) {
                  return Review{position, taken, a->winAfter(position, taken), a->advise(position)};
              })
        .then(this, [this](const Review& review) { emit reviewReady(review); });
}

} // namespace kvint::ui

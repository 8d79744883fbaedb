#include "ui/sound/sound_wait.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace kvint::ui {

Pacing realPacing() {
    return {[] { return std::chrono::steady_clock::now(); },
            [](std::chrono::milliseconds span) {
                QEventLoop loop;
                QTimer timer;
                // A coarse timer may fire a twentieth of the span late.
                timer.setTimerType(Qt::PreciseTimer);
                timer.setSingleShot(true);
                QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
                timer.start(span);
                loop.exec(QEventLoop::ExcludeUserInputEvents);
            }};
}

void waitOut(const Pacing& pacing, SteadyTime start, std::chrono::milliseconds length) {
    const SteadyTime end = start + std::min(length, kLongestWait);
    for (SteadyTime now = pacing.now(); now < end; now = pacing.now()) {
        pacing.pause(std::chrono::ceil<std::chrono::milliseconds>(end - now));
    }
}

} // namespace kvint::ui

#include "ui/sound/sound_wait.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace kvint::ui {

Pacing realPacing() {
    return {[] { return std::chrono::steady_clock::now(); },
            [](std::chrono::milliseconds span) {
                QEventLoop loop;
                // A coarse timer may fire a twentieth of the span late.
                QTimer::singleShot(span, Qt::PreciseTimer, &loop, &QEventLoop::quit);
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

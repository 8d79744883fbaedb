#include "ui/zoom/zoom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kvint::ui {
namespace {

constexpr double kTwipsPerPixel = 15.0;
// A factor read back from a size may differ from its step in the last digits.
constexpr double kSlack = 1e-6;

int edge(int twipValue, double factor) {
    return static_cast<int>(std::lround(twipValue * factor / kTwipsPerPixel));
}

int ceilPixels(int twipValue, double factor) {
    return static_cast<int>(std::ceil(twipValue * factor / kTwipsPerPixel - kSlack));
}

// The largest step up to `top` that passes, else the smallest.
int largestPassing(int top, const std::function<bool(int)>& passes) {
    const auto found = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                    [&](int step) { return step <= top && passes(step); });
    return found == kZoomSteps.rend() ? kZoomSteps.front() : *found;
}

} // namespace

QRect scaledRect(const QRect& twipsRect, double factor) {
    const int left = edge(twipsRect.x(), factor);
    const int top = edge(twipsRect.y(), factor);
    const int right = edge(twipsRect.x() + twipsRect.width(), factor);
    const int bottom = edge(twipsRect.y() + twipsRect.height(), factor);
    return {left, top, right - left, bottom - top};
}

QSize scaledSize(const QSize& twipsSize, double factor) {
    return {ceilPixels(twipsSize.width(), factor), ceilPixels(twipsSize.height(), factor)};
}

double fitFactor(const QSize& area, const QSize& twipsSize) {
    return std::min(area.width() * kTwipsPerPixel / twipsSize.width(),
                    area.height() * kTwipsPerPixel / twipsSize.height());
}

int stepAbove(double factor) {
    for (int step : kZoomSteps) {
        if (step > factor * 100 + kSlack) {
            return step;
        }
    }
    return kZoomSteps.back();
}

int stepBelow(double factor) {
    const auto below = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(),
                                    [factor](int step) { return step < factor * 100 - kSlack; });
    return below == kZoomSteps.rend() ? kZoomSteps.front() : *below;
}

int nearestStep(int percent) {
    const int within = std::clamp(percent, kZoomSteps.front(), kZoomSteps.back());
    return *std::min_element(kZoomSteps.begin(), kZoomSteps.end(), [within](int a, int b) {
        return std::abs(a - within) < std::abs(b - within);
    });
}

int firstStep(int heightAt100, int availableHeight) {
    return largestPassing(kZoomSteps.back(), [&](int step) {
        return std::int64_t{heightAt100} * step <= std::int64_t{availableHeight} * 50;
    });
}

int fittedStep(int percent, QSize sizeAt100, QSize available) {
    const auto fits = [&](int step) {
        return std::int64_t{sizeAt100.width()} * step <= std::int64_t{available.width()} * 100 &&
               std::int64_t{sizeAt100.height()} * step <= std::int64_t{available.height()} * 100;
    };
    return largestPassing(nearestStep(percent), fits);
}

int fittedStep(int percent, QSize available, const std::function<QSize(int)>& sizeAt) {
    return largestPassing(nearestStep(percent), [&](int step) {
        const QSize size = sizeAt(step);
        return size.width() <= available.width() && size.height() <= available.height();
    });
}

int firstStep(const std::function<QSize(int)>& sizeAt, QSize available) {
    return largestPassing(kZoomSteps.back(), [&](int step) {
        const QSize size = sizeAt(step);
        return size.width() <= available.width() && 2 * size.height() <= available.height();
    });
}

QFont scaledFont(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

} // namespace kvint::ui

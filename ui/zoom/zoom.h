#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>

namespace kvint::ui {

// The zoom steps offered by the "Вид" menu, in percent.
inline constexpr std::array kZoomSteps = {100, 125, 150, 175, 200, 250, 300, 400};

// Pixels for a place designed in twips (15 to a pixel at 100 %). Each edge is
// rounded on its own, so places that touch in twips touch on screen.
QRect scaledRect(const QRect& twipsRect, double factor);

// Room for an area designed in twips, rounded up so that fitFactor gives the
// factor back.
QSize scaledSize(const QSize& twipsSize, double factor);

// The largest factor at which the twips area fits into the pixel area.
double fitFactor(const QSize& area, const QSize& twipsSize);

// The next step above or below the factor, or the end step.
int stepAbove(double factor);
int stepBelow(double factor);

// A known step, else the nearest one: any int, however far out, gives an
// end step.
int nearestStep(int percent);

// The largest step at which a window of the given height at 100 % stays
// within half of the available height.
int firstStep(int heightAt100, int availableHeight);

// The step nearest to `percent`, or the largest below it at which a window
// of `sizeAt100` at 100 % fits into `available`; the smallest step when
// none does.
int fittedStep(int percent, QSize sizeAt100, QSize available);

// The same for a window whose size does not grow in proportion to the
// step, given at each step by `sizeAt`: the largest step up to the one
// nearest `percent` at which it fits `available`, else the smallest; and,
// for a first start, the largest at which it keeps within half of the
// available height. A size may be dear to learn, so the steps are tried
// from the top down and the first that fits is taken.
int fittedStep(int percent, QSize available, const std::function<QSize(int)>& sizeAt);
int firstStep(const std::function<QSize(int)>& sizeAt, QSize available);

QFont scaledFont(QFont font, double factor);

} // namespace kvint::ui

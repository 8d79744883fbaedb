#include "ui/common/qstring_conv.h"
#include "ui/window/fonts.h"
#include "ui/window/form1.h"
#include "ui/window/layout.h"
#include "ui/zoom/window_place.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace kvint::ui {

// Takes what was remembered without writing anything back. The place is
// taken when it is within reach on a screen there now, else the window
// stands in the middle of the primary screen. The zoom is the largest step
// up to the one remembered at which the window fits that screen; a first
// start takes the largest step at which the window keeps to about half of
// the screen's height, and "Обычный размер" goes back to that step for the
// screen the window opened on. The modern view fits itself when it is shown.
void Form1::restoreSettings() {
    const int titleHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    QScreen* holding = screenForPlace(settings_.place, titleHeight);
    QScreen* shownOn = holding != nullptr ? holding : QGuiApplication::primaryScreen();
    const QRect available = shownOn->availableGeometry();
    const QSize at100 =
        scaledSize(form1ClientSize(), 1.0) + QSize(0, menuBar()->sizeHint().height());
    firstZoom_ = firstStep(at100.height(), available.height());
    room_ = available.size();
    if (settings_.zoom) {
        wantedZoom_ = fittedStep(*settings_.zoom, at100, available.size());
    }
    setZoom(wantedZoom_.value_or(firstZoom_));
    if (holding != nullptr) {
        restoreGeometry(settings_.place);
    } else if (!settings_.place.isEmpty()) {
        move(available.center() - rect().center());
    }
    platform_.setSoundOn(settings_.sound);
    if (stored_.refused) {
        const Language lang = game_.language();
        showNote(stored_.refused->isEmpty()
                     ? textOf(lang, Msg::settingsLeft, {toStdString(settingsPath())})
                     : textOf(lang, Msg::settingsKept, {toStdString(*stored_.refused)}));
    }
}

void Form1::rememberSettings() {
    settings_.place = saveGeometry();
    writeSettings(settings_);
}

void Form1::setZoom(int percent) {
    settings_.zoom = percent;
    const double factor = percent / 100.0;
    setFont(scaledFont(formFont(), factor)); // the menu bar and the boxes follow
    // Drop-down menus are windows of their own, which inherit no font.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        menu->setFont(font());
    }
    surface_->setPreferredFactor(factor);
    modern_->setZoom(percent);
    if (form2_) {
        form2_->setZoom(factor);
    }
    const int frame = frameHeight(font());
    const QSize modern = modernOn() ? modern_->fitInto(room_ - QSize(0, frame)) : QSize();
    if (isMaximized() || isFullScreen()) {
        return; // the stage fits itself into the room it has
    }
    // The layout learns the menu bar's new height now rather than at its next
    // event: until then the window's minimum would keep the old bar's height,
    // and a window zoomed down would keep a band of the larger step.
    layout()->activate();
    const QSize stage = modernOn() ? modern : scaledSize(form1ClientSize(), factor);
    resize(stage.width(), stage.height() + menuBar()->heightForWidth(stage.width()));
}

void Form1::chooseZoom(int percent) {
    wantedZoom_ = percent;
    setZoom(viewZoom());
    writeSettings(settings_);
}

void Form1::resetZoom() {
    wantedZoom_.reset();
    setZoom(viewZoom());
    writeSettings(settings_);
}

void Form1::fitToRoom(QSize available) {
    room_ = available;
    setZoom(viewZoom());
}

// The classic window takes the step chosen, as it always has; the modern
// view the largest up to it that fits the room.
int Form1::viewZoom() {
    if (modernOn()) {
        return modernStep(wantedZoom_, room_);
    }
    return wantedZoom_.value_or(firstZoom_);
}

// Each step is tried on the modern view alone, in the font the window would
// give it there, and the view then inherits the window's font again.
int Form1::modernStep(std::optional<int> wanted, QSize available) {
    const auto sizeAt = [this, available](int step) { return modernSizeAt(step, available); };
    const int step = wanted ? fittedStep(*wanted, available, sizeAt) : firstStep(sizeAt, available);
    modern_->setFont(QFont());
    modern_->setZoom(zoom());
    return step;
}

QSize Form1::modernSizeAt(int step, QSize available) {
    const QFont font = scaledFont(formFont(), step / 100.0);
    modern_->setFont(font);
    modern_->setZoom(step);
    const QSize frame(0, frameHeight(font));
    return modern_->fitInto(available - frame) + frame;
}

// The menu bar and the title bar above the view, in the window's font; the
// menu bar's margins are those it has now.
int Form1::frameHeight(const QFont& font) const {
    const int margins = menuBar()->sizeHint().height() - menuBar()->fontMetrics().height();
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return margins + QFontMetrics(font).height() + title;
}

void Form1::switchSound(bool on) {
    platform_.setSoundOn(on);
    settings_.sound = on;
    writeSettings(settings_);
}

} // namespace kvint::ui

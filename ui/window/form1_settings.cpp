#include "ui/window/fonts.h"
#include "ui/window/form1.h"
#include "ui/window/layout.h"

#include <QMenuBar>
#include <QScreen>

namespace kvint::ui {

// Takes what was remembered without writing anything back. A first start
// takes the largest step at which the window keeps to about half of the
// screen's height.
void Form1::restoreSettings() {
    if (settings_.zoom) {
        setZoom(nearestStep(*settings_.zoom));
    } else {
        const int heightAt100 =
            scaledSize(form1ClientSize(), 1.0).height() + menuBar()->sizeHint().height();
        setZoom(firstStep(heightAt100, screen()->availableGeometry().height()));
    }
    restoreGeometry(settings_.place);
    platform_.setSoundOn(settings_.sound);
}

void Form1::rememberSettings() {
    settings_.place = saveGeometry();
    writeSettings(settings_);
}

void Form1::setZoom(int percent) {
    settings_.zoom = percent;
    const double factor = percent / 100.0;
    setFont(scaledFont(formFont(), factor)); // the menus and the boxes follow
    surface_->setPreferredFactor(factor);
    if (form2_) {
        form2_->setZoom(factor);
    }
    if (isMaximized() || isFullScreen()) {
        return; // the stage fits itself into the room it has
    }
    const QSize stage = scaledSize(form1ClientSize(), factor);
    resize(stage.width(), stage.height() + menuBar()->sizeHint().height());
}

void Form1::chooseZoom(int percent) {
    setZoom(percent);
    writeSettings(settings_);
}

void Form1::switchSound(bool on) {
    platform_.setSoundOn(on);
    settings_.sound = on;
    writeSettings(settings_);
}

} // namespace kvint::ui

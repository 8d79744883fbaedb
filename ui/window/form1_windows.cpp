#include "ui/access/accessibility.h"
#include "ui/access/spoken_texts.h"
#include "ui/common/qstring_conv.h"
#include "ui/window/control_look.h"
#include "ui/window/form1.h"
#include "ui/window/widget_slots.h"

namespace kvint::ui {

// Both windows' captions, backgrounds and visibility. The rules window is
// made the first time the game shows it.
void Form1::mirrorWindows() {
    const Controls& model = game_.controls();
    setWindowTitle(toQString(model[Ctl::Form1].text));
    if (shownBack_[at(Ctl::Form1)] != model[Ctl::Form1].back) {
        setBackground(surface_, Kind::window, model[Ctl::Form1].back);
        shownBack_[at(Ctl::Form1)] = model[Ctl::Form1].back;
    }
    if (model[Ctl::Form2].visible && !form2_) {
        form2_ = std::make_unique<Form2>([this](Ctl c) { route(c); });
    }
    if (form2_) {
        form2_->mirror(model);
        describe(form2_->textBox(), spokenName(game_, Ctl::Form2_Text1), {});
    }
    if (model[Ctl::Form2].visible && !form2_->isVisible()) {
        showRules();
    }
    // The rules window goes before the main window comes back, so the window
    // system puts nothing in the main window's way and it returns to its place.
    if (form2_ && !model[Ctl::Form2].visible) {
        form2_->hide();
    }
    if (model[Ctl::Form1].visible == isVisible()) {
        return;
    }
    if (!model[Ctl::Form1].visible) {
        placeBeforeRules_ = saveGeometry();
        hide();
        return;
    }
    // The place goes back before the window is shown: a window system may
    // place a window shown again anew, and a move just after showing may come
    // before its frame is known and land a title bar's height off.
    if (!placeBeforeRules_.isEmpty()) {
        restoreGeometry(placeBeforeRules_);
    }
    show();
}

// The rules window opens over the main window, centred on it.
void Form1::showRules() {
    form2_->setZoom(zoom() / 100.0);
    QRect frame = form2_->frameGeometry();
    frame.moveCenter(frameGeometry().center());
    form2_->move(frame.topLeft());
    form2_->show();
}

} // namespace kvint::ui

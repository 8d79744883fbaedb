#include "ui/platform/qt_platform.h"

#include "ui/common/qstring_conv.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <utility>

namespace kvint::ui {
namespace {

// Room a window system's title bar takes besides the caption: its buttons
// and margins.
constexpr int kTitleBarExtra = 128;

// A box takes its parent's font, so it grows with the window's zoom; boxes
// are windows of their own and do not inherit it.
void followParent(QDialog& box, const QWidget* parent) {
    if (parent != nullptr) {
        box.setFont(parent->font());
    }
}

// Wide enough for its whole caption in the title bar.
int titleBarWidth(const QDialog& box) {
    return box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtra;
}

// At most two thirds of the screen: a long prompt wraps instead.
int widestBox(const QWidget& box) {
    return box.screen()->availableGeometry().width() * 2 / 3;
}

void sizeMessageBox(QMessageBox& box) {
    // The box sizes itself when shown and keeps its text within the screen;
    // a spacer across its grid keeps the caption whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(std::min(titleBarWidth(box), widestBox(box)), 0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void sizeInputBox(QInputDialog& dialog) {
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
    }
    const int widest = widestBox(dialog);
    dialog.setMinimumWidth(std::min(titleBarWidth(dialog), widest));
    dialog.setMaximumWidth(widest);
}

// Below the area kept in sight, else beside it, within the screen: the box
// is sized before it is placed.
void keepClearOf(QDialog& box, const QRect& sight) {
    if (sight.isEmpty()) {
        return;
    }
    box.adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(sight.center());
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
    const QSize size = box.frameSize().expandedTo(box.size());
    QPoint place(sight.center().x() - size.width() / 2, sight.bottom() + 1);
    if (!room.isEmpty() && place.y() + size.height() > room.bottom()) {
        place = {sight.right() + 1, sight.top()};
    }
    if (!room.isEmpty()) {
        place.setX(
            std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - size.width())));
        place.setY(
            std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    }
    box.move(place);
}

} // namespace

QtPlatform::QtPlatform(PlatformHost& host, const QDir& assets, Language lang)
    : host_(host), lang_(lang), sounds_(assets) {
    statistics_.whenSaved([this] { host_.showNote({}); });
}

bool QtPlatform::messageBox(std::string_view text, Buttons buttons, std::string_view caption) {
    if (host_.ended()) {
        return false;
    }
    host_.sync();
    QMessageBox box(host_.dialogParent());
    followParent(box, host_.dialogParent());
    box.setWindowTitle(toQString(caption));
    box.setTextFormat(Qt::PlainText); // names typed by the players are shown as typed
    box.setText(toQString(text));
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == Buttons::yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText(textOf(lang_, Msg::yes));
        box.button(QMessageBox::No)->setText(textOf(lang_, Msg::no));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    sizeMessageBox(box);
    return box.exec() == QMessageBox::Yes;
}

std::string QtPlatform::inputBox(std::string_view prompt, std::string_view caption) {
    if (host_.ended()) {
        return {};
    }
    host_.sync();
    if (typedAnswer_) {
        return *std::exchange(typedAnswer_, std::nullopt);
    }
    QInputDialog dialog(host_.dialogParent());
    followParent(dialog, host_.dialogParent());
    dialog.setWindowTitle(toQString(caption));
    dialog.setLabelText(toQString(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue({});
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText(textOf(lang_, Msg::cancel));
    if (auto* entry = dialog.findChild<QLineEdit*>()) {
        entry->setMaxLength(static_cast<int>(kInputLimit));
    }
    sizeInputBox(dialog);
    keepClearOf(dialog, host_.keptInSight());
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return toStdString(dialog.textValue());
}

void QtPlatform::answerFirstInput(std::string text, const std::function<void()>& event) {
    typedAnswer_ = std::move(text);
    event();
    typedAnswer_.reset(); // an event that opened no box leaves nothing for a later one
}

void QtPlatform::playSound(std::string_view file, Wait wait) {
    if (host_.ended()) {
        return;
    }
    if (soundListener_) {
        soundListener_(file, wait);
    }
    if (wait != Wait::none) {
        host_.sync();
    }
    sounds_.play(file, wait);
}

void QtPlatform::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks));
}

float QtPlatform::random() {
    // 24 random bits scaled by 2^-24: exact in a float and at most 1 - 2^-24.
    return static_cast<float>(generator_() >> 8) * 0x1p-24F;
}

void QtPlatform::clearSurface() {
    if (!host_.ended()) {
        host_.repaintSurface();
    }
}

void QtPlatform::focus(Ctl control) {
    if (!host_.ended()) {
        host_.requestFocus(control);
    }
}

// The game has marked itself ended before it calls this.
void QtPlatform::endProgram() {
    sounds_.stop();
    host_.shutDown();
}

// The pause is the one a waited sound takes, by the same pacing.
void QtPlatform::computerRolled(const std::array<Face, kDice>& dice, int roll) {
    if (host_.ended() || !host_.computerThrew(dice, roll)) {
        return;
    }
    if (const auto& pacing = sounds_.pacing()) {
        waitOut(*pacing, pacing->now(), throwPause_);
    }
}

void QtPlatform::preloadSounds() {
    if (!host_.ended()) {
        sounds_.preload();
    }
}

// A game that cannot be written stays in memory, and the store keeps a
// notice for the statistics dialog: the game goes on either way, with a note
// on view until a save writes it.
void QtPlatform::gameEnded(const GameResult& result) {
    if (!statistics_.record(result, QDate::currentDate(), host_.playedWithHints())) {
        host_.showNote(textOf(lang_, Msg::gameNotCounted));
    }
}

} // namespace kvint::ui

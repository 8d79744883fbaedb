#include "ui/window/form2.h"

#include "ui/common/qstring_conv.h"
#include "ui/window/fonts.h"
#include "ui/window/layout.h"
#include "ui/zoom/zoom.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include <utility>

namespace kvint::ui {
namespace {

// Wrapping a line grows costly much faster than the line: one of a megabyte
// froze the window for most of a minute. Text with such a line is shown
// unwrapped, with a horizontal scroll bar instead.
bool hasHugeLine(const QString& text) {
    constexpr qsizetype wrapLimit = 10'000;
    qsizetype lineStart = 0;
    for (;;) {
        const qsizetype end = text.indexOf('\n', lineStart);
        const qsizetype length = (end < 0 ? text.size() : end) - lineStart;
        if (length > wrapLimit) {
            return true;
        }
        if (end < 0) {
            return false;
        }
        lineStart = end + 1;
    }
}

} // namespace

Form2::Form2(Route route)
    : route_(std::move(route)), stage_(new ZoomStage(form2ClientSize(), formFont(), this)),
      text_(new QPlainTextEdit(stage_)), close_(new QPushButton(stage_)) {
    setFont(formFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stage_);
    stage_->place(text_, *placeOf(Ctl::Form2_Text1));
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text is rebuilt from the file on every opening; edits would only be
    // thrown away, so the box is for reading.
    text_->setReadOnly(true);
    stage_->place(close_, *placeOf(Ctl::Form2_Command1));
    close_->setAutoDefault(true); // Enter and Return press it, as Space does
    connect(close_, &QPushButton::clicked, this, [this] { route_(Ctl::Form2_Command1); });
    // Esc closes the window as a dialog's does: by the button, through the
    // game's handler of "Закрыть".
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, close_, &QPushButton::click);
}

void Form2::setZoom(double factor) {
    setFont(scaledFont(formFont(), factor)); // for the boxes it parents
    stage_->setPreferredFactor(factor);
    resize(scaledSize(form2ClientSize(), factor));
}

void Form2::mirror(const Controls& model) {
    setWindowTitle(toQString(model[Ctl::Form2].text));
    const QString text = toQString(model[Ctl::Form2_Text1].text);
    if (text_->toPlainText() != text) {
        text_->setLineWrapMode(hasHugeLine(text) ? QPlainTextEdit::NoWrap
                                                 : QPlainTextEdit::WidgetWidth);
        text_->setPlainText(text);
    }
    text_->setVisible(model[Ctl::Form2_Text1].visible);
    close_->setText(toQString(model[Ctl::Form2_Command1].text));
    close_->setVisible(model[Ctl::Form2_Command1].visible);
}

void Form2::closeEvent(QCloseEvent* event) {
    // The window stays in existence; the game decides what is on view.
    event->ignore();
    route_(Ctl::Form2);
}

} // namespace kvint::ui

#include "ui/window/control_look.h"

#include "ui/common/qstring_conv.h"
#include "ui/window/caption_wrap.h"
#include "ui/window/palette.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace kvint::ui {
namespace {

// The room beside the tick mark of an option button or check box.
int roomBesideTick(const QWidget* w, Kind kind) {
    const QStyle* style = w->style();
    const bool option = kind == Kind::option;
    return w->width() -
           style->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth
                                     : QStyle::PM_IndicatorWidth,
                              nullptr, w) -
           style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing
                                     : QStyle::PM_CheckBoxLabelSpacing,
                              nullptr, w);
}

} // namespace

QString literal(const std::string& s) {
    return toQString(s).replace('&', "&&");
}

void setText(QWidget* w, Kind kind, const std::string& text) {
    switch (kind) {
    case Kind::textBox:
        if (auto* box = static_cast<QLineEdit*>(w); box->text() != toQString(text)) {
            box->setText(toQString(text));
        }
        return;
    case Kind::button:
        static_cast<QAbstractButton*>(w)->setText(literal(text));
        return;
    case Kind::option:
    case Kind::checkBox:
        static_cast<QAbstractButton*>(w)->setText(
            wrapCaption(literal(text), w->fontMetrics(), roomBesideTick(w, kind)));
        return;
    case Kind::frame:
        static_cast<QGroupBox*>(w)->setTitle(literal(text));
        return;
    default:
        static_cast<QLabel*>(w)->setText(toQString(text));
        return;
    }
}

void setBackground(QWidget* w, Kind kind, int paletteIndex) {
    if (kind == Kind::textBox || kind == Kind::button) {
        if (paletteIndex < 0) {
            w->setPalette(QPalette());
            w->setAutoFillBackground(false);
            return;
        }
    }
    const QPalette::ColorRole role = kind == Kind::textBox ? QPalette::Base : QPalette::Window;
    QPalette palette = w->palette();
    palette.setColor(role, paletteIndex < 0 ? QGuiApplication::palette().color(role)
                                            : paletteColour(paletteIndex));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void setBold(QWidget* w, bool bold) {
    if (w->font().bold() == bold) {
        return;
    }
    QFont font;
    if (bold) {
        font.setBold(true);
    }
    w->setFont(font);
}

} // namespace kvint::ui

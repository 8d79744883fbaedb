#include "ui/zoom/zoom_stage.h"

#include "ui/zoom/zoom.h"

namespace kvint::ui {

ZoomStage::ZoomStage(QSize designTwips, const QFont& designFont, QWidget* parent)
    : QWidget(parent), design_(designTwips), designFont_(designFont) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ZoomStage::place(QWidget* w, const QRect& twipsRect) {
    keep({w, twipsRect, w->font(), w->testAttribute(Qt::WA_SetFont)});
}

void ZoomStage::place(QWidget* w, const QRect& twipsRect, const QFont& ownFont) {
    keep({w, twipsRect, ownFont, true});
}

void ZoomStage::keep(const Placed& placed) {
    const Placed& p = placed_.emplace_back(placed);
    if (factor_ <= 0.0) {
        return; // laid out with the others once the stage has a size
    }
    if (p.hasOwnFont) {
        p.widget->setFont(scaledFont(p.ownFont, factor_));
    }
    p.widget->setGeometry(scaledRect(p.twips, factor_).translated(offset_));
}

void ZoomStage::setPreferredFactor(double factor) {
    preferred_ = factor;
    updateGeometry();
}

QSize ZoomStage::sizeHint() const {
    return scaledSize(design_, preferred_);
}

QSize ZoomStage::minimumSizeHint() const {
    return scaledSize(design_, kZoomSteps.front() / 100.0);
}

void ZoomStage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void ZoomStage::arrange() {
    const double factor = fitFactor(size(), design_);
    const QSize used = scaledRect(QRect(QPoint(), design_), factor).size();
    const QPoint offset((width() - used.width()) / 2, (height() - used.height()) / 2);
    if (factor == factor_ && offset == offset_) {
        return;
    }
    const bool newScale = factor != factor_;
    factor_ = factor;
    offset_ = offset;
    if (newScale) {
        setFont(scaledFont(designFont_, factor));
    }
    for (const Placed& p : placed_) {
        if (newScale && p.hasOwnFont) {
            p.widget->setFont(scaledFont(p.ownFont, factor));
        }
        p.widget->setGeometry(scaledRect(p.twips, factor).translated(offset));
    }
    if (newScale) {
        emit rescaled();
    }
}

} // namespace kvint::ui

#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

#include <vector>

namespace kvint::ui {

// A surface whose children keep their designed places, in twips, at any
// size: it scales them, and their fonts, to the largest size that fits and
// centres them, its own background showing around them.
class ZoomStage : public QWidget {
    Q_OBJECT
  public:
    ZoomStage(QSize designTwips, const QFont& designFont, QWidget* parent);

    // Keeps w at its designed place from now on. A font w set for itself is
    // scaled too; other children take the stage's.
    void place(QWidget* w, const QRect& twipsRect);
    // The same for a widget drawn in a font of its own, given at its design
    // size: w takes it, scaled, once the stage knows its scale, so it is never
    // laid out in a size it will not show.
    void place(QWidget* w, const QRect& twipsRect, const QFont& ownFont);

    // The factor the stage asks room for; it takes whatever it is given.
    void setPreferredFactor(double factor);
    [[nodiscard]] double factor() const { return factor_; }
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  signals:
    // The children have new places and fonts; captions that wrap need doing
    // again.
    void rescaled();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placed {
        QWidget* widget; // a child, owned by the stage as its Qt parent
        QRect twips;
        QFont ownFont;
        bool hasOwnFont;
    };
    void keep(const Placed& p);
    void arrange();

    QSize design_;
    QFont designFont_;
    std::vector<Placed> placed_;
    double preferred_ = 1.0;
    double factor_ = 0.0;
    QPoint offset_;
};

} // namespace kvint::ui

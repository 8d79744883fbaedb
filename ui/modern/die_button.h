#pragma once

#include "game/languages.h"
#include "ui/modern/dice_view.h"
#include "ui/modern/die_svg.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QPixmap>

#include <cstddef>

namespace kvint::ui {

// One die of the dice view: a button that draws the die and reports as a
// button to assistive technology, its name telling the face or the mark. A
// click on a marked die rolls it again rather than taking the mark away, so
// the die is no check box. Its look comes from the model only, never from
// its own clicks.
class DieButton final : public QAbstractButton {
    Q_OBJECT
  public:
    DieButton(std::size_t number, QWidget* parent);

    // `face` is what to draw: the model's face, or for a marked die the face
    // it showed before it was marked (0 for none).
    void setLook(const DieLook& look, int face, Language lang);
    // How far the tumble of a new face has come, 0..1; 1 is at rest.
    void setTumble(double progress);

    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void describe();
    [[nodiscard]] QColor edgeColour() const;
    [[nodiscard]] DieColours colours() const;
    [[nodiscard]] const QPixmap& pixmap(int side, qreal pixelRatio);

    std::size_t number_;
    DieLook look_;
    int face_ = 0;
    Language lang_ = Language::ru;
    double tumble_ = 1.0;
    QByteArray svg_;
    QPixmap pixmap_;
};

} // namespace kvint::ui

#pragma once

#include <QFrame>

namespace kvint::ui {

// The frame round a die the hint would re-roll. It lies on the die, takes
// none of its clicks and leaves its digit in view; it keeps the die's size
// when the window zooms. The die's own look stays the game's.
class HintFrame final : public QFrame {
    Q_OBJECT
  public:
    explicit HintFrame(QWidget& die);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows or takes away the hint's frame on a die; the frame is made the
// first time it is needed.
void markForHint(QWidget& die, bool marked);
[[nodiscard]] bool markedForHint(const QWidget& die);

} // namespace kvint::ui

#pragma once

#include <QLineEdit>

#include <cstdint>

namespace kvint::ui {

// One die: shows its digit and takes no typing. A press of the left mouse
// button counts as the click; a key that produces a character reports that
// character's code (Enter and Return as 13).
class DieBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit DieBox(QWidget* parent);

  signals:
    void clicked();
    void keyTyped(std::uint16_t code);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace kvint::ui

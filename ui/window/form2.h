#pragma once

#include "game/controls.h"
#include "ui/zoom/zoom_stage.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace kvint::ui {

// The rules window. It never closes itself: its close request and its
// "Закрыть" button go to the game, which hides it through the model.
class Form2 : public QWidget {
    Q_OBJECT
  public:
    using Route = std::function<void(Ctl)>;
    explicit Form2(Route route);

    void mirror(const Controls& model);
    // Takes the size of the zoom factor; the content follows any later
    // resizing.
    void setZoom(double factor);
    [[nodiscard]] QPlainTextEdit& textBox() { return *text_; }
    [[nodiscard]] QPushButton& closeButton() { return *close_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Route route_;
    // Owned by this window and its stage as their Qt parents.
    ZoomStage* stage_;
    QPlainTextEdit* text_;
    QPushButton* close_;
};

} // namespace kvint::ui

#include "ui/window/first_paint.h"

#include <QEvent>
#include <QObject>

#include <utility>

namespace kvint::ui {
namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || watched != parent()) {
            return false;
        }
        watched->removeEventFilter(this);
        deleteLater();
        std::exchange(then_, {})();
        return false;
    }

  private:
    std::function<void()> then_;
};

} // namespace

void onFirstPaint(QWidget& window, std::function<void()> then) {
    new FirstPaintWatch(window, std::move(then)); // belongs to the window
}

} // namespace kvint::ui

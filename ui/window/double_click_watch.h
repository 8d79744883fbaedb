#pragma once

#include <QObject>

#include <functional>

namespace kvint::ui {

// Reports a double click of the left button on any widget it watches.
class DoubleClickWatch : public QObject {
  public:
    explicit DoubleClickWatch(std::function<void(const QObject*)> onDoubleClick)
        : onDoubleClick_(std::move(onDoubleClick)) {}
    void watch(QWidget& w);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QObject*)> onDoubleClick_;
};

} // namespace kvint::ui

#include "ui/app/app_icon.h"

#include "ui/common/app_info.h"

#include <QIconEngine>
#include <QPainter>

#include <utility>

namespace kvint::ui {
namespace {

// Stands for the icon in `path` and reads it on first use.
class DeferredIcon : public QIconEngine {
  public:
    explicit DeferredIcon(QString path) : path_(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    [[nodiscard]] QIconEngine* clone() const override {
        return new DeferredIcon(path_); // QIcon owns its engine
    }

  private:
    const QIcon& loaded() {
        if (icon_.isNull()) {
            icon_ = QIcon(path_);
        }
        return icon_;
    }

    QString path_;
    QIcon icon_;
};

} // namespace

QIcon appIcon() {
    return QIcon::fromTheme(kAppId, QIcon(new DeferredIcon(QStringLiteral(":/icons/kvint.png"))));
}

} // namespace kvint::ui

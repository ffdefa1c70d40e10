#include "window/lazy_standard_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace bithydraulics {
namespace {

// A standard icon of `style`, read from it on first use.
class DeferredStandardIcon final : public QIconEngine {
  public:
    DeferredStandardIcon(const QStyle& style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(&style), which_(which), widget_(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

  private:
    QIcon& icon() {
        if (!read_) {
            read_ = true;
            if (style_ != nullptr) {
                icon_ = style_->standardIcon(which_, nullptr, widget_);
            }
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<const QWidget> widget_;
    bool read_ = false;
    QIcon icon_;
};

// The application's own style, its standard icons deferred.
class DeferredIconStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (option != nullptr) {
            // An option lives only for this call: such an icon is read at once.
            return QProxyStyle::standardIcon(which, option, widget);
        }
        return QIcon(new DeferredStandardIcon(*baseStyle(), which, widget));
    }
};

}  // namespace

void useLazyStandardIcons() {
    [[maybe_unused]] static const bool done = [] {
        QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
        return true;
    }();
}

}  // namespace bithydraulics

#include "ui/qt/startup_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace wagelyn {
namespace {

// Asks the base style for the real icon the first time it is drawn or
// measured. The overflow icons exist in every Qt style, so the icon does not
// claim to be null before then.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("wagelyn-deferred"); }

private:
    const QIcon& Icon() {
        if (icon_.isNull() && style_ != nullptr) {
            icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
};

}  // namespace

StartupStyle::StartupStyle(const QString& key) : QProxyStyle(key) {}

QIcon StartupStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (option == nullptr && (icon == SP_ToolBarHorizontalExtensionButton ||
                              icon == SP_ToolBarVerticalExtensionButton)) {
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

// The application owns and deletes its style.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void InstallStartupStyle() {
    // The key of the style Qt chose, so that -style and QT_STYLE_OVERRIDE
    // still decide the look.
    QApplication::setStyle(new StartupStyle(QApplication::style()->name()));
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

}  // namespace wagelyn

#include "framework/qt/desktop_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <functional>
#include <utility>

namespace {
// An icon made by `make` the first time it is drawn or measured.
class DeferredIconEngine : public QIconEngine {
  public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

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
    bool isNull() override { return Icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_make); }

  private:
    const QIcon& Icon() {
        if (!m_made) {
            m_icon = m_make();
            m_made = true;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_made = false;
};
} // namespace

CDesktopStyle::CDesktopStyle(QStyle* desktop) : QProxyStyle(desktop) {}

QIcon CDesktopStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Drawn later, the icon is made without the option and the widget (which
    // may be gone by then), but in the direction they give now.
    const Qt::LayoutDirection direction = option   ? option->direction
                                          : widget ? widget->layoutDirection()
                                                   : QGuiApplication::layoutDirection();
    QPointer<const QStyle> desktop = baseStyle();
    return QIcon(new DeferredIconEngine([desktop, icon, direction] {
        if (!desktop)
            return QIcon();
        QStyleOption made;
        made.direction = direction;
        return desktop->standardIcon(icon, &made);
    }));
}

void UseDesktopStyle() {
    if (!qobject_cast<CDesktopStyle*>(QApplication::style()))
        QApplication::setStyle(new CDesktopStyle(QApplication::style()));
}

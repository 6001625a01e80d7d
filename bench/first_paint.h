#pragma once
// Watches the program from outside for each form's first paint: forms are
// windows named "form" and their template id. Installed on the application,
// it tells `onFirstPaint` the template id as the window starts to paint.

#include <QEvent>
#include <QObject>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <utility>

class FirstPaintWatcher : public QObject {
  public:
    explicit FirstPaintWatcher(std::function<void(int)> onFirstPaint)
        : m_onFirstPaint(std::move(onFirstPaint)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const QString name = window->objectName();
        if (window->isWindow() && name.startsWith(QStringLiteral("form")) &&
            !window->property(kPainted).toBool()) {
            window->setProperty(kPainted, true);
            m_onFirstPaint(name.mid(4).toInt());
        }
        return false;
    }

  private:
    static constexpr const char* kPainted = "firstPaintSeen";
    std::function<void(int)> m_onFirstPaint;
};

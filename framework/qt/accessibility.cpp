#include "framework/qt/accessibility.h"

#include "framework/qt/kind_label.h"
#include "framework/qt/kind_picture.h"

#include <QAccessibleWidget>
#include <QLabel>

QString NameFromLabel(const QString& text) {
    QString name = text.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

namespace {
// A tappable label reads as a link whose one action opens its form.
class TapLabelAccessible : public QAccessibleWidget {
  public:
    explicit TapLabelAccessible(LabelWidget* label)
        : QAccessibleWidget(label, QAccessible::Link), m_label(label) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return NameFromLabel(m_label->text());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        // At once back to the screen reader: the form a tap opens runs its
        // own loop, which must not run inside the reader's call.
        if (action == pressAction())
            QMetaObject::invokeMethod(
                m_label, [label = m_label] { label->Tap(); }, Qt::QueuedConnection);
    }

  private:
    LabelWidget* m_label;
};

QAccessibleInterface* ControlFactory(const QString& className, QObject* object) {
    // A picture reads as a chart: its name, then what it shows.
    if (className == QLatin1String(PictureWidget::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    if (className != QLatin1String(LabelWidget::staticMetaObject.className()))
        return nullptr;
    auto* label = qobject_cast<LabelWidget*>(object);
    return label && label->ReportsTaps() ? new TapLabelAccessible(label) : nullptr;
}
} // namespace

void InstallTapLabelAccessibility() {
    static const bool installed = (QAccessible::installFactory(&ControlFactory), true);
    (void)installed;
}

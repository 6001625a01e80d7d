#include "framework/qt/kind_label.h"

#include "framework/base/afx.h"
#include "framework/qt/wnd.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <utility>

LabelWidget::LabelWidget(const QString& text, unsigned style, int id, ControlNotify notify,
                         QWidget* parent)
    : QLabel(text, parent), m_style(style), m_id(id), m_notify(std::move(notify)) {
    setWordWrap(!(style & SS_LEFTNOWORDWRAP));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    if (style & SS_NOTIFY)
        setCursor(Qt::PointingHandCursor);
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    CDC dc(FromQColor(palette().color(QPalette::WindowText)),
           FromQColor(palette().color(QPalette::Window)));
    CBrush* brush = m_owner ? m_owner->SendCtlColorReflect(&dc) : nullptr;
    if (!brush || brush->IsNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(brush->GetColor()));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ToQColor(dc.GetTextColor()));
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    style()->drawItemText(&painter, contentsRect(), flags, colours, isEnabled(), text(),
                          QPalette::WindowText);
}

bool LabelWidget::ReportsTaps() const {
    return (m_style & SS_NOTIFY) != 0;
}

void LabelWidget::Tap() {
    if (ReportsTaps() && m_notify)
        m_notify(m_id, STN_CLICKED);
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Tap();
}

namespace {
// A label's text fits beside or, when it wraps, above the rest of its lines.
bool LabelFits(const QWidget* widget, const QSize& size) {
    const auto* label = static_cast<const QLabel*>(widget);
    const QFontMetrics metrics(label->font());
    const QString text = label->text();
    if (!label->wordWrap()) // trailing blanks show nothing
        return metrics.horizontalAdvance(text.trimmed()) <= size.width() &&
               metrics.height() <= size.height();
    const QRect needed = metrics.boundingRect(QRect(0, 0, size.width(), 1 << 20),
                                              int(label->alignment()) | Qt::TextWordWrap, text);
    return needed.width() <= size.width() && needed.height() <= size.height();
}
} // namespace

const ControlKindOps kLabelKind{
    .make = [](const DialogItem& item, QWidget* parent, const ControlNotify& notify) -> QWidget* {
        return new LabelWidget(QString::fromUtf8(item.text), item.style, item.id, notify, parent);
    },
    .text = [](const QWidget* w) { return static_cast<const QLabel*>(w)->text(); },
    .setText = [](QWidget* w, const QString& text) { static_cast<QLabel*>(w)->setText(text); },
    .refresh =
        [](QWidget* w, const DialogItem& item) {
            static_cast<QLabel*>(w)->setText(QString::fromUtf8(item.text));
        },
    .fits = LabelFits,
    .isLabel = true,
};

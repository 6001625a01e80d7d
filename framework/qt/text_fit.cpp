#include "framework/qt/text_fit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

bool TextFits(const QWidget* control, const QSize& size) {
    const QFontMetrics metrics(control->font());
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        const QString text = label->text();
        if (!label->wordWrap()) // trailing blanks show nothing
            return metrics.horizontalAdvance(text.trimmed()) <= size.width() &&
                   metrics.height() <= size.height();
        const QRect needed = metrics.boundingRect(QRect(0, 0, size.width(), 1 << 20),
                                                  int(label->alignment()) | Qt::TextWordWrap, text);
        return needed.width() <= size.width() && needed.height() <= size.height();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(QPoint(0, 0), size);
        option.text = button->text();
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return metrics.horizontalAdvance(button->text()) <= inside.width() &&
               metrics.height() <= inside.height();
    }
    return true;
}

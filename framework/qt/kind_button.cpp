// Push buttons and check boxes: the button and check kinds.
#include "framework/base/afx.h"
#include "framework/qt/widgets.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
// A push button or a check box, whose clicks are reported as BN_CLICKED. A
// focused push button takes Enter itself; elsewhere Enter is the form's
// default button's.
QWidget* MakeButton(const DialogItem& item, QWidget* parent, const ControlNotify& notify) {
    const QString text = QString::fromUtf8(item.text);
    QAbstractButton* button = nullptr;
    if (item.kind == ControlKind::Check) {
        button = new QCheckBox(text, parent);
        button->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    } else {
        auto* push = new QPushButton(text, parent);
        push->setAutoDefault(true);
        button = push;
    }
    const int id = item.id;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [notify, id] { notify(id, BN_CLICKED); });
    return button;
}

QString ButtonText(const QWidget* w) {
    return static_cast<const QAbstractButton*>(w)->text();
}
void SetButtonText(QWidget* w, const QString& text) {
    static_cast<QAbstractButton*>(w)->setText(text);
}
void RefreshButton(QWidget* w, const DialogItem& item) {
    SetButtonText(w, QString::fromUtf8(item.text));
}

// A push button's text fits inside its frame.
bool PushButtonFits(const QWidget* widget, const QSize& size) {
    const auto* button = static_cast<const QPushButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), size);
    option.text = button->text();
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    return metrics.horizontalAdvance(button->text()) <= inside.width() &&
           metrics.height() <= inside.height();
}

// A push button measures its text inside its frame and may stand for Enter;
// a check box does neither.
constexpr ControlKindOps ButtonOps(bool push) {
    return {.make = MakeButton,
            .text = ButtonText,
            .setText = SetButtonText,
            .refresh = RefreshButton,
            .fits = push ? PushButtonFits : nullptr,
            .isPushButton = push};
}
} // namespace

const ControlKindOps kButtonKind = ButtonOps(true);
const ControlKindOps kCheckKind = ButtonOps(false);

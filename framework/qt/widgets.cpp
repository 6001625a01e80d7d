#include "framework/qt/widgets.h"

#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kKindProperty = "controlKind";

// Every kind of control, once.
const struct {
    ControlKind kind;
    const ControlKindOps* ops;
} kKinds[] = {
    {ControlKind::Static, &kLabelKind},    {ControlKind::Edit, &kEditKind},
    {ControlKind::Button, &kButtonKind},   {ControlKind::Check, &kCheckKind},
    {ControlKind::ComboBox, &kListKind},   {ControlKind::Table, &kGridKind},
    {ControlKind::Picture, &kPictureKind}, {ControlKind::Progress, &kProgressKind},
};
} // namespace

const ControlKindOps& KindOps(ControlKind kind) {
    for (const auto& entry : kKinds)
        if (entry.kind == kind)
            return *entry.ops;
    static const ControlKindOps none;
    return none;
}

const ControlKindOps* KindOpsOf(const QWidget* widget) {
    const QVariant kind = widget ? widget->property(kKindProperty) : QVariant();
    return kind.isValid() ? &KindOps(static_cast<ControlKind>(kind.toInt())) : nullptr;
}

QWidget* CreateControlWidget(const DialogItem& item, QWidget* parent, const ControlNotify& notify) {
    const ControlKindOps& ops = KindOps(item.kind);
    QWidget* widget = ops.make ? ops.make(item, parent, notify) : new QWidget(parent);
    widget->setProperty(kKindProperty, static_cast<int>(item.kind));
    return widget;
}

QString WidgetText(const QWidget* widget) {
    const ControlKindOps* ops = KindOpsOf(widget);
    return ops && ops->text ? ops->text(widget) : QString();
}

void SetWidgetText(QWidget* widget, const QString& text) {
    if (const ControlKindOps* ops = KindOpsOf(widget); ops && ops->setText)
        ops->setText(widget, text);
}

void SelectWhole(QLineEdit* edit) {
    const auto length = static_cast<int>(edit->text().size());
    edit->setSelection(length, -length);
}

void ShowBeginning(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->home(false);
}

void BoxEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
        SelectWhole(this);
}

void BoxEdit::keyPressEvent(QKeyEvent* event) {
    auto* grid = qobject_cast<QTableView*>(nextInFocusChain());
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && grid &&
        grid->model() && grid->model()->rowCount() > 0) {
        grid->setFocus(Qt::TabFocusReason);
        if (!grid->selectionModel()->hasSelection())
            grid->selectRow(0);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void BoxEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    home(false);
}

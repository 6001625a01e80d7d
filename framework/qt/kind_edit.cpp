// An edit box: the edit kind.
#include "framework/base/afx.h"
#include "framework/qt/widgets.h"

namespace {
// An edit box: framed, read-only and a tab stop as its style says; a change
// of its text is reported as EN_CHANGE.
QWidget* MakeEdit(const DialogItem& item, const QString& text, QWidget* parent,
                  const ControlNotify& notify) {
    auto* edit = new BoxEdit(text, parent);
    edit->setFrame(item.style & WS_BORDER);
    edit->setReadOnly(item.style & ES_READONLY);
    edit->setMaxLength(1 << 20);
    const int id = item.id;
    QObject::connect(edit, &QLineEdit::textChanged, edit, [notify, id] { notify(id, EN_CHANGE); });
    edit->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    if ((item.style & ES_READONLY) && !(item.style & WS_BORDER))
        edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return edit;
}
} // namespace

const ControlKindOps kEditKind{
    .make =
        [](const DialogItem& item, QWidget* parent, const ControlNotify& notify) {
            return MakeEdit(item, QString::fromUtf8(item.text), parent, notify);
        },
    .text = [](const QWidget* w) { return static_cast<const QLineEdit*>(w)->text(); },
    .setText = [](QWidget* w,
                  const QString& text) { ShowBeginning(static_cast<QLineEdit*>(w), text); },
    .name = [](QWidget* w, const QString& name) { w->setAccessibleName(name); },
};

#include "framework/controls.h"

#include "framework/widgets.h"
#include "lists/choice_lists.h"

#include <QComboBox>
#include <algorithm>
#include <QLineEdit>
#include <QStandardItemModel>

IMPLEMENT_DYNAMIC(CStatic, CWnd)

void CStatic::Attach(QWidget* widget, int id, CDialog* form) {
    CWnd::Attach(widget, id, form);
    if (auto* label = dynamic_cast<LabelWidget*>(widget))
        label->SetColorOwner(this);
}

void CStatic::Detach() {
    if (auto* label = dynamic_cast<LabelWidget*>(m_hWnd))
        label->SetColorOwner(nullptr);
    CWnd::Detach();
}

QComboBox* CComboBox::Combo() const { return qobject_cast<QComboBox*>(m_hWnd); }

void CComboBox::ResetContent() {
    if (QComboBox* c = Combo()) {
        c->clear();
        c->setEditText(QString());
    }
}

int CComboBox::AddString(const CString& text) {
    QComboBox* c = Combo();
    if (!c)
        return CB_ERR;
    const QString item = QString::fromStdU16String(text);
    int at = c->count();
    const auto* combo = dynamic_cast<const ComboWidget*>(c);
    if (combo && combo->IsSorted()) {
        // After every entry that sorts before it or equal to it.
        int low = 0, high = c->count();
        while (low < high) {
            const int mid = (low + high) / 2;
            if (c->itemText(mid).compare(item, Qt::CaseInsensitive) <= 0)
                low = mid + 1;
            else
                high = mid;
        }
        at = low;
    }
    // Adding an entry never selects one, though Qt selects the first entry
    // of an empty list.
    const bool hadSelection = c->currentIndex() >= 0;
    const QString field = c->currentText();
    c->insertItem(at, item);
    if (!hadSelection && c->currentIndex() >= 0) {
        c->setCurrentIndex(-1);
        c->setEditText(field);
    }
    return at;
}

void CComboBox::AddEntries(const std::vector<ChoiceEntry>& entries) {
    QComboBox* c = Combo();
    auto* model = c ? qobject_cast<QStandardItemModel*>(c->model()) : nullptr;
    if (!model)
        return;
    if (c->count() > 0) { // each entry in the place AddString gives it
        for (const ChoiceEntry& entry : entries)
            SetItemValue(AddString(entry.displayText), entry.valueText);
        return;
    }
    QList<QStandardItem*> items;
    items.reserve(static_cast<qsizetype>(entries.size()));
    for (const ChoiceEntry& entry : entries) {
        auto* item = new QStandardItem(QString::fromStdU16String(entry.displayText));
        if (entry.valueText)
            item->setData(QByteArray::fromStdString(*entry.valueText), Qt::UserRole);
        items.append(item);
    }
    // A sorted list: the order one AddString after another would give.
    const auto* combo = dynamic_cast<const ComboWidget*>(c);
    if (combo && combo->IsSorted())
        std::stable_sort(items.begin(), items.end(), [](QStandardItem* a, QStandardItem* b) {
            return a->text().compare(b->text(), Qt::CaseInsensitive) < 0;
        });
    const QString field = c->currentText();
    model->invisibleRootItem()->appendRows(items);
    if (c->currentIndex() >= 0) { // adding entries never selects one
        c->setCurrentIndex(-1);
        c->setEditText(field);
    }
}

int CComboBox::GetCount() const { return Combo() ? Combo()->count() : 0; }

int CComboBox::GetCurSel() const { return Combo() ? Combo()->currentIndex() : CB_ERR; }

int CComboBox::SetCurSel(int index) {
    QComboBox* c = Combo();
    if (!c || index < -1 || index >= c->count())
        return CB_ERR;
    c->setCurrentIndex(index);
    if (index >= 0)
        c->setEditText(c->itemText(index));
    else
        c->setEditText(QString());
    return index;
}

CString CComboBox::GetLBText(int index) const {
    QComboBox* c = Combo();
    if (!c || index < 0 || index >= c->count())
        return {};
    return c->itemText(index).toStdU16String();
}

int CComboBox::SelectString(const CString& text) {
    QComboBox* c = Combo();
    if (!c)
        return CB_ERR;
    const int index = SelectStoredChoice(
        static_cast<std::size_t>(c->count()),
        [c](std::size_t i) { return c->itemText(static_cast<int>(i)).toStdU16String(); }, text);
    SetCurSel(index);
    return index;
}

void CComboBox::SetItemValue(int index, std::optional<std::string> value) {
    QComboBox* c = Combo();
    if (!c || index < 0 || index >= c->count())
        return;
    c->setItemData(index, value ? QVariant(QByteArray::fromStdString(*value)) : QVariant());
}

std::optional<std::string> CComboBox::GetItemValue(int index) const {
    QComboBox* c = Combo();
    if (!c || index < 0 || index >= c->count())
        return std::nullopt;
    const QVariant v = c->itemData(index);
    if (!v.isValid())
        return std::nullopt;
    return v.toByteArray().toStdString();
}

void CComboBox::SetDropDownRows(int rows) {
    if (QComboBox* c = Combo())
        c->setMaxVisibleItems(rows);
}

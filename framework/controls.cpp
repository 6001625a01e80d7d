#include "framework/controls.h"

#include "framework/widgets.h"
#include "lists/choice_lists.h"

#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <numeric>

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

namespace {
// Runs `add`, which adds entries to `c`. Adding never selects an entry,
// though Qt selects the first entry of an empty list and clears the field
// when its entries are replaced; the field keeps its text.
template <class Add> void AddingSelectsNothing(QComboBox* c, Add add) {
    const bool hadSelection = c->currentIndex() >= 0;
    const QString field = c->currentText();
    add();
    if (hadSelection)
        return;
    if (c->currentIndex() >= 0)
        c->setCurrentIndex(-1);
    c->setEditText(field);
}
} // namespace

QComboBox* CComboBox::Combo() const {
    return qobject_cast<QComboBox*>(m_hWnd);
}

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
    AddingSelectsNothing(c, [&] { c->insertItem(at, item); });
    return at;
}

void CComboBox::AddEntries(const std::vector<ChoiceEntry>& entries) {
    QComboBox* c = Combo();
    auto* combo = dynamic_cast<ComboWidget*>(c);
    if (!combo)
        return;
    if (c->count() > 0) { // each entry in the place AddString gives it
        for (const ChoiceEntry& entry : entries)
            SetItemValue(AddString(entry.displayText), entry.valueText);
        return;
    }
    QList<QString> texts;
    std::vector<std::optional<std::string>> values;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    values.reserve(entries.size());
    for (const ChoiceEntry& entry : entries) {
        texts.append(QString::fromStdU16String(entry.displayText));
        values.push_back(entry.valueText);
    }
    // A sorted list: the order one AddString after another would give.
    const auto before = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    };
    if (combo->IsSorted() && !std::is_sorted(texts.begin(), texts.end(), before)) {
        QList<qsizetype> order(texts.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return before(texts[a], texts[b]); });
        QList<QString> sortedTexts;
        std::vector<std::optional<std::string>> sortedValues;
        for (qsizetype i : order) {
            sortedTexts.append(texts[i]);
            sortedValues.push_back(std::move(values[static_cast<std::size_t>(i)]));
        }
        texts = std::move(sortedTexts);
        values = std::move(sortedValues);
    }
    AddingSelectsNothing(c, [&] { combo->Entries()->Assign(std::move(texts), std::move(values)); });
}

int CComboBox::GetCount() const {
    return Combo() ? Combo()->count() : 0;
}

int CComboBox::GetCurSel() const {
    return Combo() ? Combo()->currentIndex() : CB_ERR;
}

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
    auto* combo = dynamic_cast<ComboWidget*>(c);
    if (!combo)
        return CB_ERR;
    const ChoiceModel* entries = combo->Entries();
    const int index = SelectStoredChoice(
        static_cast<std::size_t>(c->count()),
        [entries](std::size_t i) {
            const QString& entry = entries->Text(static_cast<int>(i));
            return std::u16string_view(reinterpret_cast<const char16_t*>(entry.utf16()),
                                       static_cast<std::size_t>(entry.size()));
        },
        text);
    SetCurSel(index);
    return index;
}

void CComboBox::SetItemValue(int index, std::optional<std::string> value) {
    QComboBox* c = Combo();
    if (!c || index < 0 || index >= c->count())
        return;
    if (auto* combo = dynamic_cast<ComboWidget*>(c))
        combo->Entries()->SetValue(index, std::move(value));
}

std::optional<std::string> CComboBox::GetItemValue(int index) const {
    auto* combo = dynamic_cast<ComboWidget*>(Combo());
    if (!combo || index < 0 || index >= combo->count())
        return std::nullopt;
    return combo->Entries()->Value(index);
}

void CComboBox::SetDropDownRows(int rows) {
    if (QComboBox* c = Combo())
        c->setMaxVisibleItems(rows);
}

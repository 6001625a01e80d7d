#include "framework/qt/controls.h"

#include "framework/base/nocase.h"
#include "framework/qt/kind_grid.h"
#include "framework/qt/kind_label.h"
#include "framework/qt/kind_list.h"
#include "framework/qt/kind_picture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableView>
#include <algorithm>

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

ComboWidget* CComboBox::Combo() const {
    return dynamic_cast<ComboWidget*>(m_hWnd);
}

void CComboBox::ResetContent() {
    if (ComboWidget* c = Combo()) {
        c->clear();
        c->setEditText(QString());
    }
}

void CComboBox::AddEntries(std::vector<ChoiceEntry> entries) {
    Insert(std::move(entries));
}

// A sorted list puts each entry after every entry that sorts before it or
// equal to it. Adding never changes which entry is selected, nor the field's
// text, though Qt would select the first entry of a list whose model resets.
int CComboBox::Insert(std::vector<ChoiceEntry> entries) {
    ComboWidget* c = Combo();
    if (!c)
        return CB_ERR;
    ChoiceModel* model = c->Entries();
    QList<QString> texts = model->Texts();
    std::vector<std::optional<std::string>> values = model->Values();
    texts.reserve(texts.size() + static_cast<qsizetype>(entries.size()));
    values.reserve(values.size() + entries.size());
    int selected = c->currentIndex();
    const QString field = c->currentText();
    const auto before = [](const QString& a, const QString& b) {
        return CompareNoCase(Utf16View(a), Utf16View(b)) < 0;
    };
    qsizetype at = CB_ERR;
    for (ChoiceEntry& entry : entries) {
        const QString text = QString::fromStdU16String(entry.displayText);
        at = c->IsSorted()
                 ? std::upper_bound(texts.begin(), texts.end(), text, before) - texts.begin()
                 : texts.size();
        texts.insert(at, text);
        values.insert(values.begin() + at, std::move(entry.valueText));
        if (selected >= at)
            ++selected;
    }
    model->Assign(std::move(texts), std::move(values));
    c->setCurrentIndex(selected);
    ShowBeginning(c->lineEdit(), field);
    return static_cast<int>(at);
}

int CComboBox::GetCount() const {
    return Combo() ? Combo()->count() : 0;
}

int CComboBox::GetCurSel() const {
    return Combo() ? Combo()->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    ComboWidget* c = Combo();
    if (!c || index < -1 || index >= c->count())
        return CB_ERR;
    c->setCurrentIndex(index);
    ShowBeginning(c->lineEdit(), index >= 0 ? c->itemText(index) : QString());
    return index;
}

CString CComboBox::GetLBText(int index) const {
    ComboWidget* c = Combo();
    if (!c || index < 0 || index >= c->count())
        return {};
    return c->itemText(index).toStdU16String();
}

void CComboBox::SetEntryRule(std::function<int(const CString& typed)> rule) {
    Combo()->SetEntryRule(
        rule ? [rule](const QString& typed) { return rule(CString(Utf16View(typed))); }
             : ComboWidget::EntryRule());
}

int CComboBox::SelectString(const CString& text) {
    ComboWidget* c = Combo();
    if (!c)
        return CB_ERR;
    const int index = c->FindPrefix(text);
    SetCurSel(index);
    return index;
}

void CComboBox::SetItemValue(int index, std::optional<std::string> value) {
    if (ComboWidget* c = Combo(); c && index >= 0 && index < c->count())
        c->Entries()->SetValue(index, std::move(value));
}

std::optional<std::string> CComboBox::GetItemValue(int index) const {
    ComboWidget* c = Combo();
    if (!c || index < 0 || index >= c->count())
        return std::nullopt;
    return c->Entries()->Value(index);
}

void CComboBox::SetDropDownRows(int rows) {
    if (ComboWidget* c = Combo())
        c->setMaxVisibleItems(rows);
}

QTableView* CTableCtrl::Grid() const {
    return qobject_cast<QTableView*>(m_hWnd);
}

namespace {
// Each column as wide as its widest text (bold where marked) in rows
// [first, end) and no narrower than it is; the first column with room for
// the pictures. Measured once per text with the grid's font, not cell by cell.
void FitColumns(QTableView* grid, const TableContent& content, std::size_t first, QSize picture) {
    QFont boldFont = grid->font();
    boldFont.setBold(true);
    const QFontMetrics plain(grid->font()), bold(boldFont);
    const int padding = 12;
    for (std::size_t c = 0; c < content.columns.size(); ++c) {
        int widest = first == 0
                         ? bold.horizontalAdvance(QString::fromStdU16String(content.columns[c]))
                         : grid->columnWidth(static_cast<int>(c)) - padding;
        const int before = c == 0 && !picture.isEmpty() ? picture.width() + 6 : 0;
        for (std::size_t r = first; r < content.cells.size(); ++r) {
            if (c >= content.cells[r].size())
                continue;
            const bool marked = static_cast<int>(r) == content.markedRow ||
                                static_cast<int>(c) == content.markedColumn;
            widest = std::max(widest, before + (marked ? bold : plain)
                                                   .horizontalAdvance(QString::fromStdU16String(
                                                       content.cells[r][c])));
        }
        // A grid of pictures holds what photos record, of any length: a
        // column no wider than forty characters, its texts whole in their
        // tooltips.
        const int widestShown =
            picture.isEmpty() ? widest : std::min(widest, 40 * plain.averageCharWidth());
        grid->setColumnWidth(static_cast<int>(c), widestShown + padding);
    }
}
} // namespace

void CTableCtrl::SetContent(const TableContent& content) {
    QTableView* grid = Grid();
    if (!grid)
        return;
    auto* model = static_cast<GridModel*>(grid->model());
    // Pictures three lines high, in a photo's proportions.
    const QFontMetrics plain(grid->font());
    const QSize picture =
        content.rowPictures.empty() ? QSize() : QSize(plain.height() * 4, plain.height() * 3);
    model->SetPictureSize(picture);
    grid->setIconSize(picture);
    model->Assign(content);
    FitColumns(grid, content, 0, picture);
    grid->verticalHeader()->setDefaultSectionSize(
        std::max(plain.height() + 6, picture.height() + 4));
    const bool headed = std::any_of(content.rows.begin(), content.rows.end(),
                                    [](const CString& header) { return !header.empty(); });
    grid->verticalHeader()->setVisible(headed || content.rowPictures.empty());
    // A grid of pictures is a list of things, chosen a row at a time.
    grid->setSelectionBehavior(content.rowPictures.empty() ? QAbstractItemView::SelectItems
                                                           : QAbstractItemView::SelectRows);
}

void CTableCtrl::AppendRows(const TableContent& more) {
    QTableView* grid = Grid();
    if (!grid)
        return;
    auto* model = static_cast<GridModel*>(grid->model());
    const std::size_t first = model->Content().rows.size();
    model->Append(more);
    FitColumns(grid, model->Content(), first, model->PictureSize());
}

void CTableCtrl::SetCurSel(int row) {
    QTableView* grid = Grid();
    if (!grid || !grid->selectionModel())
        return;
    if (row < 0 || row >= grid->model()->rowCount()) {
        grid->clearSelection();
        return;
    }
    grid->selectRow(row);
    grid->scrollTo(grid->model()->index(row, 0));
}

void CTableCtrl::SetSortMark(int column, bool descending) {
    QTableView* grid = Grid();
    if (!grid)
        return;
    QHeaderView* header = grid->horizontalHeader();
    header->setSortIndicatorShown(column >= 0);
    if (column >= 0)
        header->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

int CTableCtrl::GetClickedColumn() const {
    const QTableView* grid = Grid();
    const QVariant clicked = grid ? grid->property("clickedColumn") : QVariant();
    return clicked.isValid() ? clicked.toInt() : -1;
}

void CProgressCtrl::SetRange(int lower, int upper) {
    if (auto* bar = qobject_cast<QProgressBar*>(m_hWnd))
        bar->setRange(lower, std::max(lower, upper));
}

void CProgressCtrl::SetPos(int pos) {
    if (auto* bar = qobject_cast<QProgressBar*>(m_hWnd))
        bar->setValue(std::clamp(pos, bar->minimum(), bar->maximum()));
}

void CPictureCtrl::SetContent(PictureContent content,
                              std::shared_ptr<const PictureDrawing> drawing) {
    if (auto* picture = qobject_cast<PictureWidget*>(m_hWnd))
        picture->SetContent(std::move(content), std::move(drawing));
}

int CButton::GetCheck() const {
    const auto* button = qobject_cast<const QAbstractButton*>(m_hWnd);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (auto* button = qobject_cast<QAbstractButton*>(m_hWnd))
        button->setChecked(check == BST_CHECKED);
}

int CTableCtrl::GetCurSel() const {
    const QTableView* grid = Grid();
    if (!grid || !grid->selectionModel())
        return -1;
    // A row clicked, or else the one the keyboard moved to.
    const QModelIndexList rows = grid->selectionModel()->selectedIndexes();
    if (!rows.isEmpty())
        return rows.front().row();
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

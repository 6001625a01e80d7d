#include "framework/qt/kind_list.h"

#include "framework/base/afx.h"
#include "framework/base/nocase.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <utility>

int ChoiceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_texts.size());
}

QVariant ChoiceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_texts.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_texts[index.row()];
    if (role == Qt::UserRole && m_values[index.row()])
        return QByteArray::fromStdString(*m_values[index.row()]);
    return {};
}

bool ChoiceModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= m_texts.size())
        return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        m_texts[index.row()] = value.toString();
    else if (role == Qt::UserRole)
        m_values[index.row()] =
            value.isValid() ? std::optional(value.toByteArray().toStdString()) : std::nullopt;
    else
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags ChoiceModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool ChoiceModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row > m_texts.size() || count <= 0)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    m_texts.insert(row, count, QString());
    m_values.insert(m_values.begin() + row, static_cast<std::size_t>(count), std::nullopt);
    endInsertRows();
    return true;
}

bool ChoiceModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_texts.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_texts.remove(row, count);
    m_values.erase(m_values.begin() + row, m_values.begin() + row + count);
    endRemoveRows();
    return true;
}

void ChoiceModel::Assign(QList<QString> texts, std::vector<std::optional<std::string>> values) {
    beginResetModel();
    m_texts = std::move(texts);
    m_values = std::move(values);
    endResetModel();
}

void ChoiceModel::SetValue(int row, std::optional<std::string> value) {
    if (row < 0 || row >= m_texts.size())
        return;
    m_values[static_cast<std::size_t>(row)] = std::move(value);
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {Qt::UserRole});
}

ComboWidget::ComboWidget(unsigned style, QWidget* parent, int id, ControlNotify notify)
    : QComboBox(parent), m_sorted(style & CBS_SORT), m_entries(new ChoiceModel(this)), m_id(id),
      m_notify(std::move(notify)) {
    setModel(m_entries);
    // The edit field, without the completer Qt would make for it (typing
    // selects only whole texts here): a line edit that already has one gets
    // none, so each borrows a shared one for the moment.
    static QCompleter* const placeholder = new QCompleter(QCoreApplication::instance());
    auto* field = new BoxEdit(QString(), this);
    field->setCompleter(placeholder);
    setLineEdit(field);
    field->setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboWidget::OnTyped);
    // A chosen entry shows from its beginning, however long it is.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { lineEdit()->home(false); });
    connect(this, &QComboBox::activated, this, [this] {
        m_typedUntold = false;
        if (m_notify)
            m_notify(m_id, CBN_SELCHANGE);
    });
}

int ComboWidget::FindPrefix(std::u16string_view text) const {
    return FindPrefixNoCase(
        static_cast<std::size_t>(count()),
        [this](std::size_t i) { return Utf16View(m_entries->Text(static_cast<int>(i))); }, text);
}

void ComboWidget::SelectTypedText() {
    const QString typed = currentText();
    const int selected = currentIndex();
    if (selected >= 0 && CompareNoCase(Utf16View(typed), Utf16View(itemText(selected))) == 0) {
        // An entry typed whole was selected as it was typed: told now, as a pick is.
        if (std::exchange(m_typedUntold, false) && m_notify)
            m_notify(m_id, CBN_SELCHANGE);
        return;
    }
    m_typedUntold = false;
    const int found = typed.isEmpty() ? -1 : m_rule ? m_rule(typed) : FindPrefix(Utf16View(typed));
    if (found < 0)
        return;
    setCurrentIndex(found);
    ShowBeginning(lineEdit(), itemText(found));
    if (m_notify)
        m_notify(m_id, CBN_SELCHANGE);
}

void ComboWidget::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        SelectTypedText();
}

// Wide enough for the widest entry and the scroll bar, within the screen.
void ComboWidget::showPopup() {
    const QFontMetrics metrics(view()->font());
    int widest = 0;
    for (const QString& text : m_entries->Texts())
        widest = std::max(widest, metrics.horizontalAdvance(text));
    const int frame = 2 * (view()->frameWidth() + 4);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view());
    const int screenWidth = screen() ? screen()->availableGeometry().width() : widest;
    view()->setMinimumWidth(std::min(widest + frame + scrollBar, screenWidth));
    QComboBox::showPopup();
}

// Closed, the field's whole text is selected: typing replaces it.
void ComboWidget::hidePopup() {
    QComboBox::hidePopup();
    SelectWhole(lineEdit());
}

void ComboWidget::OnTyped(const QString& text) {
    int match = -1;
    for (int i = 0; i < count() && match < 0; ++i)
        if (CompareNoCase(Utf16View(m_entries->Text(i)), Utf16View(text)) == 0)
            match = i;
    const int cursor = lineEdit()->cursorPosition();
    {
        const QSignalBlocker block(this);
        m_typedUntold = m_typedUntold || match != currentIndex();
        setCurrentIndex(match);
    }
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(cursor);
    if (m_notify)
        m_notify(m_id, CBN_EDITCHANGE);
}

namespace {
// Every entry's text fits the field beside the arrow, whichever is chosen:
// inside the field's edit box, less the margins it draws its text within.
bool ListFits(const QWidget* widget, const QSize& size) {
    const auto* combo = static_cast<const QComboBox*>(widget);
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.rect = QRect(QPoint(0, 0), QSize(size.width(), combo->sizeHint().height()));
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    constexpr int kTextMargins = 6; // an edit box's two pixels and the frame's each side
    const QFontMetrics metrics(combo->font());
    for (int i = 0; i < combo->count(); ++i)
        if (metrics.horizontalAdvance(combo->itemText(i)) + kTextMargins > field.width())
            return false;
    return true;
}
} // namespace

const ControlKindOps kListKind{
    .make = [](const DialogItem& item, QWidget* parent, const ControlNotify& notify) -> QWidget* {
        return new ComboWidget(item.style, parent, item.id, notify);
    },
    .text = [](const QWidget* w) { return static_cast<const QComboBox*>(w)->currentText(); },
    .setText =
        [](QWidget* w, const QString& text) {
            ShowBeginning(static_cast<QComboBox*>(w)->lineEdit(), text);
        },
    // The selected entry's text again, as the field may show another.
    .refresh =
        [](QWidget* w, const DialogItem&) {
            auto* combo = static_cast<QComboBox*>(w);
            if (combo->currentIndex() >= 0)
                ShowBeginning(combo->lineEdit(), combo->itemText(combo->currentIndex()));
        },
    // Its edit field is what has the focus, and what is announced.
    .name =
        [](QWidget* w, const QString& name) {
            w->setAccessibleName(name);
            if (QLineEdit* field = static_cast<QComboBox*>(w)->lineEdit())
                field->setAccessibleName(name);
        },
    .fits = ListFits,
};

#include "framework/qt/widgets.h"

#include "framework/base/nocase.h"
#include "framework/qt/wnd.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
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
// An edit box, or a list's field: once the focus leaves it, it shows the
// beginning of its text again.
// Reached from the keyboard, it selects its whole text, as Qt's line edits
// do, but keeps the beginning in view; a click places the cursor.
class BoxEdit : public QLineEdit {
  public:
    BoxEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        const Qt::FocusReason reason = event->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            SelectWhole(this);
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        home(false);
    }
};
} // namespace

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
    const int found = typed.isEmpty() ? -1 : FindPrefix(Utf16View(typed));
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
}

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

// A push button or a check box, whose clicks are reported as BN_CLICKED. A
// focused push button takes Enter itself; elsewhere Enter is the form's
// default button's.
QWidget* MakeButton(const DialogItem& item, const QString& text, QWidget* parent,
                    const ControlNotify& notify) {
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

// A grid of texts, read only; Tab leaves it and the arrows move in it.
QWidget* MakeGrid(const DialogItem& item, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setModel(new GridModel(grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setFrameShape((item.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    grid->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    grid->setTabKeyNavigation(false);
    return grid;
}
} // namespace

QSize GridContentSize(const QWidget* widget) {
    const auto* grid = qobject_cast<const QTableView*>(widget);
    if (!grid)
        return widget->size();
    const int frame = 2 * grid->frameWidth();
    return {frame + grid->verticalHeader()->sizeHint().width() + grid->horizontalHeader()->length(),
            frame + grid->horizontalHeader()->sizeHint().height() +
                grid->verticalHeader()->length()};
}

QWidget* CreateControlWidget(const DialogItem& item, QWidget* parent, const ControlNotify& notify) {
    const QString text = QString::fromUtf8(item.text);
    switch (item.kind) {
    case ControlKind::Static:
        return new LabelWidget(text, item.style, item.id, notify, parent);
    case ControlKind::Edit:
        return MakeEdit(item, text, parent, notify);
    case ControlKind::Button:
    case ControlKind::Check:
        return MakeButton(item, text, parent, notify);
    case ControlKind::ComboBox:
        return new ComboWidget(item.style, parent, item.id, notify);
    case ControlKind::Table:
        return MakeGrid(item, parent);
    }
    return nullptr;
}

QString WidgetText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    return {};
}

void SetWidgetText(QWidget* w, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        ShowBeginning(edit, text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        ShowBeginning(combo->lineEdit(), text);
}

void SelectWhole(QLineEdit* edit) {
    const auto length = static_cast<int>(edit->text().size());
    edit->setSelection(length, -length);
}

void ShowBeginning(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->home(false);
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_content.rows.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_content.columns.size());
}

QVariant GridModel::Marked(bool marked, int role) const {
    if (!marked || role != Qt::FontRole)
        return {};
    QFont bold;
    bold.setBold(true);
    return bold;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (!index.isValid() || row >= m_content.cells.size() || column >= m_content.cells[row].size())
        return {};
    const QString text = QString::fromStdU16String(m_content.cells[row][column]);
    const bool marked =
        index.row() == m_content.markedRow || index.column() == m_content.markedColumn;
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::AccessibleTextRole && marked) {
        QStringList words{text};
        if (index.row() == m_content.markedRow)
            words << QString::fromStdU16String(m_content.markedRowWords);
        if (index.column() == m_content.markedColumn)
            words << QString::fromStdU16String(m_content.markedColumnWords);
        return words.join(QStringLiteral(", "));
    }
    return Marked(marked, role);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool across = orientation == Qt::Horizontal;
    const std::vector<CString>& headers = across ? m_content.columns : m_content.rows;
    if (section < 0 || static_cast<std::size_t>(section) >= headers.size())
        return {};
    const QString text = QString::fromStdU16String(headers[static_cast<std::size_t>(section)]);
    const bool marked = section == (across ? m_content.markedColumn : m_content.markedRow);
    if (role == Qt::DisplayRole)
        return text;
    if (role == Qt::AccessibleTextRole && marked)
        return text + QStringLiteral(", ") +
               QString::fromStdU16String(across ? m_content.markedColumnWords
                                                : m_content.markedRowWords);
    return Marked(marked, role);
}

void GridModel::Assign(TableContent content) {
    beginResetModel();
    m_content = std::move(content);
    endResetModel();
}

#pragma once
// The Qt widgets behind the controls of a form template.

#include "framework/base/dialog_template.h"
#include "framework/base/table_content.h"

#include <QAbstractListModel>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CWnd;

// Reports a control's command or notification to its form: (id, code).
using ControlNotify = std::function<void(int, int)>;

QWidget* CreateControlWidget(const DialogItem& item, QWidget* parent, const ControlNotify& notify);

// The size a grid needs to show all its cells, headers and frame, no scroll bar.
QSize GridContentSize(const QWidget* grid);

// The characters of a QString, without a copy.
inline std::u16string_view Utf16View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// A control's text (a list's: its field's text).
QString WidgetText(const QWidget* widget);
void SetWidgetText(QWidget* widget, const QString& text);

// Sets a box's text with its beginning in view (a long text scrolls on from there).
void ShowBeginning(class QLineEdit* edit, const QString& text);
// Selects a box's whole text, its beginning in view: typing replaces it.
void SelectWhole(QLineEdit* edit);

// A static text; one with the notify style reports taps. Before painting it
// asks its owner for colours, as the reflected control-colour query does.
// A class of its own to assistive technology, so that a label that reports
// taps can offer a press action.
class LabelWidget : public QLabel {
    Q_OBJECT

  public:
    LabelWidget(const QString& text, unsigned style, int id, ControlNotify notify, QWidget* parent);
    void SetColorOwner(CWnd* owner) { m_owner = owner; }
    bool ReportsTaps() const;
    void Tap(); // as a click on it does

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    unsigned m_style;
    int m_id;
    ControlNotify m_notify;
    CWnd* m_owner = nullptr;
};

// The entries of a list: each a shown text and, optionally, a value text.
class ChoiceModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    // Replaces every entry at once.
    void Assign(QList<QString> texts, std::vector<std::optional<std::string>> values);

    const QString& Text(int row) const { return m_texts[row]; }
    const QList<QString>& Texts() const { return m_texts; }
    const std::vector<std::optional<std::string>>& Values() const { return m_values; }
    const std::optional<std::string>& Value(int row) const {
        return m_values[static_cast<std::size_t>(row)];
    }
    void SetValue(int row, std::optional<std::string> value);

  private:
    QList<QString> m_texts;
    std::vector<std::optional<std::string>> m_values;
};

// A drop-down list with an edit field. Typing selects the entry whose text
// equals the typed text, letters compared without regard to case, and
// otherwise leaves no entry selected; the typed text stays as typed. A sorted
// list keeps its entries in that same order. Its open drop-down is as wide
// as its widest entry, within the screen.
class ComboWidget : public QComboBox {
  public:
    // A new selection a person makes is reported as CBN_SELCHANGE.
    ComboWidget(unsigned style, QWidget* parent, int id = 0, ControlNotify notify = {});
    bool IsSorted() const { return m_sorted; }
    ChoiceModel* Entries() const { return m_entries; }

    // The first entry from the top whose text begins with `text`, letters
    // compared without regard to case; -1 when none does.
    int FindPrefix(std::u16string_view text) const;
    // A typed text that is not its selected entry's selects the entry
    // FindPrefix finds and shows its text; one that finds none stays, with
    // no entry selected, for correcting, and so does an empty field.
    void SelectTypedText();

    void showPopup() override;
    void hidePopup() override;

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void OnTyped(const QString& text);
    bool m_sorted;
    ChoiceModel* m_entries;
    int m_id;
    ControlNotify m_notify;
    bool m_typedUntold = false; // an entry selected by typing it, not yet told
};

class GridModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Assign(TableContent content);

  private:
    QVariant Marked(bool marked, int role) const;
    TableContent m_content;
};

#pragma once
// A drop-down list with an edit field: the list kind's widget and its entries.

#include "framework/qt/widgets.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
    // A new selection a person makes is reported as CBN_SELCHANGE, each
    // text typed into the field as CBN_EDITCHANGE.
    ComboWidget(unsigned style, QWidget* parent, int id = 0, ControlNotify notify = {});
    bool IsSorted() const { return m_sorted; }
    ChoiceModel* Entries() const { return m_entries; }

    // The first entry from the top whose text begins with `text`, letters
    // compared without regard to case; -1 when none does.
    int FindPrefix(std::u16string_view text) const;
    // A typed text that is not its selected entry's selects the entry
    // the list's rule finds (FindPrefix, unless the form gave it another)
    // and shows its text; one that finds none stays, with no entry
    // selected, for correcting (or as a value of its own), and so does an
    // empty field.
    void SelectTypedText();
    // The entry a typed text selects; -1 for none.
    using EntryRule = std::function<int(const QString& typed)>;
    void SetEntryRule(EntryRule rule) { m_rule = std::move(rule); }

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
    EntryRule m_rule;
};

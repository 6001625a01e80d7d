#pragma once
// The controls a form's members bind to.

#include "framework/qt/wnd.h"

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class ComboWidget;
class QTableView;

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)

  public:
    void Attach(QWidget* widget, int id, CDialog* form) override;
    void Detach() override;
};

class CEdit : public CWnd {};

// A push button or a check box.
enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1 };
class CButton : public CWnd {
  public:
    int GetCheck() const; // BST_CHECKED or BST_UNCHECKED
    void SetCheck(int check);
};

enum : int { CB_ERR = -1 };

// One entry of a drop-down list: the text it shows and, optionally, the
// value text it carries.
struct ComboEntry {
    CString text;
    std::optional<std::string> value;
};

// A grid of texts: column headers, row headers and cells, one row and one
// column of which may be marked (bold, and named so to a screen reader).
struct TableContent {
    std::vector<CString> columns;
    std::vector<CString> rows;
    std::vector<std::vector<CString>> cells; // [row][column]
    int markedRow = -1;
    int markedColumn = -1;
    CString markedRowWords;    // what a screen reader adds for the marked row ("typed distance")
    CString markedColumnWords; // and for the marked column
};

class CTableCtrl : public CWnd {
  public:
    void SetContent(const TableContent& content);

  private:
    QTableView* Grid() const;
};

// A drop-down list whose entries each carry a value text beside the shown text.
class CComboBox : public CWnd {
  public:
    void ResetContent();
    // Adds entries in one step, each at the end, or in order for a sorted list.
    void AddEntries(std::vector<ComboEntry> entries);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index); // -1: no selected entry
    CString GetLBText(int index) const;

    // Selects the first entry from the top whose text begins with `text`,
    // letters compared without regard to case; CB_ERR and no selection when
    // none does.
    int SelectString(const CString& text);

    void SetItemValue(int index, std::optional<std::string> value);
    std::optional<std::string> GetItemValue(int index) const;

    // The open list shows room for this many entries.
    void SetDropDownRows(int rows);

  private:
    ComboWidget* Combo() const;
    // Adds the entries where AddEntries puts each; the position of the last.
    int Insert(std::vector<ComboEntry> entries);
};

#pragma once
// The controls a form's members bind to.

#include "framework/base/choice_entry.h"
#include "framework/base/picture_content.h"
#include "framework/base/table_content.h"
#include "framework/qt/wnd.h"

#include <functional>
#include <memory>
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

class CTableCtrl : public CWnd {
  public:
    void SetContent(const TableContent& content);
    // Rows added after the ones shown (`more`'s rows, cells and pictures),
    // the row selected and the place scrolled to kept.
    void AppendRows(const TableContent& more);
    // The row a person selected, or moved to from the keyboard; -1 for none.
    int GetCurSel() const;
    // Selects row `row` and shows it; -1 selects none.
    void SetCurSel(int row);
    // The column whose header was clicked last (LVN_COLUMNCLICK); -1 for none.
    int GetClickedColumn() const;
    // Marks the column the rows are sorted by in its header; -1: none.
    void SetSortMark(int column, bool descending);

  private:
    QTableView* Grid() const;
};

// How far a long task has come: a bar, and its words as SetWindowText
// gives them.
class CProgressCtrl : public CWnd {
  public:
    void SetRange(int lower, int upper);
    void SetPos(int pos);
};

// A picture the program paints, and what it shows in words and numbers.
class PictureDrawing;
class CPictureCtrl : public CWnd {
  public:
    void SetContent(PictureContent content, std::shared_ptr<const PictureDrawing> drawing);
};

// A drop-down list whose entries each carry a value text beside the shown text.
class CComboBox : public CWnd {
  public:
    void ResetContent();
    // Adds entries in one step, each at the end, or in order for a sorted list.
    void AddEntries(std::vector<ChoiceEntry> entries);
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

    // Which entry a text typed into the field selects once the person
    // leaves it: `rule` gives its position, -1 for none (the text then
    // stays as typed). Without one, SelectString's rule.
    void SetEntryRule(std::function<int(const CString& typed)> rule);

  private:
    ComboWidget* Combo() const;
    // Adds the entries where AddEntries puts each; the position of the last.
    int Insert(std::vector<ChoiceEntry> entries);
};

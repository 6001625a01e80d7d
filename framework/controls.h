#pragma once
// The controls a form's members bind to.

#include "framework/wnd.h"
#include "lists/choice_lists.h"

#include <optional>
#include <string>

class QComboBox;

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)

  public:
    void Attach(QWidget* widget, int id, CDialog* form) override;
    void Detach() override;
};

class CEdit : public CWnd {};
class CButton : public CWnd {};

enum : int { CB_ERR = -1 };

// A drop-down list whose entries each carry a value text beside the shown text.
class CComboBox : public CWnd {
  public:
    void ResetContent();
    int AddString(const CString& text); // at the end, or in order for a sorted list
    // Adds a whole list at once, each entry with its value text, as AddString
    // and SetItemValue would one by one.
    void AddEntries(const std::vector<ChoiceEntry>& entries);
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
    QComboBox* Combo() const;
};

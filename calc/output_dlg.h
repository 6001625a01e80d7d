#pragma once
// The results of one calculation, in read-only boxes.

#include "calc/calculation.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

class COutputDlg : public CDialog {
    DECLARE_DYNAMIC(COutputDlg)

  public:
    enum { IDD = IDD_OUTPUT };
    explicit COutputDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CString m_strNearLimit;
    CString m_strFarLimit;
    CString m_strHyperfocal;
    CString m_strTotalDepth;
    CString m_strCoCUsed;
    CString m_strModifiedFocalLength;
    CString m_strNote; // what the lens in use says of the distance; empty for nothing

  protected:
    void DoDataExchange(CDataExchange* dx) override;
};

// Shows the six result texts of one calculation in a results form made for
// it, with `note` beneath them, until the user closes it.
void ShowResults(const CalculationResult& result, const std::string& note = {});

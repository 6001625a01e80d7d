#include "calc/output_dlg.h"

IMPLEMENT_DYNAMIC(COutputDlg, CDialog)

void COutputDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, IDC_NEAR_LIMIT, m_strNearLimit);
    DDX_Text(dx, IDC_FAR_LIMIT, m_strFarLimit);
    DDX_Text(dx, IDC_HYPERFOCAL, m_strHyperfocal);
    DDX_Text(dx, IDC_TOTAL_DEPTH, m_strTotalDepth);
    DDX_Text(dx, IDC_COC_USED, m_strCoCUsed);
    DDX_Text(dx, IDC_MODIFIED_FOCAL_LENGTH, m_strModifiedFocalLength);
    DDX_Text(dx, IDC_LENS_NOTE, m_strNote);
}

void ShowResults(const CalculationResult& result, const std::string& note) {
    COutputDlg output(nullptr);
    output.m_strNearLimit = Utf8ToCString(result.nearText);
    output.m_strFarLimit = Utf8ToCString(result.farText);
    output.m_strHyperfocal = Utf8ToCString(result.hyperfocalText);
    output.m_strTotalDepth = Utf8ToCString(result.totalText);
    output.m_strCoCUsed = Utf8ToCString(result.cocText);
    output.m_strModifiedFocalLength = Utf8ToCString(result.focalLengthText);
    output.m_strNote = Utf8ToCString(note);
    output.DoModal();
}

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
}

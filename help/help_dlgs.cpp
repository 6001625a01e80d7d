#include "help/help_dlgs.h"

#include "framework/base/resources.h"
#include "framework/qt/winapp.h"

IMPLEMENT_DYNAMIC(CFocalLengthDlg, CDialog)
IMPLEMENT_DYNAMIC(CApertureDlg, CDialog)
IMPLEMENT_DYNAMIC(CDistanceDlg, CDialog)
IMPLEMENT_DYNAMIC(CCircleOfConfusionDlg, CDialog)
IMPLEMENT_DYNAMIC(CDiopterDlg, CDialog)

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetItemTextAt(kAboutVersionLine, Utf8ToCString(std::string("Vexton.DOF.CE Version ") +
                                                   FindStringResource(IDS_VERSION)));
    SetItemTextAt(kAboutSystemLine, Utf8ToCString(AfxGetPlatform().GetSystemName()));
    return TRUE;
}

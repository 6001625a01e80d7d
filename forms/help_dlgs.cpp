#include "forms/help_dlgs.h"

IMPLEMENT_DYNAMIC(CFocalLengthDlg, CDialog)
IMPLEMENT_DYNAMIC(CApertureDlg, CDialog)
IMPLEMENT_DYNAMIC(CDistanceDlg, CDialog)
IMPLEMENT_DYNAMIC(CCircleOfConfusionDlg, CDialog)
IMPLEMENT_DYNAMIC(CDiopterDlg, CDialog)

#include "app/main_dlg.h"

#include "forms/help_dlgs.h"
#include "framework/dialog_template.h"
#include "framework/platform.h"
#include "settings/settings_file.h"

#include <QWidget>

BEGIN_MESSAGE_MAP(CVextonDOFCEDlg, CDialog)
ON_WM_SIZE()
ON_COMMAND(IDOK, OnOkCommand)
ON_COMMAND(IDOK_COMMAND_8, OnOkCommand)
ON_BN_CLICKED(IDC_ABOUT, OnAboutClicked)
ON_BN_CLICKED(IDC_CALCULATE, OnCalculateClicked)
ON_STN_CLICKED(IDC_LBL_CAMERA, OnCameraLabelClicked)
ON_STN_CLICKED(IDC_LBL_FOCAL_LENGTH, OnFocalLengthLabelClicked)
ON_STN_CLICKED(IDC_LBL_APERTURE, OnApertureLabelClicked)
ON_STN_CLICKED(IDC_LBL_DISTANCE, OnDistanceLabelClicked)
ON_STN_CLICKED(IDC_LBL_COFC, OnCofCLabelClicked)
ON_STN_CLICKED(IDC_LBL_DIOPTER, OnDiopterLabelClicked)
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kLabelBlue = RGB(0, 0, 255);

// Runs a form that only informs, made afresh for each tap.
template <class Form> void ShowInfoForm() {
    Form form;
    form.DoModal();
}
} // namespace

CVextonDOFCEDlg::CVextonDOFCEDlg()
    : CDialog(IDD, nullptr), m_hIcon(LoadProgramIcon(IDR_MAINFRAME)) {}

void CVextonDOFCEDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAMERA, m_cboCamera);
    DDX_Control(dx, IDC_FOCAL_LENGTH, m_cboFocalLength);
    DDX_Control(dx, IDC_APERTURE, m_cboAperture);
    DDX_Control(dx, IDC_DISTANCE, m_editDistance);
    DDX_Control(dx, IDC_UNIT, m_cboUnit);
    DDX_Control(dx, IDC_COFC, m_cboCofC);
    DDX_Control(dx, IDC_DIOPTER, m_editDiopter);
    DDX_Control(dx, IDC_CALCULATE, m_btnCalculate);
    DDX_Control(dx, IDC_ABOUT, m_btnAbout);
    DDX_Control(dx, IDC_FOCAL_LENGTH_DISPLAY, m_editFocalLength);
    DDX_Control(dx, IDC_LBL_CAMERA, m_lblCamera);
    DDX_Control(dx, IDC_LBL_FOCAL_LENGTH, m_lblFocalLength);
    DDX_Control(dx, IDC_LBL_APERTURE, m_lblAperture);
    DDX_Control(dx, IDC_LBL_DISTANCE, m_lblDistance);
    DDX_Control(dx, IDC_LBL_COFC, m_lblCofC);
    DDX_Control(dx, IDC_LBL_DIOPTER, m_lblDiopter);
}

BOOL CVextonDOFCEDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDefID(IDC_CALCULATE);

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    CColorStatic* labels[] = {&m_lblCamera,   &m_lblFocalLength, &m_lblAperture,
                              &m_lblDistance, &m_lblCofC,        &m_lblDiopter};
    for (int i = 0; i < 6; ++i) {
        LOGFONT description;
        if (CFont* font = labels[i]->GetFont(); font && font->GetLogFont(&description)) {
            description.lfUnderline = 1;
            if (m_underlinedFonts[i].CreateFontIndirect(&description))
                labels[i]->SetFont(&m_underlinedFonts[i], TRUE);
        }
    }
    for (CColorStatic* label : labels)
        label->SetLabelTextColor(kLabelBlue);

    // A file another instance held past the wait holds choices we have not
    // seen: neither this start nor the end of the run writes over them.
    bool held = false;
    if (!LoadSettings(&m_dataState, &held) && !held)
        SaveSettings(&m_dataState);
    m_choicesKnown = !held;

    FillCameraList();
    FillFocalLengthList();
    FillApertureList();
    FillUnitList();
    FillCofCList();
    return TRUE;
}

void CVextonDOFCEDlg::OnOkCommand() {
    SaveChoices();
    CDialog::OnOK();
}

void CVextonDOFCEDlg::OnAboutClicked() {
    ShowInfoForm<CAboutDlg>();
}
void CVextonDOFCEDlg::OnFocalLengthLabelClicked() {
    ShowInfoForm<CFocalLengthDlg>();
}
void CVextonDOFCEDlg::OnApertureLabelClicked() {
    ShowInfoForm<CApertureDlg>();
}
void CVextonDOFCEDlg::OnDistanceLabelClicked() {
    ShowInfoForm<CDistanceDlg>();
}
void CVextonDOFCEDlg::OnCofCLabelClicked() {
    ShowInfoForm<CCircleOfConfusionDlg>();
}
void CVextonDOFCEDlg::OnDiopterLabelClicked() {
    ShowInfoForm<CDiopterDlg>();
}

// A tall screen gets the form's own layout, a square or wide one the wide layout.
void CVextonDOFCEDlg::OnSize(UINT, int, int) {
    const bool tall = GetSystemMetrics(SM_CYSCREEN) > GetSystemMetrics(SM_CXSCREEN);
    ApplyLayoutTemplate(tall ? IDD_VEXTONDOFCE_DIALOG : IDD_VEXTONDOFCE_DIALOG_WIDE);
}

void CVextonDOFCEDlg::ApplyLayoutTemplate(int templateId) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (!t)
        return;
    struct Move {
        QWidget* widget;
        int x, y, cx, cy;
    };
    std::vector<Move> moves;
    for (const DialogItem& item : t->items) {
        CWnd* control = item.id == IDC_STATIC ? nullptr : GetDlgItem(item.id);
        if (!control)
            continue;
        int x = item.x, y = item.y, cx = item.cx, cy = ShownHeight(item);
        MapDialogRect(x, y, cx, cy);
        moves.push_back({control->GetSafeHwnd(), x, y, cx, cy});
        RefreshTemplateItem(control, item);
    }
    for (const Move& m : moves)
        m.widget->setGeometry(m.x, m.y, m.cx, m.cy);
}

void CVextonDOFCEDlg::RefreshTemplateItem(CWnd* control, const DialogItem& item) {
    switch (item.kind) {
    case ControlKind::Static:
    case ControlKind::Button:
        control->SetWindowText(Utf8ToCString(item.text));
        break;
    case ControlKind::ComboBox:
        if (auto* list = dynamic_cast<CComboBox*>(control); list && list->GetCurSel() >= 0)
            list->SetCurSel(list->GetCurSel());
        break;
    case ControlKind::Edit:
        break;
    }
}

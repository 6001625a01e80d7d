#include "planner/plan_dlg.h"
#include "lenses/lens_limits.h"
#include "planner/plan_template.h"

#include "framework/qt/winapp.h"

BEGIN_MESSAGE_MAP(CPlanFocusDlg, CDialog)
ON_EN_CHANGE(IDC_PLAN_NEAR, OnInputChanged)
ON_EN_CHANGE(IDC_PLAN_FAR, OnInputChanged)
ON_EN_CHANGE(IDC_PLAN_BACKGROUND, OnInputChanged)
ON_BN_CLICKED(IDC_PLAN_FAR_INFINITE, OnInputChanged)
END_MESSAGE_MAP()

CPlanFocusDlg::CPlanFocusDlg(Lens lens, std::optional<LensRecord> owned, CWnd* parent)
    : CDialog(kPlanFocusTemplate, parent), m_lens(std::move(lens)), m_owned(std::move(owned)),
      m_settings(UserNumberSettings()) {}

void CPlanFocusDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PLAN_NEAR, m_editNear);
    DDX_Control(dx, IDC_PLAN_FAR, m_editFar);
    DDX_Control(dx, IDC_PLAN_FAR_INFINITE, m_chkInfinite);
    DDX_Control(dx, IDC_PLAN_BACKGROUND, m_editBackground);
    DDX_Control(dx, IDC_PLAN_REFUSAL, m_lblRefusal);
    for (int i = 0; i < 7; ++i)
        DDX_Control(dx, IDC_PLAN_FOCUS_AT + i, m_results[i]);
}

// Infinity on, and nothing typed yet: the form asks for the nearest point.
BOOL CPlanFocusDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_chkInfinite.SetCheck(BST_CHECKED);
    OnInputChanged();
    return TRUE;
}

// Every change recomputes the plan; what is refused is said in one sentence,
// and a result that cannot be made is left empty. A plan that holds while
// diffraction blurs it says so in the same place.
void CPlanFocusDlg::OnInputChanged() {
    const bool infinite = m_chkInfinite.GetCheck() == BST_CHECKED;
    m_editFar.EnableWindow(!infinite);
    PlanRequest request;
    request.lens = m_lens;
    request.nearText = CStringToUtf8(m_editNear.GetWindowText());
    request.farText = CStringToUtf8(m_editFar.GetWindowText());
    request.farIsInfinite = infinite;
    request.backgroundText = CStringToUtf8(m_editBackground.GetWindowText());
    const FocusPlan plan = PlanFocus(request, m_settings);
    const std::string* texts[] = {
        &plan.focusAt,  &plan.apertureNeeded, &plan.sharpRange,       &plan.diffraction,
        &plan.sharpest, &plan.backgroundBlur, &plan.backgroundCircles};
    for (int i = 0; i < 7; ++i)
        m_results[i].SetWindowText(Utf8ToCString(*texts[i]));
    std::string said = plan.refusal.empty() ? plan.warning : plan.refusal;
    // A focus nearer than the lens in use focuses is planned all the same, and said;
    if (m_owned && plan.refusal.empty() && plan.focusDistance > 0)
        if (const std::string nearer =
                MinimumFocusNote(*m_owned, m_lens.Setup(), plan.focusDistance, m_settings);
            !nearer.empty())
            said = said.empty() ? nearer : nearer + " " + said;
    // An aperture the plan needs beyond what the lens in use can set, too.
    if (m_owned && plan.refusal.empty() && plan.exactN > 0)
        if (const std::string beyond =
                ApertureRefusal(*m_owned, m_lens.focalLength, plan.exactN, m_settings);
            !beyond.empty())
            said = said.empty() ? beyond : beyond + " " + said;
    m_lblRefusal.SetWindowText(Utf8ToCString(said));
}

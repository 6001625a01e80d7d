#pragma once
// The Plan Focus form: from the nearest and farthest points that must be
// sharp to where to focus and which aperture to set, recomputed as you type.

#include "calc/lens.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "lenses/lens_catalog.h"
#include "planner/focus_plan.h"
#include "resources/resource.h"

class CPlanFocusDlg : public CDialog {
  public:
    enum { IDD = IDD_PLAN_FOCUS };

    // The main form's lens as a press reads it, with the camera's sensor.
    // `owned`: the lens in use, which says when the focus is nearer than it
    // focuses; none for no lens.
    explicit CPlanFocusDlg(Lens lens, std::optional<LensRecord> owned = std::nullopt,
                           CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnInputChanged();

  private:
    Lens m_lens;
    std::optional<LensRecord> m_owned;
    NumberSettings m_settings;
    CEdit m_editNear, m_editFar, m_editBackground;
    CButton m_chkInfinite;
    CStatic m_lblRefusal;
    CEdit m_results[7]; // 1210 to 1216, in the form's order

    DECLARE_MESSAGE_MAP()
};

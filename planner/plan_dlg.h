#pragma once
// The Plan Focus form: from the nearest and farthest points that must be
// sharp to where to focus and which aperture to set, recomputed as you type.

#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "planner/focus_plan.h"
#include "resources/resource.h"

class CPlanFocusDlg : public CDialog {
  public:
    enum { IDD = IDD_PLAN_FOCUS };

    // The main form's lens as a press reads it, and the camera's sensor
    // width, set by the opener; the texts the request holds are its own.
    struct Lens {
        std::string focalLengthValue, unitValue, cofcValue, diopterText;
        double cropFactor = 1.0;
        double sensorWidth = 0;
    };

    explicit CPlanFocusDlg(Lens lens, CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnInputChanged();

  private:
    Lens m_lens;
    NumberSettings m_settings;
    CEdit m_editNear, m_editFar, m_editBackground;
    CButton m_chkInfinite;
    CStatic m_lblRefusal;
    CEdit m_results[7]; // 1210 to 1216, in the form's order

    DECLARE_MESSAGE_MAP()
};

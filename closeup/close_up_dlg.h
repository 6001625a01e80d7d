#pragma once
// The Close-Up and Stacking form: for the main form's lens, the numbers of
// one close-up shot as the person types its magnification or distance, and
// a plan for a focus stack (by refocusing, or on a rail) as a grid and as
// bars, to print and export.

#include "chart/chart_drawing.h"
#include "closeup/stack_plan.h"
#include "framework/base/file.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "lenses/lens_catalog.h"
#include "resources/resource.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CCloseUpDlg : public CDialog {
  public:
    enum { IDD = IDD_CLOSE_UP };

    // The main form's lens as a press of Calculate reads it; its distance,
    // as typed, is the subject's at first.
    // `owned`: the lens in use, whose pupil magnification and reach the form
    // takes; none for no lens.
    explicit CCloseUpDlg(Lens lens, std::optional<LensRecord> owned = std::nullopt,
                         CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnMagnificationChanged();
    void OnDistanceChanged();
    void OnInputChanged();
    void OnPrintClicked();
    void OnExportPdfClicked();
    void OnExportCsvClicked();

  private:
    void Recompute();
    CloseUpTyped TypedShot() const;
    std::string Warning(const CloseUpRead& read, const CloseUpTyped& typed) const;

    Lens m_lens;
    std::optional<LensRecord> m_owned;
    NumberSettings m_settings;
    CEdit m_editMagnification, m_editDistance, m_editExtension, m_editPupil;
    CComboBox m_cboStackBy;
    CEdit m_editNear, m_editFar, m_editDepth, m_editOverlap;
    CButton m_chkInfinite;
    CEdit m_results[kCloseUpLines];
    CStatic m_lblWarning, m_lblSummary;
    CTableCtrl m_plan;
    CPictureCtrl m_chart;
    bool m_filling = false; // while the program sets a box, its change is not the person's
    StackPlan m_shown;      // the plan shown now

    DECLARE_MESSAGE_MAP()
};

#pragma once
// The DOF chart form: the table for the main form's lens drawn, as the
// sharp zone of each aperture at one distance or the limits by distance,
// to look at, print and export.

#include "chart/chart_drawing.h"
#include "chart/dof_chart.h"
#include "framework/base/file.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"
#include "table/aperture_lists.h"
#include "table/table_page.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CDofChartDlg : public CDialog {
  public:
    enum { IDD = IDD_DOF_CHART };

    // The main form's lens as a press of Calculate reads it; its distance,
    // when it has one, is the chart's focus distance at first.
    // `owned`: the lens in use, whose stops the chart opens on; none for no lens.
    explicit CDofChartDlg(Lens lens, std::optional<LensRecord> owned = std::nullopt,
                          CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnChoiceChanged();
    void OnExportImageClicked();
    void OnExportPdfClicked();
    void OnPrintClicked();

  private:
    // The chart the controls ask for, and what they refuse in `refusal`.
    ChartRequest Request(std::string& refusal) const;
    void Redraw();
    void Save(const std::string& title, const std::string& name, const std::string& filter);
    ApertureLists Apertures() const { return {m_cboFrom, m_cboTo, m_cboSteps}; }

    Lens m_lens;
    std::optional<LensRecord> m_owned;
    NumberSettings m_settings;
    TablePageHeading m_heading;
    CPictureCtrl m_chart;
    CComboBox m_cboView;
    CEdit m_editDistance;
    CComboBox m_cboFrom;
    CComboBox m_cboTo;
    CComboBox m_cboSteps;
    CStatic m_lblRefusal;
    bool m_filling = false; // while the controls are being set, changes are not choices
    std::shared_ptr<const ChartDrawing> m_shown; // what the chart shows now

    DECLARE_MESSAGE_MAP()
};

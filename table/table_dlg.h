#pragma once
// The DOF table form: the table for the main form's lens at a range of
// distances and apertures, to read, print and export.

#include "framework/base/file.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"
#include "table/aperture_lists.h"
#include "table/dof_table.h"
#include "table/table_page.h"

#include <functional>
#include <optional>
#include <string>

class CDofTableDlg : public CDialog {
  public:
    enum { IDD = IDD_DOF_TABLE };

    // The main form's lens as a press of Calculate reads it; its distance,
    // when it has one, is a valid typed distance, marked among the rows.
    // `owned`: the lens in use, whose nearest focus marks the rows nearer; none for no lens.
    explicit CDofTableDlg(Lens lens, std::optional<LensRecord> owned = std::nullopt,
                          CWnd* parent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnChoiceChanged();
    void OnPrintClicked();
    void OnExportPdfClicked();
    void OnExportCsvClicked();

  private:
    // The request the controls make, its refused distances left out and
    // named in `refusal` (or, while the default rows stand, where they stop).
    TableRequest Request(std::string& refusal) const;
    void Recompute();
    std::optional<DofTable> PrintableTable(std::string& refusal) const;
    void TellRefused(const std::string& refusal);
    ApertureLists Apertures() const { return {m_cboFrom, m_cboTo, m_cboSteps}; }

    Lens m_lens;
    std::optional<LensRecord> m_owned;
    NumberSettings m_settings;
    TablePageHeading m_heading;
    CTableCtrl m_table;
    CComboBox m_cboShow;
    CEdit m_editDistances;
    CComboBox m_cboFrom;
    CComboBox m_cboTo;
    CComboBox m_cboSteps;
    CStatic m_lblRefusal;
    CStatic m_lblRounding;
    CStatic m_lblDiffraction;
    bool m_filling = false; // while the controls are being set, changes are not choices
    std::optional<TableRequest> m_shown; // what the table shows now
    CString m_defaultDistances;          // the rows the form opened with
    std::string m_cutNote;               // where they stop short, if they do

    DECLARE_MESSAGE_MAP()
};

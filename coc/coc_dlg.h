#pragma once
// The Circle of Confusion form: for the main form's camera, the circle that
// fits a print seen by eye, the sensor's pixels or a convention, each step
// shown as the person types; "Use" hands its 36 × 24 mm equivalent to the
// main form's list.

#include "coc/coc_helper.h"
#include "framework/qt/controls.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <optional>
#include <string>

class CCocDlg : public CDialog {
  public:
    enum { IDD = IDD_COC };
    CCocDlg(std::string cameraName, CocCamera camera, std::optional<double> pixelWidth,
            CWnd* parent = nullptr);
    // The circle for 36 × 24 mm as the list takes it typed ("0.034613").
    const std::string& Result() const { return m_result; }

  protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnChanged();
    void OnConventionChosen();

  private:
    void ShowPrint();
    void ShowPixels();
    void ShowConvention();
    void ShowResult(double onSensorMm, double equivalentMm);
    void Refuse(const std::string& sentence);

    std::string m_cameraName;
    CocCamera m_camera;
    std::optional<double> m_pixelWidth;
    std::string m_result;
    CComboBox m_cboFrom, m_cboPrint, m_cboEyesight, m_cboFactor, m_cboConvention;
    CEdit m_editViewing, m_editPixels, m_editPitch;
    CStatic m_lblCamera, m_lblViewing, m_lblBlur, m_lblEnlargement, m_lblPitch, m_lblOnSensor,
        m_lblEquivalent, m_lblRefusal;

    DECLARE_MESSAGE_MAP()
};

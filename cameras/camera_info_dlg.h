#pragma once
// The selected camera's or film format's data, read-only.

#include "framework/base/number_format.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <string_view>

struct CameraRecord;

class CCameraInfoDlg : public CDialog {
    DECLARE_DYNAMIC(CCameraInfoDlg)

  public:
    enum { IDD = IDD_CAMERA_INFO };
    explicit CCameraInfoDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    CString m_strCameraName;
    CString m_strExifName;
    CString m_strSensorSize;
    CString m_strImageSize;
    CString m_strResolution;
    CString m_strImageRatio;
    CString m_strImageCircle;
    CString m_strCropFactor;
    CString m_strCircleOfConfusion;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
};

// Shows a record's data, with the chosen circle of confusion scaled to its
// format, in a camera information form made for the purpose.
void ShowCameraInformation(const CameraRecord& record, std::string_view cofcValue,
                           const NumberSettings& settings);

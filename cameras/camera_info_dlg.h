#pragma once
// The selected camera's or film format's data, read-only.

#include "framework/base/number_format.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <optional>
#include <string_view>

struct CameraRecord;

class CCameraInfoDlg : public CDialog {
    DECLARE_DYNAMIC(CCameraInfoDlg)

  public:
    enum { IDD = IDD_CAMERA_INFO };
    explicit CCameraInfoDlg(CWnd* parent = nullptr) : CDialog(IDD, parent) {}
    // A camera of the person's own: the same boxes, then its maker, mount
    // and where it came from (`m_extra`), on the template made for them.
    struct Extra {
        CString maker, mount, source;
    };
    explicit CCameraInfoDlg(Extra extra, CWnd* parent = nullptr)
        : CDialog(IDD_OWN_CAMERA_INFO, parent), m_extra(std::move(extra)) {}

    CString m_strCameraName;
    CString m_strExifName;
    CString m_strSensorSize;
    CString m_strImageSize;
    CString m_strResolution;
    CString m_strImageRatio;
    CString m_strImageCircle;
    CString m_strCropFactor;
    CString m_strCircleOfConfusion;
    std::optional<Extra> m_extra;

  protected:
    void DoDataExchange(CDataExchange* dx) override;
};

// Shows a record's data, with the chosen circle of confusion scaled to its
// format, in a camera information form made for the purpose; with `extra`,
// the form for a camera of the person's own.
void ShowCameraInformation(const CameraRecord& record, std::string_view cofcValue,
                           const NumberSettings& settings,
                           std::optional<CCameraInfoDlg::Extra> extra = std::nullopt);

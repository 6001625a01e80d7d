#include "cameras/camera_info_dlg.h"

#include "cameras/camera_info.h"

IMPLEMENT_DYNAMIC(CCameraInfoDlg, CDialog)

namespace {
// The nine texts in the order of their boxes, 1019 to 1027.
std::array<CString*, 9> Fields(CCameraInfoDlg& form) {
    return {&form.m_strCameraName,  &form.m_strExifName,   &form.m_strSensorSize,
            &form.m_strImageSize,   &form.m_strResolution, &form.m_strImageRatio,
            &form.m_strImageCircle, &form.m_strCropFactor, &form.m_strCircleOfConfusion};
}
} // namespace

void CCameraInfoDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    const auto fields = Fields(*this);
    for (int i = 0; i < 9; ++i)
        DDX_Text(dx, IDC_CAMERA_NAME + i, *fields[static_cast<std::size_t>(i)]);
    if (m_extra) {
        DDX_Text(dx, IDC_CAMERA_MAKER, m_extra->maker);
        DDX_Text(dx, IDC_CAMERA_MOUNT, m_extra->mount);
        DDX_Text(dx, IDC_CAMERA_SOURCE, m_extra->source);
    }
}

void ShowCameraInformation(const CameraRecord& record, std::string_view cofcValue,
                           const NumberSettings& settings,
                           std::optional<CCameraInfoDlg::Extra> extra) {
    const CameraInfoTexts texts = DescribeCamera(record, cofcValue, settings);
    CCameraInfoDlg form = extra ? CCameraInfoDlg(std::move(*extra)) : CCameraInfoDlg();
    const auto fields = Fields(form);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = Utf8ToCString(texts[i]);
    form.DoModal();
}

#include "cameras/camera_info_dlg.h"

#include "app/main_dlg.h"
#include "cameras/camera_info.h"
#include "cameras/camera_table.h"
#include "framework/platform.h"

IMPLEMENT_DYNAMIC(CCameraInfoDlg, CDialog)

void CCameraInfoDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    CString* fields[] = {&m_strCameraName,  &m_strExifName,   &m_strSensorSize,
                         &m_strImageSize,   &m_strResolution, &m_strImageRatio,
                         &m_strImageCircle, &m_strCropFactor, &m_strCircleOfConfusion};
    for (int i = 0; i < 9; ++i)
        DDX_Text(dx, IDC_CAMERA_NAME + i, *fields[i]);
}

void CVextonDOFCEDlg::OnCameraLabelClicked() {
    const CameraRecord* record = RequireSelectedCamera();
    std::string cofc;
    if (!record || !SelectedValue(m_cboCofC, "a circle of confusion", cofc))
        return;
    const CameraInfoTexts texts = DescribeCamera(*record, cofc, UserNumberSettings());
    CCameraInfoDlg form(nullptr);
    CString* fields[] = {
        &form.m_strCameraName,  &form.m_strExifName,   &form.m_strSensorSize,
        &form.m_strImageSize,   &form.m_strResolution, &form.m_strImageRatio,
        &form.m_strImageCircle, &form.m_strCropFactor, &form.m_strCircleOfConfusion};
    for (int i = 0; i < 9; ++i)
        *fields[i] = Utf8ToCString(texts[i]);
    form.DoModal();
}

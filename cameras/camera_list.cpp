#include "app/main_dlg.h"
#include "calc/number_text.h"
#include "cameras/camera_table.h"
#include "lists/list_fill.h"

void CVextonDOFCEDlg::FillCameraList() {
    FillChoiceList(m_cboCamera, CameraChoices(), kDropDownRows, m_dataState.m_strCamera);
}

const CameraRecord* CVextonDOFCEDlg::GetSelectedCamera() const {
    const int selected = m_cboCamera.GetCurSel();
    const std::optional<std::string> value = m_cboCamera.GetItemValue(selected);
    if (selected < 0 || !value)
        return nullptr;
    const int index = ParseInteger(*value);
    return index >= 0 && index < kCameraCount ? &cameraTable[index] : nullptr;
}

const CameraRecord* CVextonDOFCEDlg::RequireSelectedCamera() {
    const CameraRecord* record = GetSelectedCamera();
    if (!record)
        RefuseWithoutChoice("a camera");
    return record;
}

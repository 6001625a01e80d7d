#include "app/main_dlg.h"
#include "calc/calculation.h"
#include "calc/output_dlg.h"
#include "cameras/camera_table.h"
#include "framework/msgbox.h"
#include "framework/platform.h"

namespace {
const char* const kDistanceMessage = "You must enter a non-zero, positive distance to the subject.";
const char* const kTooFarMessage = "The distance is too large to calculate with.";
const char* const kDiopterMessage =
    "You must enter a diopter that leaves the lens a positive focal length.";
} // namespace

void CVextonDOFCEDlg::ShowValidationError(const char* text) {
    MessageBox(this, Utf8ToCString(text), u"Validation Error");
}

bool CVextonDOFCEDlg::SelectedValue(CComboBox& list, const char* listName, std::string& value) {
    const std::optional<std::string> selected = list.GetItemValue(list.GetCurSel());
    if (list.GetCurSel() >= 0 && selected) {
        value = *selected;
        return true;
    }
    RefuseWithoutChoice(listName);
    return false;
}

void CVextonDOFCEDlg::RefuseWithoutChoice(const char* listName) {
    ShowValidationError(("You must choose " + std::string(listName) + " from the list.").c_str());
}

void CVextonDOFCEDlg::OnCalculateClicked() {
    std::string focalLength, aperture, unit, cofc;
    if (!SelectedValue(m_cboFocalLength, "a focal length", focalLength) ||
        !SelectedValue(m_cboAperture, "an aperture", aperture))
        return;
    const CameraRecord* record = RequireSelectedCamera();
    if (!record || !SelectedValue(m_cboUnit, "a unit", unit) ||
        !SelectedValue(m_cboCofC, "a circle of confusion", cofc))
        return;
    const std::string distance = CStringToUtf8(m_editDistance.GetWindowText());
    const std::string diopter = CStringToUtf8(m_editDiopter.GetWindowText());
    const CalculationInputs inputs{focalLength,        aperture, unit,   cofc,
                                   record->cropFactor, distance, diopter};
    const CalculationResult result = Calculate(inputs, UserNumberSettings());

    // The focal length shows at once, also when the distance is then refused.
    m_editFocalLength.SetWindowText(Utf8ToCString(result.focalLengthText));
    if (result.status == CalculationStatus::NoDistance) {
        ShowValidationError(kDistanceMessage);
        return;
    }
    if (result.status == CalculationStatus::DistanceTooLarge) {
        ShowValidationError(kTooFarMessage);
        return;
    }
    if (result.status == CalculationStatus::BadFocalLength) {
        ShowValidationError(kDiopterMessage);
        return;
    }

    COutputDlg output(nullptr);
    output.m_strNearLimit = Utf8ToCString(result.nearText);
    output.m_strFarLimit = Utf8ToCString(result.farText);
    output.m_strHyperfocal = Utf8ToCString(result.hyperfocalText);
    output.m_strTotalDepth = Utf8ToCString(result.totalText);
    output.m_strCoCUsed = Utf8ToCString(result.cocText);
    output.m_strModifiedFocalLength = Utf8ToCString(result.focalLengthText);
    output.DoModal();
    SaveChoices();
}

#include "app/main_dlg.h"

#include "app/rooms.h"
#include "calc/calculation.h"
#include "calc/output_dlg.h"
#include "cameras/camera_info_dlg.h"
#include "cameras/camera_table.h"
#include "finder/own_cameras.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "help/help_dlgs.h"
#include "help/readable_colour.h"
#include "lists/list_fill.h"
#include "settings/save_reports.h"
#include "settings/settings_file.h"

#include <cmath>
#include <filesystem>

BEGIN_MESSAGE_MAP(CVextonDOFCEDlg, CDialog)
ON_WM_SIZE()
ON_WM_TIMER()
ON_COMMAND(IDOK, OnOkCommand)
ON_COMMAND(IDOK_SECOND, OnOkCommand)
ON_WM_DROPFILES()
ON_CBN_SELCHANGE(IDC_CAMERA, OnCameraChanged)
ON_CBN_SELCHANGE(IDC_COFC, OnCofCChanged)
ON_COMMAND(ID_HELP_FIELD, OnFieldHelpCommand)
ON_BN_CLICKED(IDC_ABOUT, OnAboutClicked)
ON_BN_CLICKED(IDC_CALCULATE, OnCalculateClicked)
ON_STN_CLICKED(IDC_LBL_CAMERA, OnCameraLabelClicked)
ON_STN_CLICKED(IDC_LBL_FOCAL_LENGTH, OnFocalLengthLabelClicked)
ON_STN_CLICKED(IDC_LBL_APERTURE, OnApertureLabelClicked)
ON_STN_CLICKED(IDC_LBL_DISTANCE, OnDistanceLabelClicked)
ON_STN_CLICKED(IDC_LBL_COFC, OnCofCLabelClicked)
ON_STN_CLICKED(IDC_LBL_DIOPTER, OnDiopterLabelClicked)
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kLabelBlue = RGB(0, 0, 255);

// Runs a form that only informs, made afresh for each tap.
template <class Form> void ShowInfoForm() {
    Form form;
    form.DoModal();
}
} // namespace

CVextonDOFCEDlg::CVextonDOFCEDlg()
    : CDialog(IDD, nullptr), m_hIcon(LoadProgramIcon(IDR_MAINFRAME)) {}

// The program's last step: the choices of the last save step, or those held
// since start, are written once more.
// While the stored choices are unknown (another instance held them to the
// end), nothing is written over them.
CVextonDOFCEDlg::~CVextonDOFCEDlg() {
    if (m_kept.Known() && !m_kept.Save(m_dataState))
        ShowSaveFailed(nullptr);
}

void CVextonDOFCEDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CAMERA, m_cboCamera);
    DDX_Control(dx, IDC_FOCAL_LENGTH, m_cboFocalLength);
    DDX_Control(dx, IDC_APERTURE, m_cboAperture);
    DDX_Control(dx, IDC_DISTANCE, m_editDistance);
    DDX_Control(dx, IDC_UNIT, m_cboUnit);
    DDX_Control(dx, IDC_COFC, m_cboCofC);
    DDX_Control(dx, IDC_DIOPTER, m_editDiopter);
    DDX_Control(dx, IDC_CALCULATE, m_btnCalculate);
    DDX_Control(dx, IDC_ABOUT, m_btnAbout);
    DDX_Control(dx, IDC_FOCAL_LENGTH_DISPLAY, m_editFocalLength);
    DDX_Control(dx, IDC_LBL_CAMERA, m_lblCamera);
    DDX_Control(dx, IDC_LBL_FOCAL_LENGTH, m_lblFocalLength);
    DDX_Control(dx, IDC_LBL_APERTURE, m_lblAperture);
    DDX_Control(dx, IDC_LBL_DISTANCE, m_lblDistance);
    DDX_Control(dx, IDC_LBL_COFC, m_lblCofC);
    DDX_Control(dx, IDC_LBL_DIOPTER, m_lblDiopter);
}

BOOL CVextonDOFCEDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDefID(IDC_CALCULATE);
    DragAcceptFiles(TRUE); // a photo dropped on the form opens it

    SetIcon(m_hIcon);

    CColorStatic* labels[] = {&m_lblCamera,   &m_lblFocalLength, &m_lblAperture,
                              &m_lblDistance, &m_lblCofC,        &m_lblDiopter};
    for (int i = 0; i < 6; ++i) {
        LOGFONT description;
        if (CFont* font = labels[i]->GetFont(); font && font->GetLogFont(&description)) {
            description.lfUnderline = 1;
            if (m_underlinedFonts[i].CreateFontIndirect(&description))
                labels[i]->SetFont(&m_underlinedFonts[i], TRUE);
        }
    }
    // Pure blue, or on a dark window colour a blue that stays readable.
    for (CColorStatic* label : labels)
        label->SetLabelTextColor(ReadableOn(kLabelBlue, label->BackgroundColor()));

    m_kept.Start(m_dataState);
    FillCameraList();
    FillFocalLengthList();
    FillApertureList();
    FillUnitList();
    FillCofCList();
    m_kept.SayWhereKept(); // once a run: the choices go elsewhere than the person would look
    return TRUE;
}

// ---- lists

// The built-in cameras, the person's own (read from their file) and "Other
// camera…".
void CVextonDOFCEDlg::FillCameraList() {
    FillCameraEntries(m_dataState.m_strCamera);
}

// While another copy holds the files, the start does not wait for them a
// second time: the person's cameras come once the stored choices do.
void CVextonDOFCEDlg::FillCameraEntries(const CString& select) {
    m_ownCameras.Assign(
        ReadOwnCameras(m_kept.Location(), m_kept.Known() ? kSettingsWaitMs : 0).cameras);
    std::vector<ChoiceEntry> entries = CameraChoices();
    for (ChoiceEntry& entry : m_ownCameras.Entries())
        entries.push_back(std::move(entry));
    FillChoiceList(m_cboCamera, std::move(entries), kDropDownRows, select, ListKind::Camera,
                   UserNumberSettings());
    m_lastCamera = m_cboCamera.GetCurSel();
}

// A focal length, aperture or circle of confusion typed and kept shows as typed.
void CVextonDOFCEDlg::FillFocalLengthList() {
    FillChoiceList(m_cboFocalLength, FocalLengthChoices(), kDropDownRows,
                   m_dataState.m_strFocalLength, ListKind::FocalLength, UserNumberSettings());
}

// The aperture entries come with the form; each gets the value of its text.
void CVextonDOFCEDlg::FillApertureList() {
    AttachApertureValues(m_cboAperture, kDropDownRows, m_dataState.m_strAperture,
                         UserNumberSettings());
}

void CVextonDOFCEDlg::FillUnitList() {
    FillChoiceList(m_cboUnit, ShownUnitChoices(), kUnitDropDownRows,
                   ShownUnit(m_dataState.m_strUnit), ListKind::Unit, UserNumberSettings());
}

// The handheld's circles, then "Custom…", which opens the Circle of
// Confusion form.
void CVextonDOFCEDlg::FillCofCList() {
    std::vector<ChoiceEntry> entries = CofCChoices();
    entries.push_back({Utf8ToCString(Tr("Lists", kCustomCofCText)),
                       std::nullopt}); // no circle: nothing to calculate with
    FillChoiceList(m_cboCofC, std::move(entries), kDropDownRows, m_dataState.m_strCofC,
                   ListKind::CircleOfConfusion, UserNumberSettings());
    RememberCofC();
}

void CVextonDOFCEDlg::RememberCofC() {
    m_lastCofC = {m_cboCofC.GetCurSel(), m_cboCofC.GetWindowText()};
}

void CVextonDOFCEDlg::OnCofCChanged() {
    if (m_cboCofC.GetCurSel() == m_cboCofC.GetCount() - 1) // "Custom…"
        PostCommand(ID_FILE_COC);
    else
        RememberCofC();
}

const CameraRecord* CVextonDOFCEDlg::GetSelectedCamera() const {
    const std::optional<std::string> value = SelectedValue(m_cboCamera);
    return value ? m_ownCameras.RecordFor(*value) : nullptr;
}

// ---- settings

void CVextonDOFCEDlg::TakeStoredChoices(const CDataState& stored) {
    // The person's cameras, not read while the files were held; a text the
    // person is typing into the list stays as it is.
    if (const int camera = m_cboCamera.GetCurSel();
        camera >= 0 || m_cboCamera.GetWindowText().empty())
        FillCameraEntries(camera >= 0 ? m_cboCamera.GetLBText(camera) : CString());
    const NumberSettings numbers = UserNumberSettings();
    TakeStoredChoice(m_cboCamera, ListKind::Camera, m_dataState.m_strCamera, stored.m_strCamera,
                     numbers);
    TakeStoredChoice(m_cboFocalLength, ListKind::FocalLength, m_dataState.m_strFocalLength,
                     stored.m_strFocalLength, numbers);
    TakeStoredChoice(m_cboAperture, ListKind::Aperture, m_dataState.m_strAperture,
                     stored.m_strAperture, numbers);
    TakeStoredChoice(m_cboUnit, ListKind::Unit, ShownUnit(m_dataState.m_strUnit),
                     ShownUnit(stored.m_strUnit), numbers);
    TakeStoredChoice(m_cboCofC, ListKind::CircleOfConfusion, m_dataState.m_strCofC,
                     stored.m_strCofC, numbers);
    m_dataState = stored;
}

void CVextonDOFCEDlg::OnTimer(UINT_PTR id) {
    m_kept.OnTimer(id);
}

// Copies the selected entries' texts into the stored choices and saves them.
// A list without a selected entry keeps its stored text. Stored choices not
// seen yet are taken first; while another instance still holds them, the
// save fails as a save that meets a heldByAnother file does.
void CVextonDOFCEDlg::SaveChoices() {
    UpdateData(TRUE);
    if (!m_kept.TakeBeforeSave(kSettingsWaitMs)) {
        ShowSaveFailed(this);
        return;
    }
    // A focal length, aperture or circle of confusion typed as a number is kept as typed.
    const NumberSettings numbers = UserNumberSettings();
    KeepSelectedText(m_cboCamera, m_dataState.m_strCamera);
    KeepChosenText(m_cboFocalLength, ListKind::FocalLength, m_dataState.m_strFocalLength, numbers);
    KeepChosenText(m_cboAperture, ListKind::Aperture, m_dataState.m_strAperture, numbers);
    // The unit is kept in English, whatever the language it is shown in.
    if (const int unit = m_cboUnit.GetCurSel(); unit >= 0 && unit < kDistanceUnitCount)
        m_dataState.m_strUnit = UnitChoices()[static_cast<std::size_t>(unit)].displayText;
    KeepChosenText(m_cboCofC, ListKind::CircleOfConfusion, m_dataState.m_strCofC, numbers);
    if (!m_kept.Save(m_dataState))
        ShowSaveFailed(this);
}

// ---- commands

void CVextonDOFCEDlg::OnOkCommand() {
    SaveChoices();
    CDialog::OnOK();
}

void CVextonDOFCEDlg::ShowValidationError(const std::string& text) {
    MessageBox(this, Utf8ToCString(text), Utf8ToCString(Tr("Messages", "Validation Error")));
}

// The value of the selected entry, or of a number typed where the list takes
// one; an empty list is asked for, a text that is neither named.
std::optional<std::string> CVextonDOFCEDlg::RequireValue(const CComboBox& list, ListKind kind) {
    const ListChoiceText choice = ChosenInList(list, kind, UserNumberSettings());
    if (!choice.value)
        ShowValidationError(
            ChoiceRefusal(kind, list.GetCurSel() < 0 ? CStringToUtf8(choice.text) : ""));
    return choice.value;
}

const CameraRecord* CVextonDOFCEDlg::RequireSelectedCamera() {
    const CameraRecord* record = GetSelectedCamera();
    if (!record)
        ShowValidationError(Tr("Calculate", "You must choose a camera from the list."));
    return record;
}

void CVextonDOFCEDlg::OnCalculateClicked() {
    const auto focalLength = RequireValue(m_cboFocalLength, ListKind::FocalLength);
    const auto aperture =
        focalLength ? RequireValue(m_cboAperture, ListKind::Aperture) : std::nullopt;
    const CameraRecord* camera = aperture ? RequireSelectedCamera() : nullptr;
    const auto unit = camera ? RequireValue(m_cboUnit, ListKind::Unit) : std::nullopt;
    const auto cofc = unit ? RequireValue(m_cboCofC, ListKind::CircleOfConfusion) : std::nullopt;
    if (!cofc)
        return;
    const std::string distance = CStringToUtf8(m_editDistance.GetWindowText());
    const std::string diopter = CStringToUtf8(m_editDiopter.GetWindowText());
    const CalculationResult result =
        Calculate({*focalLength, *aperture, *unit, *cofc, camera->cropFactor, distance, diopter},
                  UserNumberSettings());

    // The focal length shows at once, also when the distance is then refused.
    m_editFocalLength.SetWindowText(Utf8ToCString(result.focalLengthText));
    if (result.status != CalculationStatus::Ok) {
        ShowValidationError(RefusalText(result.status));
        return;
    }
    ShowResults(result);
    SaveChoices();
}

// The lens a press of Calculate would use, for the forms that work with it;
// a missing choice is asked for as Calculate asks for it.
std::optional<Lens> CVextonDOFCEDlg::RequireLens() {
    const auto focalLength = RequireValue(m_cboFocalLength, ListKind::FocalLength);
    const CameraRecord* camera = focalLength ? RequireSelectedCamera() : nullptr;
    const auto unit = camera ? RequireValue(m_cboUnit, ListKind::Unit) : std::nullopt;
    const auto cofc = unit ? RequireValue(m_cboCofC, ListKind::CircleOfConfusion) : std::nullopt;
    if (!cofc)
        return std::nullopt;
    // Without a chosen aperture the table shows the default stops, unmarked.
    const ListChoiceText aperture =
        ChosenInList(m_cboAperture, ListKind::Aperture, UserNumberSettings());
    const std::string apertureValue = aperture.value.value_or("");
    const std::string diopter = CStringToUtf8(m_editDiopter.GetWindowText());
    const std::string distance = CStringToUtf8(m_editDistance.GetWindowText());
    // Read once into numbers, as a press reads them.
    Lens lens =
        ReadLens({*focalLength, apertureValue, *unit, *cofc, camera->cropFactor, distance, diopter},
                 UserNumberSettings());
    lens.cameraName = camera->name;
    lens.sensor = {camera->sensorWidth, camera->sensorHeight};
    lens.apertureText = aperture.typed ? "f/" + apertureValue : CStringToUtf8(aperture.text);
    lens.unitName = CStringToUtf8(m_cboUnit.GetLBText(m_cboUnit.GetCurSel()));
    return lens;
}

// The lens for the table and the chart, once its focal length after the
// diopter is shown and is one; none, and said why, otherwise.
std::optional<Lens> CVextonDOFCEDlg::RequireTableLens() {
    std::optional<Lens> lens = RequireLens();
    if (!lens)
        return std::nullopt;
    Lens atOneUnit = *lens;
    atOneUnit.fNumber = 1.0;
    atOneUnit.distance = 1.0;
    const CalculationResult one = Calculate(atOneUnit, UserNumberSettings());
    m_editFocalLength.SetWindowText(Utf8ToCString(one.focalLengthText));
    if (one.status == CalculationStatus::BadFocalLength) {
        ShowValidationError(RefusalText(one.status));
        return std::nullopt;
    }
    return lens;
}

bool CVextonDOFCEDlg::Handles(int id) {
    return MapHandlesCommand(GetThisMessageMap(), id) || RoomOf(Rooms(), id);
}

// A command of a room's opens it.
bool CVextonDOFCEDlg::OnOtherCommand(int id) {
    const Room* room = RoomOf(Rooms(), id);
    if (!room)
        return false;
    room->open(*this);
    RestoreOpeningEntries();
    return true;
}

void CVextonDOFCEDlg::RestoreOpeningEntries() {
    if (SelectedValue(m_cboCamera) == std::optional<std::string>(kOtherCameraValue))
        m_cboCamera.SetCurSel(m_lastCamera);
    if (m_cboCofC.GetCurSel() == m_cboCofC.GetCount() - 1) { // "Custom…"
        if (m_lastCofC.first >= 0)
            m_cboCofC.SetCurSel(m_lastCofC.first);
        else {
            m_cboCofC.SetCurSel(-1);
            m_cboCofC.SetWindowText(m_lastCofC.second);
        }
    }
}

// ---- what the rooms ask and hand back

std::optional<std::string> CVextonDOFCEDlg::ChosenValue(int id) {
    if (id == IDC_UNIT)
        return SelectedValue(m_cboUnit);
    if (id == IDC_COFC)
        return ChosenInList(m_cboCofC, ListKind::CircleOfConfusion, UserNumberSettings()).value;
    return std::nullopt;
}

std::string CVextonDOFCEDlg::ShownText(int id) {
    if (id == IDC_UNIT)
        return CStringToUtf8(m_cboUnit.GetLBText(std::max(0, m_cboUnit.GetCurSel())));
    if (id == IDC_CAMERA) // the camera chosen, even while "Other camera…" opens the chooser
        return m_lastCamera >= 0 ? CStringToUtf8(m_cboCamera.GetLBText(m_lastCamera)) : "";
    return "";
}

std::string CVextonDOFCEDlg::OwnCameraBefore() {
    const std::optional<std::string> value =
        m_lastCamera >= 0 ? m_cboCamera.GetItemValue(m_lastCamera) : std::nullopt;
    return value && OwnCameraRecords::OwnIndexOf(*value) >= 0
               ? CStringToUtf8(m_cboCamera.GetLBText(m_lastCamera))
               : std::string();
}

void CVextonDOFCEDlg::Use(const ChoicesToUse& use) {
    if (use.rereadCameras)
        FillCameraEntries(use.camera && !use.camera->empty() ? Utf8ToCString(*use.camera)
                                                             : m_cboCamera.GetLBText(0));
    else if (use.camera)
        SelectOrShowTyped(m_cboCamera, ListKind::Camera, Utf8ToCString(*use.camera),
                          UserNumberSettings());
    if (use.rereadCameras || use.camera)
        m_lastCamera = m_cboCamera.GetCurSel();
    if (use.focalLength)
        ShowNumberInList(m_cboFocalLength, use.focalLength->name, use.focalLength->typed,
                         use.focalLength->value);
    if (use.aperture)
        ShowNumberInList(m_cboAperture, use.aperture->name, use.aperture->typed,
                         use.aperture->value);
    if (use.distance)
        m_editDistance.SetWindowText(Utf8ToCString(*use.distance));
    if (use.clearDiopter)
        m_editDiopter.SetWindowText(CString());
    if (use.cofc) {
        m_cboCofC.SetCurSel(-1);
        m_cboCofC.SetWindowText(Utf8ToCString(*use.cofc));
        RememberCofC();
    }
}

// "Other camera…" opens the chooser; any other camera is remembered as the
// one to go back to.
void CVextonDOFCEDlg::OnCameraChanged() {
    if (SelectedValue(m_cboCamera) == std::optional<std::string>(kOtherCameraValue))
        PostCommand(ID_FILE_CHOOSE_CAMERA);
    else
        m_lastCamera = m_cboCamera.GetCurSel();
}

// The first file dropped goes to the first room that takes files.
void CVextonDOFCEDlg::OnDropFiles(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    for (const Room* room : Rooms())
        if (room->drop) {
            room->drop(*this, paths.front());
            RestoreOpeningEntries();
            return;
        }
}

void CVextonDOFCEDlg::OnFieldHelpCommand() {
    HelpForFocus();
}

void CVextonDOFCEDlg::OnCameraLabelClicked() {
    const CameraRecord* camera = RequireSelectedCamera();
    const auto cofc = camera ? RequireValue(m_cboCofC, ListKind::CircleOfConfusion) : std::nullopt;
    if (!cofc)
        return;
    // One of the person's cameras also says its maker, mount and source.
    std::optional<CCameraInfoDlg::Extra> extra;
    const std::optional<std::string> value = SelectedValue(m_cboCamera);
    if (const int own = value ? OwnCameraRecords::OwnIndexOf(*value) : -1; own >= 0) {
        const OwnCameraDetails details = DescribeOwnCamera(m_ownCameras.Cameras().at(own));
        extra = CCameraInfoDlg::Extra{Utf8ToCString(details.maker), Utf8ToCString(details.mount),
                                      Utf8ToCString(details.source)};
    }
    ShowCameraInformation(*camera, *cofc, UserNumberSettings(), std::move(extra));
}

void CVextonDOFCEDlg::OnAboutClicked() {
    ShowInfoForm<CAboutDlg>();
}
void CVextonDOFCEDlg::OnFocalLengthLabelClicked() {
    ShowInfoForm<CFocalLengthDlg>();
}
void CVextonDOFCEDlg::OnApertureLabelClicked() {
    ShowInfoForm<CApertureDlg>();
}
void CVextonDOFCEDlg::OnDistanceLabelClicked() {
    ShowInfoForm<CDistanceDlg>();
}
void CVextonDOFCEDlg::OnCofCLabelClicked() {
    ShowInfoForm<CCircleOfConfusionDlg>();
}
void CVextonDOFCEDlg::OnDiopterLabelClicked() {
    ShowInfoForm<CDiopterDlg>();
}

// ---- layout

// A tall screen gets the form's own layout, a square or wide one the wide layout.
void CVextonDOFCEDlg::OnSize(UINT, int, int) {
    const bool tall = GetSystemMetrics(SM_CYSCREEN) > GetSystemMetrics(SM_CXSCREEN);
    ApplyLayoutTemplate(tall ? IDD_VEXTONDOFCE_DIALOG : IDD_VEXTONDOFCE_DIALOG_WIDE);
}

void CVextonDOFCEDlg::ApplyLayoutTemplate(int templateId) {
    ReapplyTemplate(templateId);
}

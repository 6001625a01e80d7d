#include "app/main_dlg.h"

#include "app/rooms.h"
#include "calc/calculation.h"
#include "calc/output_dlg.h"
#include "cameras/camera_info_dlg.h"
#include "cameras/camera_table.h"
#include "coc/coc_dlg.h"
#include "finder/choose_camera_dlg.h"
#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "help/help_dlgs.h"
#include "help/readable_colour.h"
#include "lists/list_fill.h"
#include "photo/photo_dlg.h"
#include "photo/photo_loading.h"
#include "settings/save_reports.h"
#include "settings/settings_file.h"

#include <cmath>
#include <filesystem>

BEGIN_MESSAGE_MAP(CVextonDOFCEDlg, CDialog)
ON_WM_SIZE()
ON_WM_TIMER()
ON_COMMAND(IDOK, OnOkCommand)
ON_COMMAND(IDOK_SECOND, OnOkCommand)
ON_COMMAND(ID_FILE_CHOOSE_CAMERA, OnChooseCameraCommand)
ON_COMMAND(ID_FILE_OPEN_PHOTO, OnOpenPhotoCommand)
ON_WM_DROPFILES()
ON_CBN_SELCHANGE(IDC_CAMERA, OnCameraChanged)
ON_CBN_SELCHANGE(IDC_COFC, OnCofCChanged)
ON_COMMAND(ID_FILE_COC, OnCircleOfConfusionCommand)
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

// While another instance holds the settings file: how often it is tried, and
// after how long the person is told.
constexpr UINT_PTR kSettingsHeldTimer = 1;
constexpr UINT kSettingsHeldPollMs = 200;

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
    if (m_held.Known() && !SaveSettings(&m_dataState))
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

    // A file another instance holds past the wait holds choices not seen
    // yet: the form shows meanwhile, and takes them once it lets go.
    bool heldByAnother = false;
    if (!LoadSettings(&m_dataState, &heldByAnother, kSettingsWaitMs) && !heldByAnother)
        SaveSettings(&m_dataState);
    m_held.Start(heldByAnother, AfxGetPlatform().SteadyNow());

    FillCameraList();
    FillFocalLengthList();
    FillApertureList();
    FillUnitList();
    FillCofCList();
    if (!m_held.Known())
        SetTimer(kSettingsHeldTimer, kSettingsHeldPollMs);
    // Once a run: the choices go elsewhere than the person would look.
    if (const SettingsLocation& where = GetSettingsFilePath(); !where.note.empty())
        MessageBox(this, Utf8ToCString(where.note),
                   Utf8ToCString(where.KeptForTheRunOnly()
                                     ? Tr("Settings", "Settings Not Saved")
                                     : Tr("Settings", "Settings Kept Elsewhere")));
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
        ReadOwnCameras(GetSettingsFilePath(), m_held.Known() ? kSettingsWaitMs : 0).cameras);
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

void CVextonDOFCEDlg::OnCircleOfConfusionCommand() {
    ChooseCircleOfConfusion();
}

// The form for the camera chosen; what it works out is typed into the list,
// and Cancel leaves the list as it was.
void CVextonDOFCEDlg::ChooseCircleOfConfusion() {
    const auto restore = [this] {
        if (m_lastCofC.first >= 0)
            m_cboCofC.SetCurSel(m_lastCofC.first);
        else {
            m_cboCofC.SetCurSel(-1);
            m_cboCofC.SetWindowText(m_lastCofC.second);
        }
    };
    const CameraRecord* camera = RequireSelectedCamera();
    if (!camera) {
        restore();
        return;
    }
    CCocDlg form(camera->name, {{camera->sensorWidth, camera->sensorHeight}, camera->cropFactor},
                 PixelWidthOf(camera->imageSizeText), this);
    if (form.DoModal() != IDOK) {
        restore();
        return;
    }
    m_cboCofC.SetCurSel(-1);
    m_cboCofC.SetWindowText(Utf8ToCString(form.Result()));
    RememberCofC();
}

const CameraRecord* CVextonDOFCEDlg::GetSelectedCamera() const {
    const std::optional<std::string> value = SelectedValue(m_cboCamera);
    return value ? m_ownCameras.RecordFor(*value) : nullptr;
}

// ---- settings

// Decided once: a folder that goes away or changes meanwhile makes saves
// fail where the person was told they go, rather than go elsewhere.
const SettingsLocation& CVextonDOFCEDlg::GetSettingsFilePath() {
    if (!m_settingsLocation) {
        const CPlatform& platform = AfxGetPlatform();
        m_settingsLocation =
            SettingsLocationFor(platform.GetProgramPath(), platform.GetConfigHome());
    }
    return *m_settingsLocation;
}

BOOL CVextonDOFCEDlg::LoadSettings(CDataState* state, bool* heldByAnother, int waitMs) {
    return ReadSettingsFile(GetSettingsFilePath(), state, heldByAnother, waitMs);
}

// When the file cannot be written, the file-error report says why.
BOOL CVextonDOFCEDlg::SaveSettings(CDataState* state) {
    CFileException error;
    if (WriteSettingsFile(GetSettingsFilePath(), state, &error))
        return TRUE;
    if (error.m_cause != CFileException::none)
        ReportFileError(error);
    return FALSE;
}

// A list still showing what the start showed takes the stored choice; one the
// person changed keeps the person's choice. A file that could not be read
// whole is replaced at once, as at start. While the file is still held,
// `tell` (when given) says whether the person is now to be told.
bool CVextonDOFCEDlg::TakeStoredChoices(int waitMs, bool* tell) {
    if (m_held.Known())
        return true;
    CDataState stored;
    bool heldByAnother = false;
    const bool loaded = LoadSettings(&stored, &heldByAnother, waitMs);
    const CHeldChoices::Next next = m_held.Poll(heldByAnother, AfxGetPlatform().SteadyNow());
    if (next != CHeldChoices::Next::Take) {
        if (tell)
            *tell = next == CHeldChoices::Next::Tell;
        return false;
    }
    KillTimer(kSettingsHeldTimer);
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
    if (!loaded)
        SaveSettings(&m_dataState);
    return true;
}

void CVextonDOFCEDlg::OnTimer(UINT_PTR id) {
    bool tell = false;
    if (id == kSettingsHeldTimer && !TakeStoredChoices(0, &tell) && tell)
        TellSettingsHeld();
}

// Once, after a generous wait: the person's choices are not being kept.
void CVextonDOFCEDlg::TellSettingsHeld() {
    MessageBox(this,
               Utf8ToCString(Tr("Settings", "Another copy of Vexton.DOF.CE holds your settings: "
                                            "your choices will not be saved until it lets go of "
                                            "them.")),
               Utf8ToCString(Tr("Settings", "Settings in Use")));
}

// Copies the selected entries' texts into the stored choices and saves them.
// A list without a selected entry keeps its stored text. Stored choices not
// seen yet are taken first; while another instance still holds them, the
// save fails as a save that meets a heldByAnother file does.
void CVextonDOFCEDlg::SaveChoices() {
    UpdateData(TRUE);
    if (!TakeStoredChoices(kSettingsWaitMs)) {
        ReportFileError(
            CFileException(CFileException::sharingViolation, 0, GetSettingsFilePath().path));
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
    if (!SaveSettings(&m_dataState))
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
    if (room)
        room->open(*this);
    return room != nullptr;
}

void CVextonDOFCEDlg::OnChooseCameraCommand() {
    ChooseCamera();
}

// "Other camera…" opens the chooser; any other camera is remembered as the
// one to go back to.
void CVextonDOFCEDlg::OnCameraChanged() {
    if (SelectedValue(m_cboCamera) == std::optional<std::string>(kOtherCameraValue))
        PostCommand(ID_FILE_CHOOSE_CAMERA);
    else
        m_lastCamera = m_cboCamera.GetCurSel();
}

void CVextonDOFCEDlg::ChooseCamera() {
    const int before = m_lastCamera;
    const std::optional<std::string> value =
        before >= 0 ? m_cboCamera.GetItemValue(before) : std::nullopt;
    const bool own = value && OwnCameraRecords::OwnIndexOf(*value) >= 0;
    CChooseCameraDlg form(own ? CStringToUtf8(m_cboCamera.GetLBText(before)) : std::string(),
                          GetSettingsFilePath());
    const INT_PTR result = form.DoModal();
    if (result == IDOK)
        FillCameraEntries(Utf8ToCString(form.Added()));
    else if (result == IDC_CHOOSE_REMOVE)
        FillCameraEntries(m_cboCamera.GetLBText(0));
    else
        m_cboCamera.SetCurSel(before);
}

// ---- photos

namespace {
constexpr const char* kPhotoFilter = TR_NOOP(
    "Messages",
    "Photos (*.jpg *.jpeg *.tif *.tiff *.dng *.png *.nef *.nrw *.cr2 *.arw *.orf *.rw2 *.pef "
    "*.raf *.srw *.JPG *.JPEG *.TIF *.TIFF *.DNG *.PNG *.NEF *.NRW *.CR2 *.ARW *.ORF *.RW2 *.PEF "
    "*.RAF *.SRW);;All files (*)");

// The text a list takes for a number so that it reads as that number: the
// entry of that name or value, else the text itself where no entry begins
// with it, else the bare number (a typed "f/3" would select the f/32 it begins).
CString TextForList(const CComboBox& list, const std::string& name, const std::string& bare,
                    const std::string& value) {
    const CString wanted = Utf8ToCString(name);
    const double number = ParseDecimal(value);
    bool begins = false;
    for (int i = 0; i < list.GetCount(); ++i) {
        const CString entry = list.GetLBText(i);
        const std::optional<std::string> entryValue = list.GetItemValue(i);
        if (entry == wanted || (entryValue && ParseDecimal(*entryValue) == number))
            return entry;
        begins = begins || entry.compare(0, wanted.size(), wanted) == 0;
    }
    return Utf8ToCString(begins ? bare : name);
}
} // namespace

void CVextonDOFCEDlg::OnOpenPhotoCommand() {
    const std::string path =
        AfxGetPlatform().ChooseOpenFile(Tr("Messages", "Open Photo"), Tr("Messages", kPhotoFilter));
    if (!path.empty())
        ShowPhoto(path);
}

// The first file dropped is shown.
void CVextonDOFCEDlg::OnDropFiles(const std::vector<std::string>& paths) {
    if (!paths.empty())
        ShowPhoto(paths.front());
}

void CVextonDOFCEDlg::ShowPhoto(const std::string& path) {
    const PhotoFacts facts =
        OpenPhotoReader()->Read(path, std::filesystem::path(path).filename().string()); // by name
    if (!facts.refusal.empty()) {
        MessageBox(this, Utf8ToCString(Said(facts.refusal)),
                   Utf8ToCString(Tr("Messages", "Open Photo")));
        return;
    }
    const NumberSettings numbers = UserNumberSettings();
    const ListChoiceText cofc = ChosenInList(m_cboCofC, ListKind::CircleOfConfusion, numbers);
    const int unit = std::max(0, m_cboUnit.GetCurSel());
    const PhotoChoices choices{SelectedValue(m_cboUnit).value_or("0"),
                               CStringToUtf8(m_cboUnit.GetLBText(unit)),
                               cofc.value.value_or("0.0300")};
    const PhotoCamera camera =
        CameraOfPhoto(facts, m_ownCameras.Cameras(),
                      []() -> const std::vector<FoundCamera>& { return LensfunCameras().cameras; });
    const PhotoShot shot = ShotOfPhoto(facts, camera, choices, numbers);
    CPhotoDlg form(facts, shot, this);
    if (form.DoModal() == IDOK)
        UsePhotoSettings(shot, camera);
}

// The photo's camera (a camera of lensfun's, or one worked out from its
// focal lengths, joins the person's cameras), focal length and aperture
// (typed where the lists have no such entry) and distance; the diopter box
// emptied; the unit and the circle of confusion as they were.
void CVextonDOFCEDlg::UsePhotoSettings(const PhotoShot& shot, const PhotoCamera& camera) {
    if (camera.from == PhotoCamera::From::BuiltIn || camera.from == PhotoCamera::From::Own) {
        SelectOrShowTyped(m_cboCamera, ListKind::Camera, Utf8ToCString(camera.camera->name),
                          UserNumberSettings());
    } else if (camera.camera) {
        // Added unless it cannot be (already there, or a name refused): the
        // main form then selects it as typed.
        const OwnCamerasChange change =
            AddOwnCamera(GetSettingsFilePath(), *camera.camera, kOtherCameraText);
        if (!change.failure.empty())
            ReportFileError(change.error);
        FillCameraEntries(Utf8ToCString(camera.camera->name));
    }
    m_lastCamera = m_cboCamera.GetCurSel();
    const Lens& lens = shot.lens;
    const auto show = [](CComboBox& list, const CString& text) {
        if (list.SelectString(text) < 0)
            list.SetWindowText(text);
    };
    if (!shot.focalLengthText.empty())
        show(m_cboFocalLength, TextForList(m_cboFocalLength, shot.focalLengthText,
                                           shot.focalLengthText + " mm", shot.focalLengthText));
    if (!shot.apertureValue.empty())
        show(m_cboAperture, TextForList(m_cboAperture, lens.apertureText,
                                        lens.apertureText.substr(2), shot.apertureValue));
    if (!lens.distanceText.empty())
        m_editDistance.SetWindowText(Utf8ToCString(lens.distanceText));
    m_editDiopter.SetWindowText(CString());
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

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
#include "lenses/chosen_lens.h"
#include "lenses/lens_limits.h"
#include "lists/list_fill.h"
#include "settings/list_file.h"
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
ON_CBN_SELCHANGE(IDC_FOCAL_LENGTH, OnFocalLengthChanged)
ON_CBN_SELCHANGE(IDC_COFC, OnCofCChanged)
ON_COMMAND(ID_HELP_FIELD, OnFieldHelpCommand)
ON_COMMAND(ID_FILE_OPEN_NAMED, OnOpenNamedCommand)
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
    if (const CWinApp* app = AfxGetApp(); app && !app->m_arguments.empty())
        PostCommand(ID_FILE_OPEN_NAMED);

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
    m_lens = ReadChosenLens(m_kept.Location(), m_kept.Known() ? kSettingsWaitMs : 0);
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
    FillFocalLengthEntries(m_dataState.m_strFocalLength);
}

namespace {
// The number a list's value text is; none for a text that is none.
std::optional<double> ValueNumber(const std::optional<std::string>& value) {
    return value ? ListNumber(*value) : std::nullopt;
}
} // namespace

// The focal lengths the lens in use has (every one without a lens), then
// "Other lens…"; a focal length beyond the lens's range becomes its
// nearer end.
void CVextonDOFCEDlg::FillFocalLengthEntries(const CString& select) {
    const NumberSettings numbers = UserNumberSettings();
    std::vector<ChoiceEntry> entries =
        m_lens ? FocalLengthsOfLens(FocalLengthChoices(), *m_lens) : FocalLengthChoices();
    const int lengths = static_cast<int>(entries.size());
    entries.push_back({Utf8ToCString(Tr("Lists", kOtherLensText)), std::string(kOtherLensValue)});
    FillChoiceList(m_cboFocalLength, std::move(entries), kDropDownRows, select,
                   ListKind::FocalLength, numbers);
    if (m_lens) {
        const std::optional<double> f =
            ValueNumber(ChosenInList(m_cboFocalLength, ListKind::FocalLength, numbers).value);
        if (!f || !m_lens->Reaches(*f))
            m_cboFocalLength.SetCurSel(f && *f > m_lens->focalMax ? lengths - 1 : 0);
    }
    m_lastFocal = {m_cboFocalLength.GetCurSel(), m_cboFocalLength.GetWindowText()};
}

// The aperture entries come with the form; each gets the value of its text.
void CVextonDOFCEDlg::FillApertureList() {
    AttachApertureValues(m_cboAperture, kDropDownRows, m_dataState.m_strAperture,
                         UserNumberSettings());
    if (m_lens)
        FillLensApertures();
}

// An aperture wider than the lens opens at the focal length becomes its
// widest, one smaller than it closes its smallest.
void CVextonDOFCEDlg::FillLensApertures() {
    const NumberSettings numbers = UserNumberSettings();
    const int selected = m_cboAperture.GetCurSel();
    const CString shown =
        selected >= 0 ? m_cboAperture.GetLBText(selected) : m_cboAperture.GetWindowText();
    if (!m_lens) {
        FillChoiceList(m_cboAperture, ApertureChoices(), kDropDownRows, shown, ListKind::Aperture,
                       numbers);
        return;
    }
    const double f =
        ValueNumber(ChosenInList(m_cboFocalLength, ListKind::FocalLength, numbers).value)
            .value_or(m_lens->focalMin);
    std::vector<ChoiceEntry> entries = AperturesOfLens(ApertureChoices(), *m_lens, f);
    const int count = static_cast<int>(entries.size());
    FillChoiceList(m_cboAperture, std::move(entries), kDropDownRows, shown, ListKind::Aperture,
                   numbers);
    const ListChoiceText chosen = ChosenInList(m_cboAperture, ListKind::Aperture, numbers);
    if (const std::optional<double> N = ValueNumber(chosen.value);
        N && !ApertureRefusal(*m_lens, f, *N, numbers).empty())
        m_cboAperture.SetCurSel(*N < WidestAt(*m_lens, f) ? 0 : count - 1);
}

// The focal-length and aperture lists again for the lens in use (or none),
// keeping what the focal-length list shows where the lens has it.
void CVextonDOFCEDlg::FillListsForLens() {
    const int focal = m_cboFocalLength.GetCurSel();
    FillFocalLengthEntries(focal >= 0 ? m_cboFocalLength.GetLBText(focal)
                                      : m_cboFocalLength.GetWindowText());
    FillLensApertures();
}

bool CVextonDOFCEDlg::ShowsOtherLens() const {
    return SelectedValue(m_cboFocalLength) == std::optional<std::string>(kOtherLensValue);
}

void CVextonDOFCEDlg::UseLens(const std::optional<LensRecord>& lens) {
    m_lens = lens;
    RestoreOpeningEntries();
    FillListsForLens();
    if (const std::string failure = KeepChosenLens(m_kept.Location(), m_lens); !failure.empty())
        MessageBox(this,
                   Utf8ToCString(Arg(Tr("Messages", "The lens could not be kept for the next "
                                                    "run.\n\n%1"),
                                     {failure})),
                   Utf8ToCString(Tr("Choose Lens", "Choose Lens")));
}

bool CVextonDOFCEDlg::LensAllows(const Lens& lens) {
    if (!m_lens)
        return true;
    const NumberSettings numbers = UserNumberSettings();
    std::string refusal = FocalLengthRefusal(*m_lens, lens.focalLength, numbers);
    if (refusal.empty() && lens.fNumber)
        refusal = ApertureRefusal(*m_lens, lens.focalLength, *lens.fNumber, numbers);
    if (!refusal.empty())
        ShowValidationError(refusal);
    return refusal.empty();
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
    if (!m_lens) // not read while the files were held
        m_lens = ReadChosenLens(m_kept.Location());
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
    if (m_lens)
        FillListsForLens();
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
    const NumberSettings numbers = UserNumberSettings();
    const CalculationInputs inputs{*focalLength,       *aperture, *unit,  *cofc,
                                   camera->cropFactor, distance,  diopter};
    const Lens read = ReadLens(inputs, numbers);
    if (!LensAllows(read))
        return;
    const CalculationResult result = Calculate(inputs, numbers);

    // The focal length shows at once, also when the distance is then refused.
    m_editFocalLength.SetWindowText(Utf8ToCString(result.focalLengthText));
    if (result.status != CalculationStatus::Ok) {
        ShowValidationError(RefusalText(result.status));
        return;
    }
    ShowResults(result, m_lens && read.distance
                            ? MinimumFocusNote(*m_lens, read.Setup(), *read.distance, numbers)
                            : std::string());
    SaveChoices();
}

// The lens a press of Calculate would use, for the forms that work with it;
// a missing choice is asked for as Calculate asks for it.
std::optional<Lens> CVextonDOFCEDlg::RequireLens() {
    return ReadShownLens(true);
}

std::optional<Lens> CVextonDOFCEDlg::LensAsShown() {
    return ReadShownLens(false);
}

// The lens of the choices; a missing choice, or one the lens in use does
// not allow, is said (`ask`) or quietly none.
std::optional<Lens> CVextonDOFCEDlg::ReadShownLens(bool ask) {
    const auto value = [this, ask](const CComboBox& list, ListKind kind) {
        return ask ? RequireValue(list, kind)
                   : ChosenInList(list, kind, UserNumberSettings()).value;
    };
    // While "Other lens…" opens the chooser, the focal length chosen before it.
    const bool opening = ShowsOtherLens();
    const auto focalLength =
        !opening ? value(m_cboFocalLength, ListKind::FocalLength)
        : m_lastFocal.first >= 0
            ? m_cboFocalLength.GetItemValue(m_lastFocal.first)
            : TypedValue(ListKind::FocalLength, CStringToUtf8(m_lastFocal.second),
                         UserNumberSettings());
    const CameraRecord* camera = !focalLength ? nullptr
                                 : ask        ? RequireSelectedCamera()
                                              : GetSelectedCamera();
    const auto unit = camera ? value(m_cboUnit, ListKind::Unit) : std::nullopt;
    const auto cofc = unit ? value(m_cboCofC, ListKind::CircleOfConfusion) : std::nullopt;
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
    if (ask && !LensAllows(lens))
        return std::nullopt;
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
    if (ShowsOtherLens()) {
        m_cboFocalLength.SetCurSel(m_lastFocal.first);
        if (m_lastFocal.first < 0)
            m_cboFocalLength.SetWindowText(m_lastFocal.second);
    }
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
    if (use.lens)
        UseLens(*use.lens);
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
    if (m_lens && (use.focalLength || use.aperture))
        FillLensApertures();
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

std::string CVextonDOFCEDlg::CameraMount() {
    const std::string camera = ShownText(IDC_CAMERA);
    for (const FoundCamera& own : m_ownCameras.Cameras())
        if (own.name == camera)
            return own.mount;
    return {};
}

// "Other lens…" opens the lens chooser, the list showing its focal length
// again; another focal length leaves the apertures the lens has there.
void CVextonDOFCEDlg::OnFocalLengthChanged() {
    if (ShowsOtherLens()) {
        PostCommand(ID_FILE_CHOOSE_LENS);
        return;
    }
    m_lastFocal = {m_cboFocalLength.GetCurSel(), m_cboFocalLength.GetWindowText()};
    if (m_lens)
        FillLensApertures();
}

// "Other camera…" opens the chooser; any other camera is remembered as the
// one to go back to.
void CVextonDOFCEDlg::OnCameraChanged() {
    if (SelectedValue(m_cboCamera) == std::optional<std::string>(kOtherCameraValue))
        PostCommand(ID_FILE_CHOOSE_CAMERA);
    else
        m_lastCamera = m_cboCamera.GetCurSel();
}

// What is dropped goes to the first room that takes it.
void CVextonDOFCEDlg::OnDropFiles(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    for (const Room* room : Rooms())
        if (room->drop && room->drop(*this, paths)) {
            RestoreOpeningEntries();
            return;
        }
}

// Photos or folders named when the program was started ("Open With" in a
// file manager) open once the form is shown, as if dropped on it.
void CVextonDOFCEDlg::OnOpenNamedCommand() {
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    const std::vector<std::string> named = std::move(app->m_arguments);
    app->m_arguments.clear();
    OnDropFiles(named);
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

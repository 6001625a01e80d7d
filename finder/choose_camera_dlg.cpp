#include "finder/choose_camera_dlg.h"
#include "finder/choose_camera_template.h"

#include "calc/number_text.h"
#include "finder/camera_catalog.h"
#include "finder/camera_search.h"
#include "framework/base/afx.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"

#include <cmath>

BEGIN_MESSAGE_MAP(CChooseCameraDlg, CDialog)
ON_EN_CHANGE(IDC_CHOOSE_FIND, OnFindChanged)
ON_EN_CHANGE(IDC_CHOOSE_WIDTH, OnSensorChanged)
ON_EN_CHANGE(IDC_CHOOSE_HEIGHT, OnSensorChanged)
ON_BN_CLICKED(IDC_CHOOSE_REMOVE, OnRemoveClicked)
END_MESSAGE_MAP()

namespace {

// A sensor side as typed, in the person's number settings; none for a text
// that is not a positive number of at most a metre.
std::optional<double> Side(const std::string& typed) {
    return ReadSensorSide(typed, UserNumberSettings());
}
} // namespace

CChooseCameraDlg::CChooseCameraDlg(std::string removable, SettingsLocation settings, CWnd* parent)
    : CDialog(kChooseCameraTemplate, parent), m_removable(std::move(removable)),
      m_settings(std::move(settings)) {}

void CChooseCameraDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CHOOSE_FIND, m_editFind);
    DDX_Control(dx, IDC_CHOOSE_MATCHES, m_matchesGrid);
    DDX_Control(dx, IDC_CHOOSE_NAME, m_editName);
    DDX_Control(dx, IDC_CHOOSE_WIDTH, m_editWidth);
    DDX_Control(dx, IDC_CHOOSE_HEIGHT, m_editHeight);
    DDX_Control(dx, IDC_CHOOSE_CROP, m_lblCrop);
    DDX_Control(dx, IDC_CHOOSE_REFUSAL, m_lblRefusal);
    DDX_Control(dx, IDC_CHOOSE_REMOVE, m_btnRemove);
}

// lensfun's database is read now, the first time it is needed; the grid
// waits for words.
BOOL CChooseCameraDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDefID(IDOK); // Enter uses the camera, from the grid as from a box
    m_database = &LensfunCameras();
    m_own = ReadOwnCameras(m_settings);
    m_btnRemove.EnableWindow(!m_own.cameras.empty());
    OnFindChanged();
    if (!m_database->problem.empty())
        Refuse(m_database->problem);
    return TRUE;
}

namespace {
CString T(const char* text) {
    return Utf8ToCString(Tr("Choose Camera", text));
}
} // namespace

void CChooseCameraDlg::OnFindChanged() {
    const std::string words = m_editFind.GetWindowTextUtf8();
    m_matches = FindCameras(m_database->cameras, words, kMostShownMatches);
    TableContent content;
    content.columns = {T(TR_NOOP("Choose Camera", "Maker")), T(TR_NOOP("Choose Camera", "Model")),
                       T(TR_NOOP("Choose Camera", "Crop factor")),
                       T(TR_NOOP("Choose Camera", "Mount"))};
    const NumberSettings settings = UserNumberSettings();
    for (std::size_t row = 0; row < m_matches.size(); ++row) {
        const FoundCamera& c = m_database->cameras[m_matches[row]];
        content.rows.push_back(Utf8ToCString(std::to_string(row + 1)));
        const std::string model = c.englishModel.empty() ? c.model : c.englishModel;
        content.cells.push_back({Utf8ToCString(c.maker), Utf8ToCString(model),
                                 Utf8ToCString(FormatShortest(c.cropFactor, 3, settings)),
                                 Utf8ToCString(c.mount)});
    }
    m_matchesGrid.SetContent(content);
    Refuse("");
}

// The crop factor of the sensor typed, at once.
void CChooseCameraDlg::OnSensorChanged() {
    const std::optional<double> width = Side(m_editWidth.GetWindowTextUtf8());
    const std::optional<double> height = Side(m_editHeight.GetWindowTextUtf8());
    m_lblCrop.SetWindowText(
        width && height ? Utf8ToCString(Arg(Tr("Choose Camera", "Crop factor: %1"),
                                            {FormatShortest(CropFactorOfSensor(*width, *height), 3,
                                                            UserNumberSettings())}))
                        : CString());
}

void CChooseCameraDlg::Refuse(const std::string& sentence) {
    m_lblRefusal.SetWindowText(Utf8ToCString(sentence));
}

// The camera the person means: one by its sensor when its fields are
// filled, else the row picked.
std::optional<FoundCamera> CChooseCameraDlg::ChosenCamera(std::string& refusal) const {
    const std::string name = m_editName.GetWindowTextUtf8();
    const std::string widthText = m_editWidth.GetWindowTextUtf8(),
                      heightText = m_editHeight.GetWindowTextUtf8();
    if (!widthText.empty() || !heightText.empty()) {
        const std::optional<double> width = Side(widthText), height = Side(heightText);
        if (!width || !height) {
            refusal =
                Tr("Choose Camera",
                   "The sensor's width and height must be two numbers of millimetres from 0.001 "
                   "to 1000.");
            return std::nullopt;
        }
        return CameraOfSensor(name, *width, *height);
    }
    // Enter in Find, no row picked: the best match.
    const int row =
        m_matchesGrid.GetCurSel() < 0 && !m_matches.empty() ? 0 : m_matchesGrid.GetCurSel();
    if (row < 0 || static_cast<std::size_t>(row) >= m_matches.size()) {
        refusal = Tr("Choose Camera",
                     "Find your camera and pick it, or give a name and its sensor's size.");
        return std::nullopt;
    }
    FoundCamera camera = m_database->cameras[m_matches[static_cast<std::size_t>(row)]];
    if (name.find_first_not_of(' ') != std::string::npos)
        camera.name = name;
    return camera;
}

// The person's camera that is `camera`: by its name and sensor, or as the
// same model of the same maker (a camera of lensfun's they added before).
const FoundCamera* CChooseCameraDlg::OwnOf(const FoundCamera& camera) const {
    for (const FoundCamera& own : m_own.cameras)
        if (std::fabs(own.cropFactor - camera.cropFactor) < 1e-6 && StandsFor(own, camera))
            return &own;
    return nullptr;
}

// OK adds the camera to the person's cameras, for the main form to select;
// one they have already is selected again.
void CChooseCameraDlg::OnOK() {
    std::string refusal;
    const std::optional<FoundCamera> camera = ChosenCamera(refusal);
    if (camera && m_own.problem.empty())
        if (const FoundCamera* own = OwnOf(*camera)) {
            m_added = own->name;
            EndDialog(IDOK);
            return;
        }
    if (camera)
        refusal =
            !m_own.problem.empty() ? m_own.problem : RefusalToAdd(m_own, *camera, kOtherCameraText);
    if (!refusal.empty()) {
        Refuse(refusal);
        return;
    }
    // Added to the cameras as the file holds them now, which another program
    // may have changed since the form opened.
    const OwnCamerasChange change = AddOwnCamera(m_settings, *camera, kOtherCameraText);
    if (!change.Kept()) {
        Refuse(change.refusal.empty() ? change.failure : change.refusal);
        return;
    }
    m_added = camera->name;
    EndDialog(IDOK);
}

// What Remove acts on: the row the person points at, when it is one of
// their cameras; with no row picked, the main form's camera, when it is.
// Empty, with the refusal, when there is none.
std::string CChooseCameraDlg::RemovalTarget(std::string& refusal) const {
    const int row = m_matchesGrid.GetCurSel();
    if (row >= 0 && static_cast<std::size_t>(row) < m_matches.size()) {
        const FoundCamera& pointed = m_database->cameras[m_matches[static_cast<std::size_t>(row)]];
        if (const FoundCamera* own = OwnOf(pointed))
            return own->name;
        refusal =
            Arg(Tr("Choose Camera", "%1 is not one of your cameras; only yours can be removed."),
                {pointed.name});
        return {};
    }
    if (m_removable.empty())
        refusal = Tr("Choose Camera", "Only a camera of your own can be removed.");
    return m_removable;
}

// Says which camera it removes, and what the main form then uses, before
// it does.
void CChooseCameraDlg::OnRemoveClicked() {
    std::string refusal;
    const std::string target = RemovalTarget(refusal);
    if (target.empty()) {
        Refuse(refusal);
        return;
    }
    std::string question = Arg(Tr("Choose Camera", "Remove %1 from your cameras?"), {target});
    if (target == m_removable) {
        const std::vector<FoundCamera> builtIn = BuiltInCameras();
        question += "\n\n" + Arg(Tr("Choose Camera",
                                    "It is the main form's camera: the main form then uses %1."),
                                 {builtIn.empty() ? std::string() : builtIn.front().name});
    }
    if (AskMessageBox(this, Utf8ToCString(question), T(TR_NOOP("Choose Camera", "Remove Camera")),
                      T(TR_NOOP("Choose Camera", "Remove"))) != IDOK)
        return;
    // By its name, wherever another program's change has put it.
    const OwnCamerasChange change = RemoveOwnCamera(m_settings, target);
    if (!change.Kept()) {
        Refuse(change.refusal.empty() ? change.failure : change.refusal);
        return;
    }
    m_removed = target;
    EndDialog(IDC_CHOOSE_REMOVE);
}

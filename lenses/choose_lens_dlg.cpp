#include "lenses/choose_lens_dlg.h"
#include "lenses/choose_lens_template.h"

#include "calc/number_text.h"
#include "calc/typed_distance.h"
#include "finder/camera_search.h"
#include "framework/base/afx.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "lenses/framing.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CChooseLensDlg, CDialog)
ON_EN_CHANGE(IDC_LENS_FIND, OnFindChanged)
ON_LBN_SELCHANGE(IDC_LENS_MATCHES, OnFramingChanged)
ON_EN_CHANGE(IDC_LENS_FOCAL, OnFramingChanged)
ON_EN_CHANGE(IDC_LENS_WIDEST, OnFramingChanged)
ON_EN_CHANGE(IDC_LENS_SUBJECT, OnFramingChanged)
ON_BN_CLICKED(IDC_LENS_REMOVE, OnRemoveClicked)
ON_BN_CLICKED(IDC_LENS_NONE, OnNoLensClicked)
END_MESSAGE_MAP()

namespace {

CString T(const char* text) {
    return Utf8ToCString(Tr("Choose Lens", text));
}
} // namespace

CChooseLensDlg::CChooseLensDlg(LensChoosing choosing, CWnd* parent)
    : CDialog(kChooseLensTemplate, parent), m_choosing(std::move(choosing)) {}

void CChooseLensDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LENS_FIND, m_editFind);
    DDX_Control(dx, IDC_LENS_MATCHES, m_matchesGrid);
    DDX_Control(dx, IDC_LENS_NOW, m_lblNow);
    DDX_Control(dx, IDC_LENS_NAME, m_editName);
    DDX_Control(dx, IDC_LENS_FOCAL, m_editFocal);
    DDX_Control(dx, IDC_LENS_WIDEST, m_editWidest);
    DDX_Control(dx, IDC_LENS_SMALLEST, m_editSmallest);
    DDX_Control(dx, IDC_LENS_MIN_FOCUS, m_editMinFocus);
    DDX_Control(dx, IDC_LENS_PUPIL, m_editPupil);
    DDX_Control(dx, IDC_LENS_REFUSAL, m_lblRefusal);
    DDX_Control(dx, IDC_LENS_SUBJECT, m_editSubject);
    for (int i = 0; i < 5; ++i)
        DDX_Control(dx, IDC_LENS_FRAMING + i, m_framing[i]);
    DDX_Control(dx, IDC_LENS_REMOVE, m_btnRemove);
}

// lensfun's lenses are read now, the first time they are needed.
BOOL CChooseLensDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDefID(IDOK); // Enter uses the lens, from the grid as from a box
    m_own = ReadOwnLenses(m_choosing.settings);
    m_lenses = AllLenses(m_own);
    m_btnRemove.EnableWindow(!m_own.lenses.empty());
    m_lblNow.SetWindowText(
        m_choosing.chosen
            ? Utf8ToCString(Arg(Tr("Choose Lens", "Lens in use: %1."), {m_choosing.chosen->name}))
            : T(TR_NOOP("Choose Lens",
                        "No lens chosen: the lists offer every focal length and aperture.")));
    OnFindChanged();
    const std::string& problem = !m_own.problem.empty() ? m_own.problem : LensfunLenses().problem;
    if (!problem.empty())
        Refuse(problem);
    return TRUE;
}

// The lenses the words find, those for the camera's mount first; without
// words, the person's own.
void CChooseLensDlg::OnFindChanged() {
    const std::string words = m_editFind.GetWindowTextUtf8();
    if (TrimBlanks(words).empty()) {
        m_matches.clear();
        for (std::size_t i = 0; i < m_own.lenses.size() && i < m_lenses.size(); ++i)
            m_matches.push_back(i); // the person's come first
    } else
        m_matches = FindLenses(m_lenses, words);
    if (!m_choosing.mount.empty())
        std::stable_partition(m_matches.begin(), m_matches.end(), [this](std::size_t i) {
            return m_lenses[i].mount == m_choosing.mount;
        });
    m_matches.resize(std::min(m_matches.size(), kMostShownMatches));
    TableContent content;
    content.columns = {T(TR_NOOP("Choose Lens", "Maker")), T(TR_NOOP("Choose Lens", "Model")),
                       T(TR_NOOP("Choose Lens", "Focal length")),
                       T(TR_NOOP("Choose Lens", "Widest aperture")),
                       T(TR_NOOP("Choose Lens", "Mount"))};
    const NumberSettings settings = UserNumberSettings();
    for (std::size_t row = 0; row < m_matches.size(); ++row) {
        const LensRecord& l = m_lenses[m_matches[row]];
        content.rows.push_back(Utf8ToCString(std::to_string(row + 1)));
        const std::string model = l.source == "own"        ? l.name
                                  : l.englishModel.empty() ? l.model
                                                           : l.englishModel;
        content.cells.push_back(
            {Utf8ToCString(l.source == "own" ? Tr("Choose Lens", "Yours") : l.maker),
             Utf8ToCString(model), Utf8ToCString(FocalRangeText(l, settings)),
             Utf8ToCString(WidestText(l, settings)), Utf8ToCString(l.mount)});
    }
    m_matchesGrid.SetContent(content);
    Refuse("");
    ShowFraming();
}

void CChooseLensDlg::OnFramingChanged() {
    ShowFraming();
}

void CChooseLensDlg::Refuse(const std::string& sentence) {
    m_lblRefusal.SetWindowText(Utf8ToCString(sentence));
}

bool CChooseLensDlg::OwnFieldsTyped() const {
    return !TrimBlanks(m_editFocal.GetWindowTextUtf8()).empty() ||
           !TrimBlanks(m_editWidest.GetWindowTextUtf8()).empty();
}

// The row the person points at; with none, the best match.
std::optional<LensRecord> CChooseLensDlg::PointedLens() const {
    const int picked = m_matchesGrid.GetCurSel();
    const int row = picked < 0 && !m_matches.empty() ? 0 : picked;
    if (row < 0 || static_cast<std::size_t>(row) >= m_matches.size())
        return std::nullopt;
    return m_lenses[m_matches[static_cast<std::size_t>(row)]];
}

// The lens the person means: one by its fields when they are typed, else
// the row picked.
std::optional<LensRecord> CChooseLensDlg::ChosenLens(std::string& refusal) const {
    if (OwnFieldsTyped()) {
        TypedLens typed{m_editName.GetWindowTextUtf8(),     m_editFocal.GetWindowTextUtf8(),
                        m_editWidest.GetWindowTextUtf8(),   m_editSmallest.GetWindowTextUtf8(),
                        m_editMinFocus.GetWindowTextUtf8(), m_editPupil.GetWindowTextUtf8()};
        std::optional<LensRecord> lens = ReadTypedLens(typed, UserNumberSettings());
        refusal = !lens ? Tr("Choose Lens", "Give the focal length (“50” or “24-105”) and the "
                                            "widest aperture (“2” or “3.5-5.6”) as numbers.")
                        : RefusalToAddLens(m_own, *lens);
        return refusal.empty() ? lens : std::nullopt;
    }
    std::optional<LensRecord> lens = PointedLens();
    if (!lens)
        refusal = Tr("Choose Lens", "Find your lens and pick it, or give a lens of your own.");
    else if (!(lens->widestAtMin > 0))
        refusal = Arg(Tr("Choose Lens", "The widest aperture of %1 is not known; give it as a "
                                        "lens of your own."),
                      {lens->name});
    return refusal.empty() ? lens : std::nullopt;
}

// OK works with the lens; one given by its fields joins the person's lenses.
void CChooseLensDlg::OnOK() {
    std::string refusal;
    const std::optional<LensRecord> lens = ChosenLens(refusal);
    if (!lens) {
        Refuse(refusal);
        return;
    }
    if (OwnFieldsTyped()) {
        const OwnLensesChange change = AddOwnLens(m_choosing.settings, *lens);
        if (!change.Kept()) {
            Refuse(change.refusal.empty() ? change.failure : change.refusal);
            return;
        }
    }
    m_chosen = *lens;
    EndDialog(IDOK);
}

void CChooseLensDlg::OnNoLensClicked() {
    EndDialog(IDC_LENS_NONE);
}

// Remove acts on the row pointed at when it is one of the person's lenses;
// with none pointed at, on the lens in use when it is.
void CChooseLensDlg::OnRemoveClicked() {
    std::string target;
    const int row = m_matchesGrid.GetCurSel();
    if (row >= 0 && static_cast<std::size_t>(row) < m_matches.size()) {
        const LensRecord& pointed = m_lenses[m_matches[static_cast<std::size_t>(row)]];
        if (pointed.source != "own") {
            Refuse(
                Arg(Tr("Choose Lens", "%1 is not one of your lenses; only yours can be removed."),
                    {pointed.name}));
            return;
        }
        target = pointed.name;
    } else if (m_choosing.chosen && m_choosing.chosen->source == "own")
        target = m_choosing.chosen->name;
    if (target.empty()) {
        Refuse(Tr("Choose Lens", "Pick one of your lenses to remove it."));
        return;
    }
    if (AskMessageBox(
            this, Utf8ToCString(Arg(Tr("Choose Lens", "Remove %1 from your lenses?"), {target})),
            T(TR_NOOP("Choose Lens", "Remove Lens")), T(TR_NOOP("Choose Lens", "Remove"))) != IDOK)
        return;
    const OwnLensesChange change = RemoveOwnLens(m_choosing.settings, target);
    if (!change.Kept()) {
        Refuse(change.refusal.empty() ? change.failure : change.refusal);
        return;
    }
    m_removed = target;
    EndDialog(IDC_LENS_REMOVE);
}

// The framing of the lens pointed at (or typed, or in use) at the main
// form's focal length, within the lens's range: at the main form's
// distance, or at the distance that frames the subject width typed; or why
// there is none.
void CChooseLensDlg::ShowFraming() {
    std::vector<std::string> lines;
    std::string refusal;
    std::optional<LensRecord> lens;
    if (OwnFieldsTyped())
        lens = ReadTypedLens(
            {"", m_editFocal.GetWindowTextUtf8(), "1", {}, {}, {}}, // any aperture frames alike
            UserNumberSettings());
    else
        lens = PointedLens() ? PointedLens() : m_choosing.chosen;
    if (const std::optional<Lens>& shown = m_choosing.shown; shown && lens) {
        const double f = std::clamp(shown->focalLength, lens->focalMin, lens->focalMax);
        const LensSetup setup{f, 1, shown->Coc(), &shown->Unit()};
        const NumberSettings settings = UserNumberSettings();
        const std::string subject = m_editSubject.GetWindowTextUtf8();
        Framing framing;
        if (!TrimBlanks(subject).empty()) {
            const std::optional<double> width = ReadTypedDistance(subject, settings, shown->Unit());
            framing =
                width
                    ? FramingFor(setup, shown->sensor, *width, FrameSide::Width)
                    : Framing{
                          0,
                          0,
                          0,
                          0,
                          0,
                          0,
                          Arg(Tr("Framing", "\u201C%1\u201D is not a length."), {TypedShown(subject)})};
        } else if (const std::optional<double> distance = shown->TypedDistance())
            framing = FramingAt(setup, shown->sensor, *distance);
        refusal = framing.refusal;
        if (framing.refusal.empty() && framing.distance > 0)
            lines = FramingTexts(framing, shown->Unit(), settings);
    }
    for (std::size_t i = 0; i < 5; ++i)
        m_framing[i].SetWindowText(i < lines.size() ? Utf8ToCString(lines[i]) : CString());
    Refuse(refusal); // what was refused before this change no longer stands
}

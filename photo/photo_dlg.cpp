#include "photo/photo_dlg.h"
#include "framework/base/afx.h"
#include "framework/base/cstring.h"
#include "framework/base/translate.h"
#include "framework/qt/winapp.h"
#include "photo/photo_template.h"
#include "photo/photo_zones.h"

#include <filesystem>

BEGIN_MESSAGE_MAP(CPhotoDlg, CDialog)
ON_EN_CHANGE(IDC_PHOTO_TYPED, OnTypedChanged)
END_MESSAGE_MAP()

namespace {
// The box of each text, in order.
constexpr int kBoxes[] = {IDC_PHOTO_FILE,
                          IDC_PHOTO_FIRST_VALUE,
                          IDC_PHOTO_FIRST_VALUE + 1,
                          IDC_PHOTO_FIRST_VALUE + 2,
                          IDC_PHOTO_FIRST_VALUE + 3,
                          IDC_PHOTO_FIRST_VALUE + 4,
                          IDC_PHOTO_FIRST_VALUE + 5,
                          IDC_PHOTO_FIRST_VALUE + 6,
                          IDC_PHOTO_FIRST_VALUE + 7,
                          IDC_PHOTO_FIRST_VALUE + 8,
                          IDC_PHOTO_NEAR,
                          IDC_PHOTO_FAR,
                          IDC_PHOTO_TOTAL,
                          IDC_PHOTO_HYPERFOCAL,
                          IDC_PHOTO_MISSING};
constexpr std::size_t kFirstResult = 10;
} // namespace

// The shot's lines in the order of the boxes, the file by its name alone;
// below them what keeps the shot from being calculated and what the photo
// records that makes no sense.
CPhotoDlg::CPhotoDlg(const PhotoFacts& facts, const PhotoShot& shot, CWnd* parent)
    : CDialog(kPhotoTemplate, parent), m_shot(shot) {
    m_texts[0] = Utf8ToCString(ShownText(std::filesystem::path(facts.file).filename().string()));
    for (std::size_t i = 1; i < shot.lines.size() && i < m_texts.size() - 1; ++i)
        m_texts[i] = Utf8ToCString(shot.lines[i].second);
    std::string notes = shot.missing;
    for (const std::string& note : shot.notes) {
        if (!notes.empty())
            notes += ' ';
        notes += note;
    }
    m_photoNotes = m_texts.back() = Utf8ToCString(notes);
    for (const int box : kBoxes) // what a photo records may be of any length
        ShowWithinScreen(box);
}

void CPhotoDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PHOTO_TYPED, m_editTyped);
    DDX_Control(dx, IDC_PHOTO_ZONES, m_zones);
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        DDX_Text(dx, kBoxes[i], m_texts[i]);
}

// Focused at each distance of the lens's scale; a distance can be typed
// whenever the shot's optics are known.
BOOL CPhotoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TableContent zones;
    zones.columns = {Utf8ToCString(Tr("Photo", "Near")), Utf8ToCString(Tr("Photo", "Far"))};
    const std::vector<ZoneRow> rows = ZonesOfShot(m_shot, UserNumberSettings());
    for (const ZoneRow& zone : rows) {
        zones.rows.push_back(Utf8ToCString(zone.focusedAt));
        zones.cells.push_back(
            {Utf8ToCString(zone.result.nearText), Utf8ToCString(zone.result.farText)});
    }
    m_zones.SetContent(zones);
    m_editTyped.EnableWindow(!rows.empty());
    return TRUE;
}

void CPhotoDlg::ShowResults(const CalculationResult& r, bool known, bool hyperfocalKnown) {
    const CString none = Utf8ToCString("\u2014");
    m_texts[kFirstResult] = known ? Utf8ToCString(r.nearText) : none;
    m_texts[kFirstResult + 1] = known ? Utf8ToCString(r.farText) : none;
    m_texts[kFirstResult + 2] = known ? Utf8ToCString(r.totalText) : none;
    m_texts[kFirstResult + 3] = known || hyperfocalKnown ? Utf8ToCString(r.hyperfocalText) : none;
}

// The results focused at the distance typed, at once; emptied, the photo's
// own again.
void CPhotoDlg::OnTypedChanged() {
    const std::string typed = m_editTyped.GetWindowTextUtf8();
    m_typed.clear();
    if (typed.find_first_not_of(' ') == std::string::npos) {
        ShowResults(m_shot.result, m_shot.calculated, m_shot.hyperfocalKnown);
        m_texts.back() = m_photoNotes;
    } else {
        const CalculationResult r = AnswerAt(m_shot.lens, typed, UserNumberSettings());
        const bool ok = r.status == CalculationStatus::Ok;
        if (ok)
            ShowResults(r, true, true);
        else // the hyperfocal distance does not depend on the distance
            ShowResults(m_shot.result, false, m_shot.calculated || m_shot.hyperfocalKnown);
        if (ok)
            m_typed = typed;
        m_texts.back() = Utf8ToCString(
            ok ? Arg(Tr("Photo", "Focused at %1, typed for this photo."), {ShownText(typed)})
            : r.status == CalculationStatus::NoDistance
                ? Tr("Photo", "Type a focus distance, with its unit or in the unit chosen.")
                : RefusalText(r.status));
    }
    UpdateData(FALSE);
}

#include "photo/photo_dlg.h"
#include "framework/base/cstring.h"
#include "photo/photo_template.h"

#include <filesystem>

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
} // namespace

// The shot's lines in the order of the boxes, the file by its name alone;
// below them what keeps the shot from being calculated and what the photo
// records that makes no sense.
CPhotoDlg::CPhotoDlg(const PhotoFacts& facts, const PhotoShot& shot, CWnd* parent)
    : CDialog(kPhotoTemplate, parent) {
    m_texts[0] = Utf8ToCString(ShownText(std::filesystem::path(facts.file).filename().string()));
    for (std::size_t i = 1; i < shot.lines.size() && i < m_texts.size() - 1; ++i)
        m_texts[i] = Utf8ToCString(shot.lines[i].second);
    std::string notes = shot.missing;
    for (const std::string& note : shot.notes) {
        if (!notes.empty())
            notes += ' ';
        notes += note;
    }
    m_texts.back() = Utf8ToCString(notes);
    for (const int box : kBoxes) // what a photo records may be of any length
        ShowWithinScreen(box);
}

void CPhotoDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    for (std::size_t i = 0; i < m_texts.size(); ++i)
        DDX_Text(dx, kBoxes[i], m_texts[i]);
}

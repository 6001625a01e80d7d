#include "settings/kept_choices.h"

#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "settings/save_reports.h"

#include <filesystem>

namespace {
// While another copy holds the settings file: how often it is tried.
constexpr UINT_PTR kSettingsHeldTimer = 1;
constexpr UINT kSettingsHeldPollMs = 200;
} // namespace

CKeptChoices::CKeptChoices(CWnd& form, std::function<void(const CDataState&)> take)
    : m_form(form), m_take(std::move(take)) {}

// Decided once: a folder that goes away or changes meanwhile makes saves
// fail where the person was told they go, rather than go elsewhere.
const SettingsLocation& CKeptChoices::Location() {
    if (!m_location) {
        const CPlatform& platform = AfxGetPlatform();
        m_location = SettingsLocationFor(platform.GetProgramPath(), platform.GetConfigHome());
    }
    return *m_location;
}

bool CKeptChoices::Load(CDataState& state, bool& heldByAnother, int waitMs) {
    return ReadSettingsFile(Location(), &state, &heldByAnother, waitMs);
}

// When the file cannot be written, the file-error report says why.
bool CKeptChoices::Save(CDataState& state) {
    CFileException error;
    if (WriteSettingsFile(Location(), &state, &error))
        return true;
    if (error.m_cause != CFileException::none)
        ReportFileError(error);
    return false;
}

// A file another instance holds past the wait holds choices not seen yet:
// the form shows meanwhile, and takes them once it lets go.
void CKeptChoices::Start(CDataState& state) {
    bool heldByAnother = false;
    std::error_code ignored;
    const bool first = Location().KeptForTheRunOnly() ||
                       !std::filesystem::exists(std::filesystem::path(Location().path), ignored);
    if (!Load(state, heldByAnother, kSettingsWaitMs) && !heldByAnother) {
        // The first start measures as the person's country does: in metres
        // but where feet are the custom.
        if (first && AfxGetPlatform().MeasuresInMetres())
            state.m_strUnit = u"meters";
        Save(state);
    }
    m_held.Start(heldByAnother, AfxGetPlatform().SteadyNow());
    if (!m_held.Known())
        m_form.SetTimer(kSettingsHeldTimer, kSettingsHeldPollMs);
}

void CKeptChoices::SayWhereKept() {
    if (const SettingsLocation& where = Location(); !where.note.empty())
        MessageBox(&m_form, Utf8ToCString(where.note),
                   Utf8ToCString(where.KeptForTheRunOnly()
                                     ? Tr("Settings", "Settings Not Saved")
                                     : Tr("Settings", "Settings Kept Elsewhere")));
}

// The form takes the stored choices; a file that could not be read whole is
// replaced at once, as at start. While the file is still held, `tell` (when
// given) says whether the person is now to be told.
bool CKeptChoices::Take(int waitMs, bool* tell) {
    if (m_held.Known())
        return true;
    CDataState stored;
    bool heldByAnother = false;
    const bool loaded = Load(stored, heldByAnother, waitMs);
    const CHeldChoices::Next next = m_held.Poll(heldByAnother, AfxGetPlatform().SteadyNow());
    if (next != CHeldChoices::Next::Take) {
        if (tell)
            *tell = next == CHeldChoices::Next::Tell;
        return false;
    }
    m_form.KillTimer(kSettingsHeldTimer);
    m_take(stored);
    if (!loaded)
        Save(stored);
    return true;
}

// Stored choices not seen yet are taken first; while another instance still
// holds them, the save fails as a save that meets a held file does.
bool CKeptChoices::TakeBeforeSave(int waitMs) {
    if (Take(waitMs, nullptr))
        return true;
    ReportFileError(CFileException(CFileException::sharingViolation, 0, Location().path));
    return false;
}

// Once, after a generous wait: the person's choices are not being kept.
void CKeptChoices::OnTimer(UINT_PTR id) {
    bool tell = false;
    if (id == kSettingsHeldTimer && !Take(0, &tell) && tell)
        MessageBox(
            &m_form,
            Utf8ToCString(Tr("Settings", "Another copy of Vexton.DOF.CE holds your settings: your "
                                         "choices will not be saved until it lets go of them.")),
            Utf8ToCString(Tr("Settings", "Settings in Use")));
}

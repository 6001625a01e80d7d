#pragma once
// The person's stored choices, for the form that shows them: where they are
// kept (found once for the run), read at start and saved, a failure
// reported; and while another copy of the program holds them, tried again
// on the form's timer until they can be taken, the person told once after a
// generous wait, nothing saved over them meanwhile.

#include "cameras/data_state.h"
#include "framework/qt/wnd.h"
#include "settings/held_choices.h"
#include "settings/settings_file.h"

#include <functional>
#include <optional>

class CKeptChoices {
  public:
    // `take`: the form takes stored choices it had not seen, once another
    // copy lets go of them; `form`: the form whose timer tries again.
    CKeptChoices(CWnd& form, std::function<void(const CDataState& stored)> take);

    const SettingsLocation& Location();

    // At start: the stored choices into `state`. A file another copy holds
    // past the wait is tried again on the form's timer; one that could not
    // be read whole is replaced at once.
    void Start(CDataState& state);
    // Once a run, when the choices go elsewhere than the person would look:
    // says where.
    void SayWhereKept();

    // Whether the stored choices are known (never held, or taken since).
    bool Known() const { return m_held.Known(); }
    // Takes the stored choices if another copy has let go, waiting up to
    // `waitMs`; true once they are known. While still held, the saving
    // failure is reported.
    bool TakeBeforeSave(int waitMs);

    // Saves `state`; false, with the failure reported, when it cannot be.
    bool Save(CDataState& state);

    // The form's timer: another try while the choices are held.
    void OnTimer(UINT_PTR id);

  private:
    bool Load(CDataState& state, bool& heldByAnother, int waitMs);
    bool Take(int waitMs, bool* tell);

    CWnd& m_form;
    std::function<void(const CDataState&)> m_take;
    std::optional<SettingsLocation> m_location;
    CHeldChoices m_held{std::chrono::milliseconds(kSettingsHeldPatienceMs)};
};

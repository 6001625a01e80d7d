// The Close-Up and Stacking form, opened by its command of the main form's
// menu for the main form's lens.
#include "closeup/close_up_dlg.h"
#include "framework/base/translate.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kCloseUpRoom;
const Room kCloseUpRoom{
    {ID_FILE_CLOSE_UP, TR_NOOP("File menu", "Close-Up and &Stacking\u2026"), "Ctrl+M"},
    [](MainForm& main) {
        if (std::optional<Lens> lens = main.RequireLens()) {
            CCloseUpDlg form(std::move(*lens), main.ChosenLens());
            form.DoModal();
        }
    }};

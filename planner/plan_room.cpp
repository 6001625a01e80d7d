// The focus planner, opened by its command of the main form's menu for the main
// form's lens.
#include "framework/base/translate.h"
#include "planner/plan_dlg.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kPlanRoom;
const Room kPlanRoom{{ID_FILE_PLAN_FOCUS, TR_NOOP("File menu", "&Plan Focus\u2026"), "Ctrl+L"},
                     [](MainForm& main) {
                         if (std::optional<Lens> lens = main.RequireLens()) {
                             CPlanFocusDlg form(std::move(*lens), main.ChosenLens());
                             form.DoModal();
                         }
                     }};

// The DOF table, opened by its command of the main form's menu for the main
// form's lens.
#include "framework/base/translate.h"
#include "resources/resource.h"
#include "rooms/room.h"
#include "table/table_dlg.h"

extern const Room kTableRoom;
const Room kTableRoom{{ID_FILE_DOF_TABLE, TR_NOOP("File menu", "DOF &Table\u2026"), "Ctrl+T"},
                      [](MainForm& main) {
                          if (std::optional<Lens> lens = main.RequireTableLens()) {
                              CDofTableDlg form(std::move(*lens), main.ChosenLens());
                              form.DoModal();
                          }
                      }};

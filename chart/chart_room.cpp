// The DOF chart, opened by its command of the main form's menu for the main
// form's lens.
#include "chart/chart_dlg.h"
#include "framework/base/translate.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kChartRoom;
const Room kChartRoom{{ID_FILE_DOF_CHART, TR_NOOP("File menu", "DOF C&hart\u2026"), "Ctrl+G"},
                      [](MainForm& main) {
                          if (std::optional<Lens> lens = main.RequireTableLens()) {
                              CDofChartDlg form(std::move(*lens), main.ChosenLens());
                              form.DoModal();
                          }
                      }};

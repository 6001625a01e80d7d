// The DOF chart, opened by its command of the main form's menu for the main
// form's lens.
#include "chart/chart_dlg.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kChartRoom;
const Room kChartRoom{ID_FILE_DOF_CHART, [](MainForm& main) {
                          if (std::optional<Lens> lens = main.RequireTableLens()) {
                              CDofChartDlg form(std::move(*lens));
                              form.DoModal();
                          }
                      }};

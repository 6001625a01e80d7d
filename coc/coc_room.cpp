// The Circle of Confusion form, for the camera chosen on the main form
// (the File menu, or its list's "Custom…"): what it works out is typed into
// the main form's list; Cancel leaves the list as it was.
#include "cameras/camera_table.h"
#include "coc/coc_dlg.h"
#include "framework/base/translate.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kCocRoom;
const Room kCocRoom{{ID_FILE_COC, TR_NOOP("File menu", "Ci&rcle of Confusion\u2026"), "Ctrl+R"},
                    [](MainForm& main) {
                        const CameraRecord* camera = main.RequireSelectedCamera();
                        if (!camera)
                            return;
                        CCocDlg form(
                            camera->name,
                            {{camera->sensorWidth, camera->sensorHeight}, camera->cropFactor},
                            PixelWidthOf(camera->imageSizeText), main.Window());
                        if (form.DoModal() != IDOK)
                            return;
                        ChoicesToUse use;
                        use.cofc = form.Result();
                        main.Use(use);
                    }};

// The Choose Camera form (the File menu, or the camera list's "Other
// camera…"): a camera added (or picked again) becomes the main form's
// choice; the main form's camera removed leaves the list's first, another
// removed leaves it as it was; Cancel leaves the list as it was.
#include "finder/choose_camera_dlg.h"
#include "framework/base/translate.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kChooseCameraRoom;
const Room kChooseCameraRoom{
    {ID_FILE_CHOOSE_CAMERA, TR_NOOP("File menu", "&Choose Camera\u2026"), "Ctrl+K"},
    [](MainForm& main) {
        CChooseCameraDlg form(main.OwnCameraBefore(), main.PersonsFiles());
        const INT_PTR result = form.DoModal();
        if (result != IDOK && result != IDC_CHOOSE_REMOVE)
            return;
        // The main form stays on its camera unless that is the one removed
        // (which the form said before removing it).
        const std::string before = main.ShownText(IDC_CAMERA);
        ChoicesToUse use;
        use.rereadCameras = true;
        use.camera = result == IDOK             ? form.Added()
                     : form.Removed() == before ? std::string()
                                                : before;
        main.Use(use);
    }};

// The Choose Lens form (the File menu, or the focal-length list's "Other
// lens…"): the lens chosen becomes the main form's, and its lists offer
// what that lens can do; "No Lens" returns them to every entry; the lens in
// use removed leaves no lens; Cancel leaves everything as it was.
#include "framework/base/translate.h"
#include "lenses/choose_lens_dlg.h"
#include "resources/resource.h"
#include "rooms/room.h"

extern const Room kChooseLensRoom;
const Room kChooseLensRoom{
    {ID_FILE_CHOOSE_LENS, TR_NOOP("File menu", "Choose &Lens\u2026"), "Ctrl+J"},
    [](MainForm& main) {
        LensChoosing choosing{main.PersonsFiles(), main.ChosenLens(), main.CameraMount(),
                              main.LensAsShown()};
        const std::optional<LensRecord> before = choosing.chosen;
        CChooseLensDlg form(std::move(choosing));
        const INT_PTR result = form.DoModal();
        ChoicesToUse use;
        if (result == IDOK)
            use.lens = form.Chosen();
        else if (result == IDC_LENS_NONE ||
                 (result == IDC_LENS_REMOVE && before && before->name == form.Removed()))
            use.lens = std::optional<LensRecord>();
        else
            return;
        main.Use(use);
    }};

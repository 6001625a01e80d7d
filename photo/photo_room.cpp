// A photo, opened from the main form's File menu or dropped on it: the
// Photo form shows what it records, and its "Use These Settings" hands the
// main form the photo's camera (one of lensfun's, or one worked out from
// its focal lengths, joins the person's cameras first), focal length,
// aperture and distance, and empties the diopter box.
#include "photo/photo_room.h"
#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "lenses/own_lenses.h"
#include "photo/photo_dlg.h"
#include "photo/photo_loading.h"
#include "resources/resource.h"
#include "rooms/room.h"
#include "settings/save_reports.h"

#include <filesystem>

const char* const kPhotoFilter = TR_NOOP(
    "Messages",
    "Photos (*.jpg *.jpeg *.tif *.tiff *.dng *.png *.nef *.nrw *.cr2 *.arw *.orf *.rw2 *.pef "
    "*.raf *.srw *.JPG *.JPEG *.TIF *.TIFF *.DNG *.PNG *.NEF *.NRW *.CR2 *.ARW *.ORF *.RW2 *.PEF "
    "*.RAF *.SRW);;All files (*)");

namespace {

// What the main form is handed: the camera, added to the person's cameras
// unless it is one of the list's already (or a name refused: the main form
// then shows it as typed); the unit and the circle of confusion stay.
ChoicesToUse ChoicesOf(MainForm& main, const PhotoShot& shot, const PhotoCamera& camera,
                       const std::string& typedDistance) {
    ChoicesToUse use;
    if (camera.from == PhotoCamera::From::BuiltIn || camera.from == PhotoCamera::From::Own) {
        use.camera = camera.camera->name;
    } else if (camera.camera) {
        const OwnCamerasChange change =
            AddOwnCamera(main.PersonsFiles(), *camera.camera, kOtherCameraText);
        if (!change.failure.empty())
            ReportFileError(change.error);
        use.rereadCameras = true;
        use.camera = camera.camera->name;
    }
    const Lens& lens = shot.lens;
    if (!shot.focalLengthText.empty())
        use.focalLength = {shot.focalLengthText, shot.focalLengthText + " mm",
                           shot.focalLengthText};
    if (!shot.apertureValue.empty())
        use.aperture = {lens.apertureText, lens.apertureText.substr(2), shot.apertureValue};
    if (!typedDistance.empty()) // typed for the photo: as typed, the main form reads it
        use.distance = typedDistance;
    else if (!lens.distanceText.empty())
        use.distance = lens.distanceText;
    use.clearDiopter = true;
    // The photo's lens, as found; with none found, no lens, so that nothing
    // the photo records is refused for a lens it was not taken with.
    use.lens = std::optional<LensRecord>();
    if (!camera.lens.empty())
        for (const LensRecord& found : AllLenses(ReadOwnLenses(main.PersonsFiles())))
            if (found.name == camera.lens && found.widestAtMin > 0) {
                use.lens = found;
                break;
            }
    return use;
}

void ShowPhoto(MainForm& main, const std::string& path) {
    const PhotoFacts facts =
        OpenPhotoReader()->Read(path, std::filesystem::path(path).filename().string()); // by name
    if (!facts.refusal.empty()) {
        MessageBox(main.Window(), Utf8ToCString(Said(facts.refusal)),
                   Utf8ToCString(Tr("Messages", "Open Photo")));
        return;
    }
    ShowPhotoForm(main, facts, main.Window());
}

// One file dropped or named is a photo to open; several, or a folder, a shoot.
bool TakesOnePhoto(MainForm& main, const std::vector<std::string>& paths) {
    std::error_code error;
    if (paths.size() != 1 || std::filesystem::is_directory(paths.front(), error))
        return false;
    ShowPhoto(main, paths.front());
    return true;
}
} // namespace

PhotoChoices PhotoChoicesOf(MainForm& main) {
    return {main.ChosenValue(IDC_UNIT).value_or("0"), main.ShownText(IDC_UNIT),
            main.ChosenValue(IDC_COFC).value_or("0.0300"),
            [](const CalendarTime& t) { return AfxGetPlatform().DateTimeText(t); }};
}

void ShowPhotoForm(MainForm& main, const PhotoFacts& facts, CWnd* over) {
    PhotoCamera camera =
        CameraOfPhoto(facts, main.OwnCameras(),
                      []() -> const std::vector<FoundCamera>& { return LensfunCameras().cameras; });
    std::vector<LensRecord> lenses;
    camera.lens = LensOfPhoto(facts, [&]() -> const std::vector<LensRecord>& {
        return lenses = AllLenses(ReadOwnLenses(main.PersonsFiles()));
    });
    const PhotoShot shot = ShotOfPhoto(facts, camera, PhotoChoicesOf(main), UserNumberSettings());
    CPhotoDlg form(facts, shot, over);
    if (form.DoModal() == IDOK)
        main.Use(ChoicesOf(main, shot, camera, form.TypedDistance()));
}

extern const Room kPhotoRoom;
const Room kPhotoRoom{{ID_FILE_OPEN_PHOTO, TR_NOOP("File menu", "&Open Photo\u2026"), "Ctrl+O"},
                      [](MainForm& main) {
                          const std::string path = AfxGetPlatform().ChooseOpenFile(
                              Tr("Messages", "Open Photo"), Tr("Messages", kPhotoFilter));
                          if (!path.empty())
                              ShowPhoto(main, path);
                      },
                      TakesOnePhoto};

// A shoot: many photos at once, chosen from the File menu ("Open Photos…":
// files or a folder), dropped on the main form (several files, or a
// folder) or named when the program was started. The Open Photos form lists
// them; each opens in the Photo form.
#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"
#include "framework/qt/winapp.h"
#include "photo/photo_folder.h"
#include "photo/photo_room.h"
#include "photo/shoot_dlg.h"
#include "resources/resource.h"
#include "rooms/room.h"

namespace {
bool ShowShoot(MainForm& main, const std::vector<std::string>& named) {
    const NamedPhotos photos = PhotosNamed(named, false);
    for (const std::string& folder : photos.unreadFolders)
        MessageBox(main.Window(),
                   Utf8ToCString(
                       Arg(Tr("Messages", "The folder %1 cannot be read."), {ShownText(folder)})),
                   Utf8ToCString(Tr("Messages", "Open Photos")));
    if (photos.files.empty()) {
        if (photos.unreadFolders.empty())
            MessageBox(main.Window(), Utf8ToCString(Tr("Messages", "There are no photos there.")),
                       Utf8ToCString(Tr("Messages", "Open Photos")));
        return true;
    }
    ShootOpening opening{
        photos.files, &main.PersonsFiles(), main.OwnCameras(), PhotoChoicesOf(main),
        [&main](const ShootRow& row, CWnd* over) { ShowPhotoForm(main, row.facts, over); }};
    CShootDlg form(std::move(opening), main.Window());
    form.DoModal();
    return true;
}
} // namespace

extern const Room kShootRoom;
const Room kShootRoom{
    {ID_FILE_OPEN_PHOTOS, TR_NOOP("File menu", "Ope&n Photos\u2026"), "Ctrl+Shift+O"},
    [](MainForm& main) {
        const std::vector<std::string> chosen = AfxGetPlatform().ChooseOpenFilesOrFolder(
            Tr("Messages", "Open Photos"), Tr("Messages", kPhotoFilter));
        if (!chosen.empty())
            ShowShoot(main, chosen);
    },
    ShowShoot};

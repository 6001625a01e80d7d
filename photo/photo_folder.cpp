#include "photo/photo_folder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

bool HasPhotoName(const std::string& name) {
    static constexpr std::array<std::string_view, 21> kEndings = {
        "jpg", "jpeg", "jpe", "tif", "tiff", "png", "heic", "heif", "hif", "avif", "dng",
        "cr2", "cr3",  "nef", "nrw", "arw",  "orf", "rw2",  "pef",  "raf", "srw"};
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name.size() - dot > 5)
        return false;
    std::string ending = name.substr(dot + 1);
    for (char& c : ending)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return std::find(kEndings.begin(), kEndings.end(), ending) != kEndings.end();
}

namespace {
bool Hidden(const fs::path& path) {
    const std::string name = path.filename().string();
    return !name.empty() && name[0] == '.';
}

// A folder's photos in the order of their names, each subfolder's after
// the folder's own when `recursive`.
void AddFolder(const fs::path& folder, bool recursive, NamedPhotos& found) {
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    if (error) {
        found.unreadFolders.push_back(folder.string());
        return;
    }
    std::vector<fs::path> photos, folders;
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        if (Hidden(entry.path()))
            continue;
        std::error_code kind;
        if (entry.is_symlink(kind) ? false : entry.is_directory(kind)) {
            if (recursive)
                folders.push_back(entry.path());
        } else if (HasPhotoName(entry.path().filename().string()) && entry.is_regular_file(kind)) {
            photos.push_back(entry.path());
        }
    }
    if (error)
        found.unreadFolders.push_back(folder.string());
    std::sort(photos.begin(), photos.end());
    std::sort(folders.begin(), folders.end());
    for (const fs::path& photo : photos)
        found.files.push_back(photo.string());
    for (const fs::path& sub : folders)
        AddFolder(sub, recursive, found);
}
} // namespace

NamedPhotos PhotosNamed(const std::vector<std::string>& named, bool recursive) {
    NamedPhotos found;
    for (const std::string& name : named) {
        std::error_code error;
        if (!name.empty() && fs::is_directory(name, error)) {
            const std::size_t before = found.files.size(), unread = found.unreadFolders.size();
            AddFolder(name, recursive, found);
            if (found.files.size() == before && found.unreadFolders.size() == unread)
                found.emptyFolders.push_back(name);
        } else
            found.files.push_back(name);
    }
    return found;
}

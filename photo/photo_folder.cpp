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

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names as a file manager orders them: letters without regard to case,
// numbers by their values (DSC_9 before DSC_10), the name as it stands to
// part those that are otherwise alike.
bool NameBefore(const fs::path& first, const fs::path& second) {
    const std::string a = first.filename().string(), b = second.filename().string();
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            std::size_t ei = i, ej = j;
            while (ei < a.size() && a[ei] == '0')
                ++ei;
            while (ej < b.size() && b[ej] == '0')
                ++ej;
            std::size_t ni = ei, nj = ej;
            while (ni < a.size() && digit(a[ni]))
                ++ni;
            while (nj < b.size() && digit(b[nj]))
                ++nj;
            if (ni - ei != nj - ej) // more digits, a larger number
                return ni - ei < nj - ej;
            if (const int c = a.compare(ei, ni - ei, b, ej, nj - ej); c != 0)
                return c < 0;
            i = ni;
            j = nj;
            continue;
        }
        if (Lower(a[i]) != Lower(b[j]))
            return static_cast<unsigned char>(Lower(a[i])) <
                   static_cast<unsigned char>(Lower(b[j]));
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return a.size() - i < b.size() - j;
    return first < second;
}

// A folder's photos in the order of their names, each subfolder's after
// the folder's own when `recursive`.
void AddFolder(const fs::path& folder, bool recursive, NamedPhotos& found) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
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
    std::sort(photos.begin(), photos.end(), NameBefore);
    std::sort(folders.begin(), folders.end(), NameBefore);
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

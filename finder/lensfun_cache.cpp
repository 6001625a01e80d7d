#include "finder/lensfun_cache.h"

#include "framework/base/file.h"
#include "framework/base/file_place.h"
#include "framework/base/modules.h"
#include "framework/base/packing.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr std::uint64_t kLargestCopy = 16u << 20;
constexpr const char* kFormat = "vextondof lensfun cache 1";

// A folder's XML files and timestamp, each with its size and time, in the
// order of their names; a folder that cannot be listed says so.
std::string FolderSignature(const std::string& folder) {
    if (folder.empty())
        return "-\n";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return folder + " none\n";
    std::vector<std::string> lines;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const bool xml = name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0;
        if (!xml && name != "timestamp.txt")
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.c_str(), &st, 0) != 0)
            continue;
        lines.push_back(name + ' ' + std::to_string(st.st_size) + ' ' +
                        std::to_string(st.st_mtim.tv_sec) + '.' +
                        std::to_string(st.st_mtim.tv_nsec) + ' ' + std::to_string(st.st_ino));
        if (lines.size() > 4096)
            break;
    }
    ::closedir(dir);
    std::sort(lines.begin(), lines.end());
    std::string signature = folder + '\n';
    for (const std::string& line : lines)
        signature += line + '\n';
    return signature;
}

void Put(CPacker& p, const FoundCamera& c) {
    for (const std::string* text :
         {&c.name, &c.maker, &c.model, &c.englishModel, &c.variant, &c.mount, &c.source})
        p.Put(*text);
    for (const double v : {c.cropFactor, c.sensorWidth, c.sensorHeight})
        p.Put(v);
}
// Whether a text of the copy is one the database's reading makes: without
// control characters (a terminal's escapes among them).
bool Plain(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7f;
    });
}

// A camera of the copy, as the database's reading keeps them: a crop factor
// from 0.1 to 20 and a sensor of some size (a copy with any other is read
// again from the database's files).
bool Get(CUnpacker& u, FoundCamera& c) {
    for (std::string* text :
         {&c.name, &c.maker, &c.model, &c.englishModel, &c.variant, &c.mount, &c.source})
        if (!u.Get(*text) || !Plain(*text))
            return false;
    return u.Get(c.cropFactor) && u.Get(c.sensorWidth) && u.Get(c.sensorHeight) &&
           c.cropFactor >= 0.1 && c.cropFactor <= 20 && c.sensorWidth > 0 && c.sensorWidth < 1000 &&
           c.sensorHeight > 0 && c.sensorHeight < 1000;
}
void Put(CPacker& p, const LensfunLens& l) {
    for (const std::string* text : {&l.maker, &l.model, &l.englishModel, &l.mount})
        p.Put(*text);
    for (const double v : {l.minFocal, l.maxFocal, l.widest, l.smallest})
        p.Put(v);
}
// A lens of the copy, as the reading keeps them: focal lengths from above 0
// to below 10 m, in order, and apertures of 0 (none given) or more.
bool Get(CUnpacker& u, LensfunLens& l) {
    for (std::string* text : {&l.maker, &l.model, &l.englishModel, &l.mount})
        if (!u.Get(*text) || !Plain(*text))
            return false;
    return u.Get(l.minFocal) && u.Get(l.maxFocal) && u.Get(l.widest) && u.Get(l.smallest) &&
           l.minFocal > 0 && l.maxFocal >= l.minFocal && l.maxFocal < 10000 && l.widest >= 0 &&
           l.widest < 1000 && l.smallest >= 0 && l.smallest < 1000;
}

// The copy's bytes, when it is a regular file of the running user's that
// no one else may write, in a folder of theirs no one else may write.
std::optional<std::string> OwnCopy(const std::string& path) {
    const std::string folder = path.substr(0, path.rfind('/'));
    struct stat place {};
    if (::stat(folder.c_str(), &place) != 0 || !S_ISDIR(place.st_mode) ||
        place.st_uid != ::geteuid() || !OnlyOwnerMayWrite(place) || HasAccessList(folder))
        return std::nullopt;
    const CHandle file(
        ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() || !OnlyOwnerMayWrite(st) ||
        HasAccessList("/proc/self/fd/" + std::to_string(file.Get())) ||
        static_cast<std::uint64_t>(st.st_size) > kLargestCopy)
        return std::nullopt;
    std::string bytes;
    if (ReadAllOf(file.Get(), kLargestCopy, bytes) != 0)
        return std::nullopt;
    return bytes;
}

// Whether `folder` is the running user's, made for them alone when it is
// not there yet and its parent is theirs: root with another's HOME makes
// and writes nothing in it.
bool OwnFolder(const std::string& folder, bool othersMayWrite) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        const std::string parent = folder.substr(0, folder.rfind('/'));
        struct stat above {};
        if (parent.empty() || ::stat(parent.c_str(), &above) != 0 || above.st_uid != ::geteuid() ||
            ::mkdir(folder.c_str(), 0700) != 0 || ::stat(folder.c_str(), &st) != 0)
            return false;
    }
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (othersMayWrite || OnlyOwnerMayWrite(st));
}

// The copy written whole; nothing when it cannot be (a cache is never a
// failure).
void KeepCopy(const std::string& path, const std::string& bytes) {
    const std::string folder = path.substr(0, path.rfind('/'));
    const std::string cacheHome = folder.substr(0, folder.rfind('/'));
    if (cacheHome.empty() || !OwnFolder(cacheHome, true) || !OwnFolder(folder, false))
        return;
    // Whatever stands in the copy's place and is no file (a link to one of
    // the person's files, a folder, a pipe) is left as it is.
    struct stat there {};
    if (::lstat(path.c_str(), &there) == 0 && !S_ISREG(there.st_mode))
        return;
    CFileException ignored;
    WriteWholeFile(path, bytes, &ignored);
}
} // namespace

std::string DatabaseSignature(const LensfunFolders& folders) {
    std::string signature = std::string(kFormat) + '\n' + ProgramModuleStamp() + '\n';
    for (const std::string* folder : {&folders.system, &folders.systemUpdates, &folders.own})
        signature += FolderSignature(*folder);
    if (!folders.own.empty())
        signature += FolderSignature(folders.own + "/updates/version_1");
    return signature;
}

std::string PackDatabase(const CameraDatabase& database, std::string_view signature) {
    CPacker p;
    p.Put(signature);
    p.Put(static_cast<std::uint64_t>(database.cameras.size()));
    for (const FoundCamera& camera : database.cameras)
        Put(p, camera);
    p.Put(static_cast<std::uint64_t>(database.lenses.size()));
    for (const LensfunLens& lens : database.lenses)
        Put(p, lens);
    p.Put(database.problem);
    return p.Bytes();
}

std::optional<CameraDatabase> UnpackDatabase(std::string_view bytes, std::string_view signature) {
    CUnpacker u(bytes);
    std::string written;
    if (!u.Get(written) || written != signature)
        return std::nullopt;
    CameraDatabase database;
    std::size_t count = 0;
    if (!u.GetCount(count, 8 * 10))
        return std::nullopt;
    database.cameras.resize(count);
    for (FoundCamera& camera : database.cameras)
        if (!Get(u, camera))
            return std::nullopt;
    if (!u.GetCount(count, 8 * 8))
        return std::nullopt;
    database.lenses.resize(count);
    for (LensfunLens& lens : database.lenses)
        if (!Get(u, lens))
            return std::nullopt;
    if (!u.Get(database.problem) || !u.Done())
        return std::nullopt;
    return database;
}

std::string LensfunCacheHere() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (cache && cache[0] == '/')
        return std::string(cache) + "/vextondof/lensfun.cache";
    if (home && home[0] == '/')
        return std::string(home) + "/.cache/vextondof/lensfun.cache";
    return {};
}

CameraDatabase CachedLensfunDatabase(const LensfunFolders& folders, const std::string& cacheFile) {
    if (cacheFile.empty() || cacheFile.find('/') == std::string::npos)
        return ReadLensfunDatabase(folders);
    const std::string signature = DatabaseSignature(folders);
    if (const std::optional<std::string> copy = OwnCopy(cacheFile))
        if (std::optional<CameraDatabase> kept = UnpackDatabase(*copy, signature))
            return std::move(*kept);
    CameraDatabase read = ReadLensfunDatabase(folders);
    if (read.problem.empty()) // a database read whole, and only that, is kept
        KeepCopy(cacheFile, PackDatabase(read, signature));
    return read;
}

#include "finder/lensfun_cameras.h"

#include "framework/base/cstring.h"
#include "framework/base/file.h"
#include "framework/base/translate.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <glib.h>
#include <lensfun.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
constexpr const char* kUnreadable =
    TR_NOOP("Cameras", "lensfun's camera database could not be read, so only the built-in cameras "
                       "and your own are offered.");

// A multi-language string's text in `language`, or its default text.
std::string InLanguage(const char* text, const char* language) {
    if (!text)
        return {};
    const char* const first = text;
    for (const char* p = text + std::strlen(text) + 1; *p;) {
        const char* translation = p + std::strlen(p) + 1;
        if (std::strcmp(p, language) == 0)
            return translation;
        p = translation + std::strlen(translation) + 1;
    }
    return first;
}

// "Sony" and "Alpha 7 IV" make "Sony Alpha 7 IV"; a model that names its
// maker already ("Canon EOS R5") is shown as it is.
std::string ShownName(const std::string& maker, const std::string& model) {
    if (model.rfind(maker, 0) == 0)
        return model;
    return maker.empty() ? model : maker + " " + model;
}

// The number the database's file writes ("1.534"), which lensfun holds as
// the nearest float: its shortest decimal, read as a double.
double AsWritten(float value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    double written = value;
    if (ec == std::errc())
        std::from_chars(text, end, written);
    return written;
}

FoundCamera FromLensfun(const lfCamera& camera) {
    FoundCamera found;
    found.maker = ShownText(InLanguage(camera.Maker, "en"));
    found.model = ShownText(camera.Model ? camera.Model : "");
    const std::string english = ShownText(InLanguage(camera.Model, "en"));
    if (english != found.model)
        found.englishModel = english;
    found.name = ShownName(found.maker, english);
    found.mount = ShownText(camera.Mount ? camera.Mount : "");
    found.cropFactor = AsWritten(camera.CropFactor);
    const SensorSize sensor = SensorOfCropFactor(found.cropFactor);
    found.sensorWidth = sensor.width;
    found.sensorHeight = sensor.height;
    found.source = "lensfun";
    return found;
}

struct DatabaseDeleter {
    void operator()(lfDatabase* db) const { lf_db_destroy(db); }
};

constexpr std::uint64_t kLargestFile = 8u << 20, kLargestDatabase = 32u << 20;
constexpr double kLeastCropFactor = 0.1, kGreatestCropFactor = 20;

// Whether `folder` is the running user's own: theirs, and no one else's to write.
bool IsOwnFolder(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           OnlyOwnerMayWrite(st);
}

// A small regular file's bytes (a FIFO, a device or a folder in its place is
// never waited on); none for anything else or anything larger than `largest`.
std::optional<std::string> SmallFile(int folder, const char* name, std::uint64_t largest) {
    const CHandle file(::openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::uint64_t>(st.st_size) > largest)
        return std::nullopt;
    std::string bytes;
    if (ReadAllOf(file.Get(), largest, bytes) != 0)
        return std::nullopt;
    return bytes;
}

// The database's date in a folder, as lensfun reads it: -1 for a folder
// missing or empty, 0 without a timestamp.txt.
long Timestamp(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return -1;
    bool empty = true;
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            empty = false;
    long stamp = empty ? -1 : 0;
    if (!empty)
        if (const auto text = SmallFile(::dirfd(dir), "timestamp.txt", 64))
            stamp = std::strtol(text->c_str(), nullptr, 10);
    ::closedir(dir);
    return stamp;
}

// While one lives, what lensfun says of a file it cannot read (through
// glib's log) is not written to standard error: a verb's output is its own.
class QuietLensfun {
  public:
    QuietLensfun() : m_before(g_log_set_default_handler(&Nothing, nullptr)) {}
    ~QuietLensfun() { g_log_set_default_handler(m_before, nullptr); }
    QuietLensfun(const QuietLensfun&) = delete;
    QuietLensfun& operator=(const QuietLensfun&) = delete;

  private:
    static void Nothing(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}
    GLogFunc m_before;
};

// Loads the *.xml files of `folder` into `db`, within what is left of
// `budget` bytes; true when one was loaded.
bool LoadFolder(lfDatabase* db, const std::string& folder, std::uint64_t& budget) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".xml") == 0 && names.size() < 4096)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    const QuietLensfun quiet;
    bool loaded = false;
    for (const std::string& name : names) {
        const auto bytes = SmallFile(::dirfd(dir), name.c_str(), std::min(kLargestFile, budget));
        if (!bytes)
            continue;
        budget -= bytes->size();
        const std::string path = folder + "/" + name;
        loaded = lf_db_load_data(db, path.c_str(), bytes->data(), bytes->size()) == LF_NO_ERROR ||
                 loaded;
    }
    ::closedir(dir);
    return loaded;
}

CameraDatabase Collect(lfDatabase* db, bool loaded) {
    CameraDatabase out;
    const lfCamera* const* cameras = loaded ? lf_db_get_cameras(db) : nullptr;
    for (; cameras && *cameras; ++cameras) {
        const FoundCamera found = FromLensfun(**cameras);
        if (found.cropFactor >= kLeastCropFactor && found.cropFactor <= kGreatestCropFactor)
            out.cameras.push_back(found);
    }
    if (out.cameras.empty())
        out.problem = Tr("Cameras", kUnreadable);
    return out;
}
} // namespace

LensfunFolders LensfunFoldersHere() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string own;
    if (data && data[0] == '/')
        own = std::string(data) + "/lensfun";
    else if (home && home[0] == '/')
        own = std::string(home) + "/.local/share/lensfun";
    return {VEXTON_LENSFUN_DATA "/lensfun/version_1", "/var/lib/lensfun-updates/version_1", own};
}

CameraDatabase ReadLensfunDatabase(const LensfunFolders& folders) {
    const std::unique_ptr<lfDatabase, DatabaseDeleter> db(lf_db_new());
    if (!db)
        return Collect(nullptr, false);
    // The person's folders only where they are the person's.
    const bool own = !folders.own.empty() && IsOwnFolder(folders.own);
    const std::string ownUpdates = folders.own + "/updates/version_1";
    const bool updates = own && IsOwnFolder(ownUpdates);
    const long main = Timestamp(folders.system), system = Timestamp(folders.systemUpdates),
               user = updates ? Timestamp(ownUpdates) : -1;
    std::uint64_t budget = kLargestDatabase;
    bool loaded = false;
    if (main > system)
        loaded = LoadFolder(db.get(), user > main ? ownUpdates : folders.system, budget);
    else
        loaded = LoadFolder(db.get(), user > system ? ownUpdates : folders.systemUpdates, budget);
    if (own)
        loaded = LoadFolder(db.get(), folders.own, budget) || loaded;
    return Collect(db.get(), loaded);
}

const CameraDatabase& LensfunCameras() {
    static const CameraDatabase database = ReadLensfunDatabase(LensfunFoldersHere());
    return database;
}

CameraDatabase ReadLensfunCameras(const std::string& folder) {
    const std::unique_ptr<lfDatabase, DatabaseDeleter> db(lf_db_new());
    std::uint64_t budget = kLargestDatabase;
    const bool loaded = db && LoadFolder(db.get(), folder, budget);
    return Collect(db.get(), loaded);
}

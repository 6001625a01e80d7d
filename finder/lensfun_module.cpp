// The lensfun module: lensfun's database read through lensfun itself, for
// the program to load when its kept copy of the database will not serve.
#include "finder/lensfun_reading.h"

#include "calc/number_text.h"
#include "cameras/camera_table.h"
#include "framework/base/cstring.h"
#include "framework/base/file.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <glib.h>
#include <lensfun.h>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
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

// The crop factors the database's files write ("6.3333333"), which lensfun
// holds only as the nearest float, by camera: maker, model and variant as
// written without a language.
using WrittenCrops = std::map<std::string, double>;

std::string CameraKey(std::string_view maker, std::string_view model, std::string_view variant) {
    return std::string(maker) + '\n' + std::string(model) + '\n' + std::string(variant);
}

std::string Trimmed(std::string text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Reads the cameras' crop factors of one file, as written, with glib's XML
// parser (the one lensfun reads it with).
class CropScanner {
  public:
    explicit CropScanner(WrittenCrops& crops) : m_crops(crops) {}

    // Only the cameras' elements are parsed: most of a file is its lenses.
    void Scan(const std::string& xml) {
        static constexpr std::string_view kOpen = "<camera", kClose = "</camera>";
        for (std::size_t at = xml.find(kOpen); at != std::string::npos;
             at = xml.find(kOpen, at + kOpen.size())) {
            const char next = at + kOpen.size() < xml.size() ? xml[at + kOpen.size()] : '\0';
            if (next != '>' && next != ' ' && next != '\t' && next != '\n' && next != '\r')
                continue; // <cameras>, or another word
            const std::size_t end = xml.find(kClose, at);
            if (end == std::string::npos)
                return;
            Parse(std::string_view(xml).substr(at, end + kClose.size() - at));
            at = end;
        }
    }

  private:
    void Parse(std::string_view element) {
        static const GMarkupParser kParser = {&Start, &End, &Text, nullptr, nullptr};
        GMarkupParseContext* context =
            g_markup_parse_context_new(&kParser, G_MARKUP_DEFAULT_FLAGS, this, nullptr);
        g_markup_parse_context_parse(context, element.data(), static_cast<gssize>(element.size()),
                                     nullptr);
        g_markup_parse_context_free(context);
        m_inCamera = false; // an element cut short ends with it
    }
    static CropScanner& Self(gpointer data) { return *static_cast<CropScanner*>(data); }
    static void Start(GMarkupParseContext*, const gchar* element, const gchar** names,
                      const gchar**, gpointer data, GError**) {
        CropScanner& s = Self(data);
        const std::string name = element;
        bool inLanguage = false;
        for (const gchar** n = names; n && *n; ++n)
            inLanguage = inLanguage || std::strcmp(*n, "lang") == 0;
        if (name == "camera")
            s.m_inCamera = true, s.m_fields = {};
        s.m_field = s.m_inCamera && !inLanguage &&
                            (name == "maker" || name == "model" || name == "variant" ||
                             name == "cropfactor")
                        ? &s.m_fields[name]
                        : nullptr;
    }
    static void End(GMarkupParseContext*, const gchar* element, gpointer data, GError**) {
        CropScanner& s = Self(data);
        s.m_field = nullptr;
        if (std::strcmp(element, "camera") != 0 || !s.m_inCamera)
            return;
        s.m_inCamera = false;
        const std::string crop = Trimmed(s.m_fields["cropfactor"]);
        double value = 0;
        const auto [end, ec] = std::from_chars(crop.data(), crop.data() + crop.size(), value);
        if (ec == std::errc() && end == crop.data() + crop.size())
            s.m_crops[CameraKey(Trimmed(s.m_fields["maker"]), Trimmed(s.m_fields["model"]),
                                Trimmed(s.m_fields["variant"]))] = value;
    }
    static void Text(GMarkupParseContext*, const gchar* text, gsize length, gpointer data,
                     GError**) {
        if (std::string* field = Self(data).m_field)
            field->append(text, length);
    }

    WrittenCrops& m_crops;
    bool m_inCamera = false;
    std::map<std::string, std::string> m_fields;
    std::string* m_field = nullptr;
};

// The shape a variant names ("16:9", "4:3", "1:1"): its longer side over its
// shorter; 3:2 for any other variant.
double AspectOfVariant(std::string_view variant) {
    const std::size_t colon = variant.find(':');
    double w = 0, h = 0;
    if (colon == std::string_view::npos ||
        std::from_chars(variant.data(), variant.data() + colon, w).ptr != variant.data() + colon ||
        std::from_chars(variant.data() + colon + 1, variant.data() + variant.size(), h).ptr !=
            variant.data() + variant.size() ||
        !(w > 0) || !(h > 0))
        return 1.5;
    return std::max(w, h) / std::min(w, h);
}

// The number a float holds, as its shortest decimal: for a crop factor no
// file wrote (one added through lensfun's own calls).
double Shortest(float value) {
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    double written = value;
    if (ec == std::errc())
        std::from_chars(text, end, written);
    return written;
}

FoundCamera FromLensfun(const lfCamera& camera, const WrittenCrops& crops) {
    FoundCamera found;
    found.maker = ShownText(InLanguage(camera.Maker, "en"));
    found.model = ShownText(camera.Model ? camera.Model : "");
    const std::string english = ShownText(InLanguage(camera.Model, "en"));
    if (english != found.model)
        found.englishModel = english;
    found.variant = ShownText(InLanguage(camera.Variant, "en"));
    found.name = ShownName(found.maker, english);
    found.mount = ShownText(camera.Mount ? camera.Mount : "");
    const auto written =
        crops.find(CameraKey(camera.Maker ? camera.Maker : "", camera.Model ? camera.Model : "",
                             camera.Variant ? camera.Variant : ""));
    found.cropFactor = written != crops.end() ? written->second : Shortest(camera.CropFactor);
    const SensorSize sensor = SensorOfCropFactor(found.cropFactor, AspectOfVariant(found.variant));
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
bool LoadFolder(lfDatabase* db, const std::string& folder, std::uint64_t& budget,
                WrittenCrops& crops) {
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
        if (lf_db_load_data(db, path.c_str(), bytes->data(), bytes->size()) == LF_NO_ERROR) {
            CropScanner(crops).Scan(*bytes);
            loaded = true;
        }
    }
    ::closedir(dir);
    return loaded;
}

std::string Folded(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

// Every camera by a name of its own, so that each is chosen by the name it
// is listed under: one a built-in camera has already is the built-in's (the
// list's own data, found first), and names two of lensfun's share are told
// apart by the variant, then the crop factor, then the model.
void NameApart(std::vector<FoundCamera>& cameras) {
    std::set<std::string> builtIn;
    for (const CameraRecord& record : cameraTable)
        builtIn.insert(Folded(record.name));
    std::erase_if(cameras, [&](const FoundCamera& c) { return builtIn.count(Folded(c.name)); });
    const std::function<std::string(const FoundCamera&)> tellers[] = {
        [](const FoundCamera& c) { return c.variant; },
        [](const FoundCamera& c) {
            return "crop factor " + FormatShortest(c.cropFactor, 7, PlainNumberSettings());
        },
        [](const FoundCamera& c) { return c.model; },
    };
    for (const auto& teller : tellers) {
        std::map<std::string, std::vector<std::size_t>> byName;
        for (std::size_t i = 0; i < cameras.size(); ++i)
            byName[Folded(cameras[i].name)].push_back(i);
        for (const auto& [name, same] : byName) {
            if (same.size() < 2)
                continue;
            std::set<std::string> told;
            for (const std::size_t i : same)
                told.insert(teller(cameras[i]));
            if (told.size() < 2) // this tells none of them apart
                continue;
            for (const std::size_t i : same)
                if (const std::string apart = teller(cameras[i]); !apart.empty())
                    cameras[i].name += " (" + apart + ")";
        }
    }
}

// A lens of the database's with a focal length: its name read as lensfun
// reads it where the entry gives no focal length or aperture.
std::optional<LensfunLens> LensOf(const lfLens& entry) {
    lfLens lens(entry);
    if (!(lens.MinFocal > 0) || !(lens.MinAperture > 0))
        lens.GuessParameters();
    LensfunLens out;
    out.maker = ShownText(InLanguage(lens.Maker, "en"));
    out.model = ShownText(lens.Model ? lens.Model : "");
    if (const std::string english = ShownText(InLanguage(lens.Model, "en")); english != out.model)
        out.englishModel = english;
    out.mount = ShownText(lens.Mounts && lens.Mounts[0] ? lens.Mounts[0] : "");
    out.minFocal = Shortest(lens.MinFocal);
    out.maxFocal = lens.MaxFocal >= lens.MinFocal ? Shortest(lens.MaxFocal) : out.minFocal;
    out.widest = Shortest(lens.MinAperture);
    out.smallest = lens.MaxAperture > lens.MinAperture ? Shortest(lens.MaxAperture) : 0;
    if (!(out.minFocal > 0) || !(out.maxFocal < 10000) || out.model.empty())
        return std::nullopt;
    return out;
}

CameraDatabase Collect(lfDatabase* db, bool loaded, const WrittenCrops& crops) {
    CameraDatabase out;
    for (const lfLens* const* lens = loaded ? lf_db_get_lenses(db) : nullptr; lens && *lens; ++lens)
        if (std::optional<LensfunLens> found = LensOf(**lens))
            out.lenses.push_back(std::move(*found));
    const lfCamera* const* cameras = loaded ? lf_db_get_cameras(db) : nullptr;
    for (; cameras && *cameras; ++cameras) {
        const FoundCamera found = FromLensfun(**cameras, crops);
        if (found.cropFactor >= kLeastCropFactor && found.cropFactor <= kGreatestCropFactor)
            out.cameras.push_back(found);
    }
    NameApart(out.cameras);
    return out;
}

CameraDatabase ReadDatabase(const LensfunFolders& folders) {
    const std::unique_ptr<lfDatabase, DatabaseDeleter> db(lf_db_new());
    WrittenCrops crops;
    if (!db)
        return Collect(nullptr, false, crops);
    // The person's folders only where they are the person's.
    const bool own = !folders.own.empty() && IsOwnFolder(folders.own);
    const std::string ownUpdates = folders.own + "/updates/version_1";
    const bool updates = own && IsOwnFolder(ownUpdates);
    const long main = Timestamp(folders.system), system = Timestamp(folders.systemUpdates),
               user = updates ? Timestamp(ownUpdates) : -1;
    std::uint64_t budget = kLargestDatabase;
    bool loaded = false;
    if (main > system)
        loaded = LoadFolder(db.get(), user > main ? ownUpdates : folders.system, budget, crops);
    else
        loaded =
            LoadFolder(db.get(), user > system ? ownUpdates : folders.systemUpdates, budget, crops);
    if (own)
        loaded = LoadFolder(db.get(), folders.own, budget, crops) || loaded;
    return Collect(db.get(), loaded, crops);
}

CameraDatabase ReadFolder(const std::string& folder) {
    const std::unique_ptr<lfDatabase, DatabaseDeleter> db(lf_db_new());
    std::uint64_t budget = kLargestDatabase;
    WrittenCrops crops;
    const bool loaded = db && LoadFolder(db.get(), folder, budget, crops);
    return Collect(db.get(), loaded, crops);
}

const LensfunReading kReading{&ReadDatabase, &ReadFolder};
} // namespace

// The build that made it, which the program checks before anything else.
extern "C" __attribute__((visibility("default"))) const char* vexton_module_stamp() {
    return VEXTON_MODULE_STAMP;
}

extern "C" __attribute__((visibility("default"))) const LensfunReading* vexton_lensfun_reading() {
    return &kReading;
}

#include "finder/lensfun_cameras.h"

#include "framework/base/cstring.h"
#include "framework/base/translate.h"
#include <charconv>
#include <cstring>
#include <lensfun.h>
#include <memory>
#include <system_error>

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

CameraDatabase Collect(lfDatabase* db, bool loaded) {
    CameraDatabase out;
    const lfCamera* const* cameras = loaded ? lf_db_get_cameras(db) : nullptr;
    for (; cameras && *cameras; ++cameras)
        if ((*cameras)->CropFactor > 0)
            out.cameras.push_back(FromLensfun(**cameras));
    if (out.cameras.empty())
        out.problem = Tr("Cameras", kUnreadable);
    return out;
}
} // namespace

const CameraDatabase& LensfunCameras() {
    static const CameraDatabase database = [] {
        const std::unique_ptr<lfDatabase, DatabaseDeleter> db(lf_db_new());
        return Collect(db.get(), db && lf_db_load(db.get()) == LF_NO_ERROR);
    }();
    return database;
}

CameraDatabase ReadLensfunCameras(const std::string& folder) {
    const std::unique_ptr<lfDatabase, DatabaseDeleter> db(lf_db_new());
    return Collect(db.get(), db && lf_db_load_directory(db.get(), folder.c_str()));
}

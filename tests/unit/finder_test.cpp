// Cameras beyond the built-in list: found by the words a person types, read
// from lensfun's XML files, and by their sensor.
#include "child_process.h"
#include "finder/camera_catalog.h"
#include "finder/camera_search.h"
#include "finder/lensfun_cache.h"
#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "settings_test_support.h"
#include "test_folder.h"

#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {
FoundCamera Camera(const char* name, const char* maker, const char* model,
                   const char* english = "") {
    FoundCamera c;
    c.name = name;
    c.maker = maker;
    c.model = model;
    c.englishModel = english;
    return c;
}

const std::vector<FoundCamera> kShelf = {
    Camera("Nikon D70", "", "NIKON D70"),
    Camera("Large format 4x5 inches", "", ""),
    Camera("Sony Alpha 7R IV", "Sony", "ILCE-7RM4", "Alpha 7R IV"),
    Camera("Sony Alpha 7 IV", "Sony", "ILCE-7M4", "Alpha 7 IV"),
    Camera("Nikon Z 6II", "Nikon", "Nikon Z 6_2", "Z 6II"),
    Camera("Nikon D700", "Nikon", "Nikon D700"),
    Camera("Canon EOS R5", "Canon", "Canon EOS R5", "EOS R5"),
    Camera("Canon EOS R", "Canon", "Canon EOS R", "EOS R"),
    Camera("Fujifilm X-T4", "Fujifilm", "X-T4"),
};

std::vector<std::string> Names(const std::vector<std::size_t>& found) {
    std::vector<std::string> names;
    for (const std::size_t i : found)
        names.push_back(kShelf[i].name);
    return names;
}
} // namespace

TEST(CameraSearch, FindsByTheWordsAPhotographerTypes) {
    const struct {
        const char* name;
        const char* typed;
        std::vector<std::string> found;
    } rows[] = {
        {"Sony's way of writing it", "a7 iv", {"Sony Alpha 7 IV", "Sony Alpha 7R IV"}},
        {"with the Greek alpha", "\u03B17 IV", {"Sony Alpha 7 IV", "Sony Alpha 7R IV"}},
        {"the model in the photo's data", "ilce-7m4", {"Sony Alpha 7 IV"}},
        {"words in any order and case", "IV SONY 7r", {"Sony Alpha 7R IV"}},
        {"Nikon's second version", "z 6ii", {"Nikon Z 6II"}},
        {"the whole name first", "eos r", {"Canon EOS R", "Canon EOS R5"}},
        {"only whole words' beginnings", "x-t4", {"Fujifilm X-T4"}},
        {"a built-in camera before a longer name", "d70", {"Nikon D70", "Nikon D700"}},
        {"nothing typed", "  ", {}},
        {"nothing found", "hasselblad", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Names(FindCameras(kShelf, row.typed)), row.found) << row.name;
    EXPECT_EQ(FindCameras(kShelf, "eos r", 1).size(), 1u) << "at most the limit";
}

// One camera is meant when the words find one, or are the whole of one's
// name; otherwise the best few are the candidates.
TEST(CameraSearch, WordsMeanOneCameraOrNameTheCandidates) {
    const struct {
        const char* name;
        const char* typed;
        const char* chosen;
        std::size_t candidates;
    } rows[] = {
        {"a whole English name", "a7 iv", "Sony Alpha 7 IV", 0},
        {"a whole name that begins others", "eos r", "Canon EOS R", 0},
        {"the only one found", "x-t4", "Fujifilm X-T4", 0},
        {"several, none whole", "alpha 7", "", 2},
        {"none", "leica", "", 0},
    };
    for (const auto& row : rows) {
        const CameraChoice choice = ChooseCamera(kShelf, row.typed);
        EXPECT_EQ(choice.chosen ? kShelf[*choice.chosen].name : "", row.chosen) << row.name;
        EXPECT_EQ(choice.candidates.size(), row.candidates) << row.name;
    }
}

TEST(FoundCamera, CropFactorAndSensorAreTheDiagonalsRatio) {
    EXPECT_DOUBLE_EQ(CropFactorOfSensor(36, 24), 1.0);
    EXPECT_NEAR(CropFactorOfSensor(23.7, 15.5), 1.5279, 5e-5) << "the built-in Nikon D70";
    const SensorSize fullFrame = SensorOfCropFactor(1.0);
    EXPECT_NEAR(fullFrame.width, 36.0, 1e-12);
    EXPECT_NEAR(fullFrame.height, 24.0, 1e-12);
    const SensorSize apsC = SensorOfCropFactor(1.534);
    EXPECT_NEAR(CropFactorOfSensor(apsC.width, apsC.height), 1.534, 1e-6) << "to the nanometre";
    EXPECT_NEAR(apsC.width / apsC.height, 1.5, 1e-6);
}

// A folder of lensfun's XML: maker, model, English name, mount and crop
// factor as written; a folder without any is a sentence, never a failure.
TEST(LensfunCameras, ReadFromTheDatabasesOwnFiles) {
    char pattern[] = "/tmp/vextondof-lensfun-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    CameraDatabase none = ReadLensfunCameras(folder);
    EXPECT_TRUE(none.cameras.empty());
    EXPECT_EQ(none.problem, "lensfun's camera database could not be read, so only the built-in "
                            "cameras and your own are offered.");

    std::ofstream(folder + "/mil-test.xml")
        << "<lensdatabase version=\"1\">\n"
           "  <camera><maker>Sony</maker><model>ILCE-7M4</model>\n"
           "    <model lang=\"en\">Alpha 7 IV</model><mount>Sony E</mount>\n"
           "    <cropfactor>1</cropfactor></camera>\n"
           "  <camera><maker>Fujifilm</maker><model>X-T4</model><mount>Fujifilm X</mount>\n"
           "    <cropfactor>1.534</cropfactor></camera>\n"
           "</lensdatabase>\n";
    const CameraDatabase db = ReadLensfunCameras(folder);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(db.problem, "");
    ASSERT_EQ(db.cameras.size(), 2u);
    const FoundCamera* sony = nullptr;
    const FoundCamera* fuji = nullptr;
    for (const FoundCamera& c : db.cameras)
        (c.maker == "Sony" ? sony : fuji) = &c;
    ASSERT_TRUE(sony && fuji);
    EXPECT_EQ(sony->name, "Sony Alpha 7 IV");
    EXPECT_EQ(sony->model, "ILCE-7M4");
    EXPECT_EQ(sony->englishModel, "Alpha 7 IV");
    EXPECT_EQ(sony->mount, "Sony E");
    EXPECT_EQ(sony->source, "lensfun");
    EXPECT_NEAR(sony->sensorWidth, 36.0, 1e-9);
    EXPECT_EQ(fuji->name, "Fujifilm X-T4");
    EXPECT_EQ(fuji->englishModel, "") << "none given";
    EXPECT_EQ(fuji->cropFactor, 1.534) << "the number the database's file writes";
}

// The database installed with the program: today's bodies are in it, each
// with the crop factor lensfun gives.
TEST(LensfunCameras, TheInstalledDatabaseKnowsTodaysBodies) {
    const CameraCatalog catalog = AllCameras();
    if (!catalog.problem.empty())
        GTEST_SKIP() << catalog.problem;
    ASSERT_GT(catalog.cameras.size(), 57u + 800u);
    EXPECT_EQ(catalog.cameras[27].name, "Nikon D70") << "the built-in list first, in its order";
    const struct {
        const char* typed;
        const char* name;
        double cropFactor;
    } bodies[] = {{"a7 iv", "Sony Alpha 7 IV", 1.0},
                  {"eos r5", "Canon EOS R5", 1.0},
                  {"z 6ii", "Nikon Z 6II", 1.0},
                  {"x-t4", "Fujifilm X-T4", 1.534}};
    for (const auto& body : bodies) {
        const std::vector<std::size_t> found = FindCameras(catalog.cameras, body.typed, 1);
        ASSERT_EQ(found.size(), 1u) << body.typed;
        EXPECT_EQ(catalog.cameras[found[0]].name, body.name);
        EXPECT_EQ(catalog.cameras[found[0]].cropFactor, body.cropFactor);
    }
}

// A camera of lensfun's the person added is theirs, and listed once.
TEST(LensfunCameras, OneOfYoursIsListedOnceAsYours) {
    FoundCamera mine;
    mine.name = "Sony Alpha 7 IV";
    mine.maker = "Sony";
    mine.model = "ILCE-7M4";
    mine.source = "lensfun";
    FoundCamera renamed = mine;
    renamed.name = "My A7";
    for (const FoundCamera& own : {mine, renamed}) {
        const CameraCatalog catalog = AllCameras({own});
        if (!catalog.problem.empty())
            GTEST_SKIP() << catalog.problem;
        std::size_t found = 0;
        for (std::size_t i = 0; i < catalog.cameras.size(); ++i)
            if (catalog.cameras[i].model == "ILCE-7M4") {
                ++found;
                EXPECT_TRUE(catalog.IsOwn(i)) << own.name;
            }
        EXPECT_EQ(found, 1u) << own.name;
    }
}

// The person's cameras file: each readable line a camera, every other line
// kept as it was, the numbers written back to the last bit.
TEST(OwnCameras, ReadsWhatItCanAndKeepsTheRest) {
    const OwnCameras own = ParseOwnCameras(
        "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source\n"
        "Phone,,,7.21,5.6,4.2,,\r\n"
        "\n"
        "\"Sony Alpha 7 IV, mine\",Sony,ILCE-7M4,1,36,24,Sony E,lensfun\n"
        "Broken,,,abc,1,1,,\n"
        "# a note of the person's\n"
        "No sensor,,,1.5\n"
        "\"Open quote,,,1,2,3\n"
        "Negative,,,-1,2,3,,\n");
    ASSERT_EQ(own.cameras.size(), 2u);
    EXPECT_EQ(own.cameras[0].name, "Phone");
    EXPECT_EQ(own.cameras[0].sensorHeight, 4.2);
    EXPECT_EQ(own.cameras[0].source, "own") << "a line without one is the person's";
    EXPECT_EQ(own.cameras[1].name, "Sony Alpha 7 IV, mine");
    EXPECT_EQ(own.cameras[1].mount, "Sony E");
    EXPECT_EQ(own.cameras[1].source, "lensfun");
    EXPECT_EQ(own.unread, (std::vector<std::string>{
                              "Broken,,,abc,1,1,,", "# a note of the person's", "No sensor,,,1.5",
                              "\"Open quote,,,1,2,3", "Negative,,,-1,2,3,,"}));
    const OwnCameras again = ParseOwnCameras(OwnCamerasText(own));
    EXPECT_EQ(again.unread, own.unread);
    ASSERT_EQ(again.cameras.size(), 2u);
    EXPECT_EQ(again.cameras[1].name, "Sony Alpha 7 IV, mine");
    const FoundCamera odd = CameraOfSensor("Odd", 0.1 + 0.2, 1.0 / 3);
    EXPECT_EQ(ParseOwnCameras(OwnCamerasText({{odd}, {}, {}, false})).cameras[0].cropFactor,
              odd.cropFactor)
        << "the very double";
    // Without the header: name, crop factor, width, height, then the rest,
    // by tabs or by commas.
    const OwnCameras bare = ParseOwnCameras("Phone\t7.21\t5.6\t4.2\nGoPro,5.6,6.17,4.55,GoPro\n");
    ASSERT_EQ(bare.cameras.size(), 2u);
    EXPECT_EQ(bare.cameras[0].cropFactor, 7.21);
    EXPECT_EQ(bare.cameras[1].sensorWidth, 6.17);
    EXPECT_EQ(bare.cameras[1].maker, "GoPro");
}

TEST(OwnCameras, ANameMustStandForItself) {
    OwnCameras own;
    own.cameras.push_back(CameraOfSensor("Pixel 8 main", 9.8, 7.4));
    const struct {
        const char* name;
        const char* typed;
        const char* refusal;
    } rows[] = {
        {"a new name", "GoPro HERO12", ""},
        {"a built-in name begins with it", "nikon d7",
         "A camera named nikon d7 would stand for Nikon D70 of the list; give it a longer name."},
        {"the same name in another case", "PIXEL 8 MAIN",
         "You have a camera named Pixel 8 main already."},
        {"it begins one of the person's", "Pixel",
         "A camera named Pixel would be mistaken for your Pixel 8 main; give it another name."},
        {"one of the person's begins it", "Pixel 8 main wide",
         "A camera named Pixel 8 main wide would be mistaken for your Pixel 8 main; give it "
         "another name."},
        {"the list's last entry", "Other",
         "A camera named Other would stand for Other camera\u2026; "
         "give it a longer name."},
        {"no name", "  ", "A camera needs a name."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(RefusalToAdd(own, CameraOfSensor(row.typed, 5, 4), kOtherCameraText), row.refusal)
            << row.name;
}

TEST(OwnCameras, SensorSizesAsPeopleWriteThem) {
    const struct {
        const char* typed;
        double width, height; // 0 for refused
    } rows[] = {{"36x24", 36, 24},
                {"6.17 x 4.55", 6.17, 4.55},
                {"36\u00D724", 36, 24},
                {"36X24", 36, 24},
                {"36", 0, 0},
                {"0x24", 0, 0},
                {"-36x24", 0, 0},
                {"36x24mm", 36, 24},
                {"3.6 cm x 2.4 cm", 36, 24},
                {"36x24 furlongs", 0, 0},
                {"1e400x2", 0, 0},
                {"nanxnan", 0, 0},
                {"2000x1000", 0, 0}};
    for (const auto& row : rows) {
        const std::optional<SensorSize> got = ReadSensorSize(row.typed, NumberSettings{});
        EXPECT_EQ(got ? got->width : 0, row.width) << row.typed;
        EXPECT_EQ(got ? got->height : 0, row.height) << row.typed;
    }
}

// The person's lensfun folder cannot make the program hang nor offer what
// no camera is: a FIFO is never read, a file too large is passed over,
// crop factors outside 0.1 to 20 are not offered, and only the running
// user's own folder is read.
TEST(LensfunCameras, ThePersonsFolderIsReadWithCare) {
    const ProgramFolder root;
    const std::string system = root.folder() + "/system", own = root.folder() + "/own";
    std::filesystem::create_directories(system);
    std::filesystem::create_directories(own);
    const auto camera = [](const char* model, const char* crop) {
        return std::string("  <camera><maker>Test</maker><model>") + model + "</model><mount>T" +
               "</mount><cropfactor>" + crop + "</cropfactor></camera>\n";
    };
    std::ofstream(system + "/system.xml") << "<lensdatabase version=\"1\">\n"
                                          << camera("Body", "1.5") << "</lensdatabase>\n";
    std::ofstream(own + "/mine.xml")
        << "<lensdatabase version=\"1\">\n"
        << camera("Huge", "1e308") << camera("Tiny", "0.05") << camera("Widest", "20")
        << camera("Least", "0.1") << "</lensdatabase>\n";
    ASSERT_EQ(::mkfifo((own + "/x.xml").c_str(), 0600), 0);
    std::ofstream(own + "/large.xml")
        << "<lensdatabase version=\"1\">\n"
        << camera("Large", "2") << std::string(9u << 20, ' ') << "</lensdatabase>\n";
    const LensfunFolders folders{system, root.folder() + "/missing", own};
    const auto models = [&folders] {
        std::string found;
        for (const FoundCamera& c : ReadLensfunDatabase(folders).cameras)
            found += c.model + " ";
        return found;
    };
    // In a child, which a FIFO read would hold for ever: ten seconds at most.
    EXPECT_EQ(InChild(kSameUser, [&] { return models() == "Body Least Widest " ? 0 : 1; }), 0)
        << models();
    std::filesystem::permissions(own, std::filesystem::perms(0777));
    EXPECT_EQ(models(), "Body ") << "a folder anyone may write";
    std::filesystem::permissions(own, std::filesystem::perms(0755));
    if (!RunningAsRoot())
        GTEST_SKIP() << "another user's folder needs root";
    ASSERT_EQ(::chown(own.c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(models(), "Body ") << "another user's folder, read as root with their HOME";
}

// lensfun's database through the person's cached copy: the copy answers
// while the database's files are as they were (the same names, sizes and
// times), the files are read again when one changes, and a copy that is
// not whole, not this one's, or someone else's to write is never used.
TEST(LensfunCameras, TheCachedCopyAnswersOnlyForTheFilesAsTheyAre) {
    const TestFolder folder("lensfun-cache");
    const std::string system = (folder / "system").string();
    std::filesystem::create_directories(system);
    const auto write = [&system](const char* model) {
        std::ofstream(system + "/mil-test.xml")
            << "<lensdatabase version=\"1\">\n"
               "  <camera><maker>Sony</maker><model>"
            << model
            << "</model><mount>Sony E</mount><cropfactor>1</cropfactor></camera>\n"
               "</lensdatabase>\n";
    };
    const auto model = [](const CameraDatabase& db) {
        return db.cameras.empty() ? std::string("none") : db.cameras.front().model;
    };
    write("ILCE-7M4");
    const LensfunFolders folders{system, (folder / "no-updates").string(), ""};
    const std::string cache = (folder / "cache/vextondof/lensfun.cache").string();
    EXPECT_EQ(model(CachedLensfunDatabase(folders, cache)), "ILCE-7M4");
    struct stat kept {};
    ASSERT_EQ(::stat(cache.c_str(), &kept), 0) << "the copy is kept";
    EXPECT_EQ(kept.st_mode & 022, 0u) << "no one else's to write";

    // Other words of the same length, at the same time: the copy answers,
    // and so the files were not read.
    struct stat before {};
    ::stat((system + "/mil-test.xml").c_str(), &before);
    write("ILCE-7M5");
    const timespec same[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, (system + "/mil-test.xml").c_str(), same, 0);
    EXPECT_EQ(model(CachedLensfunDatabase(folders, cache)), "ILCE-7M4");
    // A new time: read again, and kept again.
    const timespec later[2] = {{before.st_mtim.tv_sec + 60, 0}, {before.st_mtim.tv_sec + 60, 0}};
    ::utimensat(AT_FDCWD, (system + "/mil-test.xml").c_str(), later, 0);
    EXPECT_EQ(model(CachedLensfunDatabase(folders, cache)), "ILCE-7M5");

    // A copy made for these very files answers; the same copy anyone may
    // write, or cut short, or made for other files, does not.
    CameraDatabase planted;
    FoundCamera plantedCamera;
    plantedCamera.model = "PLANTED";
    plantedCamera.cropFactor = 1;
    plantedCamera.sensorWidth = 36;
    plantedCamera.sensorHeight = 24;
    planted.cameras.push_back(plantedCamera);
    const auto plant = [&](const std::string& bytes, mode_t mode) {
        std::filesystem::remove(cache);
        std::ofstream(cache, std::ios::binary) << bytes;
        ::chmod(cache.c_str(), mode);
        return model(CachedLensfunDatabase(folders, cache));
    };
    const std::string copy = PackDatabase(planted, DatabaseSignature(folders));
    EXPECT_EQ(plant(copy, 0600), "PLANTED");
    EXPECT_EQ(plant(copy, 0666), "ILCE-7M5") << "anyone may write it";
    EXPECT_EQ(plant(copy.substr(0, copy.size() - 3), 0600), "ILCE-7M5") << "cut short";
    EXPECT_EQ(plant(PackDatabase(planted, "other files"), 0600), "ILCE-7M5");
    // A copy holding what the files' reading never keeps is read again: no
    // crop factor, or none that is a number, a size of nothing, escapes.
    for (const auto& [what, spoil] : std::vector<std::pair<const char*, void (*)(FoundCamera&)>>{
             {"NaN", [](FoundCamera& c) { c.cropFactor = std::nan(""); }},
             {"zero", [](FoundCamera& c) { c.cropFactor = 0; }},
             {"negative", [](FoundCamera& c) { c.cropFactor = -1; }},
             {"huge", [](FoundCamera& c) { c.cropFactor = 1e308; }},
             {"no sensor", [](FoundCamera& c) { c.sensorWidth = 0; }},
             {"escape", [](FoundCamera& c) { c.model = "PLANTED\x1b]0;owned\x07"; }}}) {
        CameraDatabase spoilt = planted;
        spoil(spoilt.cameras.front());
        EXPECT_EQ(plant(PackDatabase(spoilt, DatabaseSignature(folders)), 0600), "ILCE-7M5")
            << what;
    }
    CameraDatabase badLens = planted;
    LensfunLens lens;
    lens.model = "Lens";
    lens.minFocal = 50;
    lens.maxFocal = 35; // ends swapped
    badLens.lenses.push_back(lens);
    EXPECT_EQ(plant(PackDatabase(badLens, DatabaseSignature(folders)), 0600), "ILCE-7M5");
    // A link in the copy's place is neither followed nor replaced: the
    // person's file it points to stays as it was.
    std::filesystem::remove(cache);
    const std::string notes = (folder / "notes.txt").string();
    std::ofstream(notes) << "my notes\n";
    std::filesystem::create_symlink(notes, cache);
    EXPECT_EQ(model(CachedLensfunDatabase(folders, cache)), "ILCE-7M5");
    std::ifstream kept_notes(notes);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept_notes), {}), "my notes\n");
    EXPECT_TRUE(std::filesystem::is_symlink(cache));
    std::filesystem::remove(cache);
    // Without a place for a copy, the files themselves.
    EXPECT_EQ(model(CachedLensfunDatabase(folders, "")), "ILCE-7M5");
}

// Root with another person's HOME (as sudo keeps it) neither reads nor
// makes a copy in that person's cache folder.
TEST(LensfunCameras, NoCopyInSomeoneElsesCacheFolder) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const TestFolder folder("lensfun-cache-theirs");
    const std::string system = (folder / "system").string();
    std::filesystem::create_directories(system);
    std::ofstream(system + "/mil-test.xml")
        << "<lensdatabase version=\"1\"><camera><maker>Sony</maker><model>ILCE-7M4</model>"
           "<mount>Sony E</mount><cropfactor>1</cropfactor></camera></lensdatabase>\n";
    const std::string theirs = (folder / "theirs").string();
    std::filesystem::create_directories(theirs);
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    const LensfunFolders folders{system, (folder / "none").string(), ""};
    EXPECT_EQ(
        CachedLensfunDatabase(folders, theirs + "/.cache/vextondof/lensfun.cache").cameras.size(),
        1u);
    EXPECT_FALSE(std::filesystem::exists(theirs + "/.cache")) << "nothing made in their folder";
}

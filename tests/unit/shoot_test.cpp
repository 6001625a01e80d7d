// A whole shoot: photos without a focus distance answer with the zone
// table a photographer sets the lens by (each row a press of Calculate), a
// distance known only roughly with both ends, folders read as a file
// manager lists them, the rows sorted by any column, previews read only
// when asked, and `vextondof photo` over folders.
#include "../photos/test_photos.h"
#include "cli/command_line.h"
#include "framework/base/csv.h"
#include "photo/photo_csv.h"
#include "photo/photo_folder.h"
#include "photo/photo_reader.h"
#include "photo/photo_shot.h"
#include "photo/photo_wire.h"
#include "photo/photo_zones.h"
#include "photo/shoot.h"
#include "photo_verb_here.h"
#include "settings_test_support.h"
#include "test_folder.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {
const std::string& Photos() {
    return TestPhotosFolder();
}

const std::vector<FoundCamera>& NoLensfun() {
    static const std::vector<FoundCamera> none;
    return none;
}

// The photo's camera as a press finds it; a body the built-in list does
// not have, as one of the person's own 36 × 24 mm cameras.
PhotoShot ShotIn(const PhotoFacts& facts, const char* unit, const char* unitName) {
    PhotoCamera camera = CameraOfPhoto(facts, {}, NoLensfun);
    if (!camera.camera) {
        camera.from = PhotoCamera::From::Own;
        camera.camera =
            FoundCamera{facts.model, facts.make, facts.model, "", "", "", 1.0, 36, 24, "own"};
    }
    return ShotOfPhoto(facts, camera, {unit, unitName, "0.0300"}, NumberSettings{});
}

// What a press of Calculate gives for the shot's own texts at `distance`.
CalculationResult Press(const PhotoShot& shot, const char* unit, const std::string& distance) {
    return Calculate(CalculationInputs{shot.focalLengthText, shot.apertureValue, unit, "0.0300",
                                       shot.lens.cropFactor, distance, ""},
                     NumberSettings{});
}
} // namespace

// Without a focus distance, the distances a lens's scale is set to, each
// exactly what a press at that distance gives, in every unit.
TEST(Shoot, TheZoneTableIsAPressAtEachDistance) {
    const PhotoFacts f = ReadPhoto(Photos() + "/no-distance.jpg"); // D70, 35 mm, f/6.3
    const struct {
        const char* unit;
        const char* name;
        std::vector<std::string> typed; // as a person types them in the unit
        std::vector<std::string> shown;
    } units[] = {
        {"2", "meters", {"1", "2", "3", "5", "10"}, {"1 m", "2 m", "3 m", "5 m", "10 m"}},
        {"3", "centimeters", {"100", "200", "300", "500", "1000"}, {}},
        {"0", "feet", {"3", "5", "10", "15", "30"}, {"3 ft", "5 ft", "10 ft", "15 ft", "30 ft"}},
        {"1", "inches", {"36", "60", "120", "180", "360"}, {}},
        {"4", "feet and inches", {"3", "5", "10", "15", "30"}, {}},
    };
    for (const auto& u : units) {
        const PhotoShot shot = ShotIn(f, u.unit, u.name);
        EXPECT_FALSE(shot.calculated);
        const std::vector<ZoneRow> zones = ZonesOfShot(shot, {});
        ASSERT_EQ(zones.size(), 6u) << u.name;
        for (std::size_t i = 0; i < 5; ++i) {
            const CalculationResult press = Press(shot, u.unit, u.typed[i]);
            ASSERT_EQ(press.status, CalculationStatus::Ok);
            EXPECT_EQ(zones[i].result.depth.nearLimit, press.depth.nearLimit)
                << u.name << " " << u.typed[i];
            EXPECT_EQ(zones[i].result.depth.farLimit, press.depth.farLimit);
            EXPECT_EQ(zones[i].result.depth.farIsInfinite, press.depth.farIsInfinite);
            if (!u.shown.empty()) {
                EXPECT_EQ(zones[i].focusedAt, u.shown[i]);
            }
        }
        // Focused at infinity: sharp from f²/(N·c). The D70's circle is
        // 0.03/1.5279 = 0.019635 mm: 35²/(6.3 × 0.019635) = 9,903 mm.
        const ZoneRow& infinity = zones.back();
        EXPECT_EQ(infinity.focusedAt, "Infinity");
        EXPECT_TRUE(infinity.result.depth.farIsInfinite);
        const double metres =
            infinity.result.depth.nearLimit * DistanceUnitFor(std::stoi(u.unit)).factor;
        EXPECT_NEAR(metres, 9.903, 0.002) << u.name;
    }
    // Focused at 3 m with H = 9.938 m: sharp from 3 × 9.903 / (9.938 + 3 −
    // 0.070) = 2.309 m to 3 × 9.903 / (9.938 − 3) = 4.282 m.
    const PhotoShot metres = ShotIn(f, "2", "meters");
    const std::vector<ZoneRow> inMetres = ZonesOfShot(metres, {});
    EXPECT_NEAR(inMetres[2].result.depth.nearLimit, 2.309, 0.001);
    EXPECT_NEAR(inMetres[2].result.depth.farLimit, 4.282, 0.001);
}

// A distance typed for the photo: with its own unit or in the unit chosen,
// infinity by its name; what is no distance is refused.
TEST(Shoot, ADistanceTypedForThePhotoIsAPressThere) {
    const PhotoFacts f = ReadPhoto(Photos() + "/no-distance.jpg");
    const PhotoShot cm = ShotIn(f, "3", "centimeters");
    const CalculationResult typed = AnswerAt(cm.lens, "3 m", NumberSettings{});
    ASSERT_EQ(typed.status, CalculationStatus::Ok);
    EXPECT_EQ(typed.depth.nearLimit, Press(cm, "3", "300").depth.nearLimit);
    EXPECT_EQ(AnswerAt(cm.lens, "250", NumberSettings{}).depth.farLimit,
              Press(cm, "3", "250").depth.farLimit);
    for (const char* infinity : {"inf", "\u221E", "Infinity"}) {
        const CalculationResult r = AnswerAt(cm.lens, infinity, NumberSettings{});
        EXPECT_TRUE(r.status == CalculationStatus::Ok && r.depth.farIsInfinite) << infinity;
        EXPECT_EQ(r.depth.nearLimit, ZonesOfShot(cm, {}).back().result.depth.nearLimit);
    }
    // No nearer than the focal length, where nothing is in focus.
    EXPECT_EQ(AnswerAt(cm.lens, "3", NumberSettings{}).status, CalculationStatus::DistanceTooSmall);
    EXPECT_EQ(AnswerAt(cm.lens, "3.6", NumberSettings{}).status, CalculationStatus::Ok);
    const PhotoShot feet = ShotIn(f, "0", "feet"); // 35 mm exactly, through feet's own length
    EXPECT_EQ(AnswerAt(feet.lens, "0.035 m", NumberSettings{}).status,
              CalculationStatus::DistanceTooSmall);
    for (const char* nonsense : {"three", "3 parsecs", "-2 m", "0"})
        EXPECT_NE(AnswerAt(cm.lens, nonsense, NumberSettings{}).status, CalculationStatus::Ok)
            << nonsense;
    // A photo without its f-number has no zones, and nothing can be typed for it.
    EXPECT_TRUE(
        ZonesOfShot(ShotIn(ReadPhoto(Photos() + "/long-lens.jpg"), "2", "meters"), {}).empty());
}

// A distance the camera knew only between two ends: the nearest sharp
// focused at the near end, the farthest at the far end, and a sentence
// when the ends are further apart than the depth of field.
TEST(Shoot, ARoughDistanceGivesBothEnds) {
    PhotoFacts f = ReadPhoto(Photos() + "/canon-range.jpg"); // 50 mm f/8, 2.51 to 2.89 m
    const PhotoShot wide = ShotIn(f, "2", "meters");
    ASSERT_TRUE(wide.span);
    EXPECT_FALSE(wide.span->widerThanDepth) << "f/8 at 2.7 m is deeper than 0.38 m";
    EXPECT_EQ(wide.span->nearest, Press(wide, "2", "2.51").depth.nearLimit);
    EXPECT_EQ(wide.span->farthest, Press(wide, "2", "2.89").depth.farLimit);
    const std::string line = PhotoCsvLine(f, wide);
    const auto fields = SplitCsvLine(line.substr(0, line.find("\r\n")));
    ASSERT_TRUE(fields && fields->size() == 19) << line;
    EXPECT_EQ((*fields)[12], FormatFixed(wide.span->nearest, 6));  // near_min
    EXPECT_EQ((*fields)[13], FormatFixed(wide.span->farthest, 6)); // far_max
    EXPECT_EQ((*fields)[18], "");

    // At 100 mm and f/2.8 the depth (about 0.12 m) is less than the range.
    f.focalLength->value = 100;
    f.fNumber->value = 2.8;
    const PhotoShot narrow = ShotIn(f, "2", "meters");
    ASSERT_TRUE(narrow.span && narrow.span->widerThanDepth);
    ASSERT_EQ(narrow.notes.size(), 1u);
    EXPECT_EQ(narrow.notes[0].rfind("The camera knew the focus distance only to between 2.51 m "
                                    "and 2.89 m, a wider span than the depth of field",
                                    0),
              0u)
        << narrow.notes[0];
    // A distance read to its metadata's precision has no ends.
    EXPECT_FALSE(ShotIn(ReadPhoto(Photos() + "/d70.jpg"), "2", "meters").span);
}

// A folder's photos as a file manager names them: by name, not its
// subfolders unless asked, never hidden ones, never through a link.
TEST(Shoot, AFolderGivesItsPhotosByName) {
    const TestFolder folder("shoot");
    const std::string root = folder.Path().string();
    namespace fs = std::filesystem;
    fs::create_directories(root + "/day/sub");
    fs::create_directories(root + "/empty");
    for (const char* name :
         {"day/b.NEF", "day/a.jpg", "day/c.Cr3", "day/notes.txt", "day/.hidden.jpg",
          "day/sub/d.dng", "day/e.heic", "day/DSC_10.jpg", "day/dsc_9.jpg", "day/DSC_010.jpg"})
        std::ofstream(root + "/" + name) << "x";
    fs::create_directory_symlink(root + "/day/sub", root + "/day/link");
    const auto names = [&root](const std::vector<std::string>& files) {
        std::string out;
        for (const std::string& file : files)
            out += file.substr(root.size() + 1) + " ";
        return out;
    };
    // Letters without regard to case, numbers by their values.
    EXPECT_EQ(names(PhotosNamed({root + "/day"}, false).files),
              "day/a.jpg day/b.NEF day/c.Cr3 day/dsc_9.jpg day/DSC_010.jpg day/DSC_10.jpg "
              "day/e.heic ");
    EXPECT_EQ(names(PhotosNamed({root + "/day"}, true).files),
              "day/a.jpg day/b.NEF day/c.Cr3 day/dsc_9.jpg day/DSC_010.jpg day/DSC_10.jpg "
              "day/e.heic day/sub/d.dng ");
    // A file named is taken whatever its name; a folder without photos said.
    const NamedPhotos mixed = PhotosNamed({root + "/day/notes.txt", root + "/empty"}, false);
    EXPECT_EQ(names(mixed.files), "day/notes.txt ");
    ASSERT_EQ(mixed.emptyFolders.size(), 1u);
    for (const char* photo : {"x.JPG", "x.jpeg", "x.tif", "x.ARW", "x.orf", "x.rw2", "x.pef",
                              "x.raf", "x.srw", "x.nrw", "x.png", "x.heif", "x.avif"})
        EXPECT_TRUE(HasPhotoName(photo)) << photo;
    for (const char* other : {"x.txt", "x.xmp", "jpg", ".jpg", "x.jpg.part", "x.mov", "x.pp3"})
        EXPECT_FALSE(HasPhotoName(other)) << other;
}

// Sorted by a number column by the numbers, not their texts (10 m after
// 9 m); the unknown last either way; ties in the order read.
TEST(Shoot, RowsSortByTheirNumbers) {
    std::vector<ShootRow> rows;
    for (const char* name : {"d70.jpg", "group.jpg", "no-distance.jpg", "infinity.jpg",
                             "only-equivalent.jpg", "raw.cr2"}) {
        const PhotoFacts f = ReadPhoto(Photos() + "/" + name);
        rows.push_back(RowOfPhoto(f, ShotIn(f, "2", "meters"), NumberSettings{}));
    }
    std::vector<const ShootRow*> order;
    for (const ShootRow& row : rows)
        order.push_back(&row);
    const auto files = [&order] {
        std::string out;
        for (const ShootRow* row : order)
            out += row->cells[0] + " ";
        return out;
    };
    SortShoot(order, ShootColumn::Distance, false);
    EXPECT_EQ(files(), "only-equivalent.jpg raw.cr2 d70.jpg group.jpg infinity.jpg "
                       "no-distance.jpg ");
    SortShoot(order, ShootColumn::Distance, true);
    EXPECT_EQ(files(), "infinity.jpg group.jpg d70.jpg raw.cr2 only-equivalent.jpg "
                       "no-distance.jpg ");
    SortShoot(order, ShootColumn::FocalLength, false);
    EXPECT_EQ(files(), "only-equivalent.jpg d70.jpg infinity.jpg no-distance.jpg group.jpg "
                       "raw.cr2 ");
    SortShoot(order, ShootColumn::File, false);
    EXPECT_EQ(files(), "d70.jpg group.jpg infinity.jpg no-distance.jpg only-equivalent.jpg "
                       "raw.cr2 ");
    SortShoot(order, ShootColumn::Date, false); // only group.jpg records one
    EXPECT_EQ(order.front()->cells[0], "group.jpg");
    EXPECT_EQ(order.front()->cells[1], "2024-05-01 10:20:30");
}

// The embedded preview, read only when asked, as stored, and whole across
// the reader's pipe.
TEST(Shoot, ThePreviewIsThePhotosOwn) {
    const std::string path = Photos() + "/with-preview.jpg";
    EXPECT_TRUE(ReadPhoto(path).preview.empty());
    const PhotoFacts f = ReadPhoto(path, {}, {}, true);
    ASSERT_FALSE(f.preview.empty());
    const QImage preview = QImage::fromData(reinterpret_cast<const uchar*>(f.preview.data()),
                                            static_cast<int>(f.preview.size()));
    EXPECT_EQ(preview.size(), QSize(160, 120));
    EXPECT_GT(qRed(preview.pixel(80, 60)), 200) << "the orange preview, not the blue photo";
    const std::optional<PhotoFacts> crossed = UnpackPhotoFacts(PackPhotoFacts(f));
    ASSERT_TRUE(crossed);
    EXPECT_EQ(crossed->preview, f.preview);
    const PhotoFacts steps = ReadPhoto(Photos() + "/nikon-steps.jpg");
    EXPECT_EQ(UnpackPhotoFacts(PackPhotoFacts(steps))->distanceRange, steps.distanceRange);
    // A photo without one has none, and is read all the same.
    EXPECT_TRUE(ReadPhoto(Photos() + "/raw.cr2", {}, {}, true).refusal.empty());
}

// `vextondof photo FOLDER`: the folder's photos by name, its subfolders
// with --recursive, a folder without photos said, the progress told as it
// goes; each line of its CSV as the shoot's Export CSV writes it.
TEST(Shoot, TheTerminalReadsFolders) {
    const ProgramFolder program;
    const TestFolder shoot("terminal-shoot");
    namespace fs = std::filesystem;
    const std::string root = shoot.Path().string();
    fs::create_directories(root + "/day/later");
    fs::create_directories(root + "/nothing");
    for (const char* name : {"group.jpg", "d70.jpg"})
        fs::copy_file(Photos() + "/" + name, root + "/day/" + name);
    fs::copy_file(Photos() + "/raw.dng", root + "/day/later/raw.dng");
    std::ofstream(root + "/day/notes.txt") << "not a photo";
    std::vector<std::pair<std::size_t, std::size_t>> told;
    const CommandResult flat =
        PhotoVerbHere(program, {"--format", "csv", "--unit", "m", root + "/day"},
                      [&told](std::size_t done, std::size_t of) { told.emplace_back(done, of); });
    EXPECT_EQ(flat.exitCode, 0) << flat.err;
    EXPECT_EQ(std::count(flat.out.begin(), flat.out.end(), '\n'), 3) << flat.out;
    EXPECT_LT(flat.out.find("/day/d70.jpg,"), flat.out.find("/day/group.jpg,")) << "by name";
    EXPECT_EQ(told, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 2}, {2, 2}}));
    const CommandResult deep =
        PhotoVerbHere(program, {"--format", "csv", "--recursive", root + "/day"});
    EXPECT_NE(deep.out.find("/day/later/raw.dng,2024-05-02T08:00:00,"), std::string::npos)
        << deep.out;
    const CommandResult empty = PhotoVerbHere(program, {root + "/nothing"});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "vextondof: the folder " + root + "/nothing holds no photos\n");
    // Without a focus distance, the zone table a line each. With the stored
    // 0.031 mm, f²/(N·c) = 35² / (6.3 × 0.020289) = 9,583.6 mm; focused at
    // 3 m: 3000 × 9583.6 / (9618.6 + 3000 − 70) = 2,291 mm to
    // 3000 × 9583.6 / (9618.6 − 3000) = 4,344 mm.
    const CommandResult zones =
        PhotoVerbHere(program, {"--unit", "m", Photos() + "/no-distance.jpg"});
    EXPECT_NE(zones.out.find("\nFocused at 3 m: 2.29 m to 4.34 m\n"), std::string::npos)
        << zones.out;
    EXPECT_NE(zones.out.find("\nFocused at Infinity: 9.58 m to Infinity\n"), std::string::npos);
}

namespace {
// A JPEG of `size` pixels, written by Qt, progressive when asked.
std::string JpegBytes(QSize size, bool progressive) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(230, 120, 20));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes.toStdString();
}

// A D70's 50 mm shot at f/8, with `more` fields, read back.
PhotoFacts D70With(const TestFolder& folder, const char* name,
                   std::vector<std::pair<std::string, std::string>> more,
                   const std::string& preview = {}) {
    TestPhoto photo{name,
                    {{"Exif.Image.Make", "NIKON CORPORATION"},
                     {"Exif.Image.Model", "NIKON D70"},
                     {"Exif.Photo.FocalLength", "50/1"},
                     {"Exif.Photo.FNumber", "80/10"}}};
    photo.exif.insert(photo.exif.end(), more.begin(), more.end());
    const std::string path = (folder / name).string();
    EXPECT_TRUE(WriteTestPhoto(path, photo, preview)) << name;
    return ReadPhoto(path, {}, {}, true);
}
} // namespace

// What a camera records that cannot be a focus distance is named and not
// used, and the photo still answers what it can: a distance no farther
// than the focal length (a lens without a distance scale leaves Nikon's 0),
// a Canon range that is none, a fraction beyond what exiv2 prints whole.
TEST(Shoot, ADistanceThatCannotBeIsNotUsed) {
    const TestFolder folder("hostile-distances");
    const struct {
        const char* name;
        std::vector<std::pair<std::string, std::string>> fields;
        const char* note; // the start of the note; empty: nothing noted
    } rows[] = {
        {"near.jpg",
         {{"Exif.Photo.SubjectDistance", "1/100"}},
         "The photo records a focus distance of 0.01 m (Exif.Photo.SubjectDistance), no farther "
         "than its focal length"},
        {"nikon-0.jpg",
         {{"Exif.Nikon3.Version", "2 1 0 0"},
          {"Exif.Nikon3.LensData", "48 49 48 49 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"}},
         ""},
        {"canon-none.jpg",
         {{"Exif.Image.Make", "Canon"},
          {"Exif.CanonFi.FocusDistanceUpper", "100"},
          {"Exif.CanonFi.FocusDistanceLower", "300"}},
         "Canon's maker note records the focus distance as between"},
        {"nikon-huge.jpg",
         {{"Exif.Nikon3.FocusDistance", "4000000000/2000000000"}},
         "The photo records its focus distance as 4000000000/2000000000"},
    };
    for (const auto& row : rows) {
        const PhotoFacts f = D70With(folder, row.name, row.fields);
        EXPECT_FALSE(f.distance) << row.name << " " << f.distance->value;
        EXPECT_FALSE(f.distanceInfinite) << row.name;
        const std::string note = f.nonsense.empty() ? "" : Said(f.nonsense.back());
        EXPECT_EQ(note.substr(0, std::string(row.note).size()), row.note) << row.name;
        if (f.model == "NIKON D70") { // still its hyperfocal distance and zones
            const PhotoShot shot = ShotIn(f, "2", "meters");
            EXPECT_TRUE(shot.hyperfocalKnown) << row.name;
            EXPECT_EQ(ZonesOfShot(shot, {}).size(), 6u);
        }
    }
    // No zone nearer than the focal length: a 1200 mm lens starts at 2 m.
    PhotoFacts tele = ReadPhoto(Photos() + "/no-distance.jpg");
    tele.focalLength->value = 1200;
    EXPECT_EQ(ZonesOfShot(ShotIn(tele, "2", "meters"), {}).front().focusedAt, "2 m");
    // Focused at infinity, to a program: inf, and the field that says so.
    const PhotoFacts infinity = ReadPhoto(Photos() + "/infinity.jpg");
    const std::string line = PhotoCsvLine(infinity, ShotIn(infinity, "2", "meters"));
    EXPECT_NE(line.find(",inf,Exif.Photo.SubjectDistance,"), std::string::npos) << line;
}

// Only a plain JPEG of a preview's size is handed on as a thumbnail: a
// progressive one, or one declaring 32,000 pixels a side (a few hundred
// bytes that would take gigabytes to decode), is none.
TEST(Shoot, OnlyAPlainPreviewIsShown) {
    const TestFolder folder("hostile-previews");
    const std::string plain = JpegBytes({160, 120}, false);
    EXPECT_EQ(D70With(folder, "plain.jpg", {}, plain).preview, plain);
    EXPECT_TRUE(
        D70With(folder, "progressive.jpg", {}, JpegBytes({160, 120}, true)).preview.empty());
    std::string vast = plain; // its frame's height and width made 32,000
    const std::size_t frame = vast.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    vast[frame + 5] = vast[frame + 7] = '\x7D';
    vast[frame + 6] = vast[frame + 8] = '\x00';
    EXPECT_TRUE(D70With(folder, "vast.jpg", {}, vast).preview.empty());
    EXPECT_TRUE(D70With(folder, "png.jpg", {}, "\x89PNG\r\n\x1A\n rest of it").preview.empty());
}

// Photos: what each of the tests' own photos records, read with its source;
// nonsense named and never used; files that are no photo refused in one
// sentence; the shot's depth of field exactly a press of Calculate's; and
// `vextondof photo` over a whole folder.
#include "../photos/test_photos.h"
#include "cli/command_line.h"
#include "finder/lensfun_cameras.h"
#include "framework/base/csv.h"
#include "lists/aperture_stops.h"
#include "photo/photo_reader.h"
#include "photo/photo_shot.h"
#include "photo_verb_here.h"
#include "settings_test_support.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {
std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The tests' photos, made afresh once for all the tests here.
const std::string& Photos() {
    return TestPhotosFolder();
}

const std::vector<FoundCamera> kNoCameras;
const std::vector<FoundCamera>& NoLensfun() {
    return kNoCameras;
}

std::string Numbers(const PhotoFacts& f) {
    const auto n = [](const std::optional<RecordedNumber>& v) {
        return v ? FormatShortest(v->value, 6, NumberSettings{}) : std::string("-");
    };
    return n(f.focalLength) + " " + n(f.focalLength35) + " " + n(f.fNumber) + " " + n(f.distance);
}
} // namespace

TEST(Photos, TheScenariosPhotosAreTheTestsOwn) {
    std::vector<std::string> names = {"DSC_0001.JPG", "DSC_0002.JPG", "DSC_0003.JPG"};
    for (const TestPhoto& photo : TestPhotos())
        names.push_back(photo.name);
    for (const std::string& name : names)
        EXPECT_EQ(FileBytes(Photos() + "/" + name),
                  FileBytes(std::string(KEPT_PHOTOS) + "/" + name))
            << name << ": run make-test-photos tests/scenarios/photos";
}

TEST(Photos, EachValueReadWithItsSourceAndNonsenseNamed) {
    const struct {
        const char* file;
        const char* numbers; // focal length, 35 mm equivalent, f-number, distance in metres
        const char* firstNonsense;
    } rows[] = {
        {"group.jpg", "50 50 4 3.2", ""},
        {"group.png", "50 50 4 3.2", ""},
        {"d70.jpg", "18 - 5.6 2.5", ""},
        {"no-distance.jpg", "35 - 6.3 -", ""},
        {"unknown.jpg", "- - - -",
         "The photo records a focal length of 0 mm (Exif.Photo.FocalLength), which is not used."},
        {"infinity.jpg", "24 - 8 -", ""}, // focused at infinity, which is no nonsense
        {"absurd.jpg", "- - - -",
         "The photo records a focal length of 1000000 mm (Exif.Photo.FocalLength), which is not "
         "used."},
        {"only-equivalent.jpg", "4.25 26 1.8 1.2", ""},
        {"canon-range.jpg", "50 - 8 2.68663", ""}, // Canon's range, its middle in dioptres
        {"only-35mm.jpg", "- 27 8 2", ""},
        {"no-exif.png", "- - - -", ""},
        {"nikon-steps.jpg", "50 - 8 1", ""}, // step 80: 0.01 m × 10^(80/40)
        {"nikon-manual.jpg", "50 - 8 2.5", ""},
        {"om-system.jpg", "25 - 2.8 1.8", ""},
        {"olympus-mm.jpg", "25 - 5.6 3.2", ""},
        {"canon-si.jpg", "35 - 5.6 2.5", ""},
        {"raw.dng", "35 - 5.6 3", ""},
        {"raw.cr2", "85 - 1.8 2", ""},
    };
    for (const auto& row : rows) {
        const PhotoFacts f = ReadPhoto(Photos() + "/" + row.file);
        EXPECT_EQ(Said(f.refusal), "") << row.file;
        EXPECT_EQ(Numbers(f), row.numbers) << row.file;
        EXPECT_EQ(f.nonsense.empty() ? "" : Said(f.nonsense.front()), row.firstNonsense)
            << row.file;
    }
    const PhotoFacts group = ReadPhoto(Photos() + "/group.jpg");
    EXPECT_EQ(group.model, "ILCE-7M4");
    EXPECT_EQ(group.lens, "FE 50mm F1.8");
    EXPECT_EQ(group.fNumber->source, "Exif.Photo.FNumber");
    EXPECT_EQ(group.distance->source, "Exif.Photo.SubjectDistance");
    EXPECT_EQ(group.dateTaken, "2024:05:01 10:20:30");
    EXPECT_EQ(group.width, 32);
    const PhotoFacts canon = ReadPhoto(Photos() + "/canon-range.jpg");
    EXPECT_EQ(Said(canon.distanceNote),
              "Canon's maker note records the focus distance as between 2.51 m "
              "and 2.89 m; the middle in dioptres, 2.69 m, is used.");
    // The range in the unit chosen: in feet and inches, as a tape reads it
    // (2.51 m is 98.8 in, 8 ft 2 7/8 in; 2.89 m is 113.8 in, 9 ft 5 3/4 in).
    const PhotoShot inTape = ShotOfPhoto(canon, {}, {"4", "feet and inches", "0.0300"}, {});
    const std::string& distanceLine = inTape.lines[6].second;
    EXPECT_EQ(distanceLine,
              "8 ft 9 3/4 in (Exif.CanonFi.FocusDistanceLower, Exif.CanonFi.FocusDistanceUpper) "
              "Canon's maker note records the focus distance as between 8 ft 2 7/8 in and "
              "9 ft 5 3/4 in; the middle in dioptres, 8 ft 9 3/4 in, is used.");
    // Each maker's field, named as the distance's source.
    const struct {
        const char* file;
        const char* source;
    } makers[] = {
        {"nikon-steps.jpg", "Exif.NikonLd2.FocusDistance"},
        {"nikon-manual.jpg", "Exif.Nikon3.FocusDistance"},
        {"om-system.jpg", "Exif.OlympusFi.FocusDistance"},
        {"olympus-mm.jpg", "Exif.Olympus.FocusDistance"},
        {"canon-si.jpg", "Exif.CanonSi.SubjectDistance"},
        {"raw.dng", "Exif.Photo.SubjectDistance"},
    };
    for (const auto& row : makers) {
        const PhotoFacts f = ReadPhoto(Photos() + "/" + row.file);
        ASSERT_TRUE(f.distance) << row.file;
        EXPECT_EQ(f.distance->source, row.source);
    }
    // Nikon's steps are a fortieth of a decade: half a step either side of
    // 1 m is 10^(±1/80) m.
    const PhotoFacts steps = ReadPhoto(Photos() + "/nikon-steps.jpg");
    ASSERT_TRUE(steps.distanceRange);
    EXPECT_NEAR(steps.distanceRange->first, 0.971628, 1e-6);
    EXPECT_NEAR(steps.distanceRange->second, 1.029201, 1e-6);
    EXPECT_EQ(Said(steps.distanceNote),
              "Nikon's lens data records the focus distance in steps: between 0.97 m and 1.03 m.");
    EXPECT_EQ(ReadPhoto(Photos() + "/raw.cr2").model, "Canon EOS 5D Mark IV");
    EXPECT_EQ(ReadPhoto(Photos() + "/raw.dng").dateTaken, "2024:05:02 08:00:00");
    const PhotoFacts absurd = ReadPhoto(Photos() + "/absurd.jpg");
    EXPECT_EQ(absurd.nonsense.size(), 4u) << "focal length, f-number, distance, size";
    EXPECT_EQ(absurd.width, 0);
}

TEST(Photos, WhatIsNoPhotoIsSaidInOneSentence) {
    const std::string p = Photos() + "/";
    const struct {
        std::string file, refusal;
    } rows[] = {
        {p + "notes.txt", p + "notes.txt is not a photo."},
        {p + "truncated.jpg", p + "truncated.jpg is damaged: its metadata cannot be read."},
        {p + "empty.jpg", p + "empty.jpg is empty, not a photo."},
        {p + "a folder.jpg", p + "a folder.jpg is a folder, not a photo."},
        {p + "missing.jpg", p + "missing.jpg does not exist."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Said(ReadPhoto(row.file).refusal), row.refusal);
}

// The camera by its Exif names, or by the two focal lengths; the depth of
// field exactly what a press gives for the values the main form is handed.
TEST(Photos, TheShotIsWhatAPressOfCalculateGives) {
    const PhotoChoices meters{"2", "meters", "0.0300"};
    const PhotoFacts d70 = ReadPhoto(Photos() + "/d70.jpg");
    const PhotoCamera builtIn = CameraOfPhoto(d70, {}, NoLensfun);
    ASSERT_EQ(builtIn.from, PhotoCamera::From::BuiltIn);
    EXPECT_EQ(builtIn.camera->name, "Nikon D70");
    const PhotoShot shot = ShotOfPhoto(d70, builtIn, meters, NumberSettings{});
    ASSERT_TRUE(shot.calculated) << shot.missing;
    // f/5.6 is the list's own f/5.6, 2^2.5; 18 mm the list's 18.0.
    const CalculationInputs press{"18.0", "5.656854", "2", "0.0300", 1.5279, "2.5", ""};
    const CalculationResult result = Calculate(press, NumberSettings{});
    EXPECT_EQ(shot.result.depth.nearLimit, result.depth.nearLimit);
    EXPECT_EQ(shot.result.depth.farLimit, result.depth.farLimit);
    EXPECT_EQ(shot.result.depth.hyperfocal, result.depth.hyperfocal);
    // Written as a photographer reads them, not to six decimals: 1.350724,
    // 16.762763 and 2.935049 m.
    EXPECT_EQ(shot.result.nearText, "1.35 m");
    EXPECT_EQ(shot.result.farText, "16.76 m");
    EXPECT_EQ(shot.result.hyperfocalText, "2.94 m");

    const PhotoFacts phone = ReadPhoto(Photos() + "/only-equivalent.jpg");
    const PhotoCamera worked = CameraOfPhoto(phone, {}, NoLensfun);
    ASSERT_EQ(worked.from, PhotoCamera::From::FocalLengths);
    EXPECT_DOUBLE_EQ(worked.camera->cropFactor, 26 / 4.25);
    const PhotoShot phoneShot = ShotOfPhoto(phone, worked, meters, NumberSettings{});
    ASSERT_TRUE(phoneShot.calculated) << phoneShot.missing;
    const CalculationInputs typed{"4.25", "1.7818", "2", "0.0300", 26 / 4.25, "1.2", ""};
    EXPECT_EQ(phoneShot.result.depth.nearLimit, Calculate(typed, NumberSettings{}).depth.nearLimit);

    // Only the 35 mm equivalent: the focal length it stands for on a D70.
    const PhotoFacts only35 = ReadPhoto(Photos() + "/only-35mm.jpg");
    const PhotoShot fromEquivalent =
        ShotOfPhoto(only35, CameraOfPhoto(only35, {}, NoLensfun), meters, NumberSettings{});
    EXPECT_EQ(fromEquivalent.focalLengthText, "17.67") << "27 mm / 1.5279";
    EXPECT_EQ(fromEquivalent.lens.focalLength, 17.67);
    EXPECT_TRUE(fromEquivalent.calculated);

    const PhotoFacts noDistance = ReadPhoto(Photos() + "/no-distance.jpg");
    const PhotoShot missing =
        ShotOfPhoto(noDistance, CameraOfPhoto(noDistance, {}, NoLensfun), meters, NumberSettings{});
    EXPECT_FALSE(missing.calculated);
    EXPECT_EQ(missing.missing, "This photo does not record the focus distance: its depth of field "
                               "is given focused at the distances a lens's scale is set to.");
    EXPECT_EQ(missing.lens.apertureText, "f/6.3") << "typed, the list has none";
    EXPECT_EQ(missing.apertureValue, "6.3");
    EXPECT_EQ(missing.lens.fNumber, 6.3);

    // Without a focus distance, what does not depend on it still answers: the
    // hyperfocal distance f²/(N·c) + f, as a press at any distance gives it.
    EXPECT_TRUE(missing.hyperfocalKnown);
    EXPECT_EQ(missing.unrecorded, "no focus distance recorded");
    {
        Lens pressed = missing.lens;
        pressed.distance = 3;
        const CalculationResult press = Calculate(pressed, NumberSettings{});
        EXPECT_EQ(missing.result.depth.hyperfocal, press.depth.hyperfocal);
        // 35²/(6.3 · 0.03/1.5279) + 35 = 9,939 mm
        EXPECT_EQ(missing.result.hyperfocalText, "9.94 m");
        EXPECT_EQ(missing.lines.back().second, "9.94 m");
    }
    // Focused at infinity (Exif's all-ones distance): sharp from f²/(N·c) on.
    const PhotoFacts infinity = ReadPhoto(Photos() + "/infinity.jpg");
    const PhotoShot atInfinity = ShotOfPhoto(infinity, builtIn, meters, NumberSettings{});
    ASSERT_TRUE(atInfinity.calculated) << atInfinity.missing;
    EXPECT_TRUE(atInfinity.result.depth.farIsInfinite);
    const LensSetup at = atInfinity.lens.Setup();
    EXPECT_DOUBLE_EQ(atInfinity.result.depth.nearLimit, at.f * at.f / (at.N * at.c) / 1000);
    EXPECT_NEAR(atInfinity.result.depth.hyperfocal - atInfinity.result.depth.nearLimit, at.f / 1000,
                1e-12); // H − f
    EXPECT_EQ(atInfinity.result.farText, "Infinity");

    const PhotoFacts noCamera = ReadPhoto(Photos() + "/no-camera.jpg");
    EXPECT_EQ(
        ShotOfPhoto(noCamera, CameraOfPhoto(noCamera, {}, NoLensfun), meters, NumberSettings{})
            .missing,
        "This photo does not record its camera; choose or type it on the main form and "
        "press Calculate.");
}

// Real bodies' Exif names, as the cameras write them, find lensfun's
// entries, which spell maker and model their own way: a maker written
// longer in the photo than in the database still matches, another maker's
// body of the same model never does.
TEST(Photos, RealExifNamesFindTheirLensfunCamera) {
    const CameraDatabase& database = LensfunCameras();
    if (!database.problem.empty())
        GTEST_SKIP() << database.problem;
    const std::function<const std::vector<FoundCamera>&()> lensfun =
        [&database]() -> const std::vector<FoundCamera>& { return database.cameras; };
    const struct {
        const char* make;
        const char* model;
        const char* name; // as the camera list shows it; empty: none
        double cropFactor;
    } bodies[] = {
        {"NIKON CORPORATION", "NIKON Z 6_2", "Nikon Z 6II", 1.0},
        {"NIKON CORPORATION", "NIKON D850", "Nikon D850", 1.0},
        {"NIKON", "COOLPIX P7800", "Nikon Coolpix P7800", 4.67},
        {"Canon", "Canon EOS R5", "Canon EOS R5", 1.0},
        {"Canon", "Canon EOS 5D Mark IV", "Canon EOS 5D Mark IV", 1.0},
        {"SONY", "ILCE-7M4", "Sony Alpha 7 IV", 1.0},
        {"FUJIFILM", "X-T4", "Fujifilm X-T4", 1.534},
        {"OLYMPUS CORPORATION", "E-M1MarkIII", "", 2.0},
        {"Panasonic", "DC-G9", "", 2.0},
        {"PENTAX Corporation", "PENTAX K-x", "", 1.531},
        {"LEICA CAMERA AG", "LEICA Q2", "", 1.0},
        {"Leica Camera AG", "LEICA M (Typ 240)", "", 1.0},
    };
    for (const auto& body : bodies) {
        PhotoFacts facts;
        facts.make = body.make;
        facts.model = body.model;
        const PhotoCamera found = CameraOfPhoto(facts, {}, lensfun);
        ASSERT_EQ(found.from, PhotoCamera::From::Lensfun) << body.make << " / " << body.model;
        if (*body.name) {
            EXPECT_EQ(found.camera->name, body.name);
        }
        EXPECT_EQ(found.camera->cropFactor, body.cropFactor) << body.model;
    }
    PhotoFacts elsewhere;
    elsewhere.make = "Canon";
    elsewhere.model = "ILCE-7M4";
    EXPECT_EQ(CameraOfPhoto(elsewhere, {}, lensfun).from, PhotoCamera::From::None)
        << "another maker's model of the same name";
}

// The APEX aperture value counts stops from f/1 (Av = 2 log2 N): each whole,
// half and third stop's Av names the stop the lists mark, and a photo that
// records only its Av gives that stop, at the list's own f-number.
TEST(Photos, AnApexApertureIsTheStopItNames) {
    const struct {
        double av;
        const char* stop;
    } apex[] = {{0, "f/1"},
                {1, "f/1.4"},
                {2, "f/2"},
                {3, "f/2.8"},
                {4, "f/4"},
                {5, "f/5.6"},
                {6, "f/8"},
                {7, "f/11"},
                {8, "f/16"},
                {9, "f/22"},
                {10, "f/32"},
                {11, "f/45"},
                {4 + 1 / 3., "f/4.5"},
                {4 + 2 / 3., "f/5"},
                {5 + 1 / 3., "f/6.3"},
                {5 + 2 / 3., "f/7.1"},
                {6 + 1 / 3., "f/9"},
                {6 + 2 / 3., "f/10"},
                {5.5, "f/6.7"},
                {3.5, "f/3.3"}};
    for (const auto& row : apex) {
        const std::optional<NamedAperture> stop = StopOfApertureValue(row.av);
        ASSERT_TRUE(stop) << row.av;
        EXPECT_EQ(stop->text, row.stop) << "Av " << row.av;
        EXPECT_NEAR(stop->N, std::exp2(row.av / 2), 1e-6) << row.stop;
    }
    EXPECT_FALSE(StopOfApertureValue(5.2)) << "between stops: no stop named";

    const PhotoFacts onlyAv = ReadPhoto(Photos() + "/apex-only.jpg");
    ASSERT_TRUE(onlyAv.fNumber);
    EXPECT_EQ(onlyAv.fNumber->source, "Exif.Photo.ApertureValue");
    const PhotoShot shot = ShotOfPhoto(onlyAv, CameraOfPhoto(onlyAv, {}, NoLensfun),
                                       {"2", "meters", "0.0300"}, NumberSettings{});
    EXPECT_EQ(shot.lens.apertureText, "f/5.6");
    EXPECT_EQ(shot.apertureValue, "5.656854") << "the aperture list's own f/5.6";
    ASSERT_TRUE(shot.calculated) << shot.missing;
    const CalculationInputs press{"50.0", "5.656854", "2", "0.0300", 1.5279, "3", ""};
    EXPECT_EQ(shot.result.depth.nearLimit, Calculate(press, NumberSettings{}).depth.nearLimit);
}

TEST(Photos, AWholeShootFromTheTerminal) {
    const ProgramFolder program;
    const auto run = [&program](const std::vector<std::string>& args) {
        return PhotoVerbHere(program, args);
    };
    std::vector<std::string> args = {"--format", "csv", "--unit", "m"};
    for (const char* name :
         {"group.jpg", "d70.jpg", "notes.txt", "no-distance.jpg", "a folder.jpg"})
        args.push_back(Photos() + "/" + name);
    const CommandResult csv = run(args);
    EXPECT_EQ(csv.exitCode, 1) << "two files named";
    EXPECT_EQ(std::count(csv.err.begin(), csv.err.end(), '\n'), 2) << csv.err;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 4) << csv.out; // header, 3 photos
    EXPECT_NE(csv.out.find("/d70.jpg,,Nikon D70,,,18.000000,,5.600000,2.500000,"
                           "Exif.Photo.SubjectDistance,"),
              std::string::npos)
        << csv.out;
    // Without a focus distance, the circle of confusion and the hyperfocal
    // distance still, and a problem a file's reader understands.
    // 0.031/1.5279 = 0.020289 mm; 35²/(6.3 · 0.020289) + 35 = 9,618.6 mm.
    EXPECT_NE(csv.out.find(",,,,,,9.618602,meters,0.020289,no focus distance recorded\r\n"),
              std::string::npos)
        << csv.out;
    // The lens as it writes itself, and as lensfun knows it.
    // The date taken in ISO 8601, for programs.
    EXPECT_NE(csv.out.find("/group.jpg,2024-05-01T10:20:30,Sony Alpha 7 IV,FE 50mm F1.8,"
                           "Sony FE 50mm f/1.8,"),
              std::string::npos)
        << csv.out;

    const CommandResult text = run({"--unit", "m", Photos() + "/d70.jpg", Photos() + "/group.png"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("Aperture: f/5.6 (Exif.Photo.FNumber)\n"), std::string::npos);
    EXPECT_NE(text.out.find("\n\nFile: "), std::string::npos) << "a blank line between photos";
    EXPECT_EQ(run({"--unit", "m"}).exitCode, 2) << "no file";
    EXPECT_EQ(run({"--aperture", "f/8", Photos() + "/d70.jpg"}).exitCode, 2);
}

// What a stranger's photo says can steer neither a terminal nor a
// spreadsheet: no control character reaches either, no line is forged, and
// no CSV cell is a formula.
TEST(Photos, WhatAPhotoSaysIsShownSafely) {
    const ProgramFolder program;
    const auto run = [&program](const std::vector<std::string>& args) {
        return PhotoVerbHere(program, args);
    };
    const std::string photo = Photos() + "/hostile.jpg";
    const auto controls = [](const std::string& text) {
        return std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r') || c == 0x7F;
        });
    };
    const CommandResult text = run({"--unit", "m", photo});
    EXPECT_EQ(controls(text.out), 0) << text.out;
    EXPECT_EQ(text.out.find("\xC2\x9B"), std::string::npos) << "nor the C1 CSI";
    EXPECT_NE(text.out.find("Lens: @SUM(1+1)*cmd|' /C calc'!A0\\x0ANear Focus Limit of Depth of "
                            "Field: 1 m (Exif.Photo.LensModel)\n"),
              std::string::npos)
        << text.out;
    std::size_t nearLines = 0;
    for (std::size_t at = 0; (at = text.out.find("\nNear Focus Limit", at)) != std::string::npos;
         ++at)
        ++nearLines;
    EXPECT_EQ(nearLines, 1u) << "no line forged";
    EXPECT_NE(text.out.find("ILCE-7M4\\x1B]0;owned\\x07\\u009B31m"), std::string::npos);

    const CommandResult csv = run({"--format", "csv", "--unit", "m", photo});
    EXPECT_EQ(controls(csv.out), 0);
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 2) << "the header and one photo";
    const std::string line = csv.out.substr(csv.out.find('\n') + 1);
    const std::optional<std::vector<std::string>> fields =
        SplitCsvLine(line.substr(0, line.find("\r\n")));
    ASSERT_TRUE(fields && fields->size() == 19) << line;
    for (const std::string& field : *fields)
        EXPECT_TRUE(field.empty() || std::string("=+-@\t\r").find(field[0]) == std::string::npos)
            << field;
    EXPECT_EQ((*fields)[3], "'@SUM(1+1)*cmd|' /C calc'!A0\\x0ANear Focus Limit of Depth of Field: "
                            "1 m");
}

// Exif writes "YYYY:MM:DD HH:MM:SS", and blanks or zeros where the camera
// did not know the time; the form writes what it reads as the person does.
TEST(Photos, TheDateTakenAsThePersonWritesDates) {
    const auto read = ReadExifDate("2024:05:01 10:20:30");
    ASSERT_TRUE(read);
    EXPECT_EQ(IsoText(*read), "2024-05-01 10:20:30");
    for (const char* unknown : {"    :  :     :  :  ", "0000:00:00 00:00:00", "2024:05:01",
                                "2024-05-01 10:20:30", "2024:13:01 10:20:30", ""})
        EXPECT_FALSE(ReadExifDate(unknown)) << unknown;

    const PhotoFacts group = ReadPhoto(Photos() + "/group.jpg");
    PhotoChoices choices{"2", "meters", "0.0300"};
    const auto dateLine = [&] {
        for (const auto& [label, text] : ShotOfPhoto(group, {}, choices, {}).lines)
            if (label == "Date taken")
                return text;
        return std::string();
    };
    EXPECT_EQ(dateLine(), "2024-05-01 10:20:30 (Exif.Photo.DateTimeOriginal)");
    choices.dateText = [](const CalendarTime& t) {
        return std::to_string(t.day) + "/" + std::to_string(t.month) + "/" + std::to_string(t.year);
    };
    EXPECT_EQ(dateLine(), "1/5/2024 (Exif.Photo.DateTimeOriginal)");
}

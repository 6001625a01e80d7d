// The command line's verbs: what they print agrees to the byte with what a
// press of Calculate shows for the same choices; errors, stored choices and
// the table's formats.
#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "cli/command_line.h"
#include "finder/lensfun_cameras.h"
#include "framework/base/csv.h"
#include "lists/choice_lists.h"
#include "planner/focus_plan.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {
NumberSettings With(const char* decimal, const char* thousands) {
    NumberSettings s;
    s.decimalSeparator = decimal;
    s.thousandsSeparator = thousands;
    return s;
}

struct Folders {
    ProgramFolder program;
    CommandLineContext Machine(NumberSettings numbers = {}) const {
        return {program.folder() + "/vextondof", program.folder() + "/config", numbers, {}, {}};
    }
};

CommandResult Verb(const CommandLineContext& machine, std::vector<std::string> args) {
    CommandResult result = *RunCommandLine(args, machine);
    CollectOutput(result);
    return result;
}

template <class Entries> const ChoiceEntry& Pick(const Entries& entries, std::mt19937& random) {
    return entries[std::uniform_int_distribution<std::size_t>(0, entries.size() - 1)(random)];
}
} // namespace

TEST(CommandLine, CalculateAgreesWithAPressToTheByte) {
    Folders folders;
    std::mt19937 random(20261207);
    const std::vector<ChoiceEntry> cameras = CameraChoices(), focalLengths = FocalLengthChoices(),
                                   units = UnitChoices(), cofcs = CofCChoices();
    const char* const distances[] = {"2",  "0.5", "12.75", "1000",   "0,3", "3 m",
                                     "-1", "",    "1e400", "0.0001", "7.5"};
    const char* const diopters[] = {"", "1", "0.5", "0,25", "-2", "10"};
    const NumberSettings settingsList[] = {NumberSettings{}, With(",", "."), With(",", "\u202F")};
    for (int i = 0; i < 3000; ++i) {
        const ChoiceEntry& camera = Pick(cameras, random);
        const ChoiceEntry& focal = Pick(focalLengths, random);
        const ApertureValue& aperture =
            apertureValueTable[std::uniform_int_distribution<int>(0, kApertureCount - 1)(random)];
        const ChoiceEntry& unit = Pick(units, random);
        const ChoiceEntry& cofc = Pick(cofcs, random);
        const std::string distance = distances[random() % std::size(distances)];
        const std::string diopter = diopters[random() % std::size(diopters)];
        const NumberSettings& settings = settingsList[random() % std::size(settingsList)];
        const CommandResult got =
            Verb(folders.Machine(settings),
                 {"calculate", "--camera", CStringToUtf8(camera.displayText), "--focal-length",
                  CStringToUtf8(focal.displayText), "--aperture", aperture.displayText, "--unit",
                  CStringToUtf8(unit.displayText), "--cofc=" + CStringToUtf8(cofc.displayText),
                  "--distance", distance, "--diopter", diopter});
        // A distance typed with its unit ("3 m") is a press at that distance
        // in the chosen unit; any other text is read as the main form reads it.
        CalculationInputs in{*focal.valueText,
                             aperture.valueText,
                             *unit.valueText,
                             *cofc.valueText,
                             CameraForValue(*camera.valueText)->cropFactor,
                             distance,
                             diopter};
        in.distance =
            ReadTypedDistance(distance, settings, DistanceUnitFor(ParseInteger(*unit.valueText)));
        const CalculationResult press = Calculate(in, settings);
        if (press.status != CalculationStatus::Ok) {
            EXPECT_EQ(got.exitCode, 1);
            EXPECT_EQ(got.err,
                      std::string("Validation Error: ") + RefusalText(press.status) + "\n");
            EXPECT_EQ(got.out, "");
            continue;
        }
        ASSERT_EQ(got.exitCode, 0) << got.err;
        EXPECT_EQ(got.out, "Near Focus Limit of Depth of Field: " + press.nearText +
                               "\nFar Focus Limit of Depth of Field: " + press.farText +
                               "\nHyperfocal Distance: " + press.hyperfocalText +
                               "\nTotal Depth of Field: " + press.totalText +
                               "\nCircle of Confusion: " + press.cocText +
                               "\nDiopter Modified Focal Length: " + press.focalLengthText + "\n")
            << CStringToUtf8(camera.displayText) << " " << distance;
    }
}

TEST(CommandLine, ChoicesFollowTheStoredChoiceRule) {
    Folders folders;
    const CommandResult got =
        Verb(folders.Machine(),
             {"calculate", "--camera", "canon 20", "--focal-length", "50", "--aperture", "f/5.6",
              "--unit", "m", "--cofc", "0.03", "--distance", "3"});
    EXPECT_EQ(got.exitCode, 0);
    EXPECT_NE(got.out.find("Circle of Confusion: 0.018750 mm\n"), std::string::npos) << got.out;
    EXPECT_NE(got.out.find("Diopter Modified Focal Length: 50.00 mm\n"), std::string::npos);
    EXPECT_NE(got.out.find(" m\n"), std::string::npos) << "meters";
}

TEST(CommandLine, WhatIsNotUnderstoodIsSaidWithAPointerToHelp) {
    Folders folders;
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"calculate", "--camera", "Canon 2000x", "--distance", "2"},
         "vextondof: no camera begins with \"Canon 2000x\"; nearest: Canon 20D, Canon "
         "350D/Digital Rebel XT\nTry 'vextondof calculate --help'.\n"},
        {{"calculate", "--bogus", "1"},
         "vextondof: unknown option --bogus\nTry 'vextondof calculate --help'.\n"},
        {{"calculate", "--distance"},
         "vextondof: option --distance needs a value\nTry 'vextondof calculate --help'.\n"},
        {{"calculate", "2"},
         "vextondof: unexpected argument \"2\"\nTry 'vextondof calculate --help'.\n"},
        {{"calculate", "--unit", "m"},
         "vextondof: calculate needs --distance TEXT\nTry 'vextondof calculate --help'.\n"},
        {{"table", "--apertures", "f/4"},
         "vextondof: --apertures takes FROM:TO, two apertures (\"f/4:f/16\", \"2.8:6.3\")\nTry "
         "'vextondof table --help'.\n"},
        {{"table", "--format", "xls"},
         "vextondof: --format takes text, csv or pdf\nTry 'vextondof table --help'.\n"},
        {{"table", "--cofc", "0.5 mm wide"},
         "vextondof: the circle of confusion \"0.5 mm wide\" is not in the list and is not a "
         "number; nearest: 0.0399, 0.0400\nTry 'vextondof table --help'.\n"},
        {{"cameras", "--format", "pdf"},
         "vextondof: --format takes text or csv\nTry 'vextondof cameras --help'.\n"},
        {{"cameras", "--formt", "csv"},
         "vextondof: unknown option --formt; did you mean --format?\nTry 'vextondof cameras "
         "--help'.\n"},
    };
    for (const auto& c : cases) {
        const CommandResult got = Verb(folders.Machine(), c.args);
        EXPECT_EQ(got.exitCode, 2) << c.err;
        EXPECT_EQ(got.err, c.err);
        EXPECT_EQ(got.out, "");
    }
    EXPECT_FALSE(RunCommandLine({"--help"}, folders.Machine()));
    EXPECT_FALSE(RunCommandLine({}, folders.Machine()));
    const CommandResult help = Verb(folders.Machine(), {"table", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: vextondof table", 0), 0u);
}

TEST(CommandLine, StoredChoicesAreReadAndNeverWritten) {
    Folders folders;
    EXPECT_EQ(Verb(folders.Machine(), {"calculate", "--distance", "2"}).exitCode, 0);
    EXPECT_FALSE(folders.program.Exists()) << "no settings file made";
    EXPECT_FALSE(std::filesystem::exists(folders.program.folder() + "/config/vextondof"));
    // Canon 20D (crop factor 1.6) stored, the rest as the defaults.
    Bytes stored = {0xFF, 0xFE, 0xFF, 0x09};
    for (const char c : std::string("Canon 20D"))
        stored.insert(stored.end(), {static_cast<unsigned char>(c), 0});
    stored.insert(stored.end(), kDefaultFile.begin() + 22, kDefaultFile.end());
    folders.program.Write(stored);
    EXPECT_NE(Verb(folders.Machine(), {"calculate", "--distance", "2"})
                  .out.find("Circle of Confusion: 0.019375 mm"),
              std::string::npos);
    EXPECT_EQ(folders.program.Read(), stored);
    // A stored text that matches no entry is refused as the main form refuses it.
    stored[5] = 'X';
    folders.program.Write(stored);
    const CommandResult refused = Verb(folders.Machine(), {"calculate", "--distance", "2"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Validation Error: You must choose a camera from the list.\n");
}

TEST(CommandLine, TheTableInItsFormats) {
    Folders folders;
    const CommandLineContext machine = folders.Machine(With(",", "."));
    const CommandResult csv =
        Verb(machine, {"table", "--unit", "meters", "--focal-length", "50", "--apertures",
                       "f/4:f/5.6", "--distances", "2 x 2,5", "--format", "csv"});
    EXPECT_EQ(csv.exitCode, 1) << "a refused distance";
    EXPECT_EQ(csv.err, "Validation Error: \"x\" is not a positive distance and is left out.\n");
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 5) << csv.out; // header, 2 × 2
    EXPECT_NE(csv.out.find("\r\n2.500000,f/5.6,5.656854,"), std::string::npos) << csv.out;

    const CommandResult text =
        Verb(machine, {"table", "--unit", "m", "--focal-length", "50", "--aperture", "f/8",
                       "--distance", "2,5", "--apertures", "f/5.6:f/11", "--show", "total"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find(">f/8"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(">2,5 m"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Distances in meters, rounded to 0,01 m"), std::string::npos);

    CommandLineContext withPdf = machine;
    std::optional<bool> letter;
    withPdf.pdf = [&](const DofTable& table, const TablePageHeading& heading,
                      std::optional<bool> paper, const OutputSink& sink) {
        letter = paper;
        sink(heading.camera + " " + std::to_string(table.columns.size()));
        return true;
    };
    const CommandResult pdf = Verb(withPdf, {"table", "--format", "pdf", "--paper", "letter",
                                             "--output", folders.program.folder() + "/x.pdf"});
    EXPECT_EQ(pdf.out, "Nikon D70 7");
    EXPECT_TRUE(pdf.binaryOut);
    EXPECT_EQ(pdf.outputFile, folders.program.folder() + "/x.pdf");
    EXPECT_EQ(letter, std::optional<bool>(true));
}

TEST(CommandLine, PlanPrintsTheFormsResultsAndItsRefusals) {
    Folders folders;
    const CommandResult got =
        Verb(folders.Machine(), {"plan", "--camera", "35 mm", "--focal-length", "24", "--unit", "m",
                                 "--cofc", "0.03", "--near", "5", "--background", "100"});
    EXPECT_EQ(got.exitCode, 0) << got.err;
    PlanRequest request;
    request.lens = ReadLens({"24.0", "", "2", "0.0300", 1.0, "", ""}, NumberSettings{});
    request.lens.sensor = {36, 24};
    request.nearText = "5";
    request.backgroundText = "100";
    const FocusPlan plan = PlanFocus(request, NumberSettings{});
    EXPECT_EQ(got.out, "Focus at: " + plan.focusAt + "\nAperture needed: " + plan.apertureNeeded +
                           "\nSharp from \u2013 to: " + plan.sharpRange + "\nDiffraction: " +
                           plan.diffraction + "\nSharpest aperture (estimate): " + plan.sharpest +
                           "\nBackground blur on the sensor: " + plan.backgroundBlur +
                           "\nBackground blur, in circles of confusion: " + plan.backgroundCircles +
                           "\n");
    const CommandResult refused = Verb(folders.Machine(), {"plan", "--near", "3", "--far", "2"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "Validation Error: The farthest sharp point must be beyond the nearest.\n");
    EXPECT_EQ(Verb(folders.Machine(), {"plan", "--far", "inf"}).exitCode, 2) << "--near is needed";
    // A routine landscape: 2 m to 10 m at 50 mm needs f/16.9; f/22 holds it, and
    // diffraction there is a warning, not a refusal.
    const CommandResult landscape =
        Verb(folders.Machine(), {"plan", "--focal-length", "50", "--unit", "m", "--cofc", "0.03",
                                 "--camera", "35 mm", "--near", "200 cm", "--far", "10 m"});
    EXPECT_EQ(landscape.exitCode, 0);
    EXPECT_NE(landscape.out.find("Aperture needed: f/22, or f/18 in third stops (f/16.9 needed)\n"),
              std::string::npos)
        << landscape.out;
    EXPECT_EQ(landscape.err,
              "Warning: At f/22, diffraction blurs more than the circle of confusion allows.\n");
}

// Choices written as people write them select their entry; what selects
// none is answered with the entries meant, by value or by words and digits.
TEST(CommandLine, ChoicesAreReadByMeaning) {
    Folders folders;
    const struct {
        const char *name, *option, *typed, *selects;
    } read[] = {
        {"a bare f-number", "--aperture", "8", "f/8"},
        {"a capital F", "--aperture", "F11", "f/11"},
        {"millimetres written", "--focal-length", "50mm", "50.0"},
        {"feet abbreviated", "--unit", "ft", " ft\n"},
        {"centimetres abbreviated", "--unit", "cm", " cm\n"},
        {"inches abbreviated", "--unit", "in", " in\n"},
    };
    for (const auto& row : read) {
        const CommandResult got =
            Verb(folders.Machine(), {"calculate", "--distance", "3", row.option, row.typed});
        ASSERT_EQ(got.exitCode, 0) << row.name << ": " << got.err;
        if (std::string(row.option) == "--unit") {
            EXPECT_NE(got.out.find(row.selects), std::string::npos) << row.name;
        }
    }
    EXPECT_EQ(Verb(folders.Machine(), {"calculate", "--distance", "3", "--aperture", "8"}).out,
              Verb(folders.Machine(), {"calculate", "--distance", "3", "--aperture", "f/8"}).out);
    const struct {
        const char *name, *option, *typed, *error;
    } nearest[] = {
        {"an f-number mistyped", "--aperture", "f/1.8x",
         "the aperture \"f/1.8x\" is not in the list and is not a number; nearest: f/1.8, f/2"},
        {"words and digits", "--camera", "35mm",
         "no camera begins with \"35mm\"; nearest: 35 mm film 24x36, Canon 350D/Digital Rebel XT"},
        {"a slip of the fingers", "--distence", "3",
         "unknown option --distence; did you mean --distance?"},
    };
    for (const auto& row : nearest) {
        const CommandResult got =
            Verb(folders.Machine(), {"calculate", "--distance", "3", row.option, row.typed});
        EXPECT_EQ(got.exitCode, 2) << row.name;
        EXPECT_EQ(got.err.substr(0, got.err.find('\n')), std::string("vextondof: ") + row.error)
            << row.name;
    }
    const std::optional<CommandResult> verb = RunCommandLine({"calcuate"}, folders.Machine());
    ASSERT_TRUE(verb);
    EXPECT_EQ(verb->exitCode, 2);
    EXPECT_EQ(verb->err.substr(0, verb->err.find('\n')),
              "vextondof: \"calcuate\" is not a command; did you mean calculate?");
}

// The cameras the words find, built-in and lensfun's, best first; none found
// is said, exit 1.
TEST(CommandLine, CamerasListsWhatTheWordsFind) {
    Folders folders;
    const CommandResult d70 =
        Verb(folders.Machine(), {"cameras", "nikon", "d70", "--format", "csv"});
    EXPECT_EQ(d70.exitCode, 0);
    EXPECT_EQ(d70.out.substr(0, d70.out.find('\n', d70.out.find('\n') + 1) + 1),
              "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source\n"
              "Nikon D70,,NIKON D70,1.5279,23.700000,15.500000,,builtin\n");
    const CommandResult none = Verb(folders.Machine(), {"cameras", "no", "such", "body"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("No camera matches \"no such body\".\n"), std::string::npos);
    EXPECT_EQ(none.out, "");
}

// A camera the list does not have is looked for in lensfun's database by
// the same words: the one they mean is used as a built-in one is; words
// that could mean several name them.
TEST(CommandLine, ACameraOfLensfunsIsChosenByItsWords) {
    if (!LensfunCameras().problem.empty())
        GTEST_SKIP() << LensfunCameras().problem;
    Folders folders;
    const std::vector<std::string> lens = {"--focal-length", "50", "--aperture", "f/8",
                                           "--unit",         "m",  "--cofc",     "0.0300"};
    const auto calculate = [&](const char* camera) {
        std::vector<std::string> args = {"calculate", "--camera", camera, "--distance", "3"};
        args.insert(args.end(), lens.begin(), lens.end());
        return Verb(folders.Machine(), args);
    };
    // Fujifilm's X-T4, crop factor 1.534 in the database: 0.03 / 1.534.
    const CommandResult xt4 = calculate("x-t4");
    EXPECT_EQ(xt4.exitCode, 0) << xt4.err;
    EXPECT_NE(xt4.out.find("Circle of Confusion: 0.019557 mm\n"), std::string::npos);
    // A full-frame body reads as the 35 mm film format does.
    EXPECT_EQ(calculate("a7 iv").out, calculate("35 mm film").out);
    const CommandResult several = calculate("sony alpha");
    EXPECT_EQ(several.exitCode, 2);
    EXPECT_EQ(several.err.rfind("vextondof: --camera \"sony alpha\" could be Sony Alpha ", 0), 0u)
        << several.err;
}

// A camera of one's own, by its sensor: kept beside the settings file,
// chosen as a built-in camera is, removed again; a cameras file too large
// to read is never written over.
TEST(CommandLine, CamerasOfYourOwn) {
    Folders folders;
    const auto run = [&](std::vector<std::string> args) { return Verb(folders.Machine(), args); };
    const CommandResult added = run({"cameras", "--add", "Pixel 8 main", "--sensor", "9.8x7.4"});
    EXPECT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "Added Pixel 8 main: crop factor 3.523321.\n");
    EXPECT_EQ(run({"cameras", "--add", "Pixel", "--sensor", "5x4"}).err,
              "Validation Error: A camera named Pixel would be mistaken for your Pixel 8 main; "
              "give it another name.\n");
    // 0.03 mm over the crop factor, √(9.8² + 7.4²) / 43.2666 · 0.03.
    const CommandResult calculated =
        run({"calculate", "--camera", "pixel", "--focal-length", "7.0", "--aperture", "f/2",
             "--unit", "m", "--cofc", "0.0300", "--distance", "2"});
    EXPECT_NE(calculated.out.find("Circle of Confusion: 0.008515 mm\n"), std::string::npos)
        << calculated.out << calculated.err;
    EXPECT_NE(run({"cameras", "pixel"}).out.find("Pixel 8 main"), std::string::npos);
    EXPECT_EQ(run({"cameras", "--remove", "Pixel 8 main"}).out, "Removed Pixel 8 main.\n");
    EXPECT_EQ(run({"cameras", "--remove", "Pixel 8 main"}).exitCode, 1);

    const std::string file = folders.program.folder() + "/vextondof-cameras.csv";
    std::ofstream(file) << std::string(5u << 20, 'x');
    const CommandResult refused = run({"cameras", "--add", "GoPro", "--sensor", "6.17x4.55"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              "Validation Error: Your cameras file " + file + " is too large to be read.\n");
    EXPECT_EQ(std::filesystem::file_size(file), 5u << 20) << "left as it was";
}

// A camera named as a formula is never one in a CSV, and its file gives its
// name back exactly; a crop factor over a thousand has no thousands
// separator in a CSV, whatever the number settings.
TEST(CommandLine, CamerasCsvHoldsNoFormulaNorThousandsSeparator) {
    Folders folders;
    const auto run = [&](std::vector<std::string> args) {
        return Verb(folders.Machine(With(",", ".")), args);
    };
    const std::string formula = "=cmd|' /C calc'!A0";
    // The sensor in the person's number settings, as every length.
    const CommandResult added = run({"cameras", "--add", formula, "--sensor", "0,001x0,001"});
    EXPECT_EQ(added.exitCode, 0) << added.err;
    const CommandResult csv = run({"cameras", "cmd", "--format", "csv"});
    EXPECT_NE(csv.out.find("\n'=cmd|' /C calc'!A0,,,30594.117082,0.001000,0.001000,,own\n"),
              std::string::npos)
        << csv.out;
    EXPECT_EQ(csv.out.find("30.594"), std::string::npos) << csv.out;
    std::ifstream file(folders.program.folder() + "/vextondof-cameras.csv");
    const std::string kept(std::istreambuf_iterator<char>(file), {});
    EXPECT_NE(kept.find("\n'=cmd|' /C calc'!A0,"), std::string::npos) << kept;
    EXPECT_EQ(run({"cameras", "--remove", formula}).out, "Removed " + formula + ".\n")
        << "read back as it was named";
}

// A number no entry has is used as typed, from an option or from the stored
// choices, exactly as a press with that number: "3" is f/3, never the f/32
// its first characters begin; the table shows it as a column of its own.
TEST(CommandLine, NumbersNoEntryHasAreUsedAsTyped) {
    Folders folders;
    const auto Near = [&folders](std::vector<std::string> args) {
        args.insert(args.begin(), {"calculate", "--camera", "35 mm film 24x36", "--unit", "meters",
                                   "--distance", "3"});
        const CommandResult got = Verb(folders.Machine(), args);
        EXPECT_EQ(got.exitCode, 0) << got.err;
        return got.out.substr(0, got.out.find('\n'));
    };
    const auto Press = [](const char* focalLength, const char* N, const char* cofc) {
        const CalculationInputs in{focalLength, N, "2", cofc, 1.0, "3", ""};
        return "Near Focus Limit of Depth of Field: " + Calculate(in, NumberSettings{}).nearText;
    };
    const struct {
        const char* name;
        std::vector<std::string> options;
        std::string press;
    } rows[] = {
        {"a third stop",
         {"--aperture", "f/6.3", "--focal-length", "50", "--cofc", "0.03"},
         Press("50", "6.3", "0.03")},
        {"f/3, not f/32",
         {"--aperture", "3", "--focal-length", "50", "--cofc", "0.03"},
         Press("50", "3", "0.03")},
        {"a focal length with mm",
         {"--aperture", "8", "--focal-length", "23 mm", "--cofc", "0.03"},
         Press("23", "8", "0.03")},
        {"a circle of confusion",
         {"--aperture", "8", "--focal-length", "50", "--cofc", "0.01955"},
         Press("50", "8", "0.01955")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Near(row.options), row.press) << row.name;

    // Kept by the form as typed: "f/6.3" and "23 mm" stored.
    Bytes stored;
    for (const std::string text : {"35 mm film 24x36", "23 mm", "f/6.3", "meters", "0.0300"}) {
        stored.insert(stored.end(), {0xFF, 0xFE, 0xFF, static_cast<unsigned char>(text.size())});
        for (const char c : text)
            stored.insert(stored.end(), {static_cast<unsigned char>(c), 0});
    }
    folders.program.Write(stored);
    EXPECT_EQ(Near({}), Press("23", "6.3", "0.0300"));

    const CommandResult table = Verb(folders.Machine(), {"table", "--steps", "third", "--apertures",
                                                         "5.6:8", "--distances", "3"});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    const std::string header = table.out.substr(0, table.out.find('\n'));
    EXPECT_NE(header.find(" f/5.6 "), std::string::npos) << header;
    EXPECT_NE(header.find(" >f/6.3 "), std::string::npos) << header;
    EXPECT_EQ(header.find("f/6.3", header.find(">f/6.3") + 2), std::string::npos) << header;
    EXPECT_NE(header.find(" f/7.1 "), std::string::npos) << header;
    EXPECT_EQ(Verb(folders.Machine(), {"table", "--steps", "quarter"}).exitCode, 2);
}

// The circle of confusion from a print or from pixels, for the camera
// chosen: its steps, and computed in place by --cofc, as the very number
// typed.
TEST(CommandLine, ACircleOfConfusionThatFitsThePicture) {
    Folders folders;
    const CommandResult print =
        Verb(folders.Machine(), {"coc", "--camera", "35 mm film", "--print", "20x30cm"});
    ASSERT_EQ(print.exitCode, 0) << print.err;
    EXPECT_NE(print.out.find("\nFor 36 \u00D7 24 mm: 0.034613 mm\n"), std::string::npos)
        << print.out;
    const auto near = [&folders](const std::string& cofc) {
        const CommandResult r = Verb(folders.Machine(), {"calculate", "--camera", "canon 1ds",
                                                         "--distance", "3", "--cofc", cofc});
        EXPECT_EQ(r.exitCode, 0) << cofc << ": " << r.err;
        return r.out.substr(0, r.out.find('\n'));
    };
    const CommandResult pixels = Verb(
        folders.Machine(), {"coc", "--camera", "canon 1ds", "--pixels", "4064", "--factor", "2"});
    // For 36 × 24 mm: on the sensor times the camera's own crop factor,
    // 0.017618 × 1.0065, the one a press divides by.
    EXPECT_NE(pixels.out.find("\nFor 36 \u00D7 24 mm: 0.017733 mm\n"), std::string::npos)
        << pixels.out;
    // Without --factor, the two pixels the form proposes.
    EXPECT_EQ(Verb(folders.Machine(), {"coc", "--camera", "canon 1ds", "--pixels", "4064"}).out,
              pixels.out);
    EXPECT_EQ(near("pixels:2"), near("0.017733"))
        << "its own 4064 pixels, the value rounded as typed";
    EXPECT_NE(near("print:A4@50cm"), near("0.0300"));
    const struct {
        std::vector<std::string> args;
        const char* error;
    } refused[] = {
        {{"coc", "--camera", "canon 1ds"}, "coc takes --print, or --pixels or --pitch"},
        {{"coc", "--print", "20x30"}, "--print takes a size"},
        {{"calculate", "--camera", "a7 iv", "--distance", "3", "--cofc", "pixels:2"},
         "--cofc pixels: needs the camera's width in pixels"},
        {{"calculate", "--distance", "3", "--cofc", "print:postcard"}, "--cofc print: takes"},
        {{"coc", "--camera", "canon 1ds", "--pixels", "4064.5"}, "a whole number"},
        {{"coc", "--camera", "canon 1ds", "--pixels", "4.9e-324"}, "a whole number"},
        {{"coc", "--camera", "canon 1ds", "--pixels", "0"}, "a whole number"},
        {{"calculate", "--distance", "3", "--cofc", "print:1e-300x1e-300mm@1m"},
         "no circle of confusion to calculate with"},
    };
    for (const auto& row : refused) {
        const CommandResult r = Verb(folders.Machine(), row.args);
        EXPECT_EQ(r.exitCode, 2) << row.error;
        EXPECT_NE(r.err.find(row.error), std::string::npos) << r.err;
    }
    // What coc shows on the sensor is what a press then uses, for cameras
    // whose listed crop factor is not their sensor's diagonal ratio to the
    // last digit (the D70's 1.5279 against 23.7 × 15.5 mm's 1.52815).
    for (const char* camera : {"Nikon D70", "Canon 1Ds", "Olympus C-5050z", "Canon 20D"})
        for (const char* print : {"A4", "20x30cm", "8x10in@1m"}) {
            const std::string size = std::string(print).substr(0, std::string(print).find('@'));
            std::vector<std::string> coc = {"coc", "--camera", camera, "--print", size};
            if (std::string(print).find('@') != std::string::npos)
                coc.insert(coc.end(), {"--viewing", "1m"});
            const std::string steps = Verb(folders.Machine(), coc).out;
            const std::size_t on = steps.find("On the sensor: ");
            ASSERT_NE(on, std::string::npos) << steps;
            const std::string onSensor = steps.substr(on + 15, steps.find('\n', on) - on - 15);
            const CommandResult press =
                Verb(folders.Machine(), {"calculate", "--camera", camera, "--distance", "3",
                                         "--cofc", std::string("print:") + print});
            EXPECT_NE(press.out.find("Circle of Confusion: " + onSensor + "\n"), std::string::npos)
                << camera << " " << print << ": " << onSensor << "\n"
                << press.out << press.err;
        }
    // Numbers that give no circle to calculate with: refused in one
    // sentence, never inf nor nan.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"coc", "--camera", "canon 1ds", "--pitch", "1e-300mm"},
          {"coc", "--camera", "canon 1ds", "--print", "4.9e-324x4.9e-324mm"},
          {"coc", "--camera", "canon 1ds", "--pitch", "1e300mm"}}) {
        const CommandResult r = Verb(folders.Machine(), args);
        EXPECT_EQ(r.exitCode, 1) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err, "Validation Error: These numbers give no circle of confusion to calculate "
                         "with: for 36 \u00D7 24 mm it must be from 0.0001 mm to 10 mm.\n");
    }
}

// Every camera `cameras` lists is chosen by the name it is listed under:
// lensfun's whose names a built-in camera begins (Nikon D5, the list's
// D50), whose words also find one (Canon EOS R), and those that share a
// name, told apart by their variant, crop factor or model.
TEST(CommandLine, EveryListedCameraIsChosenByItsOwnName) {
    Folders folders;
    const CommandResult listed = Verb(folders.Machine(), {"cameras", "--format", "csv"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    std::size_t count = 0;
    std::set<std::string> names;
    for (std::size_t at = listed.out.find('\n') + 1; at < listed.out.size(); ++count) {
        const std::size_t end = listed.out.find('\n', at);
        const auto fields = SplitCsvLine(listed.out.substr(at, end - at));
        at = end + 1;
        ASSERT_TRUE(fields && fields->size() == 8);
        const std::string name = ReadCsvText((*fields)[0]);
        EXPECT_TRUE(names.insert(name).second) << name << " is listed twice";
        const double crop = ParseDecimal((*fields)[3]);
        const CommandResult r =
            Verb(folders.Machine(), {"calculate", "--camera", name, "--unit", "m", "--cofc",
                                     "0.0300", "--distance", "3"});
        EXPECT_NE(r.out.find("Circle of Confusion: " + FormatFixed(0.03 / crop, 6) + " mm\n"),
                  std::string::npos)
            << name << ": " << r.err;
    }
    EXPECT_GT(count, 900u);
    for (const char* name : {"Nikon D5", "Canon EOS R", "Sigma SD1", "Sony Alpha 7",
                             "Panasonic DMC-LX3 (1:1)", "Sony Cyber-shot (DSC-S75)"})
        EXPECT_TRUE(names.count(name)) << name;
}

// The verbs' texts for people follow their number settings; a CSV stays as
// programs read it.
TEST(CommandLine, CamerasInThePersonsNumberSettings) {
    Folders folders;
    const CommandLineContext german = folders.Machine(With(",", "."));
    const CommandResult text = Verb(german, {"cameras", "x-t4"});
    if (text.exitCode != 0)
        GTEST_SKIP() << text.err; // no lensfun database here
    // lensfun: crop factor 1.534, 23.468057 × 15.645372 mm.
    EXPECT_NE(text.out.find("1,534  23,47 x 15,65 mm"), std::string::npos) << text.out;
    const CommandResult csv = Verb(german, {"cameras", "x-t4", "--format", "csv"});
    EXPECT_NE(csv.out.find(",1.534,23.468057,15.645372,"), std::string::npos) << csv.out;
    // The full frame's diagonal, 43.267 mm, over 7 mm: 6.180945.
    const CommandResult added = Verb(german, {"cameras", "--add", "Phone", "--sensor", "5,6x4,2"});
    EXPECT_EQ(added.out, "Added Phone: crop factor 6,180945.\n") << added.err;
}

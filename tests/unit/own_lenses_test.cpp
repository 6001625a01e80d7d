// Your lens: what a chosen lens allows (worked apart: the widest aperture
// between a zoom's ends, the subject's distance from the sensor s + f·s/(s −
// f)), your own lenses kept in their file as your cameras are, the one lens
// words mean, and the same from a terminal.
#include "lenses/lens_limits.h"
#include "lenses/own_lenses.h"
#include "run_verb.h"

#include "test_lenses.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {
LensSetup In(double f, int unit) {
    return {f, 8, 0.03, &DistanceUnitFor(unit)};
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

TEST(OwnLenses, WhatALensAllows) {
    const NumberSettings english;
    const LensRecord kit = Zoom("kit", 18, 55, 3.5, 5.6), prime = Zoom("prime", 23, 23, 2, 2);
    EXPECT_EQ(FocalLengthRefusal(kit, 70, english), "This lens reaches from 18 to 55 mm.");
    EXPECT_EQ(FocalLengthRefusal(kit, 55, english), "");
    EXPECT_EQ(FocalLengthRefusal(prime, 50, english), "This lens has one focal length, 23 mm.");
    // The list's f/5.6 is 2^2.5 = 5.657 and its f/3.5 in thirds 2^(11/6) = 3.564:
    // the apertures their names say.
    EXPECT_EQ(ApertureRefusal(kit, 55, 5.656854, english), "");
    EXPECT_EQ(ApertureRefusal(kit, 18, 3.563595, english), "");
    EXPECT_EQ(ApertureRefusal(kit, 55, 4, english),
              "At 55 mm this lens opens no wider than f/5.6.");
    // At 35 mm: 3.5·1.6^(ln(35/18)/ln(55/18)) = 4.63.
    EXPECT_EQ(ApertureRefusal(kit, 35, 4, english),
              "At 35 mm this lens opens no wider than f/4.6.");
    EXPECT_EQ(ApertureRefusal(kit, 35, 32, english), "This lens closes no further than f/22.");
}

// 50 mm focusing no nearer than 0.45 m from the sensor: 0.3 m from the lens is
// 300 + 50·300/250 = 360 mm from it, too near; 0.4 m is 400 + 50·400/350 =
// 457.1 mm, near enough.
TEST(OwnLenses, NearerThanTheLensFocusesIsCalculatedAndNoted) {
    LensRecord lens = Zoom("l", 24, 105, 4, 4);
    lens.minFocus = 0.45;
    EXPECT_NEAR(FromSensorPlane(In(50, 2), 0.3), 0.36, 1e-12);
    EXPECT_EQ(MinimumFocusNote(lens, In(50, 2), 0.3, NumberSettings{}),
              "0.30 m from the lens is nearer than this lens focuses: 0.45 m from the sensor.");
    EXPECT_EQ(MinimumFocusNote(lens, In(50, 2), 0.4, NumberSettings{}), "");
    // Nearer still, towards the focal length, the lens needs ever more
    // extension (the subject-to-sensor distance grows again: 0.055 m from
    // the lens is 0.605 m from the sensor), and at or inside it none helps.
    for (const double near : {0.055, 0.0501, 0.05, 0.04})
        EXPECT_NE(MinimumFocusNote(lens, In(50, 2), near, NumberSettings{}), "") << near;
    // The nearest it focuses, 0.45 m from the sensor, is 0.3927 m from the lens.
    EXPECT_NE(MinimumFocusNote(lens, In(50, 2), 0.392, NumberSettings{}), "");
    EXPECT_EQ(MinimumFocusNote(lens, In(50, 2), 0.393, NumberSettings{}), "");
    // In feet: 1 ft from the lens is 304.8 + 50·304.8/254.8 = 364.6 mm from
    // the sensor; 0.45 m is 1.48 ft.
    EXPECT_EQ(MinimumFocusNote(lens, In(50, 0), 1, NumberSettings{}),
              "1.00 ft from the lens is nearer than this lens focuses: 1.48 ft from the sensor.");
    lens.minFocus = 0; // not known: nothing said
    EXPECT_EQ(MinimumFocusNote(lens, In(50, 2), 0.3, NumberSettings{}), "");
    // A 100 mm macro lens focusing to 0.4 m from the sensor reaches 1:1 (200 + 200 mm).
    lens.minFocus = 0.4;
    EXPECT_NEAR(GreatestMagnification(lens, 100).value_or(0), 1, 1e-9);
    lens.minFocus = 0;
    EXPECT_FALSE(GreatestMagnification(lens, 100));
}

TEST(OwnLenses, TheFileKeepsWhatItCannotRead) {
    const std::string text = "# my bag\n"
                             "name,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,"
                             "widest_at_max,smallest,min_focus_m,pupil_magnification,source\n"
                             "My 24-105,,,,24,105,4,4,22,0.45,0.6,own\n"
                             "Broken,,,,24,105,0.1,4,22,,,own\n"
                             "\"Quoted, name\",Sigma,,,50,,1.4,,16,,,own\n";
    const OwnLenses own = ParseOwnLenses(text);
    ASSERT_EQ(own.lenses.size(), 2u);
    EXPECT_EQ(own.lenses[0].minFocus, 0.45);
    EXPECT_EQ(own.lenses[0].pupil, 0.6);
    EXPECT_EQ(own.lenses[1].name, "Quoted, name");
    EXPECT_TRUE(own.lenses[1].IsPrime());
    EXPECT_EQ(own.lenses[1].widestAtMax, 1.4);
    EXPECT_EQ(own.unread,
              (std::vector<std::string>{"# my bag", "Broken,,,,24,105,0.1,4,22,,,own"}));
    // Written back: every lens, and what could not be read as it was.
    const OwnLenses again = ParseOwnLenses(OwnLensesText(own));
    ASSERT_EQ(again.lenses.size(), 2u);
    EXPECT_EQ(again.lenses[1].name, "Quoted, name");
    EXPECT_EQ(again.unread, own.unread);
    // Without the header: name, focal lengths, widest apertures, smallest,
    // minimum focus, pupil magnification.
    EXPECT_EQ(ParseOwnLenses("Old lens\t50\t\t1.8\n").lenses.size(), 1u);
}

TEST(OwnLenses, WhatCannotBeKeptIsRefused) {
    OwnLenses own;
    own.lenses.push_back(Zoom("Mine", 50, 50, 1.8, 1.8));
    const struct {
        LensRecord lens;
        const char* sentence;
    } rows[] = {
        {Zoom(" ", 50, 50, 2, 2), "A lens needs a name."},
        {Zoom("Tab\tname", 50, 50, 2, 2),
         "A lens's name is one line, without tabs or control characters."},
        {Zoom("Mine", 35, 35, 2, 2), "You have a lens named Mine already."},
        {Zoom("MINE", 35, 35, 2, 2), "You have a lens named Mine already."},
        {Zoom("Kit", 18, 55, 5.6, 3.5),
         "A zoom opens no wider at its long end than at its short end: the widest apertures go "
         "from the short end to the long one (\u201C3.5-5.6\u201D)."},
        {Zoom("Long", 105, 24, 4, 4),
         "Focal lengths are from 1 to 5000 mm, the longest not shorter than the shortest."},
        {Zoom("Fast", 50, 50, 0.3, 0.3),
         "Apertures are from f/0.5 to f/256, the smallest not wider than the widest."},
    };
    for (const auto& r : rows)
        EXPECT_EQ(RefusalToAddLens(own, r.lens), r.sentence) << r.lens.name;
    LensRecord near = Zoom("Near", 50, 50, 2, 2);
    near.minFocus = 0.001;
    EXPECT_EQ(RefusalToAddLens(own, near), "The minimum focus distance is from 0.01 to 1000 m.");
    near.minFocus = 0.3;
    near.pupil = 50;
    EXPECT_EQ(RefusalToAddLens(own, near), "The pupil magnification is from 0.05 to 20.");
}

TEST(OwnLenses, TheOneLensWordsMean) {
    const LensDatabase& database = LensfunLenses();
    const auto chosen = [&database](const char* words) {
        const LensChoice choice = ChooseLens(database.lenses, words);
        return choice.chosen ? database.lenses[*choice.chosen].name : std::string();
    };
    EXPECT_EQ(chosen("e 18-55 oss"), "Sony E 18-55mm f/3.5-5.6 OSS"); // not the 18-135's 5.5
    EXPECT_EQ(chosen("xf 23 f2"), "Fujifilm XF 23mm f/2 R WR");
    EXPECT_EQ(chosen("XF23mmF2 R WR"), "Fujifilm XF 23mm f/2 R WR"); // as a photo writes it
    EXPECT_EQ(chosen("nikkor z 24-70 f4"), "Nikon NIKKOR Z 24-70mm f/4 S");
    const LensChoice several = ChooseLens(database.lenses, "ef 100 macro");
    EXPECT_FALSE(several.chosen);
    EXPECT_GE(several.candidates.size(), 3u);
    EXPECT_TRUE(ChooseLens(database.lenses, "no such lens 9999").candidates.empty());
}

TEST(OwnLenses, FromATerminal) {
    ProgramFolder program;
    const auto run = [&program](const std::vector<std::string>& args) {
        return RunVerb(program, args);
    };
    const CommandResult added = run({"lenses", "--add", "My 24-105", "--focal", "24-105",
                                     "--widest", "4", "--min-focus", "45 cm", "--pupil", "0.6"});
    EXPECT_EQ(added.exitCode, 0) << added.err;
    EXPECT_NE(FileText(program.folder() + "/vextondof-lenses.csv")
                  .find("My 24-105,,,,24,105,4,4,22,0.45,0.6,own"),
              std::string::npos);
    EXPECT_EQ(run({"lenses", "--add", "My 24-105", "--focal", "50", "--widest", "2"}).err,
              "Validation Error: You have a lens named My 24-105 already.\n");
    EXPECT_EQ(run({"lenses", "my 24"}).out, "My 24-105  24\u2013105 mm  f/4    yours\n");

    const std::vector<std::string> lens = {"--lens", "My 24-105", "--unit",   "m",
                                           "--cofc", "0.03",      "--camera", "35 mm"};
    std::vector<std::string> args = {"calculate", "--focal-length", "50", "--aperture",
                                     "f/2",       "--distance",     "3"};
    args.insert(args.end(), lens.begin(), lens.end());
    const CommandResult wide = run(args);
    EXPECT_EQ(wide.exitCode, 1);
    EXPECT_EQ(wide.err, "Validation Error: At 50 mm this lens opens no wider than f/4.\n");
    args = {"calculate", "--focal-length", "50", "--aperture", "f/8", "--distance", "0.3"};
    args.insert(args.end(), lens.begin(), lens.end());
    const CommandResult near = run(args);
    EXPECT_EQ(near.exitCode, 0) << near.err;
    EXPECT_EQ(near.err,
              "Note: 0.30 m from the lens is nearer than this lens focuses: 0.45 m from the "
              "sensor.\n");
    // The table's columns are the lens's whole stops, f/4 to f/22, and a row
    // nearer than it focuses is marked, its note beneath.
    args = {"table", "--focal-length", "50", "--distances", "0.3 2"};
    args.insert(args.end(), lens.begin(), lens.end());
    const std::string table = run(args).out;
    EXPECT_EQ(table.substr(table.find("f/"), 3), "f/4") << table;
    EXPECT_NE(table.find("f/22"), std::string::npos) << table;
    EXPECT_EQ(table.find("f/32"), std::string::npos) << table;
    EXPECT_NE(table.find("0.3 m \u2021"), std::string::npos) << table;
    EXPECT_NE(table.find("\u2021 Nearer than this lens focuses: 0.45 m from the sensor."),
              std::string::npos)
        << table;
    // The close-up form's pupil magnification is the lens's: f/8·(1 + 0.2/0.6).
    args = {"closeup", "--focal-length", "105", "--aperture", "f/8", "--magnification", "0.2"};
    args.insert(args.end(), lens.begin(), lens.end());
    EXPECT_NE(run(args).out.find("Working aperture: f/10.7 (0.8 stops of light lost)"),
              std::string::npos);
    EXPECT_EQ(run({"lenses", "--remove", "My 24-105"}).exitCode, 0);
    EXPECT_EQ(run({"lenses", "--remove", "My 24-105"}).exitCode, 1);
    EXPECT_EQ(run({"lenses", "--focal", "50"}).exitCode, 2) << "--focal goes with --add";
}

// Real Exif strings of current bodies' lenses, found among lensfun's: the
// LensModel as the lens writes it, with or without its maker; else the
// LensSpecification (focal lengths and widest apertures) of LensMake's.
TEST(OwnLenses, ThePhotosLensFoundFromItsExif) {
    const std::vector<LensRecord>& lenses = LensfunLenses().lenses;
    const auto found = [&lenses](const char* make, const char* model, const char* ranges) {
        const std::optional<std::size_t> i = FindLensOfPhoto(lenses, make, model, ranges);
        return i ? lenses[*i].name : std::string();
    };
    EXPECT_EQ(found("SONY", "FE 24-105mm F4 G OSS", ""), "Sony FE 24-105mm f/4 G OSS");
    EXPECT_EQ(found("Canon", "RF24-105mm F4 L IS USM", ""), "Canon RF 24-105mm F4L IS USM");
    EXPECT_EQ(found("Nikon", "NIKKOR Z 24-70mm f/4 S", ""), "Nikon NIKKOR Z 24-70mm f/4 S");
    EXPECT_EQ(found("FUJIFILM", "XF23mmF2 R WR", ""), "Fujifilm XF 23mm f/2 R WR");
    EXPECT_EQ(found("SONY", "", "24/1 105/1 4/1 4/1"), "Sony FE 24-105mm f/4 G OSS");
    // The XF 23mm f/2 and the X100's fixed lens share 23 mm at f/2: neither is said.
    EXPECT_EQ(found("FUJIFILM", "", "23/1 23/1 2/1 2/1"), "");
    EXPECT_EQ(found("", "Some Lens 9mm", ""), "");
    EXPECT_EQ(found("", "", "not four rationals"), "");
    // Two of the maker's lenses share the range and apertures: neither is said.
    EXPECT_EQ(found("Canon", "", "24/1 105/1 4/1 4/1"), "");
}

// Zeiss writes the aperture with a decimal comma before the focal length,
// which lensfun reads as f/4; lensfun lists a few lenses twice.
TEST(OwnLenses, LensfunsNamesReadAsPhotographersWriteThem) {
    const std::vector<LensRecord>& lenses = LensfunLenses().lenses;
    const LensChoice planar = ChooseLens(lenses, "planar 1,4/50 zf");
    ASSERT_TRUE(planar.chosen);
    EXPECT_EQ(lenses[*planar.chosen].widestAtMin, 1.4);
    const LensChoice twice = ChooseLens(lenses, "EF 100-400mm f/4.5-5.6L IS II USM");
    EXPECT_TRUE(twice.chosen) << "a lens listed twice alike is one lens";
}

// The lists a chosen lens leaves on the main form, as named rows worked
// apart from the code (the widest aperture between a zoom's ends by hand:
// 18–55 mm f/3.5–5.6 at 35 mm opens to f/4.63); the lens kept between runs
// beside the settings file; a lens of one's own read as typed.
#include "lenses/chosen_lens.h"
#include "lenses/lens_limits.h"
#include "lenses/own_lenses.h"
#include "lists/choice_lists.h"
#include "test_folder.h"

#include "test_lenses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>

namespace {
std::vector<std::string> Names(const std::vector<ChoiceEntry>& entries) {
    std::vector<std::string> names;
    for (const ChoiceEntry& entry : entries)
        names.push_back(CStringToUtf8(entry.displayText));
    return names;
}
} // namespace

TEST(LensLists, TheAperturesALensOpensToAtEachFocalLength) {
    const struct {
        const char* what;
        LensRecord lens;
        double f;
        std::vector<std::string> apertures;
    } rows[] = {
        {"kit zoom at its short end: its own f/3.5 first",
         Zoom("kit", 18, 55, 3.5, 5.6),
         18,
         {"f/3.5", "f/4", "f/5.6", "f/8", "f/11", "f/16", "f/22"}},
        {"kit zoom at 35 mm: f/4.63, written never wider",
         Zoom("kit", 18, 55, 3.5, 5.6),
         35,
         {"f/4.7", "f/5.6", "f/8", "f/11", "f/16", "f/22"}},
        {"kit zoom at its long end: f/5.6 is the list's own",
         Zoom("kit", 18, 55, 3.5, 5.6),
         55,
         {"f/5.6", "f/8", "f/11", "f/16", "f/22"}},
        {"constant f/4 zoom",
         Zoom("L", 24, 105, 4, 4),
         70,
         {"f/4", "f/5.6", "f/8", "f/11", "f/16", "f/22"}},
        {"RF 24-105 f/4-7.1 at 50 mm: f/5.32",
         Zoom("RF", 24, 105, 4, 7.1),
         50,
         {"f/5.4", "f/5.6", "f/8", "f/11", "f/16", "f/22"}},
        {"f/1.8 prime: the list's f/1.8",
         Zoom("50", 50, 50, 1.8, 1.8, 16),
         50,
         {"f/1.8", "f/2", "f/2.8", "f/4", "f/5.6", "f/8", "f/11", "f/16"}},
        {"closing to f/29, beyond the list's stops",
         Zoom("tele", 100, 400, 4.5, 5.6, 29),
         100,
         {"f/4.5", "f/5.6", "f/8", "f/11", "f/16", "f/22", "f/29"}},
        {"closing to f/45",
         Zoom("macro", 100, 100, 2.8, 2.8, 45),
         100,
         {"f/2.8", "f/4", "f/5.6", "f/8", "f/11", "f/16", "f/22", "f/32", "f/45"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Names(AperturesOfLens(ApertureChoices(), row.lens, row.f)), row.apertures)
            << row.what;
    // Each entry offered is one the lens allows, and none it allows is left out.
    const NumberSettings english;
    const LensRecord kit = Zoom("kit", 18, 55, 3.5, 5.6);
    for (double f = 18; f <= 55; f += 0.5)
        for (const ChoiceEntry& entry : AperturesOfLens(ApertureChoices(), kit, f))
            EXPECT_EQ(ApertureRefusal(kit, f, std::stod(*entry.valueText), english), "")
                << f << " mm, " << CStringToUtf8(entry.displayText);
}

TEST(LensLists, AnApertureNotKnownLeavesEveryStop) {
    LensRecord unknown = Zoom("unknown", 50, 50, 0, 0);
    EXPECT_EQ(AperturesOfLens(ApertureChoices(), unknown, 50).size(), 11u); // f/1 to f/22
}

TEST(LensLists, TheFocalLengthsALensHas) {
    const std::vector<ChoiceEntry> all = FocalLengthChoices();
    const std::vector<std::string> kit =
        Names(FocalLengthsOfLens(all, Zoom("kit", 18, 55, 3.5, 5.6)));
    ASSERT_EQ(kit.size(), 75u); // 18.0 to 55.0 by 0.5
    EXPECT_EQ(kit.front(), "18.0");
    EXPECT_EQ(kit.back(), "55.0");
    EXPECT_EQ(Names(FocalLengthsOfLens(all, Zoom("prime", 23, 23, 2, 2))),
              std::vector<std::string>{"23.0"});
    // Ends the list has no entry for are entries of their own.
    const std::vector<std::string> odd =
        Names(FocalLengthsOfLens(all, Zoom("odd", 10.25, 12, 4, 4)));
    EXPECT_EQ(odd, (std::vector<std::string>{"10.25", "10.5", "11.0", "11.5", "12.0"}));
    EXPECT_EQ(Names(FocalLengthsOfLens(all, Zoom("phone", 4.38, 4.38, 1.8, 1.8))),
              std::vector<std::string>{"4.38"});
    // Beyond 300 mm, the list's long lenses within the range.
    const std::vector<std::string> tele =
        Names(FocalLengthsOfLens(all, Zoom("tele", 150, 600, 5, 6.3)));
    EXPECT_EQ(tele.size(), 301u + 13u);
    EXPECT_EQ(tele.back(), "600.0");
    EXPECT_EQ(Names(FocalLengthsOfLens(all, Zoom("long", 800, 1300, 8, 8))),
              (std::vector<std::string>{"800.0", "1000.0", "1200.0", "1300.0"}));
}

TEST(LensLists, TheLensInUseIsKeptBesideTheSettings) {
    TestFolder folder("chosen-lens");
    const SettingsLocation settings((folder / "vextondof.ini").string());
    EXPECT_FALSE(ReadChosenLens(settings, 0)); // none yet
    LensRecord lens = Zoom("Canon RF 24-105mm F4-7.1 IS STM", 24, 105, 4, 7.1);
    lens.maker = "Canon";
    lens.mount = "Canon RF";
    lens.minFocus = 0.34;
    lens.source = "lensfun";
    EXPECT_EQ(KeepChosenLens(settings, lens), "");
    const std::optional<LensRecord> read = ReadChosenLens(settings, 0);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, lens.name);
    EXPECT_EQ(read->mount, "Canon RF");
    EXPECT_EQ(read->widestAtMax, 7.1);
    EXPECT_EQ(read->minFocus, 0.34);
    EXPECT_EQ(read->source, "lensfun");
    // In a file of its own: the settings file is not written.
    EXPECT_TRUE(std::filesystem::exists(folder / kChosenLensFileName));
    EXPECT_FALSE(std::filesystem::exists(folder / "vextondof.ini"));
    // No lens, and a file that is not one, read as no lens.
    EXPECT_EQ(KeepChosenLens(settings, std::nullopt), "");
    EXPECT_FALSE(ReadChosenLens(settings, 0));
    std::ofstream(folder / kChosenLensFileName, std::ios::binary) << "\x01\x02garbage,,\n";
    EXPECT_FALSE(ReadChosenLens(settings, 0));
    // Kept for the run only: nothing is written, and that is no failure.
    EXPECT_EQ(KeepChosenLens(SettingsLocation(), lens), "");
}

TEST(LensLists, ALensOfOnesOwnAsTyped) {
    const NumberSettings english;
    NumberSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    std::optional<LensRecord> zoom =
        ReadTypedLens({"Kit", "18-55", "f/3.5-5.6", "", "", ""}, english);
    ASSERT_TRUE(zoom);
    EXPECT_EQ(zoom->focalMax, 55);
    EXPECT_EQ(zoom->widestAtMax, 5.6);
    EXPECT_EQ(zoom->smallest, 22); // when not given
    EXPECT_EQ(zoom->minFocus, 0);
    std::optional<LensRecord> prime =
        ReadTypedLens({"Alt", "50", "1,8", "16", "45 cm", "0,8"}, german);
    ASSERT_TRUE(prime);
    EXPECT_TRUE(prime->IsPrime());
    EXPECT_EQ(prime->widestAtMin, 1.8);
    EXPECT_EQ(prime->smallest, 16);
    EXPECT_DOUBLE_EQ(prime->minFocus, 0.45);
    EXPECT_EQ(prime->pupil, 0.8);
    EXPECT_EQ(RefusalToAddLens({}, *prime), "");
    // What is not a number: none, or a number the refusal names.
    EXPECT_FALSE(ReadTypedLens({"x", "fifty", "2", {}, {}, {}}, english));
    EXPECT_FALSE(ReadTypedLens({"x", "50", "", {}, {}, {}}, english));
    const std::optional<LensRecord> odd = ReadTypedLens({"x", "50", "2", "f/x", {}, {}}, english);
    ASSERT_TRUE(odd);
    EXPECT_NE(RefusalToAddLens({}, *odd), "");
}

// lensfun lists some lenses once for each body it measured them on; a person
// chooses among lenses, each once.
TEST(LensLists, EachOfLensfunsLensesOnce) {
    const std::vector<LensRecord>& lenses = LensfunLenses().lenses;
    ASSERT_GT(lenses.size(), 1000u);
    std::set<std::tuple<std::string, std::string, double, double, double, double>> seen;
    for (const LensRecord& l : lenses)
        EXPECT_TRUE(
            seen.emplace(l.name, l.mount, l.focalMin, l.focalMax, l.widestAtMin, l.widestAtMax)
                .second)
            << l.name << " twice";
    EXPECT_EQ(std::count_if(
                  lenses.begin(), lenses.end(),
                  [](const LensRecord& l) { return l.name == "Canon EF 24-105mm f/4L IS USM"; }),
              1);
}

// Lenses: the widest aperture between a zoom's ends against arithmetic done
// apart (N₁·(N₂/N₁)^(ln(f/f₁)/ln(f₂/f₁)), a few lines of Python), the long
// end's aperture read from real lens names as makers write them, and
// lensfun's lenses found by the words photographers type.
#include "lenses/lens_catalog.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
LensRecord Zoom(double f1, double f2, double n1, double n2) {
    LensRecord lens;
    lens.focalMin = f1;
    lens.focalMax = f2;
    lens.widestAtMin = n1;
    lens.widestAtMax = n2;
    return lens;
}
} // namespace

TEST(LensCatalog, TheWidestApertureBetweenAZoomsEnds) {
    const struct {
        const char* name;
        LensRecord lens;
        double f, widest;
    } rows[] = {
        {"18-55 f/3.5-5.6 at 18", Zoom(18, 55, 3.5, 5.6), 18, 3.5},
        {"18-55 f/3.5-5.6 at 55", Zoom(18, 55, 3.5, 5.6), 55, 5.6},
        // Halfway in the logarithm, √(18·55) = 31.4643 mm: halfway in stops, √(3.5·5.6).
        {"18-55 at the geometric middle", Zoom(18, 55, 3.5, 5.6), 31.464265, 4.427189},
        {"18-55 at 35", Zoom(18, 55, 3.5, 5.6), 35, 4.630092},
        {"70-300 f/4.5-5.6 at 135", Zoom(70, 300, 4.5, 5.6), 135, 4.966787},
        {"RF 24-105 f/4-7.1 at 50", Zoom(24, 105, 4, 7.1), 50, 5.320917},
        {"24-105 f/4 anywhere", Zoom(24, 105, 4, 4), 70, 4},
        {"a prime", Zoom(50, 50, 1.8, 1.8), 50, 1.8},
        {"beyond the long end: the long end's", Zoom(18, 55, 3.5, 5.6), 70, 5.6},
        {"before the short end: the short end's", Zoom(18, 55, 3.5, 5.6), 10, 3.5},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(WidestAt(r.lens, r.f), r.widest, 5e-7) << r.name;
}

TEST(LensCatalog, TheLongEndsApertureFromRealNames) {
    const struct {
        const char* model;
        double shortEnd, longEnd;
    } rows[] = {
        {"E 18-55mm f/3.5-5.6 OSS", 3.5, 5.6},
        {"RF24-105mm F4-7.1 IS STM", 4, 7.1},
        {"XF 18-55mm f/2.8-4 R LM OIS", 2.8, 4},
        {"AF-S DX Nikkor 18-55mm f/3.5-5.6G VR", 3.5, 5.6},
        {"OLYMPUS M.12-200mm F3.5-6.3", 3.5, 6.3},
        {"FE 24-105mm F4 G OSS", 4, 4},
        {"RF24-105mm F4 L IS USM", 4, 4},
        {"NIKKOR Z 24-70mm f/4 S", 4, 4},
        {"XF23mmF2 R WR", 2, 2},
        {"Elmarit-M 1:2.8/28", 2.8, 2.8},
        {"Vivitar Series One 70-210mm 1:3.5", 3.5, 3.5},
        // A range that is not the one lensfun read is not taken.
        {"Lens 18-55mm f/2.8-4", 3.5, 3.5},
    };
    for (const auto& r : rows)
        EXPECT_DOUBLE_EQ(WidestAtLongEndOfName(r.model, r.shortEnd), r.longEnd) << r.model;
}

// Found among Debian 12's lensfun lenses by the words a photographer types.
TEST(LensCatalog, FoundByTheWordsPhotographersType) {
    const LensDatabase& database = LensfunLenses();
    ASSERT_EQ(database.problem, "");
    ASSERT_GT(database.lenses.size(), 1000u);
    const auto first = [&database](const char* words) {
        const std::vector<std::size_t> found = FindLenses(database.lenses, words, 5);
        return found.empty() ? std::string() : database.lenses[found.front()].name;
    };
    const auto among = [&database](const char* words, const char* name) {
        for (const std::size_t i : FindLenses(database.lenses, words, 5))
            if (database.lenses[i].name == name)
                return true;
        return false;
    };
    EXPECT_TRUE(among("24-105 f4", "Sony FE 24-105mm f/4 G OSS"));
    EXPECT_TRUE(among("24-105 f4", "Canon RF 24-105mm F4L IS USM"));
    EXPECT_EQ(first("ef 100 macro"), "Canon EF 100mm f/2.8 Macro");
    EXPECT_TRUE(among("xf 23", "Fujifilm XF 23mm f/2 R WR"));
    EXPECT_EQ(first("XF23mmF2"), "Fujifilm XF 23mm f/2 R WR"); // as the photo writes it
    EXPECT_EQ(first("z 24-200"), "Nikon NIKKOR Z 24-200mm f/4-6.3 VR");
    EXPECT_TRUE(FindLenses(database.lenses, "no such lens 9999").empty());
    // What the entry gives, and what its name says of the long end.
    const std::vector<std::size_t> kit = FindLenses(database.lenses, "e 18-55 oss", 1);
    ASSERT_EQ(kit.size(), 1u);
    const LensRecord& lens = database.lenses[kit.front()];
    EXPECT_EQ(lens.mount, "Sony E");
    EXPECT_EQ(lens.focalMin, 18);
    EXPECT_EQ(lens.focalMax, 55);
    EXPECT_EQ(lens.widestAtMin, 3.5);
    EXPECT_EQ(lens.widestAtMax, 5.6);
}

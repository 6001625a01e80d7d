#include "cameras/camera_table.h"
#include "framework/base/resources.h"
#include "lists/choice_lists.h"
#include "resources/program_resources.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

namespace {
std::string Utf8(const CString& s) {
    return CStringToUtf8(s);
}
} // namespace

TEST(CameraTable, HoldsTheFiftySevenRecordsInOrder) {
    for (int i = 0; i < kCameraCount; ++i)
        EXPECT_EQ(cameraTable[i].index, i);
    const CameraRecord& d70 = cameraTable[27];
    EXPECT_STREQ(d70.name, "Nikon D70");
    EXPECT_STREQ(d70.exifName, "NIKON D70");
    EXPECT_EQ(d70.cropFactor, 1.5279);
    EXPECT_EQ(d70.sensorWidth, 23.7);
    EXPECT_EQ(d70.sensorHeight, 15.5);
    EXPECT_STREQ(cameraTable[47].exifName, "");
    EXPECT_STREQ(cameraTable[49].exifName, "(none)");
    EXPECT_STREQ(cameraTable[49].imageSizeText, "0 x 0");
    EXPECT_EQ(cameraTable[49].cropFactor, 1.0);
    EXPECT_STREQ(cameraTable[32].sensorSizeText, "5.270 x 3.960");
    EXPECT_EQ(cameraTable[54].cropFactor, 0.266028);
    EXPECT_EQ(cameraTable[56].sensorHeight, 203.2);
    EXPECT_STREQ(cameraTable[0].name, "Canon 1D");
    EXPECT_STREQ(cameraTable[56].name, "Large format 8x10 inches");
}

TEST(CameraChoices, CarryEachRecordsIndex) {
    const auto cameras = CameraChoices();
    ASSERT_EQ(cameras.size(), 57u);
    EXPECT_EQ(Utf8(cameras[27].displayText), "Nikon D70");
    EXPECT_EQ(cameras[27].valueText, "27");
    EXPECT_EQ(cameras[0].valueText, "0");
}

TEST(FocalLengthChoices, AreGeneratedThenFixed) {
    const auto list = FocalLengthChoices();
    ASSERT_EQ(list.size(), 613u);
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(list[i].valueText, Utf8(list[i].displayText));
    for (int i = 0; i < 595; ++i) { // every half millimetre from 3 to 300
        char expected[16];
        std::snprintf(expected, sizeof expected, "%.1f", 3.0 + 0.5 * i);
        EXPECT_EQ(Utf8(list[i].displayText), expected) << i;
    }
    EXPECT_EQ(Utf8(list[0].displayText), "3.0");
    EXPECT_EQ(Utf8(list[1].displayText), "3.5");
    EXPECT_EQ(Utf8(list[30].displayText), "18.0");
    EXPECT_EQ(Utf8(list[594].displayText), "300.0");
    EXPECT_EQ(Utf8(list[595].displayText), "305.0");
    EXPECT_EQ(Utf8(list[611].displayText), "1000.0");
    EXPECT_EQ(Utf8(list[612].displayText), "1200.0");
}

TEST(CofCChoices, RunFromFiveToFortyThousandths) {
    const auto list = CofCChoices();
    ASSERT_EQ(list.size(), 351u);
    for (int i = 0; i <= 350; ++i) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "0.0%03d", 50 + i);
        EXPECT_EQ(Utf8(list[i].displayText), expected);
        EXPECT_EQ(list[i].valueText, expected);
    }
    EXPECT_EQ(Utf8(list[260].displayText), "0.0310");
}

TEST(UnitAndApertureChoices, CarryTheirValues) {
    const auto units = UnitChoices();
    ASSERT_EQ(units.size(), 5u);
    EXPECT_EQ(Utf8(units[0].displayText), "feet");
    EXPECT_EQ(units[0].valueText, "0");
    EXPECT_EQ(Utf8(units[3].displayText), "centimeters");
    EXPECT_EQ(units[3].valueText, "3");
    EXPECT_EQ(Utf8(units[4].displayText), "feet and inches");
    EXPECT_EQ(SelectStoredChoice(units, u"feet"), 0) << "a stored feet is still feet";

    EXPECT_EQ(ApertureValueFor(u"f/1.8"), "1.7818");
    EXPECT_EQ(ApertureValueFor(u"f/11"), "11.313708");
    EXPECT_EQ(ApertureValueFor(u"f/16"), "16");
    EXPECT_EQ(ApertureValueFor(u"F/16"), std::nullopt); // whole and case sensitive
    EXPECT_EQ(ApertureValueFor(u"f/1.4 "), std::nullopt);
}

// The main form's aperture list comes with its template; the aperture table
// gives each entry its value. Both hold the same texts, in the same order.
TEST(UnitAndApertureChoices, TheFormsAperturesAreTheTablesInOrder) {
    RegisterProgramResources();
    const DialogInitialData* data = FindDialogInitialData(IDD_VEXTONDOFCE_DIALOG);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->controlId, IDC_APERTURE);
    ASSERT_EQ(data->entries.size(), static_cast<std::size_t>(kApertureCount));
    for (int i = 0; i < kApertureCount; ++i)
        EXPECT_STREQ(data->entries[static_cast<std::size_t>(i)], apertureValueTable[i].displayText);
}

TEST(StoredChoice, SelectsTheFirstEntryBeginningWithTheText) {
    const auto cameras = CameraChoices();
    EXPECT_EQ(SelectStoredChoice(cameras, u"Nikon D70"), 27);
    EXPECT_EQ(SelectStoredChoice(cameras, u"Canon 1D"), 0);
    EXPECT_EQ(SelectStoredChoice(cameras, u"nIKON d2hS"), 24);
    EXPECT_EQ(SelectStoredChoice(cameras, u"Nikon D7"), 27);
    EXPECT_EQ(SelectStoredChoice(cameras, u"Nikon D700"), -1);

    std::vector<ChoiceEntry> apertures;
    for (const ApertureValue& row : apertureValueTable)
        apertures.push_back({Utf8ToCString(row.displayText), row.valueText});
    EXPECT_EQ(SelectStoredChoice(apertures, u"f/1"), 0);
    EXPECT_EQ(SelectStoredChoice(apertures, u"f/2"), 3);
    EXPECT_EQ(SelectStoredChoice(apertures, u"f/4"), 5);

    EXPECT_EQ(SelectStoredChoice(CofCChoices(), u"0.031"), 260);
    EXPECT_EQ(SelectStoredChoice(UnitChoices(), u"FEET"), 0);
    EXPECT_EQ(SelectStoredChoice(FocalLengthChoices(), u"12.25"), -1);
    EXPECT_EQ(SelectStoredChoice(UnitChoices(), u"centimeters and more"), -1);
}

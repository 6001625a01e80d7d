// Numbers typed into the focal length, aperture and circle-of-confusion
// lists: read in the user's number settings with the list's marks, refused
// when they are anything else.
#include "lists/choice_lists.h"
#include "lists/typed_choice.h"

#include <gtest/gtest.h>

TEST(TypedChoice, ANumberWithTheListsMarksIsUsedAsTyped) {
    NumberSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    const NumberSettings us;
    const std::string huge(400, '9');
    const struct {
        const char* name;
        ListKind list;
        const char* typed;
        const NumberSettings& settings;
        const char* value; // nullptr: not a typed number
    } rows[] = {
        {"f and slash", ListKind::Aperture, "f/6.3", us, "6.3"},
        {"bare", ListKind::Aperture, "6.3", us, "6.3"},
        {"capital F, no slash", ListKind::Aperture, "F7.1", us, "7.1"},
        {"blanks around", ListKind::Aperture, "  f/ 10 ", us, "10"},
        {"German decimal comma", ListKind::Aperture, "f/6,3", german, "6.3"},
        {"a comma where a point is the separator", ListKind::Aperture, "f/6,3", us, nullptr},
        {"whole millimetres", ListKind::FocalLength, "23", us, "23"},
        {"with mm", ListKind::FocalLength, "23 mm", us, "23"},
        {"with MM, no blank", ListKind::FocalLength, "105.5MM", us, "105.5"},
        {"a circle of confusion", ListKind::CircleOfConfusion, "0.019", us, "0.019"},
        {"a word", ListKind::Aperture, "f/x", us, nullptr},
        {"the mark alone", ListKind::Aperture, "f/", us, nullptr},
        {"zero", ListKind::FocalLength, "0", us, nullptr},
        {"negative", ListKind::FocalLength, "-23", us, nullptr},
        {"an exponent", ListKind::CircleOfConfusion, "1e-2", us, nullptr},
        {"two points", ListKind::Aperture, "6.3.1", us, nullptr},
        {"mm on an aperture", ListKind::Aperture, "6 mm", us, nullptr},
        {"f on a focal length", ListKind::FocalLength, "f/23", us, nullptr},
        {"too large to hold", ListKind::FocalLength, huge.c_str(), us, nullptr},
        {"a camera is never a number", ListKind::Camera, "7", us, nullptr},
        {"nor a unit", ListKind::Unit, "2", us, nullptr},
    };
    for (const auto& row : rows) {
        const std::optional<std::string> value = TypedValue(row.list, row.typed, row.settings);
        if (row.value)
            EXPECT_EQ(value, std::optional<std::string>(row.value)) << row.name;
        else
            EXPECT_EQ(value, std::nullopt) << row.name;
    }
}

TEST(TypedChoice, WhatIsNeitherAnEntryNorANumberIsNamed) {
    EXPECT_EQ(ChoiceRefusal(ListKind::Aperture, " f/x "),
              "The aperture f/x is not in the list and is not a number.");
    EXPECT_EQ(ChoiceRefusal(ListKind::CircleOfConfusion, "wide"),
              "The circle of confusion wide is not in the list and is not a number.");
    EXPECT_EQ(ChoiceRefusal(ListKind::FocalLength, "  "),
              "You must choose a focal length from the list.");
    EXPECT_EQ(ChoiceRefusal(ListKind::Camera, "Nikon D7000"),
              "You must choose a camera from the list.");
}

// One reading of a text typed into a list, the window's and the terminal's:
// an entry's own text, then its own number in the person's number
// settings, then a number as typed, then (for names) the first entry it
// begins.
TEST(TypedChoice, ATypedTextChoosesByTheOneRule) {
    NumberSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    const NumberSettings us;
    const auto apertures = ApertureChoices();
    const auto focal = FocalLengthChoices();
    const auto cofc = CofCChoices();
    const auto cameras = CameraChoices();
    const struct {
        const char* name;
        ListKind kind;
        const std::vector<ChoiceEntry>& entries;
        const char* typed;
        const NumberSettings& settings;
        const char* entry; // the entry chosen; nullptr: none
        const char* value; // then the number used as typed; nullptr: refused
    } rows[] = {
        {"an entry's own text", ListKind::Aperture, apertures, "f/5.6", us, "f/5.6", nullptr},
        {"in any case", ListKind::Aperture, apertures, "F/5.6", us, "f/5.6", nullptr},
        {"its number, English", ListKind::Aperture, apertures, "5.6", us, "f/5.6", nullptr},
        {"its number, German", ListKind::Aperture, apertures, "f/5,6", german, "f/5.6", nullptr},
        {"f/8", ListKind::Aperture, apertures, "8", us, "f/8", nullptr},
        {"f/1.4, not 1.4 as typed", ListKind::Aperture, apertures, "1.4", us, "f/1.4", nullptr},
        {"f/3 is 3, not the f/32 it begins", ListKind::Aperture, apertures, "f/3", us, nullptr,
         "3"},
        {"f/6.3 as typed", ListKind::Aperture, apertures, "f/6.3", us, nullptr, "6.3"},
        {"f/5 as typed, not f/5.6", ListKind::Aperture, apertures, "F/5", us, nullptr, "5"},
        {"50 is 50.0", ListKind::FocalLength, focal, "50", us, "50.0", nullptr},
        {"50 mm", ListKind::FocalLength, focal, "50 mm", us, "50.0", nullptr},
        {"1 mm, not the 10.0 it begins", ListKind::FocalLength, focal, "1", us, nullptr, "1"},
        {"0.03 is 0.0300", ListKind::CircleOfConfusion, cofc, "0.03", us, "0.0300", nullptr},
        {"0,03 in German", ListKind::CircleOfConfusion, cofc, "0,03", german, "0.0300", nullptr},
        {"a name it begins", ListKind::Camera, cameras, "canon 20", us, "Canon 20D", nullptr},
        {"neither", ListKind::Aperture, apertures, "f/x", us, nullptr, nullptr},
    };
    for (const auto& row : rows) {
        const int at = EntryOfTypedText(row.kind, row.entries, row.typed, row.settings);
        EXPECT_EQ(at >= 0 ? CStringToUtf8(row.entries[static_cast<std::size_t>(at)].displayText)
                          : std::string("-"),
                  row.entry ? row.entry : "-")
            << row.name;
        if (at < 0) {
            const std::optional<std::string> value = TypedValue(row.kind, row.typed, row.settings);
            EXPECT_EQ(value.value_or("-"), row.value ? row.value : "-") << row.name;
        }
    }
}

// A typed number is kept in one form, read alike in every language: a file
// written on a German desktop after typing f/6,3 reads f/6.3 anywhere, and
// one written so before is read as well.
TEST(TypedChoice, ANumberTypedIsKeptInOneFormEveryLanguageReads) {
    NumberSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    const std::optional<std::string> typed = TypedValue(ListKind::Aperture, "f/6,3", german);
    ASSERT_TRUE(typed);
    EXPECT_EQ(StoredTypedText(ListKind::Aperture, *typed), "f/6.3");
    EXPECT_EQ(StoredTypedText(ListKind::FocalLength, "23.5"), "23.5");
    EXPECT_EQ(StoredTypedValue(ListKind::Aperture, "f/6.3"), "6.3");
    EXPECT_EQ(StoredTypedValue(ListKind::Aperture, "f/6,3"), "6.3") << "a file written before";
    EXPECT_EQ(StoredTypedValue(ListKind::CircleOfConfusion, "0,0195"), "0.0195");
    EXPECT_EQ(StoredTypedValue(ListKind::Aperture, "f/x"), std::nullopt);
    EXPECT_EQ(ShownTypedText(ListKind::Aperture, "6.3", german), "f/6,3");
    EXPECT_EQ(ShownTypedText(ListKind::FocalLength, "23.5", NumberSettings{}), "23.5");
}

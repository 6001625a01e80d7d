// Numbers typed into the focal length, aperture and circle-of-confusion
// lists: read in the user's number settings with the list's marks, refused
// when they are anything else.
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

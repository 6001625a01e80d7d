// How a lens frames a shot, against arithmetic done apart from the code:
// v = f·s/(s − f), each angle 2·atan(side/(2·v)), the field side·(s − f)/f,
// the distance that frames a size W across a side s = f·(1 + W/side).
#include "german_numbers.h"
#include "lenses/framing.h"
#include "run_verb.h"

#include <gtest/gtest.h>

namespace {
LensSetup At(double f, int unit = 2) {
    return {f, 8, 0.03, &DistanceUnitFor(unit)};
}
constexpr SensorSize kFullFrame{36, 24};
} // namespace

TEST(Framing, NamedRowsWorkedApart) {
    const struct {
        const char* name;
        double f, distance; // mm, metres
        double horizontal, vertical, diagonal, width, height;
    } rows[] = {
        // v = 50·3000/2950 = 50.8475 mm; 2·atan(18/50.8475) = 38.9879°; 36·2950/50 = 2124 mm.
        {"50 mm at 3 m", 50, 3, 38.9879, 26.5577, 46.0951, 2.124, 1.416},
        // Far away v → f: 2·atan(18/24) = 73.7397°, 2·atan(12/24) = 53.1301°,
        // 2·atan(21.6333/24) = 84.0621°.
        {"24 mm at 10 km", 24, 10000, 73.7397, 53.1300, 84.0621, 14999.964, 9999.976},
        // 1:1 with 100 mm: s = 200 mm, v = 200 mm: 2·atan(18/200) = 10.2855°; the
        // field is the sensor.
        {"100 mm at 1:1", 100, 0.2, 10.2855, 6.8673, 12.3470, 0.036, 0.024},
    };
    for (const auto& r : rows) {
        const Framing framing = FramingAt(At(r.f), kFullFrame, r.distance);
        ASSERT_EQ(framing.refusal, "") << r.name;
        EXPECT_NEAR(framing.horizontal, r.horizontal, 5e-5) << r.name;
        EXPECT_NEAR(framing.vertical, r.vertical, 5e-5) << r.name;
        EXPECT_NEAR(framing.diagonal, r.diagonal, 5e-5) << r.name;
        EXPECT_NEAR(framing.fieldWidth, r.width, 5e-4) << r.name;
        EXPECT_NEAR(framing.fieldHeight, r.height, 5e-4) << r.name;
    }
    // 135 mm frames a 60 cm tall subject at 135·(1 + 600/24) = 3510 mm, and
    // then the frame is 0.9 m wide.
    const Framing portrait = FramingFor(At(135), kFullFrame, 0.6, FrameSide::Height);
    EXPECT_NEAR(portrait.distance, 3.51, 1e-12);
    EXPECT_NEAR(portrait.fieldHeight, 0.6, 1e-12);
    EXPECT_NEAR(portrait.fieldWidth, 0.9, 1e-12);
    // In feet: 36 mm wide, 50 mm, 10 ft: 36·(3048 − 50)/50 mm = 7.0814 ft.
    EXPECT_NEAR(FramingAt(At(50, 0), kFullFrame, 10).fieldWidth, 2158.56 / 304.8, 1e-4);
}

TEST(Framing, WrittenAndRefused) {
    const Framing framing = FramingAt(At(50), kFullFrame, 3);
    EXPECT_EQ(FramingTexts(framing, DistanceUnitFor(2), German()),
              (std::vector<std::string>{"3,000 m", "38,99\u00B0", "26,56\u00B0", "46,10\u00B0",
                                        "2,124 \u00D7 1,416 m"}));
    EXPECT_EQ(FramingAt(At(50), kFullFrame, 0.04).refusal,
              "The subject must be farther from the lens than its focal length.");
    EXPECT_EQ(FramingAt(At(50), {}, 3).refusal, "The camera's sensor size is not known.");
    EXPECT_EQ(FramingFor(At(50), kFullFrame, 0, FrameSide::Width).refusal,
              "The subject's size must be a positive length.");
    EXPECT_NE(FramingAt(At(50), kFullFrame, 1e300).refusal, "");
    EXPECT_TRUE(FramingTexts(FramingAt(At(50), {}, 3), DistanceUnitFor(2), German()).empty());
}

TEST(Framing, FromATerminal) {
    ProgramFolder program;
    const auto run = [&program](const std::vector<std::string>& args) {
        return RunVerb(program, args);
    };
    const CommandResult got = run({"frame", "--camera", "35 mm", "--focal-length", "135", "--unit",
                                   "m", "--height", "60 cm"});
    EXPECT_EQ(got.exitCode, 0) << got.err;
    EXPECT_EQ(got.out, "Distance from the lens: 3.510 m\nHorizontal angle of view: 14.61\u00B0\n"
                       "Vertical angle of view: 9.77\u00B0\nDiagonal angle of view: 17.52\u00B0\n"
                       "Field at the subject: 0.900 \u00D7 0.600 m\n");
    EXPECT_EQ(run({"frame", "--width", "1", "--height", "2"}).exitCode, 2);
    EXPECT_EQ(run({"frame"}).exitCode, 2);
    const CommandResult refused = run({"frame", "--distance", "far"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Validation Error: \u201C"
                           "far\u201D is not a length.\n");
}

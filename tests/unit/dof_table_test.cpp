// The depth-of-field table: every cell what a press of Calculate shows at
// that distance and aperture, the default rows and columns, the marks, the
// distances as typed, and the file for programs.
#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "lists/choice_lists.h"
#include "table/dof_table.h"
#include "table/table_csv.h"

#include "german_numbers.h"

#include "test_lenses.h"

#include <gtest/gtest.h>

namespace {
std::vector<TableAperture> Apertures(int first, int last) {
    std::vector<TableAperture> out;
    for (int i = first; i <= last; ++i)
        out.push_back(
            {apertureValueTable[i].displayText, ParseDecimal(apertureValueTable[i].valueText)});
    return out;
}

// A press's text without its unit.
std::string Bare(std::string text, std::string_view suffix) {
    if (text != kInfinityText)
        text.resize(text.size() - suffix.size());
    return text == kInfinityText ? kInfinitySign : text;
}

struct LensCase {
    const char* camera;
    const char* focalLength;
    const char* unit; // code
    const char* cofc;
    std::vector<double> distances;
};
} // namespace

// With six decimals, every cell reads exactly as the results form would:
// the same doubles, rounded once; in whole, half and third stops alike.
TEST(DofTable, EveryCellIsWhatAPressOfCalculateShows) {
    const LensCase setups[] = {
        {"Canon 1Ds", "50.0", "2", "0.0300", {0.5, 1, 2.5, 3, 10, 1000}},
        {"Nikon D70", "18.0", "0", "0.0310", {1, 2, 7.5, 30}},
        {"Large format 8x10 inches", "300.0", "3", "0.0400", {50, 150, 2000, 100000}},
        {"Olympus C-5050z", "7.1", "1", "0.0100", {12, 36, 250}},
    };
    for (const NumberSettings& settings : {NumberSettings{}, German()})
        for (const LensCase& setup : setups) {
            const CameraRecord* camera = nullptr;
            for (const CameraRecord& record : cameraTable)
                if (std::string_view(record.name) == setup.camera)
                    camera = &record;
            ASSERT_NE(camera, nullptr) << setup.camera;
            TableRequest request;
            request.lens = ReadLens(
                {setup.focalLength, "", setup.unit, setup.cofc, camera->cropFactor, "", ""},
                settings);
            request.apertures.clear();
            for (const StopSteps steps : {StopSteps::Whole, StopSteps::Half, StopSteps::Third})
                for (const TableAperture& stop : MarkedStops(steps))
                    request.apertures.push_back(stop);
            request.distances = setup.distances;
            for (const TableShows shows : {TableShows::Limits, TableShows::Total}) {
                request.shows = shows;
                const DofTable table = MakeTable(request, settings, 6);
                for (std::size_t r = 0; r < setup.distances.size(); ++r)
                    for (std::size_t c = 0; c < request.apertures.size(); ++c) {
                        NumberSettings asTyped = settings; // no thousands separators
                        asTyped.grouping = 0;
                        const std::string typed =
                            FormatLocaleNumber(FormatFixed(setup.distances[r], 6), 6, asTyped);
                        // A press with the distance typed, at the column's f-number.
                        Lens press = ReadLens({setup.focalLength, "1", setup.unit, setup.cofc,
                                               camera->cropFactor, typed, ""},
                                              settings);
                        press.fNumber = request.apertures[c].N;
                        const CalculationResult pressed = Calculate(press, settings);
                        const CalculationResult& press_ = pressed;
                        ASSERT_EQ(press_.status, CalculationStatus::Ok);
                        const std::string_view suffix =
                            DistanceUnitFor(ParseInteger(setup.unit)).suffix;
                        const std::string expected = shows == TableShows::Total
                                                         ? Bare(press_.totalText, suffix)
                                                         : Bare(press_.nearText, suffix) +
                                                               " \u2013 " +
                                                               Bare(press_.farText, suffix);
                        EXPECT_EQ(table.cells[r + 1][c], expected)
                            << setup.camera << " at " << typed << " " << request.apertures[c].text;
                    }
            }
        }
}

TEST(DofTable, RoundsOnceToTheUnitsDecimalsAndMarksWhatItShould) {
    TableRequest request;
    request.lens = ReadLens({"50.0", "", "2", "0.0300", 1.0, "", ""}, NumberSettings{});
    request.apertures = Apertures(4, 12); // f/2.8 to f/45
    request.distances = {2, 3};
    request.selectedAperture = 3; // f/8
    request.typedDistance = 3;
    const DofTable table = MakeTable(request, NumberSettings{});
    EXPECT_EQ(table.rows, (std::vector<std::string>{"Hyperfocal", "2 m", "3 m"}));
    EXPECT_EQ(table.boldRow, 2);
    EXPECT_EQ(table.boldColumn, 3);
    EXPECT_EQ(table.cells[1][3], "1.68 \u2013 2.46"); // rounded once from the press's doubles
    EXPECT_EQ(table.cells[0][3], "10.47 (5.23)");
    // The Airy disc passes 0.03 mm beyond f/22 (f/22.6: 0.0303 mm).
    EXPECT_EQ(table.columns[6], "f/22 *");
    EXPECT_EQ(table.columns[5], "f/16");
    EXPECT_EQ(table.diffractionNote,
              "* Beyond f/16, diffraction blurs more than the circle of confusion allows.");
    EXPECT_EQ(table.roundingNote.substr(0, 85), "Distances in meters, rounded to 0.01 m (finer "
                                                "where the depth of field is shallow); H");

    request.shows = TableShows::Split;
    EXPECT_EQ(MakeTable(request, NumberSettings{}).cells[1][3], "\u22120.32 / +0.46");
    request.apertures = Apertures(13, 13); // f/64: at 3 m, beyond the hyperfocal distance
    request.shows = TableShows::Limits;
    const std::string beyond = MakeTable(request, NumberSettings{}).cells[2][0];
    EXPECT_EQ(beyond.substr(beyond.size() - 3), "\u221E");
    request.lens.cocEquivalent = 0.005;
    EXPECT_EQ(MakeTable(request, NumberSettings{}).diffractionNote,
              "* Beyond f/2.8, diffraction blurs more than the circle of confusion allows.");
}

// The columns in third and half stops, and the chosen aperture among them:
// a typed f/6.3 is a column of its own at 6.3, in place of the third stop
// of that name, so that its column is what the main form's press shows.
TEST(DofTable, StopsBetweenFromAndToWithTheChosenApertureInItsPlace) {
    const auto Names = [](const TableRequest& request) {
        std::string names;
        for (std::size_t i = 0; i < request.apertures.size(); ++i)
            names += (i ? " " : "") + request.apertures[i].text +
                     (static_cast<int>(i) == request.selectedAperture ? "!" : "");
        return names;
    };
    const TableAperture typed{"f/6.3", 6.3};
    const struct {
        const char* name;
        double from, to;
        StopSteps steps;
        std::optional<TableAperture> chosen;
        const char* columns;
    } rows[] = {
        {"third stops, the issue's series", 2.828427, 22.627417, StopSteps::Third, std::nullopt,
         "f/2.8 f/3.2 f/3.5 f/4 f/4.5 f/5 f/5.6 f/6.3 f/7.1 f/8 f/9 f/10 f/11 f/13 f/14 f/16 "
         "f/18 f/20 f/22"},
        {"half stops, either order", 8, 4, StopSteps::Half, std::nullopt,
         "f/4 f/4.8 f/5.6 f/6.7 f/8"},
        {"typed among whole stops", 4, 11.313708, StopSteps::Whole, typed,
         "f/4 f/5.6 f/6.3! f/8 f/11"},
        {"typed in place of its third stop", 5.656854, 8, StopSteps::Third, typed,
         "f/5.6 f/6.3! f/7.1 f/8"},
        {"a list entry chosen", 4, 8, StopSteps::Third, TableAperture{"f/5.6", 5.656854},
         "f/4 f/4.5 f/5 f/5.6! f/6.3 f/7.1 f/8"},
        {"chosen beyond To: not shown", 2, 4, StopSteps::Whole, typed, "f/2 f/2.8 f/4"},
    };
    for (const auto& row : rows) {
        TableRequest request;
        SetApertureColumns(request, row.from, row.to, row.steps, row.chosen);
        EXPECT_EQ(Names(request), row.columns) << row.name;
        if (request.selectedAperture >= 0) {
            EXPECT_EQ(request.apertures[request.selectedAperture].N, row.chosen->N) << row.name;
        }
    }
}

TEST(DofTable, DefaultRowsRunFromTenFocalLengthsPastTheHyperfocalDistance) {
    TableRequest request;
    request.lens = ReadLens({"50.0", "", "2", "0.0300", 1.0, "", ""}, NumberSettings{});
    const auto Range = [](const char* text, double value) {
        const auto [first, last] = DefaultApertureRange(TableAperture{text, value});
        return first.text + ":" + last.text;
    };
    EXPECT_EQ(Range("f/16", 16), "f/2.8:f/22"); // within the stops
    EXPECT_EQ(Range("f/1.4", 1.414214), "f/1.4:f/22");
    EXPECT_EQ(Range("f/1.2", 1.2), "f/1:f/22");      // typed: to the entry beyond it
    EXPECT_EQ(Range("f/0.95", 0.95), "f/0.95:f/22"); // beyond the list: itself
    EXPECT_EQ(Range("f/64", 64), "f/2.8:f/64");
    EXPECT_EQ(Range("f/25", 25), "f/2.8:f/32");
    request.apertures = Apertures(4, 10);
    request.typedDistance = 2.5;
    // Ten focal lengths: 0.5 m; the hyperfocal distance at f/2.8, the widest
    // aperture shown: 50² / (2.828427 · 0.03) + 50 = 29.51 m, so every column reaches ∞.
    EXPECT_EQ(DefaultDistances(request, NumberSettings{}),
              (std::vector<double>{0.5, 0.7, 1, 1.5, 2, 2.5, 3, 5, 7, 10, 15, 20, 30}));
    TableRequest shown = request;
    shown.distances = DefaultDistances(request, NumberSettings{});
    const DofTable table = MakeTable(shown, NumberSettings{});
    for (const std::string& cell : table.cells.back())
        EXPECT_EQ(cell.substr(cell.size() - 3), "\u221E") << "the last row, every column";
    // A long lens in inches: from 393.7 in to 3,480,000 in the series would pass
    // 24 rows, and says where it stops.
    TableRequest telephoto = request;
    telephoto.lens = ReadLens({"1000.0", "", "1", "0.0040", 1.0, "", ""}, NumberSettings{});
    std::string cut;
    EXPECT_EQ(DefaultDistances(telephoto, NumberSettings{}, &cut).size(), 24u + 1) << "and 2.5";
    EXPECT_EQ(
        cut.rfind("The rows stop at 24; the widest aperture reaches infinity only beyond ", 0), 0u)
        << cut;
    request.lens.unitCode = 0; // feet, from 1.64 ft
    request.typedDistance.reset();
    EXPECT_EQ(DefaultDistances(request, NumberSettings{}).front(), 2);
    request.lens.focalLength = ParseDecimal("garbage"); // no lens: no rows
    EXPECT_TRUE(DefaultDistances(request, NumberSettings{}).empty());
}

TEST(DofTable, DistancesReadAsTypedAndWrittenBackSo) {
    const DistanceUnit& metres = DistanceUnitFor(2);
    const DistanceList german = ReadDistances(" 1  1,5\t2 ", German(), metres);
    EXPECT_EQ(german.values, (std::vector<double>{1, 1.5, 2}));
    EXPECT_TRUE(german.refusal.empty());
    EXPECT_EQ(DistancesText({0.5, 1, 1.5, 2500}, German()), "0,5 1 1,5 2500");
    const struct {
        const char* name;
        const char* typed;
        std::vector<double> kept;
        const char* refusal;
    } rows[] = {
        {"one refused", "1 x 2", {1, 2}, "\"x\" is not a positive distance and is left out."},
        {"each named",
         "0.5 1 abc -3 10",
         {0.5, 1, 10},
         "\"abc\" and \"-3\" are not positive distances and are left out."},
        {"trailing text", "3x 4", {4}, "\"3x\" is not a positive distance and is left out."},
        {"zero", "0", {}, "\"0\" is not a positive distance and is left out."},
        {"nothing", "   ", {}, "You must enter a non-zero, positive distance to the subject."},
    };
    for (const auto& row : rows) {
        const DistanceList got = ReadDistances(row.typed, NumberSettings{}, metres);
        EXPECT_EQ(got.values, row.kept) << row.name;
        EXPECT_EQ(got.refusal, row.refusal) << row.name;
    }
}

// Each typed unit is converted by its true length: what a person would have
// typed in the chosen unit.
TEST(TypedDistance, UnitsAreReadAndConvertedByTheirTrueLengths) {
    const DistanceUnit &feet = DistanceUnitFor(0), &inches = DistanceUnitFor(1),
                       &metres = DistanceUnitFor(2), &centimetres = DistanceUnitFor(3);
    const struct {
        const char* name;
        const char* typed;
        const DistanceUnit& chosen;
        double expected; // worked by hand, in the chosen unit
    } rows[] = {
        {"bare number", "3", metres, 3},
        {"metres", "3 m", feet, 3 / 0.3048},               // 9.842520 ft
        {"glued", "3m", centimetres, 300},                 // 300 cm
        {"centimetres", "250 cm", metres, 2.5},            // 2.5 m
        {"feet", "10 ft", metres, 3.048},                  // 10 × 0.3048 m
        {"feet and inches", "10 ft 6 in", metres, 3.2004}, // 126 in × 0.0254 m
        {"marks", "10' 6\"", centimetres, 320.04},         // 126 × 2.54 cm
        {"inches", "18 in", feet, 1.5},                    // 18 / 12 ft
        {"millimetres", "1500 mm", metres, 1.5},           // 1.5 m
        {"the chosen unit typed", "7 ft", feet, 7},
    };
    for (const auto& row : rows) {
        const std::optional<double> v = ReadTypedDistance(row.typed, NumberSettings{}, row.chosen);
        ASSERT_TRUE(v) << row.name;
        EXPECT_NEAR(*v, row.expected, 1e-12 * row.expected) << row.name;
    }
    (void)inches;
    EXPECT_EQ(ReadTypedDistance("7 ft", NumberSettings{}, feet), 7.0) << "no conversion at all";
    EXPECT_EQ(ReadTypedDistance("2,5 m", German(), metres), 2.5);
    for (const char* bad : {"3x", "3 m 4", "10 in 6 ft", "m", "", "3 furlongs", "2,5"})
        EXPECT_FALSE(ReadTypedDistance(bad, NumberSettings{}, metres)) << bad;
    EXPECT_EQ(SplitDistances("2 m 250cm 10 ft 6 in 10' 6\" 4"),
              (std::vector<std::string>{"2 m", "250cm", "10 ft 6 in", "10' 6\"", "4"}));
    for (const char* infinity : {"inf", "INF", "Infinity", "infinity", "\u221E", " Inf "})
        EXPECT_TRUE(IsInfinityText(infinity)) << infinity;
    EXPECT_FALSE(IsInfinityText("in"));
}

TEST(DofTable, TheFileForProgramsHoldsEveryNumberAsPercentFWritesIt) {
    TableRequest request;
    request.lens = ReadLens({"50.0", "", "2", "0.0300", 1.0, "", ""}, NumberSettings{});
    request.apertures = Apertures(5, 6); // f/4, f/5.6
    request.distances = {2, 1e306, 100};
    const TableCsv csv = WriteTableCsv(request); // the locale plays no part
    EXPECT_EQ(csv.text,
              std::string(kTableCsvHeader) + "\r\n" +
                  // as the results form shows 35 mm film, 50 mm, f/4, 0.0300, 2 m
                  "2.000000,f/4,4.000000,1.828822,2.206531,0.377709,0.171178,0.206531,20.883333,"
                  "0.005368,0.030000,meters\r\n"
                  "2.000000,f/5.6,5.656854,1.766207,2.305131,0.538925,0.233793,0.305131,"
                  "14.781392,0.007591,0.030000,meters\r\n"
                  "100.000000,f/4,4.000000,17.248517,inf,inf,82.751483,inf,20.883333,0.005368,"
                  "0.030000,meters\r\n"
                  "100.000000,f/5.6,5.656854,12.845495,inf,inf,87.154505,inf,14.781392,0.007591,"
                  "0.030000,meters\r\n");
    ASSERT_EQ(csv.refusals.size(), 1u);
    EXPECT_EQ(csv.refusals[0].substr(csv.refusals[0].find(':')),
              ": The distance is too large to calculate with.");

    // A text with a comma or a quote is quoted, its quotes doubled (RFC 4180);
    // a limit that rounds to nothing is 0, never -0.
    request.apertures = {{"f/5,6 \"wide\"", 5.656854}};
    request.distances = {2};
    const std::string quoted = WriteTableCsv(request).text;
    EXPECT_NE(quoted.find("\r\n2.000000,\"f/5,6 \"\"wide\"\"\",5.656854,"), std::string::npos)
        << quoted;
    EXPECT_EQ(quoted.find("-0.000000"), std::string::npos) << quoted;
}

// Each unit's cells are rounded as the photographer reads it: hundredths of
// a foot or a metre, tenths of an inch or a centimetre.
TEST(DofTable, EachUnitRoundsToItsOwnDecimals) {
    const struct {
        const char *name, *unit, *distance;
        int decimals;
    } rows[] = {{"feet", "0", "10", 2},
                {"inches", "1", "120", 1},
                {"metres", "2", "3", 2},
                {"centimetres", "3", "300", 1}};
    for (const auto& row : rows) {
        TableRequest request;
        request.lens = ReadLens({"50.0", "", row.unit, "0.0300", 1.0, "", ""}, NumberSettings{});
        request.apertures = Apertures(5, 5);
        request.distances = {ParseDecimal(row.distance)};
        const std::string cell = MakeTable(request, NumberSettings{}).cells[1][0];
        const std::string near = cell.substr(0, cell.find(' '));
        EXPECT_EQ(near.size() - near.find('.') - 1, static_cast<std::size_t>(row.decimals))
            << row.name << ": " << cell;
    }
}

// A lens focusing no nearer than 0.45 m from the sensor: with 50 mm, 0.3 m
// from the lens is 0.3 + 0.05·0.3/0.25 = 0.36 m from the sensor (marked),
// 0.4 m is 0.457 m (not marked).
TEST(DofTable, RowsNearerThanTheLensFocusesAreMarked) {
    TableRequest request;
    request.lens = ReadLens({"50.0", "", "2", "0.0300", 1.0, "", ""}, NumberSettings{});
    request.apertures = Apertures(7, 7); // f/8
    request.distances = {0.3, 0.4, 2};
    LensRecord owned = Zoom("Old 50", 50, 50, 1.8, 1.8);
    owned.minFocus = 0.45;
    request.owned = owned;
    const DofTable table = MakeTable(request, NumberSettings{});
    EXPECT_EQ(table.rows, (std::vector<std::string>{"Hyperfocal", "0.3 m \u2021", "0.4 m", "2 m"}));
    EXPECT_EQ(table.closeUpNote, "\u2021 Nearer than this lens focuses: 0.45 m from the sensor.");
    // Its minimum focus not known, or no lens: nothing marked.
    request.owned->minFocus = 0;
    EXPECT_EQ(MakeTable(request, NumberSettings{}).closeUpNote, "");
    request.owned.reset();
    EXPECT_EQ(MakeTable(request, NumberSettings{}).rows[1], "0.3 m");
}

// With a lens in use, the table opens on the whole stops it has at its focal
// length: an 18–55 mm f/3.5–5.6 from f/4 at 18 mm and from f/5.6 at 55 mm,
// to its f/22.
TEST(DofTable, OpensOnTheStopsOfTheLensInUse) {
    LensRecord kit = Zoom("Kit", 18, 55, 3.5, 5.6);
    const auto range = [&kit](double f) {
        const auto [first, last] = DefaultApertureRange(std::nullopt, kit, f);
        return first.text + " to " + last.text;
    };
    EXPECT_EQ(range(18), "f/4 to f/22");
    EXPECT_EQ(range(55), "f/5.6 to f/22");
    kit.smallest = 36;
    EXPECT_EQ(range(55), "f/5.6 to f/32");
    EXPECT_EQ(DefaultApertureRange(std::nullopt, std::nullopt, 50).first.text, "f/2.8");
}

#include "lenses/own_lenses.h"

#include "calc/number_text.h"
#include "calc/typed_distance.h"
#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/nocase.h"
#include "framework/base/translate.h"
#include "settings/list_file.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {
// The same columns as `vextondof lenses --format csv` writes.
constexpr const char* kHeader =
    "name,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,widest_at_max,smallest,"
    "min_focus_m,pupil_magnification,source";
const std::vector<std::string> kWithoutHeader = {
    "name",          "focal_min_mm", "focal_max_mm", "widest_at_min",
    "widest_at_max", "smallest",     "min_focus_m",  "pupil_magnification",
    "maker",         "model",        "mount",        "source"};
constexpr std::uint64_t kLargestFile = 4u << 20;
constexpr std::size_t kLongestName = 100;

bool Within(double v, double least, double most) {
    return v >= least && v <= most;
}

// What the fields make of a lens: an empty longest focal length or widest
// aperture at it is the shortest's, an empty smallest aperture f/22.
std::optional<LensRecord> ReadLine(const ListLine& line) {
    const auto number = [&line](const char* column) { return ListNumber(line.Field(column)); };
    const auto optional = [&line, &number](const char* column, double& to) {
        if (line.Field(column).empty())
            return true;
        const std::optional<double> v = number(column);
        if (v)
            to = *v;
        return v.has_value();
    };
    LensRecord lens;
    lens.name = line.Field("name");
    const std::optional<double> focal = number("focal_min_mm"), widest = number("widest_at_min");
    if (lens.name.empty() || !focal || !widest)
        return std::nullopt;
    lens.focalMin = lens.focalMax = *focal;
    lens.widestAtMin = lens.widestAtMax = *widest;
    if (!optional("focal_max_mm", lens.focalMax) || !optional("widest_at_max", lens.widestAtMax) ||
        !optional("smallest", lens.smallest) || !optional("min_focus_m", lens.minFocus) ||
        !optional("pupil_magnification", lens.pupil))
        return std::nullopt;
    lens.maker = line.Field("maker");
    lens.model = line.Field("model");
    lens.mount = line.Field("mount");
    lens.source = line.Field("source").empty() ? "own" : line.Field("source");
    if (!RefusalToAddLens({}, lens).empty())
        return std::nullopt;
    return lens;
}

std::string Optional(double v) {
    return v > 0 ? ExactListNumber(v) : std::string();
}
} // namespace

OwnLenses ParseOwnLenses(std::string_view text) {
    OwnLenses own;
    ReadListLines(
        text, kWithoutHeader,
        [&own](const ListLine& line) {
            const std::optional<LensRecord> lens = ReadLine(line);
            if (lens)
                own.lenses.push_back(*lens);
            return lens.has_value();
        },
        own.unread);
    return own;
}

std::string OwnLensesText(const OwnLenses& own) {
    std::string text = std::string(kHeader) + "\n";
    for (const LensRecord& l : own.lenses)
        text += FirstListField(l.name) + "," + CsvField(l.maker) + "," + CsvField(l.model) + "," +
                CsvField(l.mount) + "," + ExactListNumber(l.focalMin) + "," +
                ExactListNumber(l.focalMax) + "," + ExactListNumber(l.widestAtMin) + "," +
                ExactListNumber(l.widestAtMax) + "," + ExactListNumber(l.smallest) + "," +
                Optional(l.minFocus) + "," + Optional(l.pupil) + "," + CsvField(l.source) + "\n";
    for (const std::string& line : own.unread)
        text += line + "\n";
    return text;
}

SettingsLocation OwnLensesLocation(const SettingsLocation& settings) {
    return BesideSettings(settings, kOwnLensesFileName);
}

OwnLenses ReadOwnLenses(const SettingsLocation& settings, int waitMs) {
    const SettingsLocation where = OwnLensesLocation(settings);
    const ListFileRead read = ReadListFile(where, kLargestFile, waitMs);
    OwnLenses own = read.read ? ParseOwnLenses(read.text) : OwnLenses{};
    own.held = read.held;
    if (read.tooLarge)
        own.problem =
            Arg(Tr("Lenses", "Your lenses file %1 is too large to be read."), {where.path});
    else if (read.unreadable)
        own.problem = Arg(Tr("Lenses", "Your lenses file %1 cannot be read."), {where.path});
    else if (read.held)
        own.problem = Tr("Lenses", "Another copy of Vexton.DOF.CE holds your lenses file, so your "
                                   "lenses cannot be read now.");
    return own;
}

namespace {
OwnLensesChange ChangeOwnLenses(const SettingsLocation& settings,
                                const std::function<std::string(OwnLenses&)>& change) {
    const SettingsLocation where = OwnLensesLocation(settings);
    const ListFileUpdate update = UpdateListFile(
        where, kLargestFile, [&](const std::optional<std::string>& old, std::string& now) {
            OwnLenses own = old ? ParseOwnLenses(*old) : OwnLenses{};
            std::string refusal = change(own);
            now = OwnLensesText(own);
            // Never written larger than it may be read again.
            if (refusal.empty() && now.size() > kLargestFile && (!old || now.size() > old->size()))
                refusal = Arg(Tr("Lenses", "Your lenses file %1 is full; remove a lens first."),
                              {where.path});
            return refusal;
        });
    OwnLensesChange result{update.refusal, ""};
    if (update.forRunOnly)
        result.refusal = Tr("Lenses", "Your configuration folder is not yours, so your lenses "
                                      "cannot be kept.");
    else if (update.tooLarge)
        result.refusal =
            Arg(Tr("Lenses", "Your lenses file %1 is too large to be read."), {where.path});
    else if (!update.written && result.refusal.empty())
        result.failure = update.error.GetErrorMessage();
    return result;
}
} // namespace

OwnLensesChange AddOwnLens(const SettingsLocation& settings, const LensRecord& lens) {
    return ChangeOwnLenses(settings, [&](OwnLenses& own) {
        std::string refusal = RefusalToAddLens(own, lens);
        if (refusal.empty())
            own.lenses.push_back(lens);
        return refusal;
    });
}

OwnLensesChange RemoveOwnLens(const SettingsLocation& settings, const std::string& name) {
    return ChangeOwnLenses(settings, [&](OwnLenses& own) {
        const auto at = std::find_if(own.lenses.begin(), own.lenses.end(),
                                     [&](const LensRecord& l) { return l.name == name; });
        if (at == own.lenses.end())
            return Arg(Tr("Lenses", "You have no lens named %1."), {name});
        own.lenses.erase(at);
        return std::string();
    });
}

std::string RefusalToAddLens(const OwnLenses& own, const LensRecord& lens) {
    const std::string& name = lens.name;
    if (name.find_first_not_of(" \t") == std::string::npos)
        return Tr("Lenses", "A lens needs a name.");
    if (!IsListText(name) || name.find_first_of("\t\r\n") != std::string::npos ||
        ShownText(name) != name)
        return Tr("Lenses", "A lens's name is one line, without tabs or control characters.");
    if (Utf8ToCString(name).size() > kLongestName)
        return Arg(Tr("Lenses", "A lens's name is at most %1 characters long."),
                   {std::to_string(kLongestName)});
    if (!Within(lens.focalMin, 1, 5000) || !Within(lens.focalMax, lens.focalMin, 5000))
        return Tr("Lenses", "Focal lengths are from 1 to 5000 mm, the longest not shorter than "
                            "the shortest.");
    if (!Within(lens.widestAtMin, 0.5, 256) || !Within(lens.widestAtMax, 0.5, 256) ||
        !Within(lens.smallest, std::max(lens.widestAtMin, lens.widestAtMax), 256))
        return Tr("Lenses", "Apertures are from f/0.5 to f/256, the smallest not wider than the "
                            "widest.");
    if (lens.IsPrime() && lens.widestAtMax != lens.widestAtMin)
        return Tr("Lenses", "A lens of one focal length has one widest aperture.");
    if (lens.widestAtMax < lens.widestAtMin)
        return Tr("Lenses", "A zoom opens no wider at its long end than at its short end: the "
                            "widest apertures go from the short end to the long one "
                            "(“3.5-5.6”).");
    if (lens.minFocus != 0 && !Within(lens.minFocus, 0.01, 1000))
        return Tr("Lenses", "The minimum focus distance is from 0.01 to 1000 m.");
    if (lens.pupil != 0 && !Within(lens.pupil, 0.05, 20))
        return Tr("Lenses", "The pupil magnification is from 0.05 to 20.");
    // Names are told apart as words find them: not by case alone.
    for (const LensRecord& l : own.lenses)
        if (CompareNoCase(Utf8ToCString(l.name), Utf8ToCString(name)) == 0)
            return Arg(Tr("Lenses", "You have a lens named %1 already."), {l.name});
    return {};
}

std::vector<LensRecord> AllLenses(const OwnLenses& own) {
    std::vector<LensRecord> all = own.lenses;
    const LensDatabase& database = LensfunLenses();
    all.insert(all.end(), database.lenses.begin(), database.lenses.end());
    return all;
}

namespace {
// "24-105" or "50", "f/3.5-5.6" or "4": the two ends, the second the
// first's when one is given.
std::optional<std::pair<double, double>> ReadEnds(std::string_view text,
                                                  const NumberSettings& numbers) {
    std::string typed(TrimBlanks(text));
    if (typed.rfind("f/", 0) == 0 || typed.rfind("F/", 0) == 0)
        typed.erase(0, 2);
    const std::size_t dash = typed.find('-', 1);
    const auto number = [&numbers](std::string_view t) -> std::optional<double> {
        const std::string plain = NormalizeDecimalSeparator(std::string(TrimBlanks(t)), numbers);
        std::size_t used = 0;
        const double v = ParseDecimalPrefix(plain, &used);
        if (used == 0 || used != plain.size() || !(v > 0) || !std::isfinite(v))
            return std::nullopt;
        return v;
    };
    const std::optional<double> first = number(std::string_view(typed).substr(0, dash));
    const std::optional<double> second =
        dash == std::string::npos ? first : number(std::string_view(typed).substr(dash + 1));
    if (!first || !second)
        return std::nullopt;
    return std::pair{*first, *second};
}

} // namespace

std::optional<LensRecord> ReadTypedLens(const TypedLens& typed, const NumberSettings& numbers) {
    const auto focal = ReadEnds(typed.focal, numbers);
    const auto widest = ReadEnds(typed.widest, numbers);
    if (!focal || !widest)
        return std::nullopt;
    LensRecord lens;
    lens.name = typed.name;
    lens.source = "own";
    std::tie(lens.focalMin, lens.focalMax) = *focal;
    std::tie(lens.widestAtMin, lens.widestAtMax) = *widest;
    // What cannot be read is a number the refusals name.
    for (const auto& [text, to] :
         {std::pair{&typed.smallest, &lens.smallest}, std::pair{&typed.pupil, &lens.pupil}})
        if (*text && !TrimBlanks(**text).empty()) {
            const auto read = ReadEnds(**text, numbers);
            *to = read ? read->first : -1;
        }
    if (typed.minFocus && !TrimBlanks(*typed.minFocus).empty()) {
        const std::optional<double> m =
            ReadTypedDistance(*typed.minFocus, numbers, DistanceUnitFor(2));
        lens.minFocus = m && *m > 0 ? *m : -1; // in metres
    }
    return lens;
}

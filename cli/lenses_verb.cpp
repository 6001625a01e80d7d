#include "calc/number_text.h"
#include "calc/typed_distance.h"
#include "cli/nearest.h"
#include "cli/options.h"
#include "cli/table_text.h"
#include "cli/verbs.h"
#include "framework/base/csv.h"
#include "framework/base/translate.h"
#include "lenses/lens_catalog.h"
#include "lenses/own_lenses.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

extern const Verb kLensesVerb; // at the end

namespace {
const char kLensesUsage[] = TR_NOOP(
    "Command line", "       vextondof lenses [WORDS] [--format text|csv]\n"
                    "       vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]\n"
                    "                        [--smallest N] [--min-focus TEXT] [--pupil P]\n"
                    "       vextondof lenses --remove NAME\n");

const char kLensesHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof lenses [WORDS] [--format text|csv]\n"
            "       vextondof lenses --add NAME --focal MM[-MM] --widest N[-N]\n"
            "                        [--smallest N] [--min-focus TEXT] [--pupil P]\n"
            "       vextondof lenses --remove NAME\n"
            "\n"
            "Lists your own lenses, then lensfun's, that the words find, best first: every\n"
            "word, in any case and order, in the maker or the model, letters and digits\n"
            "apart or run together (\"24-105 f4\", \"ef 100 macro\", \"xf 23\"); without\n"
            "words every lens is listed, in order. Each with its focal range, its widest\n"
            "aperture at each end and its mount. Finding none exits 1.\n"
            "\n"
            "  --format text|csv    aligned columns (the default), or a CSV file with the\n"
            "                       header name,maker,model,mount,focal_min_mm,focal_max_mm,\n"
            "                       widest_at_min,widest_at_max,smallest,min_focus_m,\n"
            "                       pupil_magnification,source\n"
            "  --add NAME           adds a lens of your own:\n"
            "  --focal MM[-MM]      its focal length, or its shortest and longest (\"24-105\")\n"
            "  --widest N[-N]       its widest aperture, or at each end (\"3.5-5.6\")\n"
            "  --smallest N         its smallest aperture (default 22)\n"
            "  --min-focus TEXT     how near it focuses, from the sensor (\"0.45 m\", \"18 in\")\n"
            "  --pupil P            its pupil magnification, when known\n"
            "  --remove NAME        removes one of your lenses (lensfun's stay)\n");

constexpr const char* kCsvHeader =
    "name,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,widest_at_max,smallest,"
    "min_focus_m,pupil_magnification,source";

std::string Plain(double v) {
    return FormatShortest(v, 6, PlainNumberSettings());
}

std::string CsvLine(const LensRecord& l) {
    return CsvField(l.name) + "," + CsvField(l.maker) + "," + CsvField(l.model) + "," +
           CsvField(l.mount) + "," + Plain(l.focalMin) + "," + Plain(l.focalMax) + "," +
           (l.widestAtMin > 0 ? Plain(l.widestAtMin) + "," + Plain(l.widestAtMax) : ",") + "," +
           Plain(l.smallest) + "," + (l.minFocus > 0 ? Plain(l.minFocus) : "") + "," +
           (l.pupil > 0 ? Plain(l.pupil) : "") + "," + l.source + "\n";
}

std::string TextLines(const std::vector<LensRecord>& lenses, const std::vector<std::size_t>& shown,
                      const NumberSettings& numbers) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> widths(5, 0);
    for (const std::size_t i : shown) {
        const LensRecord& l = lenses[i];
        const std::string widest = WidestText(l, numbers);
        rows.push_back({l.name, FocalRangeText(l, numbers),
                        widest.empty() ? std::string(kNoValue) : widest, l.mount,
                        l.source == "own" ? Tr("Command line", "yours") : l.source});
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(rows.back()[c]));
    }
    std::string out;
    for (const std::vector<std::string>& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line +=
                row[c] +
                (c + 1 < row.size() ? std::string(widths[c] - DisplayWidth(row[c]) + 2, ' ') : "");
        out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return out;
}
} // namespace

namespace {
using Options = std::map<std::string, std::string>;

// The lens --add describes; none after a usage error in `wrong`.
std::optional<LensRecord> DescribedLens(const Options& options, const NumberSettings& numbers,
                                        CommandResult& wrong) {
    const auto value = [&options](const char* name) -> std::optional<std::string> {
        const auto at = options.find(name);
        return at == options.end() ? std::nullopt : std::optional<std::string>(at->second);
    };
    TypedLens typed;
    typed.name = *value("--add");
    typed.focal = value("--focal").value_or("");
    typed.widest = value("--widest").value_or("");
    typed.smallest = value("--smallest");
    typed.minFocus = value("--min-focus");
    typed.pupil = value("--pupil");
    std::optional<LensRecord> lens = ReadTypedLens(typed, numbers);
    if (!lens)
        wrong =
            UsageError("lenses", Tr("Command line",
                                    "--add takes --focal MM[-MM] and --widest N[-N], as numbers"));
    return lens;
}

// Adds or removes one of the person's lenses.
CommandResult ChangeLenses(const Options& options, const CommandLineContext& machine) {
    const SettingsLocation settings = SettingsLocationFor(machine.programPath, machine.configHome);
    OwnLensesChange change;
    std::string done;
    if (options.count("--remove")) {
        change = RemoveOwnLens(settings, options.at("--remove"));
        done = Arg(Tr("Command line", "Removed %1."), {options.at("--remove")});
    } else {
        CommandResult wrong;
        const std::optional<LensRecord> lens = DescribedLens(options, machine.numbers, wrong);
        if (!lens)
            return wrong;
        change = AddOwnLens(settings, *lens);
        done = Arg(Tr("Command line", "Added %1."), {lens->name});
    }
    if (!change.refusal.empty())
        return Refused(change.refusal);
    if (!change.failure.empty())
        return {1, "", "vextondof: " + change.failure + "\n", "", false, {}};
    return {0, done + "\n", "", "", false, {}};
}

// The words, and each option's value; a usage error for what is not understood.
std::optional<CommandResult> ReadLensesOptions(const std::vector<std::string>& args,
                                               std::string& words, Options& options) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::string name = arg.substr(0, arg.find('='));
        const std::vector<std::string>& own = kLensesVerb.own;
        if (arg == "--help" || arg == "-h")
            return CommandResult{0, Tr("Command line", kLensesHelp), "", "", false, {}};
        if (std::find(own.begin(), own.end(), name) != own.end()) {
            if (arg.find('=') != std::string::npos)
                options[name] = arg.substr(arg.find('=') + 1);
            else if (i + 1 < args.size())
                options[name] = args[++i];
            else
                return UsageError("lenses",
                                  Arg(Tr("Command line", "option %1 needs a value"), {arg}));
        } else if (arg.rfind("--", 0) == 0) {
            const std::string meant = NearestWord(name, own);
            return UsageError(
                "lenses",
                meant.empty()
                    ? Arg(Tr("Command line", "unknown option %1"), {arg})
                    : Arg(Tr("Command line", "unknown option %1; did you mean %2?"), {arg, meant}));
        } else {
            words += (words.empty() ? "" : " ") + arg;
        }
    }
    const bool adding = options.count("--add") > 0, removing = options.count("--remove") > 0;
    const bool describing = options.count("--focal") || options.count("--widest") ||
                            options.count("--smallest") || options.count("--min-focus") ||
                            options.count("--pupil");
    if (options.count("--format") && options["--format"] != "text" && options["--format"] != "csv")
        return UsageError("lenses", Tr("Command line", "--format takes text or csv"));
    if ((adding || removing) && (!words.empty() || (adding && removing)))
        return UsageError("lenses", Tr("Command line", "--add and --remove each stand alone"));
    if (describing && !adding)
        return UsageError("lenses", Tr("Command line", "--focal, --widest, --smallest, "
                                                       "--min-focus and --pupil go with --add"));
    return std::nullopt;
}
} // namespace

CommandResult LensesVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    std::string words;
    Options options;
    if (auto answer = ReadLensesOptions(args, words, options))
        return *answer;
    if (options.count("--add") || options.count("--remove"))
        return ChangeLenses(options, machine);
    const OwnLenses own =
        ReadOwnLenses(SettingsLocationFor(machine.programPath, machine.configHome));
    const std::vector<LensRecord> lenses = AllLenses(own);
    const LensDatabase& database = LensfunLenses(); // what it says of its reading
    std::vector<std::size_t> shown;
    if (words.empty())
        for (std::size_t i = 0; i < lenses.size(); ++i)
            shown.push_back(i);
    else
        shown = FindLenses(lenses, words);
    CommandResult result{0, "", "", "", false, {}};
    for (const std::string* problem : {&own.problem, &database.problem})
        if (!problem->empty())
            result.err += Note(*problem);
    if (shown.empty()) {
        result.exitCode = 1;
        result.err +=
            Arg(Tr("Command line", "No lens matches \"%1\"."), {TypedShown(words)}) + "\n";
        return result;
    }
    if (options.count("--format") && options["--format"] == "csv") {
        result.out = std::string(kCsvHeader) + "\n";
        for (const std::size_t i : shown)
            result.out += CsvLine(lenses[i]);
    } else {
        result.out = TextLines(lenses, shown, machine.numbers);
    }
    return result;
}

const Verb kLensesVerb{"lenses",
                       LensesVerb,
                       kLensesUsage,
                       kLensesHelp,
                       false,
                       {"--format", "--add", "--focal", "--widest", "--smallest", "--min-focus",
                        "--pupil", "--remove"},
                       nullptr};

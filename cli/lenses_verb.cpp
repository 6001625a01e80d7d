#include "calc/number_text.h"
#include "cli/nearest.h"
#include "cli/options.h"
#include "cli/table_text.h"
#include "cli/verbs.h"
#include "framework/base/csv.h"
#include "framework/base/translate.h"
#include "lenses/lens_catalog.h"

#include <algorithm>

extern const Verb kLensesVerb; // at the end

namespace {
const char kLensesUsage[] =
    TR_NOOP("Command line", "       vextondof lenses [WORDS] [--format text|csv]\n");

const char kLensesHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof lenses [WORDS] [--format text|csv]\n"
            "\n"
            "Lists the lenses of lensfun's database the words find, best first: every\n"
            "word, in any case and order, in the maker or the model, letters and digits\n"
            "apart or run together (\"24-105 f4\", \"ef 100 macro\", \"xf 23\"); without\n"
            "words every lens is listed, in order. Each with its focal range, its widest\n"
            "aperture at each end and its mount. Finding none exits 1.\n"
            "\n"
            "  --format text|csv    aligned columns (the default), or a CSV file with the\n"
            "                       header name,maker,model,mount,focal_min_mm,focal_max_mm,\n"
            "                       widest_at_min,widest_at_max,smallest,min_focus_m,\n"
            "                       pupil_magnification,source\n");

constexpr const char* kCsvHeader =
    "name,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,widest_at_max,smallest,"
    "min_focus_m,pupil_magnification,source";

std::string Plain(double v) {
    return FormatShortest(v, 6, PlainNumberSettings());
}

std::string CsvLine(const LensRecord& l) {
    return CsvField(l.name) + "," + CsvField(l.maker) + "," + CsvField(l.model) + "," +
           CsvField(l.mount) + "," + Plain(l.focalMin) + "," + Plain(l.focalMax) + "," +
           Plain(l.widestAtMin) + "," + Plain(l.widestAtMax) + "," + Plain(l.smallest) + "," +
           (l.minFocus > 0 ? Plain(l.minFocus) : "") + "," + (l.pupil > 0 ? Plain(l.pupil) : "") +
           "," + l.source + "\n";
}

// "18–55 mm", "23 mm"; "f/3.5–5.6", "f/2".
std::string Range(double a, double b, const NumberSettings& numbers) {
    const std::string first = FormatShortest(a, 1, numbers);
    return b > a ? first + "\u2013" + FormatShortest(b, 1, numbers) : first;
}

std::string TextLines(const std::vector<LensRecord>& lenses, const std::vector<std::size_t>& shown,
                      const NumberSettings& numbers) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::size_t> widths(4, 0);
    for (const std::size_t i : shown) {
        const LensRecord& l = lenses[i];
        rows.push_back({l.name, Range(l.focalMin, l.focalMax, numbers) + " mm",
                        "f/" + Range(l.widestAtMin, l.widestAtMax, numbers), l.mount});
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
        out += line + "\n";
    }
    return out;
}
} // namespace

CommandResult LensesVerb(const std::vector<std::string>& args, const CommandLineContext&) {
    std::string words, format = "text";
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            return {0, Tr("Command line", kLensesHelp), "", "", false, {}};
        if (arg == "--format" || arg.rfind("--format=", 0) == 0) {
            if (arg == "--format" && i + 1 >= args.size())
                return UsageError("lenses",
                                  Arg(Tr("Command line", "option %1 needs a value"), {arg}));
            format = arg == "--format" ? args[++i] : arg.substr(9);
        } else if (arg.rfind("--", 0) == 0) {
            const std::string meant = NearestWord(arg.substr(0, arg.find('=')), kLensesVerb.own);
            return UsageError(
                "lenses",
                meant.empty()
                    ? Arg(Tr("Command line", "unknown option %1"), {arg})
                    : Arg(Tr("Command line", "unknown option %1; did you mean %2?"), {arg, meant}));
        } else {
            words += (words.empty() ? "" : " ") + arg;
        }
    }
    if (format != "text" && format != "csv")
        return UsageError("lenses", Tr("Command line", "--format takes text or csv"));
    const LensDatabase& database = LensfunLenses();
    std::vector<std::size_t> shown;
    if (words.empty())
        for (std::size_t i = 0; i < database.lenses.size(); ++i)
            shown.push_back(i);
    else
        shown = FindLenses(database.lenses, words);
    CommandResult result{0, "", "", "", false, {}};
    if (!database.problem.empty())
        result.err += Note(database.problem);
    if (shown.empty()) {
        result.exitCode = 1;
        result.err += Arg(Tr("Command line", "No lens matches \"%1\"."), {words}) + "\n";
        return result;
    }
    if (format == "csv") {
        result.out = std::string(kCsvHeader) + "\n";
        for (const std::size_t i : shown)
            result.out += CsvLine(database.lenses[i]);
    } else {
        result.out = TextLines(database.lenses, shown, NumberSettings{});
    }
    return result;
}

const Verb kLensesVerb{"lenses", LensesVerb,   kLensesUsage, kLensesHelp,
                       false,    {"--format"}, nullptr};

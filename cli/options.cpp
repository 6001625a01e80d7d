#include "cli/options.h"

#include "cli/nearest.h"
#include "framework/base/translate.h"

#include <algorithm>

namespace {
const char kChoicesHelp[] =
    TR_NOOP("Command line",
            "Choices (each the first entry of its list that begins with TEXT, in any case;\n"
            "a number the list has no entry for is used as given; a choice left out is\n"
            "your stored one, as the program keeps it):\n"
            "  --camera TEXT        camera or film format (\"canon 20\": Canon 20D)\n"
            "  --focal-length TEXT  focal length in millimetres (\"50\": 50.0; \"23 mm\")\n"
            "  --aperture TEXT      aperture (\"f/5.6\"; \"f/6.3\", \"3\": f/3)\n"
            "  --unit TEXT          distance unit (\"m\": meters)\n"
            "  --cofc TEXT          circle of confusion in millimetres (\"0.03\": 0.0300)\n"
            "  --diopter TEXT       close-up lens diopter, as typed on the main form\n"
            "  --lens WORDS         your lens, as vextondof lenses finds it (\"24-105 f4\"):\n"
            "                       its focal lengths and apertures hold, and what is\n"
            "                       nearer than it focuses is said\n"
            "Numbers are read in your number settings (LC_ALL, LC_NUMERIC, LANG).\n");

} // namespace

const char* const kChoiceOptions[7] = {"--camera", "--focal-length", "--aperture", "--unit",
                                       "--cofc",   "--diopter",      "--lens"};

Parsed ParseOptions(const std::vector<std::string>& args, std::vector<std::string> own) {
    std::vector<std::string> known(std::begin(kChoiceOptions), std::end(kChoiceOptions));
    known.insert(known.end(), own.begin(), own.end());
    Parsed parsed;
    for (std::size_t i = 1; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (arg.rfind("--", 0) != 0 || std::find(known.begin(), known.end(), name) == known.end()) {
            const std::string meant = NearestWord(name, known);
            parsed.error =
                arg.rfind("--", 0) != 0
                    ? Arg(Tr("Command line", "unexpected argument \"%1\""), {arg})
                : meant.empty()
                    ? Arg(Tr("Command line", "unknown option %1"), {name})
                    : Arg(Tr("Command line", "unknown option %1; did you mean %2?"), {name, meant});
        } else if (equals != std::string::npos)
            parsed.values[name] = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            parsed.values[name] = args[++i];
        else
            parsed.error = Arg(Tr("Command line", "option %1 needs a value"), {name});
    }
    return parsed;
}

CommandResult UsageError(const std::string& verb, const std::string& what) {
    return {2,
            "",
            "vextondof: " + what + "\n" +
                Arg(Tr("Command line", "Try 'vextondof %1 --help'."), {verb}) + "\n",
            "",
            false,
            {}};
}

std::optional<CommandResult> HelpOrUsageError(const Parsed& parsed, const Verb& verb) {
    if (parsed.help)
        return CommandResult{
            0,     Tr("Command line", verb.help) + "\n" + Tr("Command line", kChoicesHelp),
            "",    "",
            false, {}};
    if (!parsed.error.empty())
        return UsageError(verb.name, parsed.error);
    if (verb.required && !parsed.values.count(verb.required))
        return UsageError(verb.name,
                          Arg(Tr("Command line", "%1 needs %2 TEXT"), {verb.name, verb.required}));
    return std::nullopt;
}

CommandResult Refused(const std::string& sentence) {
    return {1, "", ValidationError(sentence), "", false, {}};
}

std::string ValidationError(const std::string& sentence) {
    return Tr("Command line", "Validation Error: ") + sentence + "\n";
}

std::string Note(const std::string& sentence) {
    return Tr("Command line", "Note: ") + sentence + "\n";
}

std::string Option(const Parsed& parsed, const char* name) {
    const auto it = parsed.values.find(name);
    return it == parsed.values.end() ? std::string() : it->second;
}

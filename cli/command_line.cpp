#include "cli/command_line.h"

#include "cli/nearest.h"
#include "cli/verbs.h"
#include "framework/base/translate.h"
#include "resources/program_resources.h"

#include <algorithm>
#include <filesystem>

namespace {
// The verbs' names in alphabetical order: "calculate, cameras, … and table".
std::vector<std::string> VerbNames() {
    std::vector<std::string> names;
    for (const Verb* verb : Verbs())
        names.push_back(verb->name);
    std::sort(names.begin(), names.end());
    return names;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i + 1 < names.size(); ++i)
        out += (i == 0 ? "" : ", ") + names[i];
    return names.size() < 2 ? (names.empty() ? "" : names.front())
                            : Arg(Tr("Command line", "%1 and %2"), {out, names.back()});
}

CommandResult NotAVerb(const std::string& word) {
    const std::vector<std::string> names = VerbNames();
    const std::string meant = NearestWord(word, names);
    CommandResult result;
    result.exitCode = 2;
    result.err =
        "vextondof: " +
        (meant.empty() ? Arg(Tr("Command line", "\"%1\" is not a command; the commands are %2"),
                             {word, Listed(names)})
                       : Arg(Tr("Command line", "\"%1\" is not a command; did you mean %2?"),
                             {word, meant})) +
        "\n" + Tr("Command line", "Try 'vextondof --help'.") + "\n";
    return result;
}
} // namespace

std::string VerbsHelp() {
    std::string help;
    for (const Verb* verb : Verbs())
        help += Tr("Command line", verb->usage);
    return help;
}

std::optional<CommandResult> RunCommandLine(const std::vector<std::string>& args,
                                            const CommandLineContext& machine) {
    if (args.empty())
        return std::nullopt;
    const Verb* verb = FindVerb(args[0]);
    if (!verb) {
        if (!args[0].empty() && args[0][0] == '-') // the window's own options
            return std::nullopt;
        std::error_code unknown;
        if (std::filesystem::exists(args[0], unknown)) // photos or folders, for the window to open
            return std::nullopt;
        return NotAVerb(args[0]);
    }
    RegisterProgramResources();
    return verb->run(args, machine);
}
void CollectOutput(CommandResult& result) {
    if (!result.produce)
        return;
    std::string more;
    try {
        more = result.produce([&result](std::string_view piece) { result.out += piece; });
    } catch (const NothingMade& nothing) {
        result.out.clear();
        more = nothing.what();
    }
    result.err += more;
    if (!more.empty())
        result.exitCode = 1;
    result.produce = nullptr;
}

#include "cli/command_line.h"

#include "cli/nearest.h"
#include "cli/verbs.h"
#include "framework/base/translate.h"
#include "resources/program_resources.h"

const char* const kVerbsHelp =
    TR_NOOP("Command line",
            "       vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]\n"
            "       vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]\n"
            "       vextondof table [CHOICES] [--distance TEXT] [--distances \"LIST\"]\n"
            "                       [--apertures FROM:TO] [--steps whole|half|third]\n"
            "                       [--show limits|split|total]\n"
            "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n"
            "       vextondof chart [CHOICES] [--distance TEXT] [--view zone|limits]\n"
            "                       [--apertures FROM:TO] [--steps whole|half|third]\n"
            "                       --format svg|png|pdf [--output FILE] [--paper a4|letter]\n"
            "       vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] FILE...\n"
            "       vextondof coc [CHOICES] --print SIZE [--viewing DISTANCE] [--eyesight WHICH]\n"
            "       vextondof coc [CHOICES] --pixels WIDTH | --pitch SIZE [--factor N]\n"
            "       vextondof cameras [WORDS] [--format text|csv]\n");

std::optional<CommandResult> RunCommandLine(const std::vector<std::string>& args,
                                            const CommandLineContext& machine) {
    if (args.empty())
        return std::nullopt;
    const std::string& verb = args[0];
    if (verb != "calculate" && verb != "table" && verb != "plan" && verb != "cameras" &&
        verb != "photo" && verb != "coc" && verb != "chart") {
        if (!verb.empty() && verb[0] == '-') // the window's own options
            return std::nullopt;
        const std::string meant =
            NearestWord(verb, {"calculate", "cameras", "chart", "coc", "photo", "plan", "table"});
        return CommandResult{
            2,
            "",
            "vextondof: " +
                (meant.empty()
                     ? Arg(Tr("Command line",
                              "\"%1\" is not a command; the commands are calculate, "
                              "cameras, chart, coc, photo, plan and table"),
                           {verb})
                     : Arg(Tr("Command line", "\"%1\" is not a command; did you mean %2?"),
                           {verb, meant})) +
                "\n" + Tr("Command line", "Try 'vextondof --help'.") + "\n",
            "",
            false,
            {}};
    }
    RegisterProgramResources();
    return verb == "calculate" ? CalculateVerb(args, machine)
           : verb == "plan"    ? PlanVerb(args, machine)
           : verb == "cameras" ? CamerasVerb(args, machine)
           : verb == "photo"   ? PhotoVerb(args, machine)
           : verb == "coc"     ? CocVerb(args, machine)
           : verb == "chart"   ? ChartVerb(args, machine)
                               : TableVerb(args, machine);
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

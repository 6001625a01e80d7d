// The program: the verbs answer in the terminal without Qt's libraries; the
// window, and the PDFs and images verbs draw, come from the window module,
// loaded only then.
#include "cli/command_line.h"
#include "cli/terminal.h"
#include "cli/window_module.h"
#include "framework/base/modules.h"
#include "framework/base/translate.h"
#include "lists/choice_lists.h"
#include "resources/program_resources.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const char kUsage[] =
    TR_NOOP("Command line", "Usage: vextondof [Qt options]\n"
                            "       vextondof --help | --version | --list-cameras\n");
const char kAbout[] =
    TR_NOOP("Command line",
            "Vexton.DOF.CE, a depth-of-field calculator for photographers: pick a camera\n"
            "or film format, a focal length, an aperture, a unit and a circle of\n"
            "confusion, type the subject distance, press Calculate.\n"
            "\n"
            "Without a verb it opens its window; Qt's options (-platform NAME,\n"
            "-style NAME, ...) work as in any Qt program. The verbs answer in the\n"
            "terminal, with no window and no display ('vextondof VERB --help').\n"
            "--list-cameras writes the camera list's names, one a line.\n"
            "\n"
            "Your five list choices are kept in vextondof.ini beside a copy of the program\n"
            "not installed with the system where you may create files in its folder,\n"
            "otherwise in\n"
            "$XDG_CONFIG_HOME/vextondof/vextondof.ini (~/.config/vextondof/vextondof.ini).\n");

// The exit status of an answer written to standard output: 1, said on
// standard error, when it could not be written whole.
int Answered() {
    std::signal(SIGPIPE, SIG_IGN); // a closed pipe is a write error, said as one
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    std::fprintf(
        stderr, "vextondof: %s\n",
        Arg(Tr("Command line", "cannot write the output: %1"), {std::strerror(errno)}).c_str());
    return 1;
}
// The window module, loaded at the first call; none, with `why` said, when
// it cannot serve.
const WindowModule* Window(std::string& why) {
    static ModuleProblem problem = ModuleProblem::None;
    static const WindowModule* const window = [] {
        ModuleFile file = OpenProgramModule(kWindowModuleFile);
        using Entry = const WindowModule*();
        auto* entry = reinterpret_cast<Entry*>(
            ModuleSymbol(LoadModuleFile(file, ModuleBinding::Lazy), "vexton_window_module"));
        if (!entry)
            problem = file.problem == ModuleProblem::None ? ModuleProblem::Missing : file.problem;
        return entry ? entry() : nullptr;
    }();
    if (!window)
        why = ModuleProblemText(Tr("Modules", "The window"), kWindowModuleFile, problem);
    return window;
}

void LoadTranslations() {
    LoadProgramTranslations(InterfaceLanguage(
        [](const char* name) -> const char* { return std::getenv(name); }, ProgramLanguages()));
}

// The window module's drawing, or what could not be made said as such.
const WindowModule& Drawing() {
    std::string why;
    if (const WindowModule* window = Window(why))
        return *window;
    throw NothingMade("vextondof: " + why + "\n");
}

const TerminalDrawing kDrawing{
    [](const DofTable& table, const TablePageHeading& heading, std::optional<bool> letter,
       const OutputSink& sink) { return Drawing().tablePdf(table, heading, letter, sink); },
    [](const DofChart& chart, const TablePageHeading& heading, ChartFormat format,
       std::optional<bool> letter,
       const OutputSink& sink) { return Drawing().chart(chart, heading, format, letter, sink); }};

// Runs the window, as a desktop starts the program (no arguments: nothing
// else of the program is run first, nothing else of it kept in memory).
int RunWindow(int argc, char** argv) {
    std::string why;
    if (const WindowModule* window = Window(why))
        return window->run(argc, argv);
    LoadTranslations();
    Window(why);
    std::fprintf(stderr, "vextondof: %s\n", why.c_str());
    return 1;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return RunWindow(argc, argv);
    // The terminal's texts, as the window's, in the desktop's language.
    LoadTranslations();
    // A verb answers in the terminal: no window, no display.
    if (const int verb = RunTerminalVerbs(argc, argv, kDrawing); verb >= 0)
        return verb;
    // Answered before anything else: no window, no display, no settings file.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(
                (Tr("Command line", kUsage) + VerbsHelp() + "\n" + Tr("Command line", kAbout))
                    .c_str(),
                stdout);
            return Answered();
        }
        if (std::strcmp(argv[i], "--list-cameras") == 0) { // for the shell's completion
            for (const ChoiceEntry& camera : CameraChoices())
                std::printf("%s\n", CStringToUtf8(camera.displayText).c_str());
            return Answered();
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Vexton.DOF.CE %s\n", VEXTON_VERSION);
            return Answered();
        }
    }
    return RunWindow(argc, argv);
}

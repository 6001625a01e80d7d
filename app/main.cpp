#include "app/vexton_app.h"
#include "cli/command_line.h"
#include "cli/terminal.h"
#include "framework/base/translate.h"
#include "framework/qt/desktop_platform.h"
#include "lists/choice_lists.h"
#include "resources/program_resources.h"

#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

CVextonDOFCEApp theApp;

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
} // namespace

int main(int argc, char** argv) {
    // The terminal's texts, as the window's, in the desktop's language.
    LoadProgramTranslations(CDesktopPlatform().GetInterfaceLanguage(ProgramLanguages()));
    // A verb answers in the terminal: no window, no display.
    if (const int verb = RunTerminalVerbs(argc, argv); verb >= 0)
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
    // The desktop entry's name, by which desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vextondof"));
    return AfxWinMain(argc, argv);
}

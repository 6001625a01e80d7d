#include "cli/terminal.h"

#include "cli/command_line.h"
#include "framework/base/file.h"
#include "framework/qt/desktop_platform.h"
#include "table/table_page.h"

#include <QGuiApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
// A PDF needs fonts, and so Qt's text machinery: on the offscreen platform,
// which needs no display, made only when a PDF is asked for.
std::string MakePdf(const DofTable& table, const TablePageHeading& heading,
                    std::optional<bool> letter) {
    static int argc = 1;
    static char name[] = "vextondof";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(argc, argv);
    const Paper paper = !letter ? Paper::OfTheLocale : *letter ? Paper::Letter : Paper::A4;
    return TablePdf(table, heading, paper).toStdString();
}

bool WriteAll(std::FILE* to, const std::string& bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), to) == bytes.size() && std::fflush(to) == 0;
}
} // namespace

int RunTerminalVerbs(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CDesktopPlatform desktop;
    const CommandLineMachine machine{desktop.GetProgramPath(), desktop.GetConfigHome(),
                                     desktop.GetNumberSettings(), &MakePdf};
    const std::optional<CommandResult> result = RunCommandLine(args, machine);
    if (!result)
        return -1;
    std::signal(SIGPIPE, SIG_IGN); // a closed pipe is a write error, said as one
    std::fputs(result->err.c_str(), stderr);
    if (result->binaryOut && result->out.empty() && result->exitCode == 0) {
        std::fputs("vextondof: no PDF could be made here\n", stderr);
        return 1;
    }
    if (result->binaryOut && result->outputFile.empty() && ::isatty(STDOUT_FILENO)) {
        std::fputs("vextondof: a PDF goes to a file (--output FILE) or a pipe, not to a "
                   "terminal\nTry 'vextondof table --help'.\n",
                   stderr);
        return 2;
    }
    if (!result->outputFile.empty()) {
        CFileException error;
        if (!WriteWholeFile(result->outputFile, result->out, &error)) {
            std::fprintf(stderr, "vextondof: %s\n", error.GetErrorMessage().c_str());
            return 1;
        }
    } else if (!WriteAll(stdout, result->out)) {
        std::fprintf(stderr, "vextondof: cannot write the output: %s\n", std::strerror(errno));
        return 1;
    }
    return result->exitCode;
}

#include "cli/terminal.h"

#include "framework/base/file.h"
#include "framework/base/locale_ways.h"
#include "framework/base/machine.h"
#include "framework/base/translate.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
// Standard output failed: said by the one who tried.
struct OutputFailed : std::runtime_error {
    OutputFailed() : std::runtime_error(std::strerror(errno)) {}
};

void WriteToStdout(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
        throw OutputFailed();
}

// What stands at `path` when it is not a file to write whole: a folder, a
// device or a pipe; "" for a file or nothing. /dev/null takes the output.
std::string NotAFile(const std::string& path, bool& discard) {
    if (!path.empty() && path.back() == '/') // a folder's, there or not
        return Arg(Tr("Command line", "%1 is a folder, not a file: nothing was written"), {path});
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return Arg(Tr("Command line", "%1 is a folder, not a file: nothing was written"), {path});
    if (S_ISCHR(st.st_mode) && st.st_rdev == makedev(1, 3)) {
        discard = true;
        return {};
    }
    return Arg(Tr("Command line", "%1 is a device or a pipe, not a file: nothing was written"),
               {path});
}

// The output, made piece by piece, to standard output or written whole to
// the file; what the making has to say more goes to standard error.
int WriteOutput(CommandResult& result) {
    const std::string& file = result.outputFile;
    if (!result.produce) {
        const std::string out = std::move(result.out);
        result.produce = [out](const OutputSink& sink) {
            sink(out);
            return std::string();
        };
    }
    std::string more;
    bool discard = false;
    try {
        const bool toFile = !file.empty() && file != "-";
        if (toFile) {
            if (const std::string why = NotAFile(file, discard); !why.empty()) {
                std::fprintf(stderr, "vextondof: %s\n", why.c_str());
                return 1;
            }
        }
        if (discard) {
            more = result.produce([](std::string_view) {});
        } else if (toFile) {
            CFileException error;
            const bool written = WriteWholeFile(
                file,
                [&](CFile& out) {
                    more = result.produce(
                        [&out](std::string_view piece) { out.Write(piece.data(), piece.size()); });
                },
                &error);
            if (!written) {
                std::fprintf(stderr, "vextondof: %s\n", error.GetErrorMessage().c_str());
                return 1;
            }
        } else {
            try {
                more = result.produce(&WriteToStdout);
                if (std::fflush(stdout) != 0)
                    throw OutputFailed();
            } catch (const OutputFailed& e) {
                std::fprintf(
                    stderr, "vextondof: %s\n",
                    Arg(Tr("Command line", "cannot write the output: %1"), {e.what()}).c_str());
                return 1;
            }
        }
    } catch (const NothingMade& nothing) { // a file asked for is left as it was
        std::fputs(nothing.what(), stderr);
        return 1;
    }
    std::fputs(more.c_str(), stderr);
    return more.empty() ? result.exitCode : 1;
}
// "reading photos: 120 of 1000" on one line of the terminal, rewritten as
// it goes (a hundred times at most) and wiped at the end.
void ShowProgress(std::size_t done, std::size_t of) {
    if (of < 2 || (done != of && done * 100 / of == (done - 1) * 100 / of))
        return;
    if (done == of) {
        std::fputs("\r\033[K", stderr);
        return;
    }
    const std::string line = Arg(Tr("Command line", "reading photos: %1 of %2"),
                                 {std::to_string(done), std::to_string(of)});
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    std::fflush(stderr);
}
} // namespace

int RunTerminalVerbs(int argc, char** argv, const TerminalDrawing& drawing) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto env = [](const char* name) -> const char* { return std::getenv(name); };
    const LocaleWays numbers = LocaleWaysNamed(LocaleNameFor(env, "LC_NUMERIC"));
    CommandLineContext machine{RunningProgramPath(), UserConfigHome(),
                               NumberSettingsOfLocale(numbers), drawing.pdf, drawing.chart};
    machine.dateText = [times = LocaleWaysNamed(LocaleNameFor(env, "LC_TIME"))](
                           const CalendarTime& t) { return LocaleDateTimeText(times, t); };
    if (::isatty(STDERR_FILENO))
        machine.progress = ShowProgress;
    std::optional<CommandResult> result = RunCommandLine(args, machine);
    if (!result)
        return -1;
    std::signal(SIGPIPE, SIG_IGN); // a closed pipe is a write error, said as one
    std::fputs(result->err.c_str(), stderr);
    if (result->binaryOut && (result->outputFile.empty() || result->outputFile == "-") &&
        ::isatty(STDOUT_FILENO)) {
        std::fprintf(stderr, "vextondof: %s\n%s\n",
                     Tr("Command line", "a PDF or an image goes to a file (--output FILE) or a "
                                        "pipe, not to a terminal")
                         .c_str(),
                     Arg(Tr("Command line", "Try 'vextondof %1 --help'."), {argv[1]}).c_str());
        return 2;
    }
    if (result->exitCode == 2)
        return 2;
    return WriteOutput(*result);
}

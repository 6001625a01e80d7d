// The command line, from exec to exit: `vextondof calculate` beside a bare
// program linked against the same Qt libraries that prints six numbers, and
// `vextondof table --format csv` with 100,000 lines beside a bare loop doing
// the same arithmetic with printf. Output goes to /dev/null.
//   cli-bench PROGRAM BARE_CALCULATE BARE_CSV
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
// Milliseconds from fork to exit of `args`, its output thrown away.
double RunOnce(const std::vector<std::string>& args) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        std::vector<char*> argv;
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cli bench: %s did not end cleanly\n", args[0].c_str());
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Compare(const char* what, const std::vector<std::string>& program,
             const std::vector<std::string>& bare, int runs, double target) {
    std::vector<double> p, b;
    for (int i = 0; i < runs; ++i) { // alternating, so that the machine's moods fall on both
        p.push_back(RunOnce(program));
        b.push_back(RunOnce(bare));
    }
    const double ratio = Median(p) / Median(b);
    std::printf("%s (%d runs each): program %.2f ms, bare %.2f ms, ratio %.3f (target <= %.2f): "
                "%s\n",
                what, runs, Median(p), Median(b), ratio, target,
                ratio <= target ? "within target" : "MISSED");
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: cli-bench PROGRAM BARE_CALCULATE BARE_CSV\n");
        return 2;
    }
    ::setenv("LANG", "C.UTF-8", 1);
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    // The default choices in feet; 14,286 distances at the seven whole stops.
    Compare("calculate", {argv[1], "calculate", "--distance", "2"}, {argv[2]}, 41, 1.3);
    std::string distances;
    for (int i = 1; i <= 14286; ++i)
        distances += std::string(i > 1 ? " " : "") + std::to_string(i);
    Compare("table as CSV, 100,002 lines",
            {argv[1], "table", "--format", "csv", "--apertures", "f/2.8:f/22", "--distances",
             distances},
            {argv[3], "14286"}, 9, 1.5);
    return 0;
}

// The command line, from exec to exit: `vextondof calculate` beside a bare
// C++ program, linked to no Qt, that prints six lines (in time and in peak
// memory), and `vextondof table --format csv` with 100,000 lines beside a
// bare loop doing the same arithmetic with printf. Output goes to /dev/null.
//   cli-bench PROGRAM BARE_CALCULATE BARE_CSV
#include "bench/child_run.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// `memoryTarget`: 0 when peak memory is not compared.
void Compare(const char* what, const std::vector<std::string>& program,
             const std::vector<std::string>& bare, int runs, double target,
             double memoryTarget = 0) {
    std::vector<double> p, b, pm, bm;
    for (int i = 0; i < runs; ++i) { // alternating, so that the machine's moods fall on both
        const ChildRun rp = RunChild(program), rb = RunChild(bare);
        p.push_back(rp.ms);
        b.push_back(rb.ms);
        pm.push_back(rp.peakMiB);
        bm.push_back(rb.peakMiB);
    }
    const double ratio = Median(p) / Median(b);
    std::printf("%s (%d runs each): program %.2f ms, bare %.2f ms, ratio %.3f (target <= %.2f): "
                "%s\n",
                what, runs, Median(p), Median(b), ratio, target,
                ratio <= target ? "within target" : "MISSED");
    if (memoryTarget > 0) {
        const double memory = Median(pm) / Median(bm);
        std::printf("%s, peak memory: program %.2f MiB, bare %.2f MiB, ratio %.3f (target <= "
                    "%.2f): %s\n",
                    what, Median(pm), Median(bm), memory, memoryTarget,
                    memory <= memoryTarget ? "within target" : "MISSED");
    }
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
    Compare("calculate", {argv[1], "calculate", "--distance", "2"}, {argv[2]}, 201, 1.3, 1.5);
    std::string distances;
    for (int i = 1; i <= 14286; ++i)
        distances += std::string(i > 1 ? " " : "") + std::to_string(i);
    Compare("table as CSV, 100,002 lines",
            {argv[1], "table", "--format", "csv", "--apertures", "f/2.8:f/22", "--distances",
             distances},
            {argv[3], "14286"}, 9, 1.0);
    return 0;
}

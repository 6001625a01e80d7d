// Start-up and peak memory of the program, from exec to the main form's first
// paint, beside a bare Qt dialog, alternating runs, on the offscreen platform
// and on xcb under Xvfb where Xvfb is installed.
#include "bench/child_run.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
// `floorName` says what the bare dialog is; `bareEnv` what it alone is given.
void Measure(const char* platform, const char* label, const std::string& program,
             const std::string& bare, std::vector<std::string> env, int runs,
             const char* floorName = "bare dialog", std::vector<std::string> bareEnv = {}) {
    env.push_back(std::string("QT_QPA_PLATFORM=") + platform);
    const std::vector<std::string> programEnv = env;
    env.insert(env.end(), bareEnv.begin(), bareEnv.end());
    for (int i = 0; i < 3; ++i) { // warm the caches, and the settings file
        RunChild({program}, programEnv);
        RunChild({bare}, env);
    }
    std::vector<double> p, b, ratios, pm, bm;
    for (int i = 0; i < runs; ++i) {
        ChildRun rp, rb;
        if (i % 2 == 0) {
            rp = RunChild({program}, programEnv);
            rb = RunChild({bare}, env);
        } else {
            rb = RunChild({bare}, env);
            rp = RunChild({program}, programEnv);
        }
        p.push_back(rp.ms);
        b.push_back(rb.ms);
        ratios.push_back(rp.ms / rb.ms);
        pm.push_back(rp.peakMiB);
        bm.push_back(rb.peakMiB);
    }
    const double ratio = Median(ratios);
    const double memoryRatio = Median(pm) / Median(bm);
    std::printf("start-up (%s, %d runs each): program %.1f ms, %s %.1f ms, "
                "median ratio %.3f (target <= 1.10): %s\n",
                label, runs, Median(p), floorName, Median(b), ratio,
                ratio <= 1.10 ? "within target" : "MISSED");
    std::printf("peak memory (%s): program %.1f MiB, %s %.1f MiB, ratio %.3f "
                "(target <= 1.07): %s\n",
                label, Median(pm), floorName, Median(bm), memoryRatio,
                memoryRatio <= 1.07 ? "within target" : "MISSED");
    std::fflush(stdout);
}

// A file's bytes, or none when it is missing.
std::optional<std::string> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Puts `bytes` at `path` for as long as it lives, then what was there before.
class FileForAWhile {
  public:
    FileForAWhile(std::string path, const std::string& bytes)
        : m_path(std::move(path)), m_before(Slurp(m_path)) {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
    }
    ~FileForAWhile() {
        if (m_before)
            std::ofstream(m_path, std::ios::binary | std::ios::trunc) << *m_before;
        else
            std::remove(m_path.c_str());
    }

  private:
    std::string m_path;
    std::optional<std::string> m_before;
};

// The settings file's five records, each text in UTF-16 after its marks.
std::string SettingsBytes(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const std::string& text : texts) {
        bytes += "\xFF\xFE\xFF";
        bytes += static_cast<char>(text.size());
        for (const char c : text)
            bytes += std::string{c, '\0'};
    }
    return bytes;
}

// Starts Xvfb on a free display; 0 when it cannot be had.
pid_t StartXvfb(int& display) {
    if (::access("/usr/bin/Xvfb", X_OK) != 0)
        return 0;
    for (display = 90; display < 110; ++display) {
        const std::string lock = "/tmp/.X" + std::to_string(display) + "-lock";
        if (::access(lock.c_str(), F_OK) == 0)
            continue;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM); // never outlives the benchmark
            if (const int quiet = ::open("/dev/null", O_WRONLY); quiet >= 0)
                ::dup2(quiet, STDERR_FILENO);
            const std::string name = ":" + std::to_string(display);
            ::execl("/usr/bin/Xvfb", "Xvfb", name.c_str(), "-screen", "0", "800x600x24",
                    "-nolisten", "tcp", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
        for (int i = 0; i < 100; ++i) {
            if (::access(socket.c_str(), F_OK) == 0)
                return pid;
            ::usleep(50000);
        }
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM BARE_DIALOG [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 41;
    Measure("offscreen", "offscreen", argv[1], argv[2], {}, runs);
    int display = 0;
    if (const pid_t xvfb = StartXvfb(display)) {
        const std::string x = "DISPLAY=:" + std::to_string(display);
        Measure("xcb", "xcb", argv[1], argv[2], {x}, runs);
        // Where the rest goes: the main form's menu bar (Qt's own) alone.
        Measure("xcb", "xcb", argv[1], argv[2], {x}, runs, "bare dialog with the same menu bar",
                {"VEXTON_BARE_MENU_BAR=1"});
        {
            // A camera of lensfun's chosen in an earlier run: it comes from the
            // person's cameras file, lensfun's database is not read.
            const std::string folder =
                std::string(argv[1]).substr(0, std::string(argv[1]).rfind('/'));
            const FileForAWhile cameras(
                folder + "/vextondof-cameras.csv",
                "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source\n"
                "Sony Alpha 7 IV,Sony,ILCE-7M4,1,36,24,Sony E,lensfun\n");
            const FileForAWhile settings(
                folder + "/vextondof.ini",
                SettingsBytes({"Sony Alpha 7 IV", "50.0", "f/8", "meters", "0.0300"}));
            Measure("xcb", "xcb, a lensfun camera chosen", argv[1], argv[2], {x}, runs);
            // And a lens of lensfun's in use: the lens's file alone is read,
            // and its lists are filled for it.
            const FileForAWhile lens(
                folder + "/vextondof-lens.csv",
                "name,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,widest_at_max,"
                "smallest,min_focus_m,pupil_magnification,source\n"
                "Sony FE 24-105mm f/4 G OSS,Sony,FE 24-105mm f/4 G OSS,Sony E,24,105,4,4,22,"
                "0.38,,lensfun\n");
            Measure("xcb", "xcb, that camera and a lensfun lens chosen", argv[1], argv[2], {x},
                    runs);
        }
        // As on a GNOME desktop: GTK's platform theme loaded, where installed.
        if (::access("/usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqgtk3.so", R_OK) == 0)
            Measure("xcb", "xcb, gtk3 theme", argv[1], argv[2], {x, "QT_QPA_PLATFORMTHEME=gtk3"},
                    runs);
        ::kill(xvfb, SIGTERM);
        ::waitpid(xvfb, nullptr, 0);
    } else {
        std::printf("start-up (xcb): no Xvfb here, not measured\n");
    }
    return 0;
}

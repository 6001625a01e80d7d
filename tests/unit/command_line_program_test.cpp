// The built program's command line against what a press of Calculate shows
// for the same choices: random choices, each through a run of the program,
// in English, German and French number settings. The program's path comes
// from VEXTONDOF_PROGRAM.
#include "cameras/camera_table.h"
#include "lists/choice_lists.h"
#include "table/dof_table.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Standard output and the exit status of a shell command.
std::pair<std::string, int> Shell(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {"", -1};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

NumberSettings Settings(const char* decimal, const char* thousands) {
    NumberSettings s;
    s.decimalSeparator = decimal;
    s.thousandsSeparator = thousands;
    return s;
}
} // namespace

TEST(CommandLineProgram, AgreesWithAPressToTheByteInEveryLocale) {
    const char* program = std::getenv("VEXTONDOF_PROGRAM");
    if (!program)
        GTEST_SKIP() << "VEXTONDOF_PROGRAM names no program";
    char pattern[] = "/tmp/vextondof-cli-XXXXXX";
    const std::string home = ::mkdtemp(pattern);
    const struct {
        const char* lang;
        NumberSettings settings;
    } locales[] = {{"C.UTF-8", NumberSettings{}},
                   {"de_DE.UTF-8", Settings(",", ".")},
                   {"fr_FR.UTF-8", Settings(",", "\u202F")}};
    std::mt19937 random(7122026);
    const std::vector<ChoiceEntry> cameras = CameraChoices(), focals = FocalLengthChoices(),
                                   units = UnitChoices(), cofcs = CofCChoices();
    const char* const distances[] = {"2", "0,5", "12.75", "1000", "3,25", "0"};
    for (int i = 0; i < 300; ++i) {
        const auto& locale = locales[i % 3];
        const ChoiceEntry& camera = cameras[random() % cameras.size()];
        const ChoiceEntry& focal = focals[random() % focals.size()];
        const ApertureValue& aperture = apertureValueTable[random() % kApertureCount];
        const ChoiceEntry& unit = units[random() % units.size()];
        const ChoiceEntry& cofc = cofcs[random() % cofcs.size()];
        const std::string distance = distances[random() % std::size(distances)];
        const auto [out, status] = Shell(
            "env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LANGUAGE LANG=C.UTF-8 LC_NUMERIC=" +
            std::string(locale.lang) + " HOME=" + home + " XDG_CONFIG_HOME=" + home + " " +
            program + " calculate --camera " + Quoted(CStringToUtf8(camera.displayText)) +
            " --focal-length " + Quoted(CStringToUtf8(focal.displayText)) + " --aperture " +
            aperture.displayText + " --unit '" + CStringToUtf8(unit.displayText) + "' --cofc " +
            CStringToUtf8(cofc.displayText) + " --distance " + Quoted(distance) + " 2>/dev/null");
        const CalculationResult press =
            Calculate({*focal.valueText, aperture.valueText, *unit.valueText, *cofc.valueText,
                       CameraForValue(*camera.valueText)->cropFactor, distance, ""},
                      locale.settings);
        if (press.status != CalculationStatus::Ok) {
            EXPECT_EQ(status, 1) << distance;
            continue;
        }
        EXPECT_EQ(status, 0);
        EXPECT_EQ(out, "Near Focus Limit of Depth of Field: " + press.nearText +
                           "\nFar Focus Limit of Depth of Field: " + press.farText +
                           "\nHyperfocal Distance: " + press.hyperfocalText +
                           "\nTotal Depth of Field: " + press.totalText +
                           "\nCircle of Confusion: " + press.cocText +
                           "\nDiopter Modified Focal Length: " + press.focalLengthText + "\n")
            << locale.lang << " " << CStringToUtf8(camera.displayText) << " at " << distance;
    }
    std::filesystem::remove_all(home);
}

// A table far longer than memory should hold is written as it is made: the
// program's peak memory stays that of a row, not of the file (21,800
// distances of 1e300 make a CSV of about 200 MB, and text of the same).
TEST(CommandLineProgram, ALongExportIsWrittenAsItIsMade) {
    const char* program = std::getenv("VEXTONDOF_PROGRAM");
    if (!program)
        GTEST_SKIP() << "VEXTONDOF_PROGRAM names no program";
    char pattern[] = "/tmp/vextondof-long-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    std::string distances;
    for (int i = 0; i < 21800; ++i)
        distances += "1e300 ";
    for (const char* format : {"csv", "text"}) {
        const std::string output = folder + "/table." + format;
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("HOME", folder.c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
            ::execl(program, program, "table", "--unit", "m", "--distances", distances.c_str(),
                    "--format", format, "--output", output.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        struct rusage usage {};
        ASSERT_EQ(::wait4(child, &status, 0, &usage), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << format;
        struct stat st {};
        ASSERT_EQ(::stat(output.c_str(), &st), 0) << format;
        EXPECT_GT(st.st_size, 10 << 20) << format;
        if (!kAddressSanitizer) { // whose quarantine holds freed memory back on purpose
            EXPECT_LT(usage.ru_maxrss, 80 * 1024) << format << ": peak memory in KiB";
        }
        std::printf("%s: %ld KiB at most for %lld bytes\n", format, usage.ru_maxrss,
                    static_cast<long long>(st.st_size));
        ::unlink(output.c_str());
    }
    ::rmdir((folder + "/config").c_str());
    ::rmdir(folder.c_str());
}

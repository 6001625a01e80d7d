// The person's lenses file under the faults their cameras file is probed
// with: damage read around and never written over with less, a folder or a
// FIFO in its place said and never waited on, someone else's link never
// followed, and ten programs adding at once losing nothing.
#include "child_process.h"
#include "lenses/own_lenses.h"
#include "settings_test_support.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
LensRecord Prime(const std::string& name, double f = 50) {
    LensRecord lens;
    lens.name = name;
    lens.focalMin = lens.focalMax = f;
    lens.widestAtMin = lens.widestAtMax = 1.8;
    lens.source = "own";
    return lens;
}

std::string PathIn(const ProgramFolder& dir) {
    return OwnLensesLocation(SettingsLocation(dir.settingsPath())).path;
}
} // namespace

TEST(OwnLensesFaults, DamageIsReadAroundAndNeverWrittenOverWithLess) {
    const std::string lens = "Fifty\t50\t\t1.8\n";
    const struct {
        const char* name;
        std::string content;
        std::size_t lenses;
        bool problem;
    } rows[] = {
        {"cut in the middle of a line", lens + "Seventy\t7", 1, false},
        {"binary", std::string("\0\xFF\x01\n\x80", 5) + "\n" + lens, 1, false},
        {"a line a megabyte long", std::string(1 << 20, 'x') + "\n" + lens, 1, false},
        {"beyond four megabytes", std::string(5 << 20, ','), 0, true},
        {"empty", "", 0, false},
    };
    for (const auto& row : rows) {
        ProgramFolder dir;
        const SettingsLocation settings(dir.settingsPath());
        std::ofstream(PathIn(dir), std::ios::binary) << row.content;
        const OwnLenses own = ReadOwnLenses(settings, 0);
        EXPECT_EQ(own.lenses.size(), row.lenses) << row.name;
        EXPECT_EQ(!own.problem.empty(), row.problem) << row.name << ": " << own.problem;
        // A change keeps every line it could not read; a file refused is left alone.
        const OwnLensesChange added = AddOwnLens(settings, Prime("Added"));
        EXPECT_EQ(added.Kept(), !row.problem) << row.name;
        if (row.problem)
            continue;
        const OwnLenses again = ReadOwnLenses(settings, 0);
        EXPECT_EQ(again.lenses.size(), own.lenses.size() + 1) << row.name;
        EXPECT_EQ(again.unread, own.unread) << row.name;
    }
    for (const bool fifo : {false, true}) {
        ProgramFolder dir;
        if (fifo)
            ASSERT_EQ(::mkfifo(PathIn(dir).c_str(), 0600), 0);
        else
            fs::create_directory(PathIn(dir));
        const SettingsLocation settings(dir.settingsPath());
        EXPECT_EQ(InChild(kSameUser, [&] { return ReadOwnLenses(settings, 0).problem.empty(); }), 0)
            << (fifo ? "a FIFO" : "a folder");
    }
}

// A file just under the size it may be read at takes no lens that would
// carry it over (and lose every lens at the next read); one begun with a
// byte-order mark, as some editors save, is read, and written back without it.
TEST(OwnLensesFaults, NeverWrittenTooLargeToReadAndReadAfterAByteOrderMark) {
    ProgramFolder dir;
    const SettingsLocation settings(dir.settingsPath());
    // In the columns the file is written in, so that it is written back alike.
    std::string full = "name,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,"
                       "widest_at_max,smallest,min_focus_m,pupil_magnification,source\n";
    for (int i = 0; full.size() < (4u << 20) - 30; ++i)
        full.append("L").append(std::to_string(i)).append(",,,,50,50,1.8,1.8,22,,,own\n");
    std::ofstream(PathIn(dir), std::ios::binary) << full;
    const std::size_t before = ReadOwnLenses(settings, 0).lenses.size();
    ASSERT_GT(before, 100000u);
    const OwnLensesChange added = AddOwnLens(settings, Prime("One more with a long name"));
    EXPECT_FALSE(added.Kept());
    EXPECT_NE(added.refusal.find("is full"), std::string::npos) << added.refusal;
    EXPECT_EQ(ReadOwnLenses(settings, 0).lenses.size(), before);
    EXPECT_TRUE(RemoveOwnLens(settings, "L0").Kept()) << "removing still works";

    ProgramFolder marked;
    const SettingsLocation there(marked.settingsPath());
    std::ofstream(PathIn(marked), std::ios::binary)
        << "\xEF\xBB\xBFname,maker,model,mount,focal_min_mm,focal_max_mm,widest_at_min,"
           "widest_at_max,smallest,min_focus_m,pupil_magnification,source\n"
           "Mine,,,,50,50,1.8,1.8,16,,,own\n";
    const OwnLenses own = ReadOwnLenses(there, 0);
    ASSERT_EQ(own.lenses.size(), 1u);
    EXPECT_TRUE(own.unread.empty());
    EXPECT_EQ(OwnLensesText(own).substr(0, 5), "name,");
}

TEST(OwnLensesFaults, AnotherUsersLinkIsNeverFollowed) {
    if (!RunningAsRoot())
        GTEST_SKIP() << "plays other users: needs root";
    ProgramFolder dir;
    fs::permissions(dir.folder(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    const std::string users = dir.folder() + "/users", target = dir.folder() + "/theirs.csv";
    fs::create_directory(users);
    ASSERT_EQ(::chown(users.c_str(), kNobody, kNobody), 0);
    std::ofstream(target) << "Theirs\t50\t\t2\n";
    ASSERT_EQ(::chown(target.c_str(), kOtherUser, kOtherUser), 0);
    const SettingsLocation settings(users + "/vextondof.ini");
    const std::string path = OwnLensesLocation(settings).path;
    fs::create_symlink(target, path);
    ASSERT_EQ(::lchown(path.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(InChild(kNobody,
                      [&] {
                          const OwnLenses own = ReadOwnLenses(settings, 0);
                          return own.lenses.empty() && !own.problem.empty() ? 0 : 1;
                      }),
              0)
        << "read through, or said nothing";
    EXPECT_EQ(InChild(kNobody, [&] { return AddOwnLens(settings, Prime("Mine")).Kept() ? 1 : 0; }),
              0)
        << "written through";
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Theirs\t50\t\t2\n");
}

TEST(OwnLensesFaults, NoLensAddedAtOnceIsLost) {
    ProgramFolder dir;
    const SettingsLocation settings(dir.settingsPath());
    std::vector<pid_t> adders;
    for (int who = 0; who < 10; ++who)
        adders.push_back(Spawn(
            kSameUser,
            [&settings, who] {
                for (int n = 0; n < 5; ++n) {
                    // Appended, not joined: GCC 12 at -O3 takes a join here for an
                    // overlapping copy.
                    std::string name = "L";
                    name.append(std::to_string(who)).append("x").append(std::to_string(n));
                    if (!AddOwnLens(settings, Prime(name)).Kept())
                        return 1;
                }
                return 0;
            },
            60));
    for (const pid_t adder : adders)
        EXPECT_EQ(Wait(adder), 0);
    EXPECT_EQ(ReadOwnLenses(settings, 0).lenses.size(), 50u);
    // Names with control characters are never added, and read around in a file.
    EXPECT_FALSE(AddOwnLens(settings, Prime("Lens\x1B]0;x\x07")).Kept());
    EXPECT_FALSE(AddOwnLens(settings, Prime("Lens\xFF")).Kept());
    std::ofstream(OwnLensesLocation(settings).path, std::ios::app) << "Lens\x1B[2J\t50\t\t2\n";
    const OwnLenses own = ReadOwnLenses(settings, 0);
    EXPECT_EQ(own.lenses.size(), 50u);
    EXPECT_EQ(own.unread.size(), 1u);
}

// The person's cameras file under the faults the settings file is tested
// against: damage of every kind is read around and never written over with
// less, someone else's link is never followed, and two instances never see
// half a file.
#include "child_process.h"
#include "finder/own_cameras.h"
#include "settings_test_support.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const char kHeader[] =
    "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source\n";
} // namespace

TEST(OwnCamerasFaults, DamageIsReadAroundAndNeverWrittenOverWithLess) {
    const struct {
        const char* name;
        std::string content;
        std::size_t cameras;
        bool problem; // the file refused: nothing may be written over it
    } rows[] = {
        {"cut in the middle of a line", std::string(kHeader) + "Phone,,,7.21,5.6,4.2,,own\nGoPr", 1,
         false},
        {"binary",
         std::string("\0\xFF\xFE\x01Phone\0,7,1,1\n\x80\x81", 18) + "\nPhone,7.21,5.6,4.2\n", 1,
         false},
        {"a line a megabyte long", std::string(1 << 20, 'x') + "\nPhone,7.21,5.6,4.2\n", 1, false},
        {"beyond four megabytes", std::string(5 << 20, ','), 0, true},
        {"empty", "", 0, false},
    };
    for (const auto& row : rows) {
        ProgramFolder dir;
        const SettingsLocation settings(dir.settingsPath());
        const std::string path = OwnCamerasLocation(settings).path;
        std::ofstream(path, std::ios::binary) << row.content;
        const OwnCameras own = ReadOwnCameras(settings, 0);
        EXPECT_EQ(own.cameras.size(), row.cameras) << row.name;
        EXPECT_EQ(!own.problem.empty(), row.problem) << row.name << ": " << own.problem;
        if (row.problem)
            continue;
        // Written back, every line it could not read is still there.
        ASSERT_TRUE(ChangeOwnCameras(settings, [](OwnCameras&) { return std::string(); }).Kept())
            << row.name;
        const OwnCameras again = ReadOwnCameras(settings, 0);
        EXPECT_EQ(again.cameras.size(), own.cameras.size()) << row.name;
        EXPECT_EQ(again.unread, own.unread) << row.name;
    }

    // A folder or a FIFO where the file should be: said, never waited on.
    ProgramFolder dir;
    const SettingsLocation settings(dir.settingsPath());
    const std::string path = OwnCamerasLocation(settings).path;
    for (const bool fifo : {false, true}) {
        fs::remove_all(path);
        if (fifo)
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        else
            fs::create_directory(path);
        EXPECT_EQ(InChild(kSameUser, [&] { return ReadOwnCameras(settings, 0).problem.empty(); }),
                  0)
            << (fifo ? "a FIFO" : "a folder");
    }
}

TEST(OwnCamerasFaults, AnotherUsersLinkIsNeverFollowed) {
    if (!RunningAsRoot())
        GTEST_SKIP() << "plays other users: needs root";
    ProgramFolder dir;
    fs::permissions(dir.folder(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
    const std::string users = dir.folder() + "/users";
    fs::create_directory(users);
    ASSERT_EQ(::chown(users.c_str(), kNobody, kNobody), 0);
    const std::string target = dir.folder() + "/theirs.csv";
    std::ofstream(target) << kHeader << "Theirs,,,1,36,24,,own\n";
    ASSERT_EQ(::chown(target.c_str(), kOtherUser, kOtherUser), 0);
    const SettingsLocation settings(users + "/vextondof.ini");
    const std::string path = OwnCamerasLocation(settings).path;
    fs::create_symlink(target, path);
    ASSERT_EQ(::lchown(path.c_str(), kOtherUser, kOtherUser), 0);
    const int read = InChild(kNobody, [&] {
        const OwnCameras own = ReadOwnCameras(settings, 0);
        return own.cameras.empty() && !own.problem.empty() ? 0 : 1;
    });
    EXPECT_EQ(read, 0) << "read through, or said nothing";
    const int written = InChild(kNobody, [&] {
        return AddOwnCamera(settings, CameraOfSensor("Mine", 36, 24), "Other camera").Kept() ? 1
                                                                                             : 0;
    });
    EXPECT_EQ(written, 0) << "written through";
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(Content(target), std::string(kHeader) + "Theirs,,,1,36,24,,own\n");
}

TEST(OwnCamerasFaults, TwoInstancesNeverSeeATornFile) {
    ProgramFolder dir;
    const SettingsLocation settings(dir.settingsPath());
    const auto instance = [&](char who) {
        return [&, who] {
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000);
            for (int i = 1; std::chrono::steady_clock::now() < end; ++i) {
                // Every camera of one save carries the same mark; a torn file mixes them.
                OwnCameras own;
                for (int n = 0; n < 1 + i % 50; ++n) {
                    std::string name(1, who);
                    name.append(std::to_string(i)).append("-").append(std::to_string(n));
                    own.cameras.push_back(CameraOfSensor(name, 36, 24));
                }
                const auto replace = [&own](OwnCameras& now) {
                    now.cameras = own.cameras;
                    return std::string();
                };
                if (!ChangeOwnCameras(settings, replace).Kept())
                    return 10;
                const OwnCameras back = ReadOwnCameras(settings, 30000);
                if (back.cameras.empty() || !back.unread.empty() || !back.problem.empty())
                    return 2;
                const std::string mark =
                    back.cameras[0].name.substr(0, back.cameras[0].name.find('-'));
                for (const FoundCamera& c : back.cameras)
                    if (c.name.substr(0, c.name.find('-')) != mark)
                        return 3;
            }
            return 0;
        };
    };
    const pid_t a = Spawn(kSameUser, instance('a'));
    const pid_t b = Spawn(kSameUser, instance('b'));
    EXPECT_EQ(Wait(a), 0);
    EXPECT_EQ(Wait(b), 0);
}

// Ten programs adding five cameras each, all at once: every camera is kept,
// none lost to another's write of what it read before.
TEST(OwnCamerasFaults, NoCameraAddedAtOnceIsLost) {
    ProgramFolder dir;
    const SettingsLocation settings(dir.settingsPath());
    std::vector<pid_t> adders;
    for (int who = 0; who < 10; ++who)
        adders.push_back(Spawn(
            kSameUser,
            [&settings, who] {
                for (int n = 0; n < 5; ++n) {
                    const std::string name = "Cam" + std::to_string(who) + "x" + std::to_string(n);
                    if (!AddOwnCamera(settings, CameraOfSensor(name, 36, 24), "Other camera")
                             .Kept())
                        return 1;
                }
                return 0;
            },
            60));
    for (const pid_t adder : adders)
        EXPECT_EQ(Wait(adder), 0);
    const OwnCameras own = ReadOwnCameras(settings, 0);
    EXPECT_EQ(own.cameras.size(), 50u);
    // Removed by name, wherever another program's change has put it.
    EXPECT_TRUE(RemoveOwnCamera(settings, "Cam3x2").Kept());
    EXPECT_EQ(RemoveOwnCamera(settings, "Cam3x2").refusal,
              "You have no camera named Cam3x2; the list's own stay.");
    EXPECT_EQ(ReadOwnCameras(settings, 0).cameras.size(), 49u);
}

// What could not be kept is refused when it is added, and read around when
// a file holds it: a name with control characters or too long for a list,
// a sensor side outside a micrometre to a metre.
TEST(OwnCamerasFaults, WhatCannotBeKeptIsNeverAdded) {
    ProgramFolder dir;
    const SettingsLocation settings(dir.settingsPath());
    const struct {
        const char* name;
        FoundCamera camera;
        const char* refusal;
    } rows[] = {
        {"an escape", CameraOfSensor("Cam\x1B]0;x\x07", 36, 24),
         "A camera's name cannot hold control characters."},
        {"a C1 control",
         CameraOfSensor("Cam\xC2\x9B"
                        "31m",
                        36, 24),
         "A camera's name cannot hold control characters."},
        {"text turned around",
         CameraOfSensor("Cam\xE2\x80\xAE"
                        "lla",
                        36, 24),
         "A camera's name cannot hold control characters."},
        {"not UTF-8", CameraOfSensor("Cam\xFF", 36, 24),
         "A camera's name cannot hold control characters."},
        {"a line break", CameraOfSensor("Cam\nNikon D70", 36, 24),
         "A camera's name is one line, without tabs."},
        {"101 characters", CameraOfSensor(std::string(101, 'a'), 36, 24),
         "A camera's name is at most 100 characters long."},
        {"the least double", CameraOfSensor("Tiny", 5e-324, 5e-324),
         "Each side of a sensor is from 0.001 mm to 1000 mm."},
        {"a side under a micrometre", CameraOfSensor("Tiny", 0.0009, 1),
         "Each side of a sensor is from 0.001 mm to 1000 mm."},
        {"a side over a metre", CameraOfSensor("Huge", 1000.5, 1),
         "Each side of a sensor is from 0.001 mm to 1000 mm."},
        {"a micrometre", CameraOfSensor("Micro", 0.001, 0.001), ""},
        {"a metre", CameraOfSensor("Metre", 1000, 1000), ""},
        {"100 characters", CameraOfSensor(std::string(100, 'b'), 36, 24), ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AddOwnCamera(settings, row.camera, "Other camera").refusal, row.refusal)
            << row.name;
    EXPECT_EQ(ReadOwnCameras(settings, 0).cameras.size(), 3u) << "what was added is listed";
    // Written by hand, such lines are kept as they were but never offered.
    const std::string path = OwnCamerasLocation(settings).path;
    std::ofstream(path, std::ios::app) << "Tiny,,,1,5e-324,5e-324,,own\n"
                                       << "Cam\x1B[2J,,,1,36,24,,own\n";
    const OwnCameras own = ReadOwnCameras(settings, 0);
    EXPECT_EQ(own.cameras.size(), 3u);
    EXPECT_EQ(own.unread.size(), 2u);
}

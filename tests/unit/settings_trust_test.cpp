// The settings file among other people's files: links and folders made by
// others, a run as root over a user's file, folders that go away, what killed
// saves leave behind. Most of these need root, to play the other users.
#include "cameras/data_state.h"
#include "child_process.h"
#include "framework/base/file.h"
#include "settings_test_support.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;

namespace {
constexpr fs::perms kShared = fs::perms::all;                         // 0777
constexpr fs::perms kSticky = fs::perms::all | fs::perms::sticky_bit; // 1777
constexpr fs::perms kReadable = fs::perms::owner_all | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec; // 0755

#define NEEDS_ROOT()                                                                               \
    if (!RunningAsRoot())                                                                          \
    GTEST_SKIP() << "plays other users: needs root"

// A folder of `user` with `perms`, inside the test's folder.
std::string MakeFolder(const std::string& path, uid_t user, fs::perms perms) {
    fs::create_directories(path);
    EXPECT_EQ(::chown(path.c_str(), user, user), 0);
    fs::permissions(path, perms);
    return path;
}

// A file of `user` holding `text`, that only its owner may read and write.
std::string MakeSecret(const std::string& path, uid_t user, const std::string& text) {
    std::ofstream(path) << text;
    EXPECT_EQ(::chown(path.c_str(), user, user), 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    return path;
}

std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A symbolic link at `path` owned by `user`.
void MakeLink(const std::string& target, const std::string& path, uid_t user) {
    fs::create_symlink(target, path);
    EXPECT_EQ(::lchown(path.c_str(), user, user), 0);
}

CDataState Choices(const char16_t* camera) {
    CDataState s;
    s.m_strCamera = camera;
    return s;
}

std::string Denied(const std::string& path) {
    return "Access to " + path + " was denied.";
}

// What a save as `user` reports: "saved" or the file-error text. The
// location is found by `user` where it is not given.
std::string SaveAs(uid_t user, std::optional<SettingsLocation> given,
                   const char16_t* camera = u"Canon 10D", const std::string& program = {},
                   const std::string& config = {}) {
    std::string report = "child failed";
    int pipeFds[2];
    EXPECT_EQ(::pipe(pipeFds), 0);
    const int code = InChild(user, [&] {
        ::close(pipeFds[0]);
        const CDataState s = Choices(camera);
        CFileException error;
        const SettingsLocation where = given ? *given : SettingsLocationFor(program, config);
        const std::string text =
            WriteSettingsFile(where, &s, &error) ? "saved" : error.GetErrorMessage();
        return ::write(pipeFds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size())
                   ? 0
                   : 1;
    });
    ::close(pipeFds[1]);
    char buffer[4096];
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    ::close(pipeFds[0]);
    if (code == 0 && n >= 0)
        report.assign(buffer, static_cast<std::size_t>(n));
    return report;
}

bool LoadsAs(uid_t user, const SettingsLocation& where) {
    return InChild(user, [&] {
               CDataState s;
               return ReadSettingsFile(where, &s) ? 0 : 1;
           }) == 0;
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

// Another user's link in place of the settings file leads nowhere, for root
// and for the user alike, in the other user's folder, in a shared sticky
// folder and in the running user's own folder.
TEST(SettingsTrust, AnotherUsersLinkIsNeverFollowed) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string secret = MakeSecret(dir.folder() + "/secret", 0, "root's only");
    const std::string usersFile = dir.folder() + "/users-file";
    std::ofstream(usersFile) << "the user's";
    ASSERT_EQ(::chown(usersFile.c_str(), kNobody, kNobody), 0);

    struct Case {
        const char* what;
        uid_t runner;
        std::string folder;
        std::string target;
    };
    const Case cases[] = {
        {"root, in another user's folder", 0,
         MakeFolder(dir.folder() + "/theirs", kOtherUser, kReadable), secret},
        {"root, in a shared sticky folder", 0, MakeFolder(dir.folder() + "/tmp", 0, kSticky),
         secret},
        {"the user, in a shared sticky folder", kNobody,
         MakeFolder(dir.folder() + "/tmp2", 0, kSticky), usersFile},
        {"root, in root's own folder", 0, MakeFolder(dir.folder() + "/root", 0, kReadable), secret},
        {"the user, in the user's own folder", kNobody,
         MakeFolder(dir.folder() + "/users", kNobody, kReadable), usersFile},
    };
    for (const Case& c : cases) {
        const std::string settings = c.folder + "/vextondof.ini";
        MakeLink(c.target, settings, kOtherUser);
        EXPECT_FALSE(LoadsAs(c.runner, settings)) << c.what;
        EXPECT_EQ(SaveAs(c.runner, settings), Denied(settings)) << c.what;
        EXPECT_EQ(Names(c.folder), std::vector<std::string>{"vextondof.ini"}) << c.what;
        EXPECT_TRUE(fs::is_symlink(settings)) << c.what;
    }
    EXPECT_EQ(Content(secret), "root's only");
    EXPECT_EQ(Content(usersFile), "the user's");
}

// One's own link is followed, and so is the administrator's in the
// administrator's folder; another user's link on the way is not.
TEST(SettingsTrust, TrustedLinksAreFollowedToTheEnd) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string users = MakeFolder(dir.folder() + "/users", kNobody, kReadable);
    const std::string elsewhere = MakeFolder(dir.folder() + "/elsewhere", kNobody, kReadable);
    MakeLink(elsewhere + "/choices.ini", users + "/vextondof.ini", kNobody);
    EXPECT_EQ(SaveAs(kNobody, users + "/vextondof.ini"), "saved");
    EXPECT_TRUE(fs::is_regular_file(elsewhere + "/choices.ini"));

    // The administrator's link, in a folder only the administrator may write.
    const std::string admins = MakeFolder(dir.folder() + "/admins", 0, kReadable);
    MakeLink(elsewhere + "/choices.ini", admins + "/vextondof.ini", 0);
    EXPECT_TRUE(LoadsAs(kNobody, admins + "/vextondof.ini"));

    // Root follows its own link into the user's folder, but not the user's
    // link found there.
    const std::string secret = MakeSecret(dir.folder() + "/secret", 0, "root's only");
    fs::remove(elsewhere + "/choices.ini");
    MakeLink(secret, elsewhere + "/choices.ini", kNobody);
    const std::string rootsFolder = MakeFolder(dir.folder() + "/roots", 0, kReadable);
    MakeLink(elsewhere + "/choices.ini", rootsFolder + "/vextondof.ini", 0);
    EXPECT_FALSE(LoadsAs(0, rootsFolder + "/vextondof.ini"));
    EXPECT_EQ(SaveAs(0, rootsFolder + "/vextondof.ini"), Denied(rootsFolder + "/vextondof.ini"));
    EXPECT_EQ(Content(secret), "root's only");
}

// Another user swaps a regular file and a link to root's secret, as fast as
// it can, where root's own link leads: no save of root's ever reaches the
// secret, whichever it meets.
TEST(SettingsTrust, ALinkSwappedInMeanwhileIsNeverFollowed) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string secret = MakeSecret(dir.folder() + "/secret", 0, "root's only");
    const std::string theirs = MakeFolder(dir.folder() + "/theirs", kOtherUser, kReadable);
    const std::string roots = MakeFolder(dir.folder() + "/roots", 0, kReadable);
    MakeLink(theirs + "/choices.ini", roots + "/vextondof.ini", 0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    const pid_t swapper = Spawn(kOtherUser, [&] {
        const std::string file = theirs + "/file", link = theirs + "/link";
        for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
            std::ofstream(file) << "bait";
            std::error_code ignored;
            fs::create_symlink(secret, link, ignored);
            fs::rename(i % 2 ? file : link, theirs + "/choices.ini", ignored);
        }
        return 0;
    });
    int saves = 0;
    while (std::chrono::steady_clock::now() < end) {
        const CDataState s = Choices(u"Canon 10D");
        saves += WriteSettingsFile(roots + "/vextondof.ini", &s) ? 1 : 0;
        CDataState back;
        ReadSettingsFile(roots + "/vextondof.ini", &back);
    }
    EXPECT_EQ(Wait(swapper), 0);
    EXPECT_EQ(Content(secret), "root's only");
    EXPECT_GT(saves, 0) << "the regular file, when met, is written";
}

// A fresh file swapped for a link before it takes the settings file's place
// fails the save: the link never becomes the settings file.
TEST(SettingsTrust, ASwappedFreshFileNeverTakesThePlace) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    const std::string victim = dir.folder() + "/victim";
    std::ofstream(victim) << "keep me";
    const CHandle folder = OpenFolderPath(dir.folder());
    CFilePlace place;
    int osError = 0;
    ASSERT_TRUE(ResolvePlace(folder.Get(), "vextondof.ini", place, osError));
    CFileReplacement replacement;
    ASSERT_TRUE(replacement.Begin(place, dir.settingsPath(), nullptr));
    replacement.File().Write("new", 3);
    for (const std::string& name : Names(dir.folder()))
        if (name.rfind(".vextondof.ini.saving-", 0) == 0) {
            fs::remove(dir.folder() + "/" + name);
            fs::create_symlink(victim, dir.folder() + "/" + name);
        }
    EXPECT_THROW(replacement.Commit(), CFileException);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.settingsPath())));
    EXPECT_EQ(dir.Read(), kDefaultFile);
    EXPECT_EQ(Content(victim), "keep me");
}

// The configuration folder is used only when it is the user's alone: one
// made by another user, or a link in its place, is refused, and nothing is
// written there.
TEST(SettingsTrust, AConfigurationFolderNotTheUsersOwnIsRefused) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string program = MakeFolder(dir.folder() + "/bin", 0, kReadable) + "/vextondof";
    const std::string config = MakeFolder(dir.folder() + "/config", kNobody, kReadable);
    const std::string theirs = MakeFolder(dir.folder() + "/theirs", kOtherUser, kShared);

    const SettingsLocation where(config + "/vextondof/vextondof.ini", true);
    const auto attempt = [&](const char* what) {
        EXPECT_EQ(SaveAs(kNobody, std::nullopt, u"Canon 10D", program, config), Denied(where.path))
            << what;
        EXPECT_FALSE(LoadsAs(kNobody, where)) << what;
        EXPECT_TRUE(Names(theirs).empty()) << what;
    };
    MakeFolder(config + "/vextondof", kOtherUser, kShared);
    attempt("made by another user, open to all");
    fs::remove_all(config + "/vextondof");
    MakeLink(theirs, config + "/vextondof", kOtherUser);
    attempt("another user's link");
    fs::remove(config + "/vextondof");
    MakeLink(theirs, config + "/vextondof", kNobody);
    attempt("the user's own link: the folder is never a link");

    // The user's own folder is made for the user alone.
    fs::remove(config + "/vextondof");
    EXPECT_EQ(SaveAs(kNobody, std::nullopt, u"Canon 10D", program, config), "saved");
    struct stat st {};
    ASSERT_EQ(::stat((config + "/vextondof").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
}

// The program's folder holds the settings file only when no one but its
// owner, the user or the administrator, may write there.
TEST(SettingsTrust, AProgramFolderOthersMayWriteIsPassedOver) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string config = MakeFolder(dir.folder() + "/config", kNobody, kReadable);
    const std::string shared = MakeFolder(dir.folder() + "/shared", 0, kSticky);
    const std::string theirs = MakeFolder(dir.folder() + "/theirs", kOtherUser, kShared);
    const std::string own = MakeFolder(dir.folder() + "/own", kNobody, kReadable);
    const int code = InChild(kNobody, [&] {
        const std::string inConfig = config + "/vextondof/vextondof.ini";
        if (SettingsLocationFor(shared + "/vextondof", config).path != inConfig)
            return 1;
        if (SettingsLocationFor(theirs + "/vextondof", config).path != inConfig)
            return 2;
        return SettingsLocationFor(own + "/vextondof", config).path == own + "/vextondof.ini" ? 0
                                                                                              : 3;
    });
    EXPECT_EQ(code, 0);
}

// A run as root over a user's file leaves it the user's: same owner, group
// and permissions, and its owner saves afterwards. In the user's own
// configuration folder root writes nothing at all.
TEST(SettingsTrust, ARunAsRootLeavesTheUsersFileTheUsers) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string bin = MakeFolder(dir.folder() + "/bin", 0, kReadable);
    const std::string file = bin + "/vextondof.ini";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(kDefaultFile.data()), kDefaultFile.size());
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(SaveAs(0, file, u"Canon 20D"), "saved");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNobody);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(SaveAs(kNobody, file, u"Canon 1D"), "saved") << "its owner saves afterwards";

    const std::string config = MakeFolder(dir.folder() + "/config", kNobody, kReadable);
    const SettingsLocation usersOwn(config + "/vextondof/vextondof.ini", true);
    EXPECT_EQ(SaveAs(kNobody, usersOwn), "saved");
    const std::string before = Content(usersOwn.path);
    EXPECT_EQ(SaveAs(0, usersOwn, u"Canon 20D"), Denied(usersOwn.path));
    EXPECT_EQ(Content(usersOwn.path), before);
    EXPECT_EQ(SaveAs(kNobody, usersOwn, u"Canon 1D"), "saved");
}

// A folder that goes away, or a link's target folder that does, fails the
// save where it was to go: nothing is made elsewhere, nothing re-made.
TEST(SettingsTrust, AFolderThatWentAwayFailsTheSave) {
    ProgramFolder dir;
    const std::string bin = dir.folder() + "/bin";
    fs::create_directory(bin);
    const std::string config = dir.folder() + "/config";
    fs::create_directory(config);
    const SettingsLocation where = SettingsLocationFor(bin + "/vextondof", config);
    ASSERT_EQ(where.path, bin + "/vextondof.ini");
    fs::remove_all(bin);
    CDataState s;
    CFileException error;
    EXPECT_FALSE(WriteSettingsFile(where, &s, &error));
    EXPECT_EQ(error.GetErrorMessage(), where.path + " was not found.");
    EXPECT_FALSE(fs::exists(bin));
    EXPECT_TRUE(fs::is_empty(config));

    // Replaced by a link to another folder: not followed.
    fs::create_directory(dir.folder() + "/other");
    fs::create_directory_symlink("other", bin);
    EXPECT_FALSE(WriteSettingsFile(where, &s));
    EXPECT_TRUE(fs::is_empty(dir.folder() + "/other"));

    // A link whose target's folder went away.
    fs::remove(bin);
    fs::create_directory(bin);
    fs::create_symlink("../gone/choices.ini", where.path);
    EXPECT_FALSE(WriteSettingsFile(where, &s));
    EXPECT_FALSE(fs::exists(dir.folder() + "/gone"));
}

// Saves written in place (a writable file in a folder that takes no new
// files), killed at any moment, longer and shorter by turns: the file always
// loads as five whole records.
TEST(SettingsTrust, AKilledSaveInPlaceLeavesWholeRecords) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    fs::permissions(dir.settingsPath(), kShared & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                    fs::perms::others_exec)); // 0666
    fs::permissions(dir.folder(), kReadable & ~fs::perms::owner_write);       // 0555
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t saver = Spawn(kNobody, [&] {
            for (int i = 0;; ++i) {
                const CDataState s =
                    Choices(i % 2 ? u"Canon 10D" : u"Konica Minolta Dynax 7D with a long name");
                if (!WriteSettingsFile(dir.settingsPath(), &s))
                    return 1;
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(300 + 397 * kill % 3000));
        ::kill(saver, SIGKILL);
        EXPECT_EQ(Wait(saver), -1) << "killed, not failed";
        CDataState back;
        ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &back));
        EXPECT_EQ(back.m_strCofC, u"0.0310") << "the fifth record whole";
    }
}

// Saves killed at any moment leave fresh files behind; the next save that
// holds the lock removes them, and only them.
TEST(SettingsTrust, WhatKilledSavesLeaveIsCleanedAway) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    for (int kill = 0; kill < 40; ++kill) {
        const pid_t saver = Spawn(kSameUser, [&] {
            for (int i = 0;; ++i) {
                const CDataState s = Choices(i % 2 ? u"Canon 10D" : u"Canon 20D");
                WriteSettingsFile(dir.settingsPath(), &s);
            }
            return 0;
        });
        std::this_thread::sleep_for(std::chrono::microseconds(500 + 397 * kill % 3000));
        ::kill(saver, SIGKILL);
        Wait(saver);
        CDataState back;
        ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &back)) << "never a torn file";
    }
    // Planted under the same name pattern: a leftover of this user's that is
    // not a regular file is not ours to remove.
    const std::string stem = dir.folder() + "/.vextondof.ini.saving-";
    std::ofstream(stem + "Leftover");
    fs::create_directory(stem + "AFolder0");
    fs::create_symlink(dir.settingsPath(), stem + "ALink000");
    std::ofstream(dir.folder() + "/.vextondof.ini.saving-short");
    const CDataState s = Choices(u"Canon 1D");
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(Names(dir.folder()),
              (std::vector<std::string>{".vextondof.ini.saving-AFolder0",
                                        ".vextondof.ini.saving-ALink000",
                                        ".vextondof.ini.saving-short", "vextondof.ini"}));
}

// A program installed with the system never keeps its settings beside
// itself, whoever runs it; a portable copy's file the user may read but not
// write sends the user's choices to the user's own folder, said once.
TEST(SettingsTrust, AnInstalledProgramNeverKeepsItsSettingsBesideItself) {
    for (const char* folder :
         {"/usr/bin", "/usr/local/bin", "/bin", "/sbin", "/lib64", "/opt/x", "/snap/bin"})
        EXPECT_TRUE(IsSystemFolder(folder)) << folder;
    for (const char* folder : {"/home/ann/bin", "/tmp/usr", "/usrlocal", "/srv/opt"})
        EXPECT_FALSE(IsSystemFolder(folder)) << folder;

    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string config = MakeFolder(dir.folder() + "/config", ::geteuid(), kReadable);
    const std::string inConfig = config + "/vextondof/vextondof.ini";
    EXPECT_EQ(SettingsLocationFor("/usr/bin/vextondof", config).path, inConfig)
        << "root may create files in /usr/bin, and never does";

    NEEDS_ROOT();
    const std::string bin = MakeFolder(dir.folder() + "/bin", 0, kReadable);
    EXPECT_EQ(SettingsLocationFor(bin + "/vextondof", config).path, bin + "/vextondof.ini")
        << "a portable copy of root's, run by root";
    std::ofstream(bin + "/vextondof.ini") << "";
    fs::permissions(bin + "/vextondof.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    const std::string theirs = MakeFolder(dir.folder() + "/nobody", kNobody, kReadable);
    const int code = InChild(kNobody, [&] {
        const SettingsLocation where = SettingsLocationFor(bin + "/vextondof", theirs);
        return where.path == theirs + "/vextondof/vextondof.ini" &&
                       where.note.find(bin + "/vextondof.ini") != std::string::npos
                   ? 0
                   : 1;
    });
    EXPECT_EQ(code, 0) << "another user's run of it";
}

// Root with a user's configuration folder (sudo without -H) keeps the
// choices for the run and makes nothing there: not the folder, not the
// program's folder in it, and not through a link of another user's above it.
TEST(SettingsTrust, RootNeverMakesAUsersFoldersItsOwn) {
    NEEDS_ROOT();
    ProgramFolder dir;
    fs::permissions(dir.folder(), kReadable);
    const std::string program = MakeFolder(dir.folder() + "/bin", 0, kShared) + "/vextondof";
    const std::string home = MakeFolder(dir.folder() + "/home", kNobody, kReadable);
    const std::string config = home + "/.config";
    const CDataState s = Choices(u"Canon 20D");
    const auto attempt = [&](const std::string& configHome, const char* what) {
        const SettingsLocation where = SettingsLocationFor(program, configHome);
        EXPECT_TRUE(where.KeptForTheRunOnly()) << what;
        EXPECT_NE(where.note.find(configHome), std::string::npos) << what;
        EXPECT_TRUE(WriteSettingsFile(where, &s)) << what << ": kept for the run";
        CFileException error;
        EXPECT_FALSE(WriteSettingsFile(
            SettingsLocation(configHome + "/vextondof/vextondof.ini", true), &s, &error))
            << what << ": a save sent there all the same";
    };
    attempt(config, "no .config yet");
    EXPECT_FALSE(fs::exists(config));
    MakeFolder(config, kNobody, kReadable);
    attempt(config, "no vextondof/ yet");
    EXPECT_FALSE(fs::exists(config + "/vextondof"));

    const std::string drop = MakeFolder(dir.folder() + "/drop", 0, kSticky);
    const std::string secret = MakeFolder(dir.folder() + "/secret", 0, fs::perms::owner_all);
    MakeLink(secret, drop + "/cfg", kOtherUser);
    attempt(drop + "/cfg", "another user's link to root's private folder");
    EXPECT_TRUE(Names(secret).empty());
}

// The settings file where something is wrong around it: things that are not
// files, links, permissions, other instances, absurd claims.
#include "cameras/data_state.h"
#include "child_process.h"
#include "settings_test_support.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
void Permit(const std::string& path, fs::perms perms) {
    fs::permissions(path, perms);
}
constexpr fs::perms kOpenFolder = fs::perms::all;
constexpr fs::perms kClosedFolder = fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec; // 0555

// Makes the folder the user's own, as a person's folder is.
void GiveFolderTo(const ProgramFolder& dir, uid_t user) {
    if (RunningAsRoot()) {
        ASSERT_EQ(::chown(dir.folder().c_str(), user, user), 0);
    }
    Permit(dir.folder(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec); // 0755
}

CDataState Choices(const char16_t* camera) {
    CDataState s;
    s.m_strCamera = camera;
    return s;
}

// What a folder holds besides the settings file, by name.
std::vector<std::string> Others(const ProgramFolder& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.folder()))
        if (entry.path().filename() != "vextondof.ini")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(SettingsFaults, AFifoInPlaceOfTheFileNeverBlocksAndIsLeftAlone) {
    ProgramFolder dir;
    ASSERT_EQ(::mkfifo(dir.settingsPath().c_str(), 0666), 0);
    const int code = InChild(kSameUser, [&] {
        CDataState s;
        if (ReadSettingsFile(dir.settingsPath(), &s))
            return 1;
        CFileException error;
        if (WriteSettingsFile(dir.settingsPath(), &s, &error))
            return 2;
        return error.GetErrorMessage() == "Access to " + dir.settingsPath() + " was denied." ? 0
                                                                                             : 3;
    });
    EXPECT_EQ(code, 0) << "-1: blocked on the FIFO";
    struct stat st {};
    ASSERT_EQ(::lstat(dir.settingsPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(Others(dir).empty());
}

TEST(SettingsFaults, LeftoversOfEarlierSavesChangeNothing) {
    ProgramFolder dir;
    const std::string victim = dir.folder() + "/victim";
    std::ofstream(victim) << "keep me";
    // Whatever an earlier run or another program left under staging-like names.
    ASSERT_EQ(::mkfifo((dir.settingsPath() + ".new").c_str(), 0666), 0);
    fs::create_directory(dir.folder() + "/.vextondof.ini.saving-AAAAAAAA");
    fs::create_symlink(victim, dir.folder() + "/.vextondof.ini.saving-BBBBBBBB");
    const int code = InChild(kSameUser, [&] {
        const CDataState s = Choices(u"Canon 10D");
        return WriteSettingsFile(dir.settingsPath(), &s) ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    CDataState back;
    ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &back));
    EXPECT_EQ(back.m_strCamera, u"Canon 10D");
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep me");
    EXPECT_EQ(Others(dir).size(), 4u) << "the save leaves nothing of its own behind";
}

TEST(SettingsFaults, ALinkedFileIsWrittenThroughItsLink) {
    ProgramFolder dir;
    fs::create_directory(dir.folder() + "/elsewhere");
    const std::string target = dir.folder() + "/elsewhere/choices.ini";
    fs::create_symlink("elsewhere/choices.ini", dir.settingsPath()); // dangling at first
    const CDataState first = Choices(u"Canon 20D");
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &first));
    EXPECT_TRUE(fs::is_symlink(dir.settingsPath()));
    EXPECT_TRUE(fs::is_regular_file(target)) << "the link's target is created";
    const CDataState second = Choices(u"Canon 1D");
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &second));
    EXPECT_TRUE(fs::is_symlink(dir.settingsPath()));
    CDataState back;
    ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &back));
    EXPECT_EQ(back.m_strCamera, u"Canon 1D");
    EXPECT_EQ(fs::directory_iterator(dir.folder() + "/elsewhere")->path(), target)
        << "nothing staged beside the target is left";

    // A link to itself ends nowhere: it fails both ways and stays.
    fs::remove(dir.settingsPath());
    fs::create_symlink("vextondof.ini", dir.settingsPath());
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &back));
    CFileException error;
    EXPECT_FALSE(WriteSettingsFile(dir.settingsPath(), &second, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_TRUE(fs::is_symlink(dir.settingsPath()));
}

TEST(SettingsFaults, AHardLinkedFileKeepsItsOtherName) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    const std::string other = dir.folder() + "/other-name.ini";
    fs::create_hard_link(dir.settingsPath(), other);
    const CDataState s = Choices(u"Sigma SD9");
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(fs::hard_link_count(other), 2u);
    std::ifstream in(other, std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), dir.Read());
    CDataState back;
    ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &back));
    EXPECT_EQ(back.m_strCamera, u"Sigma SD9");
}

TEST(SettingsFaults, AFileTheUserMayNotWriteOrReadIsNeverReplaced) {
    for (const fs::perms mode :
         {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, // 0444
          fs::perms::none}) {                                                     // 0000
        ProgramFolder dir;
        dir.Write(kDefaultFile);
        GiveFolderTo(dir, kNobody); // the folder itself takes the user's new files
        Permit(dir.settingsPath(), mode);
        const int code = InChild(kNobody, [&] {
            CDataState s = Choices(u"Canon 10D");
            CFileException error;
            if (WriteSettingsFile(dir.settingsPath(), &s, &error))
                return 1;
            if (error.GetErrorMessage() != "Access to " + dir.settingsPath() + " was denied.")
                return 2;
            // Readable or not, the load leaves the choices as they were.
            CDataState loaded = Choices(u"untouched");
            const bool read = ReadSettingsFile(dir.settingsPath(), &loaded);
            return read == (mode != fs::perms::none) ? 0 : 3;
        });
        EXPECT_EQ(code, 0) << static_cast<int>(mode);
        Permit(dir.settingsPath(), fs::perms::owner_all);
        EXPECT_EQ(dir.Read(), kDefaultFile);
        EXPECT_TRUE(Others(dir).empty());
    }
}

TEST(SettingsFaults, AWritableFileInAClosedFolderIsWrittenInPlace) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    Permit(dir.settingsPath(), fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                  fs::perms::others_exec)); // 0666
    Permit(dir.folder(), kClosedFolder);
    const int code = InChild(kNobody, [&] {
        // Longer, then shorter than before: the file ends where the new content does.
        for (const char16_t* camera : {u"Konica Minolta Maxxum 7D", u"Canon 1D"}) {
            const CDataState s = Choices(camera);
            CFileException error;
            if (!WriteSettingsFile(dir.settingsPath(), &s, &error))
                return 1;
            CDataState back;
            if (!ReadSettingsFile(dir.settingsPath(), &back) || back.m_strCamera != camera)
                return 2;
        }
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(dir.Read().size(), kDefaultFile.size() - 2) << "\"Canon 1D\" is one character short";
}

TEST(SettingsFaults, ARecordClaimingMillionsOfCharactersIsDamageNotData) {
    ProgramFolder dir;
    // 0x08000000 characters claimed, and the file is really that large (sparse).
    dir.Write({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x08});
    fs::resize_file(dir.settingsPath(), 10 + 2 * 0x08000000ull + 64);
    const int code = InChild(kSameUser, [&] {
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        CDataState s;
        const bool loaded = ReadSettingsFile(dir.settingsPath(), &s);
        ::getrusage(RUSAGE_SELF, &after);
        if (loaded || s.m_strCamera != u"Nikon D70")
            return 1;
        return after.ru_maxrss - before.ru_maxrss < 8 * 1024 ? 0 : 2; // KiB
    });
    EXPECT_EQ(code, 0);
    // The longest text the program keeps still reads back.
    CDataState longest = Choices(std::u16string(64 * 1024, u'x').c_str());
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &longest));
    CDataState back;
    EXPECT_TRUE(ReadSettingsFile(dir.settingsPath(), &back));
    longest.m_strCamera += u'x';
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &longest));
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &back));
}

TEST(SettingsFaults, AnotherHolderIsWaitedForThenReportedAsSharing) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    // Another instance in the middle of a save holds the folder's lock,
    // until it is told to let go: nothing here hangs on how fast anything runs.
    struct Holder {
        pid_t pid = -1;
        int release = -1;
        void LetGo() {
            (void)!::write(release, "x", 1);
            ::close(release);
            ::waitpid(pid, nullptr, 0);
        }
    };
    const auto hold = [&] {
        int ready[2], release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int fd = ::open(dir.folder().c_str(), O_RDONLY | O_DIRECTORY);
            ::flock(fd, LOCK_EX);
            (void)!::write(ready[1], "x", 1);
            char c;
            (void)!::read(release[0], &c, 1);
            ::_exit(0);
        }
        char c;
        EXPECT_EQ(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        ::close(release[0]);
        return Holder{pid, release[1]};
    };
    // Let go while a load waits (as long as it must): the load reads.
    Holder holder = hold();
    CDataState s = Choices(u"untouched");
    bool heldByAnother = true;
    std::thread letGo([&holder] { holder.LetGo(); });
    EXPECT_TRUE(ReadSettingsFile(dir.settingsPath(), &s, &heldByAnother, 600000))
        << "a hold is waited out";
    EXPECT_FALSE(heldByAnother);
    letGo.join();

    // Held past a load's wait and a save's: said, and nothing changes.
    holder = hold();
    s = Choices(u"untouched");
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s, &heldByAnother, 0));
    EXPECT_TRUE(heldByAnother);
    EXPECT_EQ(s.m_strCamera, u"untouched");
    CFileException error;
    EXPECT_FALSE(WriteSettingsFile(dir.settingsPath(), &s, &error));
    EXPECT_EQ(error.GetErrorMessage(),
              "A sharing violation occurred while accessing " + dir.settingsPath() + ".");
    holder.LetGo();
    EXPECT_EQ(dir.Read(), kDefaultFile);
}

// Two instances saving and loading as fast as they can, for a few seconds:
// every save and load succeeds, and every load finds one complete save.
TEST(SettingsFaults, TwoInstancesNeverSeeATornFileNorFailFalsely) {
    for (const bool closedFolder : {false, true}) {
        ProgramFolder dir;
        dir.Write(kDefaultFile);
        if (closedFolder) { // in place: the lock alone keeps readers from half a file
            Permit(dir.settingsPath(), fs::perms::all);
            Permit(dir.folder(), kClosedFolder);
        }
        const auto instance = [&](char16_t who) {
            return [&, who] {
                const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
                for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
                    // All five fields carry the same mark; a torn file mixes marks.
                    const std::u16string mark =
                        std::u16string(1, who) + Utf8ToCString(std::to_string(i)) +
                        std::u16string(static_cast<std::size_t>(i % 300), u'.');
                    CDataState s;
                    s.m_strCamera = s.m_strFocalLength = s.m_strAperture = s.m_strUnit =
                        s.m_strCofC = mark;
                    CFileException error; // its cause, should it fail: 10 and above
                    if (!WriteSettingsFile(dir.settingsPath(), &s, &error))
                        return 10 + error.m_cause;
                    // What is tested is wholeness, not speed: a load may wait long
                    // for the other instance on a busy machine.
                    CDataState back;
                    if (!ReadSettingsFile(dir.settingsPath(), &back, nullptr, 30000))
                        return 2;
                    for (const CString* f : {&back.m_strFocalLength, &back.m_strAperture,
                                             &back.m_strUnit, &back.m_strCofC})
                        if (*f != back.m_strCamera)
                            return 3;
                }
                return 0;
            };
        };
        const pid_t a = Spawn(closedFolder ? kNobody : kSameUser, instance(u'a'));
        const pid_t b = Spawn(closedFolder ? kNobody : kSameUser, instance(u'b'));
        EXPECT_EQ(Wait(a), 0) << "closed folder: " << closedFolder;
        EXPECT_EQ(Wait(b), 0) << "closed folder: " << closedFolder;
        EXPECT_TRUE(Others(dir).empty());
    }
}

// Beside the program where the user may create files there or a file was
// prepared there; else in the configuration folder; where neither can hold
// it, beside the program again.
TEST(SettingsFaults, TheFileLivesWhereItCanBeKept) {
    ProgramFolder dir;
    const std::string program = dir.folder() + "/bin/vextondof";
    const std::string beside = dir.folder() + "/bin/vextondof.ini";
    const std::string config = dir.folder() + "/home/.config";
    const std::string inConfig = config + "/vextondof/vextondof.ini";
    fs::create_directories(dir.folder() + "/bin");
    fs::create_directories(config);
    Permit(dir.folder(), kOpenFolder);
    Permit(dir.folder() + "/home", kOpenFolder);
    Permit(config, kOpenFolder);
    ASSERT_EQ(::chown(config.c_str(), kNobody, kNobody), 0); // the user's own
    EXPECT_EQ(SettingsLocationFor(program, config).path, beside);

    Permit(dir.folder() + "/bin", kClosedFolder);
    const int code = InChild(kNobody, [&] {
        if (SettingsLocationFor(program, config).path != inConfig)
            return 1;
        const CDataState s = Choices(u"Canon 20D");
        if (!WriteSettingsFile(SettingsLocationFor(program, config), &s)) // makes the folder
            return 2;
        CDataState back;
        if (!ReadSettingsFile(SettingsLocationFor(program, config), &back) ||
            back.m_strCamera != u"Canon 20D")
            return 3;
        return 0;
    });
    EXPECT_EQ(code, 0);

    Permit(dir.folder() + "/bin", kOpenFolder);
    std::ofstream(beside) << "";
    Permit(beside, kOpenFolder);
    Permit(dir.folder() + "/bin", kClosedFolder);
    EXPECT_EQ(InChild(kNobody,
                      [&] { return SettingsLocationFor(program, config).path == beside ? 0 : 1; }),
              0)
        << "an administrator's prepared file beside the program";
    // One the user may read but not write: the choices go to the user's own
    // folder, and the person is told where.
    Permit(beside, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    EXPECT_EQ(InChild(kNobody,
                      [&] {
                          const SettingsLocation where = SettingsLocationFor(program, config);
                          return where.path == inConfig &&
                                         where.note == "You may read but not change " + beside +
                                                           ": your choices are kept in " +
                                                           inConfig + "."
                                     ? 0
                                     : 1;
                      }),
              0)
        << "a prepared file the user may not write";

    fs::remove_all(config + "/vextondof");
    Permit(dir.folder() + "/bin", kOpenFolder);
    fs::remove(beside);
    Permit(dir.folder() + "/bin", kClosedFolder);
    Permit(config, kClosedFolder);
    EXPECT_EQ(InChild(kNobody,
                      [&] { return SettingsLocationFor(program, config).path == beside ? 0 : 1; }),
              0)
        << "nowhere to keep it";
    Permit(dir.folder() + "/bin", kOpenFolder);
    Permit(config, kOpenFolder);
}

// The framework's standard half on its own: the case rule, number
// formatting, files (and the links to them) and archives.
#include "child_process.h"
#include "framework/base/archive.h"
#include "framework/base/dialog_template.h"
#include "framework/base/file.h"
#include "framework/base/nocase.h"
#include "framework/base/number_format.h"
#include "framework/base/translate.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

TEST(NoCase, FoldsAsciiAndLatinOneLettersOnly) {
    EXPECT_EQ(CompareNoCase(u"FEET", u"feet"), 0);
    EXPECT_EQ(CompareNoCase(u"\u00C4pfel", u"\u00E4PFEL"), 0);
    EXPECT_NE(CompareNoCase(u"\u00D7", u"\u00F7"), 0) << "the multiplication sign is no letter";
    EXPECT_NE(CompareNoCase(u"\u0391", u"\u03B1"), 0) << "Greek is left alone";
    EXPECT_LT(CompareNoCase(u"a", u"B"), 0);
    EXPECT_LT(CompareNoCase(u"ab", u"abc"), 0);
    EXPECT_TRUE(BeginsWithNoCase(u"Nikon D70s", u"nikon d70"));
    EXPECT_FALSE(BeginsWithNoCase(u"Nikon", u"Nikon D70"));
    const std::vector<std::u16string> texts = {u"f/1.4", u"f/1", u"F/11"};
    const auto at = [&](std::size_t i) { return std::u16string_view(texts[i]); };
    EXPECT_EQ(FindPrefixNoCase(texts.size(), at, u"f/1"), 0) << "the first from the top";
    EXPECT_EQ(FindPrefixNoCase(texts.size(), at, u"f/11"), 2);
    EXPECT_EQ(FindPrefixNoCase(texts.size(), at, u"f/2"), -1);
}

// A form laid out as the DOF table's: a list and an edit box above the
// grid, notes and buttons below it.
// The interface language as gettext reads the environment: LANGUAGE's list
// unless the messages' locale is C; the messages' locale otherwise; English
// for what the program does not speak, and when English comes first.
TEST(Language, FollowsTheEnvironmentAsGettextDoes) {
    struct Row {
        const char* name;
        std::map<std::string, std::string> env;
        const char* language;
    };
    const Row rows[] = {
        {"nothing set", {}, ""},
        {"LANG", {{"LANG", "de_DE.UTF-8"}}, "de"},
        {"LC_MESSAGES over LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
        {"LC_ALL over both", {{"LC_ALL", "de_AT@euro"}, {"LC_MESSAGES", "fr_FR"}}, "de"},
        {"LC_ALL=C over LANGUAGE", {{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, ""},
        {"C.UTF-8 is C", {{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, ""},
        {"LANGUAGE's list in order", {{"LANG", "de_DE"}, {"LANGUAGE", "it:fr:de"}}, "fr"},
        {"English first in LANGUAGE", {{"LANG", "de_DE"}, {"LANGUAGE", "en_GB:de"}}, ""},
        {"a language not spoken", {{"LANG", "es_ES.UTF-8"}}, ""},
        {"numbers alone change nothing", {{"LC_NUMERIC", "de_DE.UTF-8"}}, ""},
    };
    for (const Row& row : rows) {
        const auto env = [&row](const char* name) -> const char* {
            const auto at = row.env.find(name);
            return at == row.env.end() ? nullptr : at->second.c_str();
        };
        EXPECT_EQ(InterfaceLanguage(env, {"de", "fr"}), row.language) << row.name;
    }
}

// A sentence's places, filled in the order the translation puts them.
TEST(Language, ArgumentsGoWhereTheSentencePutsThem) {
    EXPECT_EQ(Arg("%2 von %1", {"3", "7"}), "7 von 3");
    EXPECT_EQ(Arg("100% of %1, %3 left", {"f/8"}), "100% of f/8, %3 left");
    EXPECT_EQ(Tr("Menu", "&File"), "&File") << "no catalogue: the English text";
}

TEST(FormGrowth, TheGridTakesTheRoomAndWhatLiesBelowAndBesideFollows) {
    const ItemBox grid{10, 100, 400, 200};
    EXPECT_EQ(GrownBox(grid, grid, 50, 30), (ItemBox{10, 100, 450, 230}));
    EXPECT_EQ(GrownBox({70, 10, 100, 20}, grid, 50, 30), (ItemBox{70, 10, 100, 20}))
        << "a list above, short of the right edge, stays";
    EXPECT_EQ(GrownBox({70, 40, 340, 20}, grid, 50, 30), (ItemBox{70, 40, 390, 20}))
        << "an edit box above reaching the right edge widens";
    EXPECT_EQ(GrownBox({10, 310, 400, 16}, grid, 50, 30), (ItemBox{10, 340, 450, 16}))
        << "a note below moves down and widens";
    EXPECT_EQ(GrownBox({10, 330, 80, 20}, grid, 50, 30), (ItemBox{10, 360, 80, 20}))
        << "a button below moves down only";
    EXPECT_EQ(GrownBox({420, 100, 40, 20}, grid, 50, 30), (ItemBox{470, 100, 40, 20}))
        << "a button beside moves right";
    EXPECT_EQ(GrownBox({10, 310, 400, 16}, grid, 0, 0), (ItemBox{10, 310, 400, 16}));
}

TEST(NumberFormat, GroupsRoundsAndSigns) {
    NumberSettings s;
    EXPECT_EQ(FormatNumber("1234567.891", 2, s), "1,234,567.89");
    s.grouping = 32;
    EXPECT_EQ(FormatNumber("1234567.891", 0, s), "12,34,568");
    s.grouping = 3;
    s.negativeOrder = 0;
    EXPECT_EQ(FormatNumber("-0.004", 2, s), "0.00") << "no sign on a zero";
    EXPECT_EQ(FormatNumber("-9.995", 2, s), "(10.00)");
    s.leadingZero = 0;
    EXPECT_EQ(FormatNumber("0.5", 1, s), ".5");
    EXPECT_FALSE(FormatNumber("1e5", 2, s));
    EXPECT_FALSE(FormatNumber("", 2, s));
    s.negativeOrder = 5;
    EXPECT_FALSE(FormatNumber("1", 2, s)) << "settings the handheld does not know";
}

TEST(Files, OnlyRegularFilesOpen) {
    char pattern[] = "/tmp/vextondof-framework-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(folder, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_EQ(FolderOf(folder + "/a"), folder);
    EXPECT_EQ(FolderOf("a"), ".");
    EXPECT_EQ(FolderOf("/a"), "/");
    std::filesystem::remove_all(folder);
}

namespace {
// What `name` in `folder` leads to, as a path, or the error.
std::string Resolved(const std::string& folder, const std::string& name) {
    const CHandle from = OpenFolderPath(folder);
    CFilePlace place;
    int osError = 0;
    if (!ResolvePlace(from.Get(), name, place, osError))
        return "error " + std::to_string(osError);
    char target[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(place.folder.Get());
    const ssize_t n = ::readlink(link.c_str(), target, sizeof target - 1);
    return std::string(target, static_cast<std::size_t>(n < 0 ? 0 : n)) + "/" + place.name;
}
} // namespace

TEST(Files, LinksAreFollowedOnlyWhereTheirOwnerMayBeTrusted) {
    char pattern[] = "/tmp/vextondof-links-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    namespace fs = std::filesystem;
    fs::create_directory(folder + "/sub");
    fs::create_symlink("b", folder + "/a");
    fs::create_symlink("sub/../sub/c", folder + "/b");
    fs::create_symlink(folder + "/sub", folder + "/to-sub");
    fs::create_symlink("loop", folder + "/loop");
    EXPECT_EQ(Resolved(folder, "a"), folder + "/sub/c") << "one's own links, to a file yet to be";
    EXPECT_EQ(Resolved(folder, "to-sub/x"), folder + "/sub/x");
    EXPECT_EQ(Resolved(folder, "sub"), folder + "/sub");
    EXPECT_EQ(Resolved(folder, "loop"), "error " + std::to_string(ELOOP));
    EXPECT_EQ(Resolved(folder, "missing/x"), "error " + std::to_string(ENOENT));

    if (RunningAsRoot()) {
        // Another user's link is not followed, wherever it stands; the
        // administrator's own link in the administrator's folder is, by anyone,
        // but not in a folder others may write.
        fs::create_symlink("sub/c", folder + "/foreign");
        ASSERT_EQ(::lchown((folder + "/foreign").c_str(), kOtherUser, kOtherUser), 0);
        EXPECT_EQ(Resolved(folder, "foreign"), "error " + std::to_string(EACCES));
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
        EXPECT_EQ(
            InChild(kNobody, [&] { return Resolved(folder, "a") == folder + "/sub/c" ? 0 : 1; }),
            0);
        fs::permissions(folder, fs::perms::all | fs::perms::sticky_bit);
        EXPECT_EQ(InChild(kNobody,
                          [&] {
                              return Resolved(folder, "a") == "error " + std::to_string(EACCES) ? 0
                                                                                                : 1;
                          }),
                  0);
        EXPECT_EQ(Resolved(folder, "a"), folder + "/sub/c") << "one's own link, wherever it is";
    }
    fs::remove_all(folder);
}

TEST(Files, OnlyTheOwnersFoldersAreTrusted) {
    struct stat st {};
    st.st_mode = S_IFDIR | 0755;
    st.st_uid = ::geteuid();
    EXPECT_TRUE(IsTrustedFolder(st));
    st.st_mode = S_IFDIR | 0757;
    EXPECT_FALSE(IsTrustedFolder(st)) << "others may write";
    st.st_mode = S_IFDIR | 01777;
    EXPECT_FALSE(IsTrustedFolder(st)) << "sticky, yet others may make files";
    st.st_mode = S_IFDIR | 0775;
    st.st_gid = 4243; // a group without a name: no one's private group
    EXPECT_FALSE(IsTrustedFolder(st)) << "a shared group may write";
    st.st_mode = S_IFDIR | 0755;
    st.st_uid = 0;
    EXPECT_TRUE(IsTrustedFolder(st)) << "the administrator's";
    st.st_uid = kOtherUser;
    EXPECT_EQ(IsTrustedFolder(st), ::geteuid() == kOtherUser) << "another user's";
    st.st_mode = S_IFREG | 0644;
    st.st_uid = ::geteuid();
    EXPECT_FALSE(IsTrustedFolder(st)) << "not a folder";
}

TEST(Files, AWholeFileIsWrittenWholeOrNotAtAll) {
    char pattern[] = "/tmp/vextondof-whole-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    const std::string path = folder + "/table.csv";
    const auto content = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    ASSERT_TRUE(WriteWholeFile(path, "first,version\r\n", nullptr));
    ASSERT_TRUE(WriteWholeFile(path, "second", nullptr));
    EXPECT_EQ(content(), "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1)
        << "nothing left beside it";
    CFileException error;
    EXPECT_FALSE(WriteWholeFile(folder + "/gone/table.csv", "x", &error));
    EXPECT_EQ(error.GetErrorMessage(), folder + "/gone/table.csv was not found.");
    if (RunningAsRoot()) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all |
                                                 std::filesystem::perms::others_read |
                                                 std::filesystem::perms::others_exec);
        EXPECT_EQ(InChild(kNobody,
                          [&] {
                              CFileException denied;
                              return !WriteWholeFile(path, "third", &denied) &&
                                             denied.m_cause == CFileException::accessDenied
                                         ? 0
                                         : 1;
                          }),
                  0);
        EXPECT_EQ(content(), "second");
    }
    std::filesystem::remove_all(folder);
}

// An export replaces a file in one step or leaves it as it was: through a
// hard link, in a folder the user may not write, when the writing fails
// halfway, and never through another user's link on the way to it. What
// killed exports left is cleaned away, what a running one writes is not.
TEST(Files, AnExportNeverTearsNorLeaksNorGoesThroughAnotherUsersLink) {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/vextondof-export-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    const std::string path = folder + "/table.csv", other = folder + "/other-name.csv";
    const auto content = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    ASSERT_TRUE(WriteWholeFile(path, "old", nullptr));
    fs::create_hard_link(path, other);
    ASSERT_TRUE(WriteWholeFile(path, "new", nullptr));
    EXPECT_EQ(content(path), "new");
    EXPECT_EQ(content(other), "old") << "the other name keeps what it had";

    CFileException error;
    EXPECT_FALSE(WriteWholeFile(
        path,
        [](CFile& file) {
            file.Write("half", 4);
            throw CFileException(CFileException::diskFull, ENOSPC, "x");
        },
        &error));
    EXPECT_EQ(error.m_cause, CFileException::diskFull);
    EXPECT_EQ(content(path), "new") << "a failed export destroys nothing";

    const std::string killed = folder + "/.table.csv.saving-Killed01";
    const std::string running = folder + "/.table.csv.saving-Running1";
    std::ofstream(killed) << "left by a killed export";
    std::ofstream(running) << "being written";
    const int writer = ::open(running.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    ASSERT_TRUE(WriteWholeFile(path, "newer", nullptr));
    EXPECT_FALSE(fs::exists(killed)) << "a killed export's leftover";
    EXPECT_TRUE(fs::exists(running)) << "a running export's file";
    ::close(writer);
    fs::remove(running);

    if (RunningAsRoot()) {
        // Another user's link to root's private folder, in a folder all may write.
        const std::string drop = folder + "/drop", secret = folder + "/secret";
        fs::create_directory(drop);
        fs::permissions(drop, fs::perms::all | fs::perms::sticky_bit);
        fs::create_directory(secret);
        fs::permissions(secret, fs::perms::owner_all);
        std::ofstream(secret + "/s.txt") << "root's";
        fs::create_directory_symlink(secret, drop + "/reports");
        ASSERT_EQ(::lchown((drop + "/reports").c_str(), kOtherUser, kOtherUser), 0);
        EXPECT_FALSE(WriteWholeFile(drop + "/reports/s.txt", "replaced", &error));
        EXPECT_EQ(error.m_cause, CFileException::accessDenied);
        EXPECT_EQ(content(secret + "/s.txt"), "root's");

        // A file the user may write, in a folder the user may not.
        fs::permissions(path, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                  ~fs::perms::others_exec);
        fs::permissions(folder,
                        fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        EXPECT_EQ(InChild(kNobody,
                          [&] {
                              CFileException denied;
                              return !WriteWholeFile(path, "in place", &denied) &&
                                             denied.m_cause == CFileException::accessDenied
                                         ? 0
                                         : 1;
                          }),
                  0);
        EXPECT_EQ(content(path), "newer") << "never written in place";
    }
    fs::remove_all(folder);
}

TEST(Archive, AStringLongerThanTheLimitIsAFormatError) {
    char pattern[] = "/tmp/vextondof-archive-XXXXXX";
    const int fd = ::mkstemp(pattern);
    const unsigned char bytes[] = {0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0, 'c', 0};
    ASSERT_EQ(::write(fd, bytes, sizeof bytes), static_cast<ssize_t>(sizeof bytes));
    ::close(fd);
    for (const std::uint64_t limit : {3u, 2u}) {
        CFile file;
        ASSERT_TRUE(file.Open(pattern, CFile::modeRead));
        CArchive ar(&file, CArchive::load);
        ar.SetStringLimit(limit);
        CString text;
        if (limit == 3) {
            ar >> text;
            EXPECT_EQ(text, u"abc");
        } else {
            try {
                ar >> text;
                ADD_FAILURE() << "read past the limit";
            } catch (const CArchiveException& e) {
                EXPECT_EQ(e.m_cause, CArchiveException::badFormat);
            }
        }
    }
    ::unlink(pattern);
}

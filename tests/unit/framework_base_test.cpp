// The framework's standard half on its own: the case rule, number
// formatting, files and archives.
#include "framework/archive.h"
#include "framework/file.h"
#include "framework/nocase.h"
#include "framework/number_format.h"

#include <filesystem>
#include <gtest/gtest.h>
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
    EXPECT_FALSE(FormatNumber("1", 2, s)) << "settings the platform does not know";
}

TEST(Files, OnlyRegularFilesOpenAndLinksAreFollowed) {
    char pattern[] = "/tmp/vextondof-framework-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(folder, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_EQ(FolderOf(folder + "/a"), folder);
    EXPECT_EQ(FolderOf("a"), ".");
    EXPECT_EQ(FolderOf("/a"), "/");
    std::filesystem::create_symlink("b", folder + "/a");
    std::filesystem::create_symlink("c", folder + "/b");
    int osError = 0;
    EXPECT_EQ(FollowLinks(folder + "/a", osError), folder + "/c");
    EXPECT_EQ(osError, 0);
    std::filesystem::remove_all(folder);
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

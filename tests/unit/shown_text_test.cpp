// What is read from a file is shown safely: control characters escaped,
// spreadsheet formulas never run, files read whole by reading.
#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/file.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace std::string_literals;

TEST(ShownText, ControlCharactersAreEscapedAndTextIsLeftAlone) {
    const struct {
        const char* name;
        std::string read, shown;
    } rows[] = {
        {"a camera's model", "ILCE-7M4", "ILCE-7M4"},
        {"letters beyond ASCII",
         "Sony \xCE\xB1"
         "7 IV \xC3\x97 \xE2\x80\x93",
         "Sony \xCE\xB1"
         "7 IV \xC3\x97 \xE2\x80\x93"},
        {"a terminal's title (OSC)", "X\x1B]0;owned\x07", "X\\x1B]0;owned\\x07"},
        {"a colour (CSI)", "\x1B[31mred", "\\x1B[31mred"},
        {"CSI in one byte (C1)",
         "\xC2\x9B"
         "31m",
         "\\u009B31m"},
        {"a forged line", "FE 50mm\nNear Focus Limit of Depth of Field: 1 m",
         "FE 50mm\\x0ANear Focus Limit of Depth of Field: 1 m"},
        {"a carriage return", "a\rb", "a\\x0Db"},
        {"a tab", "a\tb", "a\\x09b"},
        {"DEL", "a\x7F", "a\\x7F"},
        {"NUL", "a\0b"s, "a\\x00b"},
        {"text turned around",
         "abc\xE2\x80\xAE"
         "fed",
         "abc\\u202Efed"},
        {"an isolate", "\xE2\x81\xA6x\xE2\x81\xA9", "\\u2066x\\u2069"},
        {"a byte that is no UTF-8",
         "a\xFF"
         "b",
         "a\\xFFb"},
        {"a sequence cut short", "a\xE2\x80", "a\\xE2\\x80"},
        {"an overlong slash", "\xC0\xAF", "\\xC0\\xAF"},
        {"a surrogate written as UTF-8", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"a four-byte character", "\xF0\x9F\x93\xB7", "\xF0\x9F\x93\xB7"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ShownText(row.read), row.shown) << row.name;
}

// The characters a spreadsheet takes as the start of a formula (OWASP's
// list): such a text gets an apostrophe, and reads back as it was.
TEST(Csv, NoTextIsEverAFormulaAndEachReadsBackAsItWas) {
    const struct {
        std::string text, field;
    } rows[] = {
        {"=HYPERLINK(\"http://x/\",\"y\")", "\"'=HYPERLINK(\"\"http://x/\"\",\"\"y\"\")\""},
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"+1+1", "'+1+1"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"'=x", "''=x"},
        {"''-1", "'''-1"},
        {"'quoted'", "'quoted'"},
        {"Sony A7, IV", "\"Sony A7, IV\""},
        {"Canon EOS R5", "Canon EOS R5"},
        {"x=1", "x=1"},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CsvField(row.text), row.field) << row.text;
        const std::optional<std::vector<std::string>> fields = SplitCsvLine(row.field);
        ASSERT_TRUE(fields && fields->size() == 1) << row.field;
        EXPECT_EQ(ReadCsvText(fields->front()), row.text);
    }
}

TEST(Files, AFileIsReadWholeByReading) {
    char pattern[] = "/tmp/vextondof-read-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    std::ofstream(folder + "/photo.jpg") << std::string(3u << 20, 'x');
    std::string bytes;
    int calls = 0;
    const int file = ::open((folder + "/photo.jpg").c_str(), O_RDONLY);
    EXPECT_EQ(ReadAllOf(file, 3u << 20, bytes, [&calls] { ++calls; }), 0);
    EXPECT_EQ(bytes.size(), 3u << 20);
    ::lseek(file, 0, SEEK_SET);
    EXPECT_EQ(ReadAllOf(file, (3u << 20) - 1, bytes), EFBIG) << "one byte over";
    ::close(file);
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    EXPECT_EQ(ReadAllOf(dir, 100, bytes), EISDIR) << "a read that fails is said, never a crash";
    ::close(dir);
    std::filesystem::remove_all(folder);
}

#include "cameras/data_state.h"
#include "child_process.h"
#include "settings/held_choices.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
Bytes Record8(const std::string& text) {
    Bytes b(text.size() + 1);
    b[0] = static_cast<unsigned char>(text.size());
    std::copy(text.begin(), text.end(), b.begin() + 1);
    return b;
}
Bytes Record16(const std::u16string& text) {
    Bytes b{0xFF, 0xFE, 0xFF, static_cast<unsigned char>(text.size())};
    for (char16_t c : text) {
        b.push_back(static_cast<unsigned char>(c & 0xFF));
        b.push_back(static_cast<unsigned char>(c >> 8));
    }
    return b;
}
Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}
void ExpectDefaults(const CDataState& s, int fromField = 0) {
    const CDataState defaults;
    const CString CDataState::*fields[] = {&CDataState::m_strCamera, &CDataState::m_strFocalLength,
                                           &CDataState::m_strAperture, &CDataState::m_strUnit,
                                           &CDataState::m_strCofC};
    for (int i = fromField; i < 5; ++i)
        EXPECT_EQ(s.*fields[i], defaults.*fields[i]) << "field " << i;
}

} // namespace

TEST(DataState, StartsWithTheDefaultsAndKnowsItsClass) {
    const CDataState s;
    EXPECT_EQ(s.m_strCamera, u"Nikon D70");
    EXPECT_EQ(s.m_strFocalLength, u"18.0");
    EXPECT_EQ(s.m_strAperture, u"f/16");
    EXPECT_EQ(s.m_strUnit, u"feet");
    EXPECT_EQ(s.m_strCofC, u"0.0310");
    const CRuntimeClass* cls = s.GetRuntimeClass();
    EXPECT_STREQ(cls->m_lpszClassName, "CDataState");
    EXPECT_EQ(cls->m_wSchema, 1u);
    EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(CObject));
    std::unique_ptr<CObject> made(cls->CreateObject());
    ASSERT_TRUE(made && made->IsKindOf(RUNTIME_CLASS(CDataState)));
    EXPECT_EQ(static_cast<CDataState*>(made.get())->m_strUnit, u"feet");
}

TEST(SettingsFile, FirstSaveWritesTheSeventyFourByteDefaultFile) {
    ProgramFolder dir;
    CDataState s;
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s));
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(dir.Read(), kDefaultFile);
    EXPECT_EQ(SettingsLocationFor(dir.folder() + "/vextondof", "/nonexistent").path,
              dir.settingsPath());
    EXPECT_TRUE(dir.HoldsOnlyTheSettingsFile());
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), nullptr));
    EXPECT_FALSE(WriteSettingsFile(dir.settingsPath(), nullptr));
}

TEST(SettingsFile, RoundTripsEmptyAndNonAsciiTexts) {
    ProgramFolder dir;
    CDataState out;
    out.m_strCamera = u"";
    out.m_strFocalLength = u"Brennweite \u00e4\u00f6\u00fc \u20ac";
    out.m_strAperture = std::u16string(300, u'x');       // the 3-byte length form
    out.m_strUnit = std::u16string(254, u'y');           // still one length byte
    out.m_strCofC = u"\U0001F4F7 \xD800 lone surrogate"; // kept as stored
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &out));
    const Bytes bytes = dir.Read();
    const std::size_t aperture = 3 + 1 + 2 * out.m_strFocalLength.size() + 4;
    EXPECT_EQ(bytes[aperture + 3], 0xFF);
    EXPECT_EQ(bytes[aperture + 4] | (bytes[aperture + 5] << 8), 300);
    const std::size_t unit = aperture + 6 + 600;
    EXPECT_EQ(bytes[unit + 3], 254);

    CDataState in;
    in.m_strCamera = u"something";
    ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &in));
    EXPECT_EQ(in.m_strCamera, out.m_strCamera);
    EXPECT_EQ(in.m_strFocalLength, out.m_strFocalLength);
    EXPECT_EQ(in.m_strAperture, out.m_strAperture);
    EXPECT_EQ(in.m_strUnit, out.m_strUnit);
    EXPECT_EQ(in.m_strCofC, out.m_strCofC);
}

TEST(SettingsFile, ReadsEightBitRecordsAsWindows1252AndIgnoresTrailingBytes) {
    ProgramFolder dir;
    dir.Write(Join({Record8("Canon 1D"),
                    Record8("50.0"),
                    Record8("\x80 f/2"),
                    Record16(u"meters"),
                    Record8("0.0250"),
                    {0x01, 0x02, 0x03}}));
    CDataState s;
    ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(s.m_strCamera, u"Canon 1D");
    EXPECT_EQ(s.m_strAperture, u"\u20ac f/2");
    EXPECT_EQ(s.m_strUnit, u"meters");
    EXPECT_EQ(s.m_strCofC, u"0.0250");
    ASSERT_TRUE(WriteSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(dir.Read()[0], 0xFF) << "written back in the 16-bit form";

    // The 8-bit form with a 2-byte length.
    dir.Write(Join({{0xFF, 0x03, 0x00, 'a', 'b', 'c'},
                    Record8("b"),
                    Record8("c"),
                    Record8("d"),
                    Record8("e")}));
    ASSERT_TRUE(ReadSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(s.m_strCamera, u"abc");
}

TEST(SettingsFile, ShortFilesKeepWhatWasReadAndTheRestAsBefore) {
    ProgramFolder dir;
    dir.Write(Join({Record16(u"Canon 20D"), Record16(u"50.0")}));
    CDataState s;
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s));
    EXPECT_EQ(s.m_strCamera, u"Canon 20D");
    EXPECT_EQ(s.m_strFocalLength, u"50.0");
    ExpectDefaults(s, 2);

    dir.Write({});
    CDataState empty;
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &empty));
    ExpectDefaults(empty);
}

TEST(SettingsFile, EveryCutOfTheDefaultFileFailsCleanly) {
    ProgramFolder dir;
    for (std::size_t n = 0; n < kDefaultFile.size(); ++n) {
        dir.Write(Bytes(kDefaultFile.begin(), kDefaultFile.begin() + static_cast<long>(n)));
        CDataState s;
        s.m_strCofC = u"untouched";
        EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s)) << n;
        EXPECT_EQ(s.m_strCofC, u"untouched") << n;
    }
    dir.Write(kDefaultFile);
    CDataState s;
    EXPECT_TRUE(ReadSettingsFile(dir.settingsPath(), &s));
}

TEST(SettingsFile, HugeClaimedLengthsFailAtOnceWithoutAllocating) {
    ProgramFolder dir;
    // 16-bit record claiming 0xFFFFFFFE characters, in a 20-byte file.
    dir.Write({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF,
               'a',  0,    'b',  0,    'c',  0,    'd',  0,    'e',  0});
    CDataState s;
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s));
    ExpectDefaults(s);
    // The 8-byte form: at most 0x7FFFFFFF, larger is a format error.
    dir.Write({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0, 0, 0, 0});
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s));
    dir.Write(
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s));
}

TEST(SettingsFile, AFolderInPlaceOfTheFileFailsBothWays) {
    ProgramFolder dir;
    std::filesystem::create_directory(dir.settingsPath());
    CDataState s;
    EXPECT_FALSE(ReadSettingsFile(dir.settingsPath(), &s));
    CFileException error;
    EXPECT_FALSE(WriteSettingsFile(dir.settingsPath(), &s, &error));
    EXPECT_NE(error.m_cause, CFileException::none);
    EXPECT_EQ(error.m_strFileName, dir.settingsPath());
}

TEST(SettingsFile, AnUnwritableFolderReportsAccessDeniedAndKeepsTheOldFile) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    std::filesystem::permissions(
        dir.folder(), std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                          std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                          std::filesystem::perms::others_exec);
    const int code = InChild(kNobody, [&] {
        CDataState s;
        s.m_strCamera = u"Canon 10D";
        CFileException error;
        if (WriteSettingsFile(dir.settingsPath(), &s, &error))
            return 1;
        if (error.m_cause != CFileException::accessDenied)
            return 2;
        if (error.GetErrorMessage() != "Access to " + dir.settingsPath() + " was denied.")
            return 3;
        return ReadSettingsFile(dir.settingsPath(), &s) && s.m_strCamera == u"Nikon D70" ? 0 : 4;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(dir.Read(), kDefaultFile);
}

TEST(SettingsFile, AWriteThatCannotReachTheDiskFailsAndKeepsTheOldFile) {
    ProgramFolder dir;
    dir.Write(kDefaultFile);
    // The file-size limit makes the system refuse the bytes, as a full disk does.
    const int code = InChild(kSameUser, [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        CDataState s;
        s.m_strCamera = u"Canon 10D";
        CFileException error;
        if (WriteSettingsFile(dir.settingsPath(), &s, &error))
            return 1;
        return error.m_cause == CFileException::diskFull ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(dir.Read(), kDefaultFile);
    EXPECT_TRUE(dir.HoldsOnlyTheSettingsFile());
}

TEST(SettingsFile, AFullFileSystemFailsTheSaveAndKeepsTheOldFile) {
    // A tiny tmpfs, where this machine lets us mount one.
    ProgramFolder dir;
    if (::geteuid() != 0 ||
        std::system(("mount -t tmpfs -o size=4k,mode=0700 tmpfs " + dir.folder() + " 2>/dev/null")
                        .c_str()) != 0)
        GTEST_SKIP() << "cannot mount a small file system here";
    dir.Write(kDefaultFile);
    // Fill what is left.
    {
        std::ofstream filler(dir.folder() + "/filler", std::ios::binary);
        const std::string block(1024, 'x');
        for (int i = 0; i < 64 && filler; ++i)
            filler << block << std::flush;
    }
    CDataState s;
    s.m_strCamera = u"Canon 10D";
    CFileException error;
    const bool saved = WriteSettingsFile(dir.settingsPath(), &s, &error);
    const Bytes after = dir.Read();
    const int unmounted = std::system(("umount " + dir.folder()).c_str());
    EXPECT_EQ(unmounted, 0);
    EXPECT_FALSE(saved);
    EXPECT_EQ(error.m_cause, CFileException::diskFull);
    EXPECT_EQ(after, kDefaultFile);
}

// While another copy holds the stored choices: waited for, the person told
// once after the patience, the choices taken as soon as the file is free.
TEST(HeldChoices, TellsOnceAfterThePatienceAndTakesWhenFree) {
    using ms = std::chrono::milliseconds;
    CHeldChoices held(ms(5000));
    held.Start(false, ms(0));
    EXPECT_TRUE(held.Known()) << "a file not held is known at once";
    EXPECT_EQ(held.Poll(true, ms(9000)), CHeldChoices::Next::Wait) << "nothing to wait for";

    const struct {
        const char* name;
        int at;
        bool stillHeld;
        CHeldChoices::Next next;
    } polls[] = {
        {"held, early", 200, true, CHeldChoices::Next::Wait},
        {"held, just short of the patience", 4999, true, CHeldChoices::Next::Wait},
        {"held, the patience run out", 5000, true, CHeldChoices::Next::Tell},
        {"held still: told once only", 9000, true, CHeldChoices::Next::Wait},
        {"free at last", 9200, false, CHeldChoices::Next::Take},
        {"known since", 9400, false, CHeldChoices::Next::Wait},
    };
    held.Start(true, ms(1000));
    EXPECT_FALSE(held.Known());
    for (const auto& poll : polls) {
        EXPECT_EQ(held.Poll(poll.stillHeld, ms(1000 + poll.at)), poll.next) << poll.name;
    }
    EXPECT_TRUE(held.Known());
}

// The locale ways the command line writes by, without Qt, against Qt's own
// QLocale: every locale Qt knows, the names environments hold, and the
// kept table against the one this Qt's data makes.
#include "framework/base/locale_ways.h"
#include "tests/tools/locale_data_text.h"

#include <QDateTime>
#include <QLocale>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {
// Morning and afternoon, midnight and noon, days and months of one digit
// and of two, and every digit.
const CalendarTime kMoments[] = {
    {2005, 1, 2, 3, 4, 5},   {2024, 11, 28, 15, 46, 59}, {1999, 12, 31, 0, 0, 0},
    {2010, 6, 7, 12, 30, 8}, {2005, 9, 8, 23, 59, 1},
};

// Names environments hold: glibc's, with codesets and modifiers.
const char* const kEnvironmentNames[] = {
    "de_DE.UTF-8",
    "fr_FR",
    "de",
    "sr_RS@latin",
    "en_US",
    "pt_BR",
    "de_AT.UTF-8@euro",
    "zh_CN.UTF-8",
    "ar_EG",
    "hi_IN",
    "en_GB",
    "fr_CA",
    "nb_NO",
    "no_NO",
    "nn_NO.UTF-8",
    "sr_RS",
    "sr_ME",
    "zh_TW.UTF-8",
    "uz_UZ@cyrillic",
    "zh_HK.UTF-8",
    "ja_JP.eucJP",
    "ko_KR.UTF-8",
    "fa_IR",
    "bn_BD",
    "my_MM",
    "th_TH.UTF-8",
    "ps_AF",
    "ur_PK",
    "pa_PK",
    "pa_IN",
    "ca_ES@valencia",
    "be_BY@latin",
    "tt_RU@iqtelif",
    "ks_IN@devanagari",
    "en_DK.UTF-8",
    "en_IE@euro",
    "de_CH",
    "es_US",
    "eo",
    "ia_FR",
    "ku_TR",
    "ast_ES",
    "ckb_IQ",
    "fil_PH",
    "en_US.ISO-8859-1",
};

// Names that are none or of no language Qt knows: C's.
const char* const kNamesOfC[] = {
    "C",  "POSIX", "C.UTF-8", "C.utf8", "",       "xx_YY",
    "xx", "e",     "german",  "_DE",    "und_DE", "\xc3\xa9\xc3\xa9_FR",
};

// Other forms Qt reads: other codes of a language, scripts, separators,
// unknown territories and scripts, tags that are none.
const char* const kOtherNames[] = {
    "de_XX",      "de-CH",      "DE_de",      "en_US:en",   "de.UTF-8",   "en@quot",
    "es_419",     "en_150",     "tl_PH",      "iw_IL",      "in_ID",      "ji_US",
    "sh_BA",      "mo_MD",      "ger_DE",     "deu",        "fre",        "en_Latn_US",
    "sr_Latn_RS", "sr_Latn",    "sr_Cyrl_BA", "zh_Hant",    "zh_Hans_TW", "az_Cyrl_AZ",
    "az_IR",      "en_Zzzz_GB", "en_Abcd_GB", "en_latn_GB", "en_LATN_GB", "de__DE",
    "de_",        "de_DE_AT",   "de-Latn-AT", "de_DE\xff",
};

// What the desktop program writes: its DateTimeText, in the named locale.
std::string QtDateTimeText(const QLocale& locale, const CalendarTime& t) {
    const QDateTime when(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    if (!when.isValid())
        return IsoText(t);
    return locale.toString(when, QLocale::ShortFormat).toStdString();
}

// The separators and moments of `name`, as Qt's QLocale(name) writes them.
testing::AssertionResult WritesLikeQt(const std::string& name) {
    const QLocale qt(QString::fromLatin1(name.c_str()));
    const LocaleWays ways = LocaleWaysNamed(name);
    std::string wrong;
    if (ways.decimal != qt.decimalPoint().toStdString())
        wrong += " decimal " + ways.decimal + ", Qt " + qt.decimalPoint().toStdString() + ";";
    if (ways.group != qt.groupSeparator().toStdString())
        wrong += " group " + ways.group + ", Qt " + qt.groupSeparator().toStdString() + ";";
    for (const CalendarTime& t : kMoments)
        if (const std::string mine = LocaleDateTimeText(ways, t), its = QtDateTimeText(qt, t);
            mine != its)
            wrong += " " + IsoText(t) + " as " + mine + ", Qt " + its + ";";
    if (wrong.empty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "\"" << name << "\" (Qt takes " << qt.name().toStdString() << "):" << wrong;
}

// Whether the ways of `name` are those of Qt's QLocale(name), field by field.
bool SameWaysAsQt(const std::string& name) {
    const QLocale qt(QString::fromLatin1(name.c_str()));
    const LocaleWays ways = LocaleWaysNamed(name);
    return ways.decimal == qt.decimalPoint().toStdString() &&
           ways.group == qt.groupSeparator().toStdString() &&
           ways.zeroDigit == qt.zeroDigit().toStdString() &&
           ways.minus == qt.negativeSign().toStdString() &&
           ways.dateTimeShort == qt.dateTimeFormat(QLocale::ShortFormat).toStdString() &&
           ways.am == qt.amText().toUpper().toStdString() &&
           ways.pm == qt.pmText().toUpper().toStdString();
}

// Every code Qt reads for a language: ISO 639's and the legacy ones.
std::set<std::string> LanguageCodes() {
    std::set<std::string> codes{"no", "tl", "sh", "mo", "iw", "in", "ji"};
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l)
        for (const auto type : locale_data::kCodeKinds)
            if (const QString code = QLocale::languageToCode(QLocale::Language(l), type);
                !code.isEmpty())
                codes.insert(code.toStdString());
    return codes;
}

std::vector<std::string> TerritoryCodes() {
    std::vector<std::string> codes;
    for (int t = 1; t <= QLocale::LastTerritory; ++t)
        if (const QString code = QLocale::territoryToCode(QLocale::Territory(t)); !code.isEmpty())
            codes.push_back(code.toStdString());
    return codes;
}

// "Zzzz" (any script), then every script in Qt's order.
std::string ScriptCodes() {
    std::string codes = "Zzzz";
    for (int s = 1; s <= QLocale::LastScript; ++s)
        codes += QLocale::scriptToCode(QLocale::Script(s)).toStdString();
    return codes;
}

// Names of a language, script and territory, counted where the ways differ
// from Qt's; the first few are told.
class Mismatches {
  public:
    void Check(const std::string& name) {
        ++m_checked;
        if (SameWaysAsQt(name))
            return;
        if (m_names.size() < 20)
            m_names.push_back(name);
        else
            ++m_more;
    }
    testing::AssertionResult None() const {
        if (m_names.empty())
            return testing::AssertionSuccess() << m_checked << " names";
        auto failure = testing::AssertionFailure();
        failure << m_names.size() + m_more << " of " << m_checked << " names differ from Qt:";
        for (const std::string& name : m_names)
            failure << " \"" << name << "\"";
        return failure;
    }

  private:
    std::vector<std::string> m_names;
    std::size_t m_checked = 0, m_more = 0;
};

// An environment of the variables given; the rest unset.
std::function<const char*(const char*)>
FakeEnvironment(const std::map<std::string, std::string>& variables) {
    return [variables](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    };
}

// Sets TZ while it lives, as the person's clock would be.
class TimeZone {
  public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (m_old)
            ::setenv("TZ", m_old->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

  private:
    std::optional<std::string> m_old;
};
} // namespace

// The kept table is the one this Qt's data makes: when Qt's data changes,
// the table is made again.
TEST(LocaleData, IsMadeFromThisQtsData) {
    const std::string text = locale_data::LocaleDataText(false);
    const std::string marker = "kLocaleDataDigest[] = \"";
    const std::size_t at = text.find(marker);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at + marker.size(), 16), LocaleDataDigest())
        << "framework/base/locale_data.inc is not the table this Qt's locale data makes (it "
        << "was made from Qt " << LocaleDataQtVersion() << "'s, this is Qt " << qVersion()
        << "). Make it again:\n"
        << "  make -C build make-locale-data &&\n"
        << "  build/tests/make-locale-data > framework/base/locale_data.inc";
}

TEST(LocaleWays, EveryLocaleQtKnows) {
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    EXPECT_GT(all.size(), 500);
    for (const QLocale& locale : all) {
        QString whole = QLocale::languageToCode(locale.language());
        if (locale.script() != QLocale::AnyScript)
            whole += u'_' + QLocale::scriptToCode(locale.script());
        if (locale.territory() != QLocale::AnyTerritory)
            whole += u'_' + QLocale::territoryToCode(locale.territory());
        for (const QString& name :
             {whole, locale.name(), locale.bcp47Name(), locale.name() + QStringLiteral(".UTF-8")})
            EXPECT_TRUE(WritesLikeQt(name.toStdString()));
    }
}

TEST(LocaleWays, NamesOfEnvironments) {
    for (const char* name : kEnvironmentNames)
        EXPECT_TRUE(WritesLikeQt(name));
    for (const char* name : kNamesOfC) {
        EXPECT_TRUE(WritesLikeQt(name));
        EXPECT_EQ(LocaleWaysNamed(name).dateTimeShort, "d MMM yyyy HH:mm:ss") << name;
    }
    for (const char* name : kOtherNames)
        EXPECT_TRUE(WritesLikeQt(name));
}

// A name's tag of four letters is a script only where Qt finds a script
// code starting there.
TEST(LocaleWays, ScriptCodesAsQtFindsThem) {
    const std::string scripts = ScriptCodes();
    Mismatches mismatches;
    for (std::size_t at = 0; at + 4 <= scripts.size(); ++at)
        for (const char* language : {"en_", "sr_", "zh_"})
            mismatches.Check(language + scripts.substr(at, 4) + "_GB");
    EXPECT_TRUE(mismatches.None());
}

// Every language Qt has a code for, alone, with every territory and every
// script, and with scripts and some territories together.
TEST(LocaleWays, EveryLanguageTerritoryAndScript) {
    const std::set<std::string> languages = LanguageCodes();
    const std::vector<std::string> territories = TerritoryCodes();
    const std::string scripts = ScriptCodes();
    Mismatches mismatches;
    for (const std::string& language : languages) {
        mismatches.Check(language);
        for (const std::string& territory : territories)
            mismatches.Check(language + "_" + territory);
        for (std::size_t at = 0; at < scripts.size(); at += 4) {
            const std::string withScript = language + "_" + scripts.substr(at, 4);
            mismatches.Check(withScript);
            if (language.size() == 2)
                for (const char* territory : {"US", "CN", "IN", "RS", "BA", "AF", "419", "XX"})
                    mismatches.Check(withScript + "_" + territory);
        }
    }
    EXPECT_TRUE(mismatches.None());
}

// What is no moment is written as the ISO text, as the desktop program does;
// years before 1 and after 9999 as Qt writes them.
TEST(LocaleWays, DatesAtTheEdges) {
    const CalendarTime moments[] = {
        {2024, 13, 1, 10, 0, 0},     {2024, 0, 1, 10, 0, 0},     {2024, 4, 0, 10, 0, 0},
        {2024, 4, 31, 10, 0, 0},     {2023, 2, 29, 10, 0, 0},    {2024, 2, 29, 10, 0, 0},
        {1900, 2, 29, 10, 0, 0},     {2000, 2, 29, 10, 0, 0},    {0, 5, 4, 10, 0, 0},
        {-1, 2, 29, 10, 0, 0},       {-5, 3, 1, 2, 30, 0},       {-2, 2, 29, 10, 0, 0},
        {5, 3, 1, 2, 30, 0},         {12345, 3, 1, 2, 30, 0},    {2024, 5, 4, 24, 0, 0},
        {2024, 5, 4, 23, 60, 0},     {2024, 5, 4, 23, 59, 60},   {2024, 5, 4, -1, 0, 0},
        {2024, 5, 4, 0, 0, -1},      {INT_MAX, 1, 1, 0, 0, 0},   {INT_MIN, 1, 1, 0, 0, 0},
        {292000000, 1, 1, 0, 0, 0},  {300000000, 1, 1, 0, 0, 0}, {-292000000, 1, 1, 0, 0, 0},
        {-300000000, 1, 1, 0, 0, 0},
    };
    for (const char* name : {"C", "de_DE", "en_US", "ar_EG", "fa_IR", "ar_DZ", "my_MM", "ccp"}) {
        const QLocale qt(QString::fromLatin1(name));
        const LocaleWays ways = LocaleWaysNamed(name);
        for (const CalendarTime& t : moments)
            EXPECT_EQ(LocaleDateTimeText(ways, t), QtDateTimeText(qt, t))
                << name << " " << IsoText(t);
    }
}

// A moment the clock skips into summer time is none to Qt; one it shows
// twice, back into winter time, is.
TEST(LocaleWays, SummerTimeAsTheLocalClockShowsIt) {
    const TimeZone berlin("Europe/Berlin");
    const QLocale qt(QStringLiteral("de_DE"));
    const LocaleWays ways = LocaleWaysNamed("de_DE");
    EXPECT_EQ(LocaleDateTimeText(ways, {2024, 3, 31, 2, 30, 0}), "2024-03-31 02:30:00");
    EXPECT_EQ(LocaleDateTimeText(ways, {2024, 10, 27, 2, 30, 0}), "27.10.24 02:30");
    for (const CalendarTime& t : {CalendarTime{2024, 3, 31, 1, 59, 59},
                                  {2024, 3, 31, 2, 0, 0},
                                  {2024, 3, 31, 2, 59, 59},
                                  {2024, 3, 31, 3, 0, 0},
                                  {2024, 10, 27, 2, 0, 0},
                                  {2024, 10, 27, 3, 0, 0},
                                  {1945, 4, 2, 2, 30, 0},
                                  {1980, 4, 6, 2, 30, 0},
                                  {2100, 3, 28, 2, 30, 0}})
        EXPECT_EQ(LocaleDateTimeText(ways, t), QtDateTimeText(qt, t)) << IsoText(t);
}

// Where summer time began at midnight, a time that is none (taken as
// midnight) is no moment either.
TEST(LocaleWays, SkippedMidnight) {
    const TimeZone saoPaulo("America/Sao_Paulo");
    const QLocale qt(QStringLiteral("pt_BR"));
    const LocaleWays ways = LocaleWaysNamed("pt_BR");
    for (const CalendarTime& t : {CalendarTime{2018, 11, 4, 0, 0, 0},
                                  {2018, 11, 4, 24, 0, 0},
                                  {2018, 11, 4, 1, 0, 0},
                                  {2018, 11, 3, 24, 0, 0}})
        EXPECT_EQ(LocaleDateTimeText(ways, t), QtDateTimeText(qt, t)) << IsoText(t);
    EXPECT_EQ(LocaleDateTimeText(ways, {2018, 11, 4, 24, 0, 0}), "2018-11-04 24:00:00");
}

TEST(LocaleWays, SeparatorsAsNumberSettings) {
    const NumberSettings german = NumberSettingsOfLocale(LocaleWaysNamed("de_DE.UTF-8"));
    EXPECT_EQ(german.decimalSeparator, ",");
    EXPECT_EQ(german.thousandsSeparator, ".");
    EXPECT_EQ(german.grouping, NumberSettings().grouping);
    EXPECT_EQ(german.leadingZero, NumberSettings().leadingZero);
    EXPECT_EQ(german.negativeOrder, NumberSettings().negativeOrder);
    const NumberSettings swiss = NumberSettingsOfLocale(LocaleWaysNamed("de_CH"));
    EXPECT_EQ(swiss.decimalSeparator, ".");
    EXPECT_EQ(swiss.thousandsSeparator, "\u2019");
    const NumberSettings plain = NumberSettingsOfLocale(LocaleWaysNamed("C"));
    EXPECT_EQ(plain.decimalSeparator, ".");
    EXPECT_EQ(plain.thousandsSeparator, ",");
}

// LC_ALL over the category's own variable over LANG; one set empty is unset.
TEST(LocaleWays, LocaleNameOfTheEnvironment) {
    const struct {
        std::map<std::string, std::string> env;
        const char* numeric;
        const char* time;
    } cases[] = {
        {{}, "C", "C"},
        {{{"LANG", "de_DE.UTF-8"}}, "de_DE.UTF-8", "de_DE.UTF-8"},
        {{{"LANG", "de_DE"}, {"LC_NUMERIC", "fr_FR"}}, "fr_FR", "de_DE"},
        {{{"LANG", "de_DE"}, {"LC_TIME", "ja_JP"}}, "de_DE", "ja_JP"},
        {{{"LC_ALL", "en_GB"}, {"LC_NUMERIC", "fr_FR"}, {"LC_TIME", "ja_JP"}, {"LANG", "de"}},
         "en_GB",
         "en_GB"},
        {{{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", ""}}, "C", "C"},
        {{{"LC_ALL", ""}, {"LC_NUMERIC", "pt_BR"}, {"LANG", "de"}}, "pt_BR", "de"},
        {{{"LC_MESSAGES", "fr_FR"}, {"LC_MONETARY", "it_IT"}, {"LANG", "nl_NL"}}, "nl_NL", "nl_NL"},
        {{{"LANGUAGE", "fr:de"}}, "C", "C"},
        {{{"LC_ALL", "C"}, {"LANG", "de_DE"}}, "C", "C"},
    };
    for (const auto& c : cases) {
        const auto env = FakeEnvironment(c.env);
        EXPECT_EQ(LocaleNameFor(env, "LC_NUMERIC"), c.numeric);
        EXPECT_EQ(LocaleNameFor(env, "LC_TIME"), c.time);
    }
}

// This process's own environment gives what Qt's system locale gives.
TEST(LocaleWays, AgreesWithTheSystemLocale) {
    const auto env = [](const char* name) -> const char* { return std::getenv(name); };
    const QLocale system = QLocale::system();
    const LocaleWays numbers = LocaleWaysNamed(LocaleNameFor(env, "LC_NUMERIC"));
    EXPECT_EQ(numbers.decimal, system.decimalPoint().toStdString());
    EXPECT_EQ(numbers.group, system.groupSeparator().toStdString());
    const LocaleWays times = LocaleWaysNamed(LocaleNameFor(env, "LC_TIME"));
    for (const CalendarTime& t : kMoments)
        EXPECT_EQ(LocaleDateTimeText(times, t), QtDateTimeText(system, t)) << IsoText(t);
}

#include "framework/base/locale_ways.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <iterator>

namespace {
// The generated table's rows: places in kLocaleTexts, and names with the
// row of kWaysRows they take.
struct WaysRow {
    std::uint16_t decimal, group, zero, minus, format, am, pm, months;
};
struct NameRow {
    const char* name;
    std::uint16_t ways;
};
struct AliasRow {
    const char* code;
    const char* kept;
};

#include "framework/base/locale_data.inc"

LocaleWays WaysOfRow(const WaysRow& row) {
    LocaleWays ways{kLocaleTexts[row.decimal], kLocaleTexts[row.group],
                    kLocaleTexts[row.zero],    kLocaleTexts[row.format],
                    kLocaleTexts[row.am],      kLocaleTexts[row.pm],
                    kLocaleTexts[row.minus],   {}};
    // "Jan;Feb;...;Dec;"
    for (std::string_view months = kLocaleTexts[row.months]; !months.empty();) {
        const std::size_t end = months.find(';');
        ways.shortMonths.emplace_back(months.substr(0, end));
        months.remove_prefix(end + 1);
    }
    return ways;
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A script code as Qt finds one: four letters met at a code's start in the
// codes' string, the first time they are met there.
bool IsScript(std::string_view tag) {
    const std::size_t at = std::string_view(kScriptCodes).find(tag);
    return tag.size() == 4 && at != std::string_view::npos && at % 4 == 0;
}

struct NameTags {
    std::string language, script, territory;
};

// Qt's reading of language[_script][_territory]: tags split at '_', '-',
// '.' or '@', each ASCII letters and digits. Reading stops at the first tag
// that is none, and after the territory (the codeset and modifier). False
// when no language of two or three characters leads.
bool SplitName(std::string_view name, NameTags& tags) {
    enum { Done, Language, Script, Territory } state = Language;
    while (!name.empty() && state != Done) {
        const std::string_view tag = name.substr(0, name.find_first_of("_-.@"));
        if (tag.empty() || !std::all_of(tag.begin(), tag.end(), IsAsciiLetterOrDigit))
            break;
        name.remove_prefix(tag.size());
        const bool more = !name.empty();
        if (more)
            name.remove_prefix(1);
        switch (state) {
        case Language:
            if (tag.size() != 2 && tag.size() != 3)
                return false;
            tags.language = tag;
            state = more ? Script : Done;
            break;
        case Script:
            if (IsScript(tag)) {
                tags.script = tag;
                state = more ? Territory : Done;
                break;
            }
            [[fallthrough]]; // not a script: the territory
        case Territory:
            tags.territory = tag;
            state = Done;
            break;
        case Done:
            break;
        }
    }
    return state != Language;
}

const NameRow* FindName(const std::string& name) {
    const auto* const end = std::end(kLocaleNames);
    const auto* const at =
        std::lower_bound(std::begin(kLocaleNames), end, name, [](const NameRow& row, auto& key) {
            return std::strcmp(row.name, key.c_str()) < 0;
        });
    return at != end && name == at->name ? at : nullptr;
}

// The language's code the table's names use: "de" for "ger" and "deu".
std::string KeptLanguageCode(std::string code) {
    for (char& c : code)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    const auto* const end = std::end(kLanguageAliases);
    const auto* const at = std::lower_bound(std::begin(kLanguageAliases), end, code,
                                            [](const AliasRow& row, const std::string& key) {
                                                return std::strcmp(row.code, key.c_str()) < 0;
                                            });
    return at != end && code == at->code ? at->kept : code;
}

// Code points in UTF-16 code units, as Qt counts a sign's width.
std::size_t Utf16Length(std::string_view utf8) {
    std::size_t length = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xc0) != 0x80)
            length += byte >= 0xf0 ? 2 : 1;
    }
    return length;
}

char32_t FirstCodePoint(std::string_view utf8) {
    if (utf8.empty())
        return U'0';
    const auto byte = static_cast<unsigned char>(utf8[0]);
    const int more = byte >= 0xf0 ? 3 : byte >= 0xe0 ? 2 : byte >= 0xc0 ? 1 : 0;
    char32_t c = more == 0 ? byte : byte & (0x3f >> more);
    for (int i = 1; i <= more && i < int(utf8.size()); ++i)
        c = c << 6 | (static_cast<unsigned char>(utf8[std::size_t(i)]) & 0x3f);
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xc0 | c >> 6);
        out += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += char(0xe0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3f));
        out += char(0x80 | (c & 0x3f));
    } else {
        out += char(0xf0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3f));
        out += char(0x80 | (c >> 6 & 0x3f));
        out += char(0x80 | (c & 0x3f));
    }
}

// A whole number in the locale's digits, zero-padded to `width` with the
// sign counted, as Qt writes a date's numbers.
std::string LocaleNumber(const LocaleWays& ways, long long value, std::size_t width = 0) {
    const char32_t zero = FirstCodePoint(ways.zeroDigit);
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    std::vector<int> digits;
    do {
        digits.push_back(int(magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    std::string out = value < 0 ? ways.minus : std::string();
    const std::size_t used = digits.size() + (value < 0 ? Utf16Length(ways.minus) : 0);
    for (std::size_t i = used; i < width; ++i)
        AppendUtf8(out, zero);
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
        AppendUtf8(out, zero + char32_t(*digit));
    return out;
}

// Quoted text of a format from the quote at `i`, as Qt reads it: '' alone
// is a quote, '' within quotes too; `i` ends past the closing quote.
std::string QuotedText(std::string_view format, std::size_t& i) {
    ++i;
    if (i == format.size())
        return {};
    if (format[i] == '\'') {
        ++i;
        return "'";
    }
    std::string text;
    while (i < format.size()) {
        if (format[i] == '\'') {
            if (i + 1 < format.size() && format[i + 1] == '\'') {
                text += '\'';
                i += 2;
                continue;
            }
            break;
        }
        text += format[i++];
    }
    if (i < format.size())
        ++i;
    return text;
}

// Whether an 'a' or 'A' stands outside quotes: then h is on a 12-hour clock.
bool HasAmPm(std::string_view format) {
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] == '\'') {
            QuotedText(format, i);
            continue;
        }
        if (format[i] == 'a' || format[i] == 'A')
            return true;
        ++i;
    }
    return false;
}

bool IsLeapYear(long long year) {
    if (year < 1)
        ++year; // no year 0: 1 BC is leap
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(long long year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1970-01-01 to the date, in the proleptic Gregorian calendar
// with years counted as astronomers do (1 BC is year 0).
long long DaysFromEpoch(long long year, int month, int day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Whether the local clock shows the moment: not one it skips into summer time.
bool LocalClockShows(long long year, const CalendarTime& t) {
    std::tm asked{};
    asked.tm_year = int(year - 1900);
    asked.tm_mon = t.month - 1;
    asked.tm_mday = t.day;
    asked.tm_hour = t.hour;
    asked.tm_min = t.minute;
    asked.tm_sec = t.second;
    asked.tm_isdst = -1;
    std::tm shown = asked;
    std::mktime(&shown);
    return shown.tm_year == asked.tm_year && shown.tm_mon == asked.tm_mon &&
           shown.tm_mday == asked.tm_mday && shown.tm_hour == asked.tm_hour &&
           shown.tm_min == asked.tm_min && shown.tm_sec == asked.tm_sec;
}

// Whether Qt's QDateTime of the date and time in local time is valid: a
// date (no year 0), within Qt's milliseconds since 1970 and shown by the
// local clock.
bool IsLocalMoment(const CalendarTime& t) {
    if (t.year == 0 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month))
        return false;
    const long long year = t.year < 0 ? t.year + 1LL : t.year;
    const long long days = DaysFromEpoch(year, t.month, t.day);
    const long long msecs = (t.hour * 3600LL + t.minute * 60 + t.second) * 1000;
    constexpr long long kMsecsPerDay = 86400000;
    if (days < LLONG_MIN / kMsecsPerDay || days > (LLONG_MAX - msecs) / kMsecsPerDay)
        return false;
    return LocalClockShows(year, t);
}

// 12 for midnight and noon, 1 to 11 for the hours after them.
int TwelveHourClock(int hour) {
    return hour > 12 ? hour - 12 : hour == 0 ? 12 : hour;
}

// Qt's QDateTime takes a time that is none (hour 24, minute 60) as midnight.
CalendarTime WithTimeOfDay(CalendarTime t) {
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59)
        t.hour = t.minute = t.second = 0;
    return t;
}
} // namespace

LocaleWays LocaleWaysNamed(std::string_view name) {
    NameTags tags;
    if (!SplitName(name, tags))
        return WaysOfRow(kWaysRows[0]);
    const std::string language = KeptLanguageCode(tags.language);
    std::string territory = tags.territory;
    for (char& c : territory)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    // The name with script and territory, with the script, with the
    // territory, the language alone: the generator keeps each name where
    // the shorter ones would give other ways than Qt's.
    std::vector<std::string> tries;
    if (!tags.script.empty() && !territory.empty())
        tries.push_back(language + "_" + tags.script + "_" + territory);
    if (!tags.script.empty())
        tries.push_back(language + "_" + tags.script);
    if (!territory.empty())
        tries.push_back(language + "_" + territory);
    tries.push_back(language);
    for (const std::string& key : tries)
        if (const NameRow* row = FindName(key))
            return WaysOfRow(kWaysRows[row->ways]);
    return WaysOfRow(kWaysRows[0]);
}

std::string LocaleNameFor(const std::function<const char*(const char*)>& env,
                          const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"})
        if (const char* value = env(variable); value && *value)
            return value;
    return "C";
}

NumberSettings NumberSettingsOfLocale(const LocaleWays& ways) {
    NumberSettings settings;
    settings.decimalSeparator = ways.decimal;
    settings.thousandsSeparator = ways.group;
    return settings;
}

namespace {
// A field of the date, `repeat` letters `c` long (y, M, d), written to `out`;
// how many of the letters it took.
std::size_t WriteDateField(const LocaleWays& ways, const CalendarTime& t, char c,
                           std::size_t repeat, std::string& out) {
    const auto number = [&](long long value) {
        repeat = std::min<std::size_t>(repeat, 2);
        out += LocaleNumber(ways, value, repeat == 2 ? 2 : 0);
    };
    if (c == 'y') {
        if (repeat >= 4) {
            out += LocaleNumber(ways, t.year, t.year < 0 ? 5 : 4);
            return 4;
        }
        if (repeat >= 2) {
            out += LocaleNumber(ways, t.year % 100, 2);
            return 2;
        }
        out += c;
    } else if (c == 'M' && repeat == 3 && ways.shortMonths.size() == 12) {
        out += ways.shortMonths[std::size_t(t.month - 1)];
    } else if (repeat <= 2) {
        number(c == 'M' ? t.month : t.day);
    } else {
        out.append(repeat, c);
    }
    return repeat;
}

// A field of the time (h, H, m, s, z, AP) or any other letter, as the date's.
std::size_t WriteTimeField(const LocaleWays& ways, const CalendarTime& t, std::string_view format,
                           std::size_t i, std::size_t repeat, bool twelveHour, std::string& out) {
    const char c = format[i];
    const auto number = [&](long long value) {
        repeat = std::min<std::size_t>(repeat, 2);
        out += LocaleNumber(ways, value, repeat == 2 ? 2 : 0);
    };
    switch (c) {
    case 'h':
        number(twelveHour ? TwelveHourClock(t.hour) : t.hour);
        break;
    case 'H':
        number(t.hour);
        break;
    case 'm':
        number(t.minute);
        break;
    case 's':
        number(t.second);
        break;
    case 'z': // milliseconds, none here: "0" or "000"
        repeat = repeat >= 3 ? 3 : 1;
        for (std::size_t n = 0; n < repeat; ++n)
            AppendUtf8(out, FirstCodePoint(ways.zeroDigit));
        break;
    case 'A':
        repeat = i + 1 < format.size() && format[i + 1] == 'P' ? 2 : 1;
        out += t.hour < 12 ? ways.am : ways.pm;
        break;
    default:
        out.append(format.substr(i, repeat));
        break;
    }
    return repeat;
}
} // namespace

// Qt's date-time format letters (QLocale::toString): y, M, d, h, H, m, s,
// z, AP and quoted text. The table's formats never name week days or whole
// months, nor write small am/pm texts or the time zone (make-locale-data
// refuses one that does): such letters are written as they stand.
std::string LocaleDateTimeText(const LocaleWays& ways, const CalendarTime& asked) {
    const CalendarTime t = WithTimeOfDay(asked);
    if (!IsLocalMoment(t))
        return IsoText(asked);
    const std::string_view format = ways.dateTimeShort;
    const bool twelveHour = HasAmPm(format);
    std::string out;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] == '\'') {
            out += QuotedText(format, i);
            continue;
        }
        const char c = format[i];
        std::size_t repeat = 1;
        while (i + repeat < format.size() && format[i + repeat] == c)
            ++repeat;
        i += c == 'y' || c == 'M' || c == 'd'
                 ? WriteDateField(ways, t, c, repeat, out)
                 : WriteTimeField(ways, t, format, i, repeat, twelveHour, out);
    }
    return out;
}

std::string_view LocaleDataQtVersion() {
    return kLocaleDataQt;
}

std::string_view LocaleDataDigest() {
    return kLocaleDataDigest;
}

#pragma once
// How a locale writes numbers and moments, from Qt's locale data but
// without Qt: the command line reads the environment's locale names
// (LC_NUMERIC, LC_TIME) and writes as the desktop program's QLocale does.

#include "framework/base/calendar_time.h"
#include "framework/base/number_format.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// UTF-8 texts, as Qt's locale data has them.
struct LocaleWays {
    std::string decimal;                  // "," in de
    std::string group;                    // "." in de
    std::string zeroDigit;                // the locale's digits follow it: "\u0660" in ar_EG
    std::string dateTimeShort;            // Qt's short date-time format: "dd.MM.yy HH:mm" in de
    std::string am;                       // what the format's AP writes before noon: "AM" in en
    std::string pm;                       // and from noon: "PM" in en
    std::string minus;                    // before a year before year 1
    std::vector<std::string> shortMonths; // January's to December's, when the format names months
};

// The ways of a POSIX locale name ("de_DE.UTF-8", "sr_RS@latin", "de"), as
// Qt's QLocale(name) takes them: the codeset and modifier are not read, a
// language alone or with a territory it has no data for takes its likeliest
// locale, and a name that is none ("C", "POSIX", "C.UTF-8", "") or of a
// language Qt does not know takes C's.
LocaleWays LocaleWaysNamed(std::string_view name);

// The locale name Qt's system locale reads for `category` ("LC_NUMERIC",
// "LC_TIME"): LC_ALL, else the category's own variable, else LANG, else
// "C"; a variable set empty counts as unset.
std::string LocaleNameFor(const std::function<const char*(const char*)>& env, const char* category);

// The locale's separators; the rest as every locale Qt knows has them.
NumberSettings NumberSettingsOfLocale(const LocaleWays& ways);

// `t` in the locale's short date-time format, digits in its own; IsoText(t)
// for a date that is none (month 13, 30 February, year 0) or a moment the
// local clock skips (into summer time), as Qt's QDateTime is then invalid.
// A time that is none (hour 24) is midnight, as it is to QDateTime.
std::string LocaleDateTimeText(const LocaleWays& ways, const CalendarTime& t);

// The Qt version the table was made from and the digest of its text, for
// the test that makes it again.
std::string_view LocaleDataQtVersion();
std::string_view LocaleDataDigest();

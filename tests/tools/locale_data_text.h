#pragma once
// The text of framework/base/locale_data.inc, made from the locale data of
// the Qt this runs with: what each locale writes (separators, zero digit,
// short date-time format and its texts) and which locale Qt's
// QLocale(QString) takes for a name. make-locale-data writes it; the locale
// test makes it again to see the kept file is still this Qt's.

#include <QLocale>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace locale_data {

// Each kind of ISO 639 code on its own, QLocale::LanguageCodeType's first
// four flags: two letters, the bibliographic and the terminological three
// letters, and ISO 639-3's.
inline constexpr QLocale::LanguageCodeType kCodeKinds[] = {
    QLocale::LanguageCodeType(1 << 0), QLocale::LanguageCodeType(1 << 1),
    QLocale::LanguageCodeType(1 << 2), QLocale::LanguageCodeType(1 << 3)};

// What one locale writes, as the table keeps it.
struct Ways {
    std::string decimal, group, zero, minus, format, am, pm, months;
    auto operator<=>(const Ways&) const = default;
};

// The format letters the short date-time formats of this Qt use, a letter
// and its run length ("MMM", "AP", "'" for quoted text); for the record.
using Tokens = std::set<std::string>;

inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The format's runs as Qt reads them (quoted text, a letter and the letters
// like it after it); refuses what LocaleDateTimeText cannot write.
inline void CheckFormat(const QString& format, Tokens& tokens) {
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            tokens.insert("'");
            ++i;
            if (i < format.size() && format.at(i) == u'\'') {
                ++i;
                continue;
            }
            while (i < format.size()) {
                if (format.at(i) == u'\'') {
                    if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            if (i < format.size())
                ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        const char letter = c.unicode() < 128 ? char(c.unicode()) : 0;
        switch (letter) {
        case 'y':
            run = run >= 4 ? 4 : run >= 2 ? 2 : 1;
            break;
        case 'M':
        case 'd':
            run = std::min<qsizetype>(run, 4);
            if (run == 4 || (letter == 'd' && run == 3))
                throw std::runtime_error("a format names week days or whole months: " +
                                         Utf8(format));
            break;
        case 'h':
        case 'H':
        case 'm':
        case 's':
            run = std::min<qsizetype>(run, 2);
            break;
        case 'z':
            run = run >= 3 ? 3 : 1;
            break;
        case 'A':
            run = i + 1 < format.size() && format.at(i + 1) == u'P' ? 2 : 1;
            break;
        case 'a':
        case 't':
            throw std::runtime_error("a format writes small am/pm texts or the time zone: " +
                                     Utf8(format));
        default:
            i += run;
            continue;
        }
        tokens.insert(Utf8(format.mid(i, run)));
        i += run;
    }
}

inline bool NamesMonths(const QString& format) {
    Tokens tokens;
    CheckFormat(format, tokens);
    return tokens.count("MMM") > 0;
}

inline Ways WaysOf(const QLocale& locale, Tokens& tokens) {
    Ways w;
    w.decimal = Utf8(locale.decimalPoint());
    w.group = Utf8(locale.groupSeparator());
    w.zero = Utf8(locale.zeroDigit());
    w.minus = Utf8(locale.negativeSign());
    const QString format = locale.dateTimeFormat(QLocale::ShortFormat);
    CheckFormat(format, tokens);
    w.format = Utf8(format);
    // The texts A and AP write: Qt's am and pm texts in capitals.
    w.am = Utf8(locale.amText().toUpper());
    w.pm = Utf8(locale.pmText().toUpper());
    if (NamesMonths(format)) {
        for (int month = 1; month <= 12; ++month) {
            const QString name = locale.monthName(month, QLocale::ShortFormat);
            if (name.contains(u';'))
                throw std::runtime_error("a month's name holds a ';'");
            w.months += Utf8(name) + ";";
        }
    }
    // Digits are the zero digit's code point plus the digit's value.
    const char32_t zero = locale.zeroDigit().toUcs4().value(0);
    for (int digit = 0; digit < 10; ++digit)
        if (const char32_t c = zero + char32_t(digit);
            locale.toString(digit) != QString::fromUcs4(&c, 1))
            throw std::runtime_error("a locale's digits do not follow its zero: " +
                                     Utf8(locale.name()));
    return w;
}

// A C++ string literal of UTF-8 text: ASCII as it is, the rest as \u escapes.
inline std::string Literal(const std::string& utf8) {
    std::string out = "\"";
    for (const char32_t c : QString::fromStdString(utf8).toUcs4()) {
        char buffer[16];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += char(c);
        } else {
            std::snprintf(buffer, sizeof buffer, c > 0xffff ? "\\U%08X" : "\\u%04X", unsigned(c));
            out += buffer;
        }
    }
    return out + "\"";
}

// FNV-1a, 64 bits: the digest of the table's text.
inline std::string Digest(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(hash));
    return buffer;
}

// Items written a line at a time, wrapped before 100 columns.
class Lines {
  public:
    void Add(const std::string& item) {
        if (!m_line.empty() && m_line.size() + 1 + item.size() > 99) {
            m_text += m_line + "\n";
            m_line.clear();
        }
        m_line += m_line.empty() ? "    " + item : " " + item;
    }
    std::string Text() {
        if (!m_line.empty())
            m_text += m_line + "\n";
        m_line.clear();
        return m_text;
    }

  private:
    std::string m_text, m_line;
};

// A locale's language, script and territory in one number.
inline std::uint64_t TripleOf(const QLocale& locale) {
    return std::uint64_t(locale.language()) << 32 | std::uint64_t(locale.script()) << 16 |
           std::uint64_t(locale.territory());
}

struct Table {
    std::vector<Ways> ways;                     // ways[0] is C's
    std::unordered_map<std::string, int> names; // name -> ways
    std::map<std::string, std::string> aliases; // other language code -> the one kept
    std::string scripts;                        // every script code, in Qt's order
    Tokens tokens;
    int locales = 0;
};

inline Table MakeTable(bool checkEveryName) {
    Table table;

    // Every locale Qt has data for, C first, each under its whole name.
    std::unordered_map<std::uint64_t, int> waysOfLocale;
    std::map<Ways, int> known;
    const auto waysIndex = [&](const Ways& w) {
        const auto [at, added] = known.emplace(w, int(table.ways.size()));
        if (added)
            table.ways.push_back(w);
        return at->second;
    };
    waysOfLocale[TripleOf(QLocale::c())] = waysIndex(WaysOf(QLocale::c(), table.tokens));
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    table.locales = int(all.size());
    std::map<std::string, int> wholeNames;
    std::set<std::string> writtenScripts{"Zzzz"};
    for (const QLocale& locale : all) {
        const int index = waysIndex(WaysOf(locale, table.tokens));
        waysOfLocale[TripleOf(locale)] = index;
        if (locale.script() != QLocale::AnyScript)
            writtenScripts.insert(Utf8(QLocale::scriptToCode(locale.script())));
        if (locale.language() == QLocale::C)
            continue;
        QString name = QLocale::languageToCode(locale.language());
        if (locale.script() != QLocale::AnyScript)
            name += u'_' + QLocale::scriptToCode(locale.script());
        if (locale.territory() != QLocale::AnyTerritory)
            name += u'_' + QLocale::territoryToCode(locale.territory());
        if (TripleOf(QLocale(name)) != TripleOf(locale))
            throw std::runtime_error("a locale's own name takes another: " + Utf8(name));
        wholeNames[Utf8(name)] = index;
    }
    const auto resolve = [&](const QString& name) {
        const auto found = waysOfLocale.find(TripleOf(QLocale(name)));
        if (found == waysOfLocale.end())
            throw std::runtime_error("a name takes a locale Qt does not list: " + Utf8(name));
        return found->second;
    };

    // Script codes as Qt searches them: "Zzzz" (any script) and then each
    // script in Qt's order.
    if (QLocale(QStringLiteral("en_Zzzz_GB")).territory() != QLocale::UnitedKingdom)
        throw std::runtime_error("Zzzz is no script code to this Qt");
    table.scripts = "Zzzz";
    std::vector<std::string> scripts{"Zzzz"};
    for (int s = 1; s <= QLocale::LastScript; ++s) {
        const std::string code = Utf8(QLocale::scriptToCode(QLocale::Script(s)));
        if (code.size() != 4)
            throw std::runtime_error("a script code is not four letters");
        table.scripts += code;
        scripts.push_back(code);
    }
    std::vector<std::string> territories;
    for (int t = 1; t <= QLocale::LastTerritory; ++t)
        if (const QString code = QLocale::territoryToCode(QLocale::Territory(t)); !code.isEmpty())
            territories.push_back(Utf8(code));

    // Each language under one code; its other codes (ISO 639's others, legacy
    // ones) are aliases of that one.
    std::map<std::string, int> languageOfCode;
    std::set<QString> codes; // the legacy codes Qt still reads, then every language's
    for (const char* legacy : {"no", "tl", "sh", "mo", "iw", "in", "ji"})
        codes.insert(QString::fromLatin1(legacy));
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l) {
        const auto language = QLocale::Language(l);
        codes.insert(QLocale::languageToCode(language));
        for (const auto type : kCodeKinds)
            codes.insert(QLocale::languageToCode(language, type));
    }
    std::map<int, std::string> kept;
    for (const QString& code : codes) {
        const QLocale::Language language = QLocale::codeToLanguage(code);
        if (code.isEmpty() || language == QLocale::AnyLanguage || language == QLocale::C)
            continue;
        languageOfCode[Utf8(code)] = language;
        const QString own = QLocale::languageToCode(language);
        if (QLocale::codeToLanguage(own) == language)
            kept[language] = Utf8(own);
        else if (!kept.count(language))
            kept[language] = Utf8(code);
    }
    for (const auto& [code, language] : languageOfCode)
        if (code != kept[language])
            table.aliases[code] = kept[language];

    // The names the table keeps: each language alone and with every
    // territory and script Qt knows, a name kept where the rule
    // LocaleWaysNamed follows would miss what Qt takes. That rule tries the
    // name with script and territory, with the script, with the territory,
    // the language alone, and else takes C.
    auto& names = table.names;
    std::vector<QString> qtTerritories, qtScripts;
    for (const std::string& t : territories)
        qtTerritories.push_back(QString::fromStdString(t));
    for (const std::string& s : scripts)
        qtScripts.push_back(QString::fromStdString(s));
    for (const auto& [language, code] : kept) {
        const QString prefix = QString::fromStdString(code) + u'_';
        const int bare = resolve(QString::fromStdString(code));
        if (bare != 0)
            names[code] = bare;
        std::vector<int> byTerritory(territories.size(), bare), byScript(scripts.size(), -1);
        for (std::size_t t = 0; t < territories.size(); ++t)
            if (const int w = resolve(prefix + qtTerritories[t]); w != bare)
                names[code + "_" + territories[t]] = byTerritory[t] = w;
        for (std::size_t s = 0; s < scripts.size(); ++s)
            if (const int w = resolve(prefix + qtScripts[s]); w != bare)
                names[code + "_" + scripts[s]] = byScript[s] = w;
        // Scripts no locale is written in take, with a territory, what the
        // rule gives; the table holds the others, and make-locale-data
        // checks those.
        for (std::size_t s = 0; s < scripts.size(); ++s) {
            const bool written = writtenScripts.count(scripts[s]) > 0;
            if (!written && !checkEveryName)
                continue;
            const QString withScript = prefix + qtScripts[s] + u'_';
            for (std::size_t t = 0; t < territories.size(); ++t) {
                const int rule = byScript[s] >= 0 ? byScript[s] : byTerritory[t];
                const int w = resolve(withScript + qtTerritories[t]);
                if (w == rule)
                    continue;
                const std::string name = code + "_" + scripts[s] + "_" + territories[t];
                if (!written)
                    throw std::runtime_error("the table would take another locale for " + name);
                names[name] = w;
            }
        }
    }

    // Every locale under its whole name too, whatever the rule gives.
    for (const auto& [name, w] : wholeNames)
        names[name] = w;

    // Aliases of languages no name keeps lead to C anyway.
    std::set<std::string> usedLanguages;
    for (const auto& [name, w] : names)
        usedLanguages.insert(name.substr(0, name.find('_')));
    std::erase_if(table.aliases,
                  [&](const auto& alias) { return !usedLanguages.count(alias.second); });
    return table;
}

// The file's text: the comment, the tables and, last, the digest of all
// that comes before it.
inline std::string LocaleDataText(bool checkEveryName, Table* made = nullptr) {
    Table table = MakeTable(checkEveryName);
    std::string text = "// Made by tests/tools/make_locale_data.cpp from the locale data of Qt " +
                       std::string(qVersion()) + ":\n// do not edit by hand.\n\n";

    // Every text once; the ways name them by their place.
    std::map<std::string, int> textIndex{{"", 0}};
    std::vector<std::string> texts{""};
    const auto textOf = [&](const std::string& s) {
        const auto [at, added] = textIndex.emplace(s, int(texts.size()));
        if (added)
            texts.push_back(s);
        return at->second;
    };
    Lines ways;
    for (const Ways& w : table.ways) {
        // Each text numbered in turn, in the row's order: a compiler may
        // evaluate a call's arguments in any order, and the table is the same
        // whichever compiler makes it.
        std::string row = "{";
        for (const std::string* part :
             {&w.decimal, &w.group, &w.zero, &w.minus, &w.format, &w.am, &w.pm, &w.months})
            row += std::to_string(textOf(*part)) + (part == &w.months ? "}," : ", ");
        ways.Add(row);
    }
    Lines textLines;
    for (const std::string& s : texts)
        textLines.Add(Literal(s) + ",");
    Lines names;
    for (const auto& [name, w] : std::map<std::string, int>(table.names.begin(), table.names.end()))
        names.Add("{" + Literal(name) + ", " + std::to_string(w) + "},");
    Lines aliases;
    for (const auto& [code, kept] : table.aliases)
        aliases.Add("{" + Literal(code) + ", " + Literal(kept) + "},");
    std::string scripts;
    for (std::size_t at = 0; at < table.scripts.size(); at += 80)
        scripts += "\n    " + Literal(table.scripts.substr(at, 80));

    text += "constexpr char kLocaleDataQt[] = " + Literal(qVersion()) + ";\n\n";
    text += "// Every text the ways use, once.\nconstexpr const char* kLocaleTexts[] = {\n" +
            textLines.Text() + "};\n\n";
    text += "// Each distinct way of writing, C's first: decimal, group, zero, minus, short\n"
            "// date-time format, am, pm, month names (in kLocaleTexts).\n"
            "constexpr WaysRow kWaysRows[] = {\n" +
            ways.Text() + "};\n\n";
    text += "// Locale names, sorted, and the ways each takes.\n"
            "constexpr NameRow kLocaleNames[] = {\n" +
            names.Text() + "};\n\n";
    text += "// Other codes of a language and the one the names use, sorted.\n"
            "constexpr AliasRow kLanguageAliases[] = {\n" +
            aliases.Text() + "};\n\n";
    text += "// Every script code, in Qt's order, as a name's script is looked for.\n"
            "constexpr char kScriptCodes[] =" +
            scripts + ";\n\n";
    text += "constexpr char kLocaleDataDigest[] = \"" + Digest(text) + "\";\n";
    if (made)
        *made = std::move(table);
    return text;
}

} // namespace locale_data

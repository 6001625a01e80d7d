#include "cli/nearest.h"

#include "calc/number_text.h"
#include "framework/base/nocase.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A text without the list's marks ("f/" or "f" before an aperture, "mm"
// after a length), in lower case.
std::string Unmarked(ListKind list, const std::string& typed) {
    std::string text = Lower(Trimmed(typed));
    if (list == ListKind::Aperture)
        for (const char* mark : {"f/", "f"})
            if (text.rfind(mark, 0) == 0) {
                text.erase(0, std::string(mark).size());
                break;
            }
    if (list == ListKind::FocalLength || list == ListKind::CircleOfConfusion)
        if (text.size() > 2 && text.compare(text.size() - 2, 2, "mm") == 0)
            text = Trimmed(text.substr(0, text.size() - 2));
    return text;
}

// The number a text holds once the list's marks are taken off; none when
// anything else is left.
std::optional<double> NumberIn(ListKind list, const std::string& typed) {
    const std::string text = Unmarked(list, typed);
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(text, &length);
    if (length == 0 || length != text.size() || !(v > 0))
        return std::nullopt;
    return v;
}

// The number a text begins with once the list's marks are taken off ("0.03x"
// is 0.03): what a mistyped number was meant to be, for ranking by value.
std::optional<double> LeadingNumber(ListKind list, const std::string& typed) {
    const std::string text = Unmarked(list, typed);
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(text, &length);
    if (length == 0 || !(v > 0) || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// The words and the runs of digits of a name, in lower case: "35 mm film
// 24x36" is 35, mm, film, 24, x, 36.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    int kind = 0; // 1 letters, 2 digits
    for (const char c : Lower(text)) {
        const int k = std::isdigit(static_cast<unsigned char>(c))   ? 2
                      : std::isalpha(static_cast<unsigned char>(c)) ? 1
                                                                    : 0;
        if (k != kind && !current.empty()) {
            tokens.push_back(current);
            current.clear();
        }
        kind = k;
        if (k != 0)
            current += c;
    }
    if (!current.empty())
        tokens.push_back(current);
    return tokens;
}

// How much of what was typed a name holds: two for each typed word or
// number it holds whole, one where one begins the other.
int Shared(const std::vector<std::string>& typed, const std::vector<std::string>& name) {
    int score = 0;
    for (const std::string& t : typed) {
        int best = 0;
        for (const std::string& n : name)
            best = std::max(best, t == n ? 2 : n.rfind(t, 0) == 0 || t.rfind(n, 0) == 0 ? 1 : 0);
        score += best;
    }
    return score;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts)
        out += (out.empty() ? "" : ", ") + text;
    return out;
}

// Up to two entries that come just after the text in the list's order of
// letters, case aside.
std::vector<std::string> ByLetters(const std::vector<ChoiceEntry>& entries, const CString& text) {
    std::vector<CString> sorted;
    for (const ChoiceEntry& entry : entries)
        sorted.push_back(entry.displayText);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CString& a, const CString& b) { return CompareNoCase(a, b) < 0; });
    auto at = std::upper_bound(
        sorted.begin(), sorted.end(), text,
        [](const CString& a, const CString& b) { return CompareNoCase(a, b) < 0; });
    if (sorted.end() - at < 2)
        at = sorted.end() - std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(sorted.size()));
    std::vector<std::string> out;
    for (auto it = at; it != sorted.end() && it != at + 2; ++it)
        out.push_back(CStringToUtf8(*it));
    return out;
}
} // namespace

std::string AsTheListWritesIt(ListKind list, const std::string& typed) {
    if (list == ListKind::Unit) {
        static const char* const kAbbreviations[][2] = {{"ft", "feet"},
                                                        {"in", "inches"},
                                                        {"m", "meters"},
                                                        {"cm", "centimeters"},
                                                        {"ft in", "feet and inches"},
                                                        {"ft-in", "feet and inches"}};
        for (const auto& [abbreviation, unit] : kAbbreviations)
            if (Lower(Trimmed(typed)) == abbreviation)
                return unit;
        return typed;
    }
    if (list != ListKind::Aperture && list != ListKind::FocalLength)
        return typed;
    if (!NumberIn(list, typed))
        return typed;
    return (list == ListKind::Aperture ? "f/" : "") + Unmarked(list, typed);
}

std::string NearestEntries(ListKind list, const std::vector<ChoiceEntry>& entries,
                           const std::string& typed) {
    std::vector<std::pair<double, std::size_t>> ranked;
    if (const std::optional<double> v = LeadingNumber(list, typed); v && list != ListKind::Camera) {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].valueText)
                ranked.emplace_back(std::fabs(std::log(ParseDecimal(*entries[i].valueText) / *v)),
                                    i);
    } else if (list == ListKind::Camera) {
        // Equal in words and digits, the names nearest in the order of letters first.
        const std::vector<std::string> near = ByLetters(entries, Utf8ToCString(typed));
        const std::vector<std::string> words = Tokens(typed);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string name = CStringToUtf8(entries[i].displayText);
            if (const int score = Shared(words, Tokens(name)))
                ranked.emplace_back(
                    -score - (std::find(near.begin(), near.end(), name) != near.end() ? 0.5 : 0),
                    i);
        }
    }
    if (ranked.empty())
        return Joined(ByLetters(entries, Utf8ToCString(typed)));
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    ranked.resize(std::min<std::size_t>(2, ranked.size()));
    if (list != ListKind::Camera) // numbers in their order
        std::sort(ranked.begin(), ranked.end(),
                  [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<std::string> names;
    for (const auto& [score, i] : ranked)
        names.push_back(CStringToUtf8(entries[i].displayText));
    return Joined(names);
}

std::string NearestWord(const std::string& typed, const std::vector<std::string>& known) {
    const auto distance = [](const std::string& a, const std::string& b) {
        std::vector<std::size_t> row(b.size() + 1);
        for (std::size_t j = 0; j <= b.size(); ++j)
            row[j] = j;
        for (std::size_t i = 1; i <= a.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= b.size(); ++j) {
                const std::size_t above = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
                diagonal = above;
            }
        }
        return row[b.size()];
    };
    std::string best;
    std::size_t least = std::string::npos;
    for (const std::string& word : known)
        if (const std::size_t d = distance(typed, word); d < least) {
            least = d;
            best = word;
        }
    return least <= std::max<std::size_t>(2, typed.size() / 3) ? best : std::string();
}

#include "calc/typed_distance.h"

#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <cctype>
#include <cmath>

namespace {
// A unit a distance may be typed in: its names, and metres per unit.
struct TypedUnit {
    const char* names[6];
    int code; // of the unit list, or -1 (millimetres are in none)
    double metres;
};

const TypedUnit kTypedUnits[] = {
    {{"\u00B5m", "\u03BCm", "um", "micrometers", "micrometres", "micron"}, -1, 1e-6},
    {{"mm", "millimeters", "millimetres", "millimeter", "millimetre"}, -1, 0.001},
    {{"cm", "centimeters", "centimetres", "centimeter", "centimetre"}, 3, 0.01},
    {{"m", "meters", "metres", "meter", "metre"}, 2, 1},
    {{"ft", "feet", "foot", "'", "\u2032"}, 0, 0.3048},
    {{"in", "inches", "inch", "\"", "\u2033"}, 1, 0.0254},
};
constexpr std::size_t kFeet = 4, kInches = 5;

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The unit whose name `t` begins with, the longest name first; its length in `length`.
const TypedUnit* UnitAt(std::string_view t, std::size_t& length) {
    const TypedUnit* best = nullptr;
    length = 0;
    for (const TypedUnit& unit : kTypedUnits)
        for (const char* name : unit.names) {
            const std::string_view n = name ? name : "";
            if (!n.empty() && n.size() > length && t.size() >= n.size() &&
                SameNoCase(t.substr(0, n.size()), n)) {
                best = &unit;
                length = n.size();
            }
        }
    return best;
}

// A number at the start of `t` in the user's number settings; `t` is left
// past it.
std::optional<double> TakeNumber(std::string_view& t, const NumberSettings& settings) {
    const std::string& point = settings.decimalSeparator;
    const std::size_t at = point.empty() || point == "." ? std::string_view::npos : t.find(point);
    std::string text;
    text.append(t.substr(0, std::min(at, t.size())));
    if (at != std::string_view::npos) {
        text.push_back('.');
        text.append(t.substr(at + point.size()));
    }
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(text, &length);
    if (length == 0)
        return std::nullopt;
    // Back to the typed text's characters: the separator may be longer than ".".
    const std::size_t typed =
        length + (!point.empty() && point != "." && text.find('.') < length ? point.size() - 1 : 0);
    t.remove_prefix(std::min(typed, t.size()));
    return v;
}

// A whole number of digits at the start of `t`; `t` left past it.
std::optional<double> TakeDigits(std::string_view& t) {
    std::size_t n = 0;
    while (n < t.size() && n < 9 && t[n] >= '0' && t[n] <= '9')
        ++n;
    if (n == 0)
        return std::nullopt;
    const double v = ParseDecimal(t.substr(0, n));
    t.remove_prefix(n);
    return v;
}

// A number, a fraction or both, as a tape measure is read: "7", "3/4",
// "7 3/4", "3 5/8"; `t` left past it.
std::optional<double> TakeMixedNumber(std::string_view& t, const NumberSettings& settings) {
    const std::optional<double> whole = TakeNumber(t, settings);
    if (!whole)
        return std::nullopt;
    if (!t.empty() && t.front() == '/') { // the number was a numerator
        t.remove_prefix(1);
        const std::optional<double> denominator = TakeDigits(t);
        if (!denominator || *denominator == 0)
            return std::nullopt;
        return *whole / *denominator;
    }
    std::string_view rest = TrimBlanks(t);
    if (rest.size() == t.size()) // no blank: no fraction follows
        return whole;
    const std::optional<double> numerator = TakeDigits(rest);
    if (!numerator || rest.empty() || rest.front() != '/')
        return whole;
    rest.remove_prefix(1);
    const std::optional<double> denominator = TakeDigits(rest);
    if (!denominator || *denominator == 0 || *whole < 0)
        return whole;
    t = rest;
    return *whole + *numerator / *denominator;
}

std::optional<const TypedUnit*> TakeUnit(std::string_view& t) {
    t = TrimBlanks(t);
    if (t.empty())
        return nullptr;
    std::size_t length = 0;
    const TypedUnit* unit = UnitAt(t, length);
    if (!unit)
        return std::nullopt;
    t.remove_prefix(length);
    return unit;
}

// The true length of each unit, so that "1 m" with centimetres chosen is
// the 100 cm a person would have typed.
double TrueMetres(int code) {
    for (const TypedUnit& unit : kTypedUnits)
        if (unit.code == code)
            return unit.metres;
    return 0;
}

// A number, with at most a unit or a feet-and-inches pair after it: the
// number in its unit, and the unit (none for a bare number).
std::optional<std::pair<double, const TypedUnit*>> ReadWithUnit(std::string_view text,
                                                                const NumberSettings& settings) {
    std::string_view t = TrimBlanks(text);
    const std::optional<double> number = TakeMixedNumber(t, settings);
    if (!number)
        return std::nullopt;
    const std::optional<const TypedUnit*> unit = TakeUnit(t);
    if (!unit)
        return std::nullopt;
    if (!*unit)
        return std::pair{*number, nullptr}; // a bare number
    double value = *number;
    const TypedUnit* in = *unit;
    t = TrimBlanks(t);
    if (!t.empty()) { // feet, then inches: "10 ft 6 in", "10' 6\""
        const std::optional<double> inches =
            in == &kTypedUnits[kFeet] ? TakeMixedNumber(t, settings) : std::optional<double>();
        const std::optional<const TypedUnit*> second =
            inches ? TakeUnit(t) : std::optional<const TypedUnit*>();
        if (!inches || !second || *second != &kTypedUnits[kInches] || !TrimBlanks(t).empty() ||
            *number < 0 || *inches < 0)
            return std::nullopt;
        value += *inches / 12;
    }
    return std::pair{value, in};
}
} // namespace

std::optional<LengthRead> ReadLength(std::string_view text, const NumberSettings& settings) {
    const auto read = ReadWithUnit(text, settings);
    if (!read || !std::isfinite(read->first))
        return std::nullopt;
    return LengthRead{read->first, read->second ? read->second->metres * 1000 : 0};
}

std::optional<double> ReadLengthMm(std::string_view text, const NumberSettings& settings,
                                   double bareUnitMm) {
    const std::optional<LengthRead> read = ReadLength(text, settings);
    if (!read)
        return std::nullopt;
    const double mm = read->value * (read->unitMm > 0 ? read->unitMm : bareUnitMm);
    if (!(mm > 0) || !std::isfinite(mm))
        return std::nullopt;
    return mm;
}

std::optional<double> ReadTypedDistance(std::string_view text, const NumberSettings& settings,
                                        const DistanceUnit& listUnit) {
    // Feet and inches are feet, written otherwise.
    const DistanceUnit& chosen =
        listUnit.code == kFeetAndInchesCode ? DistanceUnitFor(kFeetCode) : listUnit;
    const auto read = ReadWithUnit(text, settings);
    if (!read)
        return std::nullopt;
    const auto [value, in] = *read;
    if (!in)
        return value; // a bare number is in the chosen unit
    if (in->code == chosen.code)
        return value;
    const double to = TrueMetres(chosen.code);
    if (!(to > 0))
        return std::nullopt;
    return value * in->metres / to;
}

double MetresInUnit(double metres, const DistanceUnit& listUnit) {
    const int code = listUnit.code == kFeetAndInchesCode ? kFeetCode : listUnit.code;
    const double to = TrueMetres(code);
    return to > 0 ? metres / to : 0;
}

bool IsInfinityText(std::string_view text) {
    const std::string_view t = TrimBlanks(text);
    // The word the results show for it, in the person's language too.
    return SameNoCase(t, "inf") || SameNoCase(t, "infinity") || t == "\u221E" ||
           SameNoCase(t, Tr("Calculate", "Infinity"));
}

std::vector<std::string> SplitDistances(std::string_view text) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        words.emplace_back(text.substr(start, end - start));
        at = end;
    }
    const auto isUnit = [](const std::string& word) {
        std::size_t length = 0;
        return UnitAt(word, length) && length == word.size();
    };
    // Whether a text ends in one of a unit's names, after something else.
    const auto endsIn = [](const std::string& text, std::size_t unit) {
        for (const char* name : kTypedUnits[unit].names) {
            const std::string_view n = name ? name : "";
            if (!n.empty() && text.size() > n.size() &&
                SameNoCase(std::string_view(text).substr(text.size() - n.size()), n))
                return true;
        }
        return false;
    };
    const auto endsInFeet = [&](const std::string& group) { return endsIn(group, kFeet); };
    const auto isFraction = [](const std::string& word) {
        const std::size_t slash = word.find('/');
        return slash != std::string::npos && slash > 0 && slash + 1 < word.size() &&
               word.find_first_not_of("0123456789/") == std::string::npos &&
               word.find('/', slash + 1) == std::string::npos;
    };
    // Inches follow: "3 in", "3in", or "3 5/8 in".
    const auto inInches = [&](std::size_t i) {
        if (i + 1 < words.size() && isFraction(words[i + 1]))
            ++i;
        if (i + 1 < words.size() && isUnit(words[i + 1])) {
            std::size_t length = 0;
            return UnitAt(words[i + 1], length) == &kTypedUnits[kInches];
        }
        return endsIn(words[i], kInches);
    };
    // "3/4" after a bare number is the rest of it: "7 3/4 ft".
    const auto isBareNumber = [](const std::string& word) {
        return !word.empty() && word.find_first_not_of("0123456789.,") == std::string::npos;
    };
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!groups.empty() && isFraction(words[i]) &&
            isBareNumber(groups.back().substr(groups.back().rfind(' ') + 1)))
            groups.back() += " " + words[i];
        else if (!groups.empty() &&
                 (isUnit(words[i]) || (endsInFeet(groups.back()) && inInches(i))))
            groups.back() += " " + words[i];
        else
            groups.push_back(words[i]);
    }
    return groups;
}

std::string OtherSeparatorSentence(std::string_view text, const NumberSettings& settings) {
    const std::string_view typed = TrimBlanks(text);
    const char ours = settings.decimalSeparator.empty() ? '.' : settings.decimalSeparator[0];
    const char other = ours == ',' ? '.' : ',';
    const std::size_t at = typed.find(other);
    if (at == std::string_view::npos || ReadTypedDistance(typed, settings, DistanceUnitFor(2)))
        return {};
    NumberSettings theirs = settings;
    theirs.decimalSeparator = std::string(1, other);
    theirs.thousandsSeparator = std::string(1, ours);
    if (!ReadTypedDistance(typed, theirs, DistanceUnitFor(2)))
        return {};
    std::string ourWay(typed);
    ourWay[at] = ours;
    return Arg(Tr("Typed", "%1 is not a number in your number settings, which write it %2."),
               {std::string(typed), ourWay});
}

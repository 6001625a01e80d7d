#include "lists/typed_choice.h"

#include "calc/number_text.h"
#include "framework/base/cstring.h"
#include "framework/base/nocase.h"
#include "framework/base/translate.h"
#include "lists/choice_lists.h"

#include <cctype>
#include <cmath>

namespace {
// The text without the list's marks.
std::string_view Unmarked(ListKind list, std::string_view t) {
    t = TrimBlanks(t);
    if (list == ListKind::Aperture && !t.empty() && (t.front() == 'f' || t.front() == 'F')) {
        t.remove_prefix(1);
        if (!t.empty() && t.front() == '/')
            t.remove_prefix(1);
    }
    if ((list == ListKind::FocalLength || list == ListKind::CircleOfConfusion) && t.size() > 2 &&
        std::tolower(static_cast<unsigned char>(t[t.size() - 1])) == 'm' &&
        std::tolower(static_cast<unsigned char>(t[t.size() - 2])) == 'm')
        t.remove_suffix(2);
    return TrimBlanks(t);
}

// `digits` with the user's decimal separator written as ".".
std::string Pointed(std::string_view digits, const NumberSettings& settings) {
    const std::string& point = settings.decimalSeparator;
    const std::size_t at =
        point.empty() || point == "." ? std::string_view::npos : digits.find(point);
    if (at == std::string_view::npos)
        return std::string(digits);
    std::string text(digits.substr(0, at));
    text += '.';
    text += digits.substr(at + point.size());
    return text;
}
} // namespace

bool TakesTypedNumbers(ListKind list) {
    return list == ListKind::FocalLength || list == ListKind::Aperture ||
           list == ListKind::CircleOfConfusion;
}

std::optional<std::string> TypedValue(ListKind list, std::string_view typed,
                                      const NumberSettings& settings) {
    if (!TakesTypedNumbers(list))
        return std::nullopt;
    const std::string_view digits = Unmarked(list, typed);
    // Digits and one point only: no sign, no blanks inside, no exponent.
    if (digits.empty() || digits.front() == '+' || digits.front() == '-')
        return std::nullopt;
    std::string text = Pointed(digits, settings);
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(text, &length);
    if (length == 0 || length != text.size() || !(v > 0) || !std::isfinite(v) ||
        text.find_first_of("eE") != std::string::npos)
        return std::nullopt;
    return text;
}

int EntryOfTypedText(ListKind kind, const std::vector<ChoiceEntry>& entries, std::string_view typed,
                     const NumberSettings& settings) {
    const std::string_view t = TrimBlanks(typed);
    if (t.empty())
        return -1;
    const CString wanted = Utf8ToCString(Unmarked(kind, t));
    for (std::size_t i = 0; i < entries.size(); ++i) { // (a) its own text
        const std::string shown = CStringToUtf8(entries[i].displayText);
        if (CompareNoCase(Utf8ToCString(Unmarked(kind, shown)), wanted) == 0)
            return static_cast<int>(i);
    }
    if (TakesTypedNumbers(kind)) { // (b) its own number
        const std::optional<std::string> value = TypedValue(kind, t, settings);
        if (!value)
            return -1;
        const double N = ParseDecimal(*value);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string shown = CStringToUtf8(entries[i].displayText);
            const std::string_view own = Unmarked(kind, shown);
            std::size_t length = 0;
            const double nominal = ParseDecimalPrefix(std::string(own), &length);
            if (length == own.size() && length > 0 && nominal == N)
                return static_cast<int>(i);
        }
        return -1; // (c) used as typed
    }
    return SelectStoredChoice(entries, Utf8ToCString(t)); // (d) the first it begins
}

std::string StoredTypedText(ListKind kind, const std::string& value) {
    return kind == ListKind::Aperture ? "f/" + value : value;
}

std::optional<std::string> StoredTypedValue(ListKind kind, std::string_view stored) {
    if (std::optional<std::string> value = TypedValue(kind, stored, PlainNumberSettings()))
        return value;
    NumberSettings comma; // a file written before, as a German or French desktop typed it
    comma.decimalSeparator = ",";
    comma.thousandsSeparator.clear();
    comma.grouping = 0;
    return TypedValue(kind, stored, comma);
}

std::string ShownTypedText(ListKind kind, const std::string& value,
                           const NumberSettings& settings) {
    std::string shown = value;
    if (const std::size_t point = shown.find('.'); point != std::string::npos)
        shown.replace(point, 1, settings.decimalSeparator);
    return StoredTypedText(kind, shown);
}

std::string ChoiceRefusal(ListKind list, std::string_view typed) {
    // Each sentence whole, as a translation needs it.
    static const char* const kSentences[][2] = {
        {TR_NOOP("Lists", "You must choose a camera from the list."),
         TR_NOOP("Lists", "The camera %1 is not in the list and is not a number.")},
        {TR_NOOP("Lists", "You must choose a focal length from the list."),
         TR_NOOP("Lists", "The focal length %1 is not in the list and is not a number.")},
        {TR_NOOP("Lists", "You must choose an aperture from the list."),
         TR_NOOP("Lists", "The aperture %1 is not in the list and is not a number.")},
        {TR_NOOP("Lists", "You must choose a unit from the list."),
         TR_NOOP("Lists", "The unit %1 is not in the list and is not a number.")},
        {TR_NOOP("Lists", "You must choose a circle of confusion from the list."),
         TR_NOOP("Lists", "The circle of confusion %1 is not in the list and is not a number.")}};
    const auto& [choose, notANumber] = kSentences[static_cast<int>(list)];
    typed = TrimBlanks(typed);
    if (typed.empty() || !TakesTypedNumbers(list))
        return Tr("Lists", choose);
    return Arg(Tr("Lists", notANumber), {std::string(typed)});
}

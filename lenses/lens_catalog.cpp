#include "lenses/lens_catalog.h"

#include "calc/number_text.h"
#include "finder/camera_search.h"
#include "finder/lensfun_cameras.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

double WidestAt(const LensRecord& lens, double f) {
    if (lens.IsPrime() || !(f > lens.focalMin) || !(lens.widestAtMax > 0))
        return lens.widestAtMin;
    if (!(f < lens.focalMax))
        return lens.widestAtMax;
    const double share = std::log(f / lens.focalMin) / std::log(lens.focalMax / lens.focalMin);
    return lens.widestAtMin * std::pow(lens.widestAtMax / lens.widestAtMin, share);
}

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void SkipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
}

// Digits, with a fraction after `point` ('.' or ','), read from `at` on:
// "3.5" is 3.5 whatever the C library's locale; none where no digit is.
std::optional<double> Number(std::string_view text, std::size_t& at, char point = '.') {
    const std::size_t start = at;
    double v = 0;
    while (at < text.size() && IsDigit(text[at]))
        v = v * 10 + (text[at++] - '0');
    if (at == start)
        return std::nullopt;
    if (at + 1 < text.size() && text[at] == point && IsDigit(text[at + 1])) {
        double scale = 1;
        for (++at; at < text.size() && IsDigit(text[at]); ++at)
            v += (text[at] - '0') * (scale /= 10);
    }
    return v;
}

// The two numbers of a range after an aperture's mark ("f/3.5-5.6",
// "F4.5-6.3", "1:3.5-5.6"), the mark not inside a word.
std::optional<std::pair<double, double>> ApertureRange(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && IsLetter(text[i - 1]))
            continue;
        std::size_t at = i;
        if (text[at] == 'f' || text[at] == 'F') {
            ++at;
            if (at < text.size() && text[at] == '/')
                ++at;
        } else if (text.substr(at, 2) == "1:")
            at += 2;
        else
            continue;
        SkipBlanks(text, at);
        const std::optional<double> first = Number(text, at);
        SkipBlanks(text, at);
        if (!first || at >= text.size() || text[at] != '-')
            continue;
        ++at;
        SkipBlanks(text, at);
        if (const std::optional<double> second = Number(text, at))
            return std::pair{*first, *second};
    }
    return std::nullopt;
}

// An aperture written with a decimal comma before the focal length ("1,4/50",
// "1:2,8/50"), at the start or after a blank or a colon.
std::optional<double> CommaAperture(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsDigit(text[i]) || (i > 0 && text[i - 1] != ' ' && text[i - 1] != ':'))
            continue;
        std::size_t at = i;
        const std::optional<double> v = Number(text, at, ',');
        if (!v || at == i || text.substr(i, at - i).find(',') == std::string_view::npos)
            continue;
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == '/') {
            ++at;
            SkipBlanks(text, at);
            if (at < text.size() && IsDigit(text[at]))
                return v;
        }
    }
    return std::nullopt;
}
} // namespace

double WidestAtLongEndOfName(std::string_view model, double atShortEnd) {
    const std::optional<std::pair<double, double>> range = ApertureRange(model);
    if (!range)
        return atShortEnd;
    const auto [first, second] = *range;
    // The name's first is the one lensfun read; the second, wider in number, the long end's.
    if (std::fabs(first - atShortEnd) > 0.05 * atShortEnd || !(second > first) || second > 64)
        return atShortEnd;
    return second;
}

namespace {
// Letters and digits apart, as a person types them: "XF23mmF2" also as
// "XF 23 mm F 2".
std::string SpacedApart(const std::string& model) {
    std::string out;
    for (std::size_t i = 0; i < model.size(); ++i) {
        const auto c = static_cast<unsigned char>(model[i]);
        if (i > 0) {
            const auto p = static_cast<unsigned char>(model[i - 1]);
            if ((std::isdigit(p) && std::isalpha(c)) || (std::isalpha(p) && std::isdigit(c)))
                out += ' ';
        }
        out += model[i];
    }
    return out;
}

LensRecord FromLensfun(const LensfunLens& lens) {
    LensRecord r;
    r.maker = lens.maker;
    r.model = lens.model;
    r.englishModel = lens.englishModel;
    const std::string& shown = lens.englishModel.empty() ? lens.model : lens.englishModel;
    r.name =
        shown.rfind(lens.maker, 0) == 0 || lens.maker.empty() ? shown : lens.maker + " " + shown;
    r.mount = lens.mount;
    r.focalMin = lens.minFocal;
    r.focalMax = lens.maxFocal;
    r.widestAtMin = lens.widest;
    // Zeiss and Voigtländer write the aperture with a decimal comma before the
    // focal length ("Planar T* 1,4/50", "Color-Skopar 1:2,8/50"), which lensfun
    // reads as f/4 and f/8.
    if (const std::optional<double> comma = CommaAperture(shown))
        r.widestAtMin = *comma;
    r.widestAtMax = r.widestAtMin > 0 ? WidestAtLongEndOfName(shown, r.widestAtMin) : 0;
    r.smallest = lens.smallest > 0 ? lens.smallest : 22;
    r.source = "lensfun";
    return r;
}
} // namespace

const LensDatabase& LensfunLenses() {
    static const LensDatabase database = [] {
        LensDatabase out;
        const CameraDatabase& read = LensfunCameras();
        // The database lists some lenses twice (once for each body it was
        // measured on), alike in all a person chooses by: those are one lens,
        // the smallest aperture of whichever entry gives one.
        std::map<std::tuple<std::string, std::string, double, double, double, double>, std::size_t>
            seen;
        for (const LensfunLens& lens : read.lenses) {
            LensRecord record = FromLensfun(lens);
            const auto [at, added] =
                seen.emplace(std::tuple{record.name, record.mount, record.focalMin, record.focalMax,
                                        record.widestAtMin, record.widestAtMax},
                             out.lenses.size());
            if (added)
                out.lenses.push_back(std::move(record));
            else if (lens.smallest > 0)
                out.lenses[at->second].smallest = record.smallest;
        }
        out.problem = read.problem;
        return out;
    }();
    return database;
}

std::vector<std::size_t> FindLenses(const std::vector<LensRecord>& lenses, std::string_view words,
                                    std::size_t limit) {
    // Found as cameras are: by the name, the maker, the model, and the model
    // with its letters and digits apart.
    std::vector<FoundCamera> searchable;
    searchable.reserve(lenses.size());
    for (const LensRecord& lens : lenses) {
        FoundCamera c;
        c.name = lens.name;
        c.maker = lens.maker;
        c.model = lens.model;
        c.englishModel = SpacedApart(lens.model);
        searchable.push_back(std::move(c));
    }
    return FindCameras(searchable, words, limit);
}

namespace {
// Lower-case letters and digits, a piece per run of letters or of digits;
// each marked when it follows the one before with nothing between ("mm" in
// "105mm", "2" in "f2"), not across a blank or a mark ("5" and "6" in "5.6").
struct Piece {
    std::string text;
    bool runsOn = false;
};
std::vector<Piece> PiecesOf(std::string_view text) {
    std::vector<Piece> out(1);
    for (const char raw : text) {
        const auto c = static_cast<unsigned char>(raw);
        const bool digit = std::isdigit(c) != 0, letter = std::isalpha(c) != 0 || c >= 0x80;
        if (!digit && !letter) {
            if (!out.back().text.empty())
                out.emplace_back();
            continue;
        }
        if (!out.back().text.empty() &&
            (std::isdigit(static_cast<unsigned char>(out.back().text.back())) != 0) != digit)
            out.push_back({"", true});
        out.back().text += static_cast<char>(std::tolower(c));
    }
    if (out.back().text.empty())
        out.pop_back();
    return out;
}

// The pieces run together: the letters and digits alone, lower-case.
std::string Joined(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char raw : text) {
        const auto c = static_cast<unsigned char>(raw);
        if (std::isdigit(c) != 0 || std::isalpha(c) != 0 || c >= 0x80)
            out += static_cast<char>(std::tolower(c));
    }
    return out;
}

// Whether every typed word is one of the name's pieces, or pieces that run on.
bool EveryWordWhole(const std::vector<std::string>& typed, const std::vector<Piece>& pieces) {
    for (const std::string& word : typed) {
        bool whole = false;
        for (std::size_t i = 0; i < pieces.size() && !whole; ++i) {
            std::string run = pieces[i].text;
            whole = run == word;
            for (std::size_t j = i + 1;
                 j < pieces.size() && pieces[j].runsOn && run.size() < word.size() && !whole; ++j)
                whole = (run += pieces[j].text) == word;
        }
        if (!whole)
            return false;
    }
    return true;
}
} // namespace

LensChoice ChooseLens(const std::vector<LensRecord>& lenses, std::string_view words) {
    LensChoice choice;
    choice.candidates = FindLenses(lenses, words);
    const std::string typed = Joined(words);
    for (const std::size_t i : choice.candidates)
        for (const std::string* field :
             {&lenses[i].name, &lenses[i].model, &lenses[i].englishModel})
            if (!field->empty() && Joined(*field) == typed && !choice.chosen)
                choice.chosen = i;
    if (!choice.chosen && choice.candidates.size() == 1)
        choice.chosen = choice.candidates.front();
    if (!choice.chosen) {
        // The typed words as typed: "f2" stays one word, to be found as f and 2.
        std::vector<std::string> typedWords;
        std::string word;
        for (const char c : std::string(words) + " ") {
            if (std::isalnum(static_cast<unsigned char>(c)) ||
                static_cast<unsigned char>(c) >= 0x80)
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            else if (!word.empty()) {
                typedWords.push_back(word);
                word.clear();
            }
        }
        std::vector<std::size_t> whole;
        for (const std::size_t i : choice.candidates)
            if (EveryWordWhole(typedWords, PiecesOf(lenses[i].name)))
                whole.push_back(i);
        // The database lists some lenses twice, alike to the last figure.
        const auto same = [&lenses](std::size_t a, std::size_t b) {
            const LensRecord &x = lenses[a], &y = lenses[b];
            return x.name == y.name && x.focalMin == y.focalMin && x.focalMax == y.focalMax &&
                   x.widestAtMin == y.widestAtMin && x.widestAtMax == y.widestAtMax;
        };
        if (!whole.empty() && std::all_of(whole.begin(), whole.end(),
                                          [&](std::size_t i) { return same(i, whole.front()); }))
            choice.chosen = whole.front();
    }
    if (choice.candidates.size() > 5)
        choice.candidates.resize(5);
    return choice;
}

namespace {
// Exif's LensSpecification: four rationals, or none.
std::optional<std::array<double, 4>> RecordedRanges(std::string_view text) {
    std::array<double, 4> values{};
    std::size_t at = 0;
    for (double& v : values) {
        while (at < text.size() && text[at] == ' ')
            ++at;
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string part(text.substr(at, end - at));
        const std::size_t slash = part.find('/');
        if (part.empty() || slash == std::string::npos)
            return std::nullopt;
        char* stop = nullptr;
        const double a = std::strtod(part.c_str(), &stop),
                     b = std::strtod(part.c_str() + slash + 1, nullptr);
        if (!(b > 0) || !(a >= 0))
            return std::nullopt;
        v = a / b;
        at = end;
    }
    return values;
}

bool Near(double a, double b) {
    return std::fabs(a - b) <= 0.02 * std::max(a, b);
}
} // namespace

std::optional<std::size_t> FindLensOfPhoto(const std::vector<LensRecord>& lenses,
                                           std::string_view make, std::string_view model,
                                           std::string_view ranges) {
    const std::string written = Joined(model);
    if (!written.empty()) {
        for (std::size_t i = 0; i < lenses.size(); ++i) {
            const std::string maker = Joined(lenses[i].maker);
            for (const std::string* field :
                 {&lenses[i].model, &lenses[i].englishModel, &lenses[i].name}) {
                const std::string known = Joined(*field);
                if (!known.empty() && (known == written || known == maker + written))
                    return i;
            }
        }
        if (const LensChoice choice = ChooseLens(lenses, model); choice.chosen)
            return choice.chosen;
    }
    const std::optional<std::array<double, 4>> range = RecordedRanges(ranges);
    if (!range || !((*range)[0] > 0))
        return std::nullopt;
    const std::string maker = Joined(make);
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < lenses.size(); ++i) {
        const LensRecord& l = lenses[i];
        if (!maker.empty() && Joined(l.maker).find(maker) == std::string::npos &&
            maker.find(Joined(l.maker)) == std::string::npos)
            continue;
        if (Near(l.focalMin, (*range)[0]) && Near(l.focalMax, (*range)[1]) &&
            ((*range)[2] == 0 || Near(l.widestAtMin, (*range)[2])) &&
            ((*range)[3] == 0 || Near(l.widestAtMax, (*range)[3]))) {
            if (found)
                return std::nullopt; // more than one answers
            found = i;
        }
    }
    return found;
}

namespace {
std::string Range(double a, double b, const NumberSettings& settings) {
    const std::string first = FormatShortest(a, 1, settings);
    return b > a ? first + "\u2013" + FormatShortest(b, 1, settings) : first;
}
} // namespace

std::string FocalRangeText(const LensRecord& lens, const NumberSettings& settings) {
    return Range(lens.focalMin, lens.focalMax, settings) + " mm";
}

std::string WidestText(const LensRecord& lens, const NumberSettings& settings) {
    return lens.widestAtMin > 0 ? "f/" + Range(lens.widestAtMin, lens.widestAtMax, settings)
                                : std::string();
}

#include "finder/camera_search.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {
// Lower-case letters and digits, one word per run of them; the Greek alpha
// Sony writes its bodies with ("α7 IV") reads as an a.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (static_cast<unsigned char>(c) == 0xCE && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xB1) {
            c = 'a';
            ++i;
        }
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                   static_cast<unsigned char>(c) >= 0x80;
        if (letterOrDigit)
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

// A field's words run together, and where each word starts in it.
struct JoinedField {
    std::string text;
    std::vector<std::size_t> starts;
};

JoinedField Join(const std::vector<std::string>& words) {
    JoinedField out;
    for (const std::string& w : words) {
        out.starts.push_back(out.text.size());
        out.text += w;
    }
    return out;
}

// What a camera is found by: each field's words, and each field's words
// joined; Sony's "Alpha 7 IV" also as "a7iv", as photographers write it.
struct Searchable {
    std::vector<std::vector<std::string>> fields;
    std::vector<JoinedField> joined;
};

Searchable SearchableOf(const FoundCamera& camera) {
    Searchable s;
    for (const std::string* field :
         {&camera.name, &camera.maker, &camera.model, &camera.englishModel}) {
        if (field->empty())
            continue;
        std::vector<std::string> words = Words(*field);
        s.joined.push_back(Join(words));
        if (std::find(words.begin(), words.end(), "alpha") != words.end()) {
            std::vector<std::string> shortened = words;
            for (std::string& w : shortened)
                if (w == "alpha")
                    w.assign(1, 'a');
            s.joined.push_back(Join(shortened));
        }
        s.fields.push_back(std::move(words));
    }
    return s;
}

// How well one typed word is found: 3 a whole word, 2 the start of a word,
// 1 words run together from the start of one ("a7" in "Alpha 7 IV" read as
// a7iv, "6ii" in "Z 6II"), 0 not at all.
int WordScore(const Searchable& s, const std::string& word) {
    int best = 0;
    for (const auto& field : s.fields)
        for (const std::string& w : field) {
            if (w == word)
                return 3;
            if (w.rfind(word, 0) == 0)
                best = std::max(best, 2);
        }
    if (best > 0)
        return best;
    for (const JoinedField& joined : s.joined)
        for (const std::size_t start : joined.starts)
            if (joined.text.compare(start, word.size(), word) == 0)
                return 1;
    return 0;
}

struct Scored {
    std::size_t index;
    int score;
    bool whole; // the words, run together, are a whole name, model or English name
};

std::vector<Scored> Score(const std::vector<FoundCamera>& cameras, std::string_view typed) {
    const std::vector<std::string> words = Words(typed);
    if (words.empty())
        return {};
    const std::string whole = Join(words).text;
    std::vector<Scored> found;
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const Searchable s = SearchableOf(cameras[i]);
        int score = 0;
        for (const std::string& word : words) {
            const int w = WordScore(s, word);
            if (w == 0) {
                score = -1;
                break;
            }
            score += w;
        }
        if (score < 0)
            continue;
        int bonus = 0; // the words, run together, are a whole field, or begin one
        for (const JoinedField& joined : s.joined)
            for (const std::size_t start : joined.starts)
                if (joined.text.compare(start, std::string::npos, whole) == 0)
                    bonus = std::max(bonus, 20);
                else if (joined.text.compare(start, whole.size(), whole) == 0)
                    bonus = std::max(bonus, 10);
        score += bonus;
        bool wholeField = false;
        for (const JoinedField& joined : s.joined)
            wholeField = wholeField || joined.text == whole;
        found.push_back({i, score, wholeField});
    }
    std::stable_sort(found.begin(), found.end(), [&](const Scored& a, const Scored& b) {
        if (a.score != b.score)
            return a.score > b.score;
        return cameras[a.index].name.size() < cameras[b.index].name.size();
    });
    return found;
}
} // namespace

std::vector<std::size_t> FindCameras(const std::vector<FoundCamera>& cameras,
                                     std::string_view typed, std::size_t limit) {
    std::vector<std::size_t> out;
    for (const Scored& s : Score(cameras, typed))
        if (out.size() < limit)
            out.push_back(s.index);
    return out;
}

CameraChoice ChooseCamera(const std::vector<FoundCamera>& cameras, std::string_view typed) {
    const std::vector<Scored> found = Score(cameras, typed);
    CameraChoice choice;
    if (found.size() == 1) {
        choice.chosen = found.front().index;
        return choice;
    }
    std::vector<std::size_t> whole;
    for (const Scored& s : found)
        if (s.whole)
            whole.push_back(s.index);
    if (whole.size() == 1) {
        choice.chosen = whole.front();
        return choice;
    }
    for (std::size_t i = 0; i < found.size() && i < 5; ++i)
        choice.candidates.push_back(found[i].index);
    return choice;
}

namespace {
// Letters and digits in lower case, blanks and padding aside.
std::string Squeezed(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\0')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
} // namespace

std::optional<std::size_t> FindByExif(const std::vector<FoundCamera>& cameras,
                                      std::string_view make, std::string_view model) {
    const std::string wanted = Squeezed(model), maker = Squeezed(make);
    if (wanted.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const std::string theirs = Squeezed(cameras[i].maker);
        if (Squeezed(cameras[i].model) == wanted &&
            (maker.empty() || theirs.empty() || maker.find(theirs) != std::string::npos))
            return i;
    }
    return std::nullopt;
}

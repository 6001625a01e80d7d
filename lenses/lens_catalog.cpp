#include "lenses/lens_catalog.h"

#include "finder/camera_search.h"
#include "finder/lensfun_cameras.h"

#include <cctype>
#include <cmath>
#include <regex>

double WidestAt(const LensRecord& lens, double f) {
    if (lens.IsPrime() || !(f > lens.focalMin) || !(lens.widestAtMax > 0))
        return lens.widestAtMin;
    if (!(f < lens.focalMax))
        return lens.widestAtMax;
    const double share = std::log(f / lens.focalMin) / std::log(lens.focalMax / lens.focalMin);
    return lens.widestAtMin * std::pow(lens.widestAtMax / lens.widestAtMin, share);
}

double WidestAtLongEndOfName(std::string_view model, double atShortEnd) {
    static const std::regex range(
        R"((?:^|[^A-Za-z])(?:[fF]/?|1:)\s*([0-9]+(?:\.[0-9]+)?)\s*-\s*([0-9]+(?:\.[0-9]+)?))");
    std::cmatch m;
    const std::string text(model);
    if (!std::regex_search(text.c_str(), m, range))
        return atShortEnd;
    const double first = std::stod(m[1].str()), second = std::stod(m[2].str());
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
    r.widestAtMax = lens.widest > 0 ? WidestAtLongEndOfName(shown, lens.widest) : 0;
    r.smallest = lens.smallest > 0 ? lens.smallest : 22;
    r.source = "lensfun";
    return r;
}
} // namespace

const LensDatabase& LensfunLenses() {
    static const LensDatabase database = [] {
        LensDatabase out;
        const CameraDatabase& read = LensfunCameras();
        for (const LensfunLens& lens : read.lenses)
            out.lenses.push_back(FromLensfun(lens));
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

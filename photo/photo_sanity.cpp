#include "photo/photo_sanity.h"

#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <cmath>

namespace {
// "0", "12.5", "1e+300": the number as the sentence names it.
std::string Named(double v) {
    if (!std::isfinite(v))
        return std::isnan(v) ? Tr("Photo", "not a number") : Tr("Photo", "infinite");
    NumberSettings plain;
    plain.grouping = 0;
    plain.thousandsSeparator.clear();
    return FormatShortest(v, 6, plain);
}

std::optional<RecordedNumber> Refuse(PhotoFacts& facts, const std::string& sentence) {
    facts.nonsense.push_back(sentence);
    return std::nullopt;
}
} // namespace

std::optional<RecordedNumber> SaneFocalLength(double mm, const std::string& source,
                                              PhotoFacts& facts, bool equivalent) {
    if (!(mm > 0) || !(mm <= kLongestFocalLengthMm))
        return Refuse(facts,
                      Arg(equivalent ? Tr("Photo", "The photo records a 35 mm equivalent focal "
                                                   "length of %1 mm (%2), which is not used.")
                                     : Tr("Photo", "The photo records a focal length of %1 mm "
                                                   "(%2), which is not used."),
                          {Named(mm), source}));
    return RecordedNumber{mm, source};
}

std::optional<RecordedNumber> SaneFNumber(double N, const std::string& source, PhotoFacts& facts) {
    if (!(N >= kWidestFNumber) || !(N <= kSmallestFNumber))
        return Refuse(facts, Arg(Tr("Photo", "The photo records an f-number of %1 (%2), which "
                                             "is not used."),
                                 {Named(N), source}));
    return RecordedNumber{N, source};
}

std::optional<RecordedNumber> SaneDistance(double metres, const std::string& source,
                                           PhotoFacts& facts) {
    if (!(metres > 0) || !(metres < kFarthestFocusM))
        return Refuse(facts, Arg(Tr("Photo", "The photo records a focus distance of %1 m (%2), "
                                             "which is not used."),
                                 {Named(metres), source}));
    return RecordedNumber{metres, source};
}

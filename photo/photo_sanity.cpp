#include "photo/photo_sanity.h"

#include "calc/number_text.h"

#include <cmath>

namespace {
// "0", "12.5", "1e+300": the number as the sentence names it.
std::string Named(double v) {
    if (!std::isfinite(v))
        return std::isnan(v) ? "not a number" : "infinite";
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
        return Refuse(facts, std::string("The photo records a ") +
                                 (equivalent ? "35 mm equivalent focal length" : "focal length") +
                                 " of " + Named(mm) + " mm (" + source + "), which is not used.");
    return RecordedNumber{mm, source};
}

std::optional<RecordedNumber> SaneFNumber(double N, const std::string& source, PhotoFacts& facts) {
    if (!(N >= kWidestFNumber) || !(N <= kSmallestFNumber))
        return Refuse(facts, "The photo records an f-number of " + Named(N) + " (" + source +
                                 "), which is not used.");
    return RecordedNumber{N, source};
}

std::optional<RecordedNumber> SaneDistance(double metres, const std::string& source,
                                           PhotoFacts& facts) {
    if (!(metres > 0) || !(metres < kFarthestFocusM))
        return Refuse(facts, "The photo records a focus distance of " + Named(metres) + " m (" +
                                 source + "), which is not used.");
    return RecordedNumber{metres, source};
}

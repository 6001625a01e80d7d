#include "photo/photo_sanity.h"

#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <cmath>

namespace {
// "0", "12.5", "1e+300": the number as the sentence names it, or the word
// for what is no number.
std::string Named(double v) {
    if (!std::isfinite(v))
        return std::isnan(v) ? TR_NOOP("Photo", "not a number") : TR_NOOP("Photo", "infinite");
    return FormatShortest(v, 6, PlainNumberSettings());
}

// The sentence `text` naming the number `v` read from `source`.
std::optional<RecordedNumber> Refuse(PhotoFacts& facts, const char* text, double v,
                                     const std::string& source) {
    facts.nonsense.push_back({text, {Named(v), source}, std::isfinite(v) ? 0u : 1u});
    return std::nullopt;
}
} // namespace

std::optional<RecordedNumber> SaneFocalLength(double mm, const std::string& source,
                                              PhotoFacts& facts, bool equivalent) {
    if (!(mm > 0) || !(mm <= kLongestFocalLengthMm))
        return Refuse(facts,
                      equivalent ? TR_NOOP("Photo", "The photo records a 35 mm equivalent focal "
                                                    "length of %1 mm (%2), which is not used.")
                                 : TR_NOOP("Photo", "The photo records a focal length of %1 mm "
                                                    "(%2), which is not used."),
                      mm, source);
    return RecordedNumber{mm, source};
}

std::optional<RecordedNumber> SaneFNumber(double N, const std::string& source, PhotoFacts& facts) {
    if (!(N >= kWidestFNumber) || !(N <= kSmallestFNumber))
        return Refuse(facts,
                      TR_NOOP("Photo", "The photo records an f-number of %1 (%2), which is not "
                                       "used."),
                      N, source);
    return RecordedNumber{N, source};
}

std::optional<RecordedNumber> SaneDistance(double metres, const std::string& source,
                                           PhotoFacts& facts) {
    if (!(metres > 0) || !(metres < kFarthestFocusM))
        return Refuse(facts,
                      TR_NOOP("Photo", "The photo records a focus distance of %1 m (%2), which "
                                       "is not used."),
                      metres, source);
    // Nothing nearer than the focal length is ever in focus: such a distance
    // is what a lens without a distance scale or a maker note's 0 leaves.
    if (facts.focalLength && metres * 1000 <= facts.focalLength->value)
        return Refuse(facts,
                      TR_NOOP("Photo", "The photo records a focus distance of %1 m (%2), no "
                                       "farther than its focal length, which is not used."),
                      metres, source);
    return RecordedNumber{metres, source};
}

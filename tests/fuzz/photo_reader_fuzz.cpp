// Any bytes as a photo: read whole or refused in one sentence, never a crash
// nor a hang, whatever exiv2 meets in them; what is read crosses to the
// program unchanged; and any bytes as the reader's answer are an answer or
// none, never a crash.
#include "photo/photo_reader.h"
#include "photo/photo_sanity.h"
#include "photo/photo_wire.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PhotoFacts facts = ReadPhotoData(data, size, "fuzzed.jpg");
    // What is kept is within reason; the rest was named, never used.
    const auto outside = [](const std::optional<RecordedNumber>& n, double low, double high) {
        return n && !(n->value >= low && n->value <= high);
    };
    if (facts.file != "fuzzed.jpg" || outside(facts.focalLength, 0, kLongestFocalLengthMm) ||
        outside(facts.fNumber, kWidestFNumber, kSmallestFNumber) ||
        outside(facts.distance, 0, kFarthestFocusM) || facts.width < 0 ||
        facts.width > kLargestSide || facts.height > kLargestSide)
        std::abort();
    const std::string packed = PackPhotoFacts(facts);
    const std::optional<PhotoFacts> crossed = UnpackPhotoFacts(packed);
    if (!crossed || PackPhotoFacts(*crossed) != packed)
        std::abort();
    (void)UnpackPhotoFacts(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

#pragma once
// What a photo records of the shot that made it, as read from its metadata:
// each value with where it was found, what was not recorded, and what was
// recorded but makes no sense (named, never used).

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A sentence about a photo: its English text with places (%1, %2, …) and
// what fills them, made in the person's language only where it is shown
// (Said), so that it may be made where no translation is at hand (the
// process that reads photos). `words` marks the arguments that are words of
// the photo's texts, translated as well (bit i for argument i).
struct PhotoSentence {
    std::string text;
    std::vector<std::string> args;
    unsigned words = 0;   // the args (a bit each) that are words to translate
    unsigned lengths = 0; // the args that are lengths in metres ("1.25"), written in the unit
    bool empty() const { return text.empty(); }
};

// The sentence in the person's language, its lengths as `length` writes
// them (none: in metres, as "1.25 m").
std::string Said(const PhotoSentence& sentence,
                 const std::function<std::string(double metres)>& length = nullptr);
// A sentence made already, in the person's language.
PhotoSentence MadeSentence(std::string text);

// A number the photo records, and the metadata field it came from
// ("Exif.Photo.FNumber").
struct RecordedNumber {
    double value = 0;
    std::string source;
};

struct PhotoFacts {
    std::string file;        // the path as given
    std::string make, model; // as the camera writes them; empty when not recorded
    std::string makeSource, modelSource;
    std::string lens, lensSource;
    std::string lensMake;                      // Exif.Photo.LensMake
    std::string lensSpecification;             // Exif.Photo.LensSpecification: "24/1 105/1 4/1 4/1"
    std::optional<RecordedNumber> focalLength; // millimetres
    std::optional<RecordedNumber> focalLength35; // its 35 mm film equivalent
    std::optional<RecordedNumber> fNumber;
    std::optional<RecordedNumber> distance; // the focus distance, metres
    bool distanceInfinite = false;          // recorded as infinity
    std::string infiniteSource;             // the field that records it so
    PhotoSentence distanceNote;             // how a maker note's range was read, when it was
    // A distance known only as a range (Canon's) or by coarse steps
    // (Nikon's lens data): the nearest and farthest it may be, metres.
    std::optional<std::pair<double, double>> distanceRange;
    int width = 0, height = 0;         // pixels; 0 when not recorded
    std::string sizeSource;            // the field; empty for the image's own size
    std::string dateTaken, dateSource; // "2024:05:01 10:20:30"
    // Values recorded that make no sense, each named in a sentence.
    std::vector<PhotoSentence> nonsense;
    // The photo's own embedded preview, as stored (a JPEG mostly), when
    // one was asked for and it has one small enough.
    std::string preview;
    // Why the file could not be read at all, in one sentence; empty when it could.
    PhotoSentence refusal;
};

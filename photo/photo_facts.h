#pragma once
// What a photo records of the shot that made it, as read from its metadata:
// each value with where it was found, what was not recorded, and what was
// recorded but makes no sense (named, never used).

#include <optional>
#include <string>
#include <vector>

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
    std::optional<RecordedNumber> focalLength;   // millimetres
    std::optional<RecordedNumber> focalLength35; // its 35 mm film equivalent
    std::optional<RecordedNumber> fNumber;
    std::optional<RecordedNumber> distance; // the focus distance, metres
    bool distanceInfinite = false;          // recorded as infinity
    std::string distanceNote;               // how a maker note's range was read, when it was
    int width = 0, height = 0;              // pixels; 0 when not recorded
    std::string sizeSource;
    std::string dateTaken, dateSource; // "2024:05:01 10:20:30"
    // Values recorded that make no sense, each named in a sentence.
    std::vector<std::string> nonsense;
    // Why the file could not be read at all, in one sentence; empty when it could.
    std::string refusal;
};

#pragma once

#include <cstdint>
#include <string_view>

struct CameraRecord {
    std::int32_t index; // equals the record's position in the table
    const char* name;
    const char* exifName;
    const char* sensorSizeText;
    const char* imageSizeText;
    const char* megapixelsText;
    const char* imageRatioText;
    const char* imageCircleText;
    double cropFactor;        // 36 × 24 mm diagonal over the format's diagonal
    double circleOfConfusion; // the format's stated value, for reference only
    double sensorWidth;
    double sensorHeight;
};

inline constexpr int kCameraCount = 57;
extern const CameraRecord cameraTable[kCameraCount];

// The record whose index a camera list entry carries as its value text; null
// for a text that names none.
const CameraRecord* CameraForValue(std::string_view indexText);

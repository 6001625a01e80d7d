#pragma once
// The texts the camera information form shows for one record.

#include "calc/number_text.h"

#include <array>
#include <string>

struct CameraRecord;

// Name, EXIF name, sensor size, image size, resolution, image ratio, image
// circle, crop factor, and the chosen circle of confusion scaled to the format.
using CameraInfoTexts = std::array<std::string, 9>;

CameraInfoTexts DescribeCamera(const CameraRecord& record, std::string_view cofcValue,
                               const NumberSettings& settings);

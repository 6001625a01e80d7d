#pragma once
// What passes between the program and the process that reads its photos
// (vextondof-photo-reader): a request names a file, the answer is what the
// photo records. The reader's first frame is its build's stamp.

#include "photo/photo_facts.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* kPhotoReaderProgram = "vextondof-photo-reader";

struct PhotoRequest {
    std::string path;     // as given: opened by the reader as a file, never as anything else
    std::string shownAs;  // names the file in a refusal; the path when empty
    bool preview = false; // the photo's embedded preview wanted too
};

std::string PackPhotoRequest(const PhotoRequest& request);
std::optional<PhotoRequest> UnpackPhotoRequest(std::string_view bytes);

std::string PackPhotoFacts(const PhotoFacts& facts);
// None for bytes that are not one whole answer.
std::optional<PhotoFacts> UnpackPhotoFacts(std::string_view bytes);

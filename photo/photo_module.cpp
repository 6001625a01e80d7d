// The photo module: exiv2's reading of a photo, for ReadPhotoThroughModule
// to load when the first photo is read.
#include "photo/photo_loading.h"
#include "photo/photo_reader.h"

extern "C" __attribute__((visibility("default"))) void
vexton_read_photo(const std::string* path, const std::string* shownAs, PhotoFacts* out) {
    *out = ReadPhoto(*path, *shownAs);
}

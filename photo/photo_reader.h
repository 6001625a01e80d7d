#pragma once
// Reading what a photo records with exiv2: JPEG, TIFF, DNG, PNG with Exif,
// and the raw formats exiv2 reads (NEF, CR2, ARW, ORF, RW2, PEF, RAF, SRW …).
// A file that is no photo, or a damaged one, is said in `refusal`; exiv2's
// own complaints never reach the terminal.

#include "photo/photo_facts.h"

#include <cstddef>
#include <string>

// The largest file read; photos beyond it are refused unread.
inline constexpr unsigned long long kLargestPhotoBytes = 2ULL << 30;

// `shownAs` names the file in a refusal (its path, unless told otherwise).
PhotoFacts ReadPhoto(const std::string& path, const std::string& shownAs = {});
// The same from bytes in memory, `name` standing for the file.
PhotoFacts ReadPhotoData(const unsigned char* data, std::size_t size, const std::string& name);

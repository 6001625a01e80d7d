#pragma once
// Reading what a photo records with exiv2: JPEG, TIFF, DNG, PNG with Exif,
// HEIF, and the raw formats exiv2 reads (NEF, CR2, CR3, ARW, ORF, RW2, PEF,
// RAF, SRW …). It runs in the reader's own process (vextondof-photo-reader),
// where whatever a hostile file does to exiv2 ends that process alone.
// A file that is no photo, or a damaged one, is said in `refusal`; exiv2's
// own complaints never reach the terminal.

#include "photo/photo_facts.h"

#include <cstddef>
#include <functional>
#include <string>

// The largest file read; photos beyond it are refused unread. A file is
// read whole into memory (never mapped), so this is also the most memory a
// photo takes.
inline constexpr unsigned long long kLargestPhotoBytes = 1ULL << 30;

// `shownAs` names the file in a refusal (its path, unless told otherwise).
// The file is opened as a file and nothing else, read into memory and told
// by its first bytes: only a photo of a kind the program reads (see
// photo_kind.h) reaches exiv2. `stillReading` is called now and then while
// a large file is read. `preview`: its smallest embedded preview too.
PhotoFacts ReadPhoto(const std::string& path, const std::string& shownAs = {},
                     const std::function<void()>& stillReading = {}, bool preview = false);
// The same from bytes in memory, `name` standing for the file.
PhotoFacts ReadPhotoData(const unsigned char* data, std::size_t size, const std::string& name,
                         bool preview = false);

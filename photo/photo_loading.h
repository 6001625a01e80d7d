#pragma once
// Photos are read by a module loaded the first time one is: exiv2, and all
// it brings, is never loaded by a run that reads no photo (the window's
// start and every other verb stay as light as before).

#include "photo/photo_facts.h"

#include <string>

// How a photo is read: `shownAs` names the file in a refusal (its path when
// empty). ReadPhoto (photo_reader.h) is one; ReadPhotoThroughModule the one
// the program uses.
using PhotoReader = PhotoFacts (*)(const std::string& path, const std::string& shownAs);

// The module's file name and its one entry point, which reads a photo as
// ReadPhoto does, its sentences in the program's language: `catalog` is the
// program's (none for English), which the module has no copy of.
inline constexpr const char* kPhotoModule = "libvexton-photo.so";
inline constexpr const char* kPhotoEntryName = "vexton_read_photo";
class TextCatalog;
extern "C" using PhotoEntry = void(const std::string* path, const std::string* shownAs,
                                   const TextCatalog* catalog, PhotoFacts* out);

// Beside the program (a build, a portable folder), or where the program's
// install puts it; a refusal that says so where the module cannot be had.
PhotoFacts ReadPhotoThroughModule(const std::string& path, const std::string& shownAs = {});

#pragma once
// lensfun's database as it was last read, kept in the person's cache
// folder: reading the XML takes tens of milliseconds, which a script that
// reads a shoot photo by photo would pay at every run. The copy is used only
// while it answers to the database's files as they are now (their names,
// sizes and times), only when it is the running user's own and no one
// else's to write, and only when this build wrote it; it is written whole
// or not at all.

#include "finder/lensfun_cameras.h"

#include <optional>
#include <string>
#include <string_view>

// What the database's files are now: each folder's XML files and timestamp
// with their sizes and times, and this build's own stamp.
std::string DatabaseSignature(const LensfunFolders& folders);

std::string PackDatabase(const CameraDatabase& database, std::string_view signature);
// None for bytes that are not one whole copy, or a copy of other files.
std::optional<CameraDatabase> UnpackDatabase(std::string_view bytes, std::string_view signature);

// Where the copy is kept: $XDG_CACHE_HOME/vextondof/lensfun.cache, else
// under HOME's .cache; empty when neither is set.
std::string LensfunCacheHere();

// The database read from `folders`, through the copy at `cacheFile` (none:
// read from the files alone).
CameraDatabase CachedLensfunDatabase(const LensfunFolders& folders, const std::string& cacheFile);

#pragma once
// The settings file "vextondof.ini" beside the executable: the five stored
// choices as string records.

#include "framework/exceptions.h"

#include <string>

class CDataState;

inline constexpr const char* kSettingsFileName = "vextondof.ini";

// The program's folder plus the file name; derived afresh on every call.
std::string GetSettingsFilePath();

// Reads the five records into `state`, each field as soon as it is read.
// False when the file cannot be opened or any record cannot be read whole;
// never shows or throws anything.
bool LoadSettings(CDataState* state);

// Writes the five records. The new file is written beside the old one and put
// in its place only once all of it is on disk, so a failed save leaves the
// previous settings intact. On false, `error` (when given) holds the cause
// and the settings file's path for the file-error report.
bool SaveSettings(const CDataState* state, CFileException* error = nullptr);

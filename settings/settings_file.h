#pragma once
// The settings file "vextondof.ini": the five stored choices as string records.

#include "framework/exceptions.h"

#include <string>

class CDataState;

inline constexpr const char* kSettingsFileName = "vextondof.ini";

// Where the settings file of the program at `programPath` lives: in the
// program's folder where the user may create files there, or where an
// administrator prepared one there; otherwise in the user's configuration
// folder, under vextondof/. When neither can hold it, the program's folder,
// so that what cannot be saved is named where it was looked for.
std::string SettingsFilePath(const std::string& programPath, const std::string& configHome);

// Reads the five records into `state`, each field as soon as it is read.
// False when the file cannot be opened or any record cannot be read whole;
// never shows or throws anything. When another instance held the file for
// longer than a save takes, `held` is set: what it holds is then unknown,
// not damaged, and must not be written over.
bool LoadSettings(const std::string& path, CDataState* state, bool* held = nullptr);

// Writes the five records, into the file a link names rather than over the
// link. The file holds at every moment either the old or the new choices,
// and a file the user may not read or write is left as it is. On false,
// `error` (when given) holds the cause and the path for the file-error report.
bool SaveSettings(const std::string& path, const CDataState* state,
                  CFileException* error = nullptr);

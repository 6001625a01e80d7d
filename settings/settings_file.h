#pragma once
// The settings file "vextondof.ini": the five stored choices as string records.

#include "framework/base/exceptions.h"

#include <string>

class CDataState;

inline constexpr const char* kSettingsFileName = "vextondof.ini";

// How long a load waits while another instance holds the file: a save takes
// milliseconds. A save waits longer before it fails, for a save on a slow
// disk (each save reaches the disk before it lets go).
inline constexpr int kSettingsWaitMs = 1000;
inline constexpr int kSettingsSaveWaitMs = 3000;

// Where the settings file is, and whether its folder is the program's own
// configuration folder, made (for this user alone) by the first save that
// needs it. No other folder is ever made.
struct SettingsLocation {
    SettingsLocation(std::string file = {}, bool ownFolder = false)
        : path(std::move(file)), makesFolder(ownFolder) {}
    std::string path;
    bool makesFolder;
};

// Where the settings file of the program at `programPath` lives, decided
// once for a run: in the program's folder when only the user (or the
// administrator) may write there and the user may create files there or an
// administrator prepared one there; otherwise in the user's configuration
// folder, under vextondof/. When that can neither be found nor made, the
// program's folder, so that what cannot be saved is named where it was
// looked for. Either folder is used only while only its owner, the user or
// the administrator, may write in it; links on the way are followed only
// where their owners may be trusted (see ResolvePlace).
SettingsLocation SettingsFilePath(const std::string& programPath, const std::string& configHome);

// Reads the five records into `state`, each field as soon as it is read.
// False when the file cannot be opened or any record cannot be read whole;
// never shows or throws anything. When another instance held the file for
// longer than `waitMs`, `heldByAnother` is set: what it holds is then unknown, not
// damaged, and must not be written over.
bool ReadSettingsFile(const SettingsLocation& where, CDataState* state,
                      bool* heldByAnother = nullptr, int waitMs = kSettingsWaitMs);

// Writes the five records, into the file a trusted link names rather than
// over the link. The file holds at every moment either the old or the new
// choices, keeps its owner, group and permissions, and a file the user may
// not read or write is left as it is. On false, `error` (when given) holds
// the cause and the path for the file-error report.
bool WriteSettingsFile(const SettingsLocation& where, const CDataState* state,
                       CFileException* error = nullptr);

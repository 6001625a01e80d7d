#pragma once
// The settings file "vextondof.ini": the five stored choices as string records.

#include "framework/base/exceptions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class CDataState;
class CFile;

inline constexpr const char* kSettingsFileName = "vextondof.ini";

// How long a load waits while another instance holds the file: a save takes
// milliseconds. A save waits longer before it fails, for a save on a slow
// disk (each save reaches the disk before it lets go).
inline constexpr int kSettingsWaitMs = 1000;
inline constexpr int kSettingsSaveWaitMs = 3000;

// How long the terminal waits while another instance holds the file, and
// after how long the window tells the person that it still does.
inline constexpr int kSettingsHeldPatienceMs = 5000;

// Where the settings file is, and whether its folder is the program's own
// configuration folder, made (for this user alone) by the first save that
// needs it. No other folder is ever made. An empty path keeps the choices
// for the run only: nothing is read, and a save keeps them without writing.
// `note` is what the person is told once about where the choices go, when
// it is not where they would look.
struct SettingsLocation {
    SettingsLocation(std::string file = {}, bool ownFolder = false, std::string why = {})
        : path(std::move(file)), makesFolder(ownFolder), note(std::move(why)) {}
    std::string path;
    bool makesFolder;
    std::string note;
    bool KeptForTheRunOnly() const { return path.empty(); }
};

// Where the settings file of the program at `programPath` lives, decided
// once for a run. In the program's folder for a copy not installed with the
// system (never under /usr, /bin, /sbin, /lib*, /opt, /snap or the install
// prefix's programs folder, whoever runs it), when only the user (or the
// administrator) may write there and the user may create files there or an
// administrator prepared one there that the user may write. Otherwise in the
// user's configuration folder, under vextondof/, when that folder is the
// user's own (or missing from a folder of the user's); a configuration
// folder of someone else's that the user could write in is never used, and
// the choices are then kept for the run only. When the configuration folder
// can neither be found nor made, the program's folder (or, for an installed
// program, the configuration folder), so that what cannot be saved is named
// where it was looked for. Folders and links on the way are walked as
// ResolvePath walks them.
SettingsLocation SettingsLocationFor(const std::string& programPath, const std::string& configHome);

// Whether `folder` (a full path) is one of the system's, where installed
// programs live.
bool IsSystemFolder(const std::string& folder);

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

// Another file of the program's beside the settings file, called `name`:
// in the same folder, made by the first save that needs it as that file's is.
SettingsLocation BesideSettings(const SettingsLocation& settings, const std::string& name);

// Reading and writing any file kept where the settings file is, under the
// same rules as it: the same folder lock and waits, `read` given the file
// opened (false when it cannot be opened or `read` throws), and `write`
// the replacement that takes the old file's place whole or not at all.
bool ReadStoredFile(const SettingsLocation& where, const std::function<void(CFile&)>& read,
                    bool* heldByAnother = nullptr, int waitMs = kSettingsWaitMs);
bool WriteStoredFile(const SettingsLocation& where, const std::function<void(CFile&)>& write,
                     CFileException* error = nullptr);

// A change to such a file that no other program's change can come between:
// the file is read and written under one hold of the folder's lock. `change`
// gets the content (none when there is no file yet) and makes the new one,
// or returns false to leave the file as it is. False also when the file
// could not be reached, read or written (`error` says why), or holds more
// than `largest` bytes (`tooLarge`; the file is left alone).
bool UpdateStoredFile(
    const SettingsLocation& where, std::uint64_t largest,
    const std::function<bool(const std::optional<std::string>& old, std::string& now)>& change,
    CFileException* error = nullptr, bool* tooLarge = nullptr);

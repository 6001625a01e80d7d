#pragma once
// What the framework asks of the machine it runs on. The application object
// owns one; a test harness hands it one of its own.

#include "framework/base/calendar_time.h"
#include "framework/base/number_format.h"

#include <chrono>
#include <string>
#include <vector>

struct ScreenSize {
    int width;
    int height;
};

class CPlatform {
  public:
    virtual ~CPlatform() = default;

    virtual ScreenSize GetScreenSize() const = 0;
    // The user's number settings, read afresh on every call.
    virtual NumberSettings GetNumberSettings() const = 0;
    // Whether the person's locale measures lengths in metres (not in feet,
    // as the United States does; nor when it names no country's ways).
    virtual bool MeasuresInMetres() const = 0;
    // A date and time in the person's own short way of writing them.
    virtual std::string DateTimeText(const CalendarTime& t) const = 0;
    // The interface language the desktop asks for, of `available` ("de",
    // "fr"); "" for English.
    virtual std::string GetInterfaceLanguage(const std::vector<std::string>& available) const = 0;
    // The full path of the running program's file.
    virtual std::string GetProgramPath() const = 0;
    // The folder for the user's configuration files.
    virtual std::string GetConfigHome() const = 0;
    // The system the program runs on, as a person names it: its name and
    // release, and the processor's architecture.
    virtual std::string GetSystemName() const = 0;
    // The time on a steady clock, for what waits on time; a test harness may
    // move it on rather than wait.
    virtual std::chrono::milliseconds SteadyNow() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
    // Where a file is to be saved, as the person chooses it (the desktop's
    // file dialog): its full path, or "" when the person chose none.
    virtual std::string ChooseSaveFile(const std::string& title, const std::string& suggestedName,
                                       const std::string& filter) const = 0;
    // A file to open, as the person chooses it (the desktop's file dialog,
    // showing what `filter` names): its full path, or "" when none.
    virtual std::string ChooseOpenFile(const std::string& title,
                                       const std::string& filter) const = 0;
    // Files to open, or a folder, as the person chooses them: their full
    // paths, empty when none. Where the desktop has no such dialog, one file.
    virtual std::vector<std::string> ChooseOpenFilesOrFolder(const std::string& title,
                                                             const std::string& filter) const {
        std::string one = ChooseOpenFile(title, filter);
        return one.empty() ? std::vector<std::string>() : std::vector<std::string>{std::move(one)};
    }
};

#pragma once
// A room: a feature's form that the main form opens by a command of its
// menu bar. Its folder defines the room (the command and what opening it
// does) and the program's table of rooms lists it in one line; the main form
// holds none of its logic. What a room may ask of the main form, and hand
// back to it, is its `MainForm`: the window to open over, the lens of the
// choices (asked for as a press of Calculate asks for them), the person's
// files and cameras, and the choices it hands back to be shown.

#include "calc/lens.h"
#include "framework/base/dialog_template.h"
#include "lenses/lens_catalog.h"

#include <optional>
#include <string>
#include <vector>

class CWnd;
struct CameraRecord;
struct FoundCamera;
struct SettingsLocation;

// A number a room hands a list of numbers: the name it is shown by
// ("f/6.3", "17.67"), the text typed where the list has no such entry
// ("6.3", "17.67 mm") and its value ("6.3").
struct NumberToShow {
    std::string name, typed, value;
};

// What a room hands back for the main form to show; what is not set stays
// as it is.
struct ChoicesToUse {
    bool rereadCameras = false; // the person's cameras changed: the camera list is filled again
    // The camera to select, or show as typed; after a reread, an empty name
    // selects the list's first.
    std::optional<std::string> camera;
    std::optional<NumberToShow> focalLength, aperture;
    std::optional<std::string> distance; // as typed
    bool clearDiopter = false;
    std::optional<std::string> cofc; // typed into the circle-of-confusion list
    // The lens to work with (holding none: no lens); its lists then offer
    // what it can do, and it is kept for the next run.
    std::optional<std::optional<LensRecord>> lens;
};

class MainForm {
  public:
    virtual ~MainForm() = default;
    // The form to open over.
    virtual CWnd* Window() = 0;
    // The lens of the choices; none, after saying which choice is missing.
    virtual std::optional<Lens> RequireLens() = 0;
    // The same, quietly: none when a choice is missing.
    virtual std::optional<Lens> LensAsShown() = 0;
    // The lens the main form works with; none for no lens.
    virtual std::optional<LensRecord> ChosenLens() = 0;
    // The mount of the camera list's camera; empty when not known.
    virtual std::string CameraMount() = 0;
    // The same, once its focal length after the close-up lens is one a
    // table can be made for (it is shown on the main form).
    virtual std::optional<Lens> RequireTableLens() = 0;
    // The camera list's selected camera; none, after asking for one.
    virtual const CameraRecord* RequireSelectedCamera() = 0;
    // The value of what list `id` (IDC_…) holds, selected or typed; none
    // when it holds nothing that reads as a choice.
    virtual std::optional<std::string> ChosenValue(int id) = 0;
    // The text list `id` shows.
    virtual std::string ShownText(int id) = 0;
    // Where the person's files are: the settings file, and their cameras beside it.
    virtual const SettingsLocation& PersonsFiles() = 0;
    // The person's own cameras, as the camera list holds them.
    virtual const std::vector<FoundCamera>& OwnCameras() = 0;
    // The camera chosen before the list's "Other camera…" was: its name
    // when it is one of the person's own, empty otherwise.
    virtual std::string OwnCameraBefore() = 0;
    // Shows what a room hands back.
    virtual void Use(const ChoicesToUse& choices) = 0;
};

struct Room {
    // Its line of the main form's File menu: the command that opens it, the
    // text (marked for translation in "File menu") and the shortcut.
    MenuItem menu;
    void (*open)(MainForm& main);
    // What it does with files or folders dropped on the main form, or named
    // when the program was started: true when it took them; null: none.
    bool (*drop)(MainForm& main, const std::vector<std::string>& paths) = nullptr;
};

// The room `command` opens among `rooms`; null for none.
const Room* RoomOf(const std::vector<const Room*>& rooms, int command);

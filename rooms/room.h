#pragma once
// A room: a feature's form that the main form opens by a command of its
// menu bar. Its folder defines the room (the command and what opening it
// does) and the program's table of rooms lists it in one line; the main form
// holds none of its logic. What a room may ask of the main form is its
// `MainForm`: the window to open over and the lens of the choices, asked
// for as a press of Calculate asks for them.

#include "calc/lens.h"

#include <optional>
#include <vector>

class CWnd;

class MainForm {
  public:
    virtual ~MainForm() = default;
    // The form to open over.
    virtual CWnd* Window() = 0;
    // The lens of the choices; none, after saying which choice is missing.
    virtual std::optional<Lens> RequireLens() = 0;
    // The same, once its focal length after the close-up lens is one a
    // table can be made for (it is shown on the main form).
    virtual std::optional<Lens> RequireTableLens() = 0;
};

struct Room {
    int command; // the menu command that opens it
    void (*open)(MainForm& main);
};

// The room `command` opens among `rooms`; null for none.
const Room* RoomOf(const std::vector<const Room*>& rooms, int command);

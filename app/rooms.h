#pragma once
// The rooms the main form opens, one line each in rooms.cpp.

#include "rooms/room.h"

#include <vector>

const std::vector<const Room*>& Rooms();

// Registers the main form's menu bar: its template's, with each room's line
// at the head of the File menu, in the rooms' order. After the program's
// resources are registered.
void RegisterMenuBar();

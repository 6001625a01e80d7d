#pragma once
// The rooms the main form opens, one line each in rooms.cpp.

#include "rooms/room.h"

#include <vector>

const std::vector<const Room*>& Rooms();

#include "rooms/room.h"

const Room* RoomOf(const std::vector<const Room*>& rooms, int command) {
    for (const Room* room : rooms)
        if (room->menu.command == command)
            return room;
    return nullptr;
}

#include "app/rooms.h"

// A room, by the name its folder defines it under.
#define ROOM(name)                                                                                 \
    [] {                                                                                           \
        extern const Room name;                                                                    \
        return &name;                                                                              \
    }()

// The rooms, a line each.
const std::vector<const Room*>& Rooms() {
    // clang-format off
    static const std::vector<const Room*> rooms = {
        ROOM(kTableRoom),
        ROOM(kChartRoom),
        ROOM(kPlanRoom),
        ROOM(kChooseCameraRoom),
        ROOM(kPhotoRoom),
        ROOM(kCocRoom),
    };
    // clang-format on
    return rooms;
}

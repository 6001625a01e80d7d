#include "app/rooms.h"

// Each room is defined in its own folder.
const std::vector<const Room*>& Rooms() {
    static const std::vector<const Room*> rooms = {
        [] {
            extern const Room kTableRoom;
            return &kTableRoom;
        }(),
        [] {
            extern const Room kChartRoom;
            return &kChartRoom;
        }(),
        [] {
            extern const Room kPlanRoom;
            return &kPlanRoom;
        }(),
    };
    return rooms;
}

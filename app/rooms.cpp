#include "app/rooms.h"

#include "framework/base/resources.h"
#include "resources/resource.h"

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
        ROOM(kChooseLensRoom),
        ROOM(kPhotoRoom),
        ROOM(kShootRoom),
        ROOM(kCocRoom),
        ROOM(kCloseUpRoom),
    };
    // clang-format on
    return rooms;
}

void RegisterMenuBar() {
    static const std::vector<MenuTemplate> bars = [] {
        std::vector<MenuTemplate> made;
        if (const MenuTemplate* bar = FindMenuTemplate(IDD_VEXTONDOFCE_DIALOG)) {
            made.push_back(*bar);
            std::vector<MenuItem>& file = made.front().popups.front().items;
            std::vector<MenuItem> rooms;
            for (const Room* room : Rooms())
                rooms.push_back(room->menu);
            file.insert(file.begin(), rooms.begin(), rooms.end());
        }
        return made;
    }();
    AfxRegisterMenus(bars);
}

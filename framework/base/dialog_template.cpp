#include "framework/base/dialog_template.h"

ItemBox GrownBox(ItemBox item, ItemBox grower, int dx, int dy) {
    if (item == grower)
        return {item.x, item.y, item.cx + dx, item.cy + dy};
    const int growerRight = grower.x + grower.cx, growerBottom = grower.y + grower.cy;
    if (item.y >= growerBottom)
        item.y += dy;
    if (item.x >= growerRight)
        item.x += dx;
    else if (item.x + item.cx >= growerRight)
        item.cx += dx;
    return item;
}

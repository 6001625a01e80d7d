#include "framework/base/dialog_template.h"

#include "framework/base/translate.h"

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

std::vector<std::string> LabelsBefore(const DialogTemplate& form, int first, int last) {
    std::vector<std::string> labels;
    for (std::size_t i = 1; i < form.items.size(); ++i)
        if (form.items[i].id >= first && form.items[i].id <= last)
            labels.push_back(Tr(form.caption, form.items[i - 1].text));
    return labels;
}

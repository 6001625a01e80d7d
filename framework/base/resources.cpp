#include "framework/base/resources.h"

namespace {
ProgramResources g_resources;

template <class T, class Key> const T* FindIn(std::span<const T> all, Key key) {
    for (const T& r : all)
        if (key(r))
            return &r;
    return nullptr;
}
} // namespace

void AfxRegisterResources(const ProgramResources& resources) {
    g_resources = resources;
}

void AfxRegisterMenus(std::span<const MenuTemplate> menus) {
    g_resources.menus = menus;
}

const DialogTemplate* FindDialogTemplate(int id) {
    return FindIn(g_resources.templates, [id](const DialogTemplate& t) { return t.id == id; });
}

const DialogInitialData* FindDialogInitialData(int dialogId) {
    return FindIn(g_resources.initialData,
                  [dialogId](const DialogInitialData& d) { return d.dialogId == dialogId; });
}

const char* FindStringResource(int id) {
    const StringResource* s =
        FindIn(g_resources.strings, [id](const StringResource& r) { return r.id == id; });
    return s ? s->text : "";
}

const IconResource* FindIconResource(int id) {
    return FindIn(g_resources.icons, [id](const IconResource& r) { return r.id == id; });
}

const MenuTemplate* FindMenuTemplate(int dialogId) {
    return FindIn(g_resources.menus,
                  [dialogId](const MenuTemplate& m) { return m.dialogId == dialogId; });
}

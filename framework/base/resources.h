#pragma once
// The resources a program hands the framework once, at start-up: its form
// templates, the entries its forms are created with, its strings and icons.

#include "framework/base/dialog_template.h"

#include <cstdint>
#include <span>

struct StringResource {
    int id;
    const char* text;
};

struct IconResource {
    int id;
    int width, height;
    const std::uint32_t* pixels; // premultiplied 0xAARRGGBB, row by row
};

struct ProgramResources {
    std::span<const DialogTemplate> templates;
    std::span<const DialogInitialData> initialData;
    std::span<const StringResource> strings;
    std::span<const IconResource> icons;
    std::span<const MenuTemplate> menus;
};

inline constexpr int AFX_IDS_APP_TITLE = 0xE000;

// Replaces what was registered before; the resources must outlive their use.
void AfxRegisterResources(const ProgramResources& resources);
// Replaces the registered menu bars alone: a program that makes its own at
// start. They must outlive their use.
void AfxRegisterMenus(std::span<const MenuTemplate> menus);

// Null (or "" for a string) when the program registered no such resource.
const DialogTemplate* FindDialogTemplate(int id);
const DialogInitialData* FindDialogInitialData(int dialogId);
const char* FindStringResource(int id);
const IconResource* FindIconResource(int id);
const MenuTemplate* FindMenuTemplate(int dialogId);

#pragma once
// Basic types, command ids and the message map of the framework layer.

#include "framework/base/cstring.h"
#include "framework/base/object.h"

#include <cstdint>
#include <string>
#include <vector>

using BOOL = int;
inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;
using UINT = unsigned int;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using COLORREF = std::uint32_t; // red in bits 0..7, green 8..15, blue 16..23

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return c & 0xFF;
}
constexpr int GetGValue(COLORREF c) {
    return (c >> 8) & 0xFF;
}
constexpr int GetBValue(COLORREF c) {
    return (c >> 16) & 0xFF;
}

enum : int { IDOK = 1, IDCANCEL = 2 };
// Control notification codes: a click, a list's new selection, a grid's
// row moved to, a text typed into a list's field, an edit box's changed
// text, a grid's column header clicked, a grid's row double-clicked.
enum : int {
    NM_DBLCLK = -3,
    LVN_COLUMNCLICK = -108,
    BN_CLICKED = 0,
    STN_CLICKED = 0,
    CBN_SELCHANGE = 1,
    LBN_SELCHANGE = 1,
    CBN_EDITCHANGE = 5,
    EN_CHANGE = 0x0300
};
enum : int { COLOR_WINDOW = 5 };
enum : int { SM_CXSCREEN = 0, SM_CYSCREEN = 1 };
enum : int { CTLCOLOR_STATIC = 6 };

class CWnd;
class CDC;
class CBrush;

// What a form's message map routes to its handlers.
enum class MessageKind { End, Command, Size, CtlColorReflect, Timer, DropFiles };

using CommandHandler = void (CWnd::*)();
using SizeHandler = void (CWnd::*)(UINT type, int cx, int cy);
using CtlColorHandler = CBrush* (CWnd::*)(CDC* dc, UINT ctlColor);
using TimerHandler = void (CWnd::*)(UINT_PTR id);
// Files dropped on a form, as full paths.
using DropFilesHandler = void (CWnd::*)(const std::vector<std::string>& paths);

struct MessageMapEntry {
    MessageKind kind;
    int id;   // Command: the command or control id
    int code; // Command: the notification code
    CommandHandler command;
    SizeHandler size;
    CtlColorHandler ctlColor;
    TimerHandler timer;
    DropFilesHandler dropFiles = nullptr;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
  protected:                                                                                       \
    const MessageMap* GetMessageMap() const override;                                              \
    static const MessageMap* GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(cls, baseClass)                                                          \
    const MessageMap* cls::GetMessageMap() const {                                                 \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const MessageMap* cls::GetThisMessageMap() {                                                   \
        using ThisClass = cls;                                                                     \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { MessageKind::End, 0, 0, nullptr, nullptr, nullptr, nullptr }                                 \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map = {TheBaseClass::GetThisMessageMap(), entries};                    \
    return &map;                                                                                   \
    }

#define ON_COMMAND(id, fn)                                                                         \
    {MessageKind::Command,                                                                         \
     id,                                                                                           \
     0,                                                                                            \
     static_cast<CommandHandler>(&ThisClass::fn),                                                  \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr},
#define ON_CONTROL(code, id, fn)                                                                   \
    {MessageKind::Command,                                                                         \
     id,                                                                                           \
     code,                                                                                         \
     static_cast<CommandHandler>(&ThisClass::fn),                                                  \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_WM_SIZE()                                                                               \
    {MessageKind::Size, 0,      0, nullptr, static_cast<SizeHandler>(&ThisClass::OnSize),          \
     nullptr,           nullptr},
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    {MessageKind::CtlColorReflect,                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<CtlColorHandler>(&ThisClass::CtlColor),                                           \
     nullptr},
#define ON_WM_TIMER()                                                                              \
    {MessageKind::Timer,                                                                           \
     0,                                                                                            \
     0,                                                                                            \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<TimerHandler>(&ThisClass::OnTimer)},
// Files dropped on the form (which takes them once DragAcceptFiles says so).
#define ON_WM_DROPFILES()                                                                          \
    {MessageKind::DropFiles,                                                                       \
     0,                                                                                            \
     0,                                                                                            \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     nullptr,                                                                                      \
     static_cast<DropFilesHandler>(&ThisClass::OnDropFiles)},

#pragma once
// Form templates: controls by id, kind, style and rectangle in dialog units.

#include <string>
#include <vector>

enum class ControlKind {
    Static,
    Edit,
    Button,
    ComboBox,
    Table,    // a grid of texts with column and row headers
    Check,    // a check box
    Picture,  // a drawing the program paints, with its content in words
    Progress, // how far a long task has come: a bar with its words
};

// Control styles (our own bit values).
enum ControlStyle : unsigned {
    kStyleNone = 0,
    SS_NOTIFY = 1u << 0,         // a static that reports taps
    SS_LEFTNOWORDWRAP = 1u << 1, // a static whose text is cut, not wrapped
    ES_READONLY = 1u << 2,
    ES_AUTOHSCROLL = 1u << 3,
    WS_BORDER = 1u << 4,
    WS_TABSTOP = 1u << 5,
    WS_VSCROLL = 1u << 6,
    WS_GROUP = 1u << 7,
    CBS_DROPDOWN = 1u << 8, // a list with an edit field
    CBS_SORT = 1u << 9,
};

inline constexpr int IDC_STATIC = 65535;

struct DialogItem {
    int id;
    ControlKind kind;
    unsigned style;
    int x, y, cx, cy; // dialog units
    const char* text;
};

// The height a control takes on the form, in dialog units: a list's template
// height includes its drop-down part, of which only the selection field shows.
inline int ShownHeight(const DialogItem& item) {
    return item.kind == ControlKind::ComboBox ? 14 : item.cy;
}

// Which label belongs to a control: it names the control to assistive
// technology and its help is what F1 in the control asks for. `name`, when
// given, is the name instead of the label's text. A control the table leaves
// out belongs to the static text just before it in the template, if any.
struct ControlLabel {
    int controlId;
    int labelId;
    const char* name;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int cx, cy; // dialog units
    int pointSize;
    std::vector<DialogItem> items;
    std::vector<ControlLabel> labels;
};

// The labels of the controls `first` to `last` (ids) of `form`, in its
// order: the text of the item just before each, translated as the form
// shows it. For a program that writes what a form shows.
std::vector<std::string> LabelsBefore(const DialogTemplate& form, int first, int last);

// A form's menu bar: menus of commands, each sent to the form as a button's
// click with its id would be. A "&" marks the mnemonic; the shortcut is a
// key sequence as Qt writes it ("Ctrl+T", "F1"), or null.
struct MenuItem {
    int command;
    const char* text;
    const char* shortcut;
};
struct MenuPopup {
    const char* text;
    std::vector<MenuItem> items;
};
struct MenuTemplate {
    int dialogId; // the form that carries it
    std::vector<MenuPopup> popups;
};

// Entries a list control holds when its form is created.
struct DialogInitialData {
    int dialogId;
    int controlId;
    std::vector<const char*> entries;
};

// A control's place on a form, in pixels.
struct ItemBox {
    int x, y, cx, cy;
    bool operator==(const ItemBox&) const = default;
};

// Where a control stands once its form has grown by `dx` and `dy` and one
// control, `grower`, takes that room: the grower grows by both; a control
// wholly below it moves down; one wholly right of it moves right; one that
// reaches from its left to its right edge widens with it.
ItemBox GrownBox(ItemBox item, ItemBox grower, int dx, int dy);

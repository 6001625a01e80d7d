#pragma once
// The Qt widgets behind the controls of a form template: what every kind of
// control shares, and each kind's operations, looked up by kind. A kind
// lives in a file of its own (kind_*.cpp: its widget and its operations)
// and is entered once in the table in widgets.cpp.

#include "framework/base/dialog_template.h"

#include <QLineEdit>
#include <QString>
#include <functional>
#include <string_view>

class QSize;
class QWidget;

// Reports a control's command or notification to its form: (id, code).
using ControlNotify = std::function<void(int, int)>;

// What the framework does with one kind of control. An operation left out
// is one the kind does not have.
struct ControlKindOps {
    // The widget for a template item; its commands go to `notify`.
    QWidget* (*make)(const DialogItem& item, QWidget* parent,
                     const ControlNotify& notify) = nullptr;
    QString (*text)(const QWidget* widget) = nullptr;
    void (*setText)(QWidget* widget, const QString& text) = nullptr;
    // What another layout's template renews in it.
    void (*refresh)(QWidget* widget, const DialogItem& item) = nullptr;
    // Names it for screen readers, as its label says; without this it is
    // named by its own text, and no label names it.
    void (*name)(QWidget* widget, const QString& name) = nullptr;
    // Whether `size` shows its whole text; without this, any size does.
    bool (*fits)(const QWidget* widget, const QSize& size) = nullptr;
    // The size that shows all of it, for a kind that grows its form.
    QSize (*contentSize)(const QWidget* widget) = nullptr;
    bool isLabel = false;      // a text that names the control after it
    bool isPushButton = false; // a button Enter and Escape may stand for
    bool growsForm = false;    // the form grows, within the screen, to show it whole
    bool keepsWhole = false;   // and never shrinks below that: it cannot scroll
};

const ControlKindOps& KindOps(ControlKind kind);
// The kind's operations of a control a template made; none for any other widget.
const ControlKindOps* KindOpsOf(const QWidget* widget);

// The kinds, each in its file.
extern const ControlKindOps kLabelKind;    // kind_label.cpp
extern const ControlKindOps kEditKind;     // kind_edit.cpp
extern const ControlKindOps kButtonKind;   // kind_button.cpp
extern const ControlKindOps kCheckKind;    // kind_button.cpp
extern const ControlKindOps kListKind;     // kind_list.cpp
extern const ControlKindOps kGridKind;     // kind_grid.cpp
extern const ControlKindOps kPictureKind;  // kind_picture.cpp
extern const ControlKindOps kProgressKind; // kind_progress.cpp

QWidget* CreateControlWidget(const DialogItem& item, QWidget* parent, const ControlNotify& notify);

// The characters of a QString, without a copy.
inline std::u16string_view Utf16View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// A control's text (a list's: its field's text); none for other widgets.
QString WidgetText(const QWidget* widget);
void SetWidgetText(QWidget* widget, const QString& text);

// Sets a box's text with its beginning in view (a long text scrolls on from there).
void ShowBeginning(QLineEdit* edit, const QString& text);
// Selects a box's whole text, its beginning in view: typing replaces it.
void SelectWhole(QLineEdit* edit);

// An edit box, or a list's field: once the focus leaves it, it shows the
// beginning of its text again.
// Reached from the keyboard, it selects its whole text, as Qt's line edits
// do, but keeps the beginning in view; a click places the cursor.
class BoxEdit : public QLineEdit {
  public:
    BoxEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Down in a box that finds the rows of the grid after it (the next
    // control to take the focus) moves into the grid, to its first row.
    void keyPressEvent(QKeyEvent* event) override;
};

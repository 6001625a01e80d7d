#pragma once
// What the framework asks of the machine: the screen, the open forms, the
// user's number settings. Each has a seam for the scenario runner.

#include "calc/number_text.h"

#include <optional>
#include <vector>

class QWidget;
class CDialog;

int GetSystemMetrics(int index);
void SetScreenSizeOverride(int width, int height);
// The screen has turned: every open form gets the size change.
void NotifyScreenSizeChanged();

// The modal forms and message boxes, from the first opened up.
struct OpenForm {
    QWidget* window;
    CDialog* dialog; // null for a message box
};
std::vector<OpenForm>& OpenForms();

// While one exists, `window` is an open form over its owner, which is
// disabled (if it was enabled) and given back, re-activated, at the end.
class ModalScope {
  public:
    ModalScope(QWidget* window, CDialog* dialog, QWidget* owner);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    QWidget* m_window;
    QWidget* m_owner;
};

// Called once a form has been painted for the first time (benchmarks measure
// up to that moment); null for none.
using FirstPaintHook = void (*)(int templateId);
void SetFirstPaintHook(FirstPaintHook hook);
void NotifyFirstPaint(int templateId);

// The user's number settings, read afresh from the locale (LC_ALL,
// LC_NUMERIC, LANG) on every call, unless fixed by an override.
NumberSettings UserNumberSettings();
void SetNumberSettingsOverride(std::optional<NumberSettings> settings);

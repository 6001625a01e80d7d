#pragma once
// What the user is shown when the choices cannot be saved.

#include "framework/qt/wnd.h"

// "Could not save your settings!", owned by `owner` (none: no owner).
void ShowSaveFailed(CWnd* owner);

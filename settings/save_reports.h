#pragma once
// What the user is shown when the choices cannot be saved.

#include "framework/qt/wnd.h"

class CDataState;
struct SettingsLocation;

// Saves, and shows the file-error report when the file cannot be written.
bool SaveSettingsReporting(const SettingsLocation& where, const CDataState* state);

// "Could not save your settings!", owned by `owner` (none: no owner).
void ShowSaveFailed(CWnd* owner);

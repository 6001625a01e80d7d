#pragma once
// Message boxes: an owner, a text, a title and one OK button.

#include "framework/base/afx.h"

class CFileException;

enum : UINT { MB_OK = 0, MB_ICONEXCLAMATION = 0x30 };

// Runs the box modally over `owner` (none: no owner) and returns IDOK.
int MessageBox(CWnd* owner, const CString& text, const CString& title, UINT type = MB_OK);

// The file-error report: the cause and the file's full path, titled with the
// application's name, owned by the main window.
void ReportFileError(const CFileException& error);

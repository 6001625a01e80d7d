#pragma once
// Message boxes: an owner, a text, a title and one OK button; or a
// question, with Cancel beside it.

#include "framework/base/afx.h"
#include "framework/base/file.h"

#include <functional>
#include <string>

class CFileException;

enum : UINT { MB_OK = 0, MB_ICONEXCLAMATION = 0x30 };

// Runs the box modally over `owner` (none: no owner) and returns IDOK.
int MessageBox(CWnd* owner, const CString& text, const CString& title, UINT type = MB_OK);

// A question before something is done: an OK button that names it
// (`doIt`, "Remove") and Cancel; IDOK when it is to be done, IDCANCEL when
// not (Cancel, Escape or the window closed).
int AskMessageBox(CWnd* owner, const CString& text, const CString& title, const CString& doIt);

// The file-error report: the cause and the file's full path, titled with the
// application's name, owned by the main window.
void ReportFileError(const CFileException& error);

// Asks where with the desktop's save dialog, then writes the file whole or
// not at all, as `write` makes it; a failure is said in the file-error
// report, which names the file and the cause. Nothing when the person
// chooses no file.
void SaveChosenFile(const std::string& title, const std::string& suggestedName,
                    const std::string& filter, const std::function<void(CFile&)>& write);

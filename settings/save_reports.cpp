#include "settings/save_reports.h"

#include "framework/base/translate.h"
#include "framework/qt/msgbox.h"

void ShowSaveFailed(CWnd* owner) {
    MessageBox(owner, Utf8ToCString(Tr("Settings", "Could not save your settings!")),
               Utf8ToCString(Tr("Settings", "File Save Error")));
}

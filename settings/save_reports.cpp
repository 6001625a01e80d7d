#include "settings/save_reports.h"

#include "framework/qt/msgbox.h"

void ShowSaveFailed(CWnd* owner) {
    MessageBox(owner, u"Could not save your settings!", u"File Save Error");
}

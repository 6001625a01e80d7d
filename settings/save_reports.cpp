#include "settings/save_reports.h"

#include "framework/qt/msgbox.h"
#include "settings/settings_file.h"

bool SaveSettingsReporting(const SettingsLocation& where, const CDataState* state) {
    CFileException error;
    if (SaveSettings(where, state, &error))
        return true;
    if (error.m_cause != CFileException::none)
        ReportFileError(error);
    return false;
}

void ShowSaveFailed(CWnd* owner) {
    MessageBox(owner, u"Could not save your settings!", u"File Save Error");
}

#include "app/main_dlg.h"
#include "framework/msgbox.h"
#include "settings/settings_file.h"

namespace {
const CString kSaveFailedText = u"Could not save your settings!";
const CString kSaveFailedTitle = u"File Save Error";
} // namespace

BOOL CVextonDOFCEDlg::SaveSettings(CDataState* state) {
    CFileException error;
    if (::SaveSettings(state, &error))
        return TRUE;
    if (error.m_cause != CFileException::none)
        ReportFileError(error);
    return FALSE;
}

// Copies the selected entries' texts into the stored choices and saves them.
// A list without a selected entry keeps its stored text.
void CVextonDOFCEDlg::SaveChoices() {
    UpdateData(TRUE);
    const std::pair<CComboBox*, CString*> choices[] = {
        {&m_cboCamera, &m_dataState.m_strCamera},
        {&m_cboFocalLength, &m_dataState.m_strFocalLength},
        {&m_cboAperture, &m_dataState.m_strAperture},
        {&m_cboUnit, &m_dataState.m_strUnit},
        {&m_cboCofC, &m_dataState.m_strCofC},
    };
    for (auto [list, field] : choices)
        if (list->GetCurSel() >= 0)
            *field = list->GetLBText(list->GetCurSel());
    m_choicesKnown = true;
    if (!SaveSettings(&m_dataState))
        MessageBox(this, kSaveFailedText, kSaveFailedTitle);
}

// The program's last step: the choices of the last save step, or those held
// since start, are written once more.
CVextonDOFCEDlg::~CVextonDOFCEDlg() {
    if (m_choicesKnown && !SaveSettings(&m_dataState))
        MessageBox(nullptr, kSaveFailedText, kSaveFailedTitle);
}

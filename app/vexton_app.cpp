#include "app/vexton_app.h"

#include "app/main_dlg.h"
#include "app/rooms.h"
#include "resources/program_resources.h"

// The main form's modal run is the program's whole life; its destructor
// saves the choices once more. Returning false ends the program.
BOOL CVextonDOFCEApp::InitInstance() {
    RegisterProgramResources();
    RegisterMenuBar(); // the rooms' lines in the File menu
    LoadProgramAndQtTranslations(GetPlatform().GetInterfaceLanguage(ProgramLanguages()));
    SetRegistryKey("Tamrack-PC");
    {
        CVextonDOFCEDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    m_pMainWnd = nullptr;
    return FALSE;
}

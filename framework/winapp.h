#pragma once
// The application object: made once, its InitInstance is the program's life.

#include "framework/afx.h"

#include <string>

class CWinApp : public CObject {
  public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return FALSE; }
    void SetRegistryKey(const char* company) { m_strRegistryKey = company; }

    CWnd* m_pMainWnd = nullptr;
    std::string m_strAppNameHolder;
    const char* m_pszAppName;
    std::string m_strRegistryKey;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The look every form shares; call once the QApplication exists.
void AfxInitApplication();

// Makes the QApplication, runs the application object's InitInstance and
// returns the program's exit code.
int AfxWinMain(int argc, char** argv);

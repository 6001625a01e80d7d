#pragma once
// The application object: made once, its InitInstance is the program's life.

#include "framework/base/afx.h"
#include "framework/base/platform.h"

#include <memory>
#include <string>
#include <vector>

class CWinApp : public CObject {
  public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return FALSE; }
    void SetRegistryKey(const char* company) { m_strRegistryKey = company; }

    // The name given at construction, or else the registered application title.
    const char* GetAppName() const;

    // What the machine offers the program; the desktop's unless replaced.
    CPlatform& GetPlatform() const { return *m_platform; }
    void SetPlatform(std::unique_ptr<CPlatform> platform) { m_platform = std::move(platform); }

    CWnd* m_pMainWnd = nullptr;
    std::string m_strRegistryKey;
    // What the command line names after the program, Qt's own options
    // taken out (files to open, mostly).
    std::vector<std::string> m_arguments;

  private:
    std::string m_appName;
    std::unique_ptr<CPlatform> m_platform;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The application's platform, or the desktop's where there is no application.
CPlatform& AfxGetPlatform();

// Lets the person's waiting input (keys, clicks, a window's close) be
// handled in the middle of a long task the program does itself, as a
// message pump does; returns at once when nothing waits.
void AfxPumpWaitingMessages();

int GetSystemMetrics(int index);
NumberSettings UserNumberSettings();

// Makes the QApplication, runs the application object's InitInstance and
// returns the program's exit code.
int AfxWinMain(int argc, char** argv);

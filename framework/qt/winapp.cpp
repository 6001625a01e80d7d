#include "framework/qt/winapp.h"

#include "framework/base/resources.h"
#include "framework/qt/desktop_platform.h"
#include "framework/qt/desktop_style.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>

namespace {
CWinApp* g_app = nullptr;
} // namespace

CWinApp::CWinApp(const char* appName)
    : m_appName(appName ? appName : ""), m_platform(std::make_unique<CDesktopPlatform>()) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

const char* CWinApp::GetAppName() const {
    return m_appName.empty() ? FindStringResource(AFX_IDS_APP_TITLE) : m_appName.c_str();
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

CPlatform& AfxGetPlatform() {
    static CDesktopPlatform desktop;
    return g_app ? g_app->GetPlatform() : desktop;
}

int GetSystemMetrics(int index) {
    const ScreenSize size = AfxGetPlatform().GetScreenSize();
    return index == SM_CXSCREEN ? size.width : index == SM_CYSCREEN ? size.height : 0;
}

void AfxPumpWaitingMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

NumberSettings UserNumberSettings() {
    return AfxGetPlatform().GetNumberSettings();
}

int AfxWinMain(int argc, char** argv) {
    // The desktop's style, palette, fonts and scaling are the user's: the
    // forms take their font family from the desktop's and their colours from
    // its palette (see CDialog), and nothing else is imposed.
    QApplication qapp(argc, argv);
    UseDesktopStyle();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->m_arguments.assign(argv + 1, argv + argc); // Qt has taken its own out
    app->InitInstance();
    return 0;
}

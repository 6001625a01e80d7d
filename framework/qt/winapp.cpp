#include "framework/winapp.h"

#include "framework/desktop_platform.h"
#include "framework/resources.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

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

NumberSettings UserNumberSettings() {
    return AfxGetPlatform().GetNumberSettings();
}

void AfxInitApplication() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    // The forms' font, 8 points, for everything the program shows. Text is
    // drawn glyph by glyph and on whole pixels, as the handheld's dialogs
    // did: no kerning or ligatures (so no shaping pass for plain Latin
    // text), and each glyph rasterised once rather than at several offsets.
    QFont font = QApplication::font();
    font.setPointSize(8);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
}

int AfxWinMain(int argc, char** argv) {
    QApplication qapp(argc, argv);
    AfxInitApplication();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1;
    app->InitInstance();
    return 0;
}

// The window module as the start-up benchmark loads it: the program's, ending
// once its main form has painted for the first time. The benchmark's copy of
// the program (app/main.cpp, built to load this module) runs it as the
// program runs its window.
#include "app/vexton_app.h"
#include "bench/first_paint.h"
#include "cli/drawing.h"
#include "cli/window_module.h"
#include "resources/resource.h"

#include <QApplication>
#include <cstdlib>

namespace {
class FirstPaintProbe : public CVextonDOFCEApp {
  public:
    BOOL InitInstance() override {
        qApp->installEventFilter(new FirstPaintWatcher([](int templateId) {
            if (templateId == IDD_VEXTONDOFCE_DIALOG)
                QMetaObject::invokeMethod(
                    qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }));
        return CVextonDOFCEApp::InitInstance();
    }
};

FirstPaintProbe theApp;

int Run(int argc, char** argv) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vextondof"));
    return AfxWinMain(argc, argv);
}

const WindowModule kProbe{&Run, &DrawTablePdf, &DrawChartFile};
} // namespace

extern "C" __attribute__((visibility("default"))) const char* vexton_module_stamp() {
    return VEXTON_MODULE_STAMP;
}

extern "C" __attribute__((visibility("default"))) const WindowModule* vexton_window_module() {
    return &kProbe;
}

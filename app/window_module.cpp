// The window module: the application object and its forms, and the drawing
// the verbs ask for, over Qt Widgets.
#include "cli/window_module.h"
#include "app/vexton_app.h"
#include "cli/drawing.h"
#include "framework/qt/winapp.h"

#include <QGuiApplication>

namespace {
CVextonDOFCEApp theApp;

int RunWindow(int argc, char** argv) {
    // The desktop entry's name, by which desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vextondof"));
    return AfxWinMain(argc, argv);
}

const WindowModule kWindow{&RunWindow, &DrawTablePdf, &DrawChartFile};
} // namespace

// The build that made it, which the program checks before anything else.
extern "C" __attribute__((visibility("default"))) const char* vexton_module_stamp() {
    return VEXTON_MODULE_STAMP;
}

extern "C" __attribute__((visibility("default"))) const WindowModule* vexton_window_module() {
    return &kWindow;
}

#include "app/vexton_app.h"
#include "framework/platform.h"

#include <QCoreApplication>
#include <cstdlib>

CVextonDOFCEApp theApp;

int main(int argc, char** argv) {
    // For the start-up benchmark: end the run once the main form has painted.
    if (std::getenv("VEXTONDOF_EXIT_AT_FIRST_PAINT"))
        SetFirstPaintHook([](int) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { std::_Exit(0); }, Qt::QueuedConnection);
        });
    return AfxWinMain(argc, argv);
}

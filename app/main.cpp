#include "app/vexton_app.h"
#include "framework/desktop_platform.h"

#include <QCoreApplication>
#include <cstdlib>

CVextonDOFCEApp theApp;

namespace {
// For the start-up benchmark: the run ends once the main form has painted.
class ExitAtFirstPaint : public CDesktopPlatform {
  public:
    void OnFirstPaint(int) override {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { std::_Exit(0); }, Qt::QueuedConnection);
    }
};
} // namespace

int main(int argc, char** argv) {
    if (std::getenv("VEXTONDOF_EXIT_AT_FIRST_PAINT"))
        theApp.SetPlatform(std::make_unique<ExitAtFirstPaint>());
    return AfxWinMain(argc, argv);
}

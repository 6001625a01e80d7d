// The program as it starts, ending once its main form has painted for the
// first time: what the start-up benchmark runs, beside a bare dialog.
#include "app/vexton_app.h"
#include "bench/first_paint.h"
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
} // namespace

int main(int argc, char** argv) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vextondof"));
    return AfxWinMain(argc, argv);
}

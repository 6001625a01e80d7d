#include "app/vexton_app.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

CVextonDOFCEApp theApp;

namespace {
const char kUsage[] =
    "Usage: vextondof [Qt options]\n"
    "       vextondof --help | --version\n"
    "\n"
    "Vexton.DOF.CE, a depth-of-field calculator for photographers: pick a camera\n"
    "or film format, a focal length, an aperture, a unit and a circle of\n"
    "confusion, type the subject distance, press Calculate.\n"
    "\n"
    "The program takes no arguments of its own; Qt's options (-platform NAME,\n"
    "-style NAME, ...) work as in any Qt program.\n"
    "\n"
    "Your five list choices are kept in vextondof.ini beside the program where\n"
    "you may create files in its folder, otherwise in\n"
    "$XDG_CONFIG_HOME/vextondof/vextondof.ini (~/.config/vextondof/vextondof.ini).\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before anything else: no window, no display, no settings file.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Vexton.DOF.CE %s\n", VEXTON_VERSION);
            return 0;
        }
    }
    // The desktop entry's name, by which desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vextondof"));
    return AfxWinMain(argc, argv);
}

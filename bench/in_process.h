#pragma once
// What the benchmarks that run the program's forms in their own process
// share: the clock, medians, the program in a folder of its own, and a bare
// dialog that notes when it has painted and then closes.

#include "app/vexton_app.h"
#include "bench/child_run.h"
#include "bench/first_paint.h"
#include "framework/qt/desktop_platform.h"

#include <QApplication>
#include <QDialog>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double Ms(BenchClock::time_point a, BenchClock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// The program in a folder of its own.
class BenchPlatform : public CDesktopPlatform {
  public:
    explicit BenchPlatform(std::string folder) : m_folder(std::move(folder)) {}
    std::string GetProgramPath() const override { return m_folder + "/vextondof"; }
    std::string GetConfigHome() const override { return m_folder; }

  private:
    std::string m_folder;
};

// A bare dialog that notes the moment of its first paint in `painted`, then
// closes once the paint is over.
class PaintOnceDialog : public QDialog {
  public:
    explicit PaintOnceDialog(BenchClock::time_point& painted) : m_painted(painted) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (!m_done) {
            m_done = true;
            m_painted = BenchClock::now();
            QMetaObject::invokeMethod(
                this, [this] { accept(); }, Qt::QueuedConnection);
        }
    }

  private:
    BenchClock::time_point& m_painted;
    bool m_done = false;
};

// Runs the program's application object on Qt's offscreen platform, in a
// folder of its own, `onFirstPaint` told of each form's first paint; the
// benchmark ends the process from there.
inline void RunProgram(char* programName, void (*onFirstPaint)(int templateId)) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, &programName);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vextondof-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    app.installEventFilter(new FirstPaintWatcher(onFirstPaint));
    CVextonDOFCEApp program;
    program.SetPlatform(std::make_unique<BenchPlatform>(folder.string()));
    program.InitInstance();
}

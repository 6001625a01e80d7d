#pragma once
// What the benchmarks that run the program's forms in their own process
// share: the clock, medians, the program in a folder of its own, and a bare
// dialog that notes when it has painted and then closes.

#include "framework/qt/desktop_platform.h"

#include <QDialog>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double Ms(BenchClock::time_point a, BenchClock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
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

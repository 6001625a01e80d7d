#pragma once
// What the benchmarks that run the program's forms in their own process
// share: the clock, medians, the program in a folder of its own, and a bare
// dialog that notes when it has painted and then closes.

#include "app/vexton_app.h"
#include "bench/child_run.h"
#include "bench/first_paint.h"
#include "framework/qt/desktop_platform.h"
#include "resources/resource.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// The program in a folder of its own; a file dialog for many files answered
// with `chosen`.
class BenchPlatform : public CDesktopPlatform {
  public:
    explicit BenchPlatform(std::string folder, std::vector<std::string> chosen = {})
        : m_folder(std::move(folder)), m_chosen(std::move(chosen)) {}
    std::string GetProgramPath() const override { return m_folder + "/vextondof"; }
    std::string GetConfigHome() const override { return m_folder; }
    std::vector<std::string> ChooseOpenFilesOrFolder(const std::string&,
                                                     const std::string&) const override {
        return m_chosen;
    }

  private:
    std::string m_folder;
    std::vector<std::string> m_chosen;
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

// The program's main form.
inline QWidget* MainForm() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("form%1").arg(IDD_VEXTONDOFCE_DIALOG))
            return w;
    return nullptr;
}

// A control of a painted form, as a bare dialog rebuilds it: a list, a
// box, a label or a button with its texts; any other control of the form's
// (a grid, a picture) by its id, for the benchmark to rebuild.
struct ControlShape {
    enum Kind { Label, List, Box, Button, Other } kind;
    QRect place;
    QStringList texts; // a list's entries; one text otherwise
    int current = 0;
    int id = 0; // of an Other
};

// The form's controls where they stand in its window.
inline std::vector<ControlShape> NoteShape(QWidget* form) {
    std::vector<ControlShape> shape;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QRect place(w->mapTo(form, QPoint()), w->size());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStringList entries;
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i);
            shape.push_back({ControlShape::List, place, entries, combo->currentIndex()});
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            shape.push_back({ControlShape::Label, place, {label->text()}});
        } else if (auto* box = qobject_cast<QLineEdit*>(w);
                   box && !qobject_cast<QComboBox*>(box->parentWidget())) {
            shape.push_back({ControlShape::Box, place, {box->text()}});
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            shape.push_back({ControlShape::Button, place, {button->text()}});
        } else if (w->parentWidget() &&
                   w->parentWidget()->objectName() == QStringLiteral("controls")) {
            shape.push_back({ControlShape::Other, place, {}, 0, w->objectName().toInt()});
        }
    }
    return shape;
}

// The control in plain Qt widgets, on `parent` where the form has it; none
// for an Other.
inline QWidget* MakeBareControl(const ControlShape& control, QWidget* parent) {
    QWidget* w = nullptr;
    switch (control.kind) {
    case ControlShape::Label:
        w = new QLabel(control.texts.value(0), parent);
        break;
    case ControlShape::List: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->addItems(control.texts);
        combo->setCurrentIndex(control.current);
        w = combo;
        break;
    }
    case ControlShape::Box:
        w = new QLineEdit(control.texts.value(0), parent);
        break;
    case ControlShape::Button:
        w = new QPushButton(control.texts.value(0), parent);
        break;
    case ControlShape::Other:
        return nullptr;
    }
    w->setGeometry(control.place);
    return w;
}

// Runs the program's application object on Qt's offscreen platform, in a
// folder of its own, `onFirstPaint` told of each form's first paint; the
// benchmark ends the process from there.
inline void RunProgram(char* programName, void (*onFirstPaint)(int templateId),
                       std::vector<std::string> chosen = {}) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, &programName);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vextondof-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    app.installEventFilter(new FirstPaintWatcher(onFirstPaint));
    CVextonDOFCEApp program;
    program.SetPlatform(std::make_unique<BenchPlatform>(folder.string(), std::move(chosen)));
    program.InitInstance();
}

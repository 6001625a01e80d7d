// The camera chooser and the lens chooser: from the command to the form's
// first paint (lensfun's database read on the way, as the first open reads
// it), and from a key typed into "Find" to the matches painted, in the real
// program; beside a bare Qt program that reads the database with lensfun
// itself and shows the same matches in a QTableWidget. Each first open runs
// in a process of its own, alternating with the bare one.
//   chooser-bench [RUNS] [lens]
#include "bench/in_process.h"
#include "finder/camera_search.h"
#include "finder/lensfun_cameras.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <lensfun.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = BenchClock;

constexpr int kRuns = 21;
constexpr std::size_t kMostMatches = 50;

// The chooser measured: its command, form, boxes and the words typed.
struct Chooser {
    const char* name;
    int command, form, find, matches;
    const char* words;
};
const Chooser kCameraChooser{"camera chooser", ID_FILE_CHOOSE_CAMERA, IDD_CHOOSE_CAMERA,
                             IDC_CHOOSE_FIND,  IDC_CHOOSE_MATCHES,    "sony a7 iv"};
const Chooser kLensChooser{"lens chooser", ID_FILE_CHOOSE_LENS, IDD_CHOOSE_LENS,
                           IDC_LENS_FIND,  IDC_LENS_MATCHES,    "24-105 f4"};
const Chooser* g_chooser = &kCameraChooser;

Clock::time_point g_commanded;
int g_pipe = -1;

// Writes two numbers to the parent: the first open, and a keystroke's median.
[[noreturn]] void Report(double open, double key) {
    const double both[2] = {open, key};
    [[maybe_unused]] const ssize_t n = ::write(g_pipe, both, sizeof both);
    std::_Exit(0);
}

// Types one key into `field` (a character, or Backspace for none) and
// paints `grid` at once: the time it takes.
double Keystroke(QWidget* field, QWidget* grid, QChar key) {
    const auto start = Clock::now();
    QKeyEvent press(QEvent::KeyPress, key.isNull() ? Qt::Key_Backspace : 0, Qt::NoModifier,
                    key.isNull() ? QString() : QString(key));
    QCoreApplication::sendEvent(field, &press);
    grid->repaint();
    return Ms(start, Clock::now());
}

// The words typed key by key, each taken back again, many times over.
double KeystrokeMedian(QWidget* field, QWidget* grid) {
    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        for (const char c : std::string(g_chooser->words))
            times.push_back(Keystroke(field, grid, QChar(c)));
        for (std::size_t i = 0; i < std::string(g_chooser->words).size(); ++i)
            times.push_back(Keystroke(field, grid, QChar()));
    }
    return Median(times);
}

// ---- the program

void OnFirstPaint(int templateId) {
    if (templateId == IDD_VEXTONDOFCE_DIALOG) {
        QMetaObject::invokeMethod(
            qApp,
            [] {
                g_commanded = Clock::now();
                SendCommandToWindow(MainForm(), g_chooser->command);
            },
            Qt::QueuedConnection);
    } else if (templateId == g_chooser->form) {
        const auto painted = Clock::now();
        QMetaObject::invokeMethod(
            qApp,
            [painted] {
                QWidget* form = QApplication::activeModalWidget();
                auto* field = form->findChild<QLineEdit*>(QString::number(g_chooser->find));
                auto* grid = form->findChild<QWidget*>(QString::number(g_chooser->matches));
                Report(Ms(g_commanded, painted), KeystrokeMedian(field, grid));
            },
            Qt::QueuedConnection);
    }
}

// ---- the bare program

// lensfun's own search, the matches in a QTableWidget.
void FillBare(QTableWidget* grid, const lfDatabase* db, const QString& words) {
    grid->setRowCount(0);
    if (words.trimmed().isEmpty())
        return;
    const lfCamera* const* found = db->FindCamerasExt(nullptr, words.toUtf8().constData());
    int row = 0;
    for (; found && found[row] && static_cast<std::size_t>(row) < kMostMatches; ++row) {
        const lfCamera* c = found[row];
        grid->insertRow(row);
        grid->setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(lf_mlstr_get(c->Maker))));
        grid->setItem(row, 1, new QTableWidgetItem(QString::fromUtf8(lf_mlstr_get(c->Model))));
        grid->setItem(row, 2, new QTableWidgetItem(QString::number(c->CropFactor)));
        grid->setItem(row, 3, new QTableWidgetItem(QString::fromUtf8(c->Mount)));
    }
    lf_free(const_cast<lfCamera**>(found));
}

// lensfun's own search for lenses by their model, the same columns.
void FillBareLenses(QTableWidget* grid, const lfDatabase* db, const QString& words) {
    grid->setRowCount(0);
    if (words.trimmed().isEmpty())
        return;
    const lfLens* const* found = db->FindLenses(nullptr, nullptr, words.toUtf8().constData());
    int row = 0;
    for (; found && found[row] && static_cast<std::size_t>(row) < kMostMatches; ++row) {
        const lfLens* l = found[row];
        grid->insertRow(row);
        grid->setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(lf_mlstr_get(l->Maker))));
        grid->setItem(row, 1, new QTableWidgetItem(QString::fromUtf8(lf_mlstr_get(l->Model))));
        grid->setItem(row, 2,
                      new QTableWidgetItem(QString("%1–%2 mm").arg(l->MinFocal).arg(l->MaxFocal)));
        grid->setItem(row, 3, new QTableWidgetItem(QString("f/%1").arg(l->MinAperture)));
        grid->setItem(
            row, 4,
            new QTableWidgetItem(QString::fromUtf8(l->Mounts && l->Mounts[0] ? l->Mounts[0] : "")));
    }
    lf_free(const_cast<lfLens**>(found));
}

class BareChooser : public QDialog {
  public:
    BareChooser() {
        m_db = lf_db_new();
        m_db->Load();
        auto* layout = new QVBoxLayout(this);
        m_field = new QLineEdit(this);
        const bool lenses = g_chooser == &kLensChooser;
        m_grid = new QTableWidget(0, lenses ? 5 : 4, this);
        m_grid->setHorizontalHeaderLabels(
            lenses ? QStringList{"Maker", "Model", "Focal length", "Widest aperture", "Mount"}
                   : QStringList{"Maker", "Model", "Crop factor", "Mount"});
        layout->addWidget(m_field);
        layout->addWidget(m_grid);
        connect(m_field, &QLineEdit::textEdited, this, [this, lenses](const QString& words) {
            (lenses ? FillBareLenses : FillBare)(m_grid, m_db, words);
        });
        resize(520, 480);
    }
    ~BareChooser() override { lf_db_destroy(m_db); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (m_painted)
            return;
        m_painted = true;
        const auto painted = Clock::now();
        QMetaObject::invokeMethod(
            this,
            [this, painted] { Report(Ms(g_commanded, painted), KeystrokeMedian(m_field, m_grid)); },
            Qt::QueuedConnection);
    }

  private:
    lfDatabase* m_db;
    QLineEdit* m_field;
    QTableWidget* m_grid;
    bool m_painted = false;
};

void RunBare(char* name) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    QApplication app(argc, &name);
    g_commanded = Clock::now();
    BareChooser chooser;
    chooser.show();
    app.exec();
}

// One run in a child process: the two numbers it reports.
std::vector<double> InChild(char* name, bool bare) {
    int fds[2];
    if (::pipe(fds) != 0)
        std::exit(1);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        g_pipe = fds[1];
        if (bare)
            RunBare(name);
        else
            RunProgram(name, &OnFirstPaint);
        std::_Exit(1);
    }
    ::close(fds[1]);
    double both[2] = {0, 0};
    const ssize_t n = ::read(fds[0], both, sizeof both);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (n != sizeof both) {
        std::fprintf(stderr, "chooser bench: a run did not report\n");
        std::exit(1);
    }
    return {both[0], both[1]};
}
} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kRuns;
    if (argc > 2 && std::string(argv[2]) == "lens")
        g_chooser = &kLensChooser;
    std::vector<double> open, bareOpen, key, bareKey;
    for (int i = 0; i < runs; ++i)
        for (const bool bare : {i % 2 == 1, i % 2 == 0}) {
            const std::vector<double> r = InChild(argv[0], bare);
            (bare ? bareOpen : open).push_back(r[0]);
            (bare ? bareKey : key).push_back(r[1]);
        }
    const double openRatio = Median(open) / Median(bareOpen);
    const double keyRatio = Median(key) / Median(bareKey);
    std::printf("%s (%d runs each, a process each): command to painted form %.1f ms, "
                "bare QTableWidget with lensfun %.1f ms, ratio %.3f (target <= 1.20): %s\n",
                g_chooser->name, runs, Median(open), Median(bareOpen), openRatio,
                openRatio <= 1.2 ? "within target" : "MISSED");
    std::printf("%s: a key typed to the matches painted %.3f ms, bare %.3f ms, ratio "
                "%.3f (target <= 1.50): %s\n",
                g_chooser->name, Median(key), Median(bareKey), keyRatio,
                keyRatio <= 1.5 ? "within target" : "MISSED");
    return 0;
}

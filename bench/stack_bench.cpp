// A focus-stacking plan of 1,000 shots, from a keystroke in the real
// Close-Up and Stacking form (the plan made, its grid and its bars filled)
// to its painted grid, beside a bare QTableWidget filled with the same texts
// and painted.
#include "bench/in_process.h"
#include "framework/qt/dialog.h"
#include "resources/resource.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {
using Clock = BenchClock;

int g_runs = 41;

template <class Widget> Widget* Control(QWidget* form, int id) {
    for (QWidget* w : form->findChildren<QWidget*>(QString::number(id)))
        if (auto* wanted = qobject_cast<Widget*>(w))
            return wanted;
        else if (auto* inside = w->findChild<Widget*>())
            return inside;
    return nullptr;
}

struct Texts {
    QStringList columns, rows;
    std::vector<QStringList> cells;
};

Texts ShownTexts(const QAbstractItemModel& model) {
    Texts t;
    for (int c = 0; c < model.columnCount(); ++c)
        t.columns << model.headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < model.rowCount(); ++r) {
        t.rows << model.headerData(r, Qt::Vertical).toString();
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.data(model.index(r, c)).toString();
        t.cells.push_back(row);
    }
    return t;
}

// The same texts in a bare QTableWidget of the same size, painted.
double BareGrid(const Texts& t, QSize size) {
    const auto start = Clock::now();
    QTableWidget grid(static_cast<int>(t.rows.size()), static_cast<int>(t.columns.size()));
    grid.setHorizontalHeaderLabels(t.columns);
    grid.setVerticalHeaderLabels(t.rows);
    for (int r = 0; r < t.rows.size(); ++r)
        for (int c = 0; c < t.columns.size(); ++c)
            grid.setItem(r, c, new QTableWidgetItem(t.cells[static_cast<std::size_t>(r)][c]));
    grid.resizeColumnsToContents();
    grid.resize(size);
    grid.show();
    grid.repaint();
    return Ms(start, Clock::now());
}

// In the open form: a 1:1 shot with the main form's lens on a rail, a depth
// that takes 1,000 shots at 20 % overlap; the overlap typed between 2 and
// 20 %, each 20 timed from its key to the grid painted.
void Measure(QWidget* form) {
    auto* magnification = Control<QLineEdit>(form, IDC_CU_MAGNIFICATION);
    auto* stackBy = Control<QComboBox>(form, IDC_CU_STACK_BY);
    auto* depth = Control<QLineEdit>(form, IDC_CU_DEPTH);
    auto* overlap = Control<QLineEdit>(form, IDC_CU_OVERLAP);
    auto* grid = Control<QTableView>(form, IDC_CU_PLAN);
    if (!magnification || !stackBy || !depth || !overlap || !grid) {
        std::printf("stack bench: the form's controls were not found\n");
        std::_Exit(1);
    }
    QTest::keyClicks(magnification, QStringLiteral("1:1"));
    stackBy->setFocus();
    QTest::keyClick(stackBy, Qt::Key_Down);
    // The depth of one shot from the form's grid: a 2-shot plan's step.
    QTest::keyClicks(depth, QStringLiteral("1"));
    const double step = grid->model()->data(grid->model()->index(1, 0)).toString().toDouble();
    depth->clear();
    QTest::keyClicks(depth, QString::number(step * 998.2, 'f', 3));
    std::vector<double> ours, bare;
    Texts shown;
    for (int i = 0; i < g_runs; ++i) {
        QTest::keyClick(overlap, Qt::Key_Backspace); // "2": fewer shots
        const auto start = Clock::now();
        QTest::keyClick(overlap, Qt::Key_0); // "20": the 1,000
        grid->viewport()->repaint();
        ours.push_back(Ms(start, Clock::now()));
        if (i == 0)
            shown = ShownTexts(*grid->model());
        bare.push_back(BareGrid(shown, grid->size()));
    }
    const double ratio = Median(ours) / Median(bare);
    std::printf("stacking plan of %d shots (%d runs): keystroke to painted grid %.2f ms (the plan, "
                "its grid and its bars); a bare QTableWidget filled with the same texts and "
                "painted %.2f ms; ratio %.3f (target <= 1.50): %s\n",
                static_cast<int>(shown.rows.size()), g_runs, Median(ours), Median(bare), ratio,
                ratio <= 1.5 ? "within target" : "MISSED");
    std::fflush(stdout);
    std::_Exit(0);
}

void OnFirstPaint(int templateId) {
    if (templateId == IDD_VEXTONDOFCE_DIALOG) {
        QMetaObject::invokeMethod(
            qApp, [] { SendCommandToWindow(MainForm(), ID_FILE_CLOSE_UP); }, Qt::QueuedConnection);
    } else if (templateId == IDD_CLOSE_UP) {
        QWidget* form = QApplication::activeModalWidget();
        QMetaObject::invokeMethod(
            form, [form] { Measure(form); }, Qt::QueuedConnection);
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        g_runs = std::max(1, std::atoi(argv[1]));
    RunProgram(argv[0], &OnFirstPaint);
    return 0;
}

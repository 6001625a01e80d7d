// The floor for start-up: a bare Qt program that shows a dialog of the main
// form's size with one text in it (so it loads and draws a font, as the real
// program does) and ends at its first paint.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <cstdlib>

namespace {
class BareDialog : public QDialog {
  protected:
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        QMetaObject::invokeMethod(
            qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Vexton.DOF.CE"));
    auto* text = new QLabel(QStringLiteral("Depth of Field Calculator"), &dialog);
    text->move(10, 10);
    // For showing where start-up goes: the main form's menu bar, as Qt makes it.
    if (std::getenv("VEXTON_BARE_MENU_BAR")) {
        auto* bar = new QMenuBar(&dialog);
        QMenu* file = bar->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("DOF &Table\u2026"))->setShortcut(QKeySequence("Ctrl+T"));
        file->addAction(QStringLiteral("&Plan Focus\u2026"))->setShortcut(QKeySequence("Ctrl+L"));
        file->addAction(QStringLiteral("&Quit"))->setShortcut(QKeySequence("Ctrl+Q"));
        QMenu* help = bar->addMenu(QStringLiteral("&Help"));
        help->addAction(QStringLiteral("&Field Help"))->setShortcut(QKeySequence("F1"));
        help->addAction(QStringLiteral("&About Vexton.DOF.CE"));
        bar->setGeometry(0, 0, 240, bar->sizeHint().height());
        text->move(10, 10 + bar->height());
    }
    dialog.setFixedSize(240, 320);
    dialog.show();
    return app.exec();
}

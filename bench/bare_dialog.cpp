// The floor for start-up: a bare Qt program that shows a dialog of the main
// form's size with one text in it (so it loads and draws a font, as the real
// program does) and ends at its first paint.
#include <QApplication>
#include <QDialog>
#include <QLabel>
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
    dialog.setFixedSize(240, 320);
    dialog.show();
    return app.exec();
}

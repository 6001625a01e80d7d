// The floor for start-up: a bare Qt program that shows an empty dialog of
// the main form's size and ends at its first paint.
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
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
    QFont font = QApplication::font();
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    const int baseX = (metrics.horizontalAdvance(
                           QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                           26 +
                       1) /
                      2;
    BareDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Vexton.DOF.CE"));
    dialog.setFixedSize(160 * baseX / 4, 186 * metrics.height() / 8 + 30);
    dialog.show();
    return app.exec();
}

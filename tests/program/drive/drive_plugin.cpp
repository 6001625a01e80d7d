// A Qt generic plugin that drives a program as a person at the keyboard
// would, where nothing else can send it input: a Wayland compositor without
// input devices. Loaded into the program with
//   QT_PLUGIN_PATH=DIR QT_QPA_GENERIC_PLUGINS=vextondofdrive:SCRIPT
// it plays SCRIPT's steps once the program's event loop runs, each key
// entering Qt where the compositor's keys enter it, and writes SCRIPT.log: a
// line for each step as it is taken, then "done", or "could not: STEP".
//
// A step a line:
//   wait TITLE   until a window of that title shows and no form is modal
//                over it; it is made the active window, and keys go to it
//   keys K ...   key presses as Qt writes them: Tab, Return, Ctrl+T, Alt+Down
//   type TEXT    the text's characters, one key each
//   popup        until a drop-down list is open
//   pause MS     a while, to look (a screenshot by hand)
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QKeySequence>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
constexpr int kPauseMs = 300; // between steps, as a person's
constexpr int kPollMs = 100;  // while waiting
constexpr int kPollsAtMost = 200;

class Driver : public QObject {
  public:
    explicit Driver(const QString& script) : m_log(script + QStringLiteral(".log")) {
        QFile file(script);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            m_steps =
                QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
        QTimer::singleShot(0, this, [this] { Next(); });
    }

  private:
    void Next() {
        if (m_next == m_steps.size()) {
            Note(QStringLiteral("done"));
            return;
        }
        const QString step = m_steps[m_next];
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString rest = step.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("wait") || verb == QLatin1String("popup")) {
            const bool ready = verb == QLatin1String("wait")
                                   ? TakeWindow(rest)
                                   : QApplication::activePopupWidget() != nullptr;
            if (!ready) {
                if (++m_polls > kPollsAtMost)
                    Note(QStringLiteral("could not: ") + step + Shown());
                else
                    QTimer::singleShot(kPollMs, this, [this] { Next(); });
                return;
            }
        }
        // The next step is due before this one's keys are played: a key
        // that opens a modal form returns only once the form has closed.
        Note(step);
        ++m_next;
        m_polls = 0;
        const int pause = verb == QLatin1String("pause") ? rest.toInt() : kPauseMs;
        QTimer::singleShot(pause, this, [this] { Next(); });
        if (verb == QLatin1String("keys"))
            for (const QString& key : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                Press(QKeySequence::fromString(key)[0]);
        else if (verb == QLatin1String("type"))
            for (const QChar c : rest)
                if (QWindow* window = Target())
                    QTest::keyClick(window, c.toLatin1());
    }

    bool TakeWindow(const QString& title) {
        QWindow* modal = QGuiApplication::modalWindow();
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->title() == title && window->isExposed() && (!modal || modal == window)) {
                m_window = window;
                Activate(window);
                return true;
            }
        }
        return false;
    }

    // A compositor gives a window that shows the keyboard; one without
    // input devices never does, so the window is made active here, as its
    // keyboard focus would make it.
    static void Activate(QWindow* window) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == window && QApplication::activeWindow() != widget)
                QApplication::setActiveWindow(widget);
    }

    // The windows that show, for a step that could not be taken.
    static QString Shown() {
        QStringList titles;
        for (QWindow* window : QGuiApplication::topLevelWindows())
            if (window->isVisible())
                titles << window->title() +
                              (window->isExposed() ? QString() : QStringLiteral(" (not exposed)"));
        QWidget* focus = QApplication::focusWidget();
        return QStringLiteral(" (showing: ") + titles.join(QStringLiteral(", ")) +
               QStringLiteral("; focus: ") +
               (focus ? focus->objectName() : QStringLiteral("none")) + QLatin1Char(')');
    }

    // An open drop-down takes the keys, as it does from the compositor.
    QWindow* Target() const {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->windowHandle();
        return m_window;
    }

    void Press(QKeyCombination key) {
        if (QWindow* window = Target())
            QTest::keyClick(window, key.key(), key.keyboardModifiers());
    }

    void Note(const QString& line) {
        m_log.write(line.toUtf8() + '\n');
        m_log.flush();
    }

    QStringList m_steps;
    qsizetype m_next = 0;
    int m_polls = 0;
    QPointer<QWindow> m_window;
    QFile m_log;
};
} // namespace

class DrivePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "drive.json")

  public:
    QObject* create(const QString& key, const QString& steps) override {
        if (key.compare(QLatin1String("vextondofdrive"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new Driver(steps);
    }
};

#include "drive_plugin.moc"

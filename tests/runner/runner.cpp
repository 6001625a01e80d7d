// vextondof-scenario: drives the real program through mouse and key events
// on Qt's offscreen platform, step by step, as a scenario file says.
#include "../engine_device.h"
#include "app/vexton_app.h"
#include "calc/number_text.h"
#include "framework/qt/desktop_platform.h"
#include "framework/qt/desktop_style.h"
#include "framework/qt/dialog.h"
#include "framework/qt/kind_picture.h"
#include "scenario_text.h"
#include "settings/settings_file.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPaintEngine>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct StepError {
    std::string why;
};

std::string Utf8(const QString& s) {
    return s.toStdString();
}

constexpr int kNoId = 65535; // the template id of controls without one

// What the scenario says of the machine: the program's folder, the screen and
// the user's number settings.
struct Machine {
    std::string programFolder;
    std::string configHome;
    ScreenSize screen{240, 320};
    std::optional<NumberSettings> numbers; // none: those of the locale
    std::optional<std::string> nextFile;   // what the next file dialog is answered with
};

class ScenarioPlatform : public CPlatform {
  public:
    explicit ScenarioPlatform(Machine& machine) : m_machine(machine) {}
    ScreenSize GetScreenSize() const override { return m_machine.screen; }
    NumberSettings GetNumberSettings() const override {
        return m_machine.numbers ? *m_machine.numbers : CDesktopPlatform().GetNumberSettings();
    }
    std::string GetInterfaceLanguage(const std::vector<std::string>& available) const override {
        return CDesktopPlatform().GetInterfaceLanguage(available);
    }
    bool MeasuresInMetres() const override { return CDesktopPlatform().MeasuresInMetres(); }
    std::string DateTimeText(const CalendarTime& t) const override {
        return CDesktopPlatform().DateTimeText(t);
    }
    std::string GetProgramPath() const override { return m_machine.programFolder + "/vextondof"; }
    std::string GetConfigHome() const override { return m_machine.configHome; }
    std::string GetSystemName() const override { return CDesktopPlatform().GetSystemName(); }
    // A file the program saves goes where an `open` step said, else to the
    // program's folder under the name it suggests.
    // A file to open is the one an `open` step named; without one the
    // person chose none.
    std::string ChooseOpenFile(const std::string&, const std::string&) const override {
        return m_machine.nextFile ? *std::exchange(m_machine.nextFile, std::nullopt) : "";
    }
    std::string ChooseSaveFile(const std::string&, const std::string& suggestedName,
                               const std::string&) const override {
        if (m_machine.nextFile)
            return *std::exchange(m_machine.nextFile, std::nullopt);
        return m_machine.programFolder + "/" + suggestedName;
    }

  private:
    Machine& m_machine;
};

// An open form or message box, found through Qt: form windows are named
// "form" and their template id, and every form and box is a child window of
// the form that opened it.
struct OpenForm {
    QWidget* window;
    int templateId; // 0 for a message box
};

int FormId(const QWidget* w) {
    if (qobject_cast<const QMessageBox*>(w))
        return 0;
    const QString name = w->objectName();
    return w->isWindow() && name.startsWith(QLatin1String("form")) ? name.mid(4).toInt() : -1;
}

void CollectForms(QWidget* window, std::vector<OpenForm>& out) {
    out.push_back({window, FormId(window)});
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && FormId(child) >= 0)
            CollectForms(child, out);
}

std::vector<OpenForm> OpenForms() {
    std::vector<OpenForm> forms;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget() && FormId(w) >= 0)
            CollectForms(w, forms);
    return forms;
}

// The controls of a form, in template order.
QList<QWidget*> FormControls(const QWidget* window) {
    const auto* controls = window->findChild<QWidget*>(QStringLiteral("controls"));
    return controls ? controls->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                    : QList<QWidget*>();
}

int ControlId(const QWidget* w) {
    return w->objectName().toInt();
}

// A paint engine that keeps the pen and font a widget draws its text with.
struct TextRecorder : QPaintEngine {
    TextRecorder() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        color = painter()->pen().color();
        underlined = item.font().underline();
        drewText = true;
    }
    Type type() const override { return User; }
    QColor color;
    bool underlined = false;
    bool drewText = false;
};

class Runner : public QObject {
  public:
    Runner(std::vector<Step> steps, std::string scenarioFolder)
        : m_steps(std::move(steps)), m_scenarioFolder(std::move(scenarioFolder)) {
        // A test harness may name the folder (made afresh here) so that it can
        // recognise the path in what the forms show.
        if (const char* given = std::getenv("VEXTONDOF_SCENARIO_FOLDER"); given && *given) {
            m_folder = given;
            std::error_code ignored;
            std::filesystem::remove_all(m_folder, ignored);
            std::filesystem::create_directories(m_folder, ignored);
        } else {
            char pattern[] = "/tmp/vextondof-scenario-XXXXXX";
            m_folder = ::mkdtemp(pattern);
        }
        m_machine.programFolder = m_folder;
        m_machine.configHome = m_folder + "-config";
        std::error_code ignored;
        std::filesystem::remove_all(m_machine.configHome, ignored);
        std::filesystem::create_directories(m_machine.configHome, ignored);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    // Steps before start and after the program ended run one after another;
    // while it runs, each step runs once the program waits for a person.
    [[noreturn]] void Run() {
        while (m_pc < m_steps.size()) {
            const Step& step = m_steps[m_pc++];
            if (step.verb == "start")
                Start(step);
            else
                Execute(step);
        }
        Finish(0);
    }

  private:
    // Where the scenario means the settings file: installed, the one in the
    // user's configuration folder.
    std::string SettingsPath() const {
        return m_installed ? m_machine.configHome + "/vextondof/vextondof.ini"
                           : m_machine.programFolder + "/vextondof.ini";
    }

    // Gives up root's rights for the run, so that permissions mean for the
    // program what they mean for a person.
    void RunAsPerson() {
        if (::geteuid() == 0 && ::seteuid(65534) == 0)
            m_droppedRoot = true;
    }

    void Start(const Step& step) {
        if (m_started)
            Fail(step, "the program has already started");
        m_started = true;
        if (!step.rest.empty())
            Fail(step, "start takes no arguments");
        PlaceSettings();
        if (m_unwritable || m_installed)
            ::chmod(m_folder.c_str(), 0555);
        if (m_unwritable)
            ::chmod(m_machine.configHome.c_str(), 0555);
        else if (m_installed && ::geteuid() == 0)
            for (const auto& entry :
                 std::filesystem::recursive_directory_iterator(m_machine.configHome))
                (void)!::lchown(entry.path().c_str(), 65534, 65534);
        if (m_installed && ::geteuid() == 0)
            (void)!::chown(m_machine.configHome.c_str(), 65534, 65534);
        if (m_unwritable || m_installed)
            RunAsPerson();
        const auto connection =
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, &Runner::OnIdle);
        {
            CVextonDOFCEApp app;
            app.SetPlatform(std::make_unique<ScenarioPlatform>(m_machine));
            m_running = true;
            app.InitInstance();
            m_running = false;
        }
        disconnect(connection);
        if (m_droppedRoot && ::seteuid(0) == 0)
            m_droppedRoot = false;
        std::cout << "ended\n";
    }

    void OnIdle() {
        if (!m_running || m_posted)
            return;
        m_posted = true;
        QMetaObject::invokeMethod(
            this, [this] { RunNextWhileRunning(); }, Qt::QueuedConnection);
    }

    void RunNextWhileRunning() {
        m_posted = false;
        if (!m_running)
            return;
        if (m_pc >= m_steps.size())
            Finish(0); // the scenario is over; the program need not be
        const Step& step = m_steps[m_pc++];
        if (step.verb == "start")
            Fail(step, "the program has already started");
        Execute(step);
    }

    [[noreturn]] void Finish(int code) {
        std::cout.flush();
        if (m_droppedRoot && ::seteuid(0) != 0)
            code = code ? code : 1;
        std::error_code ignored;
        for (const std::string& folder : {m_folder, m_machine.configHome}) {
            ::chmod(folder.c_str(), 0700);
            std::filesystem::remove_all(folder, ignored);
        }
        std::fflush(stdout);
        std::_Exit(code);
    }

    [[noreturn]] void Fail(const Step& step, const std::string& why) {
        std::cout << "error: line " << step.line << ": " << why << "\n";
        Finish(1);
    }

    void Execute(const Step& step) {
        try {
            Dispatch(step);
        } catch (const StepError& e) {
            Fail(step, e.why);
        }
        std::cout.flush();
    }

    void Dispatch(const Step& s) {
        const std::string& v = s.verb;
        if (v == "settings" || v == "unwritable" || v == "locale" || v == "numbers" ||
            v == "installed" || v == "font" || v == "language") {
            if (m_started)
                throw StepError{v + " goes before start"};
            if (v == "settings")
                WriteSettings(s.rest);
            else if (v == "unwritable")
                m_unwritable = true;
            else if (v == "installed")
                m_installed = true;
            else if (v == "locale")
                SetLocale(s.rest);
            else if (v == "font")
                SetDesktopFont(s.rest);
            else if (v == "language")
                SetLanguage(s.rest);
            else
                SetNumbers(s.rest);
        } else if (v == "screen") {
            int w = 0, h = 0;
            std::istringstream in(s.rest);
            if (!(in >> w >> h) || w <= 0 || h <= 0 || !in.eof())
                throw StepError{"screen takes a width and a height"};
            m_machine.screen = {w, h};
            if (m_running)
                for (const OpenForm& f : OpenForms()) {
                    QResizeEvent event(f.window->size(), f.window->size());
                    QCoreApplication::sendEvent(f.window, &event);
                }
        } else if (v == "cameras") {
            if (m_started)
                PrintCameras();
            else
                WriteCameras(s.rest);
        } else if (v == "file") {
            PrintFile();
        } else if (v == "message") {
            Message();
        } else if (v == "forms") {
            Forms();
        } else if (v == "select") { // the steps below need an open form
            Select(s.rest);
        } else if (v == "type") {
            Type(s.rest);
        } else if (v == "click") {
            QWidget* w = Control(IdOf(s.rest));
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        } else if (v == "key") {
            Key(s.rest);
        } else if (v == "keys") {
            Keys(s.rest);
        } else if (v == "menu") {
            Menu(s.rest);
        } else if (v == "check") {
            QWidget* w = Control(IdOf(s.rest));
            if (!qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w))
                throw StepError{"control " + std::to_string(IdOf(s.rest)) + " is no check box"};
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
        } else if (v == "pick") {
            Pick(s.rest);
        } else if (v == "open") {
            m_machine.nextFile = PathOf(s.rest);
        } else if (v == "drop") {
            Drop(s.rest);
        } else if (v == "chart") {
            Chart(IdOf(s.rest));
        } else if (v == "ok") {
            Ok();
        } else if (v == "command") {
            SendCommandToWindow(Topmost().window, Number(s.rest));
        } else if (v == "close") {
            Topmost().window->close();
        } else if (v == "show") {
            Show();
        } else if (v == "focus") {
            Focus();
        } else if (v == "size") {
            const QWidget* form = Topmost().window;
            std::cout << "size " << form->width() << " " << form->height() << "\n";
        } else if (v == "menus") {
            Menus();
        } else if (v == "table") {
            Table(IdOf(s.rest));
        } else if (v == "list") {
            PrintList(IdOf(s.rest));
        } else if (v == "label") {
            Label(IdOf(s.rest));
        } else if (v == "clipped") {
            Clipped();
        } else if (v == "access") {
            Access(IdOf(s.rest));
        } else {
            throw StepError{"unknown verb " + Quote(v)};
        }
    }

    // ---- before start

    void WriteSettings(const std::string& hex) {
        const std::optional<std::string> bytes = ParseHex(hex);
        if (!bytes)
            throw StepError{"settings takes hex pairs"};
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path(),
                                            ignored);
        std::ofstream out(SettingsPath(), std::ios::binary | std::ios::trunc);
        out << *bytes;
        if (!out)
            throw StepError{"cannot write the settings file"};
        m_settingsWrittenAt = SettingsPath();
    }

    // The person's cameras file, beside the settings file.
    std::string CamerasPath() const {
        return std::filesystem::path(SettingsPath()).parent_path() / "vextondof-cameras.csv";
    }

    // TEXT with "\n" for its line ends.
    void WriteCameras(const std::string& text) {
        std::string lines;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
                lines += '\n';
                ++i;
            } else {
                lines += text[i];
            }
        }
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(CamerasPath()).parent_path(),
                                            ignored);
        std::ofstream out(CamerasPath(), std::ios::binary | std::ios::trunc);
        out << lines;
        if (!out)
            throw StepError{"cannot write the cameras file"};
        m_camerasWrittenAt = CamerasPath();
    }

    void PrintCameras() {
        std::ifstream in(CamerasPath(), std::ios::binary);
        if (!in) {
            std::cout << "cameras missing\n";
            return;
        }
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        std::cout << "cameras " << lines.size() << "\n";
        for (const std::string& line : lines)
            std::cout << Quote(line) << "\n";
    }

    // Files written before the scenario said the program is installed move
    // to where an installed program keeps them.
    void PlaceSettings() {
        std::error_code ignored;
        for (auto [written, path] : {std::pair{&m_settingsWrittenAt, SettingsPath()},
                                     std::pair{&m_camerasWrittenAt, CamerasPath()}}) {
            if (written->empty() || *written == path)
                continue;
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
            std::filesystem::rename(*written, path, ignored);
        }
    }

    // The interface language, as LANGUAGE and LC_MESSAGES give it.
    void SetLanguage(const std::string& name) {
        if (name.empty())
            throw StepError{"language takes a name"};
        // LC_ALL would decide every category: what it set stays set, one by one.
        if (const char* all = std::getenv("LC_ALL"); all && *all) {
            const std::string kept = all;
            for (const char* category : {"LC_CTYPE", "LC_NUMERIC", "LC_TIME", "LC_COLLATE",
                                         "LC_MONETARY", "LC_PAPER", "LC_MEASUREMENT"})
                ::setenv(category, kept.c_str(), 1);
            ::unsetenv("LC_ALL");
        }
        ::setenv("LANGUAGE", name.c_str(), 1);
        ::setenv("LC_MESSAGES", name.c_str(), 1);
    }

    void SetLocale(const std::string& name) {
        if (name.empty())
            throw StepError{"locale takes a name"};
        QLocale::setDefault(QLocale(QString::fromStdString(name)));
        m_machine.numbers.reset();
    }

    // The desktop's general font: FAMILY (which may hold spaces) and SIZE.
    static void SetDesktopFont(const std::string& rest) {
        const std::size_t space = rest.find_last_of(' ');
        double points = 0;
        try {
            points = space == std::string::npos ? 0 : std::stod(rest.substr(space + 1));
        } catch (...) {
        }
        if (space == std::string::npos || space == 0 || points <= 0)
            throw StepError{"font takes a family and a size in points"};
        QFont font(QString::fromStdString(rest.substr(0, space)));
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }

    void SetNumbers(const std::string& rest) {
        std::size_t pos = 0;
        const auto dec = ReadQuoted(rest, pos);
        if (!dec || pos >= rest.size() || rest[pos] != ' ')
            throw StepError{
                "numbers takes \"DEC\" \"THOUSANDS\" LEADINGZERO GROUPING NEGATIVEORDER"};
        ++pos;
        const auto thousands = ReadQuoted(rest, pos);
        std::istringstream in(thousands ? rest.substr(pos) : "");
        std::string leadingZero, grouping, negativeOrder;
        if (!thousands || !(in >> leadingZero >> grouping >> negativeOrder))
            throw StepError{
                "numbers takes \"DEC\" \"THOUSANDS\" LEADINGZERO GROUPING NEGATIVEORDER"};
        m_machine.numbers =
            MakeNumberSettings(*dec, *thousands, leadingZero, grouping, negativeOrder);
    }

    // ---- forms and controls

    static OpenForm Topmost() {
        const std::vector<OpenForm> forms = OpenForms();
        if (forms.empty())
            throw StepError{"no form open"};
        return forms.back();
    }

    static QWidget* TopmostForm() {
        const OpenForm top = Topmost();
        if (top.templateId == 0)
            throw StepError{"a message box is on top"};
        return top.window;
    }

    static int Number(const std::string& text) {
        std::size_t used = 0;
        int n = 0;
        try {
            n = std::stoi(text, &used);
        } catch (...) {
            used = 0;
        }
        if (used == 0 || used != text.size())
            throw StepError{"expected a number, got " + Quote(text)};
        return n;
    }

    static int IdOf(const std::string& rest) { return Number(rest.substr(0, rest.find(' '))); }

    static std::string TextAfterId(const std::string& rest) {
        const std::size_t space = rest.find(' ');
        return space == std::string::npos ? std::string() : rest.substr(space + 1);
    }

    static QWidget* Control(int id) {
        QWidget* form = TopmostForm();
        if (id != kNoId)
            for (QWidget* w : FormControls(form))
                if (ControlId(w) == id)
                    return w;
        throw StepError{"no such control " + std::to_string(id)};
    }

    static QComboBox* ListControl(int id) {
        auto* combo = qobject_cast<QComboBox*>(Control(id));
        if (!combo)
            throw StepError{"control " + std::to_string(id) + " is not a list"};
        return combo;
    }

    void Select(const std::string& rest) {
        QComboBox* combo = ListControl(IdOf(rest));
        const QString text = QString::fromStdString(TextAfterId(rest));
        int index = -1;
        for (int i = 0; i < combo->count() && index < 0; ++i)
            if (combo->itemText(i) == text)
                index = i;
        if (index < 0)
            throw StepError{"no such entry " + Quote(Utf8(text))};
        // Open the drop-down with its arrow, scroll to the entry, click it.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = true;
        const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, combo);
        QTest::mouseMove(combo, arrow.center());
        QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
        QAbstractItemView* view = combo->view();
        if (!view->isVisible())
            throw StepError{"the drop-down did not open"};
        const QModelIndex item = combo->model()->index(index, combo->modelColumn());
        view->scrollTo(item);
        const QPoint at = view->visualRect(item).center();
        QTest::mouseMove(view->viewport(), at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        if (view->isVisible() || combo->currentIndex() != index)
            throw StepError{"the entry " + Quote(Utf8(text)) + " could not be picked"};
    }

    void Type(const std::string& rest) {
        QWidget* w = Control(IdOf(rest));
        QWidget* target = w;
        if (auto* combo = qobject_cast<QComboBox*>(w))
            target = combo->lineEdit();
        if (!qobject_cast<QLineEdit*>(target))
            throw StepError{"control " + std::to_string(IdOf(rest)) + " takes no typing"};
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        const QString text = QString::fromStdString(TextAfterId(rest));
        if (text.isEmpty())
            QTest::keyClick(target, Qt::Key_Delete);
        TypeText(text, target);
    }

    // One character as the key event that carries it: its key code (Qt's is
    // the upper-case character's code) and its text.
    static void TypeCharacter(QWidget* target, const QString& character) {
        const char16_t c = character[0].unicode();
        Qt::Key key = Qt::Key_unknown;
        if (character.size() == 1 && c == u'\t')
            key = Qt::Key_Tab;
        else if (character.size() == 1 && c >= 0x20)
            key = static_cast<Qt::Key>(QChar(c).toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, target, key, character, Qt::NoModifier);
    }

    // A key by its name, with modifiers joined by "+": "Enter", "Alt+Down",
    // "Ctrl+T", "Ctrl+Shift+E".
    static std::pair<Qt::Key, Qt::KeyboardModifiers> ParseKey(const std::string& name) {
        static const std::pair<const char*, Qt::Key> kKeys[] = {
            {"Enter", Qt::Key_Return},  {"Escape", Qt::Key_Escape},
            {"Tab", Qt::Key_Tab},       {"Backtab", Qt::Key_Backtab},
            {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
            {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},
            {"Home", Qt::Key_Home},     {"End", Qt::Key_End},
            {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
            {"Space", Qt::Key_Space},   {"F1", Qt::Key_F1}};
        static const std::pair<const char*, Qt::KeyboardModifier> kModifiers[] = {
            {"Ctrl", Qt::ControlModifier}, {"Shift", Qt::ShiftModifier}, {"Alt", Qt::AltModifier}};
        Qt::KeyboardModifiers modifiers;
        std::string rest = name;
        for (std::size_t plus; (plus = rest.find('+')) != std::string::npos && plus > 0;) {
            const std::string part = rest.substr(0, plus);
            const auto m = std::find_if(std::begin(kModifiers), std::end(kModifiers),
                                        [&](const auto& k) { return part == k.first; });
            if (m == std::end(kModifiers))
                throw StepError{"unknown modifier " + Quote(part)};
            modifiers |= m->second;
            rest = rest.substr(plus + 1);
        }
        const auto known = std::find_if(std::begin(kKeys), std::end(kKeys),
                                        [&](const auto& k) { return rest == k.first; });
        if (known != std::end(kKeys))
            return {known->second,
                    known->second == Qt::Key_Backtab ? modifiers | Qt::ShiftModifier : modifiers};
        if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0])))
            return {static_cast<Qt::Key>(std::toupper(static_cast<unsigned char>(rest[0]))),
                    modifiers};
        throw StepError{"unknown key " + Quote(name)};
    }

    // Where a person's key goes: an open menu or list takes it, as it
    // holds the keyboard; otherwise the focused control.
    static QWidget* FocusedOrTopmost() {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        QWidget* target = QApplication::focusWidget();
        return target ? target : Topmost().window;
    }

    void Key(const std::string& name) {
        const auto [key, modifiers] = ParseKey(name);
        QTest::keyClick(FocusedOrTopmost(), key, modifiers);
    }

    void Keys(const std::string& text) { TypeText(QString::fromStdString(text), nullptr); }

    // Each character as the key event that carries it, to `target` or else
    // to whatever has the focus at that moment.
    static void TypeText(const QString& text, QWidget* target) {
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            TypeCharacter(target ? target : FocusedOrTopmost(), text.mid(i, n));
            i += n;
        }
    }

    // ---- the main form's menu bar

    static QMenuBar* MainMenuBar() {
        const std::vector<OpenForm> forms = OpenForms();
        QMenuBar* bar = forms.empty() ? nullptr : forms.front().window->findChild<QMenuBar*>();
        if (!bar)
            throw StepError{"the main form has no menu bar"};
        return bar;
    }

    // A menu text as shown: without its mnemonic mark.
    static QString Shown(QString text) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    }

    static void Menus() {
        for (QAction* menu : MainMenuBar()->actions())
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    if (!item->isSeparator())
                        std::cout << "menu " << Quote(Utf8(Shown(menu->text()))) << " "
                                  << Quote(Utf8(Shown(item->text()))) << " "
                                  << Quote(Utf8(item->shortcut().toString())) << "\n";
    }

    static void Menu(const std::string& text) {
        QMenuBar* bar = MainMenuBar();
        const QString wanted = QString::fromStdString(text);
        for (QAction* menu : bar->actions()) {
            if (!menu->menu())
                continue;
            for (QAction* item : menu->menu()->actions()) {
                QString shown = Shown(item->text());
                for (const QString& tail : {QStringLiteral("\u2026"), QStringLiteral("...")})
                    if (shown.endsWith(tail))
                        shown.chop(tail.size());
                if (item->isSeparator() || shown != wanted)
                    continue;
                const QPoint at = bar->actionGeometry(menu).center();
                QTest::mouseMove(bar, at);
                QTest::mouseClick(bar, Qt::LeftButton, {}, at);
                QMenu* popup = menu->menu();
                if (!popup->isVisible())
                    throw StepError{"the menu " + Quote(Utf8(Shown(menu->text()))) +
                                    " did not open"};
                const QPoint itemAt = popup->actionGeometry(item).center();
                QTest::mouseMove(popup, itemAt);
                QTest::mouseClick(popup, Qt::LeftButton, {}, itemAt);
                return;
            }
        }
        throw StepError{"no menu item " + Quote(text)};
    }

    void Ok() {
        const OpenForm top = Topmost();
        QAbstractButton* button = nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(top.window))
            button = box->button(QMessageBox::Ok);
        else
            button = top.window->findChild<QPushButton*>(QStringLiteral("captionOk"));
        if (!button)
            throw StepError{"the form has no OK button"};
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // ---- reading

    static QString ControlText(const QWidget* w, const char*& kind) {
        if (auto* label = qobject_cast<const QLabel*>(w))
            return kind = "static", label->text();
        if (auto* button = qobject_cast<const QPushButton*>(w))
            return kind = "button", button->text();
        if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
            const auto* check = static_cast<const QAbstractButton*>(w);
            return kind = "check", check->text();
        }
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            return kind = "list", combo->currentText();
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            return kind = "edit", edit->text();
        if (auto* bar = qobject_cast<const QProgressBar*>(w)) // its words
            return kind = "static", bar->text();
        return kind = "static", QString();
    }

    void Show() {
        const OpenForm top = Topmost();
        if (auto* box = qobject_cast<QMessageBox*>(top.window)) {
            std::cout << "form message " << Quote(Utf8(box->windowTitle())) << "\n";
            std::cout << kNoId << " static " << Quote(Utf8(box->text())) << "\n";
            std::cout << 1 << " button " << Quote("OK") << "\n";
            return;
        }
        std::cout << "form " << top.templateId << " " << Quote(Utf8(top.window->windowTitle()))
                  << "\n";
        for (const QWidget* w : FormControls(top.window)) {
            const char* kind = "";
            const QString text = ControlText(w, kind);
            if (auto* grid = qobject_cast<const QTableView*>(w)) {
                std::cout << ControlId(w) << " table " << grid->model()->rowCount() << " "
                          << grid->model()->columnCount() << "\n";
                continue;
            }
            if (auto* picture = qobject_cast<const PictureWidget*>(w)) {
                std::cout << ControlId(w) << " chart "
                          << Quote(Utf8(QString::fromStdU16String(picture->Content().title)))
                          << "\n";
                continue;
            }
            std::cout << ControlId(w) << " " << kind << " " << Quote(Utf8(text));
            if (auto* combo = qobject_cast<const QComboBox*>(w))
                std::cout << " " << combo->currentIndex();
            if (std::string(kind) == "check")
                std::cout << (static_cast<const QAbstractButton*>(w)->isChecked() ? " on" : " off");
            std::cout << "\n";
        }
    }

    // A form takes input only while no form or message box is open over it.
    void Forms() {
        const std::vector<OpenForm> forms = OpenForms();
        for (std::size_t i = 0; i < forms.size(); ++i) {
            if (forms[i].templateId == 0)
                std::cout << "form message\n";
            else
                std::cout << "form " << forms[i].templateId << " "
                          << (i + 1 == forms.size() ? "enabled" : "disabled") << "\n";
        }
    }

    void Focus() {
        const OpenForm top = Topmost();
        const QList<QWidget*> controls = FormControls(top.window);
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (controls.contains(w)) {
                std::cout << "focus " << ControlId(w) << "\n";
                return;
            }
        std::cout << "focus none\n";
    }

    void Table(int id) {
        const auto* grid = qobject_cast<const QTableView*>(Control(id));
        if (!grid)
            throw StepError{"control " + std::to_string(id) + " is not a table"};
        const QAbstractItemModel* model = grid->model();
        const int rows = model->rowCount(), columns = model->columnCount();
        std::cout << "table " << id << " " << rows << " " << columns << "\ncolumns";
        for (int c = 0; c < columns; ++c)
            std::cout << " " << Quote(Utf8(model->headerData(c, Qt::Horizontal).toString()));
        std::cout << "\n";
        for (int r = 0; r < rows; ++r) {
            std::cout << "row " << Quote(Utf8(model->headerData(r, Qt::Vertical).toString()));
            for (int c = 0; c < columns; ++c)
                std::cout << " " << Quote(Utf8(model->index(r, c).data().toString()));
            std::cout << "\n";
        }
    }

    // What picture ID draws: its view, then each bar or curve with its numbers.
    void Chart(int id) {
        const auto* picture = qobject_cast<const PictureWidget*>(Control(id));
        if (!picture)
            throw StepError{"control " + std::to_string(id) + " is no chart"};
        const PictureContent& content = picture->Content();
        std::cout << "chart " << id << " " << Quote(Utf8(QString::fromStdU16String(content.title)))
                  << "\n";
        const auto number = [](double v) {
            if (std::isinf(v))
                return std::string("inf");
            char text[400]; // "%f" as the C locale writes it, whatever the program's locale
            const auto end =
                std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 6);
            return std::string(text, end.ptr);
        };
        for (const PictureSeries& series : content.series) {
            const std::string label = Quote(Utf8(QString::fromStdU16String(series.label)));
            if (!series.curve) {
                for (const PicturePoint& p : series.points)
                    std::cout << "bar " << label << " " << number(p.low) << " " << number(p.high)
                              << "\n";
                continue;
            }
            std::cout << "curve " << label << " " << series.points.size() << "\n";
            for (const PicturePoint& p : series.points)
                std::cout << number(p.x) << " " << number(p.low) << " " << number(p.high) << "\n";
        }
    }

    // Clicks row ROW of grid ID, scrolled into view as a person scrolls.
    void Pick(const std::string& rest) {
        std::istringstream in(rest);
        int id = 0, row = -1;
        if (!(in >> id >> row) || row < 0 || !in.eof())
            throw StepError{"pick takes a grid's id and a row"};
        auto* grid = qobject_cast<QTableView*>(Control(id));
        if (!grid)
            throw StepError{"control " + std::to_string(id) + " is not a table"};
        if (row >= grid->model()->rowCount())
            throw StepError{"grid " + std::to_string(id) + " has no row " + std::to_string(row)};
        const QModelIndex at = grid->model()->index(row, 0);
        grid->scrollTo(at);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(at).center());
    }

    // A path as a scenario writes it: a relative one from the scenario's folder.
    std::string PathOf(const std::string& text) const {
        if (text.empty())
            throw StepError{"a file step needs a path"};
        const std::filesystem::path path(text);
        return (path.is_absolute() ? path : std::filesystem::path(m_scenarioFolder) / path)
            .lexically_normal()
            .string();
    }

    // FILE dragged from a file manager onto control ID (0: the form itself).
    void Drop(const std::string& rest) {
        const std::size_t space = rest.find(' ');
        if (space == std::string::npos)
            throw StepError{"drop takes a control's id and a file"};
        const int id = IdOf(rest.substr(0, space));
        QWidget* target = id == 0 ? Topmost().window : Control(id);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(PathOf(rest.substr(space + 1))))});
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return; // the control takes no files: nothing happens, as for a person
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
    }

    void PrintList(int id) {
        QComboBox* combo = ListControl(id);
        std::cout << "list " << id << " " << combo->count() << "\n";
        for (int i = 0; i < combo->count(); ++i) {
            const QVariant value = combo->itemData(i);
            std::cout << i << " " << Quote(Utf8(combo->itemText(i))) << " "
                      << (value.isValid() ? Quote(value.toByteArray().toStdString()) : "-") << "\n";
        }
    }

    // The colour and font the label's text is painted with.
    void Label(int id) {
        auto* label = qobject_cast<QLabel*>(Control(id));
        if (!label)
            throw StepError{"control " + std::to_string(id) + " is not a label"};
        TextRecorder recorder;
        EngineDevice device(label->size(), recorder);
        label->render(&device);
        if (!recorder.drewText)
            throw StepError{"label " + std::to_string(id) + " paints no text"};
        const QColor c = recorder.color;
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02X%02X%02X", c.red(), c.green(), c.blue());
        std::cout << "label " << id << " " << colour << " "
                  << (recorder.underlined ? "underlined" : "plain") << "\n";
    }

    // Whether a text shows whole in the part of its control that is in view:
    // inside the label, or inside a button's frame, and inside the form.
    static bool ShowsWhole(const QWidget* w) {
        const QFontMetrics metrics(w->font());
        QRect room = w->contentsRect();
        QString text;
        int flags = Qt::AlignLeft | Qt::AlignTop;
        if (auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
            flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        } else if (auto* button = qobject_cast<const QPushButton*>(w)) {
            text = button->text();
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        } else if (auto* check = qobject_cast<const QCheckBox*>(w)) {
            text = check->text();
            QStyleOptionButton option;
            option.initFrom(check);
            option.text = text;
            room = check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            // A list field: the selection's text, in the field beside the
            // arrow, drawn a pixel in from each side.
            text = combo->currentText();
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.frame = combo->hasFrame();
            option.currentText = text;
            room = combo->style()
                       ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                        combo)
                       .adjusted(1, 0, -1, 0);
        } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
            // The room a line edit draws its text in: inside its frame and
            // text margins, less the two pixels it keeps each side.
            text = edit->text();
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth =
                edit->hasFrame()
                    ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                    : 0;
            room = edit->style()
                       ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                       .marginsRemoved(edit->textMargins())
                       .adjusted(2, 0, -2, 0);
        }
        if (text.trimmed().isEmpty())
            return true;
        if (const QWidget* parent = w->parentWidget())
            room &= QRect(w->mapFromParent(QPoint(0, 0)), parent->size());
        if (!(flags & Qt::TextWordWrap))
            return metrics.horizontalAdvance(text.trimmed()) <= room.width() &&
                   metrics.height() <= room.height();
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }

    void Clipped() {
        const OpenForm top = Topmost();
        QList<QWidget*> texts;
        if (top.templateId == 0) {
            for (QLabel* label : top.window->findChildren<QLabel*>())
                if (label->isVisible())
                    texts.append(label);
            for (QPushButton* button : top.window->findChildren<QPushButton*>())
                texts.append(button);
            for (QComboBox* list : top.window->findChildren<QComboBox*>())
                if (list->isVisible())
                    texts.append(list);
        } else {
            for (QWidget* w : FormControls(top.window)) {
                const auto* edit = qobject_cast<QLineEdit*>(w);
                if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w) ||
                    qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w) ||
                    (edit && edit->isReadOnly()))
                    texts.append(w);
            }
        }
        int count = 0;
        for (const QWidget* w : texts) {
            if (ShowsWhole(w))
                continue;
            ++count;
            const char* kind = "";
            const int id =
                top.templateId == 0 ? (qobject_cast<const QLabel*>(w) ? kNoId : 1) : ControlId(w);
            std::cout << "clipped " << id << " " << Quote(Utf8(ControlText(w, kind))) << "\n";
        }
        std::cout << "clipped " << count << "\n";
    }

    // An editable list is announced by its edit field, which has the focus.
    void Access(int id) {
        QWidget* w = Control(id);
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            w = combo->lineEdit();
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(w);
        std::cout << "access " << id << " "
                  << Quote(Utf8(node ? node->text(QAccessible::Name) : QString())) << "\n";
    }

    void Message() {
        const std::vector<OpenForm> forms = OpenForms();
        if (forms.empty() || forms.back().templateId != 0) {
            std::cout << "no message\n";
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(forms.back().window);
        std::cout << "message " << Quote(Utf8(box->windowTitle())) << " "
                  << Quote(Utf8(box->text())) << "\n";
        std::cout.flush();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    }

    void PrintFile() {
        std::ifstream in(SettingsPath(), std::ios::binary);
        if (!in) {
            std::cout << "file missing\n";
            return;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::cout << "file " << bytes.size() << (bytes.empty() ? "" : " ") << ToHex(bytes) << "\n";
    }

    std::vector<Step> m_steps;
    std::size_t m_pc = 0;
    std::string m_folder;
    Machine m_machine;
    bool m_started = false;
    bool m_running = false;
    bool m_posted = false;
    bool m_unwritable = false;
    bool m_installed = false;
    std::string m_scenarioFolder; // where a relative path of an `open` or `drop` step starts
    std::string m_settingsWrittenAt;
    std::string m_camerasWrittenAt;
    bool m_droppedRoot = false;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vextondof-scenario FILE (or - for standard input)\n";
        return 2;
    }
    std::string text;
    if (std::string(argv[1]) == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::cerr << "vextondof-scenario: cannot read " << argv[1] << "\n";
            return 2;
        }
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_NO_GLIB", "1");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    UseDesktopStyle(); // as the program does
    Runner runner(ParseScenario(text),
                  std::string(argv[1]) == "-"
                      ? std::filesystem::current_path().string()
                      : std::filesystem::absolute(argv[1]).parent_path().string());
    runner.Run();
}

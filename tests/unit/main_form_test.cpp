// The real main form while another instance holds the settings file at
// start: it waits, takes the stored choices once the file is free, and never
// writes the defaults over them.
#include "app/main_dlg.h"
#include "app/rooms.h"
#include "app/vexton_app.h"
#include "child_process.h"
#include "framework/base/resources.h"
#include "framework/qt/desktop_platform.h"
#include "framework/qt/winapp.h"
#include "resources/program_resources.h"
#include "settings_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>

namespace {
class TestPlatform : public CDesktopPlatform {
  public:
    explicit TestPlatform(std::string folder, std::chrono::milliseconds* later = nullptr)
        : m_folder(std::move(folder)), m_later(later) {}
    ScreenSize GetScreenSize() const override { return {240, 320}; }
    std::string GetProgramPath() const override { return m_folder + "/vextondof"; }
    std::string GetConfigHome() const override { return m_folder + "/config"; }
    // The steady clock, moved on by the test rather than waited for.
    std::chrono::milliseconds SteadyNow() const override {
        return CPlatform::SteadyNow() + (m_later ? *m_later : std::chrono::milliseconds(0));
    }

  private:
    std::string m_folder;
    std::chrono::milliseconds* m_later;
};

// Holds the lock that every save and load of `folder` takes, for `ms`.
pid_t HoldSettings(const std::string& folder, int ms) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t holder = Spawn(kSameUser, [&] {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        ::flock(fd, LOCK_EX);
        (void)!::write(ready[1], "x", 1);
        ::usleep(static_cast<useconds_t>(ms) * 1000);
        return 0;
    });
    char c = 0;
    EXPECT_EQ(::read(ready[0], &c, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    return holder;
}

QWidget* MainFormWidget() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("form102") && w->isVisible())
            return w;
    return nullptr;
}

QString CameraShown() {
    QWidget* form = MainFormWidget();
    auto* camera = form ? form->findChild<QComboBox*>(QStringLiteral("1000")) : nullptr;
    return camera ? camera->currentText() : QStringLiteral("no form");
}

// The stored choices: "Canon 20D" and the rest as the defaults.
Bytes StoredFile() {
    Bytes bytes = {0xFF, 0xFE, 0xFF, 0x09};
    for (char c : std::string("Canon 20D"))
        bytes.insert(bytes.end(), {static_cast<unsigned char>(c), 0});
    bytes.insert(bytes.end(), kDefaultFile.begin() + 22, kDefaultFile.end());
    return bytes;
}

// Runs the program; `at` lists what to do at which millisecond after start,
// on the program's clock, which `later` (when given) moves on.
void RunProgram(const std::string& folder, std::vector<std::pair<int, std::function<void()>>> at,
                std::chrono::milliseconds* later = nullptr) {
    for (auto& [ms, step] : at)
        QTimer::singleShot(ms, qApp, step);
    CVextonDOFCEApp app;
    app.SetPlatform(std::make_unique<TestPlatform>(folder, later));
    app.InitInstance();
}

// Calls `check` every 50 ms until it says it is done; after ten seconds it
// gives up and ends the program, so that a failure fails, never hangs.
void Until(std::function<bool()> check) {
    auto* poll = new QTimer(qApp);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, check, end] {
        if (check()) {
            poll->deleteLater();
        } else if (std::chrono::steady_clock::now() > end) {
            poll->deleteLater();
            if (QWidget* box = QApplication::activeModalWidget(); box && box != MainFormWidget())
                box->close();
            if (QWidget* form = MainFormWidget())
                form->close();
        }
    });
    poll->start(50);
}
} // namespace

// The other copy lets go when the form is shown (after the start's own
// wait); the form takes the stored choices at its next try.
TEST(MainForm, TakesTheStoredChoicesOnceAnotherInstanceLetsGo) {
    ProgramFolder dir;
    dir.Write(StoredFile());
    const pid_t holder = HoldSettings(dir.folder(), 60000);
    QString atStart, later, message = QStringLiteral("none");
    RunProgram(dir.folder(), {{0, [&] {
                                   atStart = CameraShown();
                                   ::kill(holder, SIGKILL);
                                   Until([&] {
                                       later = CameraShown();
                                       if (QWidget* box = QApplication::activeModalWidget())
                                           message = box->windowTitle();
                                       if (later != QStringLiteral("Canon 20D"))
                                           return false;
                                       MainFormWidget()->close(); // a close request: no save step
                                       return true;
                                   });
                               }}});
    Wait(holder);
    EXPECT_EQ(atStart, QStringLiteral("Nikon D70")) << "the form shows while the file is held";
    EXPECT_EQ(later, QStringLiteral("Canon 20D"));
    EXPECT_EQ(message, QStringLiteral("none"));
    EXPECT_EQ(dir.Read(), StoredFile()) << "the stored choices were written back unchanged";
}

// Past the patience (the program's clock moved on five seconds), the
// person is told once; nothing is written over the other copy's choices.
TEST(MainForm, ALongHoldIsToldAndCostsNoStoredChoice) {
    ProgramFolder dir;
    dir.Write(StoredFile());
    const pid_t holder = HoldSettings(dir.folder(), 60000);
    QString title, text;
    std::chrono::milliseconds later(0);
    RunProgram(dir.folder(),
               {{0,
                 [&] {
                     later = std::chrono::milliseconds(kSettingsHeldPatienceMs);
                     Until([&] {
                         auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                         if (!box)
                             return false;
                         title = box->windowTitle();
                         text = box->text();
                         box->accept();
                         ::kill(holder, SIGKILL); // lets go just before the end
                         MainFormWidget()->close();
                         return true;
                     });
                 }}},
               &later);
    EXPECT_EQ(title, QStringLiteral("Settings in Use"));
    EXPECT_EQ(text, QStringLiteral("Another copy of Vexton.DOF.CE holds your settings: your "
                                   "choices will not be saved until it lets go of them."));
    Wait(holder);
    EXPECT_EQ(dir.Read(), StoredFile()) << "nothing written over the other copy's choices";
}

// Every command of the menu bar's table does something: the main form's own,
// or a room's; each room is opened by a command of the bar, and by one only.
TEST(MainForm, EveryMenuCommandOpensWhatItNames) {
    RegisterProgramResources();
    RegisterMenuBar();
    const MenuTemplate* bar = FindMenuTemplate(IDD_VEXTONDOFCE_DIALOG);
    ASSERT_TRUE(bar);
    std::set<int> commands;
    for (const MenuPopup& popup : bar->popups)
        for (const MenuItem& item : popup.items) {
            EXPECT_TRUE(CVextonDOFCEDlg::Handles(item.command)) << item.text;
            commands.insert(item.command);
        }
    std::set<int> opened;
    for (const Room* room : Rooms()) {
        EXPECT_TRUE(commands.count(room->menu.command)) << "room of command " << room->menu.command;
        EXPECT_TRUE(opened.insert(room->menu.command).second)
            << "two rooms of " << room->menu.command;
    }
}

// A room its folder defines but the table does not list is never opened:
// every "const Room k…" of the program's folders is among Rooms().
TEST(MainForm, EveryRoomDefinedIsListed) {
    std::size_t defined = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SOURCE_FOLDER)) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".cpp" || path.find("/tests/") != std::string::npos ||
            path.find("/build") != std::string::npos || path.find("/bench/") != std::string::npos ||
            path.find("/obj-") != std::string::npos)
            continue;
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);)
            if (line.rfind("const Room k", 0) == 0)
                ++defined;
    }
    EXPECT_EQ(defined, Rooms().size());
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The real main form while another instance holds the settings file at
// start: it waits, takes the stored choices once the file is free, and never
// writes the defaults over them.
#include "app/vexton_app.h"
#include "child_process.h"
#include "framework/qt/desktop_platform.h"
#include "framework/qt/winapp.h"
#include "settings_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>

namespace {
class TestPlatform : public CDesktopPlatform {
  public:
    explicit TestPlatform(std::string folder) : m_folder(std::move(folder)) {}
    ScreenSize GetScreenSize() const override { return {240, 320}; }
    std::string GetProgramPath() const override { return m_folder + "/vextondof"; }
    std::string GetConfigHome() const override { return m_folder + "/config"; }

  private:
    std::string m_folder;
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

QWidget* MainForm() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("form102") && w->isVisible())
            return w;
    return nullptr;
}

QString CameraShown() {
    QWidget* form = MainForm();
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

// Runs the program; `at` lists what to do at which millisecond after start.
void RunProgram(const std::string& folder, std::vector<std::pair<int, std::function<void()>>> at) {
    for (auto& [ms, step] : at)
        QTimer::singleShot(ms, qApp, step);
    CVextonDOFCEApp app;
    app.SetPlatform(std::make_unique<TestPlatform>(folder));
    app.InitInstance();
}
} // namespace

TEST(MainForm, TakesTheStoredChoicesOnceAnotherInstanceLetsGo) {
    ProgramFolder dir;
    dir.Write(StoredFile());
    const pid_t holder = HoldSettings(dir.folder(), 1500); // past the start's own wait
    QString atStart, later, message = QStringLiteral("none");
    RunProgram(dir.folder(), {{0, [&] { atStart = CameraShown(); }},
                              {2400, [&] {
                                   later = CameraShown();
                                   if (QWidget* box = QApplication::activeModalWidget())
                                       message = box->windowTitle();
                                   MainForm()->close(); // a close request: no save step
                               }}});
    EXPECT_EQ(Wait(holder), 0);
    EXPECT_EQ(atStart, QStringLiteral("Nikon D70")) << "the form shows while the file is held";
    EXPECT_EQ(later, QStringLiteral("Canon 20D"));
    EXPECT_EQ(message, QStringLiteral("none"));
    EXPECT_EQ(dir.Read(), StoredFile()) << "the stored choices were written back unchanged";
}

TEST(MainForm, ALongHoldIsToldAndCostsNoStoredChoice) {
    ProgramFolder dir;
    dir.Write(StoredFile());
    const pid_t holder = HoldSettings(dir.folder(), 10000);
    QString title, text;
    RunProgram(dir.folder(), {{7000, [&] {
                                   if (auto* box = qobject_cast<QMessageBox*>(
                                           QApplication::activeModalWidget())) {
                                       title = box->windowTitle();
                                       text = box->text();
                                       box->accept();
                                   }
                                   ::kill(holder, SIGKILL); // lets go just before the end
                                   MainForm()->close();
                               }}});
    EXPECT_EQ(title, QStringLiteral("Settings in Use"));
    EXPECT_EQ(text, QStringLiteral("Another copy of Vexton.DOF.CE holds your settings: your "
                                   "choices will not be saved until it lets go of them."));
    Wait(holder);
    EXPECT_EQ(dir.Read(), StoredFile()) << "nothing written over the other copy's choices";
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

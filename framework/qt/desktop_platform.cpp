#include "framework/qt/desktop_platform.h"

#include "framework/base/machine.h"
#include "framework/base/translate.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <cstdlib>

ScreenSize CDesktopPlatform::GetScreenSize() const {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return {screen->size().width(), screen->size().height()};
    return {240, 320};
}

// Qt's locale offers the separators; leading zero, grouping and the order of
// a negative number are its defaults for every locale we know of.
NumberSettings CDesktopPlatform::GetNumberSettings() const {
    const QLocale locale;
    NumberSettings s;
    s.decimalSeparator = locale.decimalPoint().toStdString();
    s.thousandsSeparator = locale.groupSeparator().toStdString();
    return s;
}

// The C locale names no country's ways: it is not taken for metric.
bool CDesktopPlatform::MeasuresInMetres() const {
    const QLocale locale;
    return locale.language() != QLocale::C && locale.measurementSystem() == QLocale::MetricSystem;
}

std::string CDesktopPlatform::DateTimeText(const CalendarTime& t) const {
    const QDateTime when(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    if (!when.isValid())
        return IsoText(t);
    return QLocale().toString(when, QLocale::ShortFormat).toStdString();
}

std::string
CDesktopPlatform::GetInterfaceLanguage(const std::vector<std::string>& available) const {
    return InterfaceLanguage([](const char* name) { return std::getenv(name); }, available);
}

std::string CDesktopPlatform::GetProgramPath() const {
    return RunningProgramPath();
}

std::string CDesktopPlatform::GetConfigHome() const {
    return UserConfigHome();
}

// "Debian GNU/Linux 12 (bookworm), x86_64".
std::string CDesktopPlatform::GetSystemName() const {
    return (QSysInfo::prettyProductName() + QStringLiteral(", ") +
            QSysInfo::currentCpuArchitecture())
        .toStdString();
}

// The desktop's own dialog, over the active window, starting in the home folder.
std::string CDesktopPlatform::ChooseOpenFile(const std::string& title,
                                             const std::string& filter) const {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromStdString(title),
                                        QDir::homePath(), QString::fromStdString(filter))
        .toStdString();
}

namespace {
// Qt's own file dialog, choosing files or, with none selected, the folder
// it shows (or the one selected): Open on a folder takes it whole.
class FilesOrFolderDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;
    QStringList chosen;

  protected:
    void accept() override {
        const QStringList files = selectedFiles();
        if (files.isEmpty() || (files.size() == 1 && QFileInfo(files.front()).isDir())) {
            chosen = {files.isEmpty() ? directory().absolutePath() : files.front()};
            QDialog::accept();
            return;
        }
        chosen = files;
        QFileDialog::accept();
    }
};
} // namespace

std::vector<std::string>
CDesktopPlatform::ChooseOpenFilesOrFolder(const std::string& title,
                                          const std::string& filter) const {
    FilesOrFolderDialog dialog(QApplication::activeWindow(), QString::fromStdString(title),
                               QDir::homePath(), QString::fromStdString(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog); // a desktop's own takes files or a folder
    dialog.setFileMode(QFileDialog::ExistingFiles);
    std::vector<std::string> paths;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& path : dialog.chosen)
            paths.push_back(path.toStdString());
    return paths;
}

std::string CDesktopPlatform::ChooseSaveFile(const std::string& title,
                                             const std::string& suggestedName,
                                             const std::string& filter) const {
    return QFileDialog::getSaveFileName(
               QApplication::activeWindow(), QString::fromStdString(title),
               QDir::home().filePath(QString::fromStdString(suggestedName)),
               QString::fromStdString(filter))
        .toStdString();
}

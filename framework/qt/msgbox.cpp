#include "framework/qt/msgbox.h"

#include "framework/base/exceptions.h"
#include "framework/base/file.h"
#include "framework/qt/modal.h"
#include "framework/qt/winapp.h"
#include "framework/qt/wnd.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

int MessageBox(CWnd* owner, const CString& text, const CString& title, UINT type) {
    QMessageBox box(type & MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdU16String(title), QString::fromStdU16String(text),
                    QMessageBox::Ok, owner ? owner->GetSafeHwnd() : nullptr);
    box.setTextFormat(Qt::PlainText);
    const ModalScope modal(box.parentWidget());
    box.exec();
    return IDOK;
}

int AskMessageBox(CWnd* owner, const CString& text, const CString& title, const CString& doIt) {
    QMessageBox box(QMessageBox::Question, QString::fromStdU16String(title),
                    QString::fromStdU16String(text), QMessageBox::Ok | QMessageBox::Cancel,
                    owner ? owner->GetSafeHwnd() : nullptr);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QString::fromStdU16String(doIt));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    const ModalScope modal(box.parentWidget());
    return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

void SaveChosenFile(const std::string& title, const std::string& suggestedName,
                    const std::string& filter, const std::function<void(CFile&)>& write) {
    const std::string path = AfxGetPlatform().ChooseSaveFile(title, suggestedName, filter);
    if (path.empty())
        return;
    CFileException error;
    if (!WriteWholeFile(path, write, &error))
        ReportFileError(error);
}

void ReportFileError(const CFileException& error) {
    MessageBox(AfxGetMainWnd(), Utf8ToCString(error.GetErrorMessage()),
               Utf8ToCString(AfxGetApp() ? AfxGetApp()->GetAppName() : ""),
               MB_OK | MB_ICONEXCLAMATION);
}

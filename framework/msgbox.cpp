#include "framework/msgbox.h"

#include "framework/exceptions.h"
#include "framework/platform.h"
#include "framework/winapp.h"
#include "framework/wnd.h"

#include <QMessageBox>
#include <QWidget>

int MessageBox(CWnd* owner, const CString& text, const CString& title, UINT type) {
    QMessageBox box(type & MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdU16String(title), QString::fromStdU16String(text),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    QWidget* ownerWindow = owner ? owner->GetSafeHwnd() : nullptr;
    const bool disableOwner = ownerWindow && ownerWindow->isEnabled();
    if (disableOwner)
        ownerWindow->setEnabled(false);
    OpenForms().push_back({&box, nullptr});
    box.exec();
    std::erase_if(OpenForms(), [&](const OpenForm& f) { return f.window == &box; });
    if (disableOwner) {
        ownerWindow->setEnabled(true);
        ownerWindow->activateWindow();
    }
    return IDOK;
}

void ReportFileError(const CFileException& error) {
    MessageBox(AfxGetMainWnd(), Utf8ToCString(error.GetErrorMessage()),
               Utf8ToCString(AfxGetApp() ? AfxGetApp()->m_pszAppName : ""),
               MB_OK | MB_ICONEXCLAMATION);
}

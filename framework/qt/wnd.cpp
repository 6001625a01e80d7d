#include "framework/qt/wnd.h"

#include "framework/qt/dialog.h"
#include "framework/qt/widgets.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd::~CWnd() {
    if (m_pForm)
        m_pForm->ForgetBound(this);
}

void CWnd::Attach(QWidget* widget, int id, CDialog* form) {
    m_hWnd = widget;
    m_nID = id;
    m_pForm = form;
    if (form)
        form->RegisterBound(this);
}

void CWnd::Detach() {
    m_hWnd = nullptr;
    m_pForm = nullptr;
}

void CWnd::SetWindowText(const CString& text) {
    if (m_hWnd)
        SetWidgetText(m_hWnd, QString::fromStdU16String(text));
}

void CWnd::EnableWindow(BOOL enable) {
    if (m_hWnd)
        m_hWnd->setEnabled(enable != FALSE);
}

CString CWnd::GetWindowText() const {
    return m_hWnd ? WidgetText(m_hWnd).toStdU16String() : CString();
}

std::string CWnd::GetWindowTextUtf8() const {
    return CStringToUtf8(GetWindowText());
}

void CWnd::RedrawWindow() {
    if (m_hWnd)
        m_hWnd->update();
}

CFont* CWnd::GetFont() {
    if (!m_hWnd)
        return nullptr;
    m_currentFont.Set(m_hWnd->font());
    return &m_currentFont;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    if (!m_hWnd || !font || !font->Get())
        return;
    m_hWnd->setFont(*font->Get());
    if (redraw)
        m_hWnd->update();
}

// The main window's icon is the program's: every form and message box
// opened over it carries it too.
void CWnd::SetIcon(HICON icon) {
    if (!m_hWnd || !icon)
        return;
    m_hWnd->window()->setWindowIcon(*icon);
    if (!m_hWnd->window()->parentWidget())
        QApplication::setWindowIcon(*icon);
}

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {
        {MessageKind::End, 0, 0, nullptr, nullptr, nullptr, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

namespace {
template <class Match> const MessageMapEntry* FindEntry(const MessageMap* map, Match match) {
    for (; map != nullptr; map = map->base)
        for (const MessageMapEntry* e = map->entries; e->kind != MessageKind::End; ++e)
            if (match(*e))
                return e;
    return nullptr;
}
} // namespace

bool CWnd::OnCmdMsg(int id, int code) {
    const MessageMapEntry* e = FindEntry(GetMessageMap(), [&](const MessageMapEntry& e) {
        return e.kind == MessageKind::Command && e.id == id && e.code == code;
    });
    if (!e)
        return false;
    (this->*(e->command))();
    return true;
}

bool CWnd::MapHandlesCommand(const MessageMap* map, int id) {
    return FindEntry(map, [&](const MessageMapEntry& e) {
               return e.kind == MessageKind::Command && e.id == id && e.code == 0;
           }) != nullptr;
}

void CWnd::SendSize(UINT type, int cx, int cy) {
    const MessageMapEntry* e = FindEntry(
        GetMessageMap(), [](const MessageMapEntry& e) { return e.kind == MessageKind::Size; });
    if (e)
        (this->*(e->size))(type, cx, cy);
}

void CWnd::SendDropFiles(const std::vector<std::string>& paths) {
    const MessageMapEntry* e = FindEntry(
        GetMessageMap(), [](const MessageMapEntry& e) { return e.kind == MessageKind::DropFiles; });
    if (e)
        (this->*(e->dropFiles))(paths);
}

void CWnd::SendClose() {
    OnClose();
}

CBrush* CWnd::SendCtlColorReflect(CDC* dc) {
    const MessageMapEntry* e = FindEntry(GetMessageMap(), [](const MessageMapEntry& e) {
        return e.kind == MessageKind::CtlColorReflect;
    });
    return e ? (this->*(e->ctlColor))(dc, CTLCOLOR_STATIC) : nullptr;
}

void CWnd::SendTimer(UINT_PTR id) {
    const MessageMapEntry* e = FindEntry(
        GetMessageMap(), [](const MessageMapEntry& e) { return e.kind == MessageKind::Timer; });
    if (e)
        (this->*(e->timer))(id);
}

namespace {
QString TimerName(UINT_PTR id) {
    return QStringLiteral("timer%1").arg(id);
}
} // namespace

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs) {
    if (!m_hWnd)
        return 0;
    KillTimer(id);
    auto* timer = new QTimer(m_hWnd);
    timer->setObjectName(TimerName(id));
    QObject::connect(timer, &QTimer::timeout, m_hWnd, [this, id] { SendTimer(id); });
    timer->start(static_cast<int>(elapseMs));
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    QTimer* timer =
        m_hWnd ? m_hWnd->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly) : nullptr;
    if (!timer)
        return FALSE;
    timer->stop();
    timer->setObjectName(QString());
    timer->deleteLater();
    return TRUE;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.GetSafeHwnd() == nullptr)
        control.Attach(dx->m_pDlgWnd->ControlWidget(id), id, dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    QWidget* w = dx->m_pDlgWnd->ControlWidget(id);
    if (!w)
        return;
    if (dx->m_bSaveAndValidate)
        value = WidgetText(w).toStdU16String();
    else
        SetWidgetText(w, QString::fromStdU16String(value));
}

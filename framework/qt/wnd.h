#pragma once
// A window or control, bound to its Qt widget, and the routing of commands
// and notifications through the message maps.

#include "framework/base/afx.h"
#include "framework/qt/gdi.h"

#include <memory>

class QWidget;
class CDialog;

enum : UINT { SIZE_RESTORED = 0 };

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)

  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    QWidget* GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to a control of a form, and lets it go again.
    virtual void Attach(QWidget* widget, int id, CDialog* form);
    virtual void Detach();

    void SetWindowText(const CString& text);
    void EnableWindow(BOOL enable = TRUE);
    CString GetWindowText() const;
    std::string GetWindowTextUtf8() const; // the same, as UTF-8
    void RedrawWindow();

    CFont* GetFont();
    void SetFont(CFont* font, BOOL redraw = TRUE);
    void SetIcon(HICON icon); // the window's, at every size the desktop shows it

    // Message routing: a command or control notification, a size change, a
    // close request and the reflected control-colour query.
    bool OnCmdMsg(int id, int code);
    // Whether a message map (a class's GetThisMessageMap, with its bases')
    // names command `id` (a notification code of 0).
    static bool MapHandlesCommand(const MessageMap* map, int id);
    void SendSize(UINT type, int cx, int cy);
    void SendClose();
    CBrush* SendCtlColorReflect(CDC* dc);
    void SendTimer(UINT_PTR id);
    void SendDropFiles(const std::vector<std::string>& paths);

    // A timer that sends OnTimer(id) every `elapseMs` milliseconds while the
    // window lives, until killed; setting it again restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(UINT_PTR id);

    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    virtual void OnSize(UINT, int, int) {}
    virtual void OnClose() {}
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnDropFiles(const std::vector<std::string>&) {}

  protected:
    QWidget* m_hWnd = nullptr;
    int m_nID = 0;
    CDialog* m_pForm = nullptr; // the form a control belongs to
    CFont m_currentFont;        // what GetFont hands out
};

// Moves values between a form's controls and its members.
class CDataExchange {
  public:
    CDataExchange(CDialog* form, BOOL saveAndValidate)
        : m_pDlgWnd(form), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);

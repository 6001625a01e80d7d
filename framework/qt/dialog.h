#pragma once
// A form built from its template and run modally.

#include "framework/qt/wnd.h"

#include <QRect>
#include <QSize>
#include <vector>

class FormWindow;
class QFont;
class QPushButton;
class QString;
struct DialogItem;
struct DialogTemplate;

// Delivers command `id` to a form's window.
void SendCommandToWindow(QWidget* window, int id);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

  public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    // A form whose template is kept with it rather than registered.
    explicit CDialog(const DialogTemplate& form, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the form from its template, runs it until it ends and returns
    // how it ended: IDOK, IDCANCEL, or -1 when it could not be made.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    void UpdateData(BOOL saveAndValidate = TRUE);
    void SetDefID(int id); // the button that Enter presses
    // Whether files dragged from a file manager may be dropped on the form
    // (they go to its ON_WM_DROPFILES handler).
    void DragAcceptFiles(BOOL accept = TRUE);
    // Command `id` once what runs now is over: a form opened from a list's
    // new selection opens after the list has closed.
    void PostCommand(int id);

    // Handles a command or control notification: the message map first, then
    // OnOtherCommand, then the standard OK and Cancel.
    void OnCommand(int id, int code);
    // A command the message map does not name (a menu's, a button's): true
    // when the form handled it.
    virtual bool OnOtherCommand(int) { return false; }

    int TemplateId() const { return m_templateId; }
    QWidget* ControlWidget(int id) const; // the first control with this id
    // The text of the control made from the template's item at `index`
    // (counting from 0), for controls that share an id.
    void SetItemTextAt(std::size_t index, const CString& text);

    // The text of control `id` is read from a file, where it may be of any
    // length: it grows the form as far as the screen allows and no further;
    // what then does not fit is shown cut in the middle with an ellipsis,
    // whole in its tooltip and to screen readers. Before the form is laid
    // out (in the constructor or OnInitDialog).
    void ShowWithinScreen(int id);

    // Dialog units of this form to pixels.
    void MapDialogRect(int& x, int& y, int& cx, int& cy) const;

    // Moves and sizes the controls to another template's rectangles (all
    // moves at once, after the last), refreshing each moved control.
    void ReapplyTemplate(int templateId);

    void RegisterBound(CWnd* control) { m_bound.push_back(control); }
    void ForgetBound(CWnd* control);

    // F1 in a control: the help its label opens when tapped, if any.
    void HelpFor(const QWidget* focused);
    void HelpForFocus(); // for the control that has the keyboard focus
    bool HasButtons() const;
    // Whether one of its buttons is the form's default (SetDefID), which
    // Enter presses from any field; without one, Enter presses only a
    // focused button.
    bool HasDefaultButton() const { return m_defId != 0; }
    // Places the controls for the window's size, once the form is laid out.
    void PlaceInWindow(QSize window);

  protected:
    // After the grid's content changed: the window grows to show it whole,
    // as far as the screen allows; it never shrinks here.
    void GrowToShowGrid();
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();
    void OnClose() override;

  private:
    // A control of the form and the template item it was made from.
    struct FormControl {
        const DialogItem* item;
        QWidget* widget;
        QRect place = {}; // where the template puts it, in pixels
    };

    // Building the form, step by step.
    bool CreateFormWindow();
    FormWindow* MakeWindow(const DialogTemplate& t);
    void CreateControls(const DialogTemplate& t, QWidget* content);
    void FitDialogUnits(const QFont& font);
    void CentreLabelsOnTheirRows();
    bool FitsScreen(double unitX, double unitY) const;
    void CutToFit(const FormControl& control);
    void AddMenuBar(FormWindow* window);
    void AddCaptionStrip(FormWindow* window);
    int MenuBarHeight() const;
    int CaptionStripHeight() const;
    void PlaceFrame(QSize content);
    void SizeWindow();
    QSize LeastWindowSize() const;
    QSize SizeShowingGrid(const FormControl& grid) const;
    const FormControl* FindGrid() const;
    void FillInitialData();
    void LayOutForm();
    void DescribeForScreenReaders();
    bool HasTabStop() const;
    void DestroyFormWindow();
    void FocusFirstTabStop();
    const FormControl* FindControl(int id) const;
    // The label a control belongs to (see ControlLabel), and its name.
    class QLabel* LabelOf(std::size_t index, QString* name) const;
    void NameControls();
    QRect ItemRect(const DialogItem& item, double unitX, double unitY) const;
    // A static or button shows its template text again; a list with a
    // selected entry selects it again, which resets its field; an edit box
    // is left alone.
    void RefreshTemplateItem(const FormControl& control) const;

    int m_templateId;
    CWnd* m_pParentWnd;
    FormWindow* m_window = nullptr;
    std::vector<FormControl> m_controls;
    std::vector<CWnd*> m_bound;
    std::vector<int> m_withinScreen; // ids of texts read from files
    const DialogTemplate* m_template = nullptr;
    QSize m_templateSize;                  // the template's size in pixels
    double m_unitX = 1.5, m_unitY = 1.625; // pixels per dialog unit
    int m_result = IDCANCEL;
    int m_defId = 0; // the default button's id, if any
    bool m_ended = false;
};

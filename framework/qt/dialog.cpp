#include "framework/dialog.h"

#include "framework/modal.h"
#include "framework/resources.h"
#include "framework/widgets.h"
#include "framework/winapp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

namespace {
// A command delivered to a form's window, as a hardware key or the shell sends it.
class CommandEvent : public QEvent {
  public:
    static QEvent::Type Kind() {
        static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
        return kind;
    }
    explicit CommandEvent(int id) : QEvent(Kind()), id(id) {}
    int id;
};
} // namespace

// The caption strip across the top of a form, painted in the selection colours.
class CaptionStrip : public QWidget {
  public:
    CaptionStrip(QString caption, QWidget* parent)
        : QWidget(parent), m_caption(std::move(caption)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(rect().adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    }

  private:
    QString m_caption;
};

// The window of a running form: a caption strip with the handheld's OK
// button above the template's controls. A close request, and Escape, go to
// the form's message map; the form alone decides when it ends.
class FormWindow : public QDialog {
  public:
    FormWindow(CDialog* form, QWidget* owner) : QDialog(owner), m_form(form) {}
    QWidget* content = nullptr;
    QPushButton* ok = nullptr;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == CommandEvent::Kind()) {
            m_form->OnCommand(static_cast<CommandEvent*>(event)->id, 0);
            return true;
        }
        return QDialog::event(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QDialog::paintEvent(event);
        if (!m_painted) {
            m_painted = true;
            AfxGetPlatform().OnFirstPaint(m_form->TemplateId());
        }
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        m_form->SendClose();
    }
    void reject() override { m_form->SendClose(); }
    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        m_form->SendSize(SIZE_RESTORED, width(), height());
    }

  private:
    CDialog* m_form;
    bool m_painted = false;
};

IMPLEMENT_DYNAMIC(CDialog, CWnd)

void SendCommandToWindow(QWidget* window, int id) {
    CommandEvent event(id);
    QCoreApplication::sendEvent(window, &event);
}

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    DestroyFormWindow();
}

void CDialog::ForgetBound(CWnd* control) {
    std::erase(m_bound, control);
}

const CDialog::FormControl* CDialog::FindControl(int id) const {
    for (const FormControl& control : m_controls)
        if (control.item->id == id)
            return &control;
    return nullptr;
}

QWidget* CDialog::ControlWidget(int id) const {
    const FormControl* control = FindControl(id);
    return control ? control->widget : nullptr;
}

CWnd* CDialog::GetDlgItem(int id) {
    for (CWnd* bound : m_bound)
        if (bound->GetDlgCtrlID() == id)
            return bound;
    QWidget* widget = ControlWidget(id);
    if (!widget)
        return nullptr;
    auto& temporary = m_temporaries[id];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->Attach(widget, id, this);
    }
    return temporary.get();
}

void CDialog::MapDialogRect(int& x, int& y, int& cx, int& cy) const {
    x = x * m_baseX / 4;
    y = y * m_baseY / 8;
    cx = cx * m_baseX / 4;
    cy = cy * m_baseY / 8;
}

bool CDialog::CreateFormWindow() {
    const DialogTemplate* t = FindDialogTemplate(m_templateId);
    if (!t)
        return false;
    // A form is a window of its own, transient for the one that opened it.
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    auto* window = new FormWindow(this, owner && owner != this ? owner->GetSafeHwnd() : nullptr);
    window->setObjectName(QStringLiteral("form%1").arg(m_templateId));
    window->setWindowTitle(QString::fromUtf8(t->caption));
    window->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont font = QApplication::font();
    font.setPointSize(t->pointSize);
    window->setFont(font);
    // Forms are painted in the window colour, as on the handheld.
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, ToQColor(GetSysColor(COLOR_WINDOW)));
    window->setPalette(colours);
    // Dialog units come from the form font's average character size.
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (width / 26 + 1) / 2;
    m_baseY = metrics.height();

    // The handheld's caption: the form's title and its OK button.
    const int stripHeight = metrics.height() + 10;
    int x = 0, y = 0, cx = t->cx, cy = t->cy;
    MapDialogRect(x, y, cx, cy);
    auto* strip = new CaptionStrip(window->windowTitle(), window);
    strip->setGeometry(0, 0, cx, stripHeight);
    window->ok = new QPushButton(QStringLiteral("ok"), strip);
    window->ok->setObjectName(QStringLiteral("captionOk"));
    window->ok->setAutoDefault(false);
    window->ok->setFocusPolicy(Qt::NoFocus);
    const int okWidth = metrics.horizontalAdvance(QStringLiteral("ok")) + 28;
    window->ok->setGeometry(cx - okWidth - 3, 2, okWidth, stripHeight - 4);
    QObject::connect(window->ok, &QPushButton::clicked, window, [this] { OnCommand(IDOK, 0); });

    window->content = new QWidget(window);
    window->content->setObjectName(QStringLiteral("controls"));
    window->content->setGeometry(0, stripHeight, cx, cy);
    window->setFixedSize(cx, stripHeight + cy);

    const ControlNotify notify = [this](int id, int code) { OnCommand(id, code); };
    QWidget* previous = nullptr;
    for (const DialogItem& item : t->items) {
        QWidget* w = CreateControlWidget(item, window->content, notify);
        int ix = item.x, iy = item.y, icx = item.cx, icy = ShownHeight(item);
        MapDialogRect(ix, iy, icx, icy);
        w->setGeometry(ix, iy, icx, icy);
        if (w->focusPolicy() != Qt::NoFocus) {
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
        w->setObjectName(QString::number(item.id));
        m_controls.push_back({&item, w});
    }
    if (const DialogInitialData* data = FindDialogInitialData(m_templateId)) {
        if (auto* combo = qobject_cast<QComboBox*>(ControlWidget(data->controlId))) {
            for (const char* entry : data->entries)
                combo->addItem(QString::fromUtf8(entry));
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
        }
    }
    m_window = window;
    m_hWnd = window;
    return true;
}

void CDialog::DestroyFormWindow() {
    if (!m_window)
        return;
    for (CWnd* bound : std::vector<CWnd*>(m_bound))
        bound->Detach();
    m_bound.clear();
    m_temporaries.clear();
    m_controls.clear();
    delete m_window;
    m_window = nullptr;
    m_hWnd = nullptr;
}

void CDialog::FocusFirstTabStop() {
    for (const FormControl& control : m_controls) {
        if ((control.item->style & WS_TABSTOP) && control.widget->isEnabled()) {
            control.widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CDialog::ReapplyTemplate(int templateId) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (!t)
        return;
    std::vector<std::pair<QWidget*, QRect>> moves;
    for (const DialogItem& item : t->items) {
        const FormControl* control = item.id == IDC_STATIC ? nullptr : FindControl(item.id);
        if (!control)
            continue;
        int x = item.x, y = item.y, cx = item.cx, cy = ShownHeight(item);
        MapDialogRect(x, y, cx, cy);
        moves.emplace_back(control->widget, QRect(x, y, cx, cy));
        RefreshTemplateItem(*control);
    }
    for (const auto& [widget, rect] : moves)
        widget->setGeometry(rect);
}

void CDialog::RefreshTemplateItem(const FormControl& control) {
    switch (control.item->kind) {
    case ControlKind::Static:
    case ControlKind::Button:
        SetWidgetText(control.widget, QString::fromUtf8(control.item->text));
        break;
    case ControlKind::ComboBox:
        if (auto* combo = qobject_cast<QComboBox*>(control.widget); combo->currentIndex() >= 0)
            combo->setEditText(combo->itemText(combo->currentIndex()));
        break;
    case ControlKind::Edit:
        break;
    }
}

INT_PTR CDialog::DoModal() {
    if (!CreateFormWindow())
        return -1;
    // Whatever happens, the window goes (after the owner has come back).
    struct Destroy {
        CDialog* form;
        ~Destroy() { form->DestroyFormWindow(); }
    } destroy{this};
    const ModalScope modal(m_window->parentWidget());

    m_ended = false;
    m_result = IDCANCEL;
    if (OnInitDialog())
        FocusFirstTabStop();
    if (!m_ended)
        m_window->exec();
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_window && m_window->isVisible())
        m_window->done(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::SetDefID(int id) {
    if (auto* button = qobject_cast<QPushButton*>(ControlWidget(id)))
        button->setDefault(true);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

// The default handling of a close request: the cancel command.
void CDialog::OnClose() {
    OnCommand(IDCANCEL, 0);
}

void CDialog::OnCommand(int id, int code) {
    if (OnCmdMsg(id, code))
        return;
    if (code != 0)
        return;
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

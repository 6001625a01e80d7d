#include "framework/qt/dialog.h"

#include "framework/base/resources.h"
#include "framework/base/translate.h"
#include "framework/qt/accessibility.h"
#include "framework/qt/kind_grid.h"
#include "framework/qt/kind_label.h"
#include "framework/qt/kind_list.h"
#include "framework/qt/modal.h"
#include "framework/qt/widgets.h"
#include "framework/qt/winapp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDropEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <algorithm>
#include <cmath>

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
        painter.drawText(rect().adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         m_caption);
    }

  private:
    static constexpr int kTextIndent = 5; // the caption's distance from the left edge
    QString m_caption;
};

// The window of a running form: a caption strip with the handheld's OK
// button above the template's controls. A close request, and Escape on a
// form over another, go to the form's message map; the form alone decides when it ends. Enter in a
// form without buttons is its OK, as the handheld's dialogs have it; F1 asks
// for the focused control's help.
class FormWindow : public QDialog {
  public:
    FormWindow(CDialog* form, QWidget* owner) : QDialog(owner), m_form(form) {}
    QWidget* content = nullptr;
    QWidget* strip = nullptr; // the caption strip
    QPushButton* ok = nullptr;
    QMenuBar* menuBar = nullptr;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == CommandEvent::Kind()) {
            m_form->OnCommand(static_cast<CommandEvent*>(event)->id, 0);
            return true;
        }
        return QDialog::event(event);
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        m_form->SendClose();
    }
    void reject() override { m_form->SendClose(); }
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        // A desktop's main window is not dismissed with Escape; other forms are.
        if (event->key() == Qt::Key_Escape && !parentWidget())
            event->accept();
        else if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier)
            m_form->HelpFor(QApplication::focusWidget());
        else if (enter && !m_form->HasButtons())
            m_form->OnCommand(IDOK, 0);
        else if (enter && !m_form->HasDefaultButton() &&
                 !qobject_cast<QPushButton*>(QApplication::focusWidget()))
            event->accept(); // no button is pressed by surprise while editing
        else
            QDialog::keyPressEvent(event);
    }
    // Qt makes a dialog's first button its default once it shows; a form
    // has one only where it says so (SetDefID).
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        if (m_form->HasDefaultButton())
            return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                for (QPushButton* button : findChildren<QPushButton*>())
                    if (button->isDefault() && !button->hasFocus())
                        button->setDefault(false);
            },
            Qt::QueuedConnection);
    }
    void resizeEvent(QResizeEvent* event) override {
        QDialog::resizeEvent(event);
        if (strip)
            m_form->PlaceInWindow(size());
        m_form->SendSize(SIZE_RESTORED, width(), height());
    }
    // Files from a file manager, where the form takes them: local files only.
    static std::vector<std::string> LocalFiles(const QMimeData* data) {
        std::vector<std::string> paths;
        if (data && data->hasUrls())
            for (const QUrl& url : data->urls())
                if (url.isLocalFile())
                    paths.push_back(url.toLocalFile().toStdString());
        return paths;
    }
    // A drag of files, over the form or any of its controls (an edit box
    // would otherwise take a file as its name's text): true when taken.
    bool TakeDrag(QEvent* event) {
        const QEvent::Type type = event->type();
        if (!acceptDrops() ||
            (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
            return false;
        auto* drag = static_cast<QDropEvent*>(event);
        const std::vector<std::string> paths = LocalFiles(drag->mimeData());
        if (paths.empty())
            return false;
        drag->acceptProposedAction();
        if (type == QEvent::Drop) // told once the drop is over, not inside the drag
            QMetaObject::invokeMethod(
                this, [form = m_form, paths] { form->SendDropFiles(paths); }, Qt::QueuedConnection);
        return true;
    }
    void dragEnterEvent(QDragEnterEvent* event) override { TakeDrag(event); }
    void dragMoveEvent(QDragMoveEvent* event) override { TakeDrag(event); }
    void dropEvent(QDropEvent* event) override { TakeDrag(event); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        return TakeDrag(event) || QDialog::eventFilter(watched, event);
    }

  private:
    CDialog* m_form;
};

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {
// A template item with its text in the person's language, the form's
// caption its context; `text` holds the text while the item is used.
DialogItem InLanguage(const DialogItem& item, const char* caption, std::string& text) {
    text = Tr(caption, item.text);
    DialogItem translated = item;
    translated.text = text.c_str();
    return translated;
}
} // namespace

void CDialog::DragAcceptFiles(BOOL accept) {
    if (!m_window)
        return;
    m_window->setAcceptDrops(accept);
    for (QWidget* control : m_window->findChildren<QWidget*>())
        if (accept)
            control->installEventFilter(m_window);
        else
            control->removeEventFilter(m_window);
}

void CDialog::PostCommand(int id) {
    if (m_window)
        QCoreApplication::postEvent(m_window, new CommandEvent(id));
}

void SendCommandToWindow(QWidget* window, int id) {
    CommandEvent event(id);
    QCoreApplication::sendEvent(window, &event);
}

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}
CDialog::CDialog(const DialogTemplate& form, CWnd* parent)
    : m_templateId(form.id), m_pParentWnd(parent), m_template(&form) {}

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

void CDialog::SetItemTextAt(std::size_t index, const CString& text) {
    if (index < m_controls.size())
        SetWidgetText(m_controls[index].widget, QString::fromStdU16String(text));
}

QWidget* CDialog::ControlWidget(int id) const {
    const FormControl* control = FindControl(id);
    return control ? control->widget : nullptr;
}

namespace {
// The desktop font size at which the templates' sizes are taken as they are.
constexpr double kUsualDesktopPoints = 10.0;

// The handheld's caption strip: a line of the form's font and this much more
// in height.
constexpr int kCaptionExtraHeight = 10;
// Its OK button: as wide as its text and this much more, this far from the
// strip's right edge and this far inside it at the top and the bottom.
constexpr int kOkExtraWidth = 28;
constexpr int kOkRightMargin = 3;
constexpr int kOkInset = 2;
// What a form leaves of the screen's free area when it grows: room for the
// window manager's frame.
constexpr int kScreenMargin = 64;

// Dialog units to pixels. Edges are rounded rather than sizes, so that
// controls side by side in dialog units stay side by side in pixels.
QRect UnitsToPixels(int x, int y, int cx, int cy, double unitX, double unitY) {
    const auto at = [](int units, double unit) {
        return static_cast<int>(std::lround(units * unit));
    };
    const int left = at(x, unitX), top = at(y, unitY);
    return QRect(left, top, at(x + cx, unitX) - left, at(y + cy, unitY) - top);
}
} // namespace

QRect CDialog::ItemRect(const DialogItem& item, double unitX, double unitY) const {
    return UnitsToPixels(item.x, item.y, item.cx, ShownHeight(item), unitX, unitY);
}

void CDialog::MapDialogRect(int& x, int& y, int& cx, int& cy) const {
    const QRect r = UnitsToPixels(x, y, cx, cy, m_unitX, m_unitY);
    x = r.x();
    y = r.y();
    cx = r.width();
    cy = r.height();
}

// A form is made in steps, as its template says: the window, the controls,
// the template's initial data, and the names screen readers announce. Its
// layout follows once the form has set its own texts (LayOutForm).
bool CDialog::CreateFormWindow() {
    const DialogTemplate* t = m_template ? m_template : FindDialogTemplate(m_templateId);
    if (!t)
        return false;
    m_template = t;
    InstallTapLabelAccessibility(); // before any label exists
    FormWindow* window = MakeWindow(*t);
    CreateControls(*t, window->content);
    AddMenuBar(window);
    FillInitialData();
    m_window = window;
    m_hWnd = window;
    NameControls();
    return true;
}

// A form opened over another is a dialog transient for it, with neither
// minimise nor maximise; the main form is an ordinary window that can be
// minimised (its size is fixed). Its font is the desktop's family at the
// template's size, grown in proportion where the desktop's font is larger
// than its usual 9 or 10 points; it is painted in the window colour, as on
// the handheld.
FormWindow* CDialog::MakeWindow(const DialogTemplate& t) {
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    QWidget* ownerWindow = owner && owner != this ? owner->GetSafeHwnd() : nullptr;
    auto* window = new FormWindow(this, ownerWindow);
    window->setObjectName(QStringLiteral("form%1").arg(m_templateId));
    window->setWindowTitle(QString::fromStdString(Tr(t.caption, t.caption)));
    const Qt::WindowFlags frame = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(ownerWindow ? Qt::Dialog | frame
                                       : Qt::Window | frame | Qt::WindowMinimizeButtonHint);
    // Text is drawn glyph by glyph and on whole pixels, as the handheld's
    // dialogs did: no shaping pass for plain Latin text, each glyph
    // rasterised once.
    QFont font = QApplication::font();
    const double desktopPoints = font.pointSizeF() > 0 ? font.pointSizeF() : kUsualDesktopPoints;
    font.setPointSizeF(t.pointSize * std::max(1.0, desktopPoints / kUsualDesktopPoints));
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferFullHinting);
    window->setFont(font);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, ToQColor(GetSysColor(COLOR_WINDOW)));
    window->setPalette(colours);
    window->content = new QWidget(window);
    window->content->setObjectName(QStringLiteral("controls"));
    return window;
}

// A widget for each template item, named by its id, in the template's tab order.
void CDialog::CreateControls(const DialogTemplate& t, QWidget* content) {
    const ControlNotify notify = [this](int id, int code) { OnCommand(id, code); };
    QWidget* previous = nullptr;
    for (const DialogItem& item : t.items) {
        std::string text;
        QWidget* w = CreateControlWidget(InLanguage(item, t.caption, text), content, notify);
        if (w->focusPolicy() != Qt::NoFocus) {
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
        w->setObjectName(QString::number(item.id));
        m_controls.push_back({&item, w});
    }
}

// Dialog units come from the form font's average character, as the handheld
// reckons them; every text of the form must then show whole, so the units
// grow alike in both directions until each one does.
void CDialog::FitDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const double baseX = (letters / 26 + 1) / 2 / 4.0, baseY = metrics.height() / 8.0;
    double scale = 1.0;
    for (const FormControl& control : m_controls) {
        const auto fits = KindOps(control.item->kind).fits;
        if (!fits)
            continue;
        const auto fitsAt = [&](double s) {
            return fits(control.widget, ItemRect(*control.item, baseX * s, baseY * s).size());
        };
        // A list's entries may be a person's own (a camera's name), of any
        // length: like a text read from a file, grown only as far as shows
        // it whole within the screen.
        if (control.item->kind == ControlKind::ComboBox ||
            std::find(m_withinScreen.begin(), m_withinScreen.end(), control.item->id) !=
                m_withinScreen.end()) {
            // Grown only as far as shows it whole within the screen; a text
            // too long for that is cut instead (CutToFit), and grows nothing.
            double grown = scale;
            while (grown < 4.0 && !fitsAt(grown) &&
                   FitsScreen(baseX * (grown + 1.0 / 32), baseY * (grown + 1.0 / 32)))
                grown += 1.0 / 32;
            if (fitsAt(grown))
                scale = grown;
            continue;
        }
        while (scale < 4.0 && !fitsAt(scale))
            scale += 1.0 / 32;
    }
    m_unitX = baseX * scale;
    m_unitY = baseY * scale;
    for (FormControl& control : m_controls) {
        control.place = ItemRect(*control.item, m_unitX, m_unitY);
        control.widget->setGeometry(control.place);
        if (std::find(m_withinScreen.begin(), m_withinScreen.end(), control.item->id) !=
            m_withinScreen.end())
            CutToFit(control);
    }
    CentreLabelsOnTheirRows();
}

// A one-line label at the top of a row whose box is taller (a list, an edit
// box) would sit above the box's text, the more the larger the form: it
// takes the box's height and its text the box's middle, as the box's does.
void CDialog::CentreLabelsOnTheirRows() {
    for (FormControl& label : m_controls) {
        const DialogItem& l = *label.item;
        auto* text = qobject_cast<QLabel*>(label.widget);
        if (l.kind != ControlKind::Static || !text || l.cy > 10)
            continue;
        for (const FormControl& box : m_controls) {
            const DialogItem& b = *box.item;
            if (b.kind == ControlKind::Static || b.kind == ControlKind::Picture ||
                b.kind == ControlKind::Table || std::abs(b.y - l.y) > 2 || b.x < l.x + l.cx - 2 ||
                ShownHeight(b) <= l.cy || ShownHeight(b) > 16)
                continue;
            // Where both stand now (a template applied again moves them).
            const QRect row = box.widget->geometry();
            QRect place = label.widget->geometry();
            place.setTop(row.top());
            place.setHeight(row.height());
            label.place = place;
            label.widget->setGeometry(place);
            text->setAlignment((text->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
            break;
        }
    }
}

void CDialog::ShowWithinScreen(int id) {
    m_withinScreen.push_back(id);
}

// Whether the form, at these units, leaves the screen the room a window
// manager's frame needs.
bool CDialog::FitsScreen(double unitX, double unitY) const {
    const QRect form = UnitsToPixels(0, 0, m_template->cx, m_template->cy, unitX, unitY);
    const QScreen* screen = m_window ? m_window->screen() : nullptr;
    if (!screen)
        return true;
    const QSize room = screen->availableGeometry().size() - QSize(kScreenMargin, kScreenMargin);
    return form.width() <= room.width() &&
           form.height() + MenuBarHeight() + CaptionStripHeight() <= room.height();
}

// A text read from a file that does not fit its place: as much of its
// beginning and end as fits, around an ellipsis; the whole in its tooltip
// and its name for screen readers. Its whole text is kept for a later
// layout (the screen turned).
void CDialog::CutToFit(const FormControl& control) {
    const ControlKindOps& ops = KindOps(control.item->kind);
    if (!ops.fits || !ops.text || !ops.setText)
        return;
    QWidget* w = control.widget;
    const QVariant kept = w->property("wholeText");
    const QString shown = ops.text(w);
    const QString whole =
        kept.isValid() && w->property("cutText").toString() == shown ? kept.toString() : shown;
    ops.setText(w, whole);
    w->setProperty("wholeText", whole);
    w->setProperty("cutText", whole);
    if (ops.fits(w, control.place.size())) {
        w->setToolTip({});
        w->setAccessibleName({});
        return;
    }
    const auto cut = [&whole](qsizetype keep) {
        qsizetype head = (keep + 1) / 2, tail = keep / 2;
        if (head > 0 && whole[head - 1].isHighSurrogate()) // a character is never split
            --head;
        if (tail > 0 && whole[whole.size() - tail].isLowSurrogate())
            --tail;
        return whole.left(head) + QChar(0x2026) + whole.right(tail);
    };
    qsizetype low = 0, high = whole.size() - 1; // the most kept that fits lies in [low, high]
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        ops.setText(w, cut(middle));
        if (ops.fits(w, control.place.size()))
            low = middle;
        else
            high = middle - 1;
    }
    const QString text = cut(low);
    ops.setText(w, text);
    w->setProperty("cutText", text);
    w->setToolTip(whole);
    w->setAccessibleName(whole);
}

// The form's menu bar, where its template has one: each item sends its
// command as a button's click would, also through its shortcut. The bar
// takes no focus from the fields.
void CDialog::AddMenuBar(FormWindow* window) {
    const MenuTemplate* menus = FindMenuTemplate(m_templateId);
    if (!menus)
        return;
    window->menuBar = new QMenuBar(window);
    window->menuBar->setFocusPolicy(Qt::NoFocus);
    for (const MenuPopup& popup : menus->popups) {
        // The bar's menus stand in "Menu", each one's items in its own
        // context ("File menu"), where their mnemonics must differ.
        QMenu* menu = window->menuBar->addMenu(QString::fromStdString(Tr("Menu", popup.text)));
        std::string context = popup.text;
        context.erase(std::remove(context.begin(), context.end(), '&'), context.end());
        context += " menu";
        for (const MenuItem& item : popup.items) {
            QAction* action =
                menu->addAction(QString::fromStdString(Tr(context.c_str(), item.text)));
            if (item.shortcut) {
                action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
                action->setShortcutContext(Qt::WindowShortcut);
            }
            const int command = item.command;
            QObject::connect(action, &QAction::triggered, window,
                             [this, command] { OnCommand(command, 0); });
        }
    }
}

// The handheld's caption: the form's title and its OK button, above the
// template's controls and below the menu bar, if any.
void CDialog::AddCaptionStrip(FormWindow* window) {
    window->strip = new CaptionStrip(window->windowTitle(), window);
    window->ok = new QPushButton(QStringLiteral("ok"), window->strip);
    window->ok->setObjectName(QStringLiteral("captionOk"));
    window->ok->setAutoDefault(false);
    window->ok->setFocusPolicy(Qt::NoFocus);
    QObject::connect(window->ok, &QPushButton::clicked, window, [this] { OnCommand(IDOK, 0); });
}

int CDialog::MenuBarHeight() const {
    return m_window->menuBar ? m_window->menuBar->sizeHint().height() : 0;
}

int CDialog::CaptionStripHeight() const {
    return QFontMetrics(m_window->font()).height() + kCaptionExtraHeight;
}

// The menu bar and the caption strip across the form's width, the controls
// below them in `content`.
void CDialog::PlaceFrame(QSize content) {
    const int width = content.width(), top = MenuBarHeight(), stripHeight = CaptionStripHeight();
    if (m_window->menuBar)
        m_window->menuBar->setGeometry(0, 0, width, top);
    m_window->strip->setGeometry(0, top, width, stripHeight);
    const int okWidth =
        QFontMetrics(m_window->font()).horizontalAdvance(QStringLiteral("ok")) + kOkExtraWidth;
    m_window->ok->setGeometry(width - okWidth - kOkRightMargin, kOkInset, okWidth,
                              stripHeight - 2 * kOkInset);
    m_window->content->setGeometry(0, top + stripHeight, width, content.height());
}

// The controls where the window's size puts them: the room the window has
// beyond the template's size goes to the form's grid (see GrownBox).
void CDialog::PlaceInWindow(QSize window) {
    const int frame = MenuBarHeight() + CaptionStripHeight();
    const QSize growth(std::max(0, window.width() - m_templateSize.width()),
                       std::max(0, window.height() - frame - m_templateSize.height()));
    PlaceFrame(m_templateSize + growth);
    const FormControl* grid = FindGrid();
    if (!grid)
        return;
    const auto box = [](QRect r) { return ItemBox{r.x(), r.y(), r.width(), r.height()}; };
    for (const FormControl& control : m_controls) {
        const ItemBox b =
            GrownBox(box(control.place), box(grid->place), growth.width(), growth.height());
        control.widget->setGeometry(b.x, b.y, b.cx, b.cy);
    }
}

// The window's least size: the template's, with the menu bar and caption strip.
QSize CDialog::LeastWindowSize() const {
    return m_templateSize + QSize(0, MenuBarHeight() + CaptionStripHeight());
}

// The window's size that shows `grid` whole, as far as the screen allows,
// never below the least.
QSize CDialog::SizeShowingGrid(const FormControl& grid) const {
    const QSize least = LeastWindowSize();
    const auto content = KindOps(grid.item->kind).contentSize;
    QSize wanted = (content ? content(grid.widget) : grid.place.size()) - grid.place.size();
    const QRect screen =
        m_window->screen() ? m_window->screen()->availableGeometry() : QRect(QPoint(), least);
    const QSize room = screen.size() - QSize(kScreenMargin, kScreenMargin) - least;
    // A grid too wide for the screen scrolls sideways: its scroll bar takes
    // a row's room, which it is given, and the same the other way.
    const int bar =
        grid.widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid.widget);
    const bool across = wanted.width() > room.width(), down = wanted.height() > room.height();
    wanted += QSize(down ? bar : 0, across ? bar : 0);
    return least + QSize(std::clamp(wanted.width(), 0, std::max(0, room.width())),
                         std::clamp(wanted.height(), 0, std::max(0, room.height())));
}

// A form with a grid opens large enough to show the grid whole, as far as
// the screen allows, and may be made larger or smaller down to its
// template's size (a picture, which cannot scroll, down to the size that
// shows it whole); other forms keep the template's size.
void CDialog::SizeWindow() {
    const QSize least = LeastWindowSize();
    const FormControl* grid = FindGrid();
    if (!grid) {
        m_window->setFixedSize(least);
        PlaceInWindow(least);
        return;
    }
    const QSize size = SizeShowingGrid(*grid);
    m_window->setMinimumSize(KindOps(grid->item->kind).keepsWhole ? size : least);
    m_window->resize(size);
    PlaceInWindow(size);
}

void CDialog::GrowToShowGrid() {
    const FormControl* grid = FindGrid();
    if (!grid || !m_window || m_templateSize.isEmpty())
        return;
    const QSize whole = SizeShowingGrid(*grid);
    if (KindOps(grid->item->kind).keepsWhole)
        m_window->setMinimumSize(whole);
    const QSize target = m_window->size().expandedTo(whole);
    if (target == m_window->size())
        return;
    m_window->resize(target);
    PlaceInWindow(target);
}

const CDialog::FormControl* CDialog::FindGrid() const {
    for (const FormControl& control : m_controls)
        if (KindOps(control.item->kind).growsForm)
            return &control;
    return nullptr;
}

// The dialog units that show every text whole, the texts the form set at
// its initialisation included, and the caption strip above the controls.
void CDialog::LayOutForm() {
    FitDialogUnits(m_window->font());
    int x = 0, y = 0, cx = m_template->cx, cy = m_template->cy;
    MapDialogRect(x, y, cx, cy);
    m_templateSize = QSize(cx, cy);
    AddCaptionStrip(m_window);
    SizeWindow();
}

// A form with nothing that takes the focus is read out as a whole: its
// texts, in template order (a label and the box after it on one line),
// become the window's description, which a screen reader speaks as the form
// opens.
void CDialog::DescribeForScreenReaders() {
    QStringList lines;
    for (const FormControl& control : m_controls) {
        const QString text = WidgetText(control.widget).trimmed();
        if (text.isEmpty())
            continue;
        if (!KindOps(control.item->kind).isLabel && !lines.isEmpty() &&
            lines.back().endsWith(QLatin1Char(':')))
            lines.back() += QLatin1Char(' ') + text;
        else
            lines.append(text);
    }
    m_window->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

// Entries the template brings for one of its lists, none of them selected.
void CDialog::FillInitialData() {
    const DialogInitialData* data = FindDialogInitialData(m_templateId);
    auto* combo = data ? qobject_cast<QComboBox*>(ControlWidget(data->controlId)) : nullptr;
    if (!combo)
        return;
    for (const char* entry : data->entries)
        combo->addItem(QString::fromUtf8(entry));
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

QLabel* CDialog::LabelOf(std::size_t index, QString* name) const {
    const FormControl& control = m_controls[index];
    for (const ControlLabel& entry : m_template->labels) {
        if (entry.controlId != control.item->id)
            continue;
        if (name && entry.name)
            *name = QString::fromStdString(Tr(m_template->caption, entry.name));
        return qobject_cast<QLabel*>(ControlWidget(entry.labelId));
    }
    if (index > 0 && KindOps(m_controls[index - 1].item->kind).isLabel)
        return qobject_cast<QLabel*>(m_controls[index - 1].widget);
    return nullptr;
}

// Each box and list is named by its label, buttons by their texts.
void CDialog::NameControls() {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const auto nameControl = KindOps(m_controls[i].item->kind).name;
        if (!nameControl)
            continue;
        QString name;
        QLabel* label = LabelOf(i, &name);
        if (label && !label->buddy())
            label->setBuddy(m_controls[i].widget);
        if (name.isEmpty() && label)
            name = NameFromLabel(label->text());
        if (name.isEmpty())
            continue;
        nameControl(m_controls[i].widget, name);
    }
}

void CDialog::HelpFor(const QWidget* focused) {
    if (!focused)
        return;
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_controls[i].widget == focused || m_controls[i].widget->isAncestorOf(focused)) {
            if (auto* label = dynamic_cast<LabelWidget*>(LabelOf(i, nullptr)))
                label->Tap();
            return;
        }
}

void CDialog::HelpForFocus() {
    HelpFor(QApplication::focusWidget());
}

bool CDialog::HasButtons() const {
    return std::any_of(m_controls.begin(), m_controls.end(), [](const FormControl& control) {
        return KindOps(control.item->kind).isPushButton;
    });
}

void CDialog::DestroyFormWindow() {
    if (!m_window)
        return;
    for (CWnd* bound : std::vector<CWnd*>(m_bound))
        bound->Detach();
    m_bound.clear();
    m_controls.clear();
    m_template = nullptr;
    delete m_window;
    m_window = nullptr;
    m_hWnd = nullptr;
}

bool CDialog::HasTabStop() const {
    return std::any_of(m_controls.begin(), m_controls.end(), [](const FormControl& control) {
        return (control.item->style & WS_TABSTOP) != 0;
    });
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
        moves.emplace_back(control->widget, ItemRect(item, m_unitX, m_unitY));
        RefreshTemplateItem(*control);
    }
    for (const auto& [widget, rect] : moves)
        widget->setGeometry(rect);
    CentreLabelsOnTheirRows();
}

void CDialog::RefreshTemplateItem(const FormControl& control) const {
    if (const auto refresh = KindOps(control.item->kind).refresh) {
        std::string text;
        refresh(control.widget, InLanguage(*control.item, m_template->caption, text));
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
    const BOOL focusFirst = OnInitDialog();
    LayOutForm();
    if (!HasTabStop())
        DescribeForScreenReaders();
    else if (focusFirst)
        FocusFirstTabStop();
    if (!m_ended) {
        if (m_window->parentWidget()) {
            m_window->exec();
        } else { // the main window takes input beside other programs' windows
            QEventLoop loop;
            QObject::connect(m_window, &QDialog::finished, &loop, &QEventLoop::quit);
            m_window->show();
            loop.exec(QEventLoop::DialogExec);
        }
    }
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_window && m_window->isVisible())
        m_window->done(result);
}

void CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
}

void CDialog::SetDefID(int id) {
    if (auto* button = qobject_cast<QPushButton*>(ControlWidget(id))) {
        button->setDefault(true);
        m_defId = id;
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

// The default handling of a close request: the cancel command.
void CDialog::OnClose() {
    OnCommand(IDCANCEL, 0);
}

// A text typed into a list is taken (see ComboWidget::SelectTypedText)
// before any command acts on the form: Enter presses the default button with
// the focus still in the list.
void CDialog::OnCommand(int id, int code) {
    for (const FormControl& control : m_controls)
        if (auto* combo = dynamic_cast<ComboWidget*>(control.widget);
            code == 0 && combo && combo->hasFocus())
            combo->SelectTypedText();
    if (OnCmdMsg(id, code))
        return;
    if (code != 0 || OnOtherCommand(id))
        return;
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

// The framework layer on its own, under Qt's offscreen platform.
#include "framework/base/resources.h"
#include "framework/qt/controls.h"
#include "framework/qt/desktop_style.h"
#include "framework/qt/dialog.h"
#include "framework/qt/kind_grid.h"
#include "framework/qt/kind_picture.h"
#include "framework/qt/widgets.h"
#include "framework/qt/winapp.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// The tests' own forms: a sorted list, a label and a button, and a second
// layout that moves two of them.
const DialogTemplate kTemplates[] = {
    {1,
     "Test form",
     100,
     80,
     8,
     {
         {1013, ControlKind::Static, SS_NOTIFY, 4, 4, 40, 8, "Label:"},
         {1004, ControlKind::ComboBox, CBS_DROPDOWN | CBS_SORT | WS_TABSTOP, 4, 16, 60, 60, ""},
         {1007, ControlKind::Button, WS_TABSTOP, 4, 40, 40, 14, "Press"},
     },
     {{1004, 1013, nullptr}}},
    {2,
     "Other layout",
     80,
     100,
     8,
     {
         {1007, ControlKind::Button, kStyleNone, 40, 60, 30, 14, "Other text"},
         {1013, ControlKind::Static, kStyleNone, 4, 80, 40, 8, "Other label"},
         {4711, ControlKind::Static, kStyleNone, 4, 4, 4, 4, "no such control"},
     },
     {}},
    {3,
     "Grid form",
     120,
     100,
     8,
     {
         {1102, ControlKind::Edit, WS_BORDER | WS_TABSTOP, 4, 4, 112, 12, ""},
         {1100, ControlKind::Table, WS_BORDER | WS_TABSTOP, 4, 20, 112, 50, ""},
         {1101, ControlKind::Static, kStyleNone, 4, 72, 112, 8, "A note below"},
         {1105, ControlKind::Button, WS_TABSTOP, 4, 82, 40, 14, "Print"},
     },
     {}},
    {4,
     "Picture form",
     120,
     100,
     8,
     {
         {1600, ControlKind::Picture, WS_BORDER | WS_TABSTOP, 4, 4, 112, 70, ""},
         {1606, ControlKind::Button, WS_TABSTOP, 4, 82, 40, 14, "Export"},
     },
     {{1600, 0, "Test chart"}}},
    {5,
     "Rows form",
     120,
     60,
     8,
     {
         {1013, ControlKind::Static, kStyleNone, 4, 6, 40, 8, "Name:"},
         {1102, ControlKind::Edit, WS_BORDER | WS_TABSTOP, 50, 6, 60, 14, ""},
         {1014, ControlKind::Static, kStyleNone, 4, 26, 40, 8, "Kind:"},
         {1004, ControlKind::ComboBox, CBS_DROPDOWN | WS_TABSTOP, 50, 26, 60, 60, ""},
         {1101, ControlKind::Static, kStyleNone, 4, 46, 112, 8, "A note alone"},
     },
     {}},
};

// A drawing of a fixed least size that notes each paint.
class StubDrawing : public PictureDrawing {
  public:
    explicit StubDrawing(QSize least) : m_least(least) {}
    void Paint(QPainter&, const QRectF& area, const QPalette&, const QFont&) const override {
        painted = area;
    }
    QSize LeastSize(const QFont&) const override { return m_least; }
    mutable QRectF painted;

  private:
    QSize m_least;
};

// A form whose list and label the tests bind, with a handler for one command.
class TestForm : public CDialog {
  public:
    explicit TestForm(int templateId) : CDialog(templateId) {}
    CComboBox list;
    CStatic label;
    int calculateClicks = 0;
    int labelTaps = 0;
    int gridMoves = 0;
    std::function<void(TestForm&)> whileOpen;
    std::function<void(TestForm&)> beforeLayout; // sets what the form shows at first

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 1004, list);
        DDX_Control(dx, 1013, label);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (beforeLayout)
            beforeLayout(*this);
        if (whileOpen)
            QTimer::singleShot(0, [this] {
                whileOpen(*this);
                // An ASSERT that failed left the form open: ended here, at once.
                if (::testing::Test::HasFatalFailure())
                    EndDialog(IDCANCEL);
            });
        return TRUE;
    }
    void OnCalculate() { ++calculateClicks; }
    void OnLabel() { ++labelTaps; }
    void OnGridMoved() { ++gridMoves; }
    DECLARE_MESSAGE_MAP()
};

// A form with a grid of `rows` rows of five columns.
class GridForm : public TestForm {
  public:
    explicit GridForm(int rows, int columns = 5) : TestForm(3), m_rows(rows), m_columns(columns) {}
    CTableCtrl grid;

  protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1100, grid); }
    BOOL OnInitDialog() override {
        TestForm::OnInitDialog();
        TableContent content;
        for (int c = 0; c < m_columns; ++c)
            content.columns.push_back(u"f/" + Utf8ToCString(std::to_string(c + 2)));
        for (int r = 0; r < m_rows; ++r) {
            content.rows.push_back(Utf8ToCString(std::to_string(r + 1) + " m"));
            content.cells.emplace_back(m_columns, u"1,234.5 – 6,789.0");
        }
        grid.SetContent(content);
        return TRUE;
    }

  private:
    int m_rows, m_columns;
};

// A form with a picture whose content is set as it opens.
class PictureForm : public TestForm {
  public:
    explicit PictureForm(std::shared_ptr<const PictureDrawing> drawing)
        : TestForm(4), m_drawing(std::move(drawing)) {}
    CPictureCtrl picture;

  protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1600, picture); }
    BOOL OnInitDialog() override {
        TestForm::OnInitDialog();
        picture.SetContent({u"Zone", u"Sharp from 2 to 3 m.", {{false, u"f/8", {{0, 2, 3}}}}},
                           m_drawing);
        GrowToShowGrid();
        return TRUE;
    }

  private:
    std::shared_ptr<const PictureDrawing> m_drawing;
};

BEGIN_MESSAGE_MAP(TestForm, CDialog)
ON_BN_CLICKED(1007, OnCalculate)
ON_STN_CLICKED(1013, OnLabel)
ON_LBN_SELCHANGE(1100, OnGridMoved)
END_MESSAGE_MAP()
} // namespace

TEST(Framework, AFormWithoutATemplateCannotBeMade) {
    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

// Every kind a template may name is registered, makes a widget, and hands
// the same widget back as its own.
TEST(Framework, EveryControlKindIsRegistered) {
    QWidget parent;
    for (const ControlKind kind :
         {ControlKind::Static, ControlKind::Edit, ControlKind::Button, ControlKind::ComboBox,
          ControlKind::Table, ControlKind::Check, ControlKind::Picture}) {
        const DialogItem item{1, kind, kStyleNone, 0, 0, 10, 10, "Text"};
        QWidget* widget = CreateControlWidget(item, &parent, [](int, int) {});
        ASSERT_NE(widget, nullptr) << static_cast<int>(kind);
        EXPECT_EQ(KindOpsOf(widget), &KindOps(kind)) << static_cast<int>(kind);
        EXPECT_NE(KindOps(kind).make, nullptr) << static_cast<int>(kind);
    }
    EXPECT_EQ(KindOpsOf(&parent), nullptr) << "a widget no template made";
}

TEST(Framework, CommandsGoThroughTheMessageMapThenToOkAndCancel) {
    TestForm form(1);
    form.whileOpen = [](TestForm& f) {
        f.OnCommand(1007, BN_CLICKED);
        f.OnCommand(1007, 5); // another notification: not routed
        f.OnCommand(IDOK, 0);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.calculateClicks, 1);
    EXPECT_EQ(form.list.GetSafeHwnd(), nullptr) << "controls are let go with the window";

    TestForm closed(1);
    closed.whileOpen = [](TestForm& f) { f.GetSafeHwnd()->close(); };
    EXPECT_EQ(closed.DoModal(), IDCANCEL) << "a close request is the cancel command";
}

TEST(Framework, ASortedListKeepsItsEntriesInOrderAndSelectsByPrefix) {
    TestForm form(1);
    form.whileOpen = [](TestForm& f) {
        CComboBox& list = f.list;
        for (const char16_t* text : {u"0.0300", u"0.0100", u"0.0200", u"0.0150"})
            list.AddEntries({{text, std::nullopt}}); // one at a time, each in its place
        EXPECT_EQ(list.GetLBText(0), u"0.0100");
        EXPECT_EQ(list.GetLBText(3), u"0.0300");
        EXPECT_EQ(list.GetCurSel(), -1) << "adding never selects";
        list.AddEntries({{u"0.0250", std::nullopt}});
        EXPECT_EQ(list.GetLBText(3), u"0.0250");
        list.SetItemValue(3, "0.025");
        EXPECT_EQ(list.GetItemValue(3), "0.025");
        EXPECT_EQ(list.GetItemValue(0), std::nullopt);
        EXPECT_EQ(list.SelectString(u"0.02"), 2);
        EXPECT_EQ(list.GetCurSel(), 2);
        EXPECT_EQ(list.SelectString(u"0.05"), CB_ERR);
        EXPECT_EQ(list.GetCurSel(), -1);

        list.ResetContent();
        list.AddEntries({{u"b", "2"}, {u"a", "1"}, {u"B", std::nullopt}});
        EXPECT_EQ(list.GetCount(), 3);
        EXPECT_EQ(list.GetLBText(0), u"a");
        EXPECT_EQ(list.GetLBText(1), u"b") << "equal texts keep the order they came in";
        EXPECT_EQ(list.GetItemValue(2), std::nullopt);
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

TEST(Framework, ReapplyingATemplateMovesAndRefreshesTheMatchingControls) {
    TestForm form(1);
    form.whileOpen = [](TestForm& f) {
        QWidget* button = f.ControlWidget(1007);
        QWidget* label = f.ControlWidget(1013);
        SetWidgetText(button, QStringLiteral("changed"));
        const QRect listBefore = f.ControlWidget(1004)->geometry();
        f.ReapplyTemplate(2);
        int x = 40, y = 60, cx = 30, cy = 14;
        f.MapDialogRect(x, y, cx, cy);
        EXPECT_EQ(button->geometry(), QRect(x, y, cx, cy));
        EXPECT_EQ(WidgetText(button), QStringLiteral("Press")) << "its own template text again";
        int lx = 4, ly = 80, lcx = 40, lcy = 8;
        f.MapDialogRect(lx, ly, lcx, lcy);
        EXPECT_EQ(label->geometry(), QRect(lx, ly, lcx, lcy));
        EXPECT_EQ(f.ControlWidget(1004)->geometry(), listBefore) << "not in that template";
        f.ReapplyTemplate(4242); // no such template: nothing happens
        EXPECT_EQ(button->geometry(), QRect(x, y, cx, cy));
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

TEST(Framework, ATappableLabelOffersScreenReadersAPressThatTapsIt) {
    TestForm form(1);
    form.whileOpen = [](TestForm& f) {
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(f.ControlWidget(1013));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->role(), QAccessible::Link);
        EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("Label"));
        ASSERT_NE(label->actionInterface(), nullptr);
        EXPECT_EQ(label->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
        label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(f.labelTaps, 0) << "the press returns at once; the tap follows";
        QCoreApplication::processEvents();
        EXPECT_EQ(f.labelTaps, 1);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.ControlWidget(1004));
        EXPECT_EQ(list->relations(QAccessible::Label).size(), 1) << "labelled by its label";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

TEST(Framework, AFormWithNothingToFocusIsReadOutWhole) {
    TestForm form(2); // a button that takes no tab, two labels
    form.whileOpen = [](TestForm& f) {
        EXPECT_EQ(f.GetSafeHwnd()->accessibleDescription(),
                  QStringLiteral("Other text\nOther label\nno such control"));
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
    TestForm withFocus(1);
    withFocus.whileOpen = [](TestForm& f) {
        EXPECT_TRUE(f.GetSafeHwnd()->accessibleDescription().isEmpty()) << "its fields speak";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(withFocus.DoModal(), IDOK);
}

// A label beside a taller box reads on the box's line, at any size.
TEST(Framework, ALabelStandsOnItsBoxsLine) {
    for (const int pointSize : {8, 16}) {
        TestForm form(5);
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        form.whileOpen = [](TestForm& f) {
            for (const auto& [labelId, boxId] : {std::pair{1013, 1102}, std::pair{1014, 1004}}) {
                const auto* label = qobject_cast<QLabel*>(f.ControlWidget(labelId));
                const QRect box = f.ControlWidget(boxId)->geometry();
                EXPECT_LE(std::abs(label->geometry().center().y() - box.center().y()), 1)
                    << labelId;
                EXPECT_TRUE(label->alignment() & Qt::AlignVCenter) << labelId;
            }
            const auto* alone = qobject_cast<QLabel*>(f.ControlWidget(1101));
            EXPECT_TRUE(alone->alignment() & Qt::AlignTop) << "a label with no box beside it";
            f.EndDialog(IDOK);
        };
        EXPECT_EQ(form.DoModal(), IDOK);
    }
    QApplication::setFont(QFont());
}

TEST(Framework, AnOpenDropDownShowsItsWidestEntryWhole) {
    TestForm form(1);
    form.whileOpen = [](TestForm& f) {
        const CString longest = u"Canon 350D/Digital Rebel XT, and more and more and more";
        f.list.AddEntries({{u"a", std::nullopt}, {longest, std::nullopt}});
        auto* combo = qobject_cast<QComboBox*>(f.ControlWidget(1004));
        const int fieldWidth = combo->width();
        combo->showPopup();
        const QAbstractItemView* view = combo->view();
        EXPECT_GE(view->viewport()->width(),
                  view->fontMetrics().horizontalAdvance(QString::fromStdU16String(longest)));
        EXPECT_EQ(combo->width(), fieldWidth) << "the field keeps its width";
        combo->hidePopup();
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

TEST(Framework, ABoxShowsTheBeginningOfALongText) {
    TestForm form(1);
    form.whileOpen = [](TestForm& f) {
        f.list.AddEntries({{u"Canon 350D/Digital Rebel XT, and more and more and more", "7"}});
        f.list.SelectString(u"Canon");
        auto* combo = qobject_cast<QComboBox*>(f.ControlWidget(1004));
        EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
        combo->setCurrentIndex(-1);
        combo->setCurrentIndex(0); // as picking it from the drop-down does
        EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
        combo->lineEdit()->end(false);
        f.ReapplyTemplate(1); // a screen turn resets the field to the entry's text
        EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
        f.list.AddEntries({{u"zzz", std::nullopt}}); // adding keeps the field, from its beginning
        EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

// A text read from a file grows its form only as far as shows it whole
// within the screen; one too long for that grows nothing and is cut in the
// middle, whole in its tooltip and to a screen reader.
TEST(Framework, ATextReadFromAFileNeverGrowsItsFormPastTheScreen) {
    const CString longText = Utf8ToCString("Start " + std::string(6000, 'w') + " end");
    const auto open = [&](const CString& text, bool fromFile, std::function<void(TestForm&)> look) {
        TestForm form(1);
        form.beforeLayout = [&](TestForm& f) {
            if (fromFile)
                f.ShowWithinScreen(1013);
            f.label.SetWindowText(text);
        };
        QSize size;
        form.whileOpen = [&](TestForm& f) {
            size = f.ControlWidget(1013)->window()->size();
            if (look)
                look(f);
            f.EndDialog(IDOK);
        };
        form.DoModal();
        return size;
    };
    const QSize plain = open(u"Label:", false, {});
    EXPECT_GT(open(longText, false, {}).width(), plain.width()) << "a form's own text grows it";
    const QSize cut = open(longText, true, [&](TestForm& f) {
        auto* label = qobject_cast<QLabel*>(f.ControlWidget(1013));
        EXPECT_TRUE(label->text().startsWith(QStringLiteral("Start")));
        EXPECT_TRUE(label->text().endsWith(QStringLiteral(" end")));
        EXPECT_TRUE(label->text().contains(QChar(0x2026)));
        EXPECT_EQ(label->toolTip().toStdU16String(), longText);
        EXPECT_EQ(label->accessibleName().toStdU16String(), longText);
    });
    EXPECT_EQ(cut, plain) << "grown by nothing";
    // One that fits once the form grows a little: grown, and whole.
    open(Utf8ToCString("A label from a file, longer than its place"), true, [](TestForm& f) {
        auto* label = qobject_cast<QLabel*>(f.ControlWidget(1013));
        EXPECT_FALSE(label->text().contains(QChar(0x2026)));
        EXPECT_TRUE(label->toolTip().isEmpty());
    });
}

// The grid's whole content in view: no scroll bar needed.
bool ShowsWhole(const QAbstractScrollArea* grid) {
    const QSize need = GridContentSize(grid);
    return grid->width() >= need.width() && grid->height() >= need.height();
}

// A picture the program paints: its form opens large enough for its least
// size and grows with the window; a screen reader hears it as a chart, by
// its name, with what it shows as its description.
TEST(Framework, APictureGrowsItsFormAndReadsAsAChart) {
    const auto drawing = std::make_shared<StubDrawing>(QSize(700, 420));
    PictureForm form(drawing);
    form.whileOpen = [drawing](TestForm& f) {
        QWidget* widget = f.ControlWidget(1600);
        EXPECT_GE(widget->width(), 700);
        EXPECT_GE(widget->height(), 420);
        EXPECT_GT(f.ControlWidget(1606)->y(), widget->geometry().bottom()) << "below it";
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(reader, nullptr);
        EXPECT_EQ(reader->role(), QAccessible::Chart);
        EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Test chart"));
        EXPECT_EQ(reader->text(QAccessible::Description), QStringLiteral("Sharp from 2 to 3 m."));
        EXPECT_EQ(qobject_cast<PictureWidget*>(widget)->Content().series[0].label, u"f/8");
        (void)widget->grab();
        EXPECT_EQ(drawing->painted, QRectF(widget->rect())) << "painted in the whole control";
        f.GetSafeHwnd()->resize(100, 100);
        EXPECT_GE(widget->width(), 700) << "never smaller than it shows whole";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

// The row a person moves to in a grid, by key or by click, is told to the
// form, and is the grid's selection.
TEST(Framework, AGridTellsTheRowMovedTo) {
    GridForm form(4);
    form.whileOpen = [&form](TestForm& f) {
        QWidget* grid = f.ControlWidget(1100);
        ASSERT_TRUE(grid);
        grid->setFocus();
        const int before = f.gridMoves;
        const auto down = [grid] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(grid, &press);
        };
        down();
        down();
        EXPECT_GT(f.gridMoves, before);
        EXPECT_EQ(form.grid.GetCurSel(), 1) << "the second row";
        const int moved = f.gridMoves;
        down();
        EXPECT_EQ(f.gridMoves, moved + 1) << "each move told once";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

TEST(Framework, AFormWithAGridOpensToShowItWholeAndGrowsWithIt) {
    GridForm form(6);
    form.whileOpen = [](TestForm& f) {
        QWidget* window = f.GetSafeHwnd();
        auto* grid = qobject_cast<QAbstractScrollArea*>(f.ControlWidget(1100));
        ASSERT_TRUE(grid);
        EXPECT_TRUE(ShowsWhole(grid)) << "five wide columns, more than the template's width";
        QWidget* box = f.ControlWidget(1102);
        QWidget* note = f.ControlWidget(1101);
        QWidget* print = f.ControlWidget(1105);
        EXPECT_EQ(box->geometry().right(), grid->geometry().right()) << "the box above widens";
        EXPECT_GT(note->y(), grid->geometry().bottom());
        EXPECT_GT(print->y(), note->geometry().bottom());
        const QSize least = window->minimumSize();
        EXPECT_LT(least.width(), window->width()) << "the template's size is the least";
        const QRect printAt = print->geometry();
        window->resize(window->size() + QSize(40, 30));
        EXPECT_EQ(print->geometry(), printAt.translated(0, 30)) << "the button follows the grid";
        EXPECT_EQ(grid->width(), box->width() + (grid->x() - box->x()));
        window->resize(least);
        EXPECT_FALSE(ShowsWhole(grid)) << "made small, the grid scrolls";
        EXPECT_GE(note->y(), grid->geometry().bottom()) << "and nothing overlaps it";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);

    GridForm tall(400);
    tall.whileOpen = [](TestForm& f) {
        QWidget* window = f.GetSafeHwnd();
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_LT(window->height(), screen.height()) << "no taller than the screen";
        EXPECT_GT(window->height(), window->minimumHeight());
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(tall.DoModal(), IDOK);

    // Wider than the screen: it scrolls sideways, and its scroll bar hides
    // no row.
    GridForm wide(6, 60);
    wide.whileOpen = [](TestForm& f) {
        auto* grid = qobject_cast<QAbstractScrollArea*>(f.ControlWidget(1100));
        EXPECT_GT(grid->horizontalScrollBar()->maximum(), 0);
        EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0) << "every row shows";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(wide.DoModal(), IDOK);

    TestForm plain(1);
    plain.whileOpen = [](TestForm& f) {
        QWidget* window = f.GetSafeHwnd();
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "a form without a grid is fixed";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(plain.DoModal(), IDOK);
}

TEST(Framework, TheMainFormIsAWindowAndFormsOverItAreItsDialogs) {
    CWinApp app;
    TestForm main(1);
    app.m_pMainWnd = &main;
    main.whileOpen = [](TestForm& m) {
        QWidget* window = m.GetSafeHwnd();
        EXPECT_EQ(window->windowType(), Qt::Window);
        EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(window->isModal()) << "other programs' windows stay usable";
        TestForm over(2);
        over.whileOpen = [window](TestForm& o) {
            QWidget* dialog = o.GetSafeHwnd();
            EXPECT_EQ(dialog->windowType(), Qt::Dialog);
            EXPECT_EQ(dialog->parentWidget(), window) << "transient for the main window";
            EXPECT_FALSE(dialog->windowFlags() &
                         (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
            EXPECT_TRUE(window->isEnabled()) << "blocked, not drawn disabled";
            o.EndDialog(IDOK);
        };
        EXPECT_EQ(over.DoModal(), IDOK);
        m.EndDialog(IDOK);
    };
    EXPECT_EQ(main.DoModal(), IDOK);
}

TEST(Framework, AFormLeavesTheDesktopsStyleAndFontAlone) {
    const QString style = QApplication::style()->name();
    const QFont font = QApplication::font();
    TestForm form(1);
    form.whileOpen = [&](TestForm& f) {
        EXPECT_EQ(QApplication::style()->name(), style);
        EXPECT_EQ(QApplication::font(), font);
        EXPECT_EQ(f.GetSafeHwnd()->font().family(), font.family()) << "the desktop's family";
        f.EndDialog(IDOK);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
}

// The program's style is the desktop's: the same style object draws, and the
// menu bar's "more" icon, read only when drawn, is the desktop's own.
TEST(Framework, TheDesktopStyleDrawsAsTheDesktopsOwn) {
    QStyle* desktop = QApplication::style();
    const QImage expected = desktop->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                .pixmap(QSize(16, 16))
                                .toImage();
    UseDesktopStyle();
    UseDesktopStyle();
    auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->baseStyle(), desktop);
    EXPECT_EQ(qobject_cast<QProxyStyle*>(style->baseStyle()), nullptr) << "set once";
    const QIcon more = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(expected.isNull());
    EXPECT_EQ(more.pixmap(QSize(16, 16)).toImage(), expected);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AfxRegisterResources({kTemplates, {}, {}, {}, {}});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The framework layer on its own, under Qt's offscreen platform.
#include "forms/color_static.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/widgets.h"
#include "framework/winapp.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// A form whose list and label the tests bind, with a handler for one command.
class TestForm : public CDialog {
  public:
    explicit TestForm(int templateId) : CDialog(templateId) {}
    CComboBox list;
    CColorStatic label;
    int calculateClicks = 0;
    std::function<void(TestForm&)> whileOpen;

  protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 1004, list);
        DDX_Control(dx, 1013, label);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (whileOpen)
            QTimer::singleShot(0, [this] { whileOpen(*this); });
        return TRUE;
    }
    void OnCalculate() { ++calculateClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestForm, CDialog)
ON_BN_CLICKED(1007, OnCalculate)
END_MESSAGE_MAP()
} // namespace

TEST(Framework, AFormWithoutATemplateCannotBeMade) {
    CDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Framework, CommandsGoThroughTheMessageMapThenToOkAndCancel) {
    TestForm form(102);
    form.whileOpen = [](TestForm& f) {
        f.OnCommand(1007, BN_CLICKED);
        f.OnCommand(1007, 5); // another notification: not routed
        f.OnCommand(IDOK, 0);
    };
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.calculateClicks, 1);
    EXPECT_EQ(form.list.GetSafeHwnd(), nullptr) << "controls are let go with the window";

    TestForm closed(102);
    closed.whileOpen = [](TestForm& f) { f.GetSafeHwnd()->close(); };
    EXPECT_EQ(closed.DoModal(), IDCANCEL) << "a close request is the cancel command";
}

TEST(Framework, ASortedListKeepsItsEntriesInOrderAndSelectsByPrefix) {
    TestForm form(102);
    form.whileOpen = [](TestForm& f) {
        CComboBox& list = f.list;
        for (const char16_t* text : {u"0.0300", u"0.0100", u"0.0200", u"0.0150"})
            list.AddString(text);
        EXPECT_EQ(list.GetLBText(0), u"0.0100");
        EXPECT_EQ(list.GetLBText(3), u"0.0300");
        EXPECT_EQ(list.GetCurSel(), -1) << "adding never selects";
        EXPECT_EQ(list.AddString(u"0.0250"), 3);
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
    form.DoModal();
}

TEST(Framework, AColourLabelKeepsTheWindowColourItWasMadeWith) {
    const COLORREF before = GetSysColor(COLOR_WINDOW);
    CColorStatic label;
    QPalette changed = QApplication::palette();
    changed.setColor(QPalette::Base, QColor(12, 34, 56));
    QApplication::setPalette(changed);
    EXPECT_NE(GetSysColor(COLOR_WINDOW), before);
    EXPECT_EQ(label.BackgroundColor(), before);
    EXPECT_EQ(label.TextColor(), 0u);
    CDC dc;
    CBrush* brush = label.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(brush->GetColor(), before);
    EXPECT_EQ(dc.GetTextColor(), 0u);
    label.SetLabelTextColor(RGB(0, 0, 255));
    label.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(dc.GetTextColor(), 0x00FF0000u);
    EXPECT_EQ(dc.GetBkColor(), before);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AfxInitApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

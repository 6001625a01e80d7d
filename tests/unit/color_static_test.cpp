// The coloured label on its own.
#include "help/color_static.h"
#include "help/readable_colour.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(ColorStatic, KeepsTheWindowColourItWasMadeWith) {
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

TEST(ReadableColour, BlueStaysOnLightWindowsAndLightensOnDarkOnes) {
    const COLORREF blue = RGB(0, 0, 255);
    for (const COLORREF light : {RGB(255, 255, 255), RGB(239, 239, 239), RGB(246, 245, 244)})
        EXPECT_EQ(ReadableOn(blue, light), blue);
    for (const COLORREF dark : {RGB(0x24, 0x24, 0x24), RGB(0, 0, 0), RGB(0x2A, 0x2E, 0x32)}) {
        const COLORREF readable = ReadableOn(blue, dark);
        EXPECT_GE(ContrastRatio(readable, dark), 4.5);
        EXPECT_EQ(GetBValue(readable), 255) << "still a blue";
        EXPECT_LT(GetRValue(readable), 160) << "no more than it takes";
    }
    // Mid grey: neither pure blue nor a light blue will do; a darker one does.
    const COLORREF grey = RGB(150, 150, 150);
    EXPECT_GE(ContrastRatio(ReadableOn(blue, grey), grey), 4.5);
    EXPECT_NEAR(ContrastRatio(RGB(0, 0, 0), RGB(255, 255, 255)), 21.0, 1e-9);
}

// The sRGB contrast ratios the accessibility guidelines' own examples give.
TEST(ReadableColour, ContrastRatiosAreTheGuidelinesOwn) {
    const struct {
        const char* name;
        COLORREF text, background;
        double ratio;
    } cases[] = {
        {"blue on white", RGB(0, 0, 255), RGB(255, 255, 255), 8.5924713584},
        {"#767676 on white, the lightest grey that passes", RGB(0x76, 0x76, 0x76),
         RGB(255, 255, 255), 4.5422249596},
        {"#777777 on white fails", RGB(0x77, 0x77, 0x77), RGB(255, 255, 255), 4.4780894536},
        {"red on black", RGB(255, 0, 0), RGB(0, 0, 0), 5.2520000000},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ContrastRatio(c.text, c.background), c.ratio, 1e-9) << c.name;
}

// The coloured label on its own.
#include "forms/color_static.h"
#include "forms/readable_colour.h"

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

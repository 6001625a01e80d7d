// The coloured label on its own.
#include "forms/color_static.h"

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

#pragma once
// A static text painted in a colour of the program's choosing on the window
// colour read when the label was made.

#include "framework/qt/controls.h"

class CColorStatic : public CStatic {
  public:
    CColorStatic();
    ~CColorStatic() override;

    void SetLabelTextColor(COLORREF color);
    CBrush* CtlColor(CDC* dc, UINT ctlColor);

    COLORREF TextColor() const { return m_crText; }
    COLORREF BackgroundColor() const { return m_crBackground; }

  private:
    CBrush m_brBackground;
    COLORREF m_crBackground;
    COLORREF m_crText;

    DECLARE_MESSAGE_MAP()
};

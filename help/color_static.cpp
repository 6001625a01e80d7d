#include "help/color_static.h"

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColorStatic::CColorStatic() : m_crBackground(GetSysColor(COLOR_WINDOW)), m_crText(0) {
    m_brBackground.CreateSolidBrush(m_crBackground);
}

CColorStatic::~CColorStatic() {
    m_brBackground.DeleteObject();
}

void CColorStatic::SetLabelTextColor(COLORREF color) {
    m_crText = color;
    RedrawWindow();
}

CBrush* CColorStatic::CtlColor(CDC* dc, UINT) {
    CBrush* brush = &m_brBackground;
    dc->SetBkColor(m_crBackground);
    dc->SetTextColor(m_crText);
    return brush;
}

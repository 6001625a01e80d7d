#pragma once
// Colours, brushes, fonts and the drawing context a control paints with.

#include "framework/base/afx.h"

#include <QFont>
#include <QIcon>
#include <optional>

COLORREF GetSysColor(int index);
QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);

using HICON = const QIcon*;
HICON LoadProgramIcon(int id); // null when the program has no such icon

class CGdiObject : public CObject {};

class CBrush : public CGdiObject {
  public:
    BOOL CreateSolidBrush(COLORREF color);
    BOOL DeleteObject();
    bool IsNull() const { return !m_color.has_value(); }
    COLORREF GetColor() const { return m_color.value_or(0); }

  private:
    std::optional<COLORREF> m_color;
};

// A font's logical description, as the handheld keeps it.
struct LOGFONT {
    int lfHeight = 0; // points
    int lfWeight = 400;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    char16_t lfFaceName[32] = {};
};

class CFont : public CGdiObject {
  public:
    BOOL CreateFontIndirect(const LOGFONT* description);
    int GetLogFont(LOGFONT* description) const;
    const QFont* Get() const { return m_font ? &*m_font : nullptr; }
    void Set(const QFont& font) { m_font = font; }

  private:
    std::optional<QFont> m_font;
};

// What a control-colour handler sets before the control paints.
class CDC {
  public:
    explicit CDC(COLORREF text = 0, COLORREF background = 0xFFFFFF)
        : m_text(text), m_background(background) {}
    COLORREF SetTextColor(COLORREF c) { return std::exchange(m_text, c); }
    COLORREF SetBkColor(COLORREF c) { return std::exchange(m_background, c); }
    COLORREF GetTextColor() const { return m_text; }
    COLORREF GetBkColor() const { return m_background; }

  private:
    COLORREF m_text;
    COLORREF m_background;
};

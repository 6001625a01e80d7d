#include "framework/qt/gdi.h"

#include "framework/base/resources.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <map>
#include <utility>

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
COLORREF FromQColor(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

COLORREF GetSysColor(int index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
    case COLOR_WINDOW:
        return FromQColor(palette.color(QPalette::Base));
    default:
        return FromQColor(palette.color(QPalette::Window));
    }
}

// Made once per icon from the program's pixels: no image format to decode.
HICON LoadProgramIcon(int id) {
    static std::map<int, QIcon> loaded;
    if (const auto known = loaded.find(id); known != loaded.end())
        return &known->second;
    const IconResource* icon = FindIconResource(id);
    if (!icon)
        return nullptr;
    const QImage image(reinterpret_cast<const uchar*>(icon->pixels), icon->width, icon->height,
                       QImage::Format_ARGB32_Premultiplied);
    return &loaded.emplace(id, QIcon(QPixmap::fromImage(image))).first->second;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    m_color = color;
    return TRUE;
}

BOOL CBrush::DeleteObject() {
    const bool had = m_color.has_value();
    m_color.reset();
    return had;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* d) {
    if (d == nullptr || d->lfHeight <= 0)
        return FALSE;
    QFont font = QApplication::font(); // the program's rendering settings, then the description
    font.setFamily(QString::fromUtf16(d->lfFaceName));
    font.setPointSize(d->lfHeight);
    font.setWeight(static_cast<QFont::Weight>(d->lfWeight));
    font.setItalic(d->lfItalic != 0);
    font.setUnderline(d->lfUnderline != 0);
    font.setStrikeOut(d->lfStrikeOut != 0);
    m_font = font;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* d) const {
    if (!m_font || d == nullptr)
        return 0;
    *d = LOGFONT{};
    d->lfHeight = m_font->pointSize();
    d->lfWeight = m_font->weight();
    d->lfItalic = m_font->italic();
    d->lfUnderline = m_font->underline();
    d->lfStrikeOut = m_font->strikeOut();
    const std::u16string face = m_font->family().toStdU16String().substr(0, 31);
    face.copy(d->lfFaceName, face.size());
    return static_cast<int>(sizeof(LOGFONT));
}

#include "framework/gdi.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
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

HICON LoadProgramIcon(int id) {
    if (id != 128)
        return nullptr;
    static const std::uint32_t pixels[] = {
#include "resources/icon_pixels.inc"
    };
    static const QIcon icon(QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels), 32,
                                                      32, QImage::Format_ARGB32_Premultiplied)));
    return &icon;
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

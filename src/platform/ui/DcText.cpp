#include "platform/ui/DC.h"

#include "platform/ui/SysColors.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/TextLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QTextLayout>
#include <QFontMetrics>
#include <algorithm>

using namespace platform::ui::detail;

namespace {

QString Utf8(LPCTSTR text, int count)
{
    if (!text)
        return QString();
    return count < 0 ? QString::fromUtf8(text) : QString::fromUtf8(text, count);
}

// A bitmap face has glyphs of one size: on a scaled device the font engine draws them at that
// size at scaled advances, letters far apart. Its glyphs are drawn at their own size and the
// picture scaled whole, so they keep their proportions at 100 %; the glyphs other faces stand
// in with (Chinese) are drawn at the device's resolution.
bool Scaled(const QPainter& painter)
{
    const QTransform& device = painter.deviceTransform();
    return device.m11() != 1 || device.m22() != 1;
}

bool BitmapRun(const QGlyphRun& run)
{
    return !QFontDatabase::isScalable(run.rawFont().familyName());
}

void DrawScaledWhole(DcPaint& paint, QPointF origin, const QGlyphRun& run, const QColor& colour, const QRect& reach)
{
    QImage picture(reach.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter glyphs(&picture);
    glyphs.setPen(colour);
    glyphs.drawGlyphRun(origin - reach.topLeft(), run);
    glyphs.end();
    paint->drawImage(reach, picture);
}

void DrawGlyphs(DcPaint& paint, QPoint baseline, const QString& text, const QFont& font, const QColor& colour,
                const QRect& reach)
{
    paint->setPen(colour);
    if (!Scaled(*paint)) {
        paint->setFont(font);
        paint->drawText(baseline, text);
        return;
    }
    // Pixel-exact glyphs keep text as Windows draws it at 100 %; scaled, a face is smoothed as
    // the desktop's own text is, or its bold strokes read as a picture of 100 % pixels doubled.
    QFont smoothed = font;
    smoothed.setStyleStrategy(QFont::PreferAntialias);
    QTextLayout layout(text, smoothed);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (std::none_of(runs.begin(), runs.end(), BitmapRun)) {
        paint->setFont(smoothed);
        paint->drawText(baseline, text);
        return;
    }
    const QPointF origin(baseline.x(), baseline.y() - line.ascent());
    for (const QGlyphRun& run : runs) {
        if (BitmapRun(run))
            DrawScaledWhole(paint, origin, run, colour, reach);
        else
            paint->drawGlyphRun(origin, run);
    }
}

// One line of text with its top-left corner at (x, y); OPAQUE fills the line's box first.
void DrawLine(DcPaint& paint, const DcRecord* dc, QPoint at, const TextLine& line, COLORREF colour, bool opaque)
{
    const QFont font = dc->Font();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(line.text);
    const QRect box(at, QSize(width, metrics.height()));
    // Glyphs may reach a little beyond their advance.
    const int margin = metrics.height() / 2;
    const QRect reach = box.adjusted(-margin, 0, margin, 0);
    if (opaque)
        paint.Fill(box, dc->state.bkColour);
    DrawGlyphs(paint, QPoint(at.x(), at.y() + metrics.ascent()), line.text, font,
               dc->DeviceColour(colour), reach);
    if (line.underline >= 0) {
        const int length = line.text.at(line.underline).isHighSurrogate() ? 2 : 1;
        const int left = metrics.horizontalAdvance(line.text.left(line.underline));
        const int charWidth = metrics.horizontalAdvance(line.text.mid(line.underline, length));
        paint.Fill(QRect(at.x() + left, at.y() + metrics.ascent() + metrics.underlinePos(), charWidth,
                         std::max(1, metrics.lineWidth())),
                   colour);
    }
    paint.Touch(reach);
}

int DrawTextOn(DcRecord* dc, const QString& text, RECT* rect, UINT format)
{
    const QFontMetrics metrics(dc->Font());
    const int lineHeight = metrics.height();
    const std::vector<TextLine> lines = LayoutText(text, format, rect->right - rect->left, metrics);
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.text));

    if (format & DT_CALCRECT) {
        const bool keepsWidth = lines.size() > 1 && (format & DT_WORDBREAK);
        rect->right = rect->left + (keepsWidth ? std::max<int>(rect->right - rect->left, widest) : widest);
        rect->bottom = rect->top + textHeight;
        return textHeight;
    }

    int top = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = rect->bottom - lineHeight;
    }
    DcPaint paint(dc);
    if (paint) {
        if (!(format & DT_NOCLIP)) {
            const QRect clip(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
            paint->setClipRect(clip, paint->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        }
        const bool opaque = dc->state.bkMode == OPAQUE;
        int y = top;
        for (const TextLine& line : lines) {
            const int x = LineLeft(format, rect->left, rect->right, metrics.horizontalAdvance(line.text));
            DrawLine(paint, dc, QPoint(x, y), line, dc->state.textColour, opaque);
            y += lineHeight;
        }
    }
    return top - rect->top + textHeight;
}

} // namespace

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return DrawText(text.GetString(), text.GetLength(), rect, format);
}

int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !rect)
        return 0;
    return DrawTextOn(record, Utf8(text, count), rect, format);
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return TextOut(x, y, text.GetString(), text.GetLength());
}

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return FALSE;
    DcPaint paint(record);
    if (paint)
        DrawLine(paint, record, QPoint(x, y), TextLine{Utf8(text, count)}, record->state.textColour,
                 record->state.bkMode == OPAQUE);
    return TRUE;
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

CSize CDC::GetTextExtent(LPCTSTR text, int count) const
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record)
        return CSize();
    const QFontMetrics metrics(record->Font());
    return CSize(metrics.horizontalAdvance(Utf8(text, count)), metrics.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !metrics)
        return FALSE;
    const QFont font = record->Font();
    const QFontMetrics measured(font);
    const LOGFONT& logFont = record->state.font->logFont;
    *metrics = TEXTMETRIC();
    metrics->tmHeight = measured.height();
    metrics->tmAscent = measured.ascent();
    metrics->tmDescent = measured.descent();
    // The em is the character height; the rest of the cell is internal leading.
    metrics->tmInternalLeading = std::max(0, measured.height() - font.pixelSize());
    metrics->tmExternalLeading = std::max(0, measured.leading());
    metrics->tmAveCharWidth = measured.averageCharWidth();
    metrics->tmMaxCharWidth = measured.maxWidth();
    metrics->tmWeight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : logFont.lfWeight;
    metrics->tmItalic = logFont.lfItalic ? 1 : 0;
    metrics->tmUnderlined = logFont.lfUnderline ? 1 : 0;
    metrics->tmStruckOut = logFont.lfStrikeOut ? 1 : 0;
    metrics->tmCharSet = logFont.lfCharSet;
    // Outline fonts; the low bit, oddly, says the pitch is variable.
    constexpr BYTE kVariablePitch = 0x01, kVector = 0x02, kTrueType = 0x04;
    metrics->tmPitchAndFamily =
        static_cast<BYTE>(kVector | kTrueType | (QFontInfo(font).fixedPitch() ? 0 : kVariablePitch));
    return TRUE;
}

BOOL CDC::DrawState(CPoint point, CSize size, LPCTSTR text, UINT flags, BOOL prefixText, int textLength, CBrush*)
{
    DcRecord* record = LiveDc(m_hDC);
    if (!record || !text)
        return FALSE;
    const QString content = Utf8(text, textLength > 0 ? textLength : -1);
    const QFontMetrics metrics(record->Font());
    const UINT format = DT_SINGLELINE | (prefixText ? 0 : DT_NOPREFIX);
    const int width = size.cx > 0 ? size.cx : metrics.horizontalAdvance(content);
    const std::vector<TextLine> lines = LayoutText(content, format, width, metrics);
    DcPaint paint(record);
    if (!paint || lines.empty())
        return TRUE;
    const QPoint at(point.x, point.y);
    if (flags & DSS_DISABLED) {
        DrawLine(paint, record, at + QPoint(1, 1), lines.front(), GetSysColor(COLOR_3DHILIGHT), false);
        DrawLine(paint, record, at, lines.front(), GetSysColor(COLOR_3DSHADOW), false);
    } else {
        DrawLine(paint, record, at, lines.front(), record->state.textColour, false);
    }
    return TRUE;
}

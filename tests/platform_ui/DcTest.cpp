// Drawing on memory DCs, checked pixel by pixel against the Windows rules.
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Images.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/DcFactory.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/WindowAccess.h"

#include "Canvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

COLORREF Sys(int index)
{
    return GetSysColor(index);
}

// A horizontal line from x = 0 to x = length with the pen, on row 0.
std::string DrawnRow(int style, int length, int bkMode, COLORREF background = kRed)
{
    Canvas canvas(length + 2, 1);
    CPen pen(style, 1, kBlack);
    CPen* previous = canvas.dc.SelectObject(&pen);
    canvas.dc.SetBkMode(bkMode);
    canvas.dc.SetBkColor(background);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(length, 0);
    canvas.dc.SelectObject(previous);
    std::string row;
    for (int x = 0; x < length + 2; ++x) {
        const COLORREF pixel = canvas.At(x, 0);
        row += pixel == kBlack ? '#' : pixel == background ? '-' : pixel == kWhite ? '.' : '?';
    }
    return row;
}

std::string Repeat(const std::string& part, size_t length)
{
    std::string whole;
    while (whole.size() < length)
        whole += part;
    return whole.substr(0, length);
}

// A canvas with a 16-pixel Tahoma selected and black transparent text.
class TextCanvas : public Canvas {
public:
    TextCanvas(int width, int height) : Canvas(width, height)
    {
        m_font.CreateFont(-16, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
        m_previous = dc.SelectObject(&m_font);
        dc.SetBkMode(TRANSPARENT);
    }
    ~TextCanvas() { dc.SelectObject(m_previous); }

    int LineHeight() const
    {
        TEXTMETRIC metrics;
        dc.GetTextMetrics(&metrics);
        return metrics.tmHeight;
    }

private:
    CFont m_font;
    CFont* m_previous = nullptr;
};

constexpr UINT kCanvasDialog = 9301;

// A window that paints a red square in its paint handler.
class PaintedDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    PaintedDialog() : CDialog(kCanvasDialog) {}
    void OnPaint()
    {
        CPaintDC dc(this);
        dc.FillSolidRect(5, 5, 10, 10, kRed);
        ++paints;
    }
    int paints = 0;
};

RV_MESSAGE_MAP(PaintedDialog, CDialog, msgmap::Simple(WM_PAINT, &T::OnPaint))

} // namespace

TEST(DcRectangles, FillsLeaveOutTheRightAndBottomEdges)
{
    Canvas canvas(20, 20);
    canvas.dc.FillSolidRect(2, 3, 10, 10, kRed);
    EXPECT_EQ(canvas.Count(kRed), 100);
    EXPECT_EQ(canvas.Ink(), CRect(2, 3, 12, 13));
    EXPECT_EQ(canvas.dc.GetBkColor(), kRed);

    canvas.Clear(kWhite);
    CBrush brush(kBlue);
    const CRect area(0, 0, 4, 3);
    canvas.dc.FillRect(&area, &brush);
    EXPECT_EQ(canvas.Count(kBlue), 12);
    canvas.dc.FillRect(&area, CBrush::FromHandle(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(canvas.Count(kBlue), 12);
    const CRect backwards(6, 0, 4, 3);
    canvas.dc.FillRect(&backwards, &brush);
    EXPECT_EQ(canvas.Count(kBlue), 12);
}

TEST(DcRectangles, FrameRectAndDraw3dRectDrawOnePixelBorders)
{
    Canvas canvas(12, 12);
    CBrush brush(kRed);
    const CRect area(1, 1, 11, 11);
    canvas.dc.FrameRect(&area, &brush);
    EXPECT_EQ(canvas.Count(kRed), 36);
    EXPECT_EQ(canvas.At(1, 1), kRed);
    EXPECT_EQ(canvas.At(10, 10), kRed);
    EXPECT_EQ(canvas.At(11, 10), kWhite);
    EXPECT_EQ(canvas.At(5, 5), kWhite);

    canvas.Clear(kWhite);
    canvas.dc.Draw3dRect(&area, kBlue, kRed);
    EXPECT_EQ(canvas.At(1, 1), kBlue);
    EXPECT_EQ(canvas.At(9, 1), kBlue);
    EXPECT_EQ(canvas.At(10, 1), kRed);      // the bottom-right colour owns the corners it meets
    EXPECT_EQ(canvas.At(1, 10), kRed);
    EXPECT_EQ(canvas.At(10, 10), kRed);
    EXPECT_EQ(canvas.At(5, 5), kWhite);
    EXPECT_EQ(canvas.Count(kBlue) + canvas.Count(kRed), 36);
    EXPECT_EQ(canvas.dc.GetBkColor(), kRed);
}

TEST(DcRectangles, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Canvas canvas(12, 10);
    CPen pen(PS_SOLID, 1, kBlack);
    CBrush brush(kRed);
    CPen* oldPen = canvas.dc.SelectObject(&pen);
    CBrush* oldBrush = canvas.dc.SelectObject(&brush);
    canvas.dc.Rectangle(2, 2, 8, 6);
    EXPECT_EQ(canvas.Row(2, 0, 10, kBlack), "..######..");
    EXPECT_EQ(canvas.Row(3, 0, 10, kBlack), "..#????#..");
    EXPECT_EQ(canvas.Row(5, 0, 10, kBlack), "..######..");
    EXPECT_EQ(canvas.Row(6, 0, 10, kBlack), "..........");
    EXPECT_EQ(canvas.Count(kRed), 8);

    // Without a pen the filled area loses a pixel on the right and at the bottom.
    canvas.Clear(kWhite);
    canvas.dc.SelectStockObject(NULL_PEN);
    canvas.dc.Rectangle(2, 2, 8, 6);
    EXPECT_EQ(canvas.Ink(), CRect(2, 2, 7, 5));

    canvas.Clear(kWhite);
    canvas.dc.SelectObject(&pen);
    const CRect box(2, 2, 8, 6);
    canvas.dc.RoundRect(&box, CPoint(1, 1));
    EXPECT_EQ(canvas.Row(3, 0, 10, kBlack), "..#????#..");
    canvas.dc.SelectObject(oldPen);
    canvas.dc.SelectObject(oldBrush);
}

TEST(DcRectangles, PolygonFillsItsInside)
{
    Canvas canvas(20, 20);
    CBrush brush(kBlue);
    CBrush* oldBrush = canvas.dc.SelectObject(&brush);
    canvas.dc.SetPolyFillMode(WINDING);
    const POINT arrow[] = {{2, 2}, {16, 2}, {9, 9}};
    ASSERT_TRUE(canvas.dc.Polygon(arrow, 3));
    EXPECT_EQ(canvas.At(9, 4), kBlue);
    EXPECT_EQ(canvas.At(2, 2), kBlack);
    EXPECT_EQ(canvas.At(9, 12), kWhite);
    EXPECT_FALSE(canvas.dc.Polygon(arrow, 1));
    canvas.dc.SelectObject(oldBrush);
}

TEST(DcLines, LineToLeavesOutItsEndPoint)
{
    Canvas canvas(12, 12);
    canvas.dc.MoveTo(0, 5);
    EXPECT_TRUE(canvas.dc.LineTo(10, 5));
    EXPECT_EQ(canvas.Row(5, 0, 12, kBlack), "##########..");
    EXPECT_EQ(canvas.dc.MoveTo(3, 0), CPoint(10, 5));

    canvas.dc.LineTo(3, 4);
    EXPECT_EQ(canvas.At(3, 3), kBlack);
    EXPECT_EQ(canvas.At(3, 4), kWhite);

    canvas.Clear(kWhite);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(6, 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(canvas.At(i, i), kBlack) << i;
    EXPECT_EQ(canvas.At(6, 6), kWhite);
    EXPECT_EQ(canvas.Count(kBlack), 6);
}

TEST(DcLines, WidthsZeroAndOneAreOnePixelAndWiderPensAreSolidBands)
{
    for (int width : {0, 1}) {
        Canvas canvas(10, 5);
        CPen pen(PS_SOLID, width, kRed);
        CPen* previous = canvas.dc.SelectObject(&pen);
        canvas.dc.MoveTo(0, 2);
        canvas.dc.LineTo(10, 2);
        EXPECT_EQ(canvas.Count(kRed), 10) << width;
        canvas.dc.SelectObject(previous);
    }
    Canvas canvas(30, 20);
    CPen wide(PS_DASH, 5, kRed);
    CPen* previous = canvas.dc.SelectObject(&wide);
    canvas.dc.MoveTo(5, 10);
    canvas.dc.LineTo(25, 10);
    int band = 0;
    for (int y = 0; y < 20; ++y)
        band += canvas.At(15, y) == kRed ? 1 : 0;
    EXPECT_EQ(band, 5);
    EXPECT_EQ(canvas.Row(10, 5, 25, kRed), std::string(20, '#'));
    EXPECT_EQ(canvas.Count(kWhite) + canvas.Count(kRed), 600);
    canvas.dc.SelectObject(previous);
}

TEST(DcLines, StyledPensFollowTheGdiPatterns)
{
    EXPECT_EQ(DrawnRow(PS_DASH, 60, TRANSPARENT), Repeat(std::string(18, '#') + std::string(6, '.'), 60) + "..");
    EXPECT_EQ(DrawnRow(PS_DOT, 20, TRANSPARENT), Repeat("###...", 20) + "..");
    EXPECT_EQ(DrawnRow(PS_DASHDOT, 48, TRANSPARENT),
              Repeat(std::string(9, '#') + "......###......", 48) + "..");
    EXPECT_EQ(DrawnRow(PS_DASHDOTDOT, 48, TRANSPARENT),
              Repeat(std::string(9, '#') + "...###...###...", 48) + "..");
    EXPECT_EQ(DrawnRow(PS_SOLID, 10, TRANSPARENT), "##########..");
    EXPECT_EQ(DrawnRow(PS_INSIDEFRAME, 10, TRANSPARENT), "##########..");
    EXPECT_EQ(DrawnRow(PS_NULL, 10, OPAQUE), "............");
}

TEST(DcLines, OpaqueModePaintsTheGapsInTheBackgroundColour)
{
    EXPECT_EQ(DrawnRow(PS_DASH, 30, OPAQUE), std::string(18, '#') + std::string(6, '-') + "######..");
    EXPECT_EQ(DrawnRow(PS_DOT, 12, OPAQUE), "###---###---..");
    // A white dashed pen on white in OPAQUE mode with a white background erases fully.
    Canvas canvas(30, 1);
    canvas.Clear(kBlack);
    CPen eraser(PS_DASH, 1, kWhite);
    CPen* previous = canvas.dc.SelectObject(&eraser);
    canvas.dc.SetBkColor(kWhite);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(30, 0);
    EXPECT_EQ(canvas.Count(kWhite), 30);
    canvas.dc.SelectObject(previous);
}

TEST(DcLines, RectangleOutlineCarriesThePatternAroundTheCorners)
{
    Canvas canvas(10, 10);
    CPen pen(PS_DOT, 1, kBlack);
    CPen* previous = canvas.dc.SelectObject(&pen);
    canvas.dc.SelectStockObject(NULL_BRUSH);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.Rectangle(0, 0, 8, 8);
    EXPECT_EQ(canvas.Row(0, 0, 8, kBlack), "###...##");
    EXPECT_EQ(canvas.At(7, 1), kBlack);
    EXPECT_EQ(canvas.At(7, 2), kWhite);
    canvas.dc.SelectObject(previous);
    canvas.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(DcText, AlignsLeftCentreAndRight)
{
    TextCanvas canvas(200, 30);
    const CSize extent = canvas.dc.GetTextExtent("Mmm");
    ASSERT_GT(extent.cx, 10);
    CRect rect(20, 0, 180, 30);

    canvas.dc.DrawText("Mmm", &rect, DT_LEFT | DT_SINGLELINE);
    CRect ink = canvas.Ink();
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.left, 23);
    EXPECT_LE(ink.right, 20 + extent.cx + 1);

    canvas.Clear(kWhite);
    canvas.dc.DrawText("Mmm", &rect, DT_RIGHT | DT_SINGLELINE);
    ink = canvas.Ink();
    EXPECT_LE(ink.right, 180);
    EXPECT_GE(ink.right, 176);

    canvas.Clear(kWhite);
    canvas.dc.DrawText("Mmm", &rect, DT_CENTER | DT_SINGLELINE);
    ink = canvas.Ink();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.0, 2.0);
}

TEST(DcText, SingleLineCentresVertically)
{
    TextCanvas canvas(100, 100);
    const int lineHeight = canvas.LineHeight();
    CRect rect(0, 0, 100, 100);
    const int returned = canvas.dc.DrawText("Hxg", &rect, DT_SINGLELINE | DT_VCENTER);
    const int top = (100 - lineHeight) / 2;
    const CRect ink = canvas.Ink();
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + lineHeight);
    EXPECT_EQ(returned, top + lineHeight);

    canvas.Clear(kWhite);
    canvas.dc.DrawText("Hxg", &rect, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_GE(canvas.Ink().top, 100 - lineHeight);
    canvas.Clear(kWhite);
    canvas.dc.DrawText("Hxg", &rect, DT_VCENTER);     // ignored without DT_SINGLELINE
    EXPECT_LE(canvas.Ink().bottom, lineHeight);
}

TEST(DcText, CalcRectMeasuresWithoutDrawing)
{
    TextCanvas canvas(200, 100);
    const int lineHeight = canvas.LineHeight();
    const CSize extent = canvas.dc.GetTextExtent("one line");
    EXPECT_EQ(extent.cy, lineHeight);

    CRect rect(10, 5, 11, 6);
    EXPECT_EQ(canvas.dc.DrawText("one line", &rect, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    EXPECT_EQ(rect, CRect(10, 5, 10 + extent.cx, 5 + lineHeight));

    rect = CRect(0, 0, 0, 0);
    EXPECT_EQ(canvas.dc.DrawText("a\r\nlonger line\nb", &rect, DT_CALCRECT), 3 * lineHeight);
    EXPECT_EQ(rect.Width(), canvas.dc.GetTextExtent("longer line").cx);
    EXPECT_EQ(canvas.Ink(), CRect());
}

TEST(DcText, WordBreakWrapsBetweenWordsAndKeepsLongWordsWhole)
{
    TextCanvas canvas(300, 200);
    const int lineHeight = canvas.LineHeight();
    const int twoWords = canvas.dc.GetTextExtent("alpha beta").cx;

    CRect rect(0, 0, twoWords + 2, 0);
    EXPECT_EQ(canvas.dc.DrawText("alpha beta gamma", &rect, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
    EXPECT_EQ(rect.Width(), twoWords + 2);

    CRect narrow(0, 0, 5, 0);
    EXPECT_EQ(canvas.dc.DrawText("alpha beta", &narrow, DT_CALCRECT | DT_WORDBREAK), 2 * lineHeight);
    EXPECT_EQ(narrow.Width(), canvas.dc.GetTextExtent("alpha").cx);

    CRect drawn(0, 0, twoWords + 2, 200);
    canvas.dc.DrawText("alpha beta gamma", &drawn, DT_WORDBREAK);
    const CRect ink = canvas.Ink();
    EXPECT_GT(ink.bottom, lineHeight);
    EXPECT_LE(ink.bottom, 2 * lineHeight);
    EXPECT_LE(ink.right, twoWords + 2);
}

TEST(DcText, ChineseTextWrapsBetweenCharactersAndRenders)
{
    TextCanvas canvas(200, 100);
    const int lineHeight = canvas.LineHeight();
    const CSize one = canvas.dc.GetTextExtent("中");
    ASSERT_GT(one.cx, 5);
    CRect rect(0, 0, 3 * one.cx, 0);
    EXPECT_EQ(canvas.dc.DrawText("恭喜您的操作成功", &rect, DT_CALCRECT | DT_WORDBREAK), 3 * lineHeight);

    TextCanvas first(40, 30), second(40, 30);
    CRect box(0, 0, 40, 30);
    first.dc.DrawText("中", &box, DT_SINGLELINE);
    second.dc.DrawText("文", &box, DT_SINGLELINE);
    EXPECT_GT(first.Count(kBlack), 10);
    EXPECT_NE(first.Count(kBlack), second.Count(kBlack));   // real glyphs, not two empty boxes
}

TEST(DcText, PrefixMarksUnderlineAndDoubleAmpersandsShowOne)
{
    TextCanvas canvas(200, 40);
    CRect rect;
    rect = CRect(0, 0, 200, 40);
    canvas.dc.DrawText("&Open", &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.Width(), canvas.dc.GetTextExtent("Open").cx);
    rect = CRect(0, 0, 200, 40);
    canvas.dc.DrawText("&Open", &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(rect.Width(), canvas.dc.GetTextExtent("&Open").cx);
    rect = CRect(0, 0, 200, 40);
    canvas.dc.DrawText("A&&B", &rect, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect.Width(), canvas.dc.GetTextExtent("A&B").cx);

    TextCanvas plain(200, 40), marked(200, 40);
    CRect area(0, 0, 200, 40);
    plain.dc.DrawText("ll", &area, DT_SINGLELINE);
    marked.dc.DrawText("l&l", &area, DT_SINGLELINE);
    const CRect plainInk = plain.Ink(), markedInk = marked.Ink();
    EXPECT_GT(markedInk.bottom, plainInk.bottom);
    // The mark sits under the second letter only.
    const int underlineRow = markedInk.bottom - 1;
    EXPECT_EQ(marked.At(plainInk.left, underlineRow), kWhite);
    EXPECT_EQ(marked.At(plainInk.right - 1, underlineRow), kBlack);
}

TEST(DcText, EndEllipsisShortensInsteadOfOverflowing)
{
    TextCanvas clipped(300, 30), shortened(300, 30);
    CRect rect(0, 0, 60, 30);
    clipped.dc.DrawText("A rather long caption", &rect, DT_SINGLELINE | DT_NOCLIP);
    shortened.dc.DrawText("A rather long caption", &rect, DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS);
    EXPECT_GT(clipped.Ink().right, 60);
    EXPECT_LE(shortened.Ink().right, 60);
    EXPECT_GT(shortened.Ink().Width(), 30);

    TextCanvas kept(300, 30);
    kept.dc.DrawText("A rather long caption", &rect, DT_SINGLELINE);
    EXPECT_LE(kept.Ink().right, 60);
    EXPECT_GT(kept.Count(kBlack), shortened.Count(kBlack) / 2);
}

TEST(DcText, ColoursAndOpaqueBackground)
{
    TextCanvas canvas(100, 30);
    canvas.dc.SetTextColor(kRed);
    canvas.dc.SetBkColor(kBlue);
    canvas.dc.SetBkMode(OPAQUE);
    ASSERT_TRUE(canvas.dc.TextOut(10, 5, "Hi"));
    const CSize extent = canvas.dc.GetTextExtent("Hi");
    const CRect box(10, 5, 10 + extent.cx, 5 + extent.cy);
    EXPECT_EQ(canvas.Count(kBlue, box) + canvas.Count(kRed, box), extent.cx * extent.cy);
    EXPECT_GT(canvas.Count(kRed), 10);
    EXPECT_EQ(canvas.Count(kWhite), 100 * 30 - extent.cx * extent.cy);

    canvas.Clear(kWhite);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.TextOut(10, 5, "Hi");
    EXPECT_EQ(canvas.Count(kBlue), 0);
    EXPECT_EQ(canvas.Count(kRed) + canvas.Count(kWhite), 100 * 30);
}

TEST(DcText, MetricsOfTheSelectedFont)
{
    TextCanvas canvas(10, 10);
    TEXTMETRIC metrics;
    ASSERT_TRUE(canvas.dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 16);
    EXPECT_GT(metrics.tmAveCharWidth, 0);
    EXPECT_GE(metrics.tmMaxCharWidth, metrics.tmAveCharWidth);
    EXPECT_EQ(canvas.dc.GetTextExtent("").cx, 0);
    EXPECT_EQ(canvas.dc.GetTextExtent("").cy, metrics.tmHeight);
}

TEST(DcEdges, RaisedAndSunkenUseTheClassicRings)
{
    Canvas canvas(10, 10);
    canvas.Clear(kRed);
    CRect rect(0, 0, 10, 10);
    ASSERT_TRUE(canvas.dc.DrawEdge(&rect, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(9, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(0, 9), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(8, 1), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(5, 5), kRed);
    EXPECT_EQ(rect, CRect(0, 0, 10, 10));

    canvas.dc.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(rect, CRect(2, 2, 8, 8));
}

TEST(DcEdges, OnlyTheNamedSidesAndRingsAreDrawn)
{
    Canvas canvas(10, 10);
    canvas.Clear(kRed);
    CRect rect(0, 0, 10, 10);
    canvas.dc.DrawEdge(&rect, EDGE_ETCHED, BF_RIGHT);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(canvas.At(9, y), Sys(COLOR_3DHILIGHT)) << y;
        EXPECT_EQ(canvas.At(8, y), Sys(COLOR_3DSHADOW)) << y;
    }
    EXPECT_EQ(canvas.Ink(kRed), CRect(8, 0, 10, 10));

    canvas.Clear(kRed);
    canvas.dc.DrawEdge(&rect, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DFACE));
    EXPECT_EQ(canvas.Count(Sys(COLOR_3DFACE)), 64);
}

TEST(DcEdges, PushButtonFrames)
{
    Canvas canvas(10, 10);
    canvas.Clear(kRed);
    CRect rect(0, 0, 10, 10);
    ASSERT_TRUE(canvas.dc.DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH));
    EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(9, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_BTNFACE));

    ASSERT_TRUE(canvas.dc.DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_ADJUSTRECT));
    EXPECT_EQ(canvas.At(0, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(9, 9), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(8, 8), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.At(5, 5), Sys(COLOR_BTNFACE));
    EXPECT_EQ(rect, CRect(2, 2, 8, 8));

    EXPECT_FALSE(canvas.dc.DrawFrameControl(&rect, DFC_BUTTON, 0));
    EXPECT_FALSE(canvas.dc.DrawFrameControl(&rect, 1, DFCS_BUTTONPUSH));
}

TEST(DcEdges, FocusRectInvertsEveryOtherBorderPixelAndUndoesItself)
{
    Canvas canvas(8, 8);
    const CRect rect(1, 1, 7, 7);
    canvas.dc.DrawFocusRect(&rect);
    EXPECT_EQ(canvas.Row(1, 0, 8, kBlack), ".#.#.#..");
    EXPECT_EQ(canvas.Row(2, 0, 8, kBlack), "......#.");
    EXPECT_EQ(canvas.Row(3, 0, 8, kBlack), ".#......");
    EXPECT_EQ(canvas.At(3, 3), kWhite);
    canvas.dc.DrawFocusRect(&rect);
    EXPECT_EQ(canvas.Count(kWhite), 64);
}

TEST(DcBlits, CopyAndAndOr)
{
    Canvas source(4, 4), target(8, 8);
    source.Clear(RGB(0x0F, 0xF0, 0x3C));
    target.Clear(RGB(0xFF, 0x33, 0x0F));
    ASSERT_TRUE(target.dc.BitBlt(1, 1, 2, 2, &source.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(target.At(1, 1), RGB(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(target.At(2, 2), RGB(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(target.At(3, 3), RGB(0xFF, 0x33, 0x0F));

    ASSERT_TRUE(target.dc.BitBlt(4, 4, 1, 1, &source.dc, 0, 0, SRCAND));
    EXPECT_EQ(target.At(4, 4), RGB(0x0F, 0x30, 0x0C));
    ASSERT_TRUE(target.dc.BitBlt(5, 5, 1, 1, &source.dc, 0, 0, SRCPAINT));
    EXPECT_EQ(target.At(5, 5), RGB(0xFF, 0xF3, 0x3F));
    EXPECT_FALSE(target.dc.BitBlt(0, 0, 1, 1, &source.dc, 0, 0, 0x00550009));
}

TEST(DcBlits, MonochromeConversionsUseTheBackgroundAndTextColours)
{
    Canvas colour(4, 1);
    colour.Clear(kRed);
    colour.dc.SetPixel(1, 0, kBlue);
    colour.dc.SetBkColor(kRed);

    CDC maskDc;
    maskDc.CreateCompatibleDC(nullptr);
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(4, 1, 1, 1, nullptr));
    CBitmap* previous = maskDc.SelectObject(&mask);
    maskDc.BitBlt(0, 0, 4, 1, &colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(maskDc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(maskDc.GetPixel(1, 0), kBlack);

    Canvas back(4, 1);
    back.dc.SetTextColor(RGB(1, 2, 3));
    back.dc.SetBkColor(RGB(4, 5, 6));
    back.dc.BitBlt(0, 0, 4, 1, &maskDc, 0, 0, SRCCOPY);
    EXPECT_EQ(back.At(0, 0), RGB(4, 5, 6));
    EXPECT_EQ(back.At(1, 0), RGB(1, 2, 3));

    // Colours drawn on a monochrome bitmap become black or white.
    maskDc.FillSolidRect(0, 0, 2, 1, RGB(250, 240, 200));
    maskDc.FillSolidRect(2, 0, 2, 1, RGB(40, 30, 90));
    EXPECT_EQ(maskDc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(maskDc.GetPixel(3, 0), kBlack);
    maskDc.SelectObject(previous);
}

TEST(DcState, SaveAndRestoreBringBackObjectsColoursAndClip)
{
    Canvas canvas(10, 10);
    CPen red(PS_SOLID, 1, kRed);
    const int level = canvas.dc.SaveDC();
    EXPECT_EQ(level, 1);
    canvas.dc.SelectObject(&red);
    canvas.dc.SetTextColor(kBlue);
    EXPECT_EQ(canvas.dc.IntersectClipRect(0, 0, 5, 5), SIMPLEREGION);
    EXPECT_EQ(canvas.dc.SaveDC(), 2);
    EXPECT_EQ(canvas.dc.IntersectClipRect(6, 6, 8, 8), NULLREGION);
    EXPECT_TRUE(canvas.dc.RestoreDC(-1));

    canvas.dc.FillSolidRect(0, 0, 10, 10, kBlue);
    EXPECT_EQ(canvas.Count(kBlue), 25);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(4, 0);
    EXPECT_EQ(canvas.At(0, 0), kRed);

    EXPECT_TRUE(canvas.dc.RestoreDC(level));
    EXPECT_EQ(canvas.dc.GetTextColor(), kBlack);
    canvas.dc.FillSolidRect(0, 0, 10, 10, kWhite);
    EXPECT_EQ(canvas.Count(kWhite), 100);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(4, 0);
    EXPECT_EQ(canvas.At(0, 0), kBlack);
    EXPECT_FALSE(canvas.dc.RestoreDC(1));
}

TEST(DcState, ModesAndColoursReturnThePreviousValue)
{
    Canvas canvas(1, 1);
    EXPECT_EQ(canvas.dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(canvas.dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(canvas.dc.SetBkMode(99), 0);
    EXPECT_EQ(canvas.dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(canvas.dc.SetTextColor(kRed), kBlack);
    EXPECT_EQ(canvas.dc.SetBkColor(kBlue), kWhite);
    EXPECT_EQ(canvas.dc.SetPolyFillMode(WINDING), ALTERNATE);
    EXPECT_EQ(canvas.dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(canvas.dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(canvas.dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_FALSE(canvas.dc.IsPrinting());
}

TEST(DcHandles, FromHandleAttachAndDisplayDc)
{
    Canvas canvas(4, 4);
    EXPECT_EQ(CDC::FromHandle(canvas.dc.GetSafeHdc()), &canvas.dc);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

    CDC attached;
    ASSERT_TRUE(attached.Attach(canvas.dc.GetSafeHdc()));
    attached.SetPixel(0, 0, kRed);
    EXPECT_EQ(canvas.At(0, 0), kRed);
    EXPECT_EQ(attached.Detach(), canvas.dc.GetSafeHdc());
    EXPECT_EQ(CDC::FromHandle(canvas.dc.GetSafeHdc()), &canvas.dc);

    CDC display;
    EXPECT_FALSE(display.CreateDC("PRINTER", nullptr, nullptr, nullptr));
    ASSERT_TRUE(display.CreateDC("DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_EQ(display.GetPixel(0, 0), CLR_INVALID);
    EXPECT_GT(display.GetTextExtent("abc").cx, 0);
    EXPECT_EQ(display.GetDeviceCaps(LOGPIXELSY), 96);
    CBitmap bitmap;
    bitmap.CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(display.SelectObject(&bitmap), nullptr);

    HDC gone = nullptr;
    {
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        gone = memory.GetSafeHdc();
    }
    EXPECT_EQ(CDC::FromHandle(gone), nullptr);
}

TEST(DcHandles, PainterDcDrawsThroughAndLeavesThePainterAsFound)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(1, 2, 3));
    {
        const std::unique_ptr<CDC> dc = platform::ui::detail::MakeDcOnPainter(painter);
        DRAWITEMSTRUCT item;
        item.hDC = dc->GetSafeHdc();
        CDC* fromRecord = CDC::FromHandle(item.hDC);
        EXPECT_EQ(fromRecord, dc.get());
        fromRecord->IntersectClipRect(0, 0, 5, 10);
        fromRecord->FillSolidRect(0, 0, 10, 2, kRed);
        EXPECT_EQ(fromRecord->GetPixel(4, 0), kRed);
        EXPECT_EQ(fromRecord->GetPixel(5, 0), kWhite);
    }
    EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
}

TEST(DcImages, DrawStateEmbossesDisabledImagesAndText)
{
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    picture.setPixel(2, 2, qRgb(255, 255, 255));
    HICON icon = platform::ui::detail::MakeIcon(picture);

    Canvas canvas(8, 8);
    canvas.Clear(kRed);
    ASSERT_TRUE(canvas.dc.DrawState(CPoint(0, 0), CSize(0, 0), icon, DSS_NORMAL));
    EXPECT_EQ(canvas.At(1, 1), kBlack);
    EXPECT_EQ(canvas.At(2, 2), kWhite);
    EXPECT_EQ(canvas.At(0, 0), kRed);

    canvas.Clear(kRed);
    ASSERT_TRUE(canvas.dc.DrawState(CPoint(0, 0), CSize(0, 0), icon, DSS_DISABLED));
    EXPECT_EQ(canvas.At(1, 1), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(canvas.At(2, 2), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(canvas.At(3, 3), kRed);
    DestroyIcon(icon);

    TextCanvas text(60, 30);
    text.Clear(kRed);
    ASSERT_TRUE(text.dc.DrawState(CPoint(2, 2), CSize(0, 0), "&Go", DSS_DISABLED));
    EXPECT_EQ(text.Count(kBlack), 0);
    EXPECT_GT(text.Count(Sys(COLOR_3DSHADOW)), 5);
    EXPECT_GT(text.Count(Sys(COLOR_3DHILIGHT)), 0);
}

TEST(DcImages, DrawIconExScalesWithoutSmoothing)
{
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(0, 0, qRgb(0, 0, 255));
    HICON icon = platform::ui::detail::MakeIcon(picture);
    Canvas canvas(8, 8);
    ASSERT_TRUE(DrawIconEx(canvas.dc, 2, 2, icon, 4, 4, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(canvas.Count(kBlue), 4);
    EXPECT_EQ(canvas.Ink(), CRect(2, 2, 4, 4));
    DestroyIcon(icon);
}

TEST(DcWindows, PaintDcDrawsInThePaintAndClientDcOnTheOverlay)
{
    DialogTemplate canvas;
    canvas.id = kCanvasDialog;
    canvas.caption = "DC";
    canvas.cx = 100;
    canvas.cy = 60;
    RegisterDialogTemplate(canvas);
    PaintedDialog dialog;
    ASSERT_TRUE(dialog.Create(kCanvasDialog));

    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(dialog);
    EXPECT_GT(dialog.paints, 0);
    EXPECT_EQ(picture.Pixel(5, 5), kRed);
    EXPECT_EQ(picture.Pixel(14, 14), kRed);
    EXPECT_NE(picture.Pixel(15, 15), kRed);

    // Outside a paint the drawing goes to the picture the window shows beneath its children.
    {
        CClientDC dc(&dialog);
        EXPECT_EQ(dc.m_hWnd, dialog.m_hWnd);
        dc.FillSolidRect(30, 5, 4, 4, kBlue);
        EXPECT_EQ(dc.GetPixel(33, 8), kBlue);
    }
    const QImage& overlay = platform::ui::detail::ClientOverlay(dialog.m_hWnd);
    EXPECT_EQ(overlay.pixel(30, 5), qRgb(0, 0, 255));
    EXPECT_EQ(overlay.pixel(33, 8), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(overlay.pixel(34, 9)), 0);
    dialog.DestroyWindow();
}

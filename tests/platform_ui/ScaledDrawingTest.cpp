// Drawing on a device of a scaled desktop (150 % and 200 %): what is one pixel at 100 % covers
// the whole device area of that pixel, so lines stay solid, patterns keep their proportions and
// text keeps its size.
#include "platform/ui/DC.h"
#include "platform/ui/qt/DcFactory.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

// A white image of a logical size at a device pixel ratio, drawn on through a DC as a window's
// paint draws.
class ScaledCanvas {
public:
    ScaledCanvas(int width, int height, double ratio)
        : image(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
                QImage::Format_RGB32),
          m_ratio(ratio)
    {
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        m_painter = std::make_unique<QPainter>(&image);
        dc = platform::ui::detail::MakeDcOnPainter(*m_painter);
    }
    ~ScaledCanvas() { Finish(); }

    void Finish()
    {
        dc.reset();
        if (m_painter)
            m_painter->end();
        m_painter.reset();
    }

    // The device row or column through the middle of a logical pixel.
    int Device(int logical) const { return static_cast<int>(std::floor((logical + 0.5) * m_ratio)); }

    // A device row from one logical x to another: '#' for black, '.' for white, '?' otherwise.
    std::string Row(int logicalY, int fromX, int toX) const
    {
        std::string row;
        const int from = static_cast<int>(std::ceil(fromX * m_ratio));
        const int to = static_cast<int>(std::floor(toX * m_ratio));
        for (int x = from; x < to; ++x)
            row += Mark(image.pixel(x, Device(logicalY)));
        return row;
    }
    std::string Column(int logicalX, int fromY, int toY) const
    {
        std::string column;
        const int from = static_cast<int>(std::ceil(fromY * m_ratio));
        const int to = static_cast<int>(std::floor(toY * m_ratio));
        for (int y = from; y < to; ++y)
            column += Mark(image.pixel(Device(logicalX), y));
        return column;
    }
    // Device pixels that are not white.
    int Ink() const
    {
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
        return ink;
    }
    // The device rows holding ink.
    int InkHeight() const
    {
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom < top ? 0 : bottom - top + 1;
    }

    QImage image;
    std::unique_ptr<CDC> dc;

private:
    static char Mark(QRgb pixel)
    {
        pixel &= 0xFFFFFF;
        return pixel == 0 ? '#' : pixel == 0xFFFFFF ? '.' : '?';
    }

    double m_ratio;
    std::unique_ptr<QPainter> m_painter;
};

// The lengths of the runs of one mark in a row, the partial runs at its ends left out.
std::vector<int> Runs(const std::string& row, char mark)
{
    std::vector<int> runs;
    size_t at = row.find_first_not_of(row.empty() ? ' ' : row.front());
    while (at != std::string::npos && at < row.size()) {
        const size_t end = row.find_first_not_of(row[at], at);
        if (end == std::string::npos)
            break;
        if (row[at] == mark)
            runs.push_back(static_cast<int>(end - at));
        at = end;
    }
    return runs;
}

class ScaledDrawing : public testing::TestWithParam<double> {
protected:
    double Ratio() const { return GetParam(); }
    // How many device pixels a run of logical pixels covers: its length times the ratio, give
    // or take the one pixel that rounding moves between neighbours.
    void ExpectLength(int device, int logical) const
    {
        EXPECT_NEAR(device, logical * Ratio(), 1.0) << "a run of " << logical << " pixels at " << Ratio();
    }
};

TEST_P(ScaledDrawing, ASolidOnePixelPenDrawsUnbrokenLines)
{
    ScaledCanvas canvas(60, 40, Ratio());
    CPen pen(PS_SOLID, 1, kBlack);
    canvas.dc->SelectObject(&pen);
    canvas.dc->MoveTo(2, 5);
    canvas.dc->LineTo(50, 5);
    canvas.dc->MoveTo(8, 10);
    canvas.dc->LineTo(8, 35);
    canvas.dc->SelectStockObject(BLACK_PEN);
    canvas.Finish();
    EXPECT_EQ(canvas.Row(5, 2, 50), std::string(canvas.Row(5, 2, 50).size(), '#'));
    EXPECT_EQ(canvas.Column(8, 10, 35), std::string(canvas.Column(8, 10, 35).size(), '#'));
    // As thick as one pixel at 100 %.
    const std::string across = canvas.Column(20, 0, 10);
    EXPECT_NEAR(static_cast<double>(std::count(across.begin(), across.end(), '#')), Ratio(), 0.5);
}

TEST_P(ScaledDrawing, PatternedPensKeepTheirProportions)
{
    struct Case {
        int style;
        std::vector<int> on;    // logical lengths of the pattern's dashes, in turn
        std::vector<int> off;
    };
    const Case cases[] = {
        {PS_DOT, {3}, {3}},
        {PS_DASH, {18}, {6}},
        {PS_DASHDOT, {9, 3}, {6, 6}},
    };
    for (const Case& c : cases) {
        ScaledCanvas canvas(120, 10, Ratio());
        CPen pen(c.style, 1, kBlack);
        canvas.dc->SelectObject(&pen);
        canvas.dc->SetBkMode(TRANSPARENT);
        canvas.dc->MoveTo(0, 4);
        canvas.dc->LineTo(120, 4);
        canvas.dc->SelectStockObject(BLACK_PEN);
        canvas.Finish();
        const std::string row = canvas.Row(4, 0, 120);
        const std::vector<int> dashes = Runs(row, '#'), gaps = Runs(row, '.');
        ASSERT_GE(dashes.size(), 2u) << c.style << ": " << row;
        ASSERT_GE(gaps.size(), 2u) << c.style << ": " << row;
        for (const int dash : dashes) {
            const bool matches = std::any_of(c.on.begin(), c.on.end(),
                                             [&](int logical) { return std::abs(dash - logical * Ratio()) <= 1.0; });
            EXPECT_TRUE(matches) << "style " << c.style << " dash of " << dash << ": " << row;
        }
        for (const int gap : gaps) {
            const bool matches = std::any_of(c.off.begin(), c.off.end(),
                                             [&](int logical) { return std::abs(gap - logical * Ratio()) <= 1.0; });
            EXPECT_TRUE(matches) << "style " << c.style << " gap of " << gap << ": " << row;
        }
    }
}

// Outlines, frames and focus rectangles: every side of a solid one whole, the focus dots as
// large as a pixel at 100 %.
TEST_P(ScaledDrawing, OutlinesAndFramesStaySolid)
{
    const auto expectSolidBox = [](const ScaledCanvas& canvas, const CRect& box, const char* what) {
        for (const std::string& side : {canvas.Row(box.top, box.left, box.right), canvas.Row(box.bottom - 1, box.left, box.right),
                                        canvas.Column(box.left, box.top, box.bottom),
                                        canvas.Column(box.right - 1, box.top, box.bottom)})
            EXPECT_EQ(side, std::string(side.size(), '#')) << what;
    };
    const CRect box(3, 4, 40, 30);
    {
        ScaledCanvas canvas(50, 40, Ratio());
        canvas.dc->SelectStockObject(NULL_BRUSH);
        canvas.dc->Rectangle(&box);
        canvas.Finish();
        expectSolidBox(canvas, box, "Rectangle");
    }
    {
        ScaledCanvas canvas(50, 40, Ratio());
        CBrush brush(kBlack);
        canvas.dc->FrameRect(&box, &brush);
        canvas.Finish();
        expectSolidBox(canvas, box, "FrameRect");
    }
    {
        ScaledCanvas canvas(50, 40, Ratio());
        canvas.dc->Draw3dRect(&box, kBlack, kBlack);
        canvas.Finish();
        expectSolidBox(canvas, box, "Draw3dRect");
    }
    {
        ScaledCanvas canvas(50, 40, Ratio());
        const POINT corners[] = {{3, 4}, {39, 4}, {39, 29}, {3, 29}};
        canvas.dc->SelectStockObject(NULL_BRUSH);
        canvas.dc->Polygon(corners, 4);
        canvas.Finish();
        expectSolidBox(canvas, box, "Polygon");
    }
    {
        ScaledCanvas canvas(50, 40, Ratio());
        canvas.dc->DrawFocusRect(&box);
        canvas.Finish();
        // One pixel on, one off, each as long as a pixel at 100 %.
        const std::string top = canvas.Row(box.top, box.left, box.right);
        for (const int dot : Runs(top, '#'))
            ExpectLength(dot, 1);
        for (const int gap : Runs(top, '.'))
            ExpectLength(gap, 1);
        EXPECT_NEAR(static_cast<double>(canvas.Ink()), 62 * Ratio() * Ratio(), 62 * Ratio());
    }
}

// Pictures and fills cover their logical area at the device's resolution.
TEST_P(ScaledDrawing, FillsAndPicturesCoverTheirWholeArea)
{
    ScaledCanvas canvas(40, 20, Ratio());
    canvas.dc->FillSolidRect(2, 2, 10, 10, kBlack);
    canvas.dc->SetPixel(20, 5, kBlack);
    CDC memory;
    memory.CreateCompatibleDC(canvas.dc.get());
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(canvas.dc.get(), 6, 6);
    CBitmap* previous = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 6, 6, kBlack);
    canvas.dc->BitBlt(30, 2, 6, 6, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    canvas.Finish();
    EXPECT_EQ(canvas.Row(5, 2, 12), std::string(canvas.Row(5, 2, 12).size(), '#'));
    EXPECT_EQ(canvas.Row(5, 30, 36), std::string(canvas.Row(5, 30, 36).size(), '#'));
    EXPECT_NEAR(static_cast<double>(canvas.Ink()), (100 + 1 + 36) * Ratio() * Ratio(), 60 * Ratio());
}

// The cells of the owner-drawn lists are drawn in Fixedsys, a face of bitmaps only: scaled, its
// letters are as large and as close as at 100 %, never small letters far apart.
TEST_P(ScaledDrawing, TextInABitmapFaceKeepsItsSize)
{
    const auto drawn = [](double ratio) {
        auto canvas = std::make_unique<ScaledCanvas>(80, 30, ratio);
        CFont font;
        font.CreateFont(15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Fixedsys");
        canvas->dc->SelectObject(&font);
        canvas->dc->SetBkMode(TRANSPARENT);
        canvas->dc->TextOut(4, 4, "Work");
        canvas->dc->SelectStockObject(SYSTEM_FONT);
        canvas->Finish();
        return canvas;
    };
    const auto plain = drawn(1.0);
    const auto scaled = drawn(Ratio());
    ASSERT_GT(plain->Ink(), 20);
    EXPECT_NEAR(scaled->InkHeight(), plain->InkHeight() * Ratio(), Ratio());
    EXPECT_NEAR(scaled->Ink(), plain->Ink() * Ratio() * Ratio(), plain->Ink() * Ratio() * Ratio() / 4);
}

// A bold caption with no quality asked for: pixel-exact at 100 %, and smoothed at the device's
// resolution when scaled, as the desktop's own text is (its strokes never read as doubled pixels).
TEST_P(ScaledDrawing, CaptionsAreDrawnSmoothAtTheDevicesResolution)
{
    const auto shades = [](double ratio) {
        ScaledCanvas canvas(120, 24, ratio);
        CFont font;
        font.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
        canvas.dc->SelectObject(&font);
        canvas.dc->SetBkMode(TRANSPARENT);
        canvas.dc->TextOut(2, 2, "日记部分设置 Diary");
        canvas.dc->SelectStockObject(SYSTEM_FONT);
        canvas.Finish();
        int black = 0, grey = 0;
        for (int y = 0; y < canvas.image.height(); ++y)
            for (int x = 0; x < canvas.image.width(); ++x) {
                const QRgb pixel = canvas.image.pixel(x, y) & 0xFFFFFF;
                black += pixel == 0 ? 1 : 0;
                grey += pixel != 0 && pixel != 0xFFFFFF ? 1 : 0;
            }
        return std::make_pair(black, grey);
    };
    EXPECT_EQ(shades(1.0).second, 0) << "pixel-exact at 100 %";
    const auto [black, grey] = shades(Ratio());
    EXPECT_GT(black, 0);
    EXPECT_GT(grey, black / 4) << "smoothed edges at " << Ratio();
}

INSTANTIATE_TEST_SUITE_P(AtScale, ScaledDrawing, testing::Values(1.5, 2.0),
                         [](const testing::TestParamInfo<double>& param) {
                             return param.param == 2.0 ? std::string("200") : std::string("150");
                         });

} // namespace

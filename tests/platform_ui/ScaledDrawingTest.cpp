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

    // The device pixels through the middle of a logical row (or column) between two logical
    // places: '#' for black, '.' for white, '?' otherwise.
    std::string Row(int logicalY, int from, int to) const { return Line(logicalY, from, to, false); }
    std::string Column(int logicalX, int from, int to) const { return Line(logicalX, from, to, true); }

    // Device pixels that are not white (those neither white nor black: grey), and the device
    // rows they span.
    struct InkSeen {
        int pixels = 0;
        int grey = 0;
        int height = 0;
    };
    InkSeen Ink() const
    {
        InkSeen ink;
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
                if (pixel == 0xFFFFFF)
                    continue;
                ++ink.pixels;
                ink.grey += pixel != 0 ? 1 : 0;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        ink.height = bottom < top ? 0 : bottom - top + 1;
        return ink;
    }

    QImage image;
    std::unique_ptr<CDC> dc;

private:
    std::string Line(int across, int from, int to, bool vertical) const
    {
        std::string line;
        const int middle = static_cast<int>(std::floor((across + 0.5) * m_ratio));
        for (int along = static_cast<int>(std::ceil(from * m_ratio)); along < static_cast<int>(std::floor(to * m_ratio));
             ++along) {
            const QRgb pixel = image.pixel(vertical ? middle : along, vertical ? along : middle) & 0xFFFFFF;
            line += pixel == 0 ? '#' : pixel == 0xFFFFFF ? '.' : '?';
        }
        return line;
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

// A line of text drawn black in a face, with no quality asked for.
std::unique_ptr<ScaledCanvas> TextDrawn(double ratio, int height, int weight, const char* face, const char* text)
{
    auto canvas = std::make_unique<ScaledCanvas>(120, 30, ratio);
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    canvas->dc->SelectObject(&font);
    canvas->dc->SetBkMode(TRANSPARENT);
    canvas->dc->TextOut(4, 4, text);
    canvas->dc->SelectStockObject(SYSTEM_FONT);
    canvas->Finish();
    return canvas;
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

// Outlines and focus rectangles: every side of a solid one whole, the focus dots as large as a
// pixel at 100 %.
TEST_P(ScaledDrawing, OutlinesStaySolid)
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
        EXPECT_NEAR(static_cast<double>(canvas.Ink().pixels), 62 * Ratio() * Ratio(), 62 * Ratio());
    }
}

// The cells of the owner-drawn lists are drawn in Fixedsys, a face of bitmaps only: scaled, its
// letters are as large and as close as at 100 %, never small letters far apart.
TEST_P(ScaledDrawing, TextInABitmapFaceKeepsItsSize)
{
    const ScaledCanvas::InkSeen plain = TextDrawn(1.0, 15, 0, "Fixedsys", "Work")->Ink();
    const ScaledCanvas::InkSeen scaled = TextDrawn(Ratio(), 15, 0, "Fixedsys", "Work")->Ink();
    ASSERT_GT(plain.pixels, 20);
    EXPECT_NEAR(scaled.height, plain.height * Ratio(), Ratio());
    EXPECT_NEAR(scaled.pixels, plain.pixels * Ratio() * Ratio(), plain.pixels * Ratio() * Ratio() / 4);
}

// A bold caption with no quality asked for: pixel-exact at 100 %, and smoothed at the device's
// resolution when scaled, as the desktop's own text is (its strokes never read as doubled pixels).
TEST_P(ScaledDrawing, CaptionsAreDrawnSmoothAtTheDevicesResolution)
{
    EXPECT_EQ(TextDrawn(1.0, -12, FW_BOLD, "Tahoma", "日记部分设置 Diary")->Ink().grey, 0) << "pixel-exact at 100 %";
    const ScaledCanvas::InkSeen scaled = TextDrawn(Ratio(), -12, FW_BOLD, "Tahoma", "日记部分设置 Diary")->Ink();
    EXPECT_GT(scaled.pixels, 100);
    EXPECT_GT(scaled.grey, scaled.pixels / 5) << "smoothed edges at " << Ratio();
}

INSTANTIATE_TEST_SUITE_P(AtScale, ScaledDrawing, testing::Values(1.5, 2.0),
                         [](const testing::TestParamInfo<double>& param) {
                             return param.param == 2.0 ? std::string("200") : std::string("150");
                         });

} // namespace

// Windows on a scaled desktop: ctest runs these under QT_SCALE_FACTOR 1.5 and 2 (they skip at
// 100 %). Drawing outside a paint looks as drawing in a paint does.
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

constexpr UINT kTextDialog = 9351;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr const char* kText = "日记部分设置 Diary";

void DrawSample(CDC& dc)
{
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    CFont* previous = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(6, 4, kText);
    dc.SelectObject(previous);
    CPen pen(PS_DOT, 1, RGB(0, 0, 0));
    CPen* previousPen = dc.SelectObject(&pen);
    dc.MoveTo(6, 30);
    dc.LineTo(120, 30);
    dc.SelectObject(previousPen);
}

// Draws the sample in its paint, or leaves it to be drawn from outside.
class SampleDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit SampleDialog(bool inPaint) : CDialog(kTextDialog), m_inPaint(inPaint) {}
    void OnPaint()
    {
        CPaintDC dc(this);
        if (m_inPaint)
            DrawSample(dc);
    }

private:
    bool m_inPaint;
};

RV_MESSAGE_MAP(SampleDialog, CDialog, msgmap::Simple(WM_PAINT, &T::OnPaint))

void RegisterTextDialog()
{
    RegisterDialogTemplate({.id = kTextDialog, .caption = "Scaled", .cx = 120, .cy = 40});
}

class ScaledWindows : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::primaryScreen()->devicePixelRatio() == 1)
            GTEST_SKIP() << "runs on a scaled desktop (QT_SCALE_FACTOR)";
        RegisterTextDialog();
    }
    static qreal Ratio() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
};

} // namespace

TEST_F(ScaledWindows, DrawingOutsideAPaintIsAsSharpAsInAPaint)
{
    SampleDialog painted(true);
    ASSERT_TRUE(painted.Create(kTextDialog));
    painted.ShowWindow(SW_SHOW);
    SampleDialog drawnOn(false);
    ASSERT_TRUE(drawnOn.Create(kTextDialog));
    drawnOn.ShowWindow(SW_SHOW);
    {
        CClientDC dc(&drawnOn);
        DrawSample(dc);
    }
    const platform::ui::WindowPicture inPaint = platform::ui::CaptureWindow(painted);
    const platform::ui::WindowPicture outside = platform::ui::CaptureWindow(drawnOn);
    ASSERT_EQ(inPaint.Width(), outside.Width());
    int ink = 0, differing = 0;
    for (int y = 0; y < inPaint.Height(); ++y)
        for (int x = 0; x < inPaint.Width(); ++x) {
            ink += inPaint.Pixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
            differing += inPaint.Pixel(x, y) != outside.Pixel(x, y) ? 1 : 0;
        }
    EXPECT_GT(ink, 100);
    EXPECT_EQ(differing, 0) << "of " << ink << " black device pixels at " << Ratio();
    painted.DestroyWindow();
    drawnOn.DestroyWindow();
}

TEST_F(ScaledWindows, ADcOnAWindowReadsBackItsLogicalPixels)
{
    SampleDialog dialog(false);
    ASSERT_TRUE(dialog.Create(kTextDialog));
    CClientDC dc(&dialog);
    dc.FillSolidRect(30, 5, 4, 4, kBlue);
    EXPECT_EQ(dc.GetPixel(30, 5), kBlue);
    EXPECT_EQ(dc.GetPixel(33, 8), kBlue);
    EXPECT_NE(dc.GetPixel(34, 8), kBlue);
    EXPECT_NE(dc.GetPixel(33, 9), kBlue);
    // Copied to a bitmap of 100 % pixels, the square keeps its size.
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 8, 8);
    CBitmap* previous = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
    memory.BitBlt(0, 0, 8, 8, &dc, 28, 3, SRCCOPY);
    int blue = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            blue += memory.GetPixel(x, y) == kBlue ? 1 : 0;
    EXPECT_EQ(blue, 16);
    EXPECT_EQ(memory.GetPixel(2, 2), kBlue);
    memory.SelectObject(previous);
    dialog.DestroyWindow();
}

// What a dialog shows: its face colour, its own painting, and what was drawn on it outside a
// paint until that area is erased.
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kPaintDialog = 9003;

class PaintingDialog : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    PaintingDialog() : CDialog(kPaintDialog) {}
    void OnPaint()
    {
        CPaintDC dc(this);
        dc.FillSolidRect(10, 10, 20, 20, RGB(0, 128, 0));
    }
};

RV_MESSAGE_MAP(PaintingDialog, CDialog, msgmap::Simple(WM_PAINT, &T::OnPaint))

class DialogPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate dialog;
        dialog.id = kPaintDialog;
        dialog.cx = 100;
        dialog.cy = 80;
        RegisterDialogTemplate(dialog);
        ASSERT_TRUE(window.Create(kPaintDialog));
        window.ShowWindow(SW_SHOW);
    }
    PaintingDialog window;
};

} // namespace

TEST_F(DialogPaint, OwnPaintingLiesOnTheFaceColour)
{
    const auto picture = platform::ui::CaptureWindow(window);
    EXPECT_EQ(picture.Pixel(2, 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(15, 15), RGB(0, 128, 0));
    EXPECT_EQ(picture.Pixel(30, 30), GetSysColor(COLOR_BTNFACE)) << "the fill leaves out its right and bottom edges";
}

TEST_F(DialogPaint, DrawingOutsideAPaintStaysUntilErased)
{
    {
        CClientDC dc(&window);
        dc.FillSolidRect(50, 40, 10, 10, RGB(200, 0, 0));
    }
    CDC* lent = window.GetDC();
    ASSERT_NE(lent, nullptr);
    lent->FillSolidRect(70, 40, 5, 5, RGB(0, 0, 200));
    EXPECT_EQ(window.ReleaseDC(lent), 1);
    auto picture = platform::ui::CaptureWindow(window);
    EXPECT_EQ(picture.Pixel(55, 45), RGB(200, 0, 0));
    EXPECT_EQ(picture.Pixel(72, 42), RGB(0, 0, 200));

    CRect part(50, 40, 60, 50);
    window.InvalidateRect(&part, FALSE);
    picture = platform::ui::CaptureWindow(window);
    EXPECT_EQ(picture.Pixel(55, 45), RGB(200, 0, 0)) << "invalidating without erasing keeps it";
    window.InvalidateRect(&part, TRUE);
    picture = platform::ui::CaptureWindow(window);
    EXPECT_EQ(picture.Pixel(55, 45), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.Pixel(72, 42), RGB(0, 0, 200)) << "only the erased area goes";
}

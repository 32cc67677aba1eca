// The coloured edit paints through the colours it answers its parent with.
#include "ControlDialog.h"
#include "controls/edits/ColouredEdit.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

using platform::ui::CaptureWindow;

namespace {

// A point inside the frame, right of any text.
COLORREF Background(CColouredEdit& edit)
{
    const auto picture = CaptureWindow(edit);
    return picture.Pixel(picture.Width() - 6, picture.Height() / 2);
}

} // namespace

TEST_F(ControlDialogTest, ColouredEditStartsOnTheButtonFace)
{
    CColouredEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &dialog));
    EXPECT_EQ(Background(edit), GetSysColor(COLOR_BTNFACE));
}

TEST_F(ControlDialogTest, ColouredEditIsWhiteWhileDisabledAndKeepsItsColour)
{
    CColouredEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &dialog));
    edit.SetBkColor(RGB(255, 0, 0));
    EXPECT_EQ(Background(edit), RGB(255, 0, 0));
    edit.EnableWindow(FALSE);
    EXPECT_FALSE(edit.IsWindowEnabled());
    EXPECT_EQ(Background(edit), RGB(255, 255, 255));
    edit.EnableWindow(TRUE);
    EXPECT_EQ(Background(edit), RGB(255, 0, 0));
}

TEST_F(ControlDialogTest, ColouredEditTextColour)
{
    CColouredEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &dialog));
    edit.SetWindowText("MMMM");
    edit.SetTextColor(RGB(0, 128, 0));
    const auto picture = CaptureWindow(edit);
    int ink = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            ink += GetGValue(picture.Pixel(x, y)) > 2 * (GetRValue(picture.Pixel(x, y)) + 10) ? 1 : 0;
    EXPECT_GT(ink, 10) << "green text, smoothed at its edges";
}

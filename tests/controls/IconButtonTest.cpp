// The icon button's drawing, on a memory DC so every state can be drawn on demand.
#include "ControlDialog.h"
#include "controls/ImageButton/IconButton.h"
#include "platform/ui/SysColors.h"
#include "support/Printers.h"

namespace {

// Draws the button into a memory bitmap of its size in the given state.
class Drawn {
public:
    Drawn(CIconButton& button, UINT state, int width = 120, int height = 40)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        previous = dc.SelectObject(&bitmap);
        DRAWITEMSTRUCT item;
        item.CtlType = ODT_BUTTON;
        item.itemState = state;
        item.hDC = dc.m_hDC;
        item.rcItem = RECT{0, 0, width, height};
        button.DrawItem(&item);
    }
    ~Drawn() { dc.SelectObject(previous); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    int Count(COLORREF colour, int width = 120, int height = 40) const
    {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                n += dc.GetPixel(x, y) == colour ? 1 : 0;
        return n;
    }

private:
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;
};

} // namespace

TEST(IconButton, TheFirstAmpersandMarksTheAcceleratorLetter)
{
    CString caption = "&Go";
    EXPECT_EQ(StripAccelerator(caption), 0);
    EXPECT_EQ(caption, "Go");
    caption = "a&&b";
    EXPECT_EQ(StripAccelerator(caption), 1);
    EXPECT_EQ(caption, "a&b");
    caption = "none";
    EXPECT_EQ(StripAccelerator(caption), -1);
}

TEST_F(ControlDialogTest, IconButtonFaceFramePressAndFocus)
{
    CIconButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kButton, &dialog));
    button.SetWindowText("");
    {
        const Drawn up(button, 0);
        EXPECT_EQ(up.At(60, 20), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(up.At(119, 39), GetSysColor(COLOR_3DDKSHADOW)) << "raised frame, dark outer bottom-right";
    }
    {
        const Drawn pressed(button, ODS_SELECTED);
        EXPECT_EQ(pressed.At(0, 20), GetSysColor(COLOR_3DDKSHADOW)) << "sunken outline, left edge";
        EXPECT_EQ(pressed.At(60, 0), GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(pressed.At(119, 20), GetSysColor(COLOR_3DHIGHLIGHT));
        EXPECT_EQ(pressed.At(60, 39), GetSysColor(COLOR_3DHIGHLIGHT));
    }
    {
        const Drawn focused(button, ODS_FOCUS);
        EXPECT_EQ(focused.At(60, 0), GetSysColor(COLOR_3DDKSHADOW)) << "framed when focused";
    }
}

TEST_F(ControlDialogTest, IconButtonCaptionColourUnderlineAndDisabledLook)
{
    CIconButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kButton, &dialog));
    button.SetFontHeight(30);
    button.SetFaceName("Impact");
    button.SetTextColor(RGB(170, 11, 8));
    button.SetWindowText("&Go");
    const Drawn normal(button, 0);
    const int ink = normal.Count(RGB(170, 11, 8));
    EXPECT_GT(ink, 30) << "caption in its colour, with the accelerator underlined";
    button.SetWindowText("Go");
    const Drawn plain(button, 0);
    EXPECT_GT(ink, plain.Count(RGB(170, 11, 8))) << "the underline adds ink";
    button.SetWindowText("&Go");
    const Drawn disabled(button, ODS_DISABLED);
    EXPECT_EQ(disabled.Count(RGB(170, 11, 8)), 0) << "disabled: embossed, no colour, no underline";
    EXPECT_GT(disabled.Count(GetSysColor(COLOR_3DSHADOW)), 30);
}

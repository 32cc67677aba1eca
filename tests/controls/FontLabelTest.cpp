// The font label: its style flags and what it paints.
#include "ControlDialog.h"
#include "controls/FontLabel/FontLabel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

using platform::ui::CaptureWindow;

namespace {

int CountPixels(const platform::ui::WindowPicture& picture, COLORREF colour)
{
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            count += picture.Pixel(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

TEST(FontLabel, StyleFlagsOnlyTurnOnButTheAlignmentIsSetAfresh)
{
    CFontLabel label;
    label.SetLabelFont("Tahoma", 20, RGB(1, 2, 3), FST_BOLD | FST_RIGHT);
    EXPECT_TRUE(label.m_bBold);
    EXPECT_TRUE(label.m_bRight);
    label.SetLabelFont("Tahoma", 20, RGB(1, 2, 3), 0);
    EXPECT_TRUE(label.m_bBold) << "a flag left out does not clear bold";
    EXPECT_TRUE(label.m_bLeft);
    EXPECT_FALSE(label.m_bRight);
    label.SetFontStyle(FST_CENTRE | FST_RIGHT);
    EXPECT_TRUE(label.m_bCenter);
    EXPECT_FALSE(label.m_bRight);
    EXPECT_EQ(label.m_strFace, "Tahoma");
    EXPECT_EQ(label.m_fontSize, 20);
}

TEST_F(ControlDialogTest, FontLabelPaintsItsBackgroundAndText)
{
    CFontLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabel, &dialog));
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
    label.SetWindowText("");
    auto picture = CaptureWindow(label);
    EXPECT_EQ(picture.Pixel(2, 2), GetSysColor(COLOR_BTNFACE)) << "no background of its own yet";

    label.SetBackground(RGB(10, 200, 30));
    label.SetLabelFont("Tahoma", -16, RGB(200, 0, 0), FST_BOLD);
    label.SetWindowText("Ab 日记");
    picture = CaptureWindow(label);
    EXPECT_EQ(picture.Pixel(picture.Width() - 1, picture.Height() - 1), RGB(10, 200, 30));
    EXPECT_GT(CountPixels(picture, RGB(200, 0, 0)), 20) << "the text is drawn in its colour";

    // An ampersand is drawn, not taken as a prefix: the text gets more ink.
    label.SetWindowText("AA");
    const int plain = CountPixels(CaptureWindow(label), RGB(200, 0, 0));
    label.SetWindowText("A&A");
    EXPECT_GT(CountPixels(CaptureWindow(label), RGB(200, 0, 0)), plain);
}

// The lowest and the rightmost pixel in the colour.
CPoint InkExtent(const platform::ui::WindowPicture& picture, COLORREF colour)
{
    CPoint extent(0, 0);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) == colour)
                extent = CPoint(std::max<int>(extent.x, x), y);
    return extent;
}

TEST_F(ControlDialogTest, FontLabelWrapsLongTextAtWordsWhenTheLinesFit)
{
    CFontLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabel, &dialog));
    label.SetLabelFont("Tahoma", -12, RGB(0, 0, 200), 0);
    label.SetWindowText("one");
    const auto onePicture = CaptureWindow(label);
    const CPoint single = InkExtent(onePicture, RGB(0, 0, 200));
    const char* const longText = "one two three four five six seven eight nine ten eleven twelve";
    label.SetWindowText(longText);
    const CPoint wrapped = InkExtent(CaptureWindow(label), RGB(0, 0, 200));
    EXPECT_GT(wrapped.y, single.y + 5) << "ink on a second line";

    // One line high: no cut second line, but the first line of the long text.
    CRect rect;
    label.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    label.MoveWindow(rect.left, rect.top, rect.Width(), single.y + 4);
    const auto oneLine = CaptureWindow(label);
    EXPECT_LE(InkExtent(oneLine, RGB(0, 0, 200)).y, single.y);
    EXPECT_GT(CountPixels(oneLine, RGB(0, 0, 200)), 3 * CountPixels(onePicture, RGB(0, 0, 200)));
}

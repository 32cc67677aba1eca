// The panel group box's two looks, caption places and setters.
#include "ControlDialog.h"
#include "controls/groupbox/PanelGroupBox.h"
#include "platform/CodePage.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

using platform::ui::CaptureWindow;

namespace {

constexpr COLORREF kBorder = RGB(200, 0, 0);
constexpr COLORREF kTitle = RGB(0, 0, 200);
constexpr COLORREF kClient = RGB(0, 150, 0);

// The columns of a row whose pixel has the colour.
std::vector<int> Columns(const platform::ui::WindowPicture& picture, int y, COLORREF colour)
{
    std::vector<int> found;
    for (int x = 0; x < picture.Width(); ++x)
        if (picture.Pixel(x, y) == colour)
            found.push_back(x);
    return found;
}

} // namespace

class PanelGroupBoxTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        ASSERT_TRUE(box.SubclassDlgItem(kPanel, &dialog));
        box.SetBorderColor(kBorder).SetBackgroundColor(kTitle, kClient);
    }
    CPanelGroupBox box;
};

TEST_F(PanelGroupBoxTest, FrameLookPadsTheCaptionAndStopsTheLineBeforeIt)
{
    const auto picture = CaptureWindow(box);
    EXPECT_EQ(box.m_strTitle, " Options ");
    const CSize text = [&] {
        CClientDC dc(&box);
        CFont* previous = dc.SelectObject(&box.m_font);
        const CSize size = dc.GetTextExtent(box.m_strTitle);
        dc.SelectObject(previous);
        return size;
    }();
    const int line = 1 + text.cy / 2;
    EXPECT_EQ(picture.Pixel(1, line + 5), kBorder) << "left edge of the frame";
    const std::vector<int> band = Columns(picture, line, kTitle);
    ASSERT_FALSE(band.empty());
    EXPECT_EQ(band.back() - band.front() + 1, text.cx) << "the band is the padded caption's width";
    EXPECT_EQ(picture.Pixel(band.front() - 1, line), kBorder);
    EXPECT_EQ(picture.Pixel(band.back() + 1, line), kBorder);

    box.SetAlignment(CPanelGroupBox::kRight);
    const auto right = CaptureWindow(box);
    const std::vector<int> moved = Columns(right, line, kTitle);
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(right.Width() - 1 - (moved.back() + 1), 10) << "10 pixels to the shrunk client's right edge";
}

TEST_F(PanelGroupBoxTest, PanelLookFillsTheBandAndTheClient)
{
    box.SetGroupStyle(1).SetAlignment(CPanelGroupBox::kRight);
    const auto picture = CaptureWindow(box);
    EXPECT_EQ(picture.Pixel(1, 1), kBorder) << "one-pixel border of the shrunk rectangle";
    EXPECT_EQ(picture.Pixel(3, 3), kTitle);
    EXPECT_EQ(picture.Pixel(picture.Width() / 2, picture.Height() - 5), kClient);
}

TEST_F(PanelGroupBoxTest, SettersKeepValuesInRange)
{
    box.SetAlignment(5);
    EXPECT_EQ(box.m_nAlignment, CPanelGroupBox::kLeft);
    box.SetFontBold(TRUE).SetFontItalic(TRUE).SetFontUnderline(TRUE).SetFontSize(12);
    EXPECT_EQ(box.m_lfFont.lfWeight, FW_BOLD);
    EXPECT_EQ(box.m_lfFont.lfItalic, 1);
    EXPECT_EQ(box.m_lfFont.lfHeight, -16) << "12 points at 96 dots per inch";
    box.SetText("New");
    EXPECT_EQ(box.m_strTitle, " New ");
}

TEST_F(PanelGroupBoxTest, ALongFaceNameIsCutAtACharacterBoundary)
{
    const CString face = "微软雅黑微软雅黑微软雅黑微软雅黑微软雅黑";   // 20 characters, 40 bytes on disk
    box.SetFontName(face, 134);
    EXPECT_EQ(box.m_lfFont.lfFaceName, "微软雅黑微软雅黑微软雅黑微软雅") << "15 characters fit 31 bytes";
    EXPECT_EQ(box.m_lfFont.lfCharSet, 134);
    EXPECT_LE(platform::EncodeGb18030(box.m_lfFont.lfFaceName).size(), CPanelGroupBox::kFaceBytes);
}

TEST(PanelGroupBox, SetTextBeforeTheWindowDoesNothing)
{
    CPanelGroupBox box;
    box.SetText("Early");
    EXPECT_TRUE(box.m_strTitle.IsEmpty());
}

TEST_F(ControlDialogTest, APanelBoxTheProgramMakesHasTheIconStyle)
{
    CPanelGroupBox made;
    ASSERT_TRUE(made.Create("Made", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(10, 10, 110, 60), &dialog, 4711));
    EXPECT_EQ(made.GetStyle() & BS_ICON, BS_ICON) << "the button draws no box of its own";
}

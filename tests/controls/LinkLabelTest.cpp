// The link label: fitted to its text, coloured by state, a hand over it, opened by a click.
#include "ControlDialog.h"
#include "controls/labels/LinkLabel.h"
#include "platform/Shell.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "support/Printers.h"

using platform::ui::CaptureWindow;

class LinkLabelTest : public ControlDialogTest {
protected:
    void SetUp() override
    {
        ControlDialogTest::SetUp();
        platform::SetShellRecorder([this](const std::string& target) {
            opened.push_back(target);
            return true;
        });
        ASSERT_TRUE(label.SubclassDlgItem(kLink, &dialog));
    }
    void TearDown() override { platform::SetShellRecorder(nullptr); }
    // Pixels drawn in a colour, counted loosely: the text is smoothed at its edges.
    int Ink(COLORREF colour)
    {
        const auto picture = CaptureWindow(label);
        int count = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                count += picture.Pixel(x, y) == colour ? 1 : 0;
        return count;
    }
    std::vector<std::string> opened;
    CLinkLabel label;
};

TEST_F(LinkLabelTest, TheTemplatesTextIsTheAddressAndTheLabelFitsIt)
{
    EXPECT_EQ(label.GetURL(), kLinkAddress);
    EXPECT_TRUE(label.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(label.GetStyle() & SS_TYPEMASK, SS_LEFT) << "the alignment the dialog gave it";
    CRect rect;
    label.GetClientRect(&rect);
    CClientDC dc(&label);
    CFont* font = label.GetFont();
    ASSERT_NE(font, nullptr);
    LOGFONT description;
    font->GetLogFont(&description);
    EXPECT_EQ(description.lfUnderline, 1);
    CFont* previous = dc.SelectObject(font);
    const CSize text = dc.GetTextExtent(kLinkAddress);
    dc.SelectObject(previous);
    EXPECT_EQ(rect.Width(), text.cx);
    EXPECT_EQ(rect.Height(), text.cy);
    // The address is drawn on that one line to its end: its last characters have ink.
    const auto picture = CaptureWindow(label);
    int end = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = picture.Width() * 9 / 10; x < picture.Width(); ++x)
            end += picture.Pixel(x, y) == RGB(0, 0, 255) ? 1 : 0;
    EXPECT_GT(end, 0);
}

TEST_F(LinkLabelTest, AClickOpensTheAddressAsOneArgumentAndMarksItVisited)
{
    EXPECT_GT(Ink(RGB(0, 0, 255)), 20) << "an unvisited link is blue";
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kLink, STN_CLICKED), reinterpret_cast<LPARAM>(label.m_hWnd));
    EXPECT_EQ(opened, (std::vector<std::string>{kLinkAddress}));
    EXPECT_TRUE(label.GetVisited());
    EXPECT_GT(Ink(RGB(85, 26, 139)), 20) << "a visited link is purple";
}

TEST_F(LinkLabelTest, TheLinkCursorIsAnsweredForTheLabel)
{
    ASSERT_NE(label.GetLinkCursor(), nullptr);
    EXPECT_TRUE(label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.m_hWnd), HTCLIENT));
    EXPECT_EQ(GetCursor(), label.GetLinkCursor());
}

TEST_F(LinkLabelTest, HoveringFollowsThePointerWithinATimerPeriod)
{
    label.SetColours(RGB(0, 0, 255), RGB(85, 26, 139));
    EXPECT_EQ(label.GetHoverColour(), GetSysColor(COLOR_HIGHLIGHT)) << "-1 takes the highlight colour";
    CRect rect;
    label.GetWindowRect(&rect);
    SetCursorPos(rect.left + 2, rect.top + 2);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return label.GetHovering() != FALSE; }, 300));
    EXPECT_GT(Ink(GetSysColor(COLOR_HIGHLIGHT)), 20);
    SetCursorPos(rect.right + 40, rect.bottom + 40);
    EXPECT_TRUE(platform::ui::PumpEventsUntil([&] { return label.GetHovering() == FALSE; }, 300));
}

TEST_F(LinkLabelTest, ANewAddressRefitsTheLabel)
{
    CRect before;
    label.GetClientRect(&before);
    label.SetWindowText("x");
    label.SetURL("x");
    CRect after;
    label.GetClientRect(&after);
    EXPECT_LT(after.Width(), before.Width());
    EXPECT_EQ(label.GetURL(), "x");
}

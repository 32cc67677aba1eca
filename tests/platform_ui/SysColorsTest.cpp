// The fixed classic colour scheme and metrics.
#include "platform/ui/SysColors.h"

#include "Canvas.h"

#include <gtest/gtest.h>

TEST(SysColors, FollowTheWindows2000StandardScheme)
{
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(64, 64, 64));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_MENU), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), RGB(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
}

TEST(SysColors, UnknownIndexIsBlackAndHasNoBrush)
{
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(COLOR_INFOBK + 1), 0u);
    EXPECT_EQ(GetSysColorBrush(COLOR_INFOBK + 1), nullptr);
}

TEST(SysColors, BrushesAreSharedFillWithTheirColourAndSurviveDeletion)
{
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_NE(GetSysColorBrush(COLOR_HIGHLIGHT), face);
    EXPECT_TRUE(DeleteObject(face));

    Canvas canvas(4, 4);
    const CRect all(0, 0, 4, 4);
    canvas.dc.FillRect(&all, CBrush::FromHandle(face));
    EXPECT_EQ(canvas.Count(RGB(212, 208, 200)), 16);
}

// The screen's size is the real one: ScreensTest.
TEST(SysColors, MetricsAreFixed)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CYEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
}

TEST(SysColors, MessageFontIsTheClassicTahoma)
{
    NONCLIENTMETRICS metrics;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_EQ(metrics.lfMessageFont.lfHeight, -11);
    EXPECT_EQ(metrics.lfMessageFont.lfWeight, FW_NORMAL);
    EXPECT_EQ(metrics.lfMessageFont.lfFaceName, "Tahoma");
    EXPECT_FALSE(SystemParametersInfo(0x0030, 0, &metrics, 0));

    CFont font;
    EXPECT_TRUE(font.CreateFontIndirect(&metrics.lfMessageFont));
}

#include "platform/CString.h"

#include <gtest/gtest.h>

TEST(CString, PiecesAndSearchesStayInsideTheText)
{
    const CString text = "C:\\diary\\a.ini";
    EXPECT_EQ(text.Left(2), "C:");
    EXPECT_EQ(text.Right(5), "a.ini");
    EXPECT_EQ(text.Mid(3, 5), "diary");
    EXPECT_EQ(text.Mid(100), "");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Right(99), text);
    EXPECT_EQ(text.ReverseFind('\\'), 8);
    EXPECT_EQ(text.Find('x'), -1);
    EXPECT_EQ(text.Find("a", 6), 9);
}

TEST(CString, FormatCaseTrimAndReplace)
{
    CString colour;
    colour.Format("%02X%02X%02X", 0x8D, 0x82, 0x6D);
    EXPECT_EQ(colour, "8D826D");
    CString mixed = "季度 Quarter";
    EXPECT_EQ(CString(mixed).MakeUpper(), "季度 QUARTER");
    EXPECT_EQ(CString(mixed).MakeLower(), "季度 quarter");
    EXPECT_EQ(CString(" \t x y \r\n").Trim(), "x y");
    CString path = "a\\b\\c";
    EXPECT_EQ(path.Replace("\\", "\\\\"), 2);
    EXPECT_EQ(path, "a\\\\b\\\\c");
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
}

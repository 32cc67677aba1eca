#include "settings/DialogHelpers.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

TEST(DialogHelpers, ColourTextsConvertBothWays)
{
    EXPECT_EQ(HexToColor(""), 0u);
    EXPECT_EQ(HexToColor("000000"), 0u);
    EXPECT_EQ(HexToColor("8D826D"), RGB(0x8D, 0x82, 0x6D));
    EXPECT_EQ(GetRValue(HexToColor("FF0000")), 0xFF);
    EXPECT_EQ(HexToColor("ff0000"), RGB(0xFF, 0, 0));
    EXPECT_EQ(HexToColor("zz1234"), 0u) << "no leading digits reads as black";
    EXPECT_EQ(HexToColor("12G456"), RGB(0, 0, 0x12)) << "only the leading digits count";
    EXPECT_EQ(ColorToHex(RGB(0x8D, 0x82, 0x6D)), "8D826D");
    EXPECT_EQ(ColorToHex(HexToColor("0a0B0c")), "0A0B0C");
    EXPECT_EQ(ParseHexColor("8D826D"), HexToColor("8D826D"));
    EXPECT_EQ(ParseHexColor("8D"), RGB(0x8D, 0, 0)) << "a short text never reads past its end";
    EXPECT_EQ(ParseHexColor(""), 0u);
}

TEST(DialogHelpers, BorderNamesGiveTheirPenStyles)
{
    EXPECT_EQ(LineTypeToIndex("single"), PS_SOLID);
    EXPECT_EQ(LineTypeToIndex("dashed"), PS_DASH);
    EXPECT_EQ(LineTypeToIndex("dotted"), PS_DOT);
    EXPECT_EQ(LineTypeToIndex("dotDash"), PS_DASHDOT);
    EXPECT_EQ(LineTypeToIndex("dotDotDash"), 3);
    EXPECT_EQ(LineTypeToIndex("wave"), 4);
    EXPECT_EQ(LineTypeToIndex("dashSmallGap"), 6);
    EXPECT_EQ(LineTypeToIndex("double"), 0);
    EXPECT_EQ(LineTypeToIndex("Dotted"), 0) << "names are matched exactly";
}

TEST(DialogHelpers, DigitsTrimAndYesNo)
{
    EXPECT_TRUE(IsNumericString("2013"));
    EXPECT_FALSE(IsNumericString("20a3"));
    EXPECT_FALSE(IsNumericString("-1"));
    EXPECT_TRUE(IsNumericString(""));
    EXPECT_EQ(TrimString("  季度 \t\r\n"), "季度");
    EXPECT_EQ(BoolToYesNo(1), "Y");
    EXPECT_EQ(BoolToYesNo(0), "N");
    EXPECT_EQ(BoolToYesNo(2), "N");
}

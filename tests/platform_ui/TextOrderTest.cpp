// Texts compare as Windows' lstrcmp compares them. CTest runs this under a Chinese, an English and
// a Danish locale besides the usual one (tests/platform_ui/CMakeLists.txt); Danish collation
// puts capitals first unless told otherwise.
#include "platform/ui/TextOrder.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct Order {
    const char* a;
    const char* b;
    int sign;
};

} // namespace

TEST(TextOrder, CaseDecidesOnlyBetweenTextsOtherwiseEqualAndLowerCaseComesFirst)
{
    const Order orders[] = {
        {"apple", "Apple", -1},
        {"Apple", "apple", 1},
        {"Apple", "banana", -1},    // the letters decide before the case
        {"banana", "Apple", 1},
        {"Banana", "apple", 1},
        {"ab", "Ac", -1},
        {"Ab", "ac", -1},
        {"a", "A", -1},
        {"APPLE", "Apple", 1},
        {"apple", "apple", 0},
        {"", "a", -1},
        {nullptr, "", 0},
        {"a", nullptr, 1},
    };
    for (const Order& order : orders)
        EXPECT_EQ(lstrcmp(order.a, order.b), order.sign)
            << (order.a ? order.a : "(null)") << " vs " << (order.b ? order.b : "(null)");
}

TEST(TextOrder, ChineseFollowsTheUsersLanguage)
{
    // Pinyin in Chinese (bei before shang); elsewhere the characters' own order (U+4E0A first).
    const int expected = QLocale::system().language() == QLocale::Chinese ? -1 : 1;
    EXPECT_EQ(lstrcmp("北京", "上海"), expected);
    EXPECT_EQ(lstrcmp("上海", "北京"), -expected);
}

TEST(TextOrder, LatinComesBeforeHanAccentsBeforeCaseAndHyphensOnlyBreakTies)
{
    const Order orders[] = {
        {"zebra", "阿姨", -1},       // Latin before Han in every language, Chinese included
        {"Zz", "中国", -1},
        {"9", "a", -1},
        {"eclair", "Éclair", -1},    // an accent counts after the letters, never before them
        {"Éclair", "eclairs", -1},
        {"éclair", "Eclair", 1},     // the accent decides before the case
        {"coa", "co-op", -1},        // a hyphen is passed over as a word sort does
        {"co-op", "cop", -1},
        {"co-op", "coop", -1},       // and breaks the tie of texts otherwise equal
        {"dona", "don't", -1},       // so is an apostrophe
        {"don't", "donuts", -1},
        {"co-op", "co-op", 0},
    };
    for (const Order& order : orders) {
        EXPECT_EQ(lstrcmp(order.a, order.b), order.sign) << order.a << " vs " << order.b;
        EXPECT_EQ(lstrcmp(order.b, order.a), -order.sign) << order.b << " vs " << order.a;
    }
}

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

// A one-line static in the dialog font: beside Chinese, drawn by a taller fallback face, its Latin
// stands where it does alone, descenders inside. ctest runs it in Chinese and at 150 % and 200 %.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr UINT kStaticDialog = 9371;
constexpr int kLabel = 1001;
constexpr const char* kLatin = "yyyy/yy,";

// A static as the date format dialog's hint line is: 8 units high in Tahoma 9.
platform::ui::WindowPicture StaticPicture(DWORD style, const std::string& text)
{
    RegisterDialogTemplate({.id = kStaticDialog, .cx = 260, .cy = 30, .fontFace = "Tahoma", .fontPoints = 9,
                            .controls = {{ControlClass::Static, kLabel, text, 7, 7, 246, 8, style}}});
    CDialog window(kStaticDialog);
    EXPECT_TRUE(window.Create(kStaticDialog));
    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(*window.GetDlgItem(kLabel));
    window.DestroyWindow();
    return picture;
}

} // namespace

// Every pixel the Latin alone inks, tails of y and comma among them, is the same beside Chinese.
TEST(StaticText, AOneLineStaticShowsItsLatinWholeBesideChinese)
{
    for (const DWORD style : {SS_LEFT, SS_LEFTNOWORDWRAP}) {
        const platform::ui::WindowPicture latin = StaticPicture(style, kLatin);
        const platform::ui::WindowPicture mixed = StaticPicture(style, std::string(kLatin) + " 年, mmmm 月, 星期");
        const COLORREF background = latin.Pixel(latin.Width() - 1, 0);
        int lowest = -1, moved = 0;
        for (int y = 0; y < latin.Height(); ++y)
            for (int x = 0; x < latin.Width(); ++x)
                if (latin.Pixel(x, y) != background) {
                    lowest = y;
                    moved += mixed.Pixel(x, y) != latin.Pixel(x, y) ? 1 : 0;
                }
        EXPECT_GT(lowest, latin.Height() / 2) << "the Latin line is drawn, tails and all; style " << style;
        EXPECT_EQ(moved, 0) << "style " << style;
    }
}

// Text statics one line high, in the program's dialog font. A line that mixes Latin and Chinese
// has its Chinese drawn by a fallback face that stands taller than the dialog font; its Latin must
// still stand where a line of Latin alone does, tails of y and commas inside the static. ctest
// runs these under a Chinese desktop and at 150 % and 200 % too.
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr UINT kStaticDialog = 9361;
constexpr int kLabel = 1001;
constexpr const char* kLatin = "yyyy/yy,";

// A static as the date format dialog's hint line is: 8 units high in Tahoma 9.
platform::ui::WindowPicture StaticPicture(DWORD style, const std::string& text)
{
    DialogTemplate dialog;
    dialog.id = kStaticDialog;
    dialog.fontFace = "Tahoma";
    dialog.fontPoints = 9;
    dialog.cx = 260;
    dialog.cy = 30;
    dialog.controls = {{ControlClass::Static, kLabel, text, 7, 7, 246, 8, style}};
    RegisterDialogTemplate(dialog);
    CDialog window(kStaticDialog);
    EXPECT_TRUE(window.Create(kStaticDialog));
    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(*window.GetDlgItem(kLabel));
    window.DestroyWindow();
    return picture;
}

// Anything but the static's background, which its far end shows.
bool Inked(const platform::ui::WindowPicture& picture, int x, int y)
{
    return picture.Pixel(x, y) != picture.Pixel(picture.Width() - 1, 0);
}

} // namespace

TEST(StaticText, AOneLineStaticShowsItsLatinWholeBesideChinese)
{
    for (const DWORD style : {SS_LEFT, SS_LEFTNOWORDWRAP}) {
        SCOPED_TRACE(style == SS_LEFT ? "wrapping" : "not wrapping");
        const platform::ui::WindowPicture latin = StaticPicture(style, kLatin);
        const platform::ui::WindowPicture mixed = StaticPicture(style, std::string(kLatin) + " 年, mmmm 月, 星期");
        ASSERT_EQ(mixed.Height(), latin.Height());
        int right = -1, bottom = -1;
        for (int y = 0; y < latin.Height(); ++y)
            for (int x = 0; x < latin.Width(); ++x)
                if (Inked(latin, x, y)) {
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        ASSERT_GT(bottom, latin.Height() / 2) << "the Latin line is drawn, tails and all";
        int differing = 0;
        for (int y = 0; y < latin.Height(); ++y)
            for (int x = 0; x <= right; ++x)
                differing += mixed.Pixel(x, y) != latin.Pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0) << "the Latin stands where it does alone, tails of y and comma drawn";
    }
}

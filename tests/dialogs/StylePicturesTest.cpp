// The pictures the templates put on the font-style check boxes of the monthly calendar (in place
// of their captions) and beside the style and border check boxes of the class, table, heading,
// text line and yearly calendar dialogs, each found in the window as the shipped picture's exact
// pixels; the pictures beside check boxes show without their background and leave the captions
// whole.
#include "app/CurrentClass.h"
#include "app/window/AppFixture.h"
#include "dialogs/calendar/Form_CalendarSettings.h"
#include "dialogs/calendar/Form_MonthOfCalendar.h"
#include "dialogs/diary/Form_AddText.h"
#include "dialogs/diary/Form_DailyDiary.h"
#include "dialogs/diary/Form_Date_Font.h"
#include "dialogs/diary/Form_Table.h"
#include "dialogs/diary/Form_Table_ALine.h"
#include "resources/CalendarDialogIds.h"
#include "resources/DiaryDialogIds.h"
#include "resources/HeadingDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecords.h"
#include "support/BmpFile.h"

#include <algorithm>

namespace {

// Where the control, or the dialog for no control, shows every pixel of the picture but its
// background (the colour of its top-left pixel).
bool ShowsPicture(const platform::ui::WindowPicture& window, const BmpPixels& picture)
{
    const COLORREF background = picture.Pixel(0, 0);
    for (int top = 0; top + picture.height <= window.Height(); ++top)
        for (int left = 0; left + picture.width <= window.Width(); ++left) {
            bool all = true;
            for (int y = 0; y < picture.height && all; ++y)
                for (int x = 0; x < picture.width && all; ++x)
                    all = picture.Pixel(x, y) == background || window.Pixel(left + x, top + y) == picture.Pixel(x, y);
            if (all)
                return true;
        }
    return false;
}

struct Shown {
    int control;   // 0: anywhere in the dialog
    UINT picture;
};

class StylePicturesTest : public AppTest {
protected:
    template <typename Dialog>
    void ExpectPictures(int cancel, const std::vector<Shown>& expected)
    {
        Dialog dialog;
        driver->Expect(dialog.GetTemplateId(), [&](DialogProbe& p) {
            for (const Shown& shown : expected) {
                const BmpPixels picture = ReadBmp(File("config/pic/styles/" + std::to_string(shown.picture) + ".bmp"));
                ASSERT_GT(picture.width, 0) << shown.picture;
                CWnd& window = shown.control != 0 ? *p.Item(shown.control) : p.Dialog();
                EXPECT_TRUE(ShowsPicture(platform::ui::CaptureWindow(window), picture))
                    << "dialog " << dialog.GetTemplateId() << ", control " << shown.control << ", picture "
                    << shown.picture;
            }
            p.Click(cancel);
        });
        dialog.DoModal();
    }

    // Every dark pixel of each check box drawn alone (its caption's ink) is dark in the dialog
    // too: no picture beside it covers any of it. The caption is smoothed, over another
    // background when the box is drawn alone, so dark is judged loosely.
    template <typename Dialog>
    void ExpectWholeCaptions(int cancel, const std::vector<int>& checks)
    {
        Dialog dialog;
        driver->Expect(dialog.GetTemplateId(), [&](DialogProbe& p) {
            const platform::ui::WindowPicture whole = platform::ui::CaptureWindow(p.Dialog());
            for (int id : checks) {
                CRect place;
                p.Item(id)->GetWindowRect(&place);
                p.Dialog().ScreenToClient(&place);
                const platform::ui::WindowPicture alone = platform::ui::CaptureWindow(*p.Item(id));
                const auto darkest = [](COLORREF c) { return std::max({GetRValue(c), GetGValue(c), GetBValue(c)}); };
                int ink = 0;
                for (int y = 0; y < alone.Height(); ++y)
                    for (int x = 0; x < alone.Width(); ++x) {
                        if (darkest(alone.Pixel(x, y)) >= 0x60)
                            continue;
                        ++ink;
                        ASSERT_LT(darkest(whole.Pixel(place.left + x, place.top + y)), 0x90)
                            << "dialog " << dialog.GetTemplateId() << ", check box " << id << " at " << x << "," << y;
                    }
                EXPECT_GT(ink, 10) << "dialog " << dialog.GetTemplateId() << ", check box " << id;
            }
            p.Click(cancel);
        });
        dialog.DoModal();
    }
};

} // namespace

TEST_F(StylePicturesTest, CheckBoxesShowTheirTemplatesPictures)
{
    g_monthCalendar = MonthCalendarDefaults();
    ExpectPictures<CForm_MonthOfCalendar>(
        IDC_CAL_CANCEL, {{IDC_MC_WEEKEND_BOLD, IDB_STYLE_BOLD}, {IDC_MC_WEEKEND_ITALIC, IDB_STYLE_ITALIC},
                         {IDC_MC_WEEKEND_STRIKE, IDB_STYLE_STRIKE_OUT}, {IDC_MC_WEEKDAY_BOLD, IDB_STYLE_BOLD},
                         {IDC_MC_WEEKDAY_ITALIC, IDB_STYLE_ITALIC}, {IDC_MC_WEEKDAY_STRIKE, IDB_STYLE_STRIKE_OUT}});
    g_bAddClass = 1;
    ExpectPictures<CForm_DailyDiary>(IDC_DIARY_CANCEL, {{0, IDB_STYLE_ITALIC}, {0, IDB_STYLE_STRIKE_OUT}});
    ExpectPictures<CForm_Table>(IDC_DIARY_CANCEL, {{0, IDB_BORDER_TOP}, {0, IDB_BORDER_INNER}, {0, IDB_BORDER_BOTTOM}});
    ExpectPictures<CForm_Table_ALine>(IDC_DIARY_CANCEL, {{0, IDB_BORDER_TOP}, {0, IDB_BORDER_BOTTOM}});
    ExpectPictures<CForm_Date_Font>(IDC_HEADING_CANCEL,
                                    {{0, IDB_STYLE_BOLD}, {0, IDB_STYLE_ITALIC}, {0, IDB_STYLE_UNDERLINE}});
    ExpectPictures<CForm_AddText>(IDC_TEXT_CANCEL, {{0, IDB_STYLE_BOLD}, {0, IDB_STYLE_ITALIC}, {0, IDB_STYLE_UNDERLINE}});
    ExpectPictures<CForm_CalendarSettings>(IDC_CAL_CANCEL,
                                           {{0, IDB_STYLE_BOLD}, {0, IDB_STYLE_ITALIC}, {0, IDB_STYLE_STRIKE_OUT}});
}

// 265's pictures stood on the last column of "B" and the right half of "U".
TEST_F(StylePicturesTest, PicturesBesideCheckBoxesLeaveTheirCaptionsWhole)
{
    g_bAddClass = 1;
    ExpectWholeCaptions<CForm_Date_Font>(IDC_HEADING_CANCEL, {IDC_HEADING_BOLD, IDC_HEADING_ITALIC, IDC_HEADING_UNDERLINE});
    ExpectWholeCaptions<CForm_AddText>(IDC_TEXT_CANCEL, {IDC_HEADING_BOLD, IDC_HEADING_ITALIC, IDC_HEADING_UNDERLINE});
    ExpectWholeCaptions<CForm_DailyDiary>(IDC_DIARY_CANCEL, {IDC_CLASS_LINE_ITALIC, IDC_CLASS_LINE_STRIKE});
    ExpectWholeCaptions<CForm_Table>(IDC_DIARY_CANCEL, {IDC_TABLE_TOP, IDC_TABLE_MIDDLE, IDC_TABLE_BOTTOM});
    ExpectWholeCaptions<CForm_Table_ALine>(IDC_DIARY_CANCEL, {IDC_LINE_TABLE_TOP, IDC_LINE_TABLE_BOTTOM});
    ExpectWholeCaptions<CForm_CalendarSettings>(
        IDC_CAL_CANCEL, {kYearCalendarStyleIds[0], kYearCalendarStyleIds[1], kYearCalendarStyleIds[2]});
}

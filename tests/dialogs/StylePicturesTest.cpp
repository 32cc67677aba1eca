// The pictures the templates put on the font-style check boxes of the monthly calendar (in place
// of their captions) and beside the style and border check boxes of the class, table, heading,
// text line and yearly calendar dialogs, each found in the window as the shipped picture's exact
// pixels.
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

namespace {

// Where the control, or the dialog for no control, shows every pixel of the picture.
bool ShowsPicture(const platform::ui::WindowPicture& window, const BmpPixels& picture)
{
    for (int top = 0; top + picture.height <= window.Height(); ++top)
        for (int left = 0; left + picture.width <= window.Width(); ++left) {
            bool all = true;
            for (int y = 0; y < picture.height && all; ++y)
                for (int x = 0; x < picture.width && all; ++x)
                    all = window.Pixel(left + x, top + y) == picture.Pixel(x, y);
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

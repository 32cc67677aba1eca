// Templates of the sample picture dialogs and the yearly-calendar preset picker (292).
#include "resources/CalendarDialogIds.h"
#include "resources/CalendarDialogTemplates.h"
#include "resources/ResourceIds.h"

using namespace calendar_template;

std::vector<DialogTemplate> SampleTemplates()
{
    const struct {
        UINT id;
        const char* caption;
        int cx, cy;
        int x, y, width, height;
        UINT bitmap;
    } samples[] = {
        {IDD_SAMPLE_DAILY_DIARY, "例子: 日记预览", 393, 119, 0, 0, 390, 116, IDB_SAMPLE_DAILY_DIARY},
        {IDD_SAMPLE_MONTHLY_CALENDAR, "例子: 月日历预览", 299, 339, 5, 1, 290, 335, IDB_SAMPLE_MONTHLY_CALENDAR},
        {IDD_SAMPLE_PLANNER, "例子: 年计划表预览", 303, 355, 5, 0, 293, 351, IDB_SAMPLE_PLANNER},
        {IDD_SAMPLE_YEARLY_CALENDAR, "例子: 全年日历预览", 298, 314, 4, 0, 291, 314, IDB_SAMPLE_YEARLY_CALENDAR},
    };
    std::vector<DialogTemplate> dialogs;
    for (const auto& sample : samples) {
        DialogTemplate dialog =
            ProgramDialog(sample.id, sample.caption, sample.cx, sample.cy, WS_CAPTION | WS_SYSMENU);
        dialog.controls.push_back(
            PictureStatic(IDC_SAMPLE_PICTURE, sample.bitmap, sample.x, sample.y, sample.width, sample.height));
        dialogs.push_back(std::move(dialog));
    }
    return dialogs;
}

DialogTemplate YearCalendarExampleTemplate()
{
    DialogTemplate dialog = ProgramDialog(IDD_YEAR_CALENDAR_EXAMPLE, "年日历模版配置例子", 174, 323, WS_CAPTION);
    dialog.controls = {
        {C::ListView, IDC_EXAMPLE_LIST, "", 7, 7, 160, 287, kPictureList},
        {C::Button, IDC_EXAMPLE_OK, "确定", 56, 299, 53, 17, kPush},
        {C::Button, IDC_EXAMPLE_CANCEL, "取消", 114, 299, 53, 17, kPush},
    };
    return dialog;
}

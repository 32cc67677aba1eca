#include "resources/ProgramResources.h"

#include "platform/ui/Resources.h"
#include "resources/CalendarDialogTemplates.h"
#include "resources/DialogTemplates.h"
#include "resources/DiaryDialogTemplates.h"
#include "resources/HeadingDialogTemplates.h"
#include "resources/ResourceIds.h"

#include <initializer_list>

namespace {

// Bitmap resources kept as files "<folder>/<id>.bmp".
void RegisterBitmapFiles(const char* folder, std::initializer_list<UINT> bitmaps)
{
    for (UINT bitmap : bitmaps) {
        CString path;
        path.Format("%s/%u.bmp", folder, bitmap);
        RegisterBitmapResource(bitmap, path);
    }
}

} // namespace

void RegisterProgramResources()
{
    for (DialogTemplate dialog : {MainWindowTemplate(), SaveConfigTemplate(), SelectConfigTemplate(), SaveConfirmTemplate(),
                                  ProgressTemplate(), CongratulationTemplate(), WelcomeTemplate(), AboutTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog : {SetMonthTemplate(), AddDateFormatTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    RegisterMenuTemplate(RightDateFormatMenu());
    for (DialogTemplate dialog : {DailyDiaryTemplate(), ItemSpecialTemplate(), SpecialSignTemplate(), TableStyleTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog : {TableALineTemplate(), MonthFontTemplate(), SameSettingTemplate(), DateFontTemplate(),
                                  AddTextTemplate(), AddTextEditTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog :
         {YearCalendarTemplate(), YearPlannerTemplate(), MonthCalendarTemplate(), YearCalendarExampleTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog : SampleTemplates())
        RegisterDialogTemplate(std::move(dialog));
    // The sample pictures, relative to the program folder, which is the current folder.
    RegisterBitmapFiles("config/pic/samples", {IDB_SAMPLE_DAILY_DIARY, IDB_SAMPLE_MONTHLY_CALENDAR, IDB_SAMPLE_PLANNER,
                                               IDB_SAMPLE_YEARLY_CALENDAR, IDB_MONTH_CALENDAR_EXAMPLE});
    RegisterBitmapFiles("config/pic/styles", {IDB_STYLE_BOLD, IDB_STYLE_ITALIC, IDB_STYLE_STRIKE_OUT, IDB_STYLE_UNDERLINE,
                                              IDB_BORDER_TOP, IDB_BORDER_INNER, IDB_BORDER_BOTTOM});
    // Pictures live under the program folder, which is the current folder.
    RegisterIconResource(IDI_MAINFRAME, "config/pic/Rorovavozir.ico");
    RegisterIconResource(IDI_ITEM_SYMBOL, "config/pic/item_symbol.ico");
    RegisterIconResource(IDI_TABLE_STYLE, "config/pic/table_style.ico");
    RegisterBitmapResource(IDB_ABOUT, "config/pic/about.bmp");
    RegisterStringResource(IDS_ABOUTBOX, "关于 Rorovavozir(&A)...");
}

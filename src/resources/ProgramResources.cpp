#include "resources/ProgramResources.h"

#include "platform/ui/Resources.h"
#include "resources/CalendarDialogTemplates.h"
#include "resources/DialogTemplates.h"
#include "resources/DiaryDialogTemplates.h"
#include "resources/HeadingDialogTemplates.h"
#include "resources/ResourceIds.h"

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
    for (UINT bitmap : {IDB_SAMPLE_DAILY_DIARY, IDB_SAMPLE_MONTHLY_CALENDAR, IDB_SAMPLE_PLANNER,
                        IDB_SAMPLE_YEARLY_CALENDAR, IDB_MONTH_CALENDAR_EXAMPLE}) {
        CString path;
        path.Format("config/pic/samples/%u.bmp", bitmap);
        RegisterBitmapResource(bitmap, path);
    }
    // Pictures live under the program folder, which is the current folder.
    RegisterIconResource(IDI_MAINFRAME, "config/pic/Rorovavozir.ico");
    RegisterIconResource(IDI_ITEM_SYMBOL, "config/pic/item_symbol.ico");
    RegisterIconResource(IDI_TABLE_STYLE, "config/pic/table_style.ico");
    RegisterBitmapResource(IDB_ABOUT, "config/pic/about.bmp");
    RegisterStringResource(IDS_ABOUTBOX, "关于 Rorovavozir(&A)...");
}

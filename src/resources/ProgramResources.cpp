#include "resources/ProgramResources.h"

#include "resources/DialogTemplates.h"
#include "resources/DiaryDialogTemplates.h"
#include "resources/HeadingDialogTemplates.h"

void RegisterProgramResources()
{
    for (DialogTemplate dialog : {MainWindowTemplate(), SaveConfigTemplate(), SelectConfigTemplate(), SaveConfirmTemplate(),
                                  ProgressTemplate(), CongratulationTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog : {SetMonthTemplate(), AddDateFormatTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    RegisterMenuTemplate(RightDateFormatMenu());
    for (DialogTemplate dialog : {DailyDiaryTemplate(), ItemSpecialTemplate(), SpecialSignTemplate(), TableStyleTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog : {TableALineTemplate(), MonthFontTemplate(), SameSettingTemplate(), DateFontTemplate(),
                                  AddTextTemplate(), AddTextEditTemplate()})
        RegisterDialogTemplate(std::move(dialog));
}

#include "resources/ProgramResources.h"

#include "resources/DialogTemplates.h"

void RegisterProgramResources()
{
    for (DialogTemplate dialog : {MainWindowTemplate(), SaveConfigTemplate(), SelectConfigTemplate(), SaveConfirmTemplate(),
                                  ProgressTemplate(), CongratulationTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    for (DialogTemplate dialog : {SetMonthTemplate(), AddDateFormatTemplate()})
        RegisterDialogTemplate(std::move(dialog));
    RegisterMenuTemplate(RightDateFormatMenu());
}

#include "platform/ui/DialogTemplate.h"

#include <map>
#include <mutex>

namespace {

std::map<UINT, DialogTemplate>& Templates()
{
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}

std::mutex g_templatesMutex;

} // namespace

void RegisterDialogTemplate(DialogTemplate dialog)
{
    std::lock_guard<std::mutex> lock(g_templatesMutex);
    const UINT id = dialog.id;
    Templates()[id] = std::move(dialog);
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    std::lock_guard<std::mutex> lock(g_templatesMutex);
    const auto found = Templates().find(id);
    return found == Templates().end() ? nullptr : &found->second;
}

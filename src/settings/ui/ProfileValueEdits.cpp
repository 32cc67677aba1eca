#include "settings/ui/ProfileValueEdits.h"

#include "platform/ui/StandardControls.h"
#include "settings/IniFile.h"

void LimitToProfileValue(CWnd& dialog, std::initializer_list<int> editIds)
{
    for (const int id : editIds)
        if (auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(id)))
            edit->SetLimitText(CIniFile::kMaxValueBytes);
}

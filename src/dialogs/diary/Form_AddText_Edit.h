#pragma once
// Dialog 258 "Text Details": one line of the motto file in full, with its number. Nothing typed
// into it is kept.

#include "dialogs/diary/DiaryDialog.h"

class CForm_AddText_Edit : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_AddText_Edit(CWnd* parent = nullptr);

    int m_nRow = -1;   // 0-based: the element of the working list to show

protected:
    BOOL OnInitDialog() override;

private:
    void OnClose();
};

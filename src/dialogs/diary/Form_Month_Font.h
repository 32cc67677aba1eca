#pragma once
// Dialog 264 "Month Settings": the look of the month heading that starts each month of the
// diary (the Months_ settings), shown on the main window's month sample text.

#include "dialogs/diary/HeadingFontDialog.h"

// The main window's month sample, handed over before the dialog opens.
extern CString g_strMonthSampleText;

class CForm_Month_Font : public CHeadingFontDialog {
public:
    explicit CForm_Month_Font(CWnd* parent = nullptr);

    void LoadSettings() override;
    void SaveSettings() override;
};

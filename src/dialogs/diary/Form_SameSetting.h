#pragma once
// Dialog 290 "每类相同格式设置": one font for every class (face, size, colour, bold), stored in
// g_sameFormat for the main window to apply to each class.

#include "dialogs/diary/HeadingFontDialog.h"

class CForm_SameSetting : public CHeadingFontDialog {
public:
    explicit CForm_SameSetting(CWnd* parent = nullptr);

    void LoadSettings() override;
    void SaveSettings() override;

protected:
    BOOL OnInitDialog() override;
    void PrepareControls() override;
};

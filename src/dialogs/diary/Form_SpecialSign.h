#pragma once
// Dialog 256 "选择特殊字符作为在WORD项目编号": picks one of 28 special signs and its colour; OK
// stores them in g_nSpecialSign and g_strSpecialSignColor, Cancel changes nothing.

#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "dialogs/diary/DiaryDialog.h"
#include "platform/ui/StandardControls.h"
#include "resources/PickerIds.h"

class CForm_SpecialSign : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SpecialSign(CWnd* parent = nullptr);

    // A click on sign n: the picture and number show it, its button is highlighted.
    void SelectSign(CWnd* picture, int n);
    // Signs 1 to 28 act as a click; the number label shows any n.
    void SelectSignByNumber(int n);

    int m_nSelected = 0;       // 0: no sign chosen yet
    int m_nHighlighted = 0;
    CFontLabel m_sample;
    CStatic m_number;
    CStatic m_picture;
    CColorButton m_colour;
    CButton m_signs[kSpecialSignCount];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does.
    void OnOK() override;

private:
    void OnClickSign(UINT id);
    void OnShowWindow(BOOL show, UINT status);
};

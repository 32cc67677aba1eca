#pragma once
// Dialog 293 "增加日期格式": the user writes a daily date format in tokens (yyyy, mmmm, d,
// aaaa, ...) and sees today in it while typing. On IDOK g_strNewDateFormat holds the format as
// a strftime pattern, never empty: a text without a year, a month and a day is refused.

#include "platform/ui/Dialog.h"
#include "platform/ui/StandardControls.h"

extern CString g_strNewDateFormat;

class CFomr_AddDateFormat : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CFomr_AddDateFormat(CWnd* parent = nullptr);

    // The strftime pattern of a token text, or "" when it names no year, month or day. Text
    // outside the tokens passes through, a "%" in it escaped.
    static CString ConvertDateFormat(const CString& text);

protected:
    BOOL OnInitDialog() override;
    // Enter confirms as the OK button does.
    void OnOK() override { OnButtonOK(); }

private:
    void FillSampleList();
    void ShowExample(const CString& text);
    void OnSelchangeSampleList();
    void OnChangeFormatEdit();
    void OnButtonOK();
    void OnButtonCancel();

    CListBox m_listSamples;
    CEdit m_editPattern;
};

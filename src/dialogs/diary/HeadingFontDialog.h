#pragma once
// What the month heading (264), same-format (290) and date heading (265) dialogs share: one font
// (face, size, colour, bold, and italic and underline where the dialog has their boxes) shown on
// a sample label, loaded when the dialog opens and stored only on OK.

#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "dialogs/diary/DiaryDialog.h"
#include "resources/HeadingDialogIds.h"

struct HeadingFont {
    CString face;
    CString size;     // points, as the size list shows them
    CString colour;   // six hexadecimal digits, red first
    BYTE bold = 0;
    BYTE italic = 0;
    BYTE underline = 0;
};

class CHeadingFontDialog : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    CHeadingFontDialog(UINT templateId, int sampleId, int groupId, CWnd* parent);

    CComboBox m_comboFont;
    CComboBox m_comboSize;
    CColorButton m_colour;
    CFontLabel m_sample;
    CThemedGroupBox m_group;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // "确定" and Enter: SaveSettings, then the dialog ends with IDOK.
    void OnOK() override;
    // What the dialog sets up before its font list is filled.
    virtual void PrepareControls() {}
    virtual void LoadSettings() = 0;
    virtual void SaveSettings() = 0;

    // The font into the controls and the sample (a face or size the lists lack is kept).
    void ShowFont(const HeadingFont& font);
    HeadingFont ChosenFont() const;
    // The sample's face and size from the two lists.
    void OnSelchangeFontOrSize();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);

private:
    void OnClickStyle();
    bool Has(int id) const { return GetDlgItem(id) != nullptr; }
    bool CheckedIfThere(int id) const { return Has(id) && Checked(id); }

    int m_sampleId;
    int m_groupId;
};

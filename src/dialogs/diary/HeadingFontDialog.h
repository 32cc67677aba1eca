#pragma once
// What the month heading dialog (264) and the same-format dialog (290) share: one font (face,
// size, colour, bold, and italic where the dialog has the box) shown on a sample label, loaded
// when the dialog opens and stored only on OK.

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
    // What the sample shows before the font is loaded.
    virtual void PrepareSample() {}
    virtual void LoadSettings() = 0;
    virtual void SaveSettings() = 0;

    // The font into the controls and the sample (a face or size the lists lack is kept).
    void ShowFont(const HeadingFont& font);
    HeadingFont ChosenFont() const;
    // The sample's face and size from the two lists.
    void OnSelchangeFontOrSize();

private:
    void OnClickStyle();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    bool HasItalic() const;

    int m_sampleId;
    int m_groupId;
};

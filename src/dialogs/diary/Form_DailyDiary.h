#pragma once
// Dialog 280 "每天的日记设置:": edits one diary class, g_currentClass, and only on OK. While it
// is open it shows the class as a sample: labels in the chosen fonts and colours, the item
// symbol and special sign, and the outline of the class table (Form_DailyDiarySample.cpp).

#include "app/TableOutline.h"
#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "dialogs/diary/DiaryDialog.h"
#include "dialogs/diary/IconButtons.h"
#include "platform/ui/StandardControls.h"

class CForm_DailyDiary : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_DailyDiary(CWnd* parent = nullptr);

    void SaveClass();
    void LoadClass();
    void OnDefault();
    // The table outline from g_classTable and the title, table and line-count choices.
    void UpdatePreview();

    CThemedGroupBox m_groupTitle;
    CThemedGroupBox m_groupLines;
    CThemedGroupBox m_groupLineFont;
    CThemedGroupBox m_groupBefore;
    CThemedGroupBox m_groupTable;
    CThemedGroupBox m_groupPrefix;
    CThemedGroupBox m_groupSample;
    CEdit m_editTitle;
    CEdit m_editPrefix;
    CComboBox m_comboTitleFont;
    CComboBox m_comboTitleSize;
    CComboBox m_comboLineCount;
    CComboBox m_comboLineFont;
    CComboBox m_comboLineSize;
    CColorButton m_colourTitle;
    CColorButton m_colourTitleBack;
    CColorButton m_colourLine;
    CColorButton m_colourTextBack;
    CColorButton m_colourLineBack;
    CColorButton m_colourPrefix;
    CImageButton m_buttonSymbol;
    CImageButton m_buttonTable;
    CButton m_buttonSign;
    CFontLabel m_sampleTitle;
    CFontLabel m_sampleLine;
    CFontLabel m_samplePrefix;
    CFontLabel m_sampleNumber;
    CFontLabel m_sampleMore;
    TableOutline m_outline;   // painted under the sample labels
    // Set by the event that last touched it: the title's size, or the start height after an edit
    // of the title or a change of its face.
    int m_nTitleSampleHeight;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does, so the opener never takes a class the dialog did not store.
    void OnOK() override;

private:
    void OnButtonSign();
    void OnButtonSymbol();
    void OnButtonTable();
    void OnCheckTitle();
    void OnCheckTitleBack();
    void OnCheckTextBack();
    void OnCheckLineBack();
    void OnCheckSign();
    void OnCheckSymbol();
    void OnCheckTable();
    void OnCheckNumbers();
    void OnCheckLetterPaper();
    void OnSelchangeLineCount();
    void OnTitleTextOrFaceChange();
    void OnSelchangeTitleSize();
    void TakeTitleSampleHeightFromSize();
    void OnButtonRefresh();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void OnPaint();

    void HandOverToTableDialog();
    void EnableTitleControls();
    // Every sample label and picture from the controls as they are now (Form_DailyDiarySample.cpp).
    void ShowSamples();
    void RedrawSamples();
};

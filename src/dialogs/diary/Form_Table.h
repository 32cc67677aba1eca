#pragma once
// Dialog 217 "表格设置": the table look of the class being edited, g_classTable, written only on
// OK. It offers the preset styles of config/pic/LineSettings/TableStyle.ini, each with its
// picture, and previews a class table of seven rows in the chosen look.

#include "app/TableOutline.h"
#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "dialogs/diary/DiaryDialog.h"
#include "dialogs/LineTypeList.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "resources/TableStyleIds.h"

// What the opener hands over for the preview rows.
extern BYTE g_bPreviewShowTitle;
extern CString g_strPreviewTitleText;
extern COLORREF g_clrPreviewTitleFont;
extern CString g_strPreviewTitleFontName;
extern CString g_strPreviewTitleFontSize;
extern CString g_strPreviewTitleBold;
extern CString g_strPreviewTitleItalic;
extern BYTE g_bPreviewItemNumber;
extern CString g_strPreviewLineText;
extern COLORREF g_clrPreviewLineFont;
extern CString g_strPreviewLineFontName;
extern CString g_strPreviewLineFontSize;
extern CString g_strPreviewLineBold;
extern CString g_strPreviewLineItalic;

class CForm_Table : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_Table(CWnd* parent = nullptr);

    CChoiceList m_listPresets;
    CChoiceList m_listLineTypes;
    CColorButton m_colourLine;
    CColorButton m_colourTitleBack;
    CColorButton m_colourOddBack;
    CColorButton m_colourEvenBack;
    CFontLabel m_rows[kTablePreviewRows];
    CImageList m_presetImages;
    CImageList m_lineTypeImages;
    int m_nLineTypeRow = 0;
    CString m_strLineType;
    CString m_strLinePen;
    int m_nPresetCount = 1000;   // the most preset pictures ever read
    int m_nPresetRow = -1;
    TableOutline m_outline;      // the preview's borders, painted under its rows

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does.
    void OnOK() override;

private:
    void OnClickBorder(UINT id);
    void OnClickBackFlag(UINT id);
    void OnClickLineType(NMHDR* header, LRESULT* result);
    void OnClickPreset(NMHDR* header, LRESULT* result);
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void OnPaint();
    void OnDestroy();

    void FillLineTypes();
    void FillPresets();
    void LoadClassTable();
    void ApplyPreset(int row);
    void ChooseLineType(const CString& name);
    void TakeLineType(const LineTypeChoice& choice);
    void StyleRows();
    void ShowRowBackgrounds();
    void ShowDiagram();
    void DrawTablePreview();
};

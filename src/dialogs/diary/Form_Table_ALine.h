#pragma once
// Dialog 259 "设置表格": the box that can frame the date heading or the text line (border line
// type and colour, the four outer borders, a background). It edits g_tableLineEdit; its
// openers hand over the sample's text and look in the values below.

#include "app/TableOutline.h"
#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "dialogs/diary/DiaryDialog.h"
#include "dialogs/LineTypeList.h"
#include "settings/SettingsRecords.h"

// What the opener hands over for the sample and the note under it.
extern CString g_strLinePreviewText;
extern CString g_strLinePreviewFontName;
extern int g_nLinePreviewFontSize;   // points
extern COLORREF g_clrLinePreviewFont;
extern BYTE g_bLinePreviewBold;
extern BYTE g_bLinePreviewItalic;
extern BYTE g_bLinePreviewUnderline;
extern CString g_strLinePreviewNote;

class CForm_Table_ALine : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_Table_ALine(CWnd* parent = nullptr);

    CChoiceList m_listLineTypes;
    CColorButton m_colourLine;
    CColorButton m_colourBack;
    CFontLabel m_sample;
    CFontLabel m_note;
    CImageList m_lineTypeImages;
    LineTypeChoice m_lineType;
    BYTE m_bFirstPaint = 1;
    TableOutline m_outline;   // the sample's background and borders, painted under the sample

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does.
    void OnOK() override;

private:
    void OnClickBorder(UINT id);
    void OnClickBackFlag();
    void OnClickLineType(NMHDR* header, LRESULT* result);
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void OnPaint();
    void OnDestroy();

    void LoadTableLine();
    void StyleSample();
    void StyleNote();
    void DrawBorders();
};

// Runs the dialog on a copy of the record in g_tableLineEdit and takes the copy back only on
// OK; the sample values are the caller's to set first. True on OK.
bool EditTableLine(CWnd* parent, TableLineSettings& record);

#pragma once
// Dialog 282 "年计划表设置": the look of the year planner pages and which planner pages the
// diary gets (g_yearPlanner, g_bConfigYearPlanner), stored only on OK, with a sample of two
// months in the chosen colours and line.

#include "app/TableOutline.h"
#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "dialogs/diary/DiaryDialog.h"
#include "controls/lists/ChoiceList.h"
#include "platform/ui/ImageList.h"

class CForm_YearPlanner : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    static constexpr int kColourCount = 11;

    explicit CForm_YearPlanner(CWnd* parent = nullptr);

    void LoadSettings();
    void SaveSettings();

    CThemedGroupBox m_groups[5];
    CColorButton m_colours[kColourCount];   // in the order of the colour table (.cpp)
    CComboBox m_comboFont;
    CComboBox m_comboSize;
    CChoiceList m_listLineTypes;
    CImageList m_lineTypeImages;
    CFontLabel m_months[2];
    CFontLabel m_weekdays[6];
    CFontLabel m_days[12];
    int m_nLineTypeRow = 0;                 // row 0 until one is chosen
    TableOutline m_sample;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does.
    void OnOK() override;

private:
    CColorButton& Colour(int id);
    // A one-page planner's month format whose titles the windows cannot show whole keeps the
    // dialog open on its edit, the bound told.
    bool CheckMonthFormatLength();
    void ChooseLineType(const CString& name);
    void OnDefault();
    void OnPreviewMonthFormat();
    void OnUpperCaseCheck();
    void OnOnePagePlanner();
    void OnLineTypeClick(NMHDR* header, LRESULT* result);
    void OnViewExample();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void OnPaint();
    void OnDestroy();
    // The sample's cells and grid, then its labels.
    void RefreshPreview();
    void ApplyPreviewColours();
};

#pragma once
// Dialog 292 "年日历模版配置例子": the pictures of the eight yearly-calendar styles, each in the
// row of its number; "确定" hands back the row chosen in g_nYearCalendarPreset.

#include "dialogs/diary/DiaryDialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

// The 0-based row chosen with "确定"; the yearly-calendar dialog loads that style.
extern int g_nYearCalendarPreset;

class CForm_YearCalendarExample : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    static constexpr int kPresetCount = 8;

    explicit CForm_YearCalendarExample(CWnd* parent = nullptr);

    CListCtrl m_list;
    CImageList m_images;
    int m_nClickedRow = 0;   // row 0 until another is clicked

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter hands back the chosen row as "确定" does.
    void OnOK() override;

private:
    void OnClickList(NMHDR* header, LRESULT* result);
    void OnDestroy();
};

#pragma once
// Dialog 292 "年日历模版配置例子": the pictures of the eight yearly-calendar styles, each in the
// row of its number; "确定" hands back the row chosen in g_nYearCalendarPreset.

#include "dialogs/diary/DiaryDialog.h"
#include "controls/lists/ChoiceList.h"
#include "platform/ui/ImageList.h"

// The 0-based row chosen with "确定"; the yearly-calendar dialog loads that style.
extern int g_nYearCalendarPreset;

class CForm_YearCalendarExample : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    static constexpr int kPresetCount = 8;

    explicit CForm_YearCalendarExample(CWnd* parent = nullptr);

    CChoiceList m_list;   // row 0 chosen until another is
    CImageList m_images;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter hands back the row shown chosen as "确定" does.
    void OnOK() override;

private:
    void OnDestroy();
};

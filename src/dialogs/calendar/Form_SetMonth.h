#pragma once
// Dialog 131 "设置模板的日期": the template's date range in the current year, the weekday
// filter and the look of unticked days, the month-title and daily date formats, the day
// captions and their style, and the user's list of date formats. Nothing is stored until the
// dialog closes through 确定, Esc or the close box, and only after its checks pass; 取消 stores
// nothing. Split over Form_SetMonth*.cpp by topic.

#include "controls/ColourButton/ColourButton.h"
#include "controls/lists/ChoiceList.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "dialogs/calendar/DateRangeRules.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/StandardControls.h"

#include <array>
#include <utility>
#include <vector>

// The daily format of a new template.
inline constexpr const char* kDefaultDayFormat = "%Y年%m月%d日,%A";

class CForm_SetMonth : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SetMonth(CWnd* parent = nullptr);

    // The local time in the pattern (at most 99 bytes; "" when it needs more).
    static CString FormatCurrentTime(const char* pattern);

    // Cancel state: 2 while open, 1 after 取消, 0 once 确定, Esc or the close box passed the
    // checks of closing; only 0 stores, as the window is destroyed.
    int m_nCancelState = 2;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter does nothing here.
    void OnOK() override {}
    // Esc and the close box store, as 确定 does.
    void OnCancel() override;

private:
    // Lifecycle (Form_SetMonth.cpp).
    void OnButtonOK();
    void OnButtonCancel();
    void InitDefaults();
    // The checks of closing; false keeps the dialog open with the reason shown.
    bool CheckBeforeClosing();
    void OnDestroy();
    void StoreAll();
    void StoreDates();
    void StoreUncheckedWeekStyle();
    void StyleControls();

    // The range and the weekday filter (Form_SetMonthRange.cpp).
    void FillDateCombos();
    void FillStartDayCombo(int month);
    void FillEndDayCombo(int month);
    void LoadDates();
    void ReadCombos();
    void CheckMonthRange();
    void RecountDays();
    void ShowStatus(const char* text, COLORREF colour);
    // The status line's colour for what keeps the range, or the dialog, from being taken.
    static constexpr COLORREF kErrorColour = 0x0000FF;
    void ShowCount(int count);
    void ShowStartEndDates();
    void OnStartMonthChange();
    void OnEndMonthChange();
    void OnTomorrow();
    void OnYearEnd();
    void OnCountDays();
    void ComputeEndDateFromDays(int count);
    void OnWeekdayDefault();
    void ShowUncheckedWeekChecks();
    void ReadWeekdayChecks();

    // Formats and captions (Form_SetMonthFormats.cpp).
    void ShowMonthFormatCaptions();
    void ShowMonthFormat(const CString& format);
    // The chosen month format; "" when the custom one is chosen and empty.
    CString GetMonthFormat() const;
    void ReportEmptyCustomFormat();
    // Why the month or daily format gives a text longer than the windows show, naming the month
    // or day that gives the longest; "" when both fit. `chosenIn` gets where that format is chosen.
    CString TooLongFormat(CWnd** chosenIn);
    // A format too long keeps the dialog open, with the reason in the status line and the focus
    // where the format is chosen.
    bool CheckFormatLengths();
    // Once told, the status line follows the formats as they change: the reason goes once they fit.
    void FollowFormatLengths();
    void ShowMonthPreview();
    void OnFixedMonthFormat();
    void OnCustomMonthFormat();
    void OnPreviewCustomFormat();
    void OnRestDayCheck();
    void OnDayNumberCheck();
    void OnWeekEndCheck();
    void FollowCaptionCheck(int check, std::initializer_list<std::pair<int, const char*>> edits);
    void LoadCaptions();
    void DefaultCaptions();
    void LoadCaptionStyle();
    void StyleCaptionPreviews();
    void RefreshCaptionPreviews();
    void EnableCaptionStyle(bool on);
    void OnCaptionStyleCheck();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void ShowCaptionMarks();
    bool CheckCaptionPairs();
    void StoreCaptions();
    void StoreCaptionStyle();
    void StoreFormats();

    // The format list and its file (Form_SetMonthList.cpp).
    void SetUpFormatList();
    // The formats the list is to show: the file's, with the format added (to the file too) when
    // missing.
    std::vector<CString> SyncDateFormatFile(const CString& format);
    // The list shows the file's formats.
    void LoadDateFormats();
    void ShowFormatRows(const std::vector<CString>& formats);
    // A row with the next number, the sample and the pattern; returns its index.
    int AppendFormatRow(const CString& pattern);
    // The same, then the row is selected.
    void AddFormatRow(const CString& pattern);
    void SelectListRow(int row);
    void SelectFormatRow(int row);
    BOOL FindFormatRow(const CString& pattern);
    void ShowSelectedFormat();
    // Rewrites the file from the rows; tells the user when it cannot.
    bool SaveFormatRows();
    void OnClickFormatList(NMHDR* header, LRESULT* result);
    void OnKeydownFormatList(NMHDR* header, LRESULT* result);
    void OnFormatItemChanged(NMHDR* header, LRESULT* result);
    void OnRclickFormatList(NMHDR* header, LRESULT* result);
    LRESULT OnContextMenu(WPARAM window, LPARAM place);
    void ShowFormatMenu(POINT at);
    void OnAddDateFormat();
    void DeleteDateFormat();
    CString FormatFile() const;

    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    CString ItemText(int id) const;

    std::array<BYTE, 7> m_abWeekdays{};   // index 0 = Sunday; 1 = ticked
    int m_nYear = 0;
    int m_nCountedDays = 0;
    int m_nMonthStart = 1;
    int m_nMonthEnd = 12;
    int m_nDayStart = 1;
    int m_nDayEnd = 31;
    CString m_strDayFormat;         // the daily format chosen in the list
    bool m_bToldTooLong = false;    // the status line tells a format too long
    int m_nSelectedFormatRow = -1;

    CComboBox m_comboStartMonth;
    CComboBox m_comboStartDay;
    CComboBox m_comboEndMonth;
    CComboBox m_comboEndDay;
    CColorButton m_buttonUncheckedColour;
    CColorButton m_buttonTextColour;
    CColorButton m_buttonRestNumberColour;
    CColorButton m_buttonDayNumberColour;
    CFontLabel m_labelStatus;
    CFontLabel m_labelCount;
    CFontLabel m_labelYear;
    CFontLabel m_labelStart;
    CFontLabel m_labelEnd;
    CFontLabel m_labelStartCaption;
    CFontLabel m_labelEndCaption;
    std::array<CFontLabel, 4> m_labelMarks;
    std::array<CFontLabel, 7> m_labelPreviews;   // 1150, 1151, 1152, 1156, 1157, 1246, 1247
    std::array<CThemedGroupBox, 5> m_groups;
    CChoiceList m_listFormats;
};

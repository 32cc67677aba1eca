#pragma once
// Dialog 274 "月日历设置": the monthly calendar pages. It edits the working copy
// g_monthCalendarEdit, loaded from g_monthCalendar when it opens and stored on OK only; its
// opener copies the working copy into the design when the dialog ends with OK. The whole
// calendar's controls are in Form_MonthOfCalendar.cpp, the five writing rows and the editors
// of the current row in Form_MonthOfCalendarRows.cpp.

#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "dialogs/diary/DiaryDialog.h"
#include "controls/lists/ChoiceList.h"
#include "platform/ui/ImageList.h"
#include "resources/CalendarDialogIds.h"

class CForm_MonthOfCalendar : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    // The special sign of one kind of cell of a row.
    struct RowSign {
        BYTE on = 0;
        int number = 0;
        CString colour;
    };
    // What a writing row holds besides its two previews and its "21 Days." check.
    struct RowState {
        BYTE rest = 0;         // the counter also shows the remaining days
        CString restDays;      // the rest days as typed
        RowSign weekend;
        RowSign weekday;
        CString topLine;       // the top border's word
        CString topColour;     // the top border's colour
    };

    explicit CForm_MonthOfCalendar(CWnd* parent = nullptr);

    // The working copy from the design, then the controls from the working copy.
    void LoadSettings();
    // The controls into the working copy.
    void SaveSettings();
    void OnSelectRow(int row);

    // A rest-day count as typed: digits only, at most a year; an empty text is 0.
    static bool ParseRestDays(const CString& text, int* days);
    // A colour as the record stores it: six upper-case hexadecimal digits, red first.
    static CString ColorToHex(COLORREF colour);

    CThemedGroupBox m_groups[9];
    CComboBox m_comboFont;
    CComboBox m_comboSize;
    CComboBox m_comboDayFont;
    CComboBox m_comboDaySize;
    CFontLabel m_weekHeader;
    CFontLabel m_daySample;
    CFontLabel m_weekendPreviews[kMonthRows];
    CFontLabel m_weekdayPreviews[kMonthRows];
    CStatic m_weekendSignPictures[kMonthRows];
    CStatic m_weekdaySignPictures[kMonthRows];
    CColorButton m_colourWeekendBack;
    CColorButton m_colourWeekendFont;
    CColorButton m_colourWeekdayBack;
    CColorButton m_colourWeekdayFont;
    CColorButton m_colourTop;
    CColorButton m_colourGrid;
    CButton m_buttonWeekendSign;
    CButton m_buttonWeekdaySign;
    CChoiceList m_listTopLines;
    CChoiceList m_listGridLines;
    CImageList m_topLineImages;
    CImageList m_gridLineImages;
    CString m_strGridLineType;   // the grid's word while the dialog is open
    RowState m_rows[kMonthRows];
    int m_nCurrentRow = 1;       // 1 to 5

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does.
    void OnOK() override;

private:
    // The whole calendar (Form_MonthOfCalendar.cpp).
    void InitFontControls();
    void OnDefaultFontName();
    void OnDefaultFontSize();
    void OnUpperCase();
    void ApplyWeekHeaderStyle();
    void OnUseYearCalendarFormat();
    void ApplyDaySample();
    void InitColorButtons();
    void OnDayFontNameChange();
    void OnDayFontSizeChange();
    void OnDayBold();
    void OnDayItalic();
    void OnDayUnderline();
    void OnDayAlignLeft();
    void OnDayAlignCentre();
    void OnDayAlignRight();
    void OnGridLineListClick(NMHDR* header, LRESULT* result);
    void OnViewExample();
    void OnShowWindow(BOOL show, UINT status);
    void OnDestroy();

    // The rows (Form_MonthOfCalendarRows.cpp).
    RowState& CurrentRow() { return m_rows[m_nCurrentRow - 1]; }
    void OnRowRadio(UINT id);
    void StoreRowExtras();
    void On21DayCounter();
    void OnApplyRestDays();
    void OnRestDaysKillFocus();
    void EnableRestControls(BOOL on);
    void OnRestDays();
    void OnWeekendSignCheck();
    void OnWeekdaySignCheck();
    void OnWeekendSignButton();
    void OnWeekdaySignButton();
    // The picker on the row's sign and the given colour; true when it ended with OK.
    bool PickSign(const CString& colour, RowSign& sign, CButton& button);
    CString GetWeekendSignColor(int row) const;
    CString GetWeekdaySignColor(int row) const;
    void StoreWeekendSignColor();
    void StoreWeekdaySignColor();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void SetWeekendRowBackground(int row);
    void SetWeekdayRowBackground(int row);
    void SetWeekendRowTextColor(int row);
    void SetWeekdayRowTextColor(int row);
    void StoreRowTopLineColor(int row);
    void RedrawWeekendPreviews();
    void RedrawWeekdayPreviews();
    void RedrawPreviews(CFontLabel (&previews)[kMonthRows]);
    void ApplyRowFontStyle();
    void OnSameWeekendColours();
    void OnSameWeekdayColours();
    void OnAddRowCheck(UINT id);
    void InitRowPreviews();
    // A preview in black, in the face and twice the point size given, smoothed, left-aligned.
    void SetLabelFont(CFontLabel& label, const CString& face, const CString& size);
    void ApplyRowFont();
    void OnTopLineListClick(NMHDR* header, LRESULT* result);
    void StoreRowTopLine(const CString& word);
    void OnSameTopLineColour();
    void ShowSignPicture(CStatic& picture, const RowSign& sign);
    void ShowAllSignPictures();
};

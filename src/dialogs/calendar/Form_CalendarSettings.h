#pragma once
// Dialog 266 "年日历表设置": the look of the linked yearly calendar (g_calendarStyle) and
// whether it shows all months (g_bShowAllMonths), stored only on OK. It previews one month in
// the chosen look and loads the ready-made styles of
// config/pic/YearlyCalendar/YearlyCalendarStyle.ini picked by their pictures (dialog 292).
// Split over Form_CalendarSettings*.cpp by topic.

#include "app/TableOutline.h"
#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "dialogs/diary/DiaryDialog.h"
#include "controls/lists/ChoiceList.h"
#include "platform/ui/ImageList.h"

// What the main window hands over before it opens the dialog: its month-title format and
// upper-case flag, for the preview's month title.
extern CString g_strMonthFormatCopy;
extern BYTE g_bMonthUpperCopy;

inline constexpr const char* kYearCalendarPresetFile = "config/pic/YearlyCalendar/YearlyCalendarStyle.ini";

class CForm_CalendarSettings : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    static constexpr int kColourCount = 12;
    static constexpr int kStyleCount = 15;

    explicit CForm_CalendarSettings(CWnd* parent = nullptr);

    // The controls from g_calendarStyle, and back.
    void LoadSettings();
    void SaveSettings();
    // The preset file's styles LIST0.. up to the first without a line colour; the one wanted
    // is applied to the controls.
    void LoadStylePreset(const CString& file, int count, int wanted);

    CThemedGroupBox m_groups[5];
    CColorButton m_colours[kColourCount];   // in the order of the colour table (.cpp)
    CFontLabel m_monthTitle;
    CFontLabel m_weekRow;
    CFontLabel m_letters[7];
    CFontLabel m_samples[3];                // "06", "07" and "01"
    CComboBox m_comboFont;
    CChoiceList m_listLineTypes;
    CImageList m_lineTypeImages;
    int m_nLineTypeRow = 0;                 // row 0 until one is chosen
    CString m_strLinePen = "0";
    TableOutline m_grid;                    // the preview's cells and lines

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "确定" does.
    void OnOK() override;

private:
    CColorButton& Colour(int id);
    void PrepareColourButtons();
    void PreparePreviewLabels();
    void ChooseLineType(const CString& name);
    void ChooseAlignment(int align);
    void ChooseFont(const CString& face);

    void OnAlign(UINT id);
    void OnDefaultAll();
    void SetDefaultStyles();
    void OnDefaultFont();
    void OnStyleCheck(UINT id);
    void OnFontChange();
    void OnClickLineType(NMHDR* header, LRESULT* result);
    void OnSelectPreset();
    void OnViewExample();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void OnPaint();
    void OnDestroy();

    // The preview (Form_CalendarSettingsPreview.cpp).
    void ApplyColour(int id);
    void ApplyAllStyles();
    void RedrawPreview();
    void BuildGrid();
    void DrawDayNumbers(CDC& dc);
    void ReadStylePreset(const CString& file, const CString& section);
};

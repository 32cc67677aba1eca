#pragma once
// The main window (dialog 129): the date range and headings, the class list, the output folder
// and the toolbar. Its members are split over Form_SetWord*.cpp by topic.

#include "controls/FontLabel/FontLabel.h"
#include "controls/ImageButton/IconButton.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "controls/lists/OwnerDrawList.h"
#include "controls/toolbar/FlatToolBar.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ReBarCtrl.h"
#include "platform/ui/StandardControls.h"
#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

class CForm_SetWord : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SetWord(CWnd* parent = nullptr);
    ~CForm_SetWord() override;

    // Saves the configuration (asking for the file), then destroys the window whatever the save did.
    BOOL DestroyWindow() override;

    // Configuration files (Form_SetWordConfig.cpp).
    void LoadConfig();
    BOOL SaveConfig();
    void SaveAndExit();
    void OpenConfig();
    void InitConfigPath();
    void UpdateWindowTitle(const CString& configPath);
    void SetTitleWithoutConfig();
    void CheckAndSaveConfig();
    void NewConfig();
    void ReadTitleControls();

    // The class list (Form_SetWordList.cpp).
    void InitClassListColumns();
    ClassListModel ReadClassListModel() const;
    void ShowClassRows(const ClassListModel& rows);
    void ColorListRows();
    // The class being added or edited, to and from the list.
    void LoadClassRowToGlobals(int row);
    void StoreGlobalsToClassRow(int row);
    void AppendClassRow();
    void SelectListRow(int row);
    void UpdateMoveButtons();

    // Date range, samples and outline levels (Form_SetWordDates.cpp).
    void ShowDayCount();
    void ShowDateRange(const CString& monthFormat, const CString& dayFormat, const CString& weekEnd,
                       const CString& restDay);
    void ApplyMonthFormatSample();
    void ApplyDateFormatSample();
    OutlineLevelTexts ReadOutlineLevels() const;
    void ShowOutlineLevels(const OutlineLevelTexts& levels);

    // Output folder (Form_SetWordOutput.cpp).
    CString GetMyDocumentsPath() const;
    CString MakeSubFolder(const CString& parent, const CString& name) const;
    void DefaultOutputFolder();
    void SaveOutFolder();

    // Helpers the settings dialogs share (Form_SetWordHelpers.cpp).
    static void FillFontSizeCombo(CComboBox* combo, int first, int last, int selected);
    static void FillNumberCombo(CComboBox* combo, int first, int last);

    CRect m_rectLineLabel;    // label 1113 as it was at start, in client coordinates
    CRect m_rectTitleLabel;   // label 1107 likewise
    CFlatToolBar m_toolbar;
    CReBarCtrl m_rebar;
    CImageList m_toolbarImages;
    CImageList m_toolbarHotImages;
    BYTE m_bRowSelected = 0;
    int m_nCurrentRow = -1;
    int m_nDayCount = 0;
    HICON m_hIcon = nullptr;   // icon 185, on the window and in the task list

    CEdit m_editTitle;
    CButton m_checkAddDate;
    CFontLabel m_labelNote;
    CThemedGroupBox m_groupPreview;
    CThemedGroupBox m_groupDates;
    CThemedGroupBox m_groupDiary;
    CFontLabel m_labelLine;
    CButton m_buttonMoveUp;
    CButton m_buttonMoveDown;
    CFontLabel m_labelDayCount;
    CFontLabel m_labelEnd;
    CFontLabel m_labelStart;
    CButton m_buttonOpenFolder;
    CEdit m_editOutFolder;
    COwnerDrawList m_listClasses;
    CIconButton m_buttonGenerate;
    CComboBox m_comboMonthLevel;
    CComboBox m_comboDateLevel;
    CFontLabel m_labelTitle;
    CFontLabel m_labelDateSample;
    CFontLabel m_labelMonthSample;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter never closes the main window.
    void OnOK() override {}

private:
    void OnDestroy();
    void OnShowWindow(BOOL show, UINT status);
    void OnSelchangeMonthOutlineLevel();
    void OnSelchangeDateOutlineLevel();
    void OnButtonChoosePath();
    void OnButtonDefaultPath();
    void OnButtonOpenFolder();
    void OnToolbarNew();
    void OnToolbarOpen();
    void OnToolbarSave();
    void OnToolbarExit();
    void OnToolbarSaveExit();
    // The welcome and About dialogs (RorovavozirDlg.cpp, AboutDlg.cpp).
    void OnToolbarHelp();
    void OnToolbarAbout();

    bool SaveConfigFile();
    void CreateToolbar();
    // Images 1 to count of "config/pic/toolbar_32/%d<suffix>.bmp".
    void LoadToolbarImages(CImageList& images, const char* suffix, int count);
    ClassListRow ReadListRow(int row) const;
    void WriteListRow(int row, const ClassListRow& cells);
    void ShowStoredOutFolder();
    void FillOutlineLevelCombos();
    void StyleDateLabels();
    void StyleGenerateButton();
    void StylePreviewCaption();
    void StyleGroupBoxes();
    CRect ClientRectOf(int id) const;
};

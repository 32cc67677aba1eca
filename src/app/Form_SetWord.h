#pragma once
// The main window (dialog 129): the date range and headings, the class list, the output folder
// and the toolbar. Its members are split over Form_SetWord*.cpp by topic.

#include "controls/FontLabel/FontLabel.h"
#include "controls/ImageButton/IconButton.h"
#include "controls/groupbox/ThemedGroupBox.h"
#include "controls/lists/OwnerDrawList.h"
#include "app/TableOutline.h"
#include "controls/toolbar/FlatToolBar.h"
#include "platform/ui/BackgroundTask.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ReBarCtrl.h"
#include "platform/ui/StandardControls.h"
#include "settings/ClassListModel.h"
#include "settings/MainSettings.h"

#include <initializer_list>
#include <memory>
#include <string>

class CFormFileCompareProgress;
class CThreadFileCompareProgress;
struct GenerationRunState;

class CForm_SetWord : public CDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_SetWord(CWnd* parent = nullptr);
    ~CForm_SetWord() override;

    // Stops a run still working, then destroys the window. The design was saved as the window
    // closed (OnCancel), since a window whose save failed must stay open.
    BOOL DestroyWindow() override;

    // Configuration files (Form_SetWordConfig.cpp).
    void LoadConfig();
    BOOL SaveConfig();
    // Ends the process once the design is saved or the user chose not to save it.
    void SaveAndExit();
    void OpenConfig();
    // Runs once an opened design is loaded and shown; nothing needs it yet.
    void OnLoadConfigDone();
    void InitConfigPath();
    void UpdateWindowTitle(const CString& configPath);
    void SetTitleWithoutConfig();
    void CheckAndSaveConfig();
    void NewConfig();
    void ReadTitleControls();

    // The class list (Form_SetWordList.cpp).
    void InitClassListColumns();
    ClassListModel ReadClassListModel() const;
    // Fills the list with the classes of a design file (LoadDesignClasses).
    void LoadClassListFromIni(const CString& configPath);
    void ColorListRows();
    // The class being added or edited, to and from the list.
    void LoadClassRowToGlobals(int row);
    void StoreGlobalsToClassRow(int row);
    void AppendClassRow();
    void SelectListRow(int row);
    void UpdateMoveButtons();

    // Commands of the class list (Form_SetWordClassCommands.cpp).
    void OnButtonAdd();
    void OnButtonEdit();
    void OnButtonDelete();
    void OnButtonMoveUp();
    void OnButtonMoveDown();
    void OnButtonRefreshPreview();
    // Whether one more class may number its lines, the row being edited (or -1) left out.
    BOOL CanAddItemNumbering(int editedRow) const;
    // The shell's "Open" on the path, under the wait cursor; a failure is told over the owner.
    static void ShellOpenFile(CString path, CWnd& owner);

    // The class preview (Form_SetWordPreview.cpp).
    void RefreshClassPreview(int row);
    void DrawPagePreview();
    void ClearPreviewArea();
    void ResetPreview();
    void ShowPreviewFrame();

    // Date range, samples and outline levels (Form_SetWordDates.cpp).
    void SetTemplateDates();
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

    // Generating the document (Form_SetWordGenerate.cpp).
    void ShowOutputFile();
    void OpenOutputFile();
    void ShowOutputInExplorer();
    bool IsGenerating() const { return m_generation.IsBusy(); }
    // The progress window of the run under way; nullptr when none is shown.
    CFormFileCompareProgress* ProgressWindow() const;
    // For a program that is closing: the worker is stopped and joined, and the run leaves no
    // file; the progress window goes.
    void StopGeneration();

    // The heading commands (Form_SetWordHeadings.cpp).
    void OnButtonMonthFormat();
    void OnButtonDateFormat();
    void OnButtonSameFormat();
    void InitDefaultFontName();
    void ClearMottoWithoutFile();

    // Helpers the settings dialogs share (Form_SetWordHelpers.cpp).
    static void FillFontSizeCombo(CComboBox* combo, int first, int last, int selected);
    static void FillNumberCombo(CComboBox* combo, int first, int last);

    CRect m_rectLineLabel;    // label 1113 as it was at start, in client coordinates
    CRect m_rectTitleLabel;   // label 1107 likewise
    CFlatToolBar m_toolbar;
    CReBarCtrl m_rebar;
    CImageList m_toolbarImages;
    CImageList m_toolbarHotImages;
    BYTE m_bFirstPaintDone = 0;   // the first paint drew the page preview
    int m_nListMode = 0;          // the class list's mode: 3 once it has rows, 1 once a row is shown
    BYTE m_bRowSelected = 0;
    BYTE m_bSpareFlag = 0;        // the second flag byte: cleared at start, read by nothing yet
    int m_nCurrentRow = -1;
    int m_nPreviewRow = -1;         // the row the preview shows
    TableOutline m_previewDrawing;  // what the paint handler draws under the preview's labels
    HICON m_hIcon = nullptr;   // icon 185, on the window and in the task list
    BYTE m_bGenerationDone = 0;
    CString m_strDefaultFontName;   // "Tahoma" from start-up; read by nothing yet

    CEdit m_editTitle;
    CButton m_checkAddDate;
    CFontLabel m_labelNote;
    CThemedGroupBox m_groupPreview;
    CThemedGroupBox m_groupDates;
    CThemedGroupBox m_groupDiary;
    CFontLabel m_labelLine;
    CFontLabel m_labelNumber;
    CFontLabel m_labelPrefix;
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
    // Esc, the close box and the desktop's close: the window closes as SaveAndExit ends the process.
    void OnCancel() override;

private:
    void OnDestroy();
    void OnShowWindow(BOOL show, UINT status);
    // A colour control's pick needs nothing of the window: answered 1.
    LRESULT OnColourPicked(WPARAM wParam, LPARAM lParam);
    // Left to the default handling once the control itself has not taken them.
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    void OnSelchangeMonthOutlineLevel();
    void OnSelchangeDateOutlineLevel();
    void OnButtonChoosePath();
    void OnButtonDefaultPath();
    void OnButtonOpenFolder();
    void OnToolbarNew();
    void OnToolbarOpen();
    void OnToolbarDates();
    void OnToolbarSave();
    void OnToolbarExit();
    void OnToolbarSaveExit();
    // The welcome and About dialogs (RorovavozirDlg.cpp, AboutDlg.cpp).
    void OnToolbarHelp();
    void OnToolbarAbout();
    // The calendar dialogs and the sample picture (Form_SetWordCalendars.cpp).
    void OnToolbarYearCalendar();
    void OnToolbarMonthCalendar();
    void OnToolbarYearPlanner();
    void OnButtonViewExample();
    void OnDblclkClassList(NMHDR* header, LRESULT* result);
    void OnClickClassList(NMHDR* header, LRESULT* result);
    void OnKeydownClassList(NMHDR* header, LRESULT* result);
    void OnClassListItemChanged(NMHDR* header, LRESULT* result);
    void OnCheckShowAllColumns();
    void OnPaint();

    // At start: the stored path, which may name no design; only a first start takes the default.
    void InitStartConfigPath();
    // At start: the stored design, unless there is none or it holds no design (then told); the
    // load runs in every case, on no file where there is none.
    void LoadStartConfig();
    // Loads a design's settings and classes and shows them; the current path stays as it is.
    void ShowLoadedDesign(const CString& file);
    // False, with the file and the reason told, when the file holds no design or is reached
    // through a link someone else could have put there.
    bool CanLoadDesign(const CString& path);
    // CanLoadDesign, where a missing file is refused too, with the system's reason.
    bool CanOpenDesign(const CString& path);
    // True for no refusal; a refusal is told.
    bool TellsNoRefusal(const std::string& refusal);

    bool IsClassRow(int row) const;
    void DeleteSelectedRow();
    void DeleteAllClassRows();
    void MoveCurrentRowTo(int row);
    void SelectRowAndPreview(int row);
    // A row outside the list reads as a row of empty cells.
    ClassListRow PreviewCells(int row) const;
    void PreviewClassTitle(const ClassListRow& row);
    void PreviewLineLabel(const ClassListRow& row);
    void PreviewLines(const ClassListRow& row);
    void PreviewTableLines(const ClassListRow& row);
    void PreviewItemSpecial(const ClassListRow& row);
    void PreviewSpecialSign(const ClassListRow& row);
    void RedrawPreviewLabel(CFontLabel& label);
    void InvalidatePreviewControl(int id);
    void InvalidatePreviewArea();
    CRect PreviewInside() const;

    // How a save ended: Failed only when the design could not be written; Incomplete when it
    // lacks its date range or its classes.
    enum class SaveOutcome { Saved, Cancelled, NotSaved, Incomplete, Failed };
    SaveOutcome SaveDesign();
    SaveOutcome SaveToChosenFile();
    bool SaveConfigFile();
    // Saves before the program ends; false when the save failed or cannot happen and the program
    // must go on.
    bool SaveBeforeLeaving();
    bool SavedForLeaving();
    // What keeps the design from being saved, as the user is told it; null when nothing does.
    const char* MissingForSave() const;
    static constexpr const char* kNoDateRange = "Please click button : 'Settings' for month and date .";
    // Why the window shows no start date, or no month title: kNoDateRange, or a format whose
    // text passes what the window shows.
    static const char* NoDateReason();
    static const char* NoMonthTitleReason();
    static constexpr const char* kNoClasses = "Please click button : 'Add' for Daily Diary. ";
    // The current path names a file, else it becomes the default; the title shows it.
    void MakeConfigPathValid();
    // Writes the current path as the path file's Config_Path; a failure is told once.
    void StoreConfigPath();
    void CreateToolbar();
    // The normal and the hot pictures 1 to count of "config/pic/toolbar_32/".
    void LoadToolbarImages(int count);
    void LoadToolbarHotImages(int count);
    // Pictures 1 to count of "config/pic/toolbar_32/%d<suffix>.bmp" as images 0 to count - 1.
    void LoadToolbarPictures(CImageList& images, const char* suffix, int count);
    ClassListRow ReadListRow(int row) const;
    void WriteListRow(int row, const ClassListRow& cells);
    void ShowStoredOutFolder();
    void FillOutlineLevelCombos();
    void StyleDateLabels();
    void StyleGenerateButton();
    void StylePreviewCaption();
    void StyleGroupBoxes();
    static void EmptyLabels(std::initializer_list<CFontLabel*> labels);
    CRect ClientRectOf(int id) const;

    void OnButtonGenerate();
    void OnButtonOpenFile();
    LRESULT OnStartGenerationWorker(WPARAM, LPARAM);
    // A run whose progress window or worker could not be had: failed, and ended as any run is.
    void EndUnstartedRun(int systemError);
    void OnGenerationDone();
    void EnableGenerateButton();
    void CongratulateOnTheDocument(const std::string& file);
    void ShowMadeFile();
    void LockForGeneration();
    void ShowWindowAsBeforeTheRun();
    void EndRunHold();
    void EndProgressWindow();
    LRESULT OnEnable(WPARAM enabled, LPARAM);

    std::shared_ptr<GenerationRunState> m_run;
    std::unique_ptr<CThreadFileCompareProgress> m_progress;
    CString m_strMadeFile;   // the document of the last run that succeeded
    bool m_bRunHoldsWindow = false;   // the run disabled the window and nothing has enabled it since
    // Last, so it stops and joins its worker before anything the worker's completion uses goes.
    platform::ui::BackgroundTask m_generation;
};

// Posted to the main window to start the worker of a run, once the progress window is up.
constexpr UINT WM_START_GENERATION_WORKER = WM_USER + 1114;

// The main window's side of the configuration files: loading, saving and opening a design, the
// current configuration path and the window title that shows it.
#include "app/ConfigPathFile.h"
#include "app/DesignRefusal.h"
#include "app/Form_SaveConfig.h"
#include "app/Form_SelectConfig.h"
#include "app/Form_SetWord.h"
#include "app/ProgramVersion.h"
#include "app/SaveTelling.h"
#include "platform/Files.h"
#include "platform/ui/App.h"
#include "settings/DesignFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

void CForm_SetWord::LoadConfig()
{
    ShowLoadedDesign(g_strConfigPath);
    MakeConfigPathValid();
}

// No file gives every setting what its load makes of a missing key.
void CForm_SetWord::ShowLoadedDesign(const CString& file)
{
    const OutlineLevelTexts levels = LoadDesignSettings(file);
    m_editTitle.SetWindowText(g_strTitle);
    m_checkAddDate.SetCheck(g_bAddDateInTitle ? BST_CHECKED : BST_UNCHECKED);
    ShowOutlineLevels(levels);
    ApplyMonthFormatSample();
    ApplyDateFormatSample();
    LoadClassListFromIni(file);
    m_nCurrentRow = -1;
    ShowDayCount();
    ShowDateRange(g_strMonthFormat, g_strDayFormat, g_strWeekEnd, g_strRestDay);
}

BOOL CForm_SetWord::SaveConfig()
{
    return SaveDesign() == SaveOutcome::Saved ? TRUE : FALSE;
}

// A save that does not happen leaves the design on the file its title shows: the path the save
// dialog left (a failed one, one the user would not replace, or one chosen before 取消) would be
// proposed by the next save, and a cancel there forgot the design when it named no file.
CForm_SetWord::SaveOutcome CForm_SetWord::SaveDesign()
{
    SaveOutFolder();
    if (MissingForSave() != nullptr)
        return SaveOutcome::Incomplete;
    const CString shown = g_strConfigPath;
    const SaveOutcome outcome = SaveToChosenFile();
    if (outcome == SaveOutcome::Saved)
        return outcome;
    g_strConfigPath = shown;
    if (outcome == SaveOutcome::Cancelled && !CIniFile().FileExists(g_strConfigPath)) {
        // Its file gone (deleted in 214 itself, say), the design has none, and the title says so.
        g_strConfigPath.Empty();
        StoreConfigPath();
        SetTitleWithoutConfig();
    }
    return outcome;
}

CForm_SetWord::SaveOutcome CForm_SetWord::SaveToChosenFile()
{
    CForm_SaveConfig dialog(this);
    if (dialog.DoModal() != IDOK)
        return SaveOutcome::Cancelled;
    if (g_strConfigPath.IsEmpty())
        return SaveOutcome::NotSaved;
    if (CIniFile().FileExists(g_strConfigPath)) {
        CString question;
        question.Format("替换文件 '%s' ?", g_strConfigPath.GetString());
        if (MessageBox(question, "保存设置", MB_YESNO) != IDYES)
            return SaveOutcome::NotSaved;
    }
    return SaveConfigFile() ? SaveOutcome::Saved : SaveOutcome::Failed;
}

// The design goes to a new file that then replaces the old one, so a failed save keeps the old
// file whole; the user is told, with the system's reason.
bool CForm_SetWord::SaveConfigFile()
{
    ReadTitleControls();
    if (!SaveTelling(*this, g_strConfigPath, "保存设置",
                     [&] { return WriteDesignFile(g_strConfigPath, ReadClassListModel(), ReadOutlineLevels()); }))
        return false;
    StoreConfigPath();
    UpdateWindowTitle(g_strConfigPath);
    platform::RemoveFile((g_strExeFolder + "config/month_template.txt").str());
    platform::RemoveFile((g_strExeFolder + "config/date_template.txt").str());
    return true;
}

void CForm_SetWord::SaveAndExit()
{
    if (SaveBeforeLeaving())
        AfxExitProcess(0);
}

// The program ends once the design is saved or the user chose not to save it (or there is none
// to save); a save that failed keeps the window, so the design can be saved elsewhere. A run
// still working is stopped first, so none publishes a document while the program is leaving;
// when the window stays, it is as before that run, ready for another.
bool CForm_SetWord::SaveBeforeLeaving()
{
    const bool running = m_run != nullptr;
    StopGeneration();
    if (SavedForLeaving())
        return true;
    if (running) {
        ShowWindowAsBeforeTheRun();
        EndRunHold();
    }
    return false;
}

// A design the save cannot take (no date range, no class) is told why, as 保存 tells it, and kept:
// the save returned without a word and the session's changes went with the window, while its file
// kept what the window no longer showed. Only a design with neither classes nor a file (a first
// start without one) holds nothing to keep, and closes at once.
bool CForm_SetWord::SavedForLeaving()
{
    const SaveOutcome outcome = SaveDesign();
    if (outcome == SaveOutcome::Incomplete &&
        (m_listClasses.GetItemCount() > 0 || CIniFile().FileExists(g_strConfigPath))) {
        MessageBox(MissingForSave());
        return false;
    }
    return outcome != SaveOutcome::Failed;
}

void CForm_SetWord::OnCancel()
{
    if (SaveBeforeLeaving())
        CDialog::OnCancel();
}

void CForm_SetWord::OpenConfig()
{
    UpdateMoveButtons();
    const CString current = g_strConfigPath;
    CForm_SelectConfig dialog(this);
    if (dialog.DoModal() != IDOK || g_strConfigPath.IsEmpty())
        return;
    // The design in the window stays, with its file, when the chosen one holds none or is gone.
    if (!CanOpenDesign(g_strConfigPath)) {
        g_strConfigPath = current;
        return;
    }
    StoreConfigPath();
    LoadConfig();
    ColorListRows();
    UpdateMoveButtons();
    m_nCurrentRow = 0;
    if (m_listClasses.GetItemCount() > 0) {
        RefreshClassPreview(0);
        SelectListRow(0);
    }
    OnLoadConfigDone();
}

void CForm_SetWord::OnLoadConfigDone() {}

void CForm_SetWord::InitConfigPath()
{
    const CString file = ConfigPathFile();
    g_strConfigPath = CIniFile().FileExists(file) ? ReadConfigPath(file) : CString();
    MakeConfigPathValid();
}

// Judged on the path in memory, never read back from the path file: a path file that could not
// take the path of a design just opened still names the previous one, whose file a save would
// then have replaced with this design.
void CForm_SetWord::MakeConfigPathValid()
{
    if (g_strConfigPath.IsEmpty() || !CIniFile().FileExists(g_strConfigPath)) {
        g_strConfigPath = DefaultConfigPath();
        StoreConfigPath();
    }
    UpdateWindowTitle(g_strConfigPath);
}

void CForm_SetWord::StoreConfigPath()
{
    PathFileSaveTelling(*this, [] { return WriteConfigPath(ConfigPathFile(), g_strConfigPath); });
}

// Only a first start, whose configuration path file names no configuration yet, takes the
// default design. A stored path that is empty or names no file leaves the design without a
// file, so the start goes on with a new design and its dates.
void CForm_SetWord::InitStartConfigPath()
{
    const CString file = ConfigPathFile();
    if (!HasConfigPath(file)) {
        InitConfigPath();
        return;
    }
    g_strConfigPath = ReadConfigPath(file);
    if (g_strConfigPath.IsEmpty())
        SetTitleWithoutConfig();
    else
        UpdateWindowTitle(g_strConfigPath);
}

// A design that cannot be loaded is told and taken as no design, so no start ever stops on it;
// the path file still names it for a start after the file was mended. Without a design the load
// still runs, on no file, so a new design starts as a file without keys loads: the start values
// leave the heading sizes and the yearly calendar's colours empty.
void CForm_SetWord::LoadStartConfig()
{
    if (!g_strConfigPath.IsEmpty() && !CanLoadDesign(g_strConfigPath)) {
        g_strConfigPath.Empty();
        SetTitleWithoutConfig();
    }
    if (g_strConfigPath.IsEmpty())
        ShowLoadedDesign(CString());
    else
        LoadConfig();
}

bool CForm_SetWord::CanLoadDesign(const CString& path)
{
    return TellsNoRefusal(DesignRefusal(path, MissingDesign::ReadsAsEmpty));
}

// A file gone since it was picked (another user, a share, a disk taken out) would load as an
// empty design that then took the default file's name.
bool CForm_SetWord::CanOpenDesign(const CString& path)
{
    return TellsNoRefusal(DesignRefusal(path, MissingDesign::Refused));
}

bool CForm_SetWord::TellsNoRefusal(const std::string& refusal)
{
    if (!refusal.empty())
        MessageBox(refusal.c_str(), "打开模板", MB_OK | MB_ICONERROR);
    return refusal.empty();
}

void CForm_SetWord::UpdateWindowTitle(const CString& configPath)
{
    CString title;
    title.Format("%s %s  %s", kProductName, kVersion, configPath.GetString());
    SetWindowText(title);
}

void CForm_SetWord::SetTitleWithoutConfig()
{
    CString title;
    title.Format("%s %s %s", kProductName, kVersion, "");
    SetWindowText(title);
}

void CForm_SetWord::CheckAndSaveConfig()
{
    if (const char* missing = MissingForSave()) {
        MessageBox(missing);
        return;
    }
    SaveConfig();
}

const char* CForm_SetWord::MissingForSave() const
{
    if (m_labelStart.GetWindowTextLength() == 0)
        return NoDateReason();
    if (m_listClasses.GetItemCount() == 0)
        return kNoClasses;
    return nullptr;
}

// A design without a file and without classes; the date range is chosen at once.
void CForm_SetWord::NewConfig()
{
    DeleteAllClassRows();
    m_nCurrentRow = -1;
    UpdateMoveButtons();
    g_strConfigPath.Empty();
    SetTitleWithoutConfig();
    EmptyLabels({&m_labelStart, &m_labelEnd, &m_labelDayCount, &m_labelMonthSample});
    g_bDaysBackGround = 0;
    ApplyDateFormatSample();
    EmptyLabels({&m_labelDateSample});
    m_checkAddDate.SetCheck(BST_CHECKED);
    m_editTitle.SetWindowText("");
    ResetPreview();
    OnToolbarDates();
}

void CForm_SetWord::ReadTitleControls()
{
    g_strTitle = m_editTitle.GetWindowText();
    g_bAddDateInTitle = m_checkAddDate.GetCheck() == BST_CHECKED ? 1 : 0;
}

// Generating the document from the main window. The window gathers the whole design into a job
// on the GUI thread, a worker runs the job, and what the run then shows (the path, the buttons,
// the success dialog, the window enabled, the progress window ended) happens back on the GUI
// thread, in that order.
#include "app/AppGlobals.h"
#include "app/DesktopOpening.h"
#include "app/Form_CongratulationDocx.h"
#include "app/Form_SaveConfirm.h"
#include "app/Form_SetWord.h"
#include "app/GenerationState.h"
#include "app/ThreadFileCompareProgress.h"
#include "app/generation/FailureMessage.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "resources/ResourceIds.h"
#include "settings/MottoFile.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

#include <cerrno>
#include <exception>

struct GenerationRunState {
    GenerationJob job;
    bool started = false;   // false: the progress window's OK came before the work
    GenerationStatus status = GenerationStatus::Done;
};

namespace {

constexpr const char* kFailureCaption = "生成Word文档";

// A run that cannot go on: what it made goes, and the user is told why.
void FailRun(GenerationRunState& run, int systemError)
{
    run.started = true;
    run.status = GenerationStatus::WorkFailed;
    run.job.systemError = systemError;
    try {
        DiscardGeneration(run.job);
    } catch (...) {
        // Left for the next run, which removes the folders of runs that ended without removing theirs.
    }
}

// The worker's work.
void CreateDocxThreadProc(GenerationRunState& run, const std::atomic<bool>& stopRequested)
{
    // Read once: an OK pressed during the work lets the work go on.
    if (g_bCancelGeneration.load() != 0) {
        DiscardGeneration(run.job);
        return;
    }
    run.started = true;
    run.job.stopRequested = [&stopRequested] { return stopRequested.load(); };
    try {
        run.status = GenerateDocx(run.job, [](GenerationPhase phase) {
            if (phase == GenerationPhase::CreateDocx)
                g_nGenerateProgressMode = 1;
        });
    } catch (const std::exception& failure) {
        FailRun(run, platform::ErrorNumberOf(failure));
    } catch (...) {
        FailRun(run, 0);
    }
}

CEdit* OutputFileEdit(CWnd& window)
{
    return static_cast<CEdit*>(window.GetDlgItem(IDC_EDIT_OUT_FILE));
}

} // namespace

void CForm_SetWord::OnButtonGenerate()
{
    if (IsGenerating())
        return;
    // A folder is required: a file of that name would take no document.
    if (!platform::IsDirectory(m_editOutFolder.GetWindowText().str()))
        DefaultOutputFolder();
    g_strOutFolder = m_editOutFolder.GetWindowText();
    g_bAddDateInTitle = m_checkAddDate.GetCheck() == BST_CHECKED ? 1 : 0;
    if (m_labelStart.GetWindowTextLength() == 0) {
        MessageBox(NoDateReason());
        return;
    }
    if (m_listClasses.GetItemCount() == 0) {
        SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDC_BUTTON_ADD), BN_CLICKED), 0);
        return;
    }
    CForm_SaveConfirm confirm(this);
    if (confirm.DoModal() != IDOK)
        return;
    if (g_nSaveConfirmChoice == 1)
        CheckAndSaveConfig();

    // Everything the run needs is taken now, so nothing the user changes later reaches it.
    ReadTitleControls();
    auto run = std::make_shared<GenerationRunState>();
    run->job.programFolder = g_strExeFolder.str();
    run->job.outFolder = g_strOutFolder.str();
    int mottoError = 0;
    run->job.design = BuildRunDesign(ReadClassListModel(), ReadOutlineLevels(), &mottoError);
    // The user asked for mottos: a diary without them is no diary of this design.
    if (mottoError != 0) {
        const std::string text = UnreadMottoFileMessage(g_addText.FileName.str(), mottoError);
        MessageBox((text + "\n没有生成文档。").c_str(), kFailureCaption, MB_OK | MB_ICONERROR);
        return;
    }
    g_nCurrentYear = run->job.design.year;
    const GenerationStatus prepared = PrepareGeneration(run->job);
    if (prepared != GenerationStatus::Done) {
        MessageBox(FailureMessage(prepared, run->job).c_str(), kFailureCaption, MB_OK | MB_ICONERROR);
        return;
    }
    ReadTitleControls();
    g_strOutputFile = run->job.outputFile.c_str();
    g_strOutputPath = g_strOutputFile;
    g_nClassCount = static_cast<int>(run->job.design.classes.size());
    g_nGenerateProgressMode = 0;
    m_run = run;
    m_bGenerationDone = 0;
    LockForGeneration();

    m_progress = std::make_unique<CThreadFileCompareProgress>(this);
    m_progress->InitInstance();
    // The worker starts once the event loop turns, so an OK pressed before that is honoured.
    PostMessage(WM_START_GENERATION_WORKER);
}

void CForm_SetWord::LockForGeneration()
{
    CEdit* outputFile = OutputFileEdit(*this);
    outputFile->SetWindowText("");
    outputFile->SetReadOnly(TRUE);
    GetDlgItem(IDC_BUTTON_OPEN_FILE)->EnableWindow(FALSE);
    m_bRunHoldsWindow = IsWindowEnabled() != FALSE;
    EnableWindow(FALSE);
    m_buttonGenerate.EnableWindow(FALSE);
    m_buttonGenerate.Invalidate();
    m_buttonGenerate.UpdateWindow();
}

// Whoever enables the window (the progress window's OK, a dialog ending) takes it from the run.
LRESULT CForm_SetWord::OnEnable(WPARAM enabled, LPARAM)
{
    if (enabled != FALSE)
        m_bRunHoldsWindow = false;
    return 0;
}

LRESULT CForm_SetWord::OnStartGenerationWorker(WPARAM, LPARAM)
{
    const std::shared_ptr<GenerationRunState> run = m_run;
    if (!run || IsGenerating())
        return 0;
    const bool started = m_generation.Start(
        *this, [run](const std::atomic<bool>& stopRequested) { CreateDocxThreadProc(*run, stopRequested); },
        [this] { OnGenerationDone(); });
    if (!started) {
        FailRun(*run, errno);
        OnGenerationDone();
    }
    return 0;
}

void CForm_SetWord::OnGenerationDone()
{
    const std::shared_ptr<GenerationRunState> run = std::move(m_run);
    if (run->started && run->status == GenerationStatus::Done) {
        g_strOutputFile = run->job.outputFile.c_str();
        g_strOutputPath = g_strOutputFile;
        m_strMadeFile = g_strOutputFile;
        ShowOutputFile();
        m_buttonGenerate.EnableWindow(TRUE);
        m_buttonGenerate.Invalidate();
        m_buttonGenerate.UpdateWindow();
        CForm_CongratulationDocx congratulation(this);
        if (congratulation.DoModal() == IDOK) {
            if (g_nAfterGenerateAction == 0)
                OpenOutputFile();
            else if (g_nAfterGenerateAction == 1)
                ShowOutputInExplorer();
        }
    } else {
        // Given up before the work, or failed: the window is as it was before the run.
        m_progress.reset();
        ShowWindowAsBeforeTheRun();
        if (run->started)
            MessageBox(FailureMessage(run->status, run->job).c_str(), kFailureCaption, MB_OK | MB_ICONERROR);
    }
    EndRunHold();
}

void CForm_SetWord::ShowWindowAsBeforeTheRun()
{
    g_strOutputFile = m_strMadeFile;
    g_strOutputPath = m_strMadeFile;
    ShowMadeFile();
    m_buttonGenerate.EnableWindow(TRUE);
}

void CForm_SetWord::EndRunHold()
{
    // Given back only by the run that took it: a window the user has had since stays as the
    // dialogs over it leave it.
    if (m_bRunHoldsWindow)
        EnableWindow(TRUE);
    m_bGenerationDone = 1;
    m_progress.reset();
}

void CForm_SetWord::StopGeneration()
{
    m_generation.Stop();
    if (m_run)
        DiscardGeneration(m_run->job);
    m_run.reset();
    m_progress.reset();
}

CFormFileCompareProgress* CForm_SetWord::ProgressWindow() const
{
    return m_progress ? &m_progress->m_dialog : nullptr;
}

void CForm_SetWord::ShowOutputFile()
{
    CEdit* outputFile = OutputFileEdit(*this);
    outputFile->SetWindowText(g_strOutputPath);
    outputFile->SetReadOnly(FALSE);
    GetDlgItem(IDC_BUTTON_OPEN_FILE)->EnableWindow(TRUE);
}

// The document of the last run that worked, if there is one; else the boxes as at start.
void CForm_SetWord::ShowMadeFile()
{
    if (!m_strMadeFile.IsEmpty())
        ShowOutputFile();
}

void CForm_SetWord::OpenOutputFile()
{
    ShellOpenFile(g_strOutputFile, *this);
}

void CForm_SetWord::ShowOutputInExplorer()
{
    ShowInFolderTelling(*this, g_strOutputFile);
}

void CForm_SetWord::OnButtonOpenFile()
{
    OpenOutputFile();
}

// Generating the document from the main window. The window gathers the whole design into a job
// on the GUI thread, a worker runs the job, and what the run then shows (the path, the buttons,
// the success dialog, the window enabled, the progress window ended) happens back on the GUI
// thread, in that order. A run ends there however little memory its work left: memory put by at
// its start is given back first, and a step memory still refuses leaves the next ones to do.
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
#include "platform/SpareMemory.h"
#include "platform/SystemError.h"
#include "resources/ResourceIds.h"
#include "settings/MottoFile.h"
#include "settings/Settings.h"
#include "settings/SettingsRecords.h"

#include <cerrno>
#include <exception>
#include <new>

struct GenerationRunState {
    // Enough for the end of a run that used up all memory: the window given back, the run folder
    // removed and the failure told in a message box built from nothing, as the program's first is.
    static constexpr std::size_t kSpareForTheEnd = 8u << 20;

    GenerationJob job;
    bool started = false;   // false: the progress window's OK came before the work
    GenerationStatus status = GenerationStatus::Done;
    platform::SpareMemory spare {kSpareForTheEnd};
};

namespace {

constexpr const char* kFailureCaption = "生成Word文档";

// A step of a run's end that memory may refuse: the steps after it are taken all the same.
template <class Step>
void EvenWithoutMemory(Step&& step)
{
    try {
        step();
    } catch (const std::bad_alloc&) {
    }
}

// A run that cannot go on: what it made goes, and the user is told why.
void FailRun(GenerationRunState& run, int systemError)
{
    run.started = true;
    run.status = GenerationStatus::WorkFailed;
    run.job.systemError = systemError;
    // At once: the window, which goes on showing the progress, needs memory as much as the end does.
    run.spare.Release();
    try {
        DiscardGeneration(run.job);
    } catch (...) {
        // Tried again at the run's end, on the window's thread.
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
    g_nClassCount = static_cast<int>(run->job.design.classes.size());
    g_nGenerateProgressMode = 0;
    m_run = run;
    m_bGenerationDone = 0;
    LockForGeneration();

    try {
        m_progress = std::make_unique<CThreadFileCompareProgress>(this);
        m_progress->InitInstance();
        // The worker starts once the event loop turns, so an OK pressed before that is honoured.
        PostMessage(WM_START_GENERATION_WORKER);
    } catch (const std::bad_alloc&) {
        EndUnstartedRun(ENOMEM);
    }
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
    bool started = false;
    try {
        started = m_generation.Start(
            *this, [run](const std::atomic<bool>& stopRequested) { CreateDocxThreadProc(*run, stopRequested); },
            [this] { OnGenerationDone(); });
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
    }
    if (!started)
        EndUnstartedRun(errno);
    return 0;
}

void CForm_SetWord::EndUnstartedRun(int systemError)
{
    FailRun(*m_run, systemError);
    OnGenerationDone();
}

void CForm_SetWord::OnGenerationDone()
{
    const std::shared_ptr<GenerationRunState> run = std::move(m_run);
    run->spare.Release();
    // The worker's own removal may have found no memory.
    EvenWithoutMemory([&] { DiscardGeneration(run->job); });
    const bool made = run->started && run->status == GenerationStatus::Done;
    if (!made) {
        // Given up before the work, or failed: the window is as it was before the run.
        EndProgressWindow();
        EvenWithoutMemory([this] { ShowMadeFile(); });
    }
    EvenWithoutMemory([this] { EnableGenerateButton(); });
    // With no memory even to tell, the window is given back all the same, the design in it.
    EvenWithoutMemory([&] {
        if (made)
            CongratulateOnTheDocument(run->job.outputFile);
        else if (run->started)
            MessageBox(FailureMessage(run->status, run->job).c_str(), kFailureCaption, MB_OK | MB_ICONERROR);
    });
    EndRunHold();
}

void CForm_SetWord::EnableGenerateButton()
{
    m_buttonGenerate.EnableWindow(TRUE);
    m_buttonGenerate.Invalidate();
    m_buttonGenerate.UpdateWindow();
}

void CForm_SetWord::ShowWindowAsBeforeTheRun()
{
    ShowMadeFile();
    EnableGenerateButton();
}

void CForm_SetWord::CongratulateOnTheDocument(const std::string& file)
{
    g_strOutputFile = file.c_str();
    g_strOutputPath = g_strOutputFile;
    m_strMadeFile = g_strOutputFile;
    ShowOutputFile();
    CForm_CongratulationDocx congratulation(this);
    if (congratulation.DoModal() == IDOK) {
        if (g_nAfterGenerateAction == 0)
            OpenOutputFile();
        else if (g_nAfterGenerateAction == 1)
            ShowOutputInExplorer();
    }
}

void CForm_SetWord::EndRunHold()
{
    // Given back only by the run that took it: a window the user has had since stays as the
    // dialogs over it leave it.
    if (m_bRunHoldsWindow)
        EvenWithoutMemory([this] { EnableWindow(TRUE); });
    m_bGenerationDone = 1;
    EndProgressWindow();
}

void CForm_SetWord::EndProgressWindow()
{
    // Here rather than in its destructor, which could let no failure out.
    if (m_progress)
        EvenWithoutMemory([this] { m_progress->ExitInstance(); });
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

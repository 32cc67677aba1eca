// The output folder of the main window: the default one under the documents folder, the folder
// browser, and keeping the folder in the configuration path file.
#include "app/AppGlobals.h"
#include "app/ConfigPathFile.h"
#include "app/DesktopOpening.h"
#include "app/Form_SetWord.h"
#include "app/SaveTelling.h"
#include "platform/Files.h"
#include "platform/ui/CommonDialogs.h"

#include <filesystem>

CString CForm_SetWord::GetMyDocumentsPath() const
{
    return GetDocumentsFolder();
}

// Made with any missing folder above it: a new account may have no documents folder yet.
CString CForm_SetWord::MakeSubFolder(const CString& parent, const CString& name) const
{
    const CString path = platform::JoinPath(parent.str(), name.str()).c_str();
    if (!platform::PathExists(path.str())) {
        std::error_code error;
        std::filesystem::create_directories(path.str(), error);
    }
    return path;
}

// No "config" folder is made in it: a run keeps its text files in a run folder of its own.
void CForm_SetWord::DefaultOutputFolder()
{
    g_strOutFolder = MakeSubFolder(GetMyDocumentsPath(), "Rorovavozir");
    m_editOutFolder.SetWindowText(g_strOutFolder);
    m_buttonOpenFolder.EnableWindow(TRUE);
}

// The stored folder, or the default one when none is stored or it is gone.
void CForm_SetWord::ShowStoredOutFolder()
{
    const CString stored = ReadOutFolder();
    if (stored.IsEmpty() || !platform::PathExists(stored.str()))
        DefaultOutputFolder();
    else
        m_editOutFolder.SetWindowText(stored);
}

void CForm_SetWord::SaveOutFolder()
{
    const CString folder = m_editOutFolder.GetWindowText();
    PathFileSaveTelling(*this, [&] { return WriteOutFolder(ConfigPathFile(), folder); });
}

void CForm_SetWord::OnButtonChoosePath()
{
    CString chosen;
    if (BrowseForFolder(this, "Please select path:", m_editOutFolder.GetWindowText(), chosen) == IDOK &&
        !chosen.IsEmpty())
        m_editOutFolder.SetWindowText(chosen);
}

void CForm_SetWord::OnButtonDefaultPath()
{
    DefaultOutputFolder();
}

void CForm_SetWord::OnButtonOpenFolder()
{
    OpenFolderTelling(*this, m_editOutFolder.GetWindowText());
    OnButtonRefreshPreview();
}

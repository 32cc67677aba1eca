#pragma once
// The common dialogs: open and save file dialogs, the folder browser and the colour dialog,
// each modal to its owner (without one, the active window) and kept over it. Tests install a
// recorder that answers them instead.

#include "platform/CString.h"
#include "platform/ui/Wnd.h"

#include <vector>

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD CC_RGBINIT = 0x00000001;
constexpr DWORD CC_FULLOPEN = 0x00000002;
constexpr DWORD CC_ANYCOLOR = 0x00000100;

struct OPENFILENAME {
    CString lpstrTitle;        // empty: the toolkit's "Open" or "Save As" in the desktop's language
    CString lpstrInitialDir;
    DWORD Flags = 0;
};

class CFileDialog {
public:
    // The filter is "text|patterns|text|patterns||" as Windows takes it.
    CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
                DWORD flags = 0, LPCTSTR filter = nullptr, CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    virtual INT_PTR DoModal();
    CString GetPathName() const { return m_path; }
    CString GetFileName() const;

    OPENFILENAME m_ofn;

private:
    BOOL m_open;
    CString m_defaultExtension;
    CString m_filter;
    CWnd* m_parent;
    CString m_path;
};

class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
    virtual ~CColorDialog() = default;

    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_colour; }

private:
    COLORREF m_colour;
    DWORD m_flags;
    CWnd* m_parent;
};

// The folder browser: IDOK and the chosen folder, or IDCANCEL. The initial folder is selected
// when the browser opens; a status line names the folder the selection is on.
INT_PTR BrowseForFolder(CWnd* owner, const CString& title, const CString& initialFolder, CString& chosen);

// The user's documents folder.
CString GetDocumentsFolder();

namespace platform::ui {

enum class CommonDialogKind { OpenFile, SaveFile, Folder, Colour };

struct CommonDialogRequest {
    CommonDialogKind kind;
    CString title;
    CString filter;
    CString initial;          // file name, folder, or colour as six hex digits
};

struct CommonDialogAnswer {
    INT_PTR result = IDCANCEL;
    CString path;             // files and folders
    COLORREF colour = 0;
};

// While it lives, common dialogs are recorded and answered from its queue (cancelled when empty).
class CommonDialogRecorder {
public:
    CommonDialogRecorder();
    ~CommonDialogRecorder();
    CommonDialogRecorder(const CommonDialogRecorder&) = delete;
    CommonDialogRecorder& operator=(const CommonDialogRecorder&) = delete;
    void Answer(CommonDialogAnswer answer);
    const std::vector<CommonDialogRequest>& Requests() const;
};

// While it lives, the documents folder is this one.
class DocumentsFolderOverride {
public:
    explicit DocumentsFolderOverride(const CString& folder);
    ~DocumentsFolderOverride();
    DocumentsFolderOverride(const DocumentsFolderOverride&) = delete;
    DocumentsFolderOverride& operator=(const DocumentsFolderOverride&) = delete;
};

} // namespace platform::ui

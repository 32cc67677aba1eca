#include "platform/ui/CommonDialogs.h"

#include "platform/ui/TestHooks.h"
#include "platform/ui/qt/ModalOwner.h"
#include "platform/ui/qt/OwnedWindow.h"
#include "platform/ui/qt/WindowAccess.h"

#include <QColorDialog>
#include <algorithm>
#include <QEventLoop>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>
#include <QStringList>
#include <deque>
#include <optional>

namespace {

struct RecorderState {
    std::deque<platform::ui::CommonDialogAnswer> answers;
    std::vector<platform::ui::CommonDialogRequest> requests;
};

RecorderState* g_recorder = nullptr;
std::optional<CString> g_documents;

// Answers from the recorder when one is installed.
std::optional<platform::ui::CommonDialogAnswer> Recorded(const platform::ui::CommonDialogRequest& request)
{
    if (!g_recorder)
        return std::nullopt;
    g_recorder->requests.push_back(request);
    platform::ui::CommonDialogAnswer answer;
    if (!g_recorder->answers.empty()) {
        answer = g_recorder->answers.front();
        g_recorder->answers.pop_front();
    }
    return answer;
}

QString Utf8(const CString& text)
{
    return QString::fromUtf8(text.GetString());
}

// "ini(*.ini)|*.ini||" becomes Qt's "ini(*.ini) (*.ini)" list.
QString QtFilter(const CString& filter)
{
    const QStringList parts = Utf8(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        entries << parts[i] + " (" + patterns.replace(';', ' ') + ")";
    }
    return entries.join(";;");
}

// A status line under the folder view naming the folder the selection is on, from the folder
// the browser opens at onwards.
void AddFolderStatusLine(QFileDialog& dialog, const CString& initialFolder)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* status = new QLabel(Utf8(initialFolder), &dialog);
    status->setObjectName("folderStatus");
    status->setTextFormat(Qt::PlainText);
    // A long path is cut at the dialog's edge instead of widening the dialog.
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
    QObject::connect(&dialog, &QFileDialog::currentChanged, status, &QLabel::setText);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, status, &QLabel::setText);
}

// Runs a Qt dialog modal to its owner only, as on Windows, over the owner and tied to it.
int RunOwned(QDialog& dialog, CWnd* parent)
{
    platform::ui::detail::CancelMouseMode();
    CWnd* owner = platform::ui::detail::ModalOwnerFor(parent);
    platform::ui::detail::KeepModalWithOwner(dialog, owner ? platform::ui::detail::WidgetOf(owner->m_hWnd) : nullptr);
    const platform::ui::detail::ModalOwnerScope ownerScope(owner, &dialog);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    return dialog.result();
}

} // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags,
                         LPCTSTR filter, CWnd* parent)
    : m_open(openFileDialog), m_defaultExtension(defaultExtension), m_filter(filter), m_parent(parent),
      m_path(fileName)
{
    m_ofn.Flags = flags;
}

CString CFileDialog::GetFileName() const
{
    const int slash = std::max(m_path.ReverseFind('/'), m_path.ReverseFind('\\'));
    return m_path.Mid(slash + 1);
}

INT_PTR CFileDialog::DoModal()
{
    using platform::ui::CommonDialogKind;
    const platform::ui::CommonDialogRequest request{m_open ? CommonDialogKind::OpenFile : CommonDialogKind::SaveFile,
                                                    m_ofn.lpstrTitle, m_filter, m_path};
    if (const auto answer = Recorded(request)) {
        if (answer->result == IDOK)
            m_path = answer->path;
        return answer->result;
    }
    platform::ui::EnsureApplication();
    // Without a title of its own the dialog keeps the toolkit's, in the desktop's language.
    QFileDialog dialog(nullptr, Utf8(m_ofn.lpstrTitle), Utf8(m_ofn.lpstrInitialDir), QtFilter(m_filter));
    dialog.setAcceptMode(m_open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Utf8(m_defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (m_ofn.Flags & OFN_OVERWRITEPROMPT) == 0);
    // The toolkit's own widgets, whatever dialog the desktop's platform theme offers: their edits
    // are the program's, with the composition watch (a portal's dialog is another process).
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (!m_path.IsEmpty())
        dialog.selectFile(Utf8(m_path));
    if (RunOwned(dialog, m_parent) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    m_path = CString(dialog.selectedFiles().front().toStdString());
    return IDOK;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent)
    : m_colour(initial), m_flags(flags), m_parent(parent)
{
}

INT_PTR CColorDialog::DoModal()
{
    CString initial;
    initial.Format("%02X%02X%02X", GetRValue(m_colour), GetGValue(m_colour), GetBValue(m_colour));
    if (const auto answer = Recorded({platform::ui::CommonDialogKind::Colour, "", "", initial})) {
        if (answer->result == IDOK)
            m_colour = answer->colour;
        return answer->result;
    }
    platform::ui::EnsureApplication();
    QColorDialog dialog(QColor(GetRValue(m_colour), GetGValue(m_colour), GetBValue(m_colour)));
    // The toolkit's own widgets, as the file dialogs: its colour box is one of the program's edits.
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (RunOwned(dialog, m_parent) != QDialog::Accepted)
        return IDCANCEL;
    const QColor chosen = dialog.selectedColor();
    m_colour = RGB(static_cast<BYTE>(chosen.red()), static_cast<BYTE>(chosen.green()), static_cast<BYTE>(chosen.blue()));
    return IDOK;
}

INT_PTR BrowseForFolder(CWnd* owner, const CString& title, const CString& initialFolder, CString& chosen)
{
    if (const auto answer = Recorded({platform::ui::CommonDialogKind::Folder, title, "", initialFolder})) {
        if (answer->result == IDOK)
            chosen = answer->path;
        return answer->result;
    }
    platform::ui::EnsureApplication();
    QFileDialog dialog(nullptr, Utf8(title), Utf8(initialFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Qt's own dialog, which can carry the status line and whose path box is the program's edit.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    AddFolderStatusLine(dialog, initialFolder);
    if (RunOwned(dialog, owner) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    chosen = CString(dialog.selectedFiles().front().toStdString());
    return IDOK;
}

CString GetDocumentsFolder()
{
    if (g_documents)
        return *g_documents;
    return CString(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
}

namespace platform::ui {

CommonDialogRecorder::CommonDialogRecorder()
{
    g_recorder = new RecorderState;
}

CommonDialogRecorder::~CommonDialogRecorder()
{
    delete g_recorder;
    g_recorder = nullptr;
}

void CommonDialogRecorder::Answer(CommonDialogAnswer answer)
{
    g_recorder->answers.push_back(std::move(answer));
}

const std::vector<CommonDialogRequest>& CommonDialogRecorder::Requests() const
{
    return g_recorder->requests;
}

DocumentsFolderOverride::DocumentsFolderOverride(const CString& folder)
{
    g_documents = folder;
}

DocumentsFolderOverride::~DocumentsFolderOverride()
{
    g_documents.reset();
}

} // namespace platform::ui

// Dialog 257: the motto file and its lines: choosing the file, moving through the rows, the
// detail, deleting and writing the lines back, and opening the file or its folder.
#include "dialogs/diary/Form_AddText.h"

#include "app/DesktopOpening.h"
#include "app/Form_SetWord.h"
#include "app/SaveTelling.h"
#include "controls/lists/ChoiceList.h"
#include "dialogs/diary/Form_AddText_Edit.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"
#include "resources/HeadingDialogIds.h"
#include "settings/IniValues.h"
#include "settings/MottoFile.h"

#include <algorithm>
#include <cerrno>

namespace {

// Short lines skipped before the list gives up on a file.
constexpr int kMostSkippedLines = 100;

} // namespace

void CForm_AddText::LoadTextFile(const CString& path, CListCtrl& list)
{
    for (const MottoLine& line : ReadMottoLines(path.str(), kMostSkippedLines).lines) {
        const int row = list.GetItemCount();
        CString number, count;
        number.Format("%d", row + 1);
        count.Format("%d", line.length);
        list.InsertItem(row, number);
        list.SetItemText(row, 1, line.text.c_str());
        list.SetItemText(row, 2, count);
    }
}

// Another file's lines never stay in the working list, so "Save" cannot write them into this one.
void CForm_AddText::OnSelectTextFile()
{
    CFileDialog chooser(TRUE, ".txt", nullptr, OFN_HIDEREADONLY, "txt Files(*.txt)|*.txt||", this);
    if (chooser.DoModal() != IDOK)
        return;
    OnDeleteAll();
    const CString path = chooser.GetPathName();
    m_editPath.SetWindowText(path);
    LoadTextFile(path, m_listLines);
    ShowCount();
    m_nCurrentRow = 0;
    ReadWorkingList(path);
    if (m_listLines.GetItemCount() > 0) {
        ShowRow(0);
        SelectRow(0);
    }
}

void CForm_AddText::ReadWorkingList(const CString& path)
{
    g_vecTextLines.clear();
    m_nReadError = ReadTextFileLines(path.str(), g_vecTextLines);
    if (m_nReadError != 0)
        MessageBox(UnreadMottoFileMessage(path.str(), m_nReadError).c_str(), "Add Text", MB_OK | MB_ICONERROR);
}

void CForm_AddText::ShowCount()
{
    CString count;
    count.Format("%d", m_listLines.GetItemCount());
    GetDlgItem(IDC_TEXT_LINE_COUNT)->SetWindowText(count);
}

void CForm_AddText::ShowRow(int row)
{
    m_preview.SetWindowText(m_listLines.GetItemText(row, 1));
    ShowPreview();
}

void CForm_AddText::SelectRow(int row)
{
    m_listLines.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listLines.EnsureVisible(row, FALSE);
    m_listLines.SetFocus();
}

void CForm_AddText::OnClickLines(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row < 0)
        return;
    m_nCurrentRow = row;
    if (m_listLines.GetItemState(row, LVIS_SELECTED))
        ShowRow(row);
}

void CForm_AddText::OnDblclkLines(NMHDR*, LRESULT* result)
{
    *result = 0;
    OnDetail();
}

void CForm_AddText::OnKeydownLines(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int count = m_listLines.GetItemCount();
    int row = -1;
    switch (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey) {
    case VK_END:
        row = count - 1;
        break;
    case VK_HOME:
        row = count > 0 ? 0 : -1;
        break;
    case VK_UP:
        row = m_nCurrentRow > 0 ? m_nCurrentRow - 1 : -1;
        break;
    case VK_DOWN:
        row = m_nCurrentRow + 1 < count ? m_nCurrentRow + 1 : -1;
        break;
    default:
        return;
    }
    if (row < 0)
        return;
    m_nCurrentRow = row;
    ShowRow(row);
    m_listLines.SetFocus();
}

// A row the list moves to by keys it does not tell (pages, typed digits) is the current one too,
// so Detail shows the line the list shows.
void CForm_AddText::OnLinesItemChanged(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto row = ChosenRow(m_listLines, header)) {
        m_nCurrentRow = *row;
        ShowRow(*row);
    }
}

void CForm_AddText::OnDetail()
{
    if (m_listLines.GetItemCount() == 0)
        return;
    CForm_AddText_Edit detail(this);
    detail.m_nRow = m_nCurrentRow;
    detail.DoModal();
}

// The selected row goes from the list, and the same line, found by its number, from the
// working list.
void CForm_AddText::OnDelete()
{
    const int row = m_listLines.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    const int number = ParseInt(m_listLines.GetItemText(row, 0));
    std::erase_if(g_vecTextLines, [number](const TextLineRecord& line) { return line.number == number; });
    m_listLines.DeleteItem(row);
    ShowCount();
    m_nCurrentRow = std::max(row - 1, 0);
    if (m_listLines.GetItemCount() == 0) {
        m_preview.SetWindowText("");
        ShowPreview();
        return;
    }
    ShowRow(m_nCurrentRow);
    SelectRow(m_nCurrentRow);
}

void CForm_AddText::OnDeleteAll()
{
    m_listLines.DeleteAllItems();
    m_preview.SetWindowText("");
    ShowPreview();
    GetDlgItem(IDC_TEXT_LINE_COUNT)->SetWindowText("0");
    m_nCurrentRow = 0;
}

void CForm_AddText::OnSave()
{
    const CString path = m_editPath.GetWindowText();
    if (path.IsEmpty())
        return;
    SaveTelling(*this, path, "Add Text", [&] {
        errno = m_nReadError;
        return m_nReadError == 0 && WriteMottoFile(path.str(), g_vecTextLines);
    });
}

// The file and its folder open as the main window opens the document, and a failure is told the
// same way.
void CForm_AddText::OnOpenTextFile()
{
    const CString path = m_editPath.GetWindowText();
    if (!path.IsEmpty())
        CForm_SetWord::ShellOpenFile(path, *this);
}

void CForm_AddText::OnOpenFolder()
{
    const CString path = m_editPath.GetWindowText();
    if (!path.IsEmpty())
        ShowInFolderTelling(*this, path);
}

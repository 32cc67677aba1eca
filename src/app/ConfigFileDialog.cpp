#include "app/ConfigFileDialog.h"

#include "app/ConfigPathFile.h"
#include "app/KnownConfigFiles.h"
#include "app/SaveTelling.h"
#include "platform/Files.h"
#include "resources/ResourceIds.h"

#include <string>
#include <vector>

namespace {

constexpr int kNumberColumn = 1;
constexpr int kPathColumn = 2;

} // namespace

RV_MESSAGE_MAP(CConfigFileDialog, CDialog, msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CConfigFileDialog::CConfigFileDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

void CConfigFileDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CONFIG_LIST, m_list);
    DDX_Control(dx, IDC_CONFIG_PATH, m_pathBox);
}

BOOL CConfigFileDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetUpList();
    for (const CString& path : ReadConfigPathList(ConfigPathFile()))
        AppendRow(path);
    return TRUE;
}

void CConfigFileDialog::SetUpList()
{
    m_list.InsertColumn(0, "", LVCFMT_LEFT, 0);
    m_list.InsertColumn(kNumberColumn, "NO", LVCFMT_CENTER, 30);
    m_list.InsertColumn(kPathColumn, "   Config File Name (*.ini,*.INI)", LVCFMT_LEFT, 650);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    m_list.SetRowHeight(23);
    m_list.SetHeaderHeight(1.3f);
    m_list.SetHeaderFontHW(12, 0);
    m_list.SetHeaderTextColor(RGB(255, 255, 255));
    m_list.SetHeaderBKColor(139, 137, 137, 0);
}

void CConfigFileDialog::OnDestroy()
{
    std::vector<CString> paths;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        paths.push_back(RowPath(row));
    // Told over the opener, which stays.
    PathFileSaveTelling(m_pParentWnd != nullptr ? *m_pParentWnd : *this,
                        [&] { return WriteConfigPathList(ConfigPathFile(), paths); });
    Default();
}

void CConfigFileDialog::AppendRow(const CString& path)
{
    const int row = m_list.GetItemCount();
    CString number;
    number.Format("%d", row + 1);
    m_list.InsertItem(row, "");
    m_list.SetItemText(row, kNumberColumn, number);
    m_list.SetItemText(row, kPathColumn, path);
}

CString CConfigFileDialog::RowPath(int row) const
{
    return m_list.GetItemText(row, kPathColumn);
}

int CConfigFileDialog::SelectedRow() const
{
    return m_list.GetNextItem(-1, LVNI_SELECTED);
}

void CConfigFileDialog::DeleteRowFile(int row)
{
    if (DeleteTelling(*this, RowPath(row)))
        m_list.DeleteItem(row);
}

CString CConfigFileDialog::PathBoxFolder() const
{
    const CString text = m_pathBox.GetWindowText();
    const size_t separator = platform::LastSeparator(text.str());
    return separator == std::string::npos ? CString() : text.Left(static_cast<int>(separator) + 1);
}

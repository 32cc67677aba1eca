// The two picture lists of dialog 217: the seven line types and the preset styles with their
// values from TableStyle.ini.
#include "dialogs/diary/Form_Table.h"

#include "platform/Files.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "settings/DialogHelpers.h"
#include "settings/IniFile.h"
#include "settings/IniValues.h"
#include "settings/Settings.h"

namespace {

struct LineType {
    const char* name;   // the border word written to the document
    const char* pen;    // the preview's pen style; 6 is laid by hand
};
constexpr LineType kLineTypes[] = {{"single", "0"},     {"dotted", "2"},  {"dashSmallGap", "6"},
                                   {"dashed", "1"},     {"dotDash", "3"}, {"dotDotDash", "4"},
                                   {"wave", "0"}};
constexpr int kLineTypeCount = 7;
constexpr int kLineTypeWidth = 121;
constexpr int kLineTypeHeight = 22;
constexpr int kLineTypeColumnWidth = 130;
constexpr int kPresetWidth = 496;
constexpr int kPresetHeight = 108;
// The check box stands in front of the picture in the same column.
constexpr int kCheckBoxWidth = 24;
constexpr COLORREF kMaskColour = RGB(100, 100, 100);
constexpr DWORD kPictureListStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES;
// The hidden columns of a preset row, after the picture, in the order of its INI keys.
constexpr const char* kPresetKeys[] = {"line_type",   "bLineLeft",  "bLineRight",           "bLineTop",
                                       "bLineBottom", "bLineMiddle", "line_color",          "class_table_bk_color",
                                       "line_table_bk_color",        "line_table_bk_color2"};
enum PresetColumn { kPresetLineType = 1, kPresetLeft, kPresetRight, kPresetTop, kPresetBottom, kPresetMiddle,
                    kPresetLineColour, kPresetTitleBack, kPresetOddBack, kPresetEvenBack };

bool AddPicture(CImageList& images, const CString& path, bool masked)
{
    CBitmap picture;
    if (!picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)))
        return false;
    return (masked ? images.Add(&picture, kMaskColour) : images.Add(&picture, nullptr)) >= 0;
}

void UntickAll(CListCtrl& list)
{
    for (int row = 0; row < list.GetItemCount(); ++row)
        list.SetCheck(row, FALSE);
}

} // namespace

void CForm_Table::FillLineTypes()
{
    m_listLineTypes.InsertColumn(0, "线条风格", LVCFMT_LEFT, kLineTypeColumnWidth + kCheckBoxWidth);
    m_listLineTypes.InsertColumn(1, "Line Name", LVCFMT_LEFT, 0);
    m_listLineTypes.InsertColumn(2, "Line Draw", LVCFMT_LEFT, 0);
    m_listLineTypes.SetExtendedStyle(m_listLineTypes.GetExtendedStyle() | kPictureListStyle);
    m_lineTypeImages.Create(kLineTypeWidth, kLineTypeHeight, ILC_MASK | ILC_COLOR32, 0, 0);
    m_listLineTypes.SetImageList(&m_lineTypeImages, LVSIL_SMALL);
    m_listLineTypes.DeleteAllItems();
    for (int number = 1; number <= kLineTypeCount; ++number) {
        CString path;
        path.Format("%sconfig/pic/LineType/LineType%d.bmp", g_strExeFolder.GetString(), number);
        if (AddPicture(m_lineTypeImages, path, true))
            m_listLineTypes.InsertItem(m_listLineTypes.GetItemCount(), "", m_lineTypeImages.GetImageCount() - 1);
    }
    if (m_listLineTypes.GetItemCount() != kLineTypeCount)
        return;
    for (int row = 0; row < kLineTypeCount; ++row) {
        m_listLineTypes.SetItemText(row, 1, kLineTypes[row].name);
        m_listLineTypes.SetItemText(row, 2, kLineTypes[row].pen);
    }
}

void CForm_Table::FillPresets()
{
    m_listPresets.InsertColumn(0, "表格风格", LVCFMT_LEFT, kPresetWidth + kCheckBoxWidth);
    for (int column = 1; column <= static_cast<int>(std::size(kPresetKeys)); ++column)
        m_listPresets.InsertColumn(column, kPresetKeys[column - 1], LVCFMT_LEFT, 0);
    m_listPresets.SetExtendedStyle(m_listPresets.GetExtendedStyle() | kPictureListStyle);
    m_listPresets.DeleteAllItems();
    m_presetImages.Create(kPresetWidth, kPresetHeight, ILC_COLOR32, 0, 0);
    m_listPresets.SetImageList(&m_presetImages, LVSIL_SMALL);
    const CString folder = g_strExeFolder + "config/pic/LineSettings/";
    for (int number = 1; number <= m_nPresetCount; ++number) {
        CString path;
        path.Format("%sTableStyle%d.bmp", folder.GetString(), number);
        if (!platform::PathExists(path.str()) || !AddPicture(m_presetImages, path, false)) {
            m_nPresetCount = number - 1;
            break;
        }
        m_listPresets.InsertItem(number - 1, "", number - 1);
    }
    const CString ini = folder + "TableStyle.ini";
    if (!platform::PathExists(ini.str()))
        return;
    for (int row = 0; row < m_listPresets.GetItemCount(); ++row) {
        CString section;
        section.Format("LIST%d", row);
        if (CIniFile().GetString(ini, section, kPresetKeys[0]).IsEmpty())
            return;
        for (int column = 1; column <= static_cast<int>(std::size(kPresetKeys)); ++column)
            m_listPresets.SetItemText(row, column, CIniFile().GetString(ini, section, kPresetKeys[column - 1]));
    }
}

// The first row of that name is chosen and ticked; with none, row 0 is chosen and none ticked.
void CForm_Table::ChooseLineType(const CString& name)
{
    UntickAll(m_listLineTypes);
    m_nLineTypeRow = 0;
    for (int row = 0; row < m_listLineTypes.GetItemCount(); ++row) {
        if (m_listLineTypes.GetItemText(row, 1) != name)
            continue;
        m_nLineTypeRow = row;
        m_listLineTypes.SetCheck(row, TRUE);
        m_listLineTypes.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        m_listLineTypes.EnsureVisible(row, FALSE);
        break;
    }
    m_strLineType = m_listLineTypes.GetItemText(m_nLineTypeRow, 1);
    m_strLinePen = m_listLineTypes.GetItemText(m_nLineTypeRow, 2);
    m_listLineTypes.Invalidate();
}

void CForm_Table::OnClickLineType(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row < 0 || !m_listLineTypes.GetItemState(row, LVIS_SELECTED))
        return;
    m_nLineTypeRow = row;
    m_strLineType = m_listLineTypes.GetItemText(row, 1);
    m_strLinePen = m_listLineTypes.GetItemText(row, 2);
    UntickAll(m_listLineTypes);
    m_listLineTypes.SetCheck(row, TRUE);
    DrawTablePreview();
}

void CForm_Table::OnClickPreset(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = reinterpret_cast<NMITEMACTIVATE*>(header)->iItem;
    if (row < 0 || !m_listPresets.GetItemState(row, LVIS_SELECTED))
        return;
    m_nPresetRow = row;
    UntickAll(m_listPresets);
    m_listPresets.SetCheck(row, TRUE);
    ApplyPreset(row);
}

void CForm_Table::ApplyPreset(int row)
{
    if (m_listPresets.GetItemCount() == 0)
        return;
    const auto cell = [&](int column) { return m_listPresets.GetItemText(row, column); };
    ChooseLineType(cell(kPresetLineType));
    const struct {
        int box;
        int column;
    } borders[] = {{IDC_TABLE_LEFT, kPresetLeft},
                   {IDC_TABLE_RIGHT, kPresetRight},
                   {IDC_TABLE_TOP, kPresetTop},
                   {IDC_TABLE_BOTTOM, kPresetBottom},
                   {IDC_TABLE_MIDDLE, kPresetMiddle}};
    for (const auto& border : borders)
        Check(border.box, ParseInt(cell(border.column)) != 0);
    if (!cell(kPresetLineColour).IsEmpty())
        m_colourLine.SetColor(HexToColor(cell(kPresetLineColour)));
    const struct {
        int flag;
        CColorButton& button;
        int column;
    } backs[] = {{IDC_TABLE_TITLE_BACK_FLAG, m_colourTitleBack, kPresetTitleBack},
                 {IDC_TABLE_ODD_BACK_FLAG, m_colourOddBack, kPresetOddBack},
                 {IDC_TABLE_EVEN_BACK_FLAG, m_colourEvenBack, kPresetEvenBack}};
    for (const auto& back : backs) {
        const CString colour = cell(back.column);
        Check(back.flag, !colour.IsEmpty());
        if (!colour.IsEmpty())
            back.button.SetColor(HexToColor(colour));
        back.button.EnableWindow(colour.IsEmpty() ? FALSE : TRUE);
    }
    ShowRowBackgrounds();
    DrawTablePreview();
}

// The two picture lists of dialog 217: the seven line types and the preset styles with their
// values from TableStyle.ini.
#include "dialogs/diary/Form_Table.h"
#include "dialogs/LineTypeList.h"

#include "platform/Files.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "settings/DialogHelpers.h"
#include "settings/IniFile.h"
#include "settings/IniValues.h"
#include "settings/Settings.h"

namespace {

constexpr int kPresetWidth = 496;
constexpr int kPresetHeight = 108;
// The check box stands in front of the picture in the same column.
constexpr int kCheckBoxWidth = 24;
constexpr DWORD kPictureListStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES;
// The hidden columns of a preset row, after the picture, in the order of its INI keys.
constexpr const char* kPresetKeys[] = {"line_type",   "bLineLeft",  "bLineRight",           "bLineTop",
                                       "bLineBottom", "bLineMiddle", "line_color",          "class_table_bk_color",
                                       "line_table_bk_color",        "line_table_bk_color2"};
enum PresetColumn { kPresetLineType = 1, kPresetLeft, kPresetRight, kPresetTop, kPresetBottom, kPresetMiddle,
                    kPresetLineColour, kPresetTitleBack, kPresetOddBack, kPresetEvenBack };

bool AddPicture(CImageList& images, const CString& path)
{
    CBitmap picture;
    return picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) &&
           images.Add(&picture, nullptr) >= 0;
}

} // namespace

void CForm_Table::FillLineTypes()
{
    FillLineTypeList(m_listLineTypes, m_lineTypeImages, "线条风格");
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
        if (!platform::PathExists(path.str()) || !AddPicture(m_presetImages, path)) {
            m_nPresetCount = number - 1;
            break;
        }
        m_listPresets.InsertItem(number - 1, "", number - 1);
    }
    FitPictureColumn(m_listPresets);
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

void CForm_Table::ChooseLineType(const CString& name)
{
    TakeLineType(::ChooseLineType(m_listLineTypes, name));
}

void CForm_Table::TakeLineType(const LineTypeChoice& choice)
{
    m_nLineTypeRow = choice.row;
    m_strLineType = choice.name;
    m_strLinePen = choice.pen;
}

void CForm_Table::OnClickLineType(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto choice = ChosenLineType(m_listLineTypes, header)) {
        TakeLineType(*choice);
        DrawTablePreview();
    }
}

void CForm_Table::OnClickPreset(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto row = ChosenRow(m_listPresets, header)) {
        m_nPresetRow = *row;
        ApplyPreset(*row);
    }
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

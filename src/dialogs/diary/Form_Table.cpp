#include "dialogs/diary/Form_Table.h"

#include "app/CurrentClass.h"
#include "resources/DiaryDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"

BYTE g_bPreviewShowTitle = 0;
CString g_strPreviewTitleText;
COLORREF g_clrPreviewTitleFont = 0;
CString g_strPreviewTitleFontName;
CString g_strPreviewTitleFontSize;
CString g_strPreviewTitleBold;
CString g_strPreviewTitleItalic;
BYTE g_bPreviewItemNumber = 0;
CString g_strPreviewLineText;
COLORREF g_clrPreviewLineFont = 0;
CString g_strPreviewLineFontName;
CString g_strPreviewLineFontSize;
CString g_strPreviewLineBold;
CString g_strPreviewLineItalic;

namespace {


BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_Table, CDiaryDialog,
               msgmap::Command(IDC_DIARY_OK, &T::OnOK),
               msgmap::Command(IDC_DIARY_CANCEL, &T::OnButtonCancel),
               msgmap::CommandRange(IDC_TABLE_MIDDLE, IDC_TABLE_RIGHT, &T::OnClickBorder),
               msgmap::CommandRange(IDC_TABLE_TOP, IDC_TABLE_TOP, &T::OnClickBorder),
               msgmap::CommandRange(IDC_TABLE_EVEN_BACK_FLAG, IDC_TABLE_TITLE_BACK_FLAG, &T::OnClickBackFlag),
               msgmap::Notify(NM_CLICK, IDC_TABLE_LINE_TYPES, &T::OnClickLineType),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_TABLE_LINE_TYPES, &T::OnClickLineType),
               msgmap::Notify(NM_CLICK, IDC_TABLE_PRESETS, &T::OnClickPreset),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_TABLE_PRESETS, &T::OnClickPreset),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_Table::CForm_Table(CWnd* parent) : CDiaryDialog(IDD_TABLE_STYLE, parent) {}

void CForm_Table::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TABLE_PRESETS, m_listPresets);
    DDX_Control(dx, IDC_TABLE_LINE_TYPES, m_listLineTypes);
    DDX_Control(dx, IDC_TABLE_LINE_COLOUR, m_colourLine);
    DDX_Control(dx, IDC_TABLE_TITLE_BACK, m_colourTitleBack);
    DDX_Control(dx, IDC_TABLE_ODD_BACK, m_colourOddBack);
    DDX_Control(dx, IDC_TABLE_EVEN_BACK, m_colourEvenBack);
    for (int row = 0; row < kTablePreviewRows; ++row)
        DDX_Control(dx, kTablePreviewRowIds[row], m_rows[row]);
}

BOOL CForm_Table::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    for (CColorButton* button : {&m_colourTitleBack, &m_colourOddBack, &m_colourEvenBack, &m_colourLine}) {
        button->SetColor(kWhite);
        button->SetTrackSelection(TRUE);
        button->SetCustomText("More colores...");
        button->SetDefaultText("default");
    }
    FillLineTypes();
    for (int id : {IDC_TABLE_RIGHT, IDC_TABLE_LEFT, IDC_TABLE_TOP, IDC_TABLE_BOTTOM, IDC_TABLE_MIDDLE})
        Check(id, true);
    Check(IDC_TABLE_INSERT_COLUMN, false);
    StyleRows();
    FillPresets();
    LoadClassTable();
    DrawTablePreview();
    ShowDiagram();
    return TRUE;
}

void CForm_Table::LoadClassTable()
{
    const ClassTableSettings& t = g_classTable;
    const struct {
        int flag;
        CColorButton& button;
        const CString& colour;
    } backs[] = {{IDC_TABLE_ODD_BACK_FLAG, m_colourOddBack, t.line_table_bk_color},
                 {IDC_TABLE_EVEN_BACK_FLAG, m_colourEvenBack, t.line_table_bk_color2},
                 {IDC_TABLE_TITLE_BACK_FLAG, m_colourTitleBack, t.class_table_bk_color}};
    for (const auto& back : backs) {
        Check(back.flag, !back.colour.IsEmpty());
        back.button.EnableWindow(back.colour.IsEmpty() ? FALSE : TRUE);
        if (!back.colour.IsEmpty())
            back.button.SetColor(HexToColorOrWhite(back.colour));
    }
    Check(IDC_TABLE_LEFT, t.bLineLeft != 0);
    Check(IDC_TABLE_RIGHT, t.bLineRight != 0);
    Check(IDC_TABLE_TOP, t.bLineTop != 0);
    Check(IDC_TABLE_BOTTOM, t.bLineBottom != 0);
    Check(IDC_TABLE_MIDDLE, t.bLineMiddle != 0);
    Check(IDC_TABLE_INSERT_COLUMN, t.bInsertACol != 0);
    m_colourLine.SetColor(HexToColorOrWhite(t.line_color));
    ShowRowBackgrounds();
    ChooseLineType(t.line_type);
}

void CForm_Table::OnOK()
{
    ClassTableSettings& t = g_classTable;
    t.class_table_bk_color = Checked(IDC_TABLE_TITLE_BACK_FLAG) ? ColorToHex(m_colourTitleBack.GetColor()) : CString();
    t.line_table_bk_color = Checked(IDC_TABLE_ODD_BACK_FLAG) ? ColorToHex(m_colourOddBack.GetColor()) : CString();
    t.line_table_bk_color2 = Checked(IDC_TABLE_EVEN_BACK_FLAG) ? ColorToHex(m_colourEvenBack.GetColor()) : CString();
    t.line_color = ColorToHex(m_colourLine.GetColor());
    t.bLineBottom = Flag(Checked(IDC_TABLE_BOTTOM));
    t.bLineTop = Flag(Checked(IDC_TABLE_TOP));
    t.bLineLeft = Flag(Checked(IDC_TABLE_LEFT));
    t.bLineRight = Flag(Checked(IDC_TABLE_RIGHT));
    t.bLineMiddle = Flag(Checked(IDC_TABLE_MIDDLE));
    t.line_type = m_listLineTypes.GetItemText(std::max(m_nLineTypeRow, 0), 1);
    t.bInsertACol = Flag(Checked(IDC_TABLE_INSERT_COLUMN));
    EndDialog(IDOK);
}

void CForm_Table::OnClickBorder(UINT)
{
    ShowDiagram();
    DrawTablePreview();
}

void CForm_Table::OnClickBackFlag(UINT)
{
    m_colourTitleBack.EnableWindow(Checked(IDC_TABLE_TITLE_BACK_FLAG) ? TRUE : FALSE);
    m_colourOddBack.EnableWindow(Checked(IDC_TABLE_ODD_BACK_FLAG) ? TRUE : FALSE);
    m_colourEvenBack.EnableWindow(Checked(IDC_TABLE_EVEN_BACK_FLAG) ? TRUE : FALSE);
    ShowRowBackgrounds();
}

LRESULT CForm_Table::OnColourPicked(WPARAM, LPARAM id)
{
    if (id == IDC_TABLE_LINE_COLOUR)
        DrawTablePreview();
    else
        ShowRowBackgrounds();
    return 0;
}

void CForm_Table::ShowDiagram()
{
    const struct {
        int box;
        int line;
    } pairs[] = {{IDC_TABLE_TOP, IDC_TABLE_DIAGRAM_TOP},       {IDC_TABLE_MIDDLE, IDC_TABLE_DIAGRAM_MIDDLE},
                 {IDC_TABLE_BOTTOM, IDC_TABLE_DIAGRAM_BOTTOM}, {IDC_TABLE_LEFT, IDC_TABLE_DIAGRAM_LEFT},
                 {IDC_TABLE_RIGHT, IDC_TABLE_DIAGRAM_RIGHT}};
    for (const auto& pair : pairs)
        GetDlgItem(pair.line)->ShowWindow(Checked(pair.box) ? SW_SHOW : SW_HIDE);
}

void CForm_Table::OnDestroy()
{
    Default();
    m_presetImages.DeleteImageList();
    m_lineTypeImages.DeleteImageList();
}

#include "dialogs/diary/Form_Table_ALine.h"

#include "resources/HeadingDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"

#include <algorithm>

CString g_strLinePreviewText;
CString g_strLinePreviewFontName;
int g_nLinePreviewFontSize = 0;
COLORREF g_clrLinePreviewFont = 0;
BYTE g_bLinePreviewBold = 0;
BYTE g_bLinePreviewItalic = 0;
BYTE g_bLinePreviewUnderline = 0;
CString g_strLinePreviewNote;

namespace {

constexpr DWORD kLeftAligned = 64;
constexpr int kNoteHeight = 17;
constexpr COLORREF kNoteColour = RGB(0, 0, 205);
constexpr int kSampleInset = 4;

BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_Table_ALine, CDiaryDialog,
               msgmap::Command(IDC_DIARY_OK, &T::OnOK),
               msgmap::Command(IDC_DIARY_CANCEL, &T::OnButtonCancel),
               msgmap::CommandRange(IDC_LINE_TABLE_BOTTOM, IDC_LINE_TABLE_BOTTOM, &T::OnClickBorder),
               msgmap::CommandRange(IDC_LINE_TABLE_LEFT, IDC_LINE_TABLE_RIGHT, &T::OnClickBorder),
               msgmap::CommandRange(IDC_LINE_TABLE_TOP, IDC_LINE_TABLE_TOP, &T::OnClickBorder),
               msgmap::Command(IDC_LINE_TABLE_BACK_FLAG, &T::OnClickBackFlag),
               msgmap::Notify(NM_CLICK, IDC_LINE_TABLE_TYPES, &T::OnClickLineType),
               msgmap::Notify(LVN_ITEMCHANGED, IDC_LINE_TABLE_TYPES, &T::OnClickLineType),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Simple(WM_PAINT, &T::OnPaint),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_Table_ALine::CForm_Table_ALine(CWnd* parent) : CDiaryDialog(IDD_TABLE_ALINE, parent) {}

void CForm_Table_ALine::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LINE_TABLE_TYPES, m_listLineTypes);
    DDX_Control(dx, IDC_LINE_TABLE_COLOUR, m_colourLine);
    DDX_Control(dx, IDC_LINE_TABLE_BACK, m_colourBack);
    DDX_Control(dx, IDC_LINE_TABLE_SAMPLE, m_sample);
    DDX_Control(dx, IDC_LINE_TABLE_NOTE, m_note);
}

BOOL CForm_Table_ALine::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    Enable(IDC_LINE_TABLE_BACK, Checked(IDC_LINE_TABLE_BACK_FLAG));
    m_note.SetWindowText(g_strLinePreviewNote);
    for (CColorButton* button : {&m_colourBack, &m_colourLine}) {
        button->SetColor(kWhite);
        button->SetTrackSelection(TRUE);
        button->SetCustomText("More colores...");
        button->SetDefaultText("default");
    }
    FillLineTypeList(m_listLineTypes, m_lineTypeImages, "Line Type");
    for (int id : {IDC_LINE_TABLE_RIGHT, IDC_LINE_TABLE_LEFT, IDC_LINE_TABLE_TOP, IDC_LINE_TABLE_BOTTOM})
        Check(id, true);
    GetDlgItem(IDC_LINE_TABLE_FRAME)->ShowWindow(SW_HIDE);
    LoadTableLine();
    DrawBorders();
    StyleSample();
    StyleNote();
    return TRUE;
}

void CForm_Table_ALine::LoadTableLine()
{
    const TableLineSettings& t = g_tableLineEdit;
    if (!t.table_bk_color.IsEmpty())
        m_colourBack.SetColor(HexToColorOrWhite(t.table_bk_color));
    Check(IDC_LINE_TABLE_BACK_FLAG, !t.table_bk_color.IsEmpty());
    Enable(IDC_LINE_TABLE_BACK, !t.table_bk_color.IsEmpty());
    if (!t.line_color.IsEmpty())
        m_colourLine.SetColor(HexToColorOrWhite(t.line_color));
    Check(IDC_LINE_TABLE_LEFT, t.bLineLeft != 0);
    Check(IDC_LINE_TABLE_RIGHT, t.bLineRight != 0);
    Check(IDC_LINE_TABLE_TOP, t.bLineTop != 0);
    Check(IDC_LINE_TABLE_BOTTOM, t.bLineBottom != 0);
    m_lineType = ChooseLineType(m_listLineTypes, t.line_type);
}

void CForm_Table_ALine::StyleSample()
{
    CRect place = ClientRectOf(IDC_LINE_TABLE_FRAME);
    place.DeflateRect(kSampleInset, kSampleInset);
    m_sample.MoveWindow(&place);
    m_sample.SetLabelFont(g_strLinePreviewFontName, 2 * g_nLinePreviewFontSize, g_clrLinePreviewFont,
                          FST_ANTIALIAS | kLeftAligned);
    m_sample.m_bBold = g_bLinePreviewBold == 1;
    m_sample.m_bItalic = g_bLinePreviewItalic == 1;
    m_sample.m_bUnderline = g_bLinePreviewUnderline == 1;
    m_sample.SetWindowText(g_strLinePreviewText);
    m_sample.RedrawWindow();
}

void CForm_Table_ALine::StyleNote()
{
    m_note.SetLabelFont("Tahoma", kNoteHeight, kNoteColour, FST_BOLD | FST_ANTIALIAS | kLeftAligned);
    m_note.RedrawWindow();
}

// The sample's ground first, then the four edges of its frame: on in the chosen line, off in white.
void CForm_Table_ALine::DrawBorders()
{
    const CRect frame = ClientRectOf(IDC_LINE_TABLE_FRAME);
    const COLORREF back = Checked(IDC_LINE_TABLE_BACK_FLAG) ? m_colourBack.GetColor() : kWhite;
    m_sample.SetBackground(back);
    m_sample.RedrawWindow();
    const int l = frame.left, t = frame.top, r = frame.right, b = frame.bottom;
    m_outline = TableOutline{};
    m_outline.fills.push_back({frame, back});
    SetOutlinePen(m_outline, m_colourLine.GetColor(), m_lineType.pen);
    m_outline.lines = {
        {{l, t}, {r, t}, Checked(IDC_LINE_TABLE_TOP)},
        {{l, t}, {l, b}, Checked(IDC_LINE_TABLE_LEFT)},
        {{r, t}, {r, b}, Checked(IDC_LINE_TABLE_RIGHT)},
        {{l, b}, {r, b}, Checked(IDC_LINE_TABLE_BOTTOM)},
    };
    CRect area = frame;
    area.InflateRect(1, 1);
    InvalidateRect(&area, TRUE);
}

void CForm_Table_ALine::OnOK()
{
    TableLineSettings& t = g_tableLineEdit;
    t.table_bk_color = Checked(IDC_LINE_TABLE_BACK_FLAG) ? ColorToHex(m_colourBack.GetColor()) : CString();
    t.line_color = ColorToHex(m_colourLine.GetColor());
    t.bLineBottom = Flag(Checked(IDC_LINE_TABLE_BOTTOM));
    t.bLineTop = Flag(Checked(IDC_LINE_TABLE_TOP));
    t.bLineLeft = Flag(Checked(IDC_LINE_TABLE_LEFT));
    t.bLineRight = Flag(Checked(IDC_LINE_TABLE_RIGHT));
    t.line_type = m_listLineTypes.GetItemText(std::max(m_lineType.row, 0), 1);
    EndDialog(IDOK);
}

void CForm_Table_ALine::OnClickBorder(UINT)
{
    DrawBorders();
}

void CForm_Table_ALine::OnClickBackFlag()
{
    Enable(IDC_LINE_TABLE_BACK, Checked(IDC_LINE_TABLE_BACK_FLAG));
    DrawBorders();
}

void CForm_Table_ALine::OnClickLineType(NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const auto choice = ChosenLineType(m_listLineTypes, header)) {
        m_lineType = *choice;
        DrawBorders();
    }
}

LRESULT CForm_Table_ALine::OnColourPicked(WPARAM, LPARAM)
{
    DrawBorders();
    return 0;
}

void CForm_Table_ALine::OnPaint()
{
    CPaintDC dc(this);
    PaintTableOutline(dc, m_outline);
    if (m_bFirstPaint == 1) {
        m_bFirstPaint = 0;
        Invalidate();
    }
}

void CForm_Table_ALine::OnDestroy()
{
    Default();
    m_lineTypeImages.DeleteImageList();
}

bool EditTableLine(CWnd* parent, TableLineSettings& record)
{
    g_tableLineEdit = record;
    CForm_Table_ALine dialog(parent);
    if (dialog.DoModal() != IDOK)
        return false;
    record = g_tableLineEdit;
    return true;
}

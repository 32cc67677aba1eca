#include "dialogs/diary/Form_DailyDiary.h"

#include "app/CurrentClass.h"
#include "app/Form_SetWord.h"
#include "dialogs/diary/Form_ItemSpecial.h"
#include "dialogs/diary/Form_SpecialSign.h"
#include "dialogs/diary/Form_Table.h"
#include "dialogs/diary/IconButtons.h"
#include "resources/DiaryDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/IniValues.h"
#include "settings/ui/ComboHelpers.h"
#include "settings/ui/DialogPictures.h"
#include "settings/ui/ProfileValueEdits.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kFirstFontSize = 5;
constexpr int kLastFontSize = 72;
constexpr int kStartSizeIndex = 15;   // 12.5 points
constexpr int kMostLines = 30;
constexpr int kStartSign = 12;
constexpr int kSampleHeight = 21;
constexpr DWORD kSampleStyle = FST_ANTIALIAS | 64;   // 64: left-aligned
constexpr const char* kSampleLineText = "这里将会是您在Word日记里输入的内容.(请设置格式)";
constexpr int kTitleControls[] = {IDC_CLASS_TITLE_BOLD, IDC_CLASS_TITLE_ITALIC,     IDC_CLASS_TITLE,
                                  IDC_CLASS_TITLE_COLOUR, IDC_CLASS_TITLE_SIZE,    IDC_CLASS_TITLE_FONT,
                                  IDC_CLASS_TITLE_BACK_FLAG};
BYTE Flag(bool on)
{
    return on ? 1 : 0;
}

void SetUpColourButton(CColorButton& button, COLORREF colour, bool track)
{
    button.SetCustomText("More colores...");
    button.SetDefaultText("default");
    button.SetTrackSelection(track ? TRUE : FALSE);
    button.SetColor(colour);
}

} // namespace

RV_MESSAGE_MAP(CForm_DailyDiary, CDiaryDialog,
               msgmap::Command(IDC_DIARY_OK, &T::OnOK),
               msgmap::Command(IDC_DIARY_CANCEL, &T::OnButtonCancel),
               msgmap::Command(IDC_CLASS_SIGN_BUTTON, &T::OnButtonSign),
               msgmap::Command(IDC_CLASS_SYMBOL_BUTTON, &T::OnButtonSymbol),
               msgmap::Command(IDC_CLASS_TABLE_BUTTON, &T::OnButtonTable),
               msgmap::Command(IDC_CLASS_TITLE_FLAG, &T::OnCheckTitle),
               msgmap::Command(IDC_CLASS_TITLE_BACK_FLAG, &T::OnCheckTitleBack),
               msgmap::Command(IDC_CLASS_TEXT_BACK_FLAG, &T::OnCheckTextBack),
               msgmap::Command(IDC_CLASS_LINE_BACK_FLAG, &T::OnCheckLineBack),
               msgmap::Command(IDC_CLASS_SIGN_FLAG, &T::OnCheckSign),
               msgmap::Command(IDC_CLASS_SYMBOL_FLAG, &T::OnCheckSymbol),
               msgmap::Command(IDC_CLASS_TABLE, &T::OnCheckTable),
               msgmap::Command(IDC_CLASS_NUMBERS, &T::OnCheckNumbers),
               msgmap::Command(IDC_CLASS_LETTER_PAPER, &T::OnCheckLetterPaper),
               msgmap::Command(IDC_CLASS_DEFAULT, &T::OnDefault),
               msgmap::Command(IDC_CLASS_REFRESH, &T::OnButtonRefresh),
               msgmap::Command(IDC_CLASS_LINE_COUNT, &T::OnSelchangeLineCount, CBN_SELCHANGE),
               msgmap::Command(IDC_CLASS_TITLE, &T::OnTitleTextOrFaceChange, EN_CHANGE),
               msgmap::Command(IDC_CLASS_PREFIX, &T::ShowSamples, EN_CHANGE),
               msgmap::Command(IDC_CLASS_TITLE_FONT, &T::OnTitleTextOrFaceChange, CBN_SELCHANGE),
               msgmap::Command(IDC_CLASS_TITLE_SIZE, &T::OnSelchangeTitleSize, CBN_SELCHANGE),
               msgmap::Command(IDC_CLASS_LINE_FONT, &T::ShowSamples, CBN_SELCHANGE),
               msgmap::Command(IDC_CLASS_LINE_SIZE, &T::ShowSamples, CBN_SELCHANGE),
               msgmap::Command(IDC_CLASS_TITLE_BOLD, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_TITLE_ITALIC, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_LINE_BOLD, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_LINE_ITALIC, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_LINE_UNDERLINE, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_LINE_STRIKE, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_PREFIX_BOLD, &T::ShowSamples),
               msgmap::Command(IDC_CLASS_PREFIX_ITALIC, &T::ShowSamples),
               msgmap::Message(WM_COLOUR_PICKED, &T::OnColourPicked),
               msgmap::Simple(WM_PAINT, &T::OnPaint))

CForm_DailyDiary::CForm_DailyDiary(CWnd* parent)
    : CDiaryDialog(IDD_DAILY_DIARY, parent), m_nTitleSampleHeight(kSampleHeight)
{
}

void CForm_DailyDiary::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CLASS_GROUP_TITLE, m_groupTitle);
    DDX_Control(dx, IDC_CLASS_GROUP_LINES, m_groupLines);
    DDX_Control(dx, IDC_CLASS_GROUP_LINE_FONT, m_groupLineFont);
    DDX_Control(dx, IDC_CLASS_GROUP_BEFORE, m_groupBefore);
    DDX_Control(dx, IDC_CLASS_GROUP_TABLE, m_groupTable);
    DDX_Control(dx, IDC_CLASS_GROUP_PREFIX, m_groupPrefix);
    DDX_Control(dx, IDC_CLASS_GROUP_SAMPLE, m_groupSample);
    DDX_Control(dx, IDC_CLASS_TITLE, m_editTitle);
    DDX_Control(dx, IDC_CLASS_PREFIX, m_editPrefix);
    DDX_Control(dx, IDC_CLASS_TITLE_FONT, m_comboTitleFont);
    DDX_Control(dx, IDC_CLASS_TITLE_SIZE, m_comboTitleSize);
    DDX_Control(dx, IDC_CLASS_LINE_COUNT, m_comboLineCount);
    DDX_Control(dx, IDC_CLASS_LINE_FONT, m_comboLineFont);
    DDX_Control(dx, IDC_CLASS_LINE_SIZE, m_comboLineSize);
    DDX_Control(dx, IDC_CLASS_TITLE_COLOUR, m_colourTitle);
    DDX_Control(dx, IDC_CLASS_TITLE_BACK, m_colourTitleBack);
    DDX_Control(dx, IDC_CLASS_LINE_COLOUR, m_colourLine);
    DDX_Control(dx, IDC_CLASS_TEXT_BACK, m_colourTextBack);
    DDX_Control(dx, IDC_CLASS_LINE_BACK, m_colourLineBack);
    DDX_Control(dx, IDC_CLASS_PREFIX_COLOUR, m_colourPrefix);
    DDX_Control(dx, IDC_CLASS_SYMBOL_BUTTON, m_buttonSymbol);
    DDX_Control(dx, IDC_CLASS_TABLE_BUTTON, m_buttonTable);
    DDX_Control(dx, IDC_CLASS_SIGN_BUTTON, m_buttonSign);
    DDX_Control(dx, IDC_CLASS_SAMPLE_TITLE, m_sampleTitle);
    DDX_Control(dx, IDC_CLASS_SAMPLE_LINE, m_sampleLine);
    DDX_Control(dx, IDC_CLASS_SAMPLE_PREFIX, m_samplePrefix);
    DDX_Control(dx, IDC_CLASS_SAMPLE_NUMBER, m_sampleNumber);
    DDX_Control(dx, IDC_CLASS_SAMPLE_MORE, m_sampleMore);
}

BOOL CForm_DailyDiary::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    LimitToProfileValue(*this, {IDC_CLASS_TITLE, IDC_CLASS_PREFIX});
    GetDlgItem(IDC_CLASS_SAMPLE_FRAME)->ShowWindow(SW_HIDE);
    m_sampleLine.SetWindowText(kSampleLineText);

    CClientDC dc(this);
    for (CComboBox* fonts : {&m_comboTitleFont, &m_comboLineFont}) {
        FillFontNameCombo(fonts, &dc);
        SelectComboStringKept(fonts, "Tahoma");
    }
    CForm_SetWord::FillFontSizeCombo(&m_comboTitleSize, kFirstFontSize, kLastFontSize, kStartSizeIndex);
    CForm_SetWord::FillFontSizeCombo(&m_comboLineSize, kFirstFontSize, kLastFontSize, kStartSizeIndex);
    CForm_SetWord::FillNumberCombo(&m_comboLineCount, 1, kMostLines);

    SetUpColourButton(m_colourTitleBack, kWhite, true);
    SetUpColourButton(m_colourTitle, kBlack, true);
    SetUpColourButton(m_colourLine, kBlack, true);
    SetUpColourButton(m_colourTextBack, kWhite, false);
    SetUpColourButton(m_colourLineBack, kWhite, true);
    SetUpColourButton(m_colourPrefix, kBlack, true);
    ShowButtonIcon(m_buttonSymbol, IDI_ITEM_SYMBOL);
    ShowButtonIcon(m_buttonTable, IDI_TABLE_STYLE);

    for (CFontLabel* sample : {&m_sampleTitle, &m_sampleLine, &m_samplePrefix})
        sample->SetLabelFont("Tahoma", kSampleHeight, g_clrPreviewTitleFont, kSampleStyle);
    for (CThemedGroupBox* group : {&m_groupTitle, &m_groupLines, &m_groupLineFont, &m_groupBefore, &m_groupTable,
                                   &m_groupPrefix, &m_groupSample})
        group->SetBold(TRUE, TRUE);
    m_groupSample.SetAlignment(1, TRUE);

    OnCheckSign();
    Enable(IDC_CLASS_SYMBOL_BUTTON, Checked(IDC_CLASS_SYMBOL_FLAG));
    Enable(IDC_CLASS_TABLE_BUTTON, Checked(IDC_CLASS_TABLE));
    if (g_bAddClass == 1) {
        Check(IDC_CLASS_TITLE_FLAG, true);
        EnableTitleControls();
        g_nSpecialSign = kStartSign;   // what the sign button first shows is what a new class stores
    } else {
        CString caption;
        caption.Format("Editing : %s", g_currentClass.COL_ID.GetString());
        SetWindowText(caption);
        LoadClass();
    }
    ShowSpecialSign(&m_buttonSign, g_nSpecialSign);   // an edited class without a sign shows none
    UpdatePreview();
    ShowSamples();
    return TRUE;
}

void CForm_DailyDiary::LoadClass()
{
    DiaryClassRecord& c = g_currentClass;
    Check(IDC_CLASS_TITLE_FLAG, c.COL_bCLASS_TITLE != 0);
    m_editTitle.SetWindowText(c.COL_CLASS_TITLE);
    SelectComboStringKept(&m_comboTitleFont, c.COL_CLASS_FONT_NAME);
    SelectComboStringKept(&m_comboTitleSize, c.COL_CLASS_FONT_SIZE);
    for (CString* colour : {&c.COL_CLASS_FONT_COLOR, &c.COL_CLASS_BK_COLOR, &c.COL_LINE_BACKGROUND_COLOR, &c.COL_LINE_COLOR})
        if (colour->IsEmpty())
            *colour = "FFFFFF";
    m_colourTitle.SetColor(HexToColor(c.COL_CLASS_FONT_COLOR));
    Check(IDC_CLASS_TITLE_BACK_FLAG, c.bCOL_CLASS_BK_COLOR != 0);
    m_colourTitleBack.SetColor(HexToColor(c.COL_CLASS_BK_COLOR));
    Check(IDC_CLASS_TITLE_BOLD, c.COL_CLASS_FONT_BOLD != 0);
    Check(IDC_CLASS_TITLE_ITALIC, c.COL_CLASS_FONT_ITALIC != 0);

    CString lines;
    lines.Format("%d", c.COL_LINE_COUNT);
    SelectComboStringKept(&m_comboLineCount, lines);
    Check(IDC_CLASS_TABLE, c.bTable != 0);
    Check(IDC_CLASS_LETTER_PAPER, c.COL_LINE_ClassTable != 0);
    Check(IDC_CLASS_NUMBERS, c.COL_ItemNumber != 0);
    Check(IDC_CLASS_SYMBOL_FLAG, c.COL_bItemSpecial != 0);
    Check(IDC_CLASS_SIGN_FLAG, c.COL_bSpecialSign != 0);
    Enable(IDC_CLASS_SIGN_BUTTON, c.COL_bSpecialSign != 0);

    m_editPrefix.SetWindowText(c.COL_UNDONE_TEXT);
    Check(IDC_CLASS_PREFIX_BOLD, c.COL_UNDONE_FONT_BOLD != 0);
    Check(IDC_CLASS_PREFIX_ITALIC, c.COL_LINE_FontItalicPre != 0);
    m_colourPrefix.SetColor(HexToColor(c.COL_UNDONE_TONT_COLOR));
    m_colourLine.SetColor(HexToColor(c.COL_LINE_TEXT_FONT_COLOR));
    Check(IDC_CLASS_LINE_BOLD, c.COL_LINE_TEXT_FONT_BOLD != 0);
    Check(IDC_CLASS_LINE_ITALIC, c.COL_LINE_FontItalic != 0);
    Check(IDC_CLASS_LINE_UNDERLINE, c.COL_LINE_Underline != 0);
    Check(IDC_CLASS_LINE_STRIKE, c.COL_LINE_DeleteLine != 0);
    Check(IDC_CLASS_LINE_BACK_FLAG, c.COL_LINE_bBACKGROUND_COLOR != 0);
    m_colourLineBack.SetColor(HexToColor(c.COL_LINE_BACKGROUND_COLOR));
    Check(IDC_CLASS_TEXT_BACK_FLAG, c.COL_bLINE_COLOR != 0);
    m_colourTextBack.SetColor(HexToColor(c.COL_LINE_COLOR));
    SelectComboStringKept(&m_comboLineFont, c.COL_LINE_FONT_NAME);
    SelectComboStringKept(&m_comboLineSize, c.COL_LINE_TEXT_FONT_SIZE);
    Check(IDC_CLASS_SNAP_TO_GRID, c.COL_LINE_SnapToGrid != 0);
    Check(IDC_CLASS_BLANK_ROW, c.SpaceRow_ForEveryClass != 0);

    Enable(IDC_CLASS_SYMBOL_BUTTON, Checked(IDC_CLASS_SYMBOL_FLAG));
    Enable(IDC_CLASS_TABLE_BUTTON, Checked(IDC_CLASS_TABLE));
    Enable(IDC_CLASS_TEXT_BACK, Checked(IDC_CLASS_TEXT_BACK_FLAG));
    Enable(IDC_CLASS_LINE_BACK, Checked(IDC_CLASS_LINE_BACK_FLAG));
    EnableTitleControls();
    TakeTitleSampleHeightFromSize();
}

void CForm_DailyDiary::SaveClass()
{
    DiaryClassRecord& c = g_currentClass;
    c.COL_bCLASS_TITLE = Flag(Checked(IDC_CLASS_TITLE_FLAG));
    c.COL_CLASS_TITLE = TrimString(m_editTitle.GetWindowText());
    c.COL_CLASS_FONT_NAME = m_comboTitleFont.GetWindowText();
    c.COL_CLASS_FONT_SIZE = m_comboTitleSize.GetWindowText();
    c.COL_CLASS_FONT_COLOR = ColorToHex(m_colourTitle.GetColor());
    c.COL_CLASS_FONT_BOLD = Flag(Checked(IDC_CLASS_TITLE_BOLD));
    c.COL_CLASS_FONT_ITALIC = Flag(Checked(IDC_CLASS_TITLE_ITALIC));
    c.bCOL_CLASS_BK_COLOR = Flag(Checked(IDC_CLASS_TITLE_BACK_FLAG));
    c.COL_CLASS_BK_COLOR = ColorToHex(m_colourTitleBack.GetColor());
    c.COL_LINE_COUNT = ParseInt(m_comboLineCount.GetWindowText());
    c.COL_ItemNumber = Flag(Checked(IDC_CLASS_NUMBERS));
    c.COL_bItemSpecial = Flag(Checked(IDC_CLASS_SYMBOL_FLAG));
    c.COL_ItemSpecial = g_nItemSpecial;
    c.COL_LINE_ClassTable = Flag(Checked(IDC_CLASS_LETTER_PAPER));
    c.bTable = Flag(Checked(IDC_CLASS_TABLE));
    c.COL_LINE_FONT_NAME = m_comboLineFont.GetWindowText();
    c.COL_LINE_TEXT_FONT_SIZE = m_comboLineSize.GetWindowText();
    c.COL_LINE_TEXT_FONT_BOLD = Flag(Checked(IDC_CLASS_LINE_BOLD));
    c.COL_LINE_FontItalic = Flag(Checked(IDC_CLASS_LINE_ITALIC));
    c.COL_LINE_Underline = Flag(Checked(IDC_CLASS_LINE_UNDERLINE));
    c.COL_LINE_DeleteLine = Flag(Checked(IDC_CLASS_LINE_STRIKE));
    c.COL_LINE_TEXT_FONT_COLOR = ColorToHex(m_colourLine.GetColor());
    c.COL_bLINE_COLOR = Flag(Checked(IDC_CLASS_TEXT_BACK_FLAG));
    c.COL_LINE_COLOR = ColorToHex(m_colourTextBack.GetColor());
    c.COL_LINE_bBACKGROUND_COLOR = Flag(Checked(IDC_CLASS_LINE_BACK_FLAG));
    c.COL_LINE_BACKGROUND_COLOR = ColorToHex(m_colourLineBack.GetColor());
    c.COL_bSpecialSign = Flag(Checked(IDC_CLASS_SIGN_FLAG));
    c.COL_SpecialSign = g_nSpecialSign;
    c.COL_SpecialSign_Color = g_strSpecialSignColor;
    c.COL_UNDONE_TEXT = TrimString(m_editPrefix.GetWindowText());
    c.COL_UNDONE_FONT_BOLD = Flag(Checked(IDC_CLASS_PREFIX_BOLD));
    c.COL_LINE_FontItalicPre = Flag(Checked(IDC_CLASS_PREFIX_ITALIC));
    c.COL_UNDONE_TONT_COLOR = ColorToHex(m_colourPrefix.GetColor());
    c.COL_LINE_SnapToGrid = Flag(Checked(IDC_CLASS_SNAP_TO_GRID));
    c.SpaceRow_ForEveryClass = Flag(Checked(IDC_CLASS_BLANK_ROW));
}

void CForm_DailyDiary::OnDefault()
{
    Check(IDC_CLASS_TITLE_FLAG, true);
    m_editTitle.SetWindowText("今天完成了那些事情?");
    SelectComboStringKept(&m_comboTitleFont, "Tahoma");
    SelectComboString(&m_comboTitleSize, "11");
    Check(IDC_CLASS_TITLE_BOLD, true);
    Check(IDC_CLASS_TITLE_ITALIC, true);
    m_colourTitle.SetColor(kBlack);
    Check(IDC_CLASS_TITLE_BACK_FLAG, false);
    SelectComboString(&m_comboLineCount, "2");
    SelectComboStringKept(&m_comboLineFont, "Tahoma");
    SelectComboString(&m_comboLineSize, "11");
    for (int id : {IDC_CLASS_LINE_UNDERLINE, IDC_CLASS_LINE_STRIKE, IDC_CLASS_LINE_BOLD, IDC_CLASS_LINE_ITALIC,
                   IDC_CLASS_LINE_BACK_FLAG, IDC_CLASS_LETTER_PAPER, IDC_CLASS_TEXT_BACK_FLAG, IDC_CLASS_SNAP_TO_GRID,
                   IDC_CLASS_NUMBERS, IDC_CLASS_SYMBOL_FLAG, IDC_CLASS_TABLE, IDC_CLASS_PREFIX_BOLD,
                   IDC_CLASS_PREFIX_ITALIC, IDC_CLASS_SIGN_FLAG})
        Check(id, false);
    m_colourLineBack.SetColor(kWhite);
    m_colourTextBack.SetColor(kWhite);
    m_colourLine.SetColor(kBlack);
    m_colourPrefix.SetColor(kBlack);
    for (int id : {IDC_CLASS_LINE_BACK, IDC_CLASS_TEXT_BACK, IDC_CLASS_SYMBOL_BUTTON, IDC_CLASS_TABLE_BUTTON,
                   IDC_CLASS_SIGN_BUTTON})
        Enable(id, false);
    m_editPrefix.SetWindowText("[完成]");
    Check(IDC_CLASS_BLANK_ROW, true);
    EnableTitleControls();
    ResetTableLineDefaults();
    TakeTitleSampleHeightFromSize();
    UpdatePreview();
    ShowSamples();
}

void CForm_DailyDiary::OnTitleTextOrFaceChange()
{
    m_nTitleSampleHeight = kSampleHeight;
    ShowSamples();
}

void CForm_DailyDiary::OnSelchangeTitleSize()
{
    TakeTitleSampleHeightFromSize();
    ShowSamples();
}

void CForm_DailyDiary::TakeTitleSampleHeightFromSize()
{
    m_nTitleSampleHeight = 2 * ParseInt(m_comboTitleSize.GetWindowText());
}

void CForm_DailyDiary::OnOK()
{
    SaveClass();
    EndDialog(IDOK);
}

void CForm_DailyDiary::OnButtonSign()
{
    CForm_SpecialSign dialog(this);
    if (dialog.DoModal() == IDOK) {
        ShowSpecialSign(&m_buttonSign, g_nSpecialSign);
        ShowSamples();
    }
}

void CForm_DailyDiary::OnButtonSymbol()
{
    CForm_ItemSpecial dialog(this);
    dialog.DoModal();
    ShowSamples();
}

void CForm_DailyDiary::OnButtonTable()
{
    CForm_Table dialog(this);
    HandOverToTableDialog();
    if (dialog.DoModal() == IDOK) {
        g_currentClass.classTable.bInsertACol = g_classTable.bInsertACol;
        UpdatePreview();
    }
    ShowSamples();
}

void CForm_DailyDiary::HandOverToTableDialog()
{
    g_strPreviewTitleText = m_editTitle.GetWindowText();
    g_strPreviewLineText = m_editPrefix.GetWindowText();
    g_clrPreviewTitleFont = m_colourTitle.GetColor();
    g_clrPreviewLineFont = m_colourPrefix.GetColor();
    g_bPreviewItemNumber = Flag(Checked(IDC_CLASS_NUMBERS));
    g_bPreviewShowTitle = Flag(Checked(IDC_CLASS_TITLE_FLAG));
    g_strPreviewTitleFontName = m_comboTitleFont.GetWindowText();
    g_strPreviewLineFontName = m_comboLineFont.GetWindowText();
    g_strPreviewTitleFontSize = m_comboTitleSize.GetWindowText();
    g_strPreviewLineFontSize = m_comboLineSize.GetWindowText();
    g_strPreviewTitleBold.Format("%d", Flag(Checked(IDC_CLASS_TITLE_BOLD)));
    g_strPreviewTitleItalic.Format("%d", Flag(Checked(IDC_CLASS_TITLE_ITALIC)));
    g_strPreviewLineBold.Format("%d", Flag(Checked(IDC_CLASS_PREFIX_BOLD)));
    g_strPreviewLineItalic.Format("%d", Flag(Checked(IDC_CLASS_PREFIX_ITALIC)));
}

void CForm_DailyDiary::EnableTitleControls()
{
    const bool title = Checked(IDC_CLASS_TITLE_FLAG);
    for (int id : kTitleControls)
        Enable(id, title);
    Enable(IDC_CLASS_TITLE_BACK, title && Checked(IDC_CLASS_TITLE_BACK_FLAG));
}

void CForm_DailyDiary::OnCheckTitle()
{
    EnableTitleControls();
    UpdatePreview();
    ShowSamples();
}

void CForm_DailyDiary::OnCheckTitleBack()
{
    EnableTitleControls();
    ShowSamples();
}

void CForm_DailyDiary::OnCheckTextBack()
{
    Enable(IDC_CLASS_TEXT_BACK, Checked(IDC_CLASS_TEXT_BACK_FLAG));
}

void CForm_DailyDiary::OnCheckLineBack()
{
    Enable(IDC_CLASS_LINE_BACK, Checked(IDC_CLASS_LINE_BACK_FLAG));
    ShowSamples();
}

void CForm_DailyDiary::OnCheckSign()
{
    Enable(IDC_CLASS_SIGN_BUTTON, Checked(IDC_CLASS_SIGN_FLAG));
    ShowSamples();
}

// Numbers and the item symbol exclude each other.
void CForm_DailyDiary::OnCheckSymbol()
{
    if (Checked(IDC_CLASS_SYMBOL_FLAG))
        Check(IDC_CLASS_NUMBERS, false);
    Enable(IDC_CLASS_SYMBOL_BUTTON, Checked(IDC_CLASS_SYMBOL_FLAG));
    ShowSamples();
}

void CForm_DailyDiary::OnCheckNumbers()
{
    if (g_bItemNumberAllowed == 0) {
        MessageBox("增加'项目序号'的类只能增加5个. \r\n 如果你想增加，请取消其他类的'项目编号'。", "Information",
                   MB_ICONINFORMATION);
        Check(IDC_CLASS_NUMBERS, false);
        return;
    }
    Check(IDC_CLASS_SYMBOL_FLAG, false);
    Enable(IDC_CLASS_SYMBOL_BUTTON, false);
    ShowSamples();
}

// The table and the letter-paper lines exclude each other.
void CForm_DailyDiary::OnCheckTable()
{
    Check(IDC_CLASS_LETTER_PAPER, false);
    Enable(IDC_CLASS_TABLE_BUTTON, Checked(IDC_CLASS_TABLE));
    UpdatePreview();
    ShowSamples();
}

void CForm_DailyDiary::OnCheckLetterPaper()
{
    Check(IDC_CLASS_TABLE, false);
    UpdatePreview();
    ShowSamples();
}

void CForm_DailyDiary::OnSelchangeLineCount()
{
    UpdatePreview();
    ShowSamples();
}

void CForm_DailyDiary::OnButtonRefresh()
{
    UpdatePreview();
    ShowSamples();
}

LRESULT CForm_DailyDiary::OnColourPicked(WPARAM, LPARAM)
{
    ShowSamples();
    return 0;
}

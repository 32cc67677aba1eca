// The fonts and colours the main window gives its labels, group boxes and generate button.
#include "app/Form_SetWord.h"
#include "settings/Settings.h"

namespace {

constexpr DWORD kAntialiasedLeft = 0x50;
constexpr DWORD kAntialiasedRight = 0x90;

// The Times New Roman labels take their font height from their own height.
int LabelFontHeight(const CWnd& label)
{
    CRect client;
    label.GetClientRect(&client);
    return client.Height() - 4;
}

void StyleTimesLabel(CFontLabel& label, COLORREF colour, DWORD flags = kAntialiasedLeft)
{
    label.SetLabelFont("Times New Roman", LabelFontHeight(label), colour, flags);
}

} // namespace

void CForm_SetWord::StyleGroupBoxes()
{
    m_groupDiary.SetBold(TRUE, TRUE);
    m_groupDates.SetBold(TRUE, TRUE);
    m_groupPreview.SetBold(TRUE, TRUE);
    m_groupPreview.SetTextColor(RGB(0, 0, 0), FALSE)
        .SetBorderColor(RGB(0, 0, 0), FALSE)
        .SetBold(TRUE, FALSE)
        .SetAlignment(1, FALSE)
        .SetBorderStyle(0, TRUE);
}

void CForm_SetWord::StyleGenerateButton()
{
    m_buttonGenerate.SetFontHeight(30);
    m_buttonGenerate.SetFaceName("Impact");
    m_buttonGenerate.SetTextColor(RGB(0xAA, 0x0B, 0x08));
    m_buttonGenerate.RedrawWindow();
}

void CForm_SetWord::StyleDateLabels()
{
    m_labelMonthSample.SetLabelFont("Tahoma", 24, RGB(0, 0, 0), kAntialiasedLeft);
    m_labelDateSample.SetLabelFont("Tahoma", 24, RGB(0x92, 0x11, 0x11), kAntialiasedLeft);
    StyleTimesLabel(m_labelStart, RGB(0x3A, 0x5F, 0xCD));
    StyleTimesLabel(m_labelEnd, RGB(0x3A, 0x5F, 0xCD));
    StyleTimesLabel(m_labelDayCount, RGB(0xCD, 0x33, 0x33), kAntialiasedRight);
    StyleTimesLabel(m_labelLine, RGB(0, 0, 0));
    StyleTimesLabel(m_labelNote, RGB(0, 0, 0));
    g_bMonthsFontBold = 1;
    g_bDaysFontBold = 1;
}

void CForm_SetWord::StylePreviewCaption()
{
    // Smoothed as the class dialog's and the table dialog's samples are: drawn sharp, an
    // emboldened Chinese character fills in.
    m_labelTitle.SetFontStyle(FST_ANTIALIAS);
    m_labelPrefix.SetFontStyle(FST_ANTIALIAS);
    m_labelTitle.m_textColour = RGB(0x37, 0x63, 0x9A);
    m_labelTitle.RedrawWindow();
}

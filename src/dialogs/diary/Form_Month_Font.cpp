#include "dialogs/diary/Form_Month_Font.h"

#include "resources/ResourceIds.h"
#include "settings/Settings.h"

CString g_strMonthSampleText;

CForm_Month_Font::CForm_Month_Font(CWnd* parent)
    : CHeadingFontDialog(IDD_MONTH_FONT, IDC_MONTH_FONT_SAMPLE, IDC_MONTH_FONT_GROUP, parent)
{
}

void CForm_Month_Font::LoadSettings()
{
    m_sample.SetWindowText(g_strMonthSampleText);
    ShowFont({g_strMonthsFontName, g_strMonthsFontSize, g_strMonthsFontColor, g_bMonthsFontBold, g_bMonthsFontItalic});
}

void CForm_Month_Font::SaveSettings()
{
    const HeadingFont font = ChosenFont();
    g_strMonthsFontName = font.face;
    g_strMonthsFontSize = font.size;
    g_strMonthsFontColor = font.colour;
    g_bMonthsFontBold = font.bold;
    g_bMonthsFontItalic = font.italic;
}

#include "dialogs/diary/Form_SameSetting.h"

#include "resources/ResourceIds.h"
#include "settings/DialogHelpers.h"
#include "settings/SettingsRecords.h"

CForm_SameSetting::CForm_SameSetting(CWnd* parent)
    : CHeadingFontDialog(IDD_SAME_SETTING, IDC_SAME_FORMAT_SAMPLE, IDC_SAME_FORMAT_GROUP, parent)
{
}

BOOL CForm_SameSetting::OnInitDialog()
{
    CHeadingFontDialog::OnInitDialog();
    OnSelchangeFontOrSize();
    return TRUE;
}

void CForm_SameSetting::PrepareControls()
{
    m_sample.SetWindowText("这里将会是您在Word日记里输入的内容.(请设置格式)");
    m_sample.SetBackground(kWhite);
}

void CForm_SameSetting::LoadSettings()
{
    const SameFormatSettings& same = g_sameFormat;
    ShowFont({same.FontName, same.FontSize, same.FontColor, same.bBold});
}

void CForm_SameSetting::SaveSettings()
{
    const HeadingFont font = ChosenFont();
    SameFormatSettings& same = g_sameFormat;
    same.bBold = font.bold;
    same.FontName = font.face;
    same.FontSize = font.size;
    same.FontColor = font.colour;
}

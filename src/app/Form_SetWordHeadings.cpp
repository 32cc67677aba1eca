// The main window's heading commands: the month and date heading dialogs opened from their
// format buttons, and one format applied to every class.
#include "app/Form_SetWord.h"
#include "dialogs/diary/Form_Date_Font.h"
#include "dialogs/diary/Form_Month_Font.h"
#include "dialogs/diary/Form_SameSetting.h"
#include "platform/Files.h"
#include "settings/DialogHelpers.h"
#include "settings/SettingsRecords.h"

void CForm_SetWord::OnButtonMonthFormat()
{
    g_strMonthSampleText = m_labelMonthSample.GetWindowText();
    if (g_strMonthSampleText.IsEmpty()) {
        MessageBox(NoMonthTitleReason());
        OnButtonRefreshPreview();
        return;
    }
    CForm_Month_Font dialog(this);
    if (dialog.DoModal() == IDOK)
        ApplyMonthFormatSample();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnButtonDateFormat()
{
    g_strDateSampleText = m_labelDateSample.GetWindowText();
    if (g_strDateSampleText.IsEmpty()) {
        OnButtonRefreshPreview();
        MessageBox(NoDateReason());
        return;
    }
    CForm_Date_Font dialog(this);
    if (dialog.DoModal() == IDOK)
        ApplyDateFormatSample();
    OnButtonRefreshPreview();
}

void CForm_SetWord::OnButtonSameFormat()
{
    if (m_listClasses.GetItemCount() == 0)
        return;
    CForm_SameSetting dialog(this);
    if (dialog.DoModal() == IDOK) {
        const SameFormatSettings& same = g_sameFormat;
        const CString bold = BoolToYesNo(same.bBold);
        for (int row = 0; row < m_listClasses.GetItemCount(); ++row) {
            for (int column : {kCellClassFontName, kCellLineFontName})
                m_listClasses.SetItemText(row, column, same.FontName);
            for (int column : {kCellClassFontSize, kCellLineFontSize})
                m_listClasses.SetItemText(row, column, same.FontSize);
            for (int column : {kCellClassFontColor, kCellUndoneColor, kCellLineTextColor})
                m_listClasses.SetItemText(row, column, same.FontColor);
            for (int column : {kCellClassBold, kCellUndoneBold, kCellLineBold})
                m_listClasses.SetItemText(row, column, bold);
        }
        RefreshClassPreview(m_nCurrentRow);
        SelectListRow(m_nCurrentRow);
    }
    OnButtonRefreshPreview();
}

void CForm_SetWord::InitDefaultFontName()
{
    m_strDefaultFontName = "Tahoma";
    Invalidate();
    UpdateWindow();
}

// Motto lines come only from a file that is named and there.
void CForm_SetWord::ClearMottoWithoutFile()
{
    if (g_addText.FileName.IsEmpty() || !platform::PathExists(g_addText.FileName.str()))
        g_addText.AddText = 0;
}

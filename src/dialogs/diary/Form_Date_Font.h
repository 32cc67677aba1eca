#pragma once
// Dialog 265 "Date Settings": the look of the date heading of every daily page (the Days_
// settings), the page break, the blank line under it, its box (dialog 259) and the motto line
// of each day (dialog 257). Its own values are stored on OK only; what the two dialogs it
// opens store on their OK stays stored.

#include "dialogs/diary/HeadingFontDialog.h"
#include "dialogs/diary/IconButtons.h"

// The main window's date sample, handed over before the dialog opens.
extern CString g_strDateSampleText;

class CForm_Date_Font : public CHeadingFontDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_Date_Font(CWnd* parent = nullptr);

    void LoadSettings() override;
    void SaveSettings() override;

    CColorButton m_colourBack;
    CImageButton m_buttonTable;
    CButton m_buttonMotto;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void PrepareControls() override;

private:
    void OnCheckBackground();
    void OnCheckTable();
    void OnCheckMotto();
    void OnButtonTable();
    void OnButtonMotto();
    LRESULT OnColourPickedHere(WPARAM colour, LPARAM id);
    LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
    void ShowMottoPath();
    void ShowSampleBackground(COLORREF colour);
};

#pragma once
// Dialog 257 "Add Text": the motto file of the daily pages and the look of its line. It shows
// the file's lines (number, text as read, length), deletes lines and writes the rest back
// ("Save", at once), opens the file or its folder, and edits the line's font, background,
// loop and box. The look goes to g_addText on OK only; the box check and the box dialog write
// g_textTable at once.

#include "controls/ColourButton/ColourButton.h"
#include "controls/FontLabel/FontLabel.h"
#include "controls/lists/OwnerDrawList.h"
#include "dialogs/diary/DiaryDialog.h"
#include "dialogs/diary/IconButtons.h"
#include "settings/TextLineRecord.h"

#include <vector>

// The chosen file's lines as the dialog works on them: row i of the list is element i until a
// row is deleted; "Save" writes them.
extern std::vector<TextLineRecord> g_vecTextLines;

class CForm_AddText : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_AddText(CWnd* parent = nullptr);

    // The list's rows from the file: one per kept line, ending after more than 100 short lines;
    // the working list is not touched.
    static void LoadTextFile(const CString& path, CListCtrl& list);
    void LoadSettings();
    void SaveSettings();

    CEdit m_editPath;
    CComboBox m_comboFont;
    CComboBox m_comboSize;
    CColorButton m_colourFont;
    CColorButton m_colourBack;
    CFontLabel m_preview;
    COwnerDrawList m_listLines;
    CImageButton m_buttonTable;   // 1038: the box round the motto line (dialog 259)
    int m_nCurrentRow = 0;
    // Why the file shown could not be read into the working list (0: it was): "Save" then
    // refuses, since it would write the file's lines over with none.
    int m_nReadError = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    // Enter stores as "OK" does.
    void OnOK() override;

private:
    void OnButtonCancelText();
    void OnSelectTextFile();
    void OnOpenTextFile();
    void OnOpenFolder();
    void OnCheckTable();
    void OnTableSettings();
    void OnCheckBackground();
    LRESULT OnColourPicked(WPARAM colour, LPARAM id);
    void OnClickLines(NMHDR* header, LRESULT* result);
    void OnDblclkLines(NMHDR* header, LRESULT* result);
    void OnKeydownLines(NMHDR* header, LRESULT* result);
    void OnLinesItemChanged(NMHDR* header, LRESULT* result);
    void OnDetail();
    void OnDelete();
    void OnDeleteAll();
    void OnSave();

    void SetUpList();
    void ShowCount();
    void ShowRow(int row);
    void SelectRow(int row);
    // The working list from the file; a file that gives none is told.
    void ReadWorkingList(const CString& path);
    // The preview in the look the controls show now.
    void ShowPreview();
};

#pragma once
// Dialog 245 "Item Special Character": 21 item symbols, one list each. A click on a symbol sets
// g_nItemSpecial at once; OK and Cancel only close the dialog.

#include "dialogs/diary/DiaryDialog.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"
#include "resources/PickerIds.h"

class CForm_ItemSpecial : public CDiaryDialog {
    RV_DECLARE_MESSAGE_MAP()
public:
    explicit CForm_ItemSpecial(CWnd* parent = nullptr);

    // Pictures 1 to count of "config/pic/item_special/20NN.bmp"; the first missing one ends the list.
    void LoadSymbolBitmaps(int count);

    CListCtrl m_lists[kItemSymbolCount];
    CImageList m_images;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnClickSymbol(UINT id, NMHDR* header, LRESULT* result);
    void OnSymbolItemChanged(UINT id, NMHDR* header, LRESULT* result);
    // The symbol becomes g_nItemSpecial and the only one shown selected.
    void ChooseSymbol(int symbol);
    void OnShowWindow(BOOL show, UINT status);
    void OnButtonOK();
    void OnDestroy();
};

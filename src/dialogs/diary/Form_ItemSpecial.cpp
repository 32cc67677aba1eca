#include "dialogs/diary/Form_ItemSpecial.h"

#include "app/CurrentClass.h"
#include "controls/lists/ChoiceList.h"
#include "platform/Files.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "resources/DiaryDialogIds.h"
#include "resources/ResourceIds.h"
#include "settings/Settings.h"
#include "settings/ui/DialogPictures.h"

namespace {

constexpr int kPictureSize = 32;
constexpr COLORREF kMaskColour = RGB(100, 100, 100);

// The symbol number of a list, 0 for another control.
int SymbolOfList(UINT id)
{
    for (int index = 0; index < kItemSymbolCount; ++index)
        if (static_cast<UINT>(kItemSymbolListIds[index]) == id)
            return index + 1;
    return 0;
}

} // namespace

RV_MESSAGE_MAP(CForm_ItemSpecial, CDiaryDialog,
               msgmap::Command(IDC_DIARY_OK, &T::OnButtonOK),
               msgmap::Command(IDC_DIARY_CANCEL, &T::OnButtonCancel),
               msgmap::NotifyRange(NM_CLICK, kFirstSymbolListId, kLastSymbolListId, &T::OnClickSymbol),
               msgmap::NotifyRange(LVN_ITEMCHANGED, kFirstSymbolListId, kLastSymbolListId, &T::OnSymbolItemChanged),
               msgmap::ShowWindow(&T::OnShowWindow),
               msgmap::Simple(WM_DESTROY, &T::OnDestroy))

CForm_ItemSpecial::CForm_ItemSpecial(CWnd* parent) : CDiaryDialog(IDD_ITEM_SPECIAL, parent) {}

void CForm_ItemSpecial::DoDataExchange(CDataExchange* dx)
{
    CDiaryDialog::DoDataExchange(dx);
    for (int index = 0; index < kItemSymbolCount; ++index)
        DDX_Control(dx, kItemSymbolListIds[index], m_lists[index]);
}

BOOL CForm_ItemSpecial::OnInitDialog()
{
    CDiaryDialog::OnInitDialog();
    m_images.Create(kPictureSize, kPictureSize, ILC_MASK | ILC_COLOR32, 0, 0);
    LoadSymbolBitmaps(kItemSymbolCount);
    for (int index = 0; index < kItemSymbolCount; ++index) {
        CListCtrl& list = m_lists[index];
        list.DeleteAllItems();
        while (list.DeleteColumn(0)) {
        }
        // The column fills the list, so a symbol shows without scroll bars.
        CRect client;
        list.GetClientRect(&client);
        list.InsertColumn(0, "", LVCFMT_LEFT, client.Width());
        list.SetImageList(&m_images, LVSIL_SMALL);
        list.InsertItem(0, "", index);
    }
    return TRUE;
}

void CForm_ItemSpecial::LoadSymbolBitmaps(int count)
{
    for (int number = 1; number <= count; ++number) {
        const CString path = g_strExeFolder + ItemSymbolPicturePath(number);
        if (!platform::PathExists(path.str()))
            return;
        CBitmap picture;
        if (picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)))
            m_images.Add(&picture, kMaskColour);
    }
}

void CForm_ItemSpecial::OnShowWindow(BOOL, UINT)
{
    Default();
    if (g_nItemSpecial < 1 || g_nItemSpecial > kItemSymbolCount)
        return;
    CListCtrl& list = m_lists[g_nItemSpecial - 1];
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.EnsureVisible(0, FALSE);
    list.RedrawItems(0, 0);
    list.SetFocus();
}

void CForm_ItemSpecial::OnClickSymbol(UINT id, NMHDR*, LRESULT* result)
{
    if (const int symbol = SymbolOfList(id); symbol > 0)
        ChooseSymbol(symbol);
    *result = 0;
}

// Each symbol is a list of its own: a symbol the keys select (Tab to it, an arrow or Home) is
// chosen as a clicked one is.
void CForm_ItemSpecial::OnSymbolItemChanged(UINT id, NMHDR* header, LRESULT* result)
{
    *result = 0;
    if (const int symbol = SymbolOfList(id); symbol > 0 && ChosenRow(m_lists[symbol - 1], header))
        ChooseSymbol(symbol);
}

void CForm_ItemSpecial::ChooseSymbol(int symbol)
{
    g_nItemSpecial = symbol;
    for (int index = 0; index < kItemSymbolCount; ++index)
        m_lists[index].SetItemState(0, index == symbol - 1 ? LVIS_SELECTED : 0u, LVIS_SELECTED);
}

void CForm_ItemSpecial::OnButtonOK()
{
    EndDialog(IDOK);
}

void CForm_ItemSpecial::OnDestroy()
{
    Default();
    m_images.DeleteImageList();
}

#include "dialogs/diary/LineTypeList.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "settings/Settings.h"

namespace {

struct LineType {
    const char* name;
    const char* pen;
};
constexpr LineType kLineTypes[] = {{"single", "0"},     {"dotted", "2"},  {"dashSmallGap", "6"},
                                   {"dashed", "1"},     {"dotDash", "3"}, {"dotDotDash", "4"},
                                   {"wave", "0"}};
constexpr int kLineTypeCount = 7;
constexpr int kLineTypeWidth = 121;
constexpr int kLineTypeHeight = 22;
constexpr int kLineTypeColumnWidth = 130;
// The check box stands in front of the picture in the same column.
constexpr int kCheckBoxWidth = 24;
constexpr COLORREF kMaskColour = RGB(100, 100, 100);
constexpr DWORD kPictureListStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES;

LineTypeChoice ChoiceOf(const CListCtrl& list, int row)
{
    return {row, list.GetItemText(row, 1), list.GetItemText(row, 2)};
}

} // namespace

void FillLineTypeList(CListCtrl& list, CImageList& images, const char* heading)
{
    list.InsertColumn(0, heading, LVCFMT_LEFT, kLineTypeColumnWidth + kCheckBoxWidth);
    list.InsertColumn(1, "Line Name", LVCFMT_LEFT, 0);
    list.InsertColumn(2, "Line Draw", LVCFMT_LEFT, 0);
    list.SetExtendedStyle(list.GetExtendedStyle() | kPictureListStyle);
    images.Create(kLineTypeWidth, kLineTypeHeight, ILC_MASK | ILC_COLOR32, 0, 0);
    list.SetImageList(&images, LVSIL_SMALL);
    list.DeleteAllItems();
    for (int number = 1; number <= kLineTypeCount; ++number) {
        CString path;
        path.Format("%sconfig/pic/LineType/LineType%d.bmp", g_strExeFolder.GetString(), number);
        CBitmap picture;
        if (picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) &&
            images.Add(&picture, kMaskColour) >= 0)
            list.InsertItem(list.GetItemCount(), "", images.GetImageCount() - 1);
    }
    if (list.GetItemCount() != kLineTypeCount)
        return;
    for (int row = 0; row < kLineTypeCount; ++row) {
        list.SetItemText(row, 1, kLineTypes[row].name);
        list.SetItemText(row, 2, kLineTypes[row].pen);
    }
}

LineTypeChoice ChooseLineType(CListCtrl& list, const CString& name)
{
    UntickAllRows(list);
    int chosen = 0;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        if (list.GetItemText(row, 1) != name)
            continue;
        chosen = row;
        list.SetCheck(row, TRUE);
        list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        list.EnsureVisible(row, FALSE);
        break;
    }
    list.Invalidate();
    return ChoiceOf(list, chosen);
}

std::optional<LineTypeChoice> ClickLineType(CListCtrl& list, const NMHDR* header)
{
    const int row = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    if (row < 0 || !list.GetItemState(row, LVIS_SELECTED))
        return std::nullopt;
    UntickAllRows(list);
    list.SetCheck(row, TRUE);
    return ChoiceOf(list, row);
}

void UntickAllRows(CListCtrl& list)
{
    for (int row = 0; row < list.GetItemCount(); ++row)
        list.SetCheck(row, FALSE);
}

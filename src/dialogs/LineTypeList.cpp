#include "dialogs/LineTypeList.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "settings/IniValues.h"
#include "settings/Settings.h"

#include <algorithm>

namespace {

struct LineType {
    const char* word;
    const char* pen;
};
constexpr LineType kLineTypes[kLineTypeCount] = {{"single", "0"}, {"dotted", "2"},     {"dashSmallGap", "6"},
                                                 {"dashed", "1"}, {"dotDash", "3"},    {"dotDotDash", "4"},
                                                 {"wave", "0"}};
constexpr int kPictureWidth = 121;
constexpr int kPictureHeight = 22;
constexpr int kPictureColumnWidth = 130;
// The check box stands in front of the picture in the same column.
constexpr int kCheckBoxWidth = 24;
constexpr COLORREF kMaskColour = RGB(100, 100, 100);

int AddPicture(CImageList& images, int number)
{
    CString path;
    path.Format("%sconfig/pic/LineType/LineType%d.bmp", g_strExeFolder.GetString(), number);
    CBitmap picture;
    if (!picture.Attach(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)))
        return -1;
    return images.Add(&picture, kMaskColour);
}

LineTypeChoice ChoiceOf(const CListCtrl& list, int row)
{
    return {row, list.GetItemText(row, kLineNameColumn), list.GetItemText(row, kLineDrawColumn)};
}

} // namespace

std::array<int, kLineTypeCount> LoadLineTypeImages(CImageList& images)
{
    images.Create(kPictureWidth, kPictureHeight, ILC_MASK | ILC_COLOR32, 0, kLineTypeCount);
    std::array<int, kLineTypeCount> pictures{};
    for (std::size_t row = 0; row < pictures.size(); ++row)
        pictures[row] = AddPicture(images, static_cast<int>(row) + 1);
    return pictures;
}

void InitLineTypeList(CListCtrl& list, CImageList& images, const std::array<int, kLineTypeCount>& pictures,
                      const char* caption)
{
    list.DeleteAllItems();
    while (list.DeleteColumn(0)) {
    }
    list.InsertColumn(0, caption, LVCFMT_LEFT, kPictureColumnWidth + kCheckBoxWidth);
    list.InsertColumn(kLineNameColumn, "Line Name", LVCFMT_CENTER, 0);
    list.InsertColumn(kLineDrawColumn, "Line Draw", LVCFMT_CENTER, 0);
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    list.SetImageList(&images, LVSIL_SMALL);
    for (int row = 0; row < kLineTypeCount; ++row) {
        list.InsertItem(row, "", pictures[static_cast<std::size_t>(row)]);
        list.SetItemText(row, kLineNameColumn, kLineTypes[row].word);
        list.SetItemText(row, kLineDrawColumn, kLineTypes[row].pen);
    }
    FitPictureColumn(list);
}

void FitPictureColumn(CListCtrl& list)
{
    CRect client;
    list.GetClientRect(&client);
    list.SetColumnWidth(0, std::max(list.GetColumnWidth(0), static_cast<int>(client.Width())));
}

void FillLineTypeList(CListCtrl& list, CImageList& images, const char* caption)
{
    InitLineTypeList(list, images, LoadLineTypeImages(images), caption);
}

// The selection goes first: the list keeps the tick on its selected row.
int SelectLineType(CChoiceList& list, const CString& word)
{
    int chosen = -1;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        list.SetItemState(row, 0, LVIS_SELECTED | LVIS_FOCUSED);
        if (chosen < 0 && list.GetItemText(row, kLineNameColumn) == word)
            chosen = row;
    }
    for (int row = 0; row < list.GetItemCount(); ++row)
        list.SetCheck(row, FALSE);
    if (chosen >= 0) {
        list.SetCheck(chosen, TRUE);
        list.SetItemState(chosen, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list.EnsureVisible(chosen, FALSE);
    }
    list.Invalidate();
    return chosen;
}

int PreviewPenStyle(const CString& lineDraw)
{
    const int pen = ParseInt(lineDraw);
    return pen == kInsideFramePen ? PS_SOLID : pen;
}

LineTypeChoice ChooseLineType(CChoiceList& list, const CString& name)
{
    return ChoiceOf(list, std::max(SelectLineType(list, name), 0));
}

std::optional<LineTypeChoice> ChosenLineType(const CChoiceList& list, const NMHDR* header)
{
    if (const auto row = ChosenRow(list, header))
        return ChoiceOf(list, *row);
    return std::nullopt;
}

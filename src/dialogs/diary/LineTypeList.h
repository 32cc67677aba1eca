#pragma once
// The list of the seven border line types that the table dialogs offer: one picture a row,
// with the border word and the preview's pen style in two hidden columns.

#include "platform/ui/ImageList.h"
#include "platform/ui/ListCtrl.h"

#include <optional>

struct LineTypeChoice {
    int row = 0;
    CString name;   // the border word written to the document
    CString pen;    // the preview's pen style; "6" is laid by hand
};

// The columns (the visible one under the heading), the pictures and the hidden words. A picture
// that does not load leaves its row out, and then no row gets its words.
void FillLineTypeList(CListCtrl& list, CImageList& images, const char* heading);

// The first row of that name is chosen and alone ticked; with none, row 0 is chosen and no row
// is ticked.
LineTypeChoice ChooseLineType(CListCtrl& list, const CString& name);

// A click that hit a selected row chooses it and ticks it alone; any other click chooses nothing.
std::optional<LineTypeChoice> ClickLineType(CListCtrl& list, const NMHDR* header);

void UntickAllRows(CListCtrl& list);

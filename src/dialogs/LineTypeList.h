#pragma once
// The list of the seven border words that the table and calendar dialogs offer, each row showing its
// picture "config/pic/LineType/LineTypeN.bmp" and holding its word ("Line Name") and the pen
// style its preview draws it with ("Line Draw") in two hidden columns.

#include "controls/lists/ChoiceList.h"
#include "platform/ui/ImageList.h"

#include <array>
#include <optional>

inline constexpr int kLineTypeCount = 7;
inline constexpr int kLineNameColumn = 1;
inline constexpr int kLineDrawColumn = 2;
// The pen style that stands for a line laid by hand; the calendar previews draw it solid.
inline constexpr int kInsideFramePen = 6;

// The seven pictures into a new image list: each row's index in it, -1 for a picture that does
// not load.
std::array<int, kLineTypeCount> LoadLineTypeImages(CImageList& images);
// Seven rows, each with its own picture; a picture that did not load leaves its row without
// one (the rows after it keep theirs).
void InitLineTypeList(CListCtrl& list, CImageList& images, const std::array<int, kLineTypeCount>& pictures,
                      const char* caption);
// Both, for a list with an image list of its own.
void FillLineTypeList(CListCtrl& list, CImageList& images, const char* caption);

// Widens the picture column of a picture list to the list's right edge (its scroll bar aside),
// so no empty column shows beside it; called once the rows are in.
void FitPictureColumn(CListCtrl& list);

// Unticks and deselects every row; the first row of that word is ticked, selected and shown.
// Its index, or -1 when no row has the word.
int SelectLineType(CChoiceList& list, const CString& word);

// The pen style of a "Line Draw" text, the hand-laid one drawn solid.
int PreviewPenStyle(const CString& lineDraw);

// A row of the list with its two words.
struct LineTypeChoice {
    int row = 0;
    CString name;   // the border word written to the document
    CString pen;    // the preview's pen style; "6" is laid by hand
};

// SelectLineType with the row's words; with no row of that word, row 0 (nothing ticked).
LineTypeChoice ChooseLineType(CChoiceList& list, const CString& name);
// The row a notification of the list chose (ChosenRow) with its words.
std::optional<LineTypeChoice> ChosenLineType(const CChoiceList& list, const NMHDR* header);

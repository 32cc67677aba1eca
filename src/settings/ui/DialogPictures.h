#pragma once
// Pictures the dialogs show on their controls: the item-symbol pictures and the add-text
// picture, loaded from files under the program folder's config/pic. A picture that does not
// load leaves the control as it was.

#include "platform/ui/StandardControls.h"

// "config/pic/item_special/20NN.bmp" of a symbol number (00 stands for no symbol).
CString ItemSymbolPicturePath(int number);

// Its highlighted variant, "config/pic/item_special/20NN_Sel.bmp".
CString SelectedItemSymbolPicturePath(int number);

// The picture of a .bmp file on a button or a bitmap static.
void ShowPictureFile(CWnd* control, const CString& path);
void SetItemSpecialBitmap(CWnd* control, int number);
void SetItemSpecialButtonBitmap(CWnd* control, int number);
// A special sign's picture, or picture 0 (no symbol) for a number that names no sign, so the
// control never goes on showing a sign that is not the one stored.
void ShowSpecialSign(CWnd* control, int sign);
// For a label: switches it to show a bitmap first.
void SetItemSpecialButtonBitmapEx(CWnd* control, int number);
void SetAddTextBitmap(CWnd* control);

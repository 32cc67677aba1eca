#include "settings/ui/DialogPictures.h"

#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"
#include "settings/DialogHelpers.h"

namespace {

// The bitmap style of a static control, which makes it show a picture instead of text.
constexpr DWORD kBitmapStyle = 0x0E;

HBITMAP LoadPicture(const CString& path)
{
    return static_cast<HBITMAP>(LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

// Shows the picture; the one it replaces was loaded here too, so it goes.
void Show(CWnd* control, HBITMAP picture)
{
    if (!control || !picture)
        return;
    HBITMAP previous = nullptr;
    if (auto* button = dynamic_cast<CButton*>(control))
        previous = button->SetBitmap(picture);
    else if (auto* label = dynamic_cast<CStatic*>(control))
        previous = label->SetBitmap(picture);
    if (previous)
        DeleteObject(previous);
}

} // namespace

CString ItemSymbolPicturePath(int number)
{
    CString path;
    path.Format("config/pic/item_special/20%02d.bmp", number);
    return path;
}

CString SelectedItemSymbolPicturePath(int number)
{
    CString path;
    path.Format("config/pic/item_special/20%02d_Sel.bmp", number);
    return path;
}

void ShowPictureFile(CWnd* control, const CString& path)
{
    Show(control, LoadPicture(path));
}

void SetItemSpecialBitmap(CWnd* control, int number)
{
    ShowPictureFile(control, ItemSymbolPicturePath(number));
}

void SetItemSpecialButtonBitmap(CWnd* control, int number)
{
    SetItemSpecialBitmap(control, number);
}

void ShowSpecialSign(CWnd* control, int sign)
{
    SetItemSpecialBitmap(control, IsSpecialSign(sign) ? sign : 0);
}

void SetItemSpecialButtonBitmapEx(CWnd* control, int number)
{
    const HBITMAP picture = control ? LoadPicture(ItemSymbolPicturePath(number)) : nullptr;
    if (!picture)
        return;
    control->ModifyStyle(0, kBitmapStyle);
    Show(control, picture);
}

void SetAddTextBitmap(CWnd* control)
{
    Show(control, LoadPicture("config/pic/add_txt.bmp"));
}

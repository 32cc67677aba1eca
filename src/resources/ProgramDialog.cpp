#include "resources/DialogTemplates.h"

#include "platform/ui/WinMessages.h"
#include "resources/ResourceIds.h"

#include <string>

DialogTemplate ProgramDialog(UINT id, const char* caption, int cx, int cy, DWORD style)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = caption;
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.fontFace = "Tahoma";
    dialog.fontPoints = 9;
    dialog.style = style;
    return dialog;
}

ControlTemplate PictureStatic(int id, UINT bitmap, int x, int y, int cx, int cy)
{
    // "#302" names bitmap resource 302.
    return {ControlClass::Static, id, "#" + std::to_string(bitmap), x, y, cx, cy, SS_BITMAP};
}

ControlTemplate StylePicture(UINT bitmap, int x, int y)
{
    ControlTemplate picture = PictureStatic(IDC_STATIC, bitmap, x, y, kStylePictureSize, kStylePictureSize);
    picture.exStyle = WS_EX_TRANSPARENT;
    return picture;
}

ControlTemplate SignPicture(int id, int x, int y, int cx, int cy)
{
    return {ControlClass::Static, id, "", x, y, cx, cy, SS_BITMAP | SS_REALSIZECONTROL, WS_EX_TRANSPARENT};
}

ControlTemplate WithPicture(ControlTemplate button, UINT bitmap)
{
    button.style |= BS_BITMAP;
    button.bitmap = bitmap;
    return button;
}

#include "resources/DialogTemplates.h"

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

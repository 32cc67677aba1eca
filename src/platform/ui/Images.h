#pragma once
// Bitmaps and icons from files, and the icon functions of the Windows API the program calls.
// Free of Qt.

#include "platform/ui/GdiDefs.h"

#include <cstddef>

// Reads a .bmp (IMAGE_BITMAP) or .ico (IMAGE_ICON) file: LR_LOADFROMFILE must be given, as
// resources come from elsewhere. "\" in the path counts as a separator. A size of 0 keeps the
// image's own; LR_MONOCHROME gives a black and white copy. nullptr when the file cannot be read.
HGDIOBJ LoadImage(std::nullptr_t module, LPCTSTR path, UINT type, int cx, int cy, UINT flags);
// A new bitmap or icon of the given size (0 keeps the size), black and white with LR_MONOCHROME.
HGDIOBJ CopyImage(HGDIOBJ image, UINT type, int cx, int cy, UINT flags);

BOOL DestroyIcon(HICON icon);
// New bitmaps the caller deletes: the mask is white where the icon is transparent, the colour
// bitmap black there. The hot spot is the centre.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
// An icon from a colour bitmap and its mask.
HICON CreateIconIndirect(const ICONINFO* info);

#pragma once
// The program's resources by id: strings of the string table and icons. The program
// registers them at start (icons as files under config/pic); the layer looks them up.

#include "platform/CString.h"
#include "platform/ui/GdiDefs.h"

#include <optional>

void RegisterStringResource(UINT id, const CString& text);
std::optional<CString> LoadResourceString(UINT id);

void RegisterIconResource(UINT id, const CString& path);
// The icon at that size (0 keeps its own); nullptr when the id or its file is unknown.
HICON LoadIconResource(UINT id, int cx, int cy);

// The pixels of a bitmap as 32-bit words (blue, green, red, alpha from the low byte up),
// row by row from the top; returns the bytes copied, 0 for a handle that is no bitmap.
LONG GetBitmapBits(HBITMAP bitmap, LONG count, void* bits);

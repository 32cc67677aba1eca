#pragma once
// The program's resources by id: strings of the string table and icons. The program
// registers them at start (icons as files under config/pic); the layer looks them up.

#include "platform/CString.h"
#include "platform/ui/GdiDefs.h"

#include <optional>
#include <vector>

void RegisterStringResource(UINT id, const CString& text);
std::optional<CString> LoadResourceString(UINT id);

void RegisterIconResource(UINT id, const CString& path);
// The icon at that size (0 keeps its own); nullptr when the id or its file is unknown.
HICON LoadIconResource(UINT id, int cx, int cy);

void RegisterBitmapResource(UINT id, const CString& path);
// A new bitmap for the caller to delete; nullptr when the id or its file is unknown.
HBITMAP LoadBitmapResource(UINT id);

// Resources of other types, as the bytes the resource compiler would have stored.
constexpr UINT RT_TOOLBAR = 241;
void RegisterDataResource(UINT id, UINT type, std::vector<BYTE> data);
// nullptr when there is none.
const std::vector<BYTE>* FindDataResource(UINT id, UINT type);
// Resources of a type the program names itself ("JPG", "PNG"...).
void RegisterCustomResource(UINT id, const CString& type, std::vector<BYTE> data);
const std::vector<BYTE>* FindCustomResource(UINT id, const CString& type);

// The pixels of a bitmap as 32-bit words (blue, green, red, alpha from the low byte up),
// row by row from the top; returns the bytes copied, 0 for a handle that is no bitmap.
LONG GetBitmapBits(HBITMAP bitmap, LONG count, void* bits);

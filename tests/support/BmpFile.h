#pragma once
// Writes small pictures as .bmp files for tests that load pictures.

#include "platform/WinTypes.h"

#include <string>

// A 24-bit picture of one colour.
void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour);

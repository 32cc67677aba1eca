#pragma once
// Writes small pictures as .bmp files for tests that load pictures, and reads the shipped ones.

#include "platform/WinTypes.h"

#include <string>
#include <vector>

// A 24-bit picture of one colour.
void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour);

struct BmpPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;   // rows from the top
    COLORREF Pixel(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
// A 24-bit .bmp stored from the bottom up, as our painter writes them; empty when it is not one.
BmpPixels ReadBmp(const std::string& path);

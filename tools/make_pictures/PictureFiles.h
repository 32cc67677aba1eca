#pragma once
// Pictures as plain pixels, and the few operations the picture maker needs on them.

#include "platform/WinTypes.h"

#include <string>
#include <vector>

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;   // row by row from the top

    COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y * width + x)]; }
};

// The part of a picture at (x, y) of that size.
Pixels Crop(const Pixels& picture, int x, int y, int width, int height);
// The picture shrunk (each target pixel the average of the pixels it covers) to fit the size
// whole, centred on the background.
Pixels Fit(const Pixels& picture, int width, int height, COLORREF background);

// A window's picture shrunk onto a desktop of that size, with a margin and a dark frame, so it
// reads as a picture of a window rather than as the window itself.
Pixels OnDesktop(const Pixels& window, int width, int height, COLORREF desktop);

bool WriteBmp(const std::string& path, const Pixels& picture);
// A 32 x 32 icon, transparent where the picture has the mask colour.
bool WriteIcon(const std::string& path, const Pixels& picture, COLORREF mask);

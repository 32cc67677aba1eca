#pragma once
// A picture in any format the desktop's image readers know (BMP, JPEG, GIF, PNG, ICO among
// them), kept with the bytes it was read from. Sizes are in HIMETRIC units (hundredths of a
// millimetre) at 96 pixels per inch, as picture objects report them. Free of Qt.

#include "platform/ui/WinDef.h"

#include <memory>
#include <vector>

class CDC;

class Picture {
public:
    // nullptr when no reader understands the bytes.
    static std::unique_ptr<Picture> FromBytes(std::vector<BYTE> bytes);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    LONG HimetricWidth() const;
    LONG HimetricHeight() const;
    // Appends the picture's data, exactly the bytes it was read from, to the stream; returns
    // their count.
    LONG SaveAsFile(std::vector<BYTE>& stream) const;
    // Draws the whole picture stretched into the rectangle; FALSE when nothing could be drawn.
    BOOL Render(CDC* dc, int x, int y, int cx, int cy) const;

private:
    struct Data;
    explicit Picture(std::unique_ptr<Data> data);
    std::unique_ptr<Data> m_data;
};

// A size in HIMETRIC units as pixels of a device of that many dots per inch, and back.
LONG HimetricToPixels(LONG himetric, int dotsPerInch);
LONG PixelsToHimetric(LONG pixels, int dotsPerInch);

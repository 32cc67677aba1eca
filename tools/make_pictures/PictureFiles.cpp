#include "PictureFiles.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace {

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// BITMAPINFOHEADER of a bottom-up picture; icons give twice the height (colour and mask).
void PutInfoHeader(std::string& out, int width, int height, int bitsPerPixel, std::uint32_t imageBytes)
{
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2);
    Put(out, static_cast<std::uint32_t>(bitsPerPixel), 2);
    Put(out, 0, 4);
    Put(out, imageBytes, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
}

bool Save(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.good();
}

} // namespace

Pixels Crop(const Pixels& picture, int x, int y, int width, int height)
{
    Pixels part{width, height, {}};
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            part.colours.push_back(picture.At(std::min(x + column, picture.width - 1), std::min(y + row, picture.height - 1)));
    return part;
}

Pixels Fit(const Pixels& picture, int width, int height, COLORREF background)
{
    const double scale = std::min({1.0, static_cast<double>(width) / picture.width,
                                   static_cast<double>(height) / picture.height});
    const int shownWidth = std::max(1, static_cast<int>(picture.width * scale));
    const int shownHeight = std::max(1, static_cast<int>(picture.height * scale));
    const int left = (width - shownWidth) / 2;
    const int top = (height - shownHeight) / 2;
    Pixels fitted{width, height, std::vector<COLORREF>(static_cast<size_t>(width * height), background)};
    for (int y = 0; y < shownHeight; ++y) {
        const int firstRow = y * picture.height / shownHeight;
        const int endRow = std::max(firstRow + 1, (y + 1) * picture.height / shownHeight);
        for (int x = 0; x < shownWidth; ++x) {
            const int firstColumn = x * picture.width / shownWidth;
            const int endColumn = std::max(firstColumn + 1, (x + 1) * picture.width / shownWidth);
            long red = 0, green = 0, blue = 0, count = 0;
            for (int row = firstRow; row < endRow; ++row)
                for (int column = firstColumn; column < endColumn; ++column) {
                    const COLORREF colour = picture.At(column, row);
                    red += GetRValue(colour);
                    green += GetGValue(colour);
                    blue += GetBValue(colour);
                    ++count;
                }
            fitted.colours[static_cast<size_t>((top + y) * width + left + x)] =
                RGB(static_cast<BYTE>(red / count), static_cast<BYTE>(green / count), static_cast<BYTE>(blue / count));
        }
    }
    return fitted;
}

Pixels OnDesktop(const Pixels& window, int width, int height, COLORREF desktop)
{
    constexpr int kMargin = 10;
    constexpr COLORREF kFrame = RGB(64, 64, 64);
    const Pixels shown = Fit(window, width - 2 * kMargin, height - 2 * kMargin, desktop);
    Pixels picture{width, height, std::vector<COLORREF>(static_cast<size_t>(width * height), desktop)};
    // The window's own extent inside the fitted picture: what is not the desktop colour.
    int left = shown.width, top = shown.height, right = -1, bottom = -1;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            if (shown.At(x, y) != desktop) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            const bool edge = (x == left - 1 || x == right + 1) && y >= top - 1 && y <= bottom + 1;
            const bool rim = (y == top - 1 || y == bottom + 1) && x >= left - 1 && x <= right + 1;
            picture.colours[static_cast<size_t>((y + kMargin) * width + x + kMargin)] = edge || rim ? kFrame : shown.At(x, y);
        }
    return picture;
}

bool WriteBmp(const std::string& path, const Pixels& picture)
{
    const auto rowBytes = static_cast<std::uint32_t>((picture.width * 3 + 3) / 4 * 4);
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(picture.height);
    std::string out = "BM";
    Put(out, 54 + pixelBytes, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    PutInfoHeader(out, picture.width, picture.height, 24, pixelBytes);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF colour = picture.At(x, y);
            out.push_back(static_cast<char>(GetBValue(colour)));
            out.push_back(static_cast<char>(GetGValue(colour)));
            out.push_back(static_cast<char>(GetRValue(colour)));
        }
        out.append(rowBytes - static_cast<std::uint32_t>(picture.width * 3), '\0');
    }
    return Save(path, out);
}

bool WriteIcon(const std::string& path, const Pixels& picture, COLORREF mask)
{
    constexpr int kSize = 32;
    const Pixels icon = Crop(picture, 0, 0, kSize, kSize);
    constexpr std::uint32_t kColourBytes = kSize * kSize * 4;
    constexpr std::uint32_t kMaskBytes = kSize * 4;   // 1 bit a pixel, rows of 32 bits
    std::string image;
    PutInfoHeader(image, kSize, kSize * 2, 32, kColourBytes + kMaskBytes);
    for (int y = kSize - 1; y >= 0; --y)
        for (int x = 0; x < kSize; ++x) {
            const COLORREF colour = icon.At(x, y);
            const bool clear = colour == mask;
            Put(image, clear ? 0u : (0xFF000000u | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
                                     (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour)),
                4);
        }
    for (int y = kSize - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < kSize; ++x)
            if (icon.At(x, y) == mask)
                bits |= 0x80000000u >> x;
        for (int shift = 24; shift >= 0; shift -= 8)
            image.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
    std::string out;
    Put(out, 0, 2);
    Put(out, 1, 2);   // an icon
    Put(out, 1, 2);   // one picture
    out.push_back(static_cast<char>(kSize));
    out.push_back(static_cast<char>(kSize));
    out.push_back(0);
    out.push_back(0);
    Put(out, 1, 2);
    Put(out, 32, 2);
    Put(out, static_cast<std::uint32_t>(image.size()), 4);
    Put(out, 22, 4);
    return Save(path, out + image);
}

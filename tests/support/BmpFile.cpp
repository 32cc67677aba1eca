#include "support/BmpFile.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

void Put(std::vector<char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour)
{
    const auto rowBytes = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<char> out;
    out.push_back('B');
    out.push_back('M');
    Put(out, 54 + pixelBytes, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);
    Put(out, static_cast<std::uint32_t>(width), 4);
    Put(out, static_cast<std::uint32_t>(height), 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    Put(out, 0, 4);
    Put(out, pixelBytes, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(GetBValue(colour)));
            out.push_back(static_cast<char>(GetGValue(colour)));
            out.push_back(static_cast<char>(GetRValue(colour)));
        }
        for (auto pad = static_cast<std::uint32_t>(width * 3); pad < rowBytes; ++pad)
            out.push_back(0);
    }
    std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}

BmpPixels ReadBmp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto word = [&data](size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | data[at + static_cast<size_t>(i)];
        return value;
    };
    if (data.size() < 54 || data[0] != 'B' || data[1] != 'M' || word(28, 2) != 24)
        return {};
    BmpPixels bmp{static_cast<int>(word(18, 4)), static_cast<int>(word(22, 4)), {}};
    const size_t offset = word(10, 4);
    const auto rowBytes = static_cast<size_t>((bmp.width * 3 + 3) / 4 * 4);
    if (bmp.width <= 0 || bmp.height <= 0 || data.size() < offset + rowBytes * static_cast<size_t>(bmp.height))
        return {};
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x) {
            const size_t at = offset + rowBytes * static_cast<size_t>(bmp.height - 1 - y) + static_cast<size_t>(x) * 3;
            bmp.pixels.push_back(RGB(data[at + 2], data[at + 1], data[at]));
        }
    return bmp;
}

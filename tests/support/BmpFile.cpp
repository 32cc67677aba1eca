#include "support/BmpFile.h"

#include <fstream>
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

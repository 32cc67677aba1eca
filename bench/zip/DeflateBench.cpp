// Compresses the same inputs with our deflate and with zlib at the level the zip writer uses
// and prints, per input, its size, both compressed sizes and both times (best of several
// runs), and whether the two streams are the same bytes.
#include "SampleInputs.h"
#include "zip/ZipDeflate.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Input {
    std::string name;
    std::string bytes;
};

class MemoryIo final : public zip::DeflateIo {
public:
    MemoryIo(const std::string& input, std::string& output) : m_input(input), m_output(output) {}
    long Read(BYTE* buffer, unsigned size) override
    {
        const std::size_t n = std::min<std::size_t>(size, m_input.size() - m_position);
        std::copy_n(m_input.data() + m_position, n, buffer);
        m_position += n;
        return static_cast<long>(n);
    }
    bool Flush(const BYTE* data, unsigned count) override
    {
        m_output.append(reinterpret_cast<const char*>(data), count);
        return true;
    }

private:
    const std::string& m_input;
    std::string& m_output;
    std::size_t m_position = 0;
};

std::string Ours(zip::ZipDeflateState& state, const std::string& input)
{
    std::string output;
    output.reserve(input.size() + input.size() / 100 + 64);
    MemoryIo io(input, output);
    BYTE buffer[16384];
    WORD flags = 0;
    std::uint64_t size = 0;
    if (state.Deflate(io, buffer, sizeof buffer, zip::kZipDeflateLevel, flags, size) != ZIP_OK)
        std::fprintf(stderr, "our compressor failed\n");
    return output;
}

class Zlib {
public:
    Zlib()
    {
        if (deflateInit2(&m_stream, zip::kZipDeflateLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
            std::fprintf(stderr, "zlib failed to start\n");
    }
    ~Zlib() { deflateEnd(&m_stream); }
    Zlib(const Zlib&) = delete;
    Zlib& operator=(const Zlib&) = delete;

    std::string Compress(const std::string& input)
    {
        deflateReset(&m_stream);
        std::string output(deflateBound(&m_stream, input.size()), '\0');
        m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
        m_stream.avail_in = static_cast<uInt>(input.size());
        m_stream.next_out = reinterpret_cast<Bytef*>(output.data());
        m_stream.avail_out = static_cast<uInt>(output.size());
        if (deflate(&m_stream, Z_FINISH) != Z_STREAM_END)
            std::fprintf(stderr, "zlib failed\n");
        output.resize(m_stream.total_out);
        return output;
    }

private:
    z_stream m_stream {};
};

// Best time of repeated runs: at least five, and at least half a second in all.
template <typename Run>
double BestMilliseconds(Run run)
{
    double best = 1e300;
    const auto start = Clock::now();
    for (int n = 0; n < 5 || Clock::now() - start < std::chrono::milliseconds(500); ++n) {
        const auto before = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }
    return best;
}

std::vector<Input> SkeletonParts(const fs::path& folder)
{
    std::vector<Input> parts;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        parts.push_back({"skeleton " + fs::relative(entry.path(), folder).generic_string(), bytes.str()});
    }
    std::sort(parts.begin(), parts.end(), [](const Input& a, const Input& b) { return a.name < b.name; });
    return parts;
}

} // namespace

int main(int argc, char** argv)
{
    const fs::path skeleton = argc > 1 ? fs::path(argv[1]) : fs::path(RV_SOURCE_DIR_DEFAULT) / "config" / "template";
    std::vector<Input> inputs;
    if (fs::is_directory(skeleton))
        inputs = SkeletonParts(skeleton);
    else
        std::printf("No skeleton package at %s: its parts are left out.\n", skeleton.string().c_str());
    inputs.push_back({"diary body (WordprocessingML)", samples::DiaryBody(std::size_t{4} << 20)});
    inputs.push_back({"plain text", samples::PlainText(std::size_t{4} << 20, 1)});
    inputs.push_back({"random bytes", samples::RandomBytes(std::size_t{4} << 20, 2)});

    auto state = std::make_unique<zip::ZipDeflateState>();
    Zlib zlib;
    std::printf("level %d\n%-44s %10s %10s %10s %8s %10s %10s %6s  %s\n", zip::kZipDeflateLevel, "input", "size",
                "ours", "zlib", "size +%", "ours ms", "zlib ms", "time", "same bytes");
    for (const Input& input : inputs) {
        const std::string ours = Ours(*state, input.bytes);
        const std::string reference = zlib.Compress(input.bytes);
        const double ourTime = BestMilliseconds([&] { Ours(*state, input.bytes); });
        const double zlibTime = BestMilliseconds([&] { zlib.Compress(input.bytes); });
        std::printf("%-44s %10zu %10zu %10zu %+8.3f %10.3f %10.3f %6.2f  %s\n", input.name.c_str(), input.bytes.size(),
                    ours.size(), reference.size(),
                    100.0 * (static_cast<double>(ours.size()) / static_cast<double>(reference.size()) - 1.0), ourTime,
                    zlibTime, ourTime / zlibTime, ours == reference ? "yes" : "no");
    }
    return 0;
}

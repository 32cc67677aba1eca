#include "ZlibReference.h"

#include <zlib.h>

namespace zlibref {

Inflated InflateRaw(const std::string& stream)
{
    Inflated result;
    z_stream z {};
    if (inflateInit2(&z, -15) != Z_OK)
        return result;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
    z.avail_in = static_cast<uInt>(stream.size());
    char buffer[65536];
    int status;
    do {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        status = inflate(&z, Z_NO_FLUSH);
        result.data.append(buffer, sizeof buffer - z.avail_out);
    } while (status == Z_OK);
    result.ok = status == Z_STREAM_END;
    result.endedExactly = result.ok && z.avail_in == 0;
    inflateEnd(&z);
    return result;
}

std::string DeflateRaw(const std::string& data, int level)
{
    z_stream z {};
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, data.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

unsigned long Crc32(const std::string& data)
{
    return crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
}

} // namespace zlibref

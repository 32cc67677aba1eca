#pragma once
// zlib as an independent reader of our deflate streams, and as the reference compressor.

#include <string>

namespace zlibref {

struct Inflated {
    std::string data;
    bool ok = false;          // a complete stream without errors
    bool endedExactly = false;  // ... that ended at the last byte given
};
Inflated InflateRaw(const std::string& stream);

// A raw deflate stream by zlib at the level, with its default window and memory level 8.
std::string DeflateRaw(const std::string& data, int level);

unsigned long Crc32(const std::string& data);

} // namespace zlibref

#pragma once
// Shared checks of the archive tests.

#include "ZipReader.h"

#include <string>

std::string FileBytes(const std::string& path);

// The Python listing line that the central record of the entry stands for.
std::string ListingLine(const ParsedEntry& entry);

// Every reader agrees the archive is sound: our record parser (local and central headers
// agree, extra fields as laid out, descriptors repeat the central sizes), zlib inflates each
// unencrypted deflated entry exactly to its size and CRC, unzip -t, and Python's zipfile,
// whose listing must match the central records. Returns the parsed archive.
ParsedZip ExpectReadableByAll(const std::string& path, std::size_t base = 0, const std::string& password = "");

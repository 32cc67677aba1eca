#pragma once
// What both fuzz targets share: a scratch folder of their own and the input as a design file.

#include <cstddef>
#include <cstdint>
#include <string>

// A folder made once per process under the system's temporary folder.
const std::string& ScratchFolder();

// Writes the input as the design file of the scratch folder and returns its path.
std::string WriteDesignInput(const std::uint8_t* data, std::size_t size);

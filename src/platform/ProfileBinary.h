#pragma once
// Binary values in a profile (INI) file, written as two upper-case hexadecimal digits a byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

bool WriteProfileBinary(std::string_view section, std::string_view key, const std::vector<unsigned char>& bytes,
                        const std::string& file);
// None when the value is missing, empty or not an even run of hexadecimal digits.
std::optional<std::vector<unsigned char>> GetProfileBinary(std::string_view section, std::string_view key,
                                                           const std::string& file);

} // namespace platform

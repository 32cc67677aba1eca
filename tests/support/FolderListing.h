#pragma once

#include <filesystem>
#include <set>
#include <string>

// Everything below the folder, as paths relative to it; links are listed as themselves.
inline std::set<std::string> Listing(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.insert(entry.path().lexically_relative(folder).string());
    return names;
}

#pragma once
// One kept line of a motto text file.

#include <string>

struct TextLineRecord {
    int number = 0;        // 1-based among the kept lines of the file
    std::string text;      // trimmed of surrounding white space
    int length = 0;        // bytes of the line as it was read
};

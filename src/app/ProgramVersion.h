#pragma once
// The program's name and version, as the window titles and the About dialog show them.

inline constexpr const char* kProductName = "Rorovavozir";
inline constexpr const char* kVersion = "1.9.4";
inline constexpr const char* kVersionDate = "2013年08月03日";

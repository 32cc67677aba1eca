#pragma once
// A copy of an icon whose colour pixels (32-bit words: blue, green, red, alpha from the low
// byte up) pass through a function; the icon's mask is kept. nullptr when the icon cannot be read.

#include "platform/ui/GdiDefs.h"

#include <cstdint>
#include <functional>

HICON RecolourIcon(HICON icon, const std::function<std::uint32_t(std::uint32_t)>& recolour);

#pragma once
// How test failures show our types.

#include "platform/CString.h"

#include <ostream>

inline void PrintTo(const CString& text, std::ostream* out)
{
    *out << '"' << text.str() << '"';
}

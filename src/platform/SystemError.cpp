#include "platform/SystemError.h"

#include <cstring>

namespace platform {

std::string SystemErrorText(int error)
{
    char buffer[256];
    return ::strerror_r(error, buffer, sizeof buffer);
}

std::string WithSystemReason(std::string_view message, int error)
{
    std::string text(message);
    if (error != 0)
        text += "\n" + SystemErrorText(error);
    return text;
}

} // namespace platform

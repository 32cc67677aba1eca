#include "platform/SystemError.h"

#include <cstring>
#include <new>
#include <system_error>

namespace platform {

std::string SystemErrorText(int error)
{
    char buffer[256];
    return ::strerror_r(error, buffer, sizeof buffer);
}

int ErrorNumberOf(const std::exception& failure)
{
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr)
        return ENOMEM;
    if (const auto* system = dynamic_cast<const std::system_error*>(&failure)) {
        const std::error_category& category = system->code().category();
        if (category == std::generic_category() || category == std::system_category())
            return system->code().value();
    }
    return 0;
}

std::string WithSystemReason(std::string_view message, int error)
{
    std::string text(message);
    if (error != 0)
        text += "\n" + SystemErrorText(error);
    return text;
}

} // namespace platform

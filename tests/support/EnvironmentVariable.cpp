#include "support/EnvironmentVariable.h"

#include <cstdlib>

namespace {

void SetOrUnset(const std::string& name, const std::optional<std::string>& value)
{
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

} // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value)
    : m_name(std::move(name))
{
    if (const char* previous = std::getenv(m_name.c_str()))
        m_previous = previous;
    SetOrUnset(m_name, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable()
{
    SetOrUnset(m_name, m_previous);
}

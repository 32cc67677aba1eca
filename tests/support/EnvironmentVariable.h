#pragma once
// An environment variable set, or unset, for the life of the object, then as it was.

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, const std::optional<std::string>& value) : m_name(std::move(name))
    {
        if (const char* previous = std::getenv(m_name.c_str()))
            m_previous = previous;
        Set(value);
    }
    ~ScopedEnvironmentVariable() { Set(m_previous); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    void Set(const std::optional<std::string>& value) const
    {
        value ? ::setenv(m_name.c_str(), value->c_str(), 1) : ::unsetenv(m_name.c_str());
    }
    std::string m_name;
    std::optional<std::string> m_previous;
};

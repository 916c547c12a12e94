// environment.h -- an environment variable set (or unset) for a while and put back afterwards
#pragma once

#include <stdlib.h>

#include <string>

// Sets the variable to value, or unsets it when value is null; the destructor restores what was there.
struct EnvironmentSetting {
    std::string name;
    std::string old;
    bool had;
    EnvironmentSetting(const char *variable, const char *value) : name(variable)
    {
        const char *previous = getenv(variable);
        had = previous != nullptr;
        if (had) old = previous;
        if (value) setenv(variable, value, 1);
        else unsetenv(variable);
    }
    EnvironmentSetting(const char *variable, const std::string &value) : EnvironmentSetting(variable, value.c_str()) {}
    ~EnvironmentSetting()
    {
        if (had) setenv(name.c_str(), old.c_str(), 1);
        else unsetenv(name.c_str());
    }
    EnvironmentSetting(const EnvironmentSetting &) = delete;
    EnvironmentSetting &operator=(const EnvironmentSetting &) = delete;
};

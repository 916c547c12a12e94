// mapped.h -- whether a game library is loaded into the test program right now
#pragma once

#include <dlfcn.h>

#include <string>

inline bool libraryMapped(const std::string &path)
{
    void *handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) dlclose(handle);
    return handle != nullptr;
}

// test_directory.h -- where the Windows tests find their fixtures: beside the test program
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "platform/library.h"

// The test program's own directory, as the library loader finds it; empty when it cannot be found.
inline std::string executableDirectory()
{
    std::array<char, 1024> directory{};
    librarySetDirectory(nullptr);
    return libraryDirectory(directory.data(), directory.size()) ? directory.data() : "";
}

inline bool fileExists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

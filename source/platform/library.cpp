// library.cpp -- the part of loading a game module that is the same everywhere: the folder and the full path
#include "platform/library.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/library_backend.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
static std::string overrideDirectory;  // empty: the executable's directory

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void librarySetDirectory(const char *directory)
{
    // Cut to what a full path can hold at all.
    overrideDirectory = directory ? directory : "";
    if (overrideDirectory.size() >= libraryPathCapacity) overrideDirectory.resize(libraryPathCapacity - 1);
}

bool libraryDirectory(char *buffer, size_t size)
{
    if (size == 0) return false;
    if (!overrideDirectory.empty()) {
        return static_cast<size_t>(snprintf(buffer, size, "%s", overrideDirectory.c_str())) < size;
    }
    return programLibraryDirectory(buffer, size);
}

void *libraryOpen(const char *fileName, char *reason, size_t reasonSize)
{
    std::string directory(libraryPathCapacity, '\0');
    if (!libraryDirectory(directory.data(), directory.size())) {
        snprintf(reason, reasonSize, "%s: the program's own directory cannot be found", fileName);
        return nullptr;
    }
    directory.resize(strlen(directory.c_str()));
    bool endsInSeparator = directory.empty() || strchr(librarySeparators, directory.back()) != nullptr;
    std::string path = directory + (endsInSeparator ? "" : std::string(1, librarySeparators[0])) + fileName;
    if (path.size() >= libraryPathCapacity) {
        snprintf(reason, reasonSize, "%s: the path is too long", fileName);
        return nullptr;
    }
    return openLibraryAt(path.c_str(), reason, reasonSize);
}

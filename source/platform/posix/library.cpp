// library.cpp -- game module libraries through dlopen, by absolute path beside the executable
#include "platform/library.h"

#include <dlfcn.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/filekind.h"
#include "platform/places.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
const char *const librarySuffix = ".so";

static char overrideDirectory[PATH_MAX];  // empty: the executable's directory

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void librarySetDirectory(const char *directory)
{
    snprintf(overrideDirectory, sizeof overrideDirectory, "%s", directory ? directory : "");
}

bool libraryDirectory(char *buffer, size_t size)
{
    if (size == 0) return false;
    if (overrideDirectory[0] != '\0') {
        return static_cast<size_t>(snprintf(buffer, size, "%s", overrideDirectory)) < size;
    }
    return executableDirectory(buffer, size);
}

void *libraryOpen(const char *fileName, char *reason, size_t reasonSize)
{
    char directory[PATH_MAX];
    if (!libraryDirectory(directory, sizeof directory)) {
        snprintf(reason, reasonSize, "%s: the program's own directory cannot be found", fileName);
        return nullptr;
    }
    char path[PATH_MAX];
    const char *separator = directory[strlen(directory) - 1] == '/' ? "" : "/";
    if (static_cast<size_t>(snprintf(path, sizeof path, "%s%s%s", directory, separator, fileName)) >= sizeof path) {
        snprintf(reason, reasonSize, "%s: the path is too long", fileName);
        return nullptr;
    }
    // Only a plain file: dlopen would wait for ever on a named pipe in the library's place.
    char kind[64];
    if (!isRegularFile(path, kind, sizeof kind)) {
        snprintf(reason, reasonSize, "%s: %s", path, kind);
        return nullptr;
    }
    // RTLD_NOW: a library with an unresolved symbol fails here, not in the middle of a game.
    // RTLD_LOCAL: one game's symbols never stand in for the next one's.
    void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char *error = dlerror();
        snprintf(reason, reasonSize, "%s", error ? error : path);
    }
    return library;
}

void *librarySymbol(void *library, const char *name)
{
    if (!library) return nullptr;
    dlerror();
    return dlsym(library, name);
}

void libraryClose(void *library)
{
    if (library) dlclose(library);
}

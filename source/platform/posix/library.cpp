// library.cpp -- game module libraries through dlopen, by absolute path beside the executable
#include "platform/library.h"

#include <dlfcn.h>

#include <climits>
#include <cstdio>

#include "platform/filekind.h"
#include "platform/library_backend.h"
#include "platform/places.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
const char *const librarySuffix = ".so";
const size_t libraryPathCapacity = PATH_MAX;
const char *const librarySeparators = "/";

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
bool programLibraryDirectory(char *buffer, size_t size) { return executableDirectory(buffer, size); }

void *openLibraryAt(const char *path, char *reason, size_t reasonSize)
{
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

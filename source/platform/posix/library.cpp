// library.cpp -- game module libraries through dlopen, by absolute path beside the executable
#include "platform/library.h"

#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

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
// Internal functions
// ----------------------------------------------------------------------------------------------------
// How far into the file the library's loadable parts reach, from its ELF header and program headers;
// 0 when it is no library of this machine's kind, which the loader then refuses with its own words.
static uint64_t extentOfLoadableParts(int fd)
{
    constexpr unsigned char nativeClass = __ELF_NATIVE_CLASS == 64 ? ELFCLASS64 : ELFCLASS32;
    ElfW(Ehdr) header;
    if (pread(fd, &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) return 0;
    if (memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != nativeClass ||
        header.e_phentsize != sizeof(ElfW(Phdr)))
        return 0;
    uint64_t extent = header.e_phoff + uint64_t{header.e_phnum} * sizeof(ElfW(Phdr));
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) part;
        if (pread(fd, &part, sizeof part, static_cast<off_t>(header.e_phoff + i * sizeof part)) != static_cast<ssize_t>(sizeof part))
            break;  // the headers themselves are cut short: the extent above says so
        if (part.p_type == PT_LOAD) extent = std::max<uint64_t>(extent, part.p_offset + part.p_filesz);
    }
    return extent;
}

// A library cut short (a broken copy, a full disk) would have the loader map pages past the end of the
// file, and the first touch of one raises SIGBUS inside dlopen, which the program cannot survive: SDL's
// handler then waits for the audio thread, which waits for the loader. So the file's size is checked
// against what its headers say it holds before it is handed to the loader.
static bool libraryWhole(const char *path, char *reason, size_t reasonSize)
{
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return true;  // the loader says why
    struct stat info;
    uint64_t extent = fstat(fd, &info) == 0 ? extentOfLoadableParts(fd) : 0;
    close(fd);
    if (extent <= static_cast<uint64_t>(info.st_size)) return true;
    snprintf(reason, reasonSize, "%s: damaged: the file is cut short (%lld bytes of %llu)", path,
             static_cast<long long>(info.st_size), static_cast<unsigned long long>(extent));
    return false;
}

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
    if (!libraryWhole(path, reason, reasonSize)) return nullptr;
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

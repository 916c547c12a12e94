// library.cpp -- game module libraries through LoadLibraryW, by absolute path beside the executable
#include "platform/library.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/library_backend.h"
#include "platform/places.h"
#include "wide.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr size_t pathCapacity = 1024;

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
const char *const librarySuffix = ".dll";
const size_t libraryPathCapacity = pathCapacity;
const char *const librarySeparators = "\\/";

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static void describeError(DWORD code, const char *path, char *reason, size_t reasonSize)
{
    char message[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  0, message, static_cast<DWORD>(sizeof message), nullptr);
    // The system's text ends in a line break, which would split the log line.
    while (length > 0 && (message[length - 1] == '\r' || message[length - 1] == '\n' || message[length - 1] == ' ')) {
        message[--length] = '\0';
    }
    if (length == 0) snprintf(message, sizeof message, "error %lu", static_cast<unsigned long>(code));
    // Some texts name the file with an insert ("%1 is not a valid Win32 application."), left unfilled
    // above because an insert filled from the wrong arguments can crash; the file's own name goes there.
    std::string text = message;
    const char *slash = strrchr(path, '\\');
    const char *name = slash ? slash + 1 : path;
    for (size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + strlen(name))) {
        text.replace(at, 2, name);
    }
    snprintf(reason, reasonSize, "%s: %s", path, text.c_str());
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
// In UTF-8, as executableDirectory gives it: the wide call below takes any name the folder may have.
bool programLibraryDirectory(char *buffer, size_t size) { return executableDirectory(buffer, size); }

void *openLibraryAt(const char *path, char *reason, size_t reasonSize)
{
    // The wide call, so that a folder whose name the ANSI code page cannot spell (a user "Győző" on a
    // Western code page) still loads. A library that is missing or broken is reported in the log, never
    // with a system dialog box.
    std::wstring wide = utf16FromUtf8(path);
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE library = wide.empty() ? nullptr : LoadLibraryW(wide.c_str());
    DWORD error = wide.empty() ? ERROR_INVALID_NAME : GetLastError();
    SetErrorMode(previousMode);
    if (!library) describeError(error, path, reason, reasonSize);
    return reinterpret_cast<void *>(library);
}

void *librarySymbol(void *library, const char *name)
{
    if (!library) return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void libraryClose(void *library)
{
    if (library) FreeLibrary(static_cast<HMODULE>(library));
}

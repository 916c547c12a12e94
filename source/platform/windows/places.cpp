// places.cpp -- the executable's folder through GetModuleFileNameW; no state folder: the log stays put
#include "platform/places.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
const bool runTimeFilesFollowExecutable = false;

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
bool executableDirectory(char *buffer, size_t size)
{
    // The wide call, so that a folder whose name the ANSI code page cannot spell is still found; the
    // buffer grows until the whole name fits (the result fills it exactly when the name was cut short).
    std::wstring path(260, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return false;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return false;
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return false;
    // "C:\tavrin.exe" keeps its "C:\" rather than becoming the drive's current directory "C:".
    path.resize(slash > 0 && path[slash - 1] == L':' ? slash + 1 : slash);

    int bytes = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0,
                                    nullptr, nullptr);
    if (bytes <= 0 || static_cast<size_t>(bytes) >= size) return false;
    WideCharToMultiByte(CP_UTF8, 0, path.c_str(), static_cast<int>(path.size()), buffer, bytes, nullptr, nullptr);
    buffer[bytes] = '\0';
    return true;
}

bool stateDirectory(char *, size_t)
{
    // The log stays in the working directory, beside the run-time files, as it always has there.
    return false;
}

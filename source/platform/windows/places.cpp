// places.cpp -- the executable's folder through GetModuleFileNameW, the state folder in the local application data
#include "platform/places.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "wide.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
// The program's folder is the user's own here (the installer puts it under the user's profile, or the
// folder was copied by hand), so its log stays beside it.
const bool logBesideRunTimeFiles = true;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static bool copyOut(const std::string &text, char *buffer, size_t size)
{
    if (text.empty() || text.size() >= size) return false;
    memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

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

    return copyOut(utf8FromUtf16(path), buffer, size);
}

bool stateDirectory(char *buffer, size_t size)
{
    // The user's own local application data, which the profile's permissions keep to the user. The log
    // goes here only when the program's own folder cannot be written.
    std::wstring base(MAX_PATH, L'\0');
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, &base[0]) != S_OK)
        return false;
    base.resize(base.find(L'\0'));
    std::wstring folder = base + L"\\Tavrin";
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return copyOut(utf8FromUtf16(folder), buffer, size);
}

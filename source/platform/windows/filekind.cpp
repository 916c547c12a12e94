// filekind.cpp -- regular files told apart from folders, pipes and devices by what Windows opens
#include "platform/filekind.h"

#include <windows.h>

#include <cstdio>

#include "wide.h"

bool isRegularFile(const char *path, char *reason, size_t reasonSize)
{
    // The wide calls: paths are UTF-8, as every text the platform layer takes.
    std::wstring wide = utf16FromUtf8(path);
    DWORD attributes = wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        snprintf(reason, reasonSize, "%s", "no such file");
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        snprintf(reason, reasonSize, "%s", "a folder, not a file");
        return false;
    }
    // Opened without any access only to ask its kind: a device name ("CON", "NUL") or a pipe is not a
    // file on disk.
    HANDLE file = CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        snprintf(reason, reasonSize, "%s", "cannot be opened");
        return false;
    }
    DWORD type = GetFileType(file);
    CloseHandle(file);
    if (type != FILE_TYPE_DISK) {
        snprintf(reason, reasonSize, "%s", "not a regular file");
        return false;
    }
    return true;
}

// files.cpp -- appending to a file, and replacing one whole, on Windows, where a program cannot plant links
// without privileges
#include "platform/files.h"

#include <cstdio>
#include <string>

#include "wide.h"

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// The system's reason in English whatever the user's language, so that it reads as on POSIX.
static void describeError(DWORD error, char *reason, size_t reasonSize)
{
    char text[256] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.')) text[--length] = '\0';
    if (length == 0) snprintf(text, sizeof text, "error %lu", static_cast<unsigned long>(error));
    snprintf(reason, reasonSize, "%s", text);
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
// The wide call: the path may lie under a folder whose name the ANSI code page cannot spell.
FILE *openForAppending(const char *path, bool *refusedLink)
{
    *refusedLink = false;
    std::wstring wide = utf16FromUtf8(path);
    return wide.empty() ? nullptr : _wfopen(wide.c_str(), L"a");
}

bool replaceFile(const char *path, const char *data, size_t size, char *reason, size_t reasonSize)
{
    std::wstring target = utf16FromUtf8(path);
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        snprintf(reason, reasonSize, "%s", "not a plain file");
        return false;
    }
    std::wstring temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        describeError(GetLastError(), reason, reasonSize);
        return false;
    }
    DWORD error = 0;
    for (size_t done = 0; error == 0 && done < size;) {
        DWORD chunk = static_cast<DWORD>(size - done > (1u << 30) ? (1u << 30) : size - done), written = 0;
        if (!WriteFile(file, data + done, chunk, &written, nullptr)) error = GetLastError();
        else done += written;
    }
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    CloseHandle(file);
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error == 0) return true;
    DeleteFileW(temporary.c_str());
    describeError(error, reason, reasonSize);
    return false;
}

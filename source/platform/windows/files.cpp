// files.cpp -- appending to a file, on Windows, where a program cannot plant links without privileges
#include "platform/files.h"

#include "wide.h"

// The wide call: the path may lie under a folder whose name the ANSI code page cannot spell.
FILE *openForAppending(const char *path, bool *refusedLink)
{
    *refusedLink = false;
    std::wstring wide = utf16FromUtf8(path);
    return wide.empty() ? nullptr : _wfopen(wide.c_str(), L"a");
}

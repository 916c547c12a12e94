// desktop.cpp -- message box and address opening on Windows (MessageBoxW, ShellExecuteA)
#include "platform/desktop.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static std::wstring utf16FromUtf8(const char *text)
{
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));  // the terminator the count included
    return wide;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void showMessageBox(const char *title, const char *text)
{
    // Wide characters, so that the letters come out the same whatever the system's code page.
    MessageBoxW(nullptr, utf16FromUtf8(text).c_str(), utf16FromUtf8(title).c_str(), MB_OK);
}

void openAddress(const char *address)
{
    if (!address || !*address) return;
    ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

// desktop.cpp -- message box and address opening on Windows (MessageBoxW, ShellExecuteW)
#include "platform/desktop.h"

#include <windows.h>
#include <shellapi.h>

#include "wide.h"

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
    // Wide, so that a file in a folder whose name the ANSI code page cannot spell opens as well.
    std::wstring wide = utf16FromUtf8(address);
    if (!wide.empty()) ShellExecuteW(nullptr, nullptr, wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

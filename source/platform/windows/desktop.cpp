// desktop.cpp -- message box and address opening on Windows (MessageBoxW, ShellExecuteW)
#include "platform/desktop.h"

#include <windows.h>
#include <shellapi.h>

#include "wide.h"

// Wide characters, so that the letters come out the same whatever the system's code page.
void showMessageBox(const char *title, const char *text)
{
    MessageBoxW(nullptr, utf16FromUtf8(text).c_str(), utf16FromUtf8(title).c_str(), MB_OK);
}

void openAddress(const char *address)
{
    if (!address || !*address) return;
    ShellExecuteW(nullptr, nullptr, utf16FromUtf8(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

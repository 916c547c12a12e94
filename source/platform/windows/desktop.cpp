// desktop.cpp -- message box and address opening on Windows (MessageBoxA, ShellExecuteA)
#include "platform/desktop.h"

#include <windows.h>
#include <shellapi.h>

void showMessageBox(const char *title, const char *text)
{
    MessageBoxA(nullptr, text, title, MB_OK);
}

void openAddress(const char *address)
{
    if (!address || !*address) return;
    ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

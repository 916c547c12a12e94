// fonts.cpp -- a bold sans-serif font from the Windows fonts folder
#include "platform/fonts.h"

#include <windows.h>

#include <array>
#include <cstdio>

bool systemBoldSansFont(char *path, size_t size)
{
    char windowsFolder[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    // Bold faces every Windows since XP has, the most legible for children first.
    static const std::array<const char *, 4> candidates = {"verdanab.ttf", "arialbd.ttf", "tahomabd.ttf",
                                                           "segoeuib.ttf"};
    for (const char *name : candidates) {
        char candidate[MAX_PATH + 32];
        snprintf(candidate, sizeof candidate, "%s\\Fonts\\%s", windowsFolder, name);
        DWORD attributes = GetFileAttributesA(candidate);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        int written = snprintf(path, size, "%s", candidate);
        if (written < 0 || static_cast<size_t>(written) >= size) return false;
        return true;
    }
    return false;
}

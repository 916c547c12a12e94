// store_env_windows.cpp -- each test process gets a registry key of its own in place of the user's root,
// so that tests never meet (or delete) the player's own settings
#include "store_env.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {
struct PrivateRoot {
    HKEY key = nullptr;
    char path[64] = "";
    ~PrivateRoot()
    {
        if (!key) return;
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_CURRENT_USER, path);
    }
};
}

void usePrivateStore()
{
    static PrivateRoot privateRoot;
    if (privateRoot.key) return;
    snprintf(privateRoot.path, sizeof privateRoot.path, "Software\\TavrinTestStore-%lu",
             static_cast<unsigned long>(GetCurrentProcessId()));
    // A store left by an earlier run with the same process number is emptied first.
    RegDeleteTreeA(HKEY_CURRENT_USER, privateRoot.path);
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, privateRoot.path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, key) != ERROR_SUCCESS) {
        // Going on would test against, and delete, the user's own keys.
        fprintf(stderr, "The tests' own registry key cannot be set up; stopping.\n");
        if (key) RegCloseKey(key);
        std::exit(1);
    }
    privateRoot.key = key;
}

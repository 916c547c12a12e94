// settings.h -- the four settings and the three player slots' progress, kept in the store
#pragma once

#include <cstdint>

#include "tavrin/store.h"

// ----------------------------------------------------------------------------------------------------
// The settings, in memory for the whole run
// ----------------------------------------------------------------------------------------------------
struct AppSettings {
    int fullscreen;   // 0 windowed, 1 full screen
    int quiz;         // 0 off, 1 on
    int musicvolume;  // 0 to 128, the mixer's scale
    int fxvolume;     // 0 to 128
};

extern AppSettings appSettings;

constexpr const char *SettingsRoot = "Software\\Vorniquel\\Tavrin\\";
constexpr int ProgressDone = 2;
constexpr int slotCount = 3;
constexpr int firstGameEntries = 15;   // "g1a0" to "g1a14"
constexpr int secondGameEntries = 25;  // "g2a0" to "g2a24"

constexpr AppSettings defaultSettings{0, 1, 128, 128};

// ----------------------------------------------------------------------------------------------------
// Reading and writing
// ----------------------------------------------------------------------------------------------------
int readSettingValue(const char *name);  // -1 when it cannot be read
void writeSettingValue(const char *name, int value);
void loadSettings();  // also points the store's own failure lines at the log
void saveSettings();
int slotProgressPercent(int slot);  // slot 1 to 3; 0 to 100
void eraseSlot(int slot);           // slot 1 to 3

// ----------------------------------------------------------------------------------------------------
// The store calls the settings code makes; tests put recorders in place of the real ones.
// ----------------------------------------------------------------------------------------------------
struct StoreHooks {
    int (*openKey)(const char *path, int access, StoreKey *key);
    int (*queryValue)(StoreKey key, const char *name, uint32_t *type, void *data, uint32_t *size);
    int (*setValue)(StoreKey key, const char *name, uint32_t type, const void *data, uint32_t size);
    int (*flushKey)(StoreKey key);
    int (*closeKey)(StoreKey key);
    int (*deleteKey)(const char *path);
};
extern StoreHooks storeHooks;
void resetStoreHooks();

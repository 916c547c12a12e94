// settings.h -- the four settings and the three player slots' progress, kept in the store
#pragma once

#include <cstdint>

#include "tavrin/progress.h"
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

constexpr const char *SettingsRoot = TAVRIN_SETTINGS_ROOT;

constexpr AppSettings defaultSettings{0, 1, 128, 128};

// ----------------------------------------------------------------------------------------------------
// Reading and writing
// ----------------------------------------------------------------------------------------------------
// Only a 4-byte REG_DWORD is a setting; anything else reads as missing. Reading never writes.
int readSettingValue(const char *name);  // -1 when it cannot be read
int writeSettingValue(const char *name, int value);  // StoreOk, or why not
// Reads the four settings (defaults for what is missing or of another type, one log line for each of
// the latter). It also points the store's own failure lines at the log and keeps the store's waits for
// another program's lock down to a fraction of a second, so that a locked store never stalls the menu.
void loadSettings();
// Writes the settings the player changed since they were read or last saved, in one transaction; the
// others are left as the store holds them, also when another instance of the program changed them
// meanwhile. When the store cannot take them now (locked, read-only), they are kept and tried again at
// the next save; a read-only store is named in the log at once.
void saveSettings();
// The last try for settings that could not be saved during the run, waiting a little longer; one log
// line when a change is lost.
void finishSettings();
int slotProgressPercent(int slot);  // slot 1 to 3; 0 to 100
// Deletes the slot's key; false, with a log line, when the store refused (the results are still there).
bool eraseSlot(int slot);           // slot 1 to 3

// ----------------------------------------------------------------------------------------------------
// The store calls the settings code makes; tests put recorders in place of the real ones.
// ----------------------------------------------------------------------------------------------------
struct StoreHooks {
    int (*openKey)(const char *path, int access, StoreKey *key);
    int (*openExistingKey)(const char *path, int access, StoreKey *key);
    int (*setValues)(StoreKey key, const StoreValue *values, uint32_t count);
    int (*flushKey)(StoreKey key);
    int (*closeKey)(StoreKey key);
    int (*deleteKey)(const char *path);
};
extern StoreHooks storeHooks;
void resetStoreHooks();

// settings.cpp -- the settings and the player slots' progress: read at start, written back at exit
#include "store/settings.h"

#include <array>
#include <cstdio>

#include "shell/log.h"

AppSettings appSettings = defaultSettings;

static const StoreHooks realStoreHooks = {storeOpenKey, storeQueryValue, storeSetValue,
                                          storeFlushKey, storeCloseKey, storeDeleteKey};
StoreHooks storeHooks = realStoreHooks;

void resetStoreHooks() { storeHooks = realStoreHooks; }

// The store's own failures (a corrupt file moved aside) become failure lines of the log.
static void logStoreLine(const char *line)
{
    char text[2304];
    snprintf(text, sizeof text, " \xB7 %s", line);
    logLine(text);
}

static void attachStoreLog() { storeSetLogSink(logStoreLine); }

static void slotKeyPath(char *buffer, size_t size, int slot) { snprintf(buffer, size, "%sslot%d\\", SettingsRoot, slot); }

// Reads up to four bytes as a little-endian integer; missing high bytes of shorter data are zero.
static int queryFourBytes(StoreKey key, const char *name, int &value)
{
    std::array<unsigned char, 4> data{};
    uint32_t size = static_cast<uint32_t>(data.size());
    int result = storeHooks.queryValue(key, name, nullptr, data.data(), &size);
    if (result != StoreOk) return result;
    value = static_cast<int>(static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                             static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24);
    return StoreOk;
}

int readSettingValue(const char *name)
{
    attachStoreLog();
    StoreKey key = nullptr;
    if (storeHooks.openKey(SettingsRoot, StoreRead, &key) != StoreOk) return -1;
    int value = -1;
    if (queryFourBytes(key, name, value) != StoreOk) value = -1;
    storeHooks.closeKey(key);
    return value;
}

void writeSettingValue(const char *name, int value)
{
    attachStoreLog();
    StoreKey key = nullptr;
    if (storeHooks.openKey(SettingsRoot, StoreWrite, &key) != StoreOk) return;
    uint32_t bits = static_cast<uint32_t>(value);
    std::array<unsigned char, 4> data = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                         static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    storeHooks.setValue(key, name, StoreTypeDword, data.data(), static_cast<uint32_t>(data.size()));
    storeHooks.flushKey(key);
    storeHooks.closeKey(key);
}

static int clampVolume(int volume) { return volume < 0 ? 0 : volume > 128 ? 128 : volume; }

void loadSettings()
{
    int fxvolume = readSettingValue("fxvolume");
    int musicvolume = readSettingValue("musicvolume");
    int quiz = readSettingValue("quiz");
    int fullscreen = readSettingValue("fullscreen");
    // Stored values are input: the switches index two-picture tables and the volumes go to the mixer.
    appSettings.fxvolume = fxvolume == -1 ? defaultSettings.fxvolume : clampVolume(fxvolume);
    appSettings.musicvolume = musicvolume == -1 ? defaultSettings.musicvolume : clampVolume(musicvolume);
    appSettings.quiz = quiz == -1 ? defaultSettings.quiz : quiz != 0;
    appSettings.fullscreen = fullscreen == -1 ? defaultSettings.fullscreen : fullscreen != 0;
}

void saveSettings()
{
    writeSettingValue("fxvolume", appSettings.fxvolume);
    writeSettingValue("musicvolume", appSettings.musicvolume);
    writeSettingValue("quiz", appSettings.quiz);
    writeSettingValue("fullscreen", appSettings.fullscreen);
}

// Counts the entries equal to ProgressDone from index 0 up to the first one that cannot be read.
static int countDone(StoreKey key, const char *format, int entries)
{
    int done = 0;
    for (int i = 0; i < entries; i++) {
        char name[16];
        snprintf(name, sizeof name, format, i);
        int value = 0;
        if (queryFourBytes(key, name, value) != StoreOk) break;
        if (value == ProgressDone) done++;
    }
    return done;
}

int slotProgressPercent(int slot)
{
    if (slot < 1 || slot > slotCount) return 0;
    attachStoreLog();
    char path[64];
    slotKeyPath(path, sizeof path, slot);
    StoreKey key = nullptr;
    if (storeHooks.openKey(path, StoreRead, &key) != StoreOk) return 0;
    int done = countDone(key, "g1a%d", firstGameEntries);
    done += countDone(key, "g2a%d", secondGameEntries);
    storeHooks.closeKey(key);
    return done * 100 / (firstGameEntries + secondGameEntries);
}

void eraseSlot(int slot)
{
    if (slot < 1 || slot > slotCount) return;
    attachStoreLog();
    char path[64];
    slotKeyPath(path, sizeof path, slot);
    storeHooks.deleteKey(path);
}

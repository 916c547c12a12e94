// settings.cpp -- the settings and the player slots' progress: read at start, written back at exit
#include "store/settings.h"

#include <array>
#include <climits>
#include <cstdio>
#include <string>

#include "base/log.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
// While the menu runs, a store locked by another program may hold up a frame this long at most; a
// change that cannot be written in that time is kept for the next save. Once the window is closed, the
// last try may wait longer.
constexpr uint32_t frameWaitMs = 250;
constexpr uint32_t exitWaitMs = 1000;

constexpr std::array<const char *, 4> settingNames = {"fxvolume", "musicvolume", "quiz", "fullscreen"};

enum ReadOutcome { ReadValue, ReadMissing, ReadWrongType, ReadFailed };

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
AppSettings appSettings = defaultSettings;

static const StoreHooks realStoreHooks = {storeOpenKey,  storeOpenExistingKey, storeSetValues,
                                          storeFlushKey, storeCloseKey, storeDeleteKey};
StoreHooks storeHooks = realStoreHooks;

// The settings as they were read at start or last saved. Only a setting the player changed since is
// written: another instance of the program may have saved a change of its own meanwhile, and a setting
// that could not be read (the store locked at start) may hold anything; neither is overwritten with what
// this run merely began with. A setting stored with the wrong type is unusable, and is put right with the
// next save.
constexpr int storedUnusable = INT_MIN;
static std::array<int, 4> storedValues = {defaultSettings.fxvolume, defaultSettings.musicvolume,
                                          defaultSettings.quiz, defaultSettings.fullscreen};
static int unsavedResult = StoreOk;  // why the last save failed; StoreOk when nothing waits
static bool lossReported = false;
static uint32_t waitMs = frameWaitMs;  // how long a store call here may wait for another program's lock

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// The store's own failures (a corrupt file moved aside, a store that cannot be created) become failure
// lines of the log, or of standard error when the log cannot be written either; built whole, so that a
// long path is never cut.
static void logStoreLine(const char *line) { logProblem((std::string(" \xB7 ") + line).c_str()); }

// The store's log and wait are process-wide, and a game module shares them: each use of the store here
// takes both back, so that neither a sink in a game's unloaded code nor a long wait a game chose is ever
// the menu's.
static void attachStoreLog()
{
    storeSetLogSink(logStoreLine);
    storeSetWaitLimit(waitMs);
}

static void slotKeyPath(char *buffer, size_t size, int slot)
{
    snprintf(buffer, size, TAVRIN_SLOT_KEY_FORMAT, SettingsRoot, slot);
}

// Reads a value that must be a 4-byte REG_DWORD. Text or bytes are not numbers, so anything else counts
// as missing.
static ReadOutcome readDword(StoreKey key, const char *name, int &value)
{
    int32_t number = 0;
    int result = storeQueryDword(key, name, &number);
    if (result == StoreOk) {
        value = number;
        return ReadValue;
    }
    if (result == StoreNotFound) return ReadMissing;
    return result == StoreWrongType ? ReadWrongType : ReadFailed;
}

// Names what a setting of the wrong type holds instead.
static void logWrongType(StoreKey key, const char *name)
{
    uint32_t type = 0, size = 0;
    storeQueryValue(key, name, &type, nullptr, &size);
    char line[256];
    snprintf(line, sizeof line,
             " \xB7 store: the setting \"%s\" is stored as %s of %u bytes, not as a 4-byte REG_DWORD; the default "
             "is used",
             name, storeTypeName(type) ? storeTypeName(type) : "an unknown type", size);
    logLine(line);
}

static const char *reasonText(int result)
{
    switch (result) {
    case StoreAccessDenied: return "the store is read-only";
    case StoreBusy: return "another program kept the store locked";
    default: return "the store cannot be written";
    }
}

static std::array<int, 4> settingValues(const AppSettings &settings)
{
    return {settings.fxvolume, settings.musicvolume, settings.quiz, settings.fullscreen};
}

// Whether the player changed a setting that is not saved yet.
static bool changeLost() { return settingValues(appSettings) != storedValues; }

static void reportLoss(int result)
{
    if (lossReported || !changeLost()) return;
    lossReported = true;
    char line[160];
    snprintf(line, sizeof line, " \xB7 store: the changed settings could not be saved: %s", reasonText(result));
    logProblem(line);
}

static int clampVolume(int volume) { return volume < 0 ? 0 : volume > 128 ? 128 : volume; }

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void resetStoreHooks() { storeHooks = realStoreHooks; }

int readSettingValue(const char *name)
{
    attachStoreLog();
    StoreKey key = nullptr;
    if (storeHooks.openExistingKey(SettingsRoot, StoreRead, &key) != StoreOk) return -1;
    int value = -1;
    if (readDword(key, name, value) != ReadValue) value = -1;
    storeHooks.closeKey(key);
    return value;
}

static int writeDwords(const StoreValue *values, uint32_t count)
{
    StoreKey key = nullptr;
    int result = storeHooks.openKey(SettingsRoot, StoreWrite, &key);
    if (result != StoreOk) return result;
    result = storeHooks.setValues(key, values, count);
    if (result == StoreOk) result = storeHooks.flushKey(key);
    storeHooks.closeKey(key);
    return result;
}

int writeSettingValue(const char *name, int value)
{
    attachStoreLog();
    std::array<unsigned char, 4> bytes{};
    storeDwordBytes(value, bytes.data());
    StoreValue one{name, StoreTypeDword, bytes.data(), 4};
    return writeDwords(&one, 1);
}

void loadSettings()
{
    attachStoreLog();
    std::array<int, 4> values = {-1, -1, -1, -1};
    std::array<bool, 4> unusable{};
    // Reading never writes: a key that is not there yet is simply empty.
    StoreKey key = nullptr;
    if (storeHooks.openExistingKey(SettingsRoot, StoreRead, &key) == StoreOk) {
        for (size_t i = 0; i < settingNames.size(); i++) {
            ReadOutcome outcome = readDword(key, settingNames[i], values[i]);
            if (outcome == ReadWrongType) logWrongType(key, settingNames[i]);
            unusable[i] = outcome == ReadWrongType;
            if (outcome != ReadValue) values[i] = -1;
        }
        storeHooks.closeKey(key);
    }
    // Stored values are input: the switches index two-picture tables and the volumes go to the mixer.
    appSettings.fxvolume = values[0] == -1 ? defaultSettings.fxvolume : clampVolume(values[0]);
    appSettings.musicvolume = values[1] == -1 ? defaultSettings.musicvolume : clampVolume(values[1]);
    appSettings.quiz = values[2] == -1 ? defaultSettings.quiz : values[2] != 0;
    appSettings.fullscreen = values[3] == -1 ? defaultSettings.fullscreen : values[3] != 0;
    storedValues = settingValues(appSettings);
    for (size_t i = 0; i < storedValues.size(); i++)
        if (unusable[i]) storedValues[i] = storedUnusable;
    unsavedResult = StoreOk;
    lossReported = false;
}

void saveSettings()
{
    attachStoreLog();
    std::array<int, 4> now = settingValues(appSettings);
    std::array<std::array<unsigned char, 4>, 4> bytes{};
    std::array<StoreValue, 4> values{};
    uint32_t count = 0;
    for (size_t i = 0; i < now.size(); i++) {
        if (now[i] == storedValues[i]) continue;
        storeDwordBytes(now[i], bytes[i].data());
        values[count++] = StoreValue{settingNames[i], StoreTypeDword, bytes[i].data(), 4};
    }
    if (count == 0) {
        unsavedResult = StoreOk;
        return;
    }

    // All in one transaction: one wait for a lock, and never half of a save.
    int result = writeDwords(values.data(), count);
    if (result == StoreOk) {
        storedValues = now;
        unsavedResult = StoreOk;
        return;
    }
    // Kept for the next save; a read-only store will never take it, so that is said at once.
    unsavedResult = result;
    if (result == StoreAccessDenied) reportLoss(result);
}

void finishSettings()
{
    if (unsavedResult == StoreOk || !changeLost()) return;
    waitMs = exitWaitMs;
    saveSettings();
    waitMs = frameWaitMs;
    storeSetWaitLimit(waitMs);
    if (unsavedResult != StoreOk) reportLoss(unsavedResult);
}

// Counts the entries equal to ProgressDone from index 0 up to the first one that cannot be read.
static int countDone(StoreKey key, const char *format, int entries)
{
    int done = 0;
    for (int i = 0; i < entries; i++) {
        char name[16];
        snprintf(name, sizeof name, format, i);
        int value = 0;
        if (readDword(key, name, value) != ReadValue) break;
        if (value == ProgressDone) done++;
    }
    return done;
}

int slotProgressPercent(int slot)
{
    if (slot < 1 || slot > ProgressSlotCount) return 0;
    attachStoreLog();
    char path[64];
    slotKeyPath(path, sizeof path, slot);
    StoreKey key = nullptr;
    if (storeHooks.openExistingKey(path, StoreRead, &key) != StoreOk) return 0;
    int done = countDone(key, TAVRIN_FIRST_GAME_VALUE_FORMAT, FirstGameTaskCount);
    done += countDone(key, TAVRIN_SECOND_GAME_VALUE_FORMAT, SecondGameTaskCount);
    storeHooks.closeKey(key);
    return done * 100 / (FirstGameTaskCount + SecondGameTaskCount);
}

bool eraseSlot(int slot)
{
    if (slot < 1 || slot > ProgressSlotCount) return false;
    attachStoreLog();
    char path[64];
    slotKeyPath(path, sizeof path, slot);
    int result = storeHooks.deleteKey(path);
    if (result == StoreOk || result == StoreNotFound) return true;
    char line[160];
    snprintf(line, sizeof line, " \xB7 store: player %c's results could not be erased: %s", 'A' + slot - 1,
             reasonText(result));
    logProblem(line);
    return false;
}

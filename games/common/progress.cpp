// progress.cpp -- reading the settings and a player's progress from the store, and recording a finished task
#include "progress.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "tavrin/progress.h"
#include "tavrin/store.h"

namespace {

// An open key, closed when it goes out of scope. A key opened only to read must already be there: looking
// at a new player's progress writes nothing, and so never waits for another program's write lock.
struct OpenKey {
    StoreKey key = nullptr;
    bool ok = false;
    OpenKey(const char *path, int access)
    {
        int result = access & StoreWrite ? storeOpenKey(path, access, &key) : storeOpenExistingKey(path, access, &key);
        ok = result == StoreOk && key;
    }
    ~OpenKey()
    {
        if (ok) storeCloseKey(key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
};

// A value of at most 4 bytes, read as a little-endian signed integer (missing high bytes are 0): the games
// take a little more than the menu, which reads a 4-byte REG_DWORD alone.
bool readValue(StoreKey key, const char *name, int32_t *value)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    uint32_t size = sizeof bytes;
    if (storeQueryValue(key, name, nullptr, bytes, &size) != StoreOk || size > 4) return false;
    *value = storeDwordFromBytes(bytes);
    return true;
}

bool valueName(const char *format, int task, char *name, int size)
{
    int n = std::snprintf(name, size, format, task);
    return n > 0 && n < size;
}

// Each task's value under format in the slot's key; 0 where there is none or it cannot be read.
void readTaskValues(const char *format, int taskCount, int slot, std::array<int32_t, MaxTasks> &values)
{
    values.fill(0);
    char path[64];
    if (!slotKeyPath(slot, path, sizeof path)) return;
    OpenKey key(path, StoreRead);
    if (!key.ok) return;
    for (int i = 0; i < taskCount && i < MaxTasks; ++i) {
        char name[16];
        if (valueName(format, i, name, sizeof name)) readValue(key.key, name, &values[i]);
    }
}

} // namespace

int readSetting(const char *name, int fallback)
{
    OpenKey root(TAVRIN_SETTINGS_ROOT, StoreRead);
    int32_t value = -1;
    if (!root.ok || !readValue(root.key, name, &value) || value == -1) return fallback;
    return value;
}

int slotKeyPath(int slot, char *path, int size)
{
    if (slot < 0 || slot >= ProgressSlotCount) return 0;
    int n = std::snprintf(path, size, TAVRIN_SLOT_KEY_FORMAT, TAVRIN_SETTINGS_ROOT, slot + 1);
    return n > 0 && n < size;
}

void readProgress(const GameDef &game, int slot, std::array<bool, MaxTasks> &done)
{
    std::array<int32_t, MaxTasks> values;
    readTaskValues(game.valueFormat, game.taskCount, slot, values);
    for (int i = 0; i < MaxTasks; ++i) done[i] = values[i] == ProgressDone;
}

int recordTaskDone(const GameDef &game, int slot, int task)
{
    char path[64];
    if (task < 0 || task >= game.taskCount || task >= MaxTasks || !slotKeyPath(slot, path, sizeof path)) return 0;
    OpenKey key(path, StoreRead | StoreWrite);
    if (!key.ok) return 0;
    // Every earlier task without a readable value gets a 0, so that the menu's count, which stops at the
    // first value it cannot read, reaches this one; the fillers and the task are written together, all or
    // none, and committed once.
    unsigned char zero[4], done[4];
    storeDwordBytes(0, zero);
    storeDwordBytes(ProgressDone, done);
    std::array<std::array<char, 16>, MaxTasks> names{};
    std::array<StoreValue, MaxTasks> values{};
    uint32_t count = 0;
    for (int i = 0; i < task; ++i) {
        int32_t value = 0;
        char *name = names[count].data();
        if (valueName(game.valueFormat, i, name, int(names[count].size())) && !readValue(key.key, name, &value))
            values[count++] = StoreValue{name, StoreTypeDword, zero, sizeof zero};
    }
    char *name = names[count].data();
    if (!valueName(game.valueFormat, task, name, int(names[count].size()))) return 0;
    values[count++] = StoreValue{name, StoreTypeDword, done, sizeof done};
    return storeSetValues(key.key, values.data(), count) == StoreOk && storeFlushKey(key.key) == StoreOk;
}

void readStars(const GameDef &game, int slot, std::array<int, MaxTasks> &stars)
{
    std::array<int32_t, MaxTasks> values{};
    if (game.starFormat) readTaskValues(game.starFormat, game.taskCount, slot, values);
    for (int i = 0; i < MaxTasks; ++i) stars[i] = values[i] >= 1 && values[i] <= 3 ? values[i] : 0;
}

int recordStars(const GameDef &game, int slot, int task, int stars)
{
    char path[64], name[16];
    if (!game.starFormat || task < 0 || task >= game.taskCount || stars < 1 || stars > 3 ||
        !slotKeyPath(slot, path, sizeof path) || !valueName(game.starFormat, task, name, sizeof name))
        return 0;
    OpenKey key(path, StoreRead | StoreWrite);
    if (!key.ok) return 0;
    int32_t kept = 0;
    if (readValue(key.key, name, &kept) && kept >= stars && kept <= 3) return 1; // a better result stays
    return storeSetDword(key.key, name, stars) == StoreOk && storeFlushKey(key.key) == StoreOk;
}

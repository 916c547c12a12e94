// progress.cpp -- reading the settings and a player's progress from the store, and recording a finished task
#include "progress.h"

#include <cstdint>
#include <cstdio>

#include "tavrin/store.h"

namespace {

constexpr const char *rootPath = "Software\\Vorniquel\\Tavrin\\";
constexpr int ProgressDone = 2;

// An open key, closed when it goes out of scope.
struct OpenKey {
    StoreKey key = nullptr;
    bool ok = false;
    OpenKey(const char *path, int access) { ok = storeOpenKey(path, access, &key) == StoreOk && key; }
    ~OpenKey()
    {
        if (ok) storeCloseKey(key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
};

// A value of at most 4 bytes, read as a little-endian signed integer (missing high bytes are 0).
bool readValue(StoreKey key, const char *name, int32_t *value)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    uint32_t size = sizeof bytes;
    if (storeQueryValue(key, name, nullptr, bytes, &size) != StoreOk || size > 4) return false;
    *value = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                  static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

bool writeDword(StoreKey key, const char *name, int32_t value)
{
    uint32_t u = static_cast<uint32_t>(value);
    unsigned char bytes[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                              static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
    return storeSetValue(key, name, StoreTypeDword, bytes, 4) == StoreOk;
}

bool valueName(const char *format, int task, char *name, int size)
{
    int n = std::snprintf(name, size, format, task);
    return n > 0 && n < size;
}

bool valueName(const GameDef &game, int task, char *name, int size) { return valueName(game.valueFormat, task, name, size); }

} // namespace

int readSetting(const char *name, int fallback)
{
    OpenKey root(rootPath, StoreRead);
    int32_t value = -1;
    if (!root.ok || !readValue(root.key, name, &value) || value == -1) return fallback;
    return value;
}

int slotKeyPath(int slot, char *path, int size)
{
    if (slot < 0 || slot > 2) return 0;
    int n = std::snprintf(path, size, "%sslot%d\\", rootPath, slot + 1);
    return n > 0 && n < size;
}

void readProgress(const GameDef &game, int slot, std::array<bool, MaxTasks> &done)
{
    done.fill(false);
    char path[64];
    if (!slotKeyPath(slot, path, sizeof path)) return;
    OpenKey key(path, StoreRead);
    if (!key.ok) return;
    for (int i = 0; i < game.taskCount && i < MaxTasks; ++i) {
        char name[16];
        int32_t value = 0;
        if (valueName(game, i, name, sizeof name) && readValue(key.key, name, &value))
            done[i] = value == ProgressDone;
    }
}

int recordTaskDone(const GameDef &game, int slot, int task)
{
    char path[64];
    if (task < 0 || task >= game.taskCount || !slotKeyPath(slot, path, sizeof path)) return 0;
    OpenKey key(path, StoreRead | StoreWrite);
    if (!key.ok) return 0;
    for (int i = 0; i < task; ++i) {
        char name[16];
        int32_t value = 0;
        if (valueName(game, i, name, sizeof name) && !readValue(key.key, name, &value)) writeDword(key.key, name, 0);
    }
    char name[16];
    if (!valueName(game, task, name, sizeof name) || !writeDword(key.key, name, ProgressDone)) return 0;
    return storeFlushKey(key.key) == StoreOk;
}

void readStars(const GameDef &game, int slot, std::array<int, MaxTasks> &stars)
{
    stars.fill(0);
    char path[64];
    if (!game.starFormat || !slotKeyPath(slot, path, sizeof path)) return;
    OpenKey key(path, StoreRead);
    if (!key.ok) return;
    for (int i = 0; i < game.taskCount && i < MaxTasks; ++i) {
        char name[16];
        int32_t value = 0;
        if (valueName(game.starFormat, i, name, sizeof name) && readValue(key.key, name, &value) && value >= 1 && value <= 3)
            stars[i] = value;
    }
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
    return writeDword(key.key, name, stars) && storeFlushKey(key.key) == StoreOk;
}

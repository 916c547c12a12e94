// store_env.h -- puts a test on an empty store, and small helpers over the C API for the store's tests
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "tavrin/store.h"

// Gives this test process a store of its own: a private folder for the database, or on Windows a
// registry key of its own standing in for the user's root.
void usePrivateStore();

// The keys the tests use, emptied before each test.
constexpr const char *testRoot = "Software\\TavrinTests";

inline void useCleanStore()
{
    usePrivateStore();
    storeDeleteKey("Software\\Vorniquel");
    storeDeleteKey(testRoot);
}

inline int setDword(const char *path, const char *name, int32_t value)
{
    StoreKey key = nullptr;
    int result = storeOpenKey(path, StoreWrite, &key);
    if (result != StoreOk) return result;
    result = storeSetDword(key, name, value);
    storeCloseKey(key);
    return result;
}

inline int setRaw(const char *path, const char *name, uint32_t type, const std::string &data)
{
    StoreKey key = nullptr;
    int result = storeOpenKey(path, StoreWrite, &key);
    if (result != StoreOk) return result;
    result = storeSetValue(key, name, type, data.data(), static_cast<uint32_t>(data.size()));
    storeCloseKey(key);
    return result;
}

// The value's data as bytes, or "<missing>" when it cannot be read; the type goes to *type.
inline std::string getRaw(const char *path, const char *name, uint32_t *type = nullptr)
{
    StoreKey key = nullptr;
    if (storeOpenExistingKey(path, StoreRead, &key) != StoreOk) return "<missing>";
    std::string data(64, '\0');
    uint32_t size = static_cast<uint32_t>(data.size());
    int result = storeQueryValue(key, name, type, data.data(), &size);
    storeCloseKey(key);
    if (result != StoreOk) return "<missing>";
    data.resize(size);
    return data;
}

inline bool keyExists(const char *path)
{
    StoreKey key = nullptr;
    if (storeOpenExistingKey(path, StoreRead, &key) != StoreOk) return false;
    storeCloseKey(key);
    return true;
}

// A player's key: slot 1 (A) to 3 (C). Spelled out rather than built from the program's own names, so
// that a key moved by mistake fails the tests: the players' stored progress lives there.
inline std::string slotKey(int slot)
{
    char path[64];
    snprintf(path, sizeof path, "Software\\Vorniquel\\Tavrin\\slot%d\\", slot);
    return path;
}

// Writes count progress values "g<game>a<first>" onward into a slot's key, each equal to value, in one
// flushed write; StoreOk, or the first failure.
inline int writeProgress(int slot, int game, int first, int count, int32_t value)
{
    StoreKey key = nullptr;
    int result = storeOpenKey(slotKey(slot).c_str(), StoreWrite, &key);
    for (int i = first; result == StoreOk && i < first + count; i++) {
        char name[16];
        snprintf(name, sizeof name, "g%da%d", game, i);
        result = storeSetDword(key, name, value);
    }
    if (result == StoreOk) result = storeFlushKey(key);
    if (key) storeCloseKey(key);
    return result;
}

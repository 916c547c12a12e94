// store_backend.h -- what each platform's backend gives the store's C API: keys and typed values
#pragma once

#include <cstdint>
#include <string>

#include "tavrin/store.h"

// Where the last listing call stopped, so that asking for the next index goes on from there instead of
// counting from the first again.
struct StoreListCursor {
    bool valid = false;
    uint32_t index = 0;
    std::string name;
};

// An open key. The portable part checks the access; the handle and its generation are the backend's.
struct StoreKeyRecord {
    int access = 0;           // StoreRead, StoreWrite or both
    uint64_t handle = 0;      // a row id in the database, or an HKEY
    uint32_t generation = 0;  // which opening of the store's files the handle belongs to
    StoreListCursor values;
    StoreListCursor subkeys;
};

// Longest names the registry allows; the database keeps the same limits so that both behave alike.
constexpr size_t storeMaxKeyNameLength = 255;
constexpr size_t storeMaxValueNameLength = 16383;
constexpr size_t storeMaxKeyDepth = 512;
constexpr uint32_t storeMaxDataSize = 1u << 20;

// Every path reaches a backend checked and normalised: names joined by single backslashes, none at
// either end, "" for the user's root. Value names are never null ("" is the key's unnamed value).
// Results are the StoreResult codes of the C API.
int backendOpenKey(const std::string &path, int access, bool create, StoreKeyRecord &key);
void backendCloseKey(StoreKeyRecord &key);
int backendQueryValue(const StoreKeyRecord &key, const char *name, uint32_t *type, void *data, uint32_t *size);
int backendSetValue(const StoreKeyRecord &key, const char *name, uint32_t type, const void *data, uint32_t size);
int backendSetValues(const StoreKeyRecord &key, const StoreValue *values, uint32_t count);
int backendDeleteValue(const StoreKeyRecord &key, const char *name);
int backendEnumValue(StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize, uint32_t *type,
                     void *data, uint32_t *size);
int backendEnumKey(StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize);
int backendFlushKey(const StoreKeyRecord &key);
int backendDeleteKey(const std::string &path);
// A write transaction around several calls (see write_transaction.h); the registry has none.
int backendBeginWrite(const StoreKeyRecord &key);
int backendEndWrite(bool commit);
void backendCloseStore();
void backendSetWaitLimit(uint32_t milliseconds);
uint32_t backendWaitLimit();

// One line about the store itself (a corrupt file moved aside) to the sink the host set, or stderr.
void storeLog(const char *line);

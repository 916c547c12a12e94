// store_backend.h -- what each platform's backend gives the store's C API: keys and typed values
#pragma once

#include <cstdint>
#include <string>

#include "tavrin/store.h"

// An open key. The portable part checks the access; the handle and its generation are the backend's.
struct StoreKeyRecord {
    int access;           // StoreRead, StoreWrite or both
    uint64_t handle;      // a row id in the database, or an HKEY
    uint32_t generation;  // which opening of the store's files the handle belongs to
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
int backendDeleteValue(const StoreKeyRecord &key, const char *name);
int backendEnumValue(const StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize, uint32_t *type,
                     void *data, uint32_t *size);
int backendEnumKey(const StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize);
int backendFlushKey(const StoreKeyRecord &key);
int backendDeleteKey(const std::string &path);
void backendCloseStore();

// One line about the store itself (a corrupt file moved aside) to the sink the host set, or stderr.
void storeLog(const char *line);

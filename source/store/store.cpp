// store.cpp -- the store's C API: argument checks, path normalisation and the log sink, over a backend
#include "store/store_backend.h"
#include "store/write_transaction.h"

#include <cstdio>
#include <cstring>
#include <memory>

static StoreLogFn logSink = nullptr;

void storeLog(const char *line)
{
    if (logSink) {
        logSink(line);
        return;
    }
    fprintf(stderr, "%s\n", line);
}

// Splits a backslashed path into checked names and joins them again without the outer backslashes.
// A trailing backslash is allowed; a leading one, an empty name or an over-long name is refused, as the
// registry refuses them.
static bool normalisePath(const char *path, std::string &out)
{
    if (!path) return false;
    size_t length = strlen(path);
    if (length > 0 && path[length - 1] == '\\') length--;
    out.assign(path, length);
    if (out.empty()) return true;
    size_t depth = 0;
    size_t start = 0;
    while (start <= out.size()) {
        size_t end = out.find('\\', start);
        if (end == std::string::npos) end = out.size();
        size_t nameLength = end - start;
        if (nameLength == 0 || nameLength > storeMaxKeyNameLength) return false;
        if (++depth > storeMaxKeyDepth) return false;
        start = end + 1;
    }
    return true;
}

static bool validValueName(const char *&name)
{
    if (!name) name = "";
    return strlen(name) <= storeMaxValueNameLength;
}

// A value the store can take: a name within the limit, data where a size is given, and a DWORD of 4 bytes.
static bool validValue(const char *&name, uint32_t type, const void *data, uint32_t size)
{
    if (!validValueName(name)) return false;
    if ((size > 0 && !data) || size > storeMaxDataSize) return false;
    return type != StoreTypeDword || size == 4;
}

static int openKey(const char *path, int access, bool create, StoreKey *key)
{
    if (!key) return StoreFailed;
    *key = nullptr;
    std::string normal;
    if (!normalisePath(path, normal)) return StoreFailed;
    if (access == 0 || (access & ~(StoreRead | StoreWrite)) != 0) return StoreFailed;
    auto record = std::make_unique<StoreKeyRecord>();
    record->access = access;
    int result = backendOpenKey(normal, access, create, *record);
    if (result != StoreOk) return result;
    *key = record.release();
    return StoreOk;
}

int storeOpenKey(const char *path, int access, StoreKey *key) { return openKey(path, access, true, key); }

int storeOpenExistingKey(const char *path, int access, StoreKey *key) { return openKey(path, access, false, key); }

int storeQueryValue(StoreKey key, const char *name, uint32_t *type, void *data, uint32_t *size)
{
    if (!key || !(key->access & StoreRead) || !validValueName(name)) return StoreFailed;
    if (data && !size) return StoreFailed;
    return backendQueryValue(*key, name, type, data, size);
}

int storeSetValue(StoreKey key, const char *name, uint32_t type, const void *data, uint32_t size)
{
    if (!key || !(key->access & StoreWrite) || !validValue(name, type, data, size)) return StoreFailed;
    return backendSetValue(*key, name, type, data, size);
}

// The same checks as for one value, all made before anything is written.
int storeSetValues(StoreKey key, const StoreValue *values, uint32_t count)
{
    if (!key || !(key->access & StoreWrite) || (count > 0 && !values)) return StoreFailed;
    for (uint32_t i = 0; i < count; i++) {
        const char *name = values[i].name;
        if (!validValue(name, values[i].type, values[i].data, values[i].size)) return StoreFailed;
    }
    if (count == 0) return StoreOk;
    return backendSetValues(*key, values, count);
}

int storeDeleteValue(StoreKey key, const char *name)
{
    if (!key || !(key->access & StoreWrite) || !validValueName(name)) return StoreFailed;
    return backendDeleteValue(*key, name);
}

int storeEnumValue(StoreKey key, uint32_t index, char *name, uint32_t nameSize, uint32_t *type, void *data,
                   uint32_t *size)
{
    if (!key || !(key->access & StoreRead) || !name || nameSize == 0) return StoreFailed;
    if (data && !size) return StoreFailed;
    return backendEnumValue(*key, index, name, nameSize, type, data, size);
}

int storeEnumKey(StoreKey key, uint32_t index, char *name, uint32_t nameSize)
{
    if (!key || !(key->access & StoreRead) || !name || nameSize == 0) return StoreFailed;
    return backendEnumKey(*key, index, name, nameSize);
}

int storeFlushKey(StoreKey key)
{
    if (!key) return StoreFailed;
    return backendFlushKey(*key);
}

int storeCloseKey(StoreKey key)
{
    if (!key) return StoreFailed;
    std::unique_ptr<StoreKeyRecord> record(key);
    backendCloseKey(*record);
    return StoreOk;
}

int storeDeleteKey(const char *path)
{
    std::string normal;
    if (!normalisePath(path, normal) || normal.empty()) return StoreFailed;
    return backendDeleteKey(normal);
}

int storeBeginWrite(StoreKey key)
{
    if (!key || (key->access & (StoreRead | StoreWrite)) != (StoreRead | StoreWrite)) return StoreFailed;
    return backendBeginWrite(*key);
}

int storeEndWrite(StoreKey key, bool commit) { return key ? backendEndWrite(commit) : StoreFailed; }

void storeCloseStore() { backendCloseStore(); }

void storeSetWaitLimit(uint32_t milliseconds) { backendSetWaitLimit(milliseconds); }

uint32_t storeWaitLimit() { return backendWaitLimit(); }

void storeSetLogSink(StoreLogFn sink) { logSink = sink; }

void storeLogLine(const char *line)
{
    if (line) storeLog(line);
}

// dword.cpp -- 4-byte integers in the store, read, written and updated little-endian over the typed-value
// calls, and the names of the value types
#include <algorithm>

#include "store/write_transaction.h"
#include "tavrin/store.h"

void storeDwordBytes(int32_t value, unsigned char bytes[4])
{
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; i++) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
}

int32_t storeDwordFromBytes(const unsigned char bytes[4])
{
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

int storeQueryDword(StoreKey key, const char *name, int32_t *value)
{
    if (!value) return StoreFailed;
    unsigned char bytes[4] = {0, 0, 0, 0};
    uint32_t type = 0, size = sizeof bytes;
    int result = storeQueryValue(key, name, &type, bytes, &size);
    if (result == StoreMoreData) return StoreWrongType;
    if (result != StoreOk) return result;
    if (type != StoreTypeDword || size != 4) return StoreWrongType;
    *value = storeDwordFromBytes(bytes);
    return StoreOk;
}

int storeSetDword(StoreKey key, const char *name, int32_t value)
{
    unsigned char bytes[4];
    storeDwordBytes(value, bytes);
    return storeSetValue(key, name, StoreTypeDword, bytes, 4);
}

// The value an update leaves, given what is stored; false when the stored value stays as it is.
static bool updatedValue(const StoreDwordUpdate &update, bool stored, int32_t current, int32_t *value)
{
    switch (update.kind) {
    case StoreUpdateSet: *value = update.value; return true;
    case StoreUpdateFill: *value = update.value; return !stored;
    case StoreUpdateAdd: {
        // Held within 32 bits: a count grown huge (or a hostile one) stays huge instead of turning negative.
        int64_t sum = static_cast<int64_t>(stored ? current : 0) + update.value;
        *value = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
        return true;
    }
    case StoreUpdateMax: *value = update.value; return !stored || update.value > current;
    default: return false;
    }
}

static int applyUpdate(StoreKey key, const StoreDwordUpdate &update)
{
    if (update.kind == StoreUpdateDelete) {
        int result = storeDeleteValue(key, update.name);
        return result == StoreNotFound ? StoreOk : result;
    }
    int32_t current = 0, value = 0;
    int read = storeQueryDword(key, update.name, &current);
    if (read != StoreOk && read != StoreNotFound && read != StoreWrongType) return read;
    return updatedValue(update, read == StoreOk, current, &value) ? storeSetDword(key, update.name, value) : StoreOk;
}

int storeUpdateDwords(StoreKey key, const StoreDwordUpdate *updates, uint32_t count)
{
    if (count > 0 && !updates) return StoreFailed;
    for (uint32_t i = 0; i < count; i++)
        if (!updates[i].name || updates[i].kind > StoreUpdateDelete) return StoreFailed;
    int result = storeBeginWrite(key);
    if (result != StoreOk) return result;
    for (uint32_t i = 0; i < count && result == StoreOk; i++) result = applyUpdate(key, updates[i]);
    if (result != StoreOk) {
        storeEndWrite(key, false);
        return result;
    }
    return storeEndWrite(key, true);
}

const char *storeTypeName(uint32_t type)
{
    switch (type) {
    case 0: return "REG_NONE";
    case StoreTypeSz: return "REG_SZ";
    case 2: return "REG_EXPAND_SZ";
    case StoreTypeBinary: return "REG_BINARY";
    case StoreTypeDword: return "REG_DWORD";
    case 5: return "REG_DWORD_BIG_ENDIAN";
    case 7: return "REG_MULTI_SZ";
    case 11: return "REG_QWORD";
    default: return nullptr;
    }
}

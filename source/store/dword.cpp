// dword.cpp -- 4-byte integers in the store, read and written little-endian over the typed-value calls, and
// the names of the value types
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

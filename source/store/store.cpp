// store.cpp -- stand-in: a store that keeps nothing (every open fails, so readers get their defaults)
#include "tavrin/store.h"

int storeOpenKey(const char *, int, StoreKey *key)
{
    if (key) *key = nullptr;
    return StoreFailed;
}
int storeQueryValue(StoreKey, const char *, uint32_t *, void *, uint32_t *) { return StoreFailed; }
int storeSetValue(StoreKey, const char *, uint32_t, const void *, uint32_t) { return StoreFailed; }
int storeDeleteValue(StoreKey, const char *) { return StoreFailed; }
int storeEnumValue(StoreKey, uint32_t, char *, uint32_t, uint32_t *, void *, uint32_t *) { return StoreFailed; }
int storeFlushKey(StoreKey) { return StoreFailed; }
int storeCloseKey(StoreKey) { return StoreFailed; }
int storeDeleteKey(const char *) { return StoreFailed; }
void storeSetLogSink(StoreLogFn) {}

// fake_store.cpp -- the store's C API over a map in memory, for the game tests
#include "fake_store.h"

#include <algorithm>
#include <cstring>
#include <list>

#include "store/write_transaction.h"
#include "tavrin/store.h"

FakeKeys fakeKeys;
int fakeFlushes = 0;
int fakeOpenKeys = 0;
bool fakeStoreBroken = false;
bool fakeStoreLocked = false;
uint32_t fakeWaitLimit = 10000;
std::vector<uint32_t> fakeWriteWaits;
std::vector<std::string> fakeLogLines;
const std::string fakeRootPath = "software\\vorniquel\\tavrin";

struct StoreKeyRecord {
    std::string path;
    int access;
};

namespace {

std::list<StoreKeyRecord> openRecords; // stable addresses, handed out as the keys
FakeKeys beforeWrite;                  // what a write transaction undoes

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string normalise(const char *path)
{
    std::string p = lower(path);
    if (!p.empty() && p.back() == '\\') p.pop_back();
    return p;
}

} // namespace

void fakeStoreReset()
{
    fakeKeys.clear();
    openRecords.clear();
    fakeFlushes = 0;
    fakeOpenKeys = 0;
    fakeStoreBroken = false;
    fakeStoreLocked = false;
    fakeWaitLimit = 10000;
    fakeLogLines.clear();
    fakeWriteWaits.clear();
}

void fakeSetDword(const std::string &path, const std::string &name, int32_t value)
{
    std::vector<unsigned char> bytes(4);
    storeDwordBytes(value, bytes.data());
    fakeKeys[normalise(path.c_str())][lower(name)] = FakeValue{StoreTypeDword, bytes};
}

bool fakeDword(const std::string &path, const std::string &name, int32_t *value)
{
    auto key = fakeKeys.find(normalise(path.c_str()));
    if (key == fakeKeys.end()) return false;
    auto v = key->second.find(lower(name));
    if (v == key->second.end() || v->second.data.size() != 4) return false;
    *value = storeDwordFromBytes(v->second.data.data());
    return true;
}

std::string fakeSlotPath(int slotNumber) { return fakeRootPath + "\\slot" + std::to_string(slotNumber); }

int32_t fakeSlotValue(int slotNumber, const std::string &name)
{
    int32_t value = 0;
    return fakeDword(fakeSlotPath(slotNumber), name, &value) ? value : fakeMissing;
}

extern "C" {

int storeOpenKey(const char *path, int access, StoreKey *key)
{
    if (!key) return StoreFailed;
    *key = nullptr;
    if (fakeStoreBroken || !path) return StoreFailed;
    std::string p = normalise(path);
    if (access & StoreWrite) fakeWriteWaits.push_back(fakeWaitLimit);
    if (fakeStoreLocked && (access & StoreWrite) && !fakeKeys.count(p)) return StoreBusy; // creating writes
    // Opening creates the key and every missing key above it, as the real store does.
    for (size_t at = p.find('\\'); at != std::string::npos; at = p.find('\\', at + 1)) fakeKeys[p.substr(0, at)];
    fakeKeys[p];
    openRecords.push_back(StoreKeyRecord{p, access});
    *key = &openRecords.back();
    ++fakeOpenKeys;
    return StoreOk;
}

int storeOpenExistingKey(const char *path, int access, StoreKey *key)
{
    if (!key) return StoreFailed;
    *key = nullptr;
    if (fakeStoreBroken || !path) return StoreFailed;
    if (!fakeKeys.count(normalise(path))) return StoreNotFound;
    return storeOpenKey(path, access, key);
}

int storeQueryValue(StoreKey key, const char *name, uint32_t *type, void *data, uint32_t *size)
{
    if (fakeStoreBroken || !key || !name || !size || !(key->access & StoreRead)) return StoreFailed;
    auto &values = fakeKeys[key->path];
    auto v = values.find(lower(name));
    if (v == values.end()) return StoreNotFound;
    uint32_t length = static_cast<uint32_t>(v->second.data.size());
    if (type) *type = v->second.type;
    if (data && *size < length) {
        *size = length;
        return StoreMoreData;
    }
    if (data) std::memcpy(data, v->second.data.data(), length);
    *size = length;
    return StoreOk;
}

int storeSetValue(StoreKey key, const char *name, uint32_t type, const void *data, uint32_t size)
{
    if (fakeStoreBroken || !key || !name || !(key->access & StoreWrite)) return StoreFailed;
    if (fakeStoreLocked) return StoreBusy;
    const auto *bytes = static_cast<const unsigned char *>(data);
    fakeKeys[key->path][lower(name)] = FakeValue{type, std::vector<unsigned char>(bytes, bytes + size)};
    return StoreOk;
}

int storeSetValues(StoreKey key, const StoreValue *values, uint32_t count)
{
    if (fakeStoreBroken || !key || !(key->access & StoreWrite) || (count && !values)) return StoreFailed;
    for (uint32_t i = 0; i < count; ++i)
        if (!values[i].name) return StoreFailed;  // checked first: all or none, as the database does
    for (uint32_t i = 0; i < count; ++i) storeSetValue(key, values[i].name, values[i].type, values[i].data, values[i].size);
    return StoreOk;
}

int storeDeleteValue(StoreKey key, const char *name)
{
    if (fakeStoreBroken || !key || !name) return StoreFailed;
    return fakeKeys[key->path].erase(lower(name)) ? StoreOk : StoreNotFound;
}

int storeEnumValue(StoreKey key, uint32_t index, char *name, uint32_t nameSize, uint32_t *type, void *, uint32_t *)
{
    if (fakeStoreBroken || !key || !name) return StoreFailed;
    auto &values = fakeKeys[key->path];
    if (index >= values.size()) return StoreNotFound;
    auto v = std::next(values.begin(), index);
    if (v->first.size() + 1 > nameSize) return StoreMoreData;
    std::memcpy(name, v->first.c_str(), v->first.size() + 1);
    if (type) *type = v->second.type;
    return StoreOk;
}

int storeFlushKey(StoreKey key)
{
    if (fakeStoreBroken || !key) return StoreFailed;
    ++fakeFlushes;
    return StoreOk;
}

int storeCloseKey(StoreKey key)
{
    if (!key) return StoreFailed;
    openRecords.remove_if([key](const StoreKeyRecord &r) { return &r == key; });
    --fakeOpenKeys;
    return StoreOk;
}

int storeDeleteKey(const char *path)
{
    if (fakeStoreBroken || !path) return StoreFailed;
    if (fakeStoreLocked) return StoreBusy;
    return fakeKeys.erase(normalise(path)) ? StoreOk : StoreNotFound;
}

void storeSetLogSink(StoreLogFn) {}
void storeLogLine(const char *line) { fakeLogLines.push_back(line ? line : ""); }
void storeSetWaitLimit(uint32_t milliseconds) { fakeWaitLimit = milliseconds; }
uint32_t storeWaitLimit() { return fakeWaitLimit; }
}

// The store's own write transaction, which storeUpdateDwords runs in: undone as a whole when it fails.
int storeBeginWrite(StoreKey key)
{
    if (fakeStoreBroken || !key || key->access != (StoreRead | StoreWrite)) return StoreFailed;
    if (fakeStoreLocked) return StoreBusy;
    beforeWrite = fakeKeys;
    return StoreOk;
}

int storeEndWrite(StoreKey, bool commit)
{
    if (commit) ++fakeFlushes;
    else fakeKeys = beforeWrite;
    return StoreOk;
}

// fake_store.h -- a store kept in memory for the game tests, with a record of what was written and committed
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct FakeValue {
    uint32_t type;
    std::vector<unsigned char> data;
};

// Keys by path (lower case, without the trailing backslash), values by name (lower case).
using FakeKeys = std::map<std::string, std::map<std::string, FakeValue>>;

extern FakeKeys fakeKeys;
extern int fakeFlushes;       // committed keys since the last reset
extern int fakeOpenKeys;      // keys opened and not yet closed
extern bool fakeStoreBroken;  // every call fails, as a store that cannot be opened
extern bool fakeStoreLocked;  // another program holds the lock: reads work, writes fail with StoreBusy
extern uint32_t fakeWaitLimit;
extern std::vector<uint32_t> fakeWriteWaits;  // the wait limit in force at each key opened for writing
extern std::vector<std::string> fakeLogLines; // what storeLogLine was given

void fakeStoreReset();
void fakeSetDword(const std::string &path, const std::string &name, int32_t value);
// The value as a 4-byte integer; false when it is missing or not 4 bytes long.
bool fakeDword(const std::string &path, const std::string &name, int32_t *value);
// "Software\Vorniquel\Tavrin\slotN" as the fake store keeps it.
std::string fakeSlotPath(int slotNumber);
// A player's value as fakeDword reads it, or fakeMissing.
constexpr int32_t fakeMissing = INT32_MIN;
int32_t fakeSlotValue(int slotNumber, const std::string &name);
extern const std::string fakeRootPath;

// store_api_test.cpp -- keys and typed values through the C API alone, as the game modules use them
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "store_env.h"

namespace {

const char *keyA = "Software\\TavrinTests\\a";
const char *keyAB = "Software\\TavrinTests\\a\\b\\";

class StoreApi : public ::testing::Test {
protected:
    void SetUp() override { useCleanStore(); }
};

TEST_F(StoreApi, OpenCreatesTheKeyAndEveryKeyAboveIt)
{
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyAB, StoreRead, &key), StoreOk);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(storeCloseKey(key), StoreOk);
    EXPECT_TRUE(keyExists(testRoot));
    EXPECT_TRUE(keyExists(keyA));
    EXPECT_TRUE(keyExists("Software\\TavrinTests\\a\\b"));
}

TEST_F(StoreApi, OpenExistingCreatesNothing)
{
    StoreKey key = reinterpret_cast<StoreKey>(1);
    EXPECT_EQ(storeOpenExistingKey("Software\\TavrinTests\\x\\y", StoreRead, &key), StoreNotFound);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(keyExists("Software\\TavrinTests\\x"));
    EXPECT_FALSE(keyExists(testRoot));
}

TEST_F(StoreApi, EachTypeRoundTripsWithItsSize)
{
    const std::string text("h\xE9llo\0", 6);
    const std::string bytes("\x00\x01\xFF\x80\x00", 5);
    ASSERT_EQ(setDword(keyA, "number", -2), StoreOk);
    ASSERT_EQ(setRaw(keyA, "text", StoreTypeSz, text), StoreOk);
    ASSERT_EQ(setRaw(keyA, "bytes", StoreTypeBinary, bytes), StoreOk);
    ASSERT_EQ(setRaw(keyA, "empty", StoreTypeBinary, ""), StoreOk);

    uint32_t type = 0;
    EXPECT_EQ(getRaw(keyA, "number", &type), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(type, uint32_t(StoreTypeDword));
    EXPECT_EQ(getRaw(keyA, "text", &type), text);
    EXPECT_EQ(type, uint32_t(StoreTypeSz));
    EXPECT_EQ(getRaw(keyA, "bytes", &type), bytes);
    EXPECT_EQ(type, uint32_t(StoreTypeBinary));
    EXPECT_EQ(getRaw(keyA, "empty", &type), "");
    EXPECT_EQ(type, uint32_t(StoreTypeBinary));

    // Setting a value again replaces its data and its type.
    ASSERT_EQ(setRaw(keyA, "number", StoreTypeSz, text), StoreOk);
    EXPECT_EQ(getRaw(keyA, "number", &type), text);
    EXPECT_EQ(type, uint32_t(StoreTypeSz));
}

// Only a 4-byte REG_DWORD is a number: text "2" or bytes of the right length are not read as one.
TEST_F(StoreApi, ADwordIsReadOnlyFromAFourByteDword)
{
    ASSERT_EQ(setDword(keyA, "number", -2), StoreOk);
    ASSERT_EQ(setRaw(keyA, "text", StoreTypeSz, std::string("2\0", 2)), StoreOk);
    ASSERT_EQ(setRaw(keyA, "bytes", StoreTypeBinary, std::string("\x02\0\0\0", 4)), StoreOk);
    ASSERT_EQ(setRaw(keyA, "long", StoreTypeBinary, std::string("\x02\0\0\0\0", 5)), StoreOk);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreRead, &key), StoreOk);
    int32_t value = 7;
    EXPECT_EQ(storeQueryDword(key, "number", &value), StoreOk);
    EXPECT_EQ(value, -2);
    value = 7;
    for (const char *name : {"text", "bytes", "long"})
        EXPECT_EQ(storeQueryDword(key, name, &value), StoreWrongType) << name;
    EXPECT_EQ(storeQueryDword(key, "missing", &value), StoreNotFound);
    EXPECT_EQ(value, 7);
    storeCloseKey(key);
}

TEST_F(StoreApi, QueryFailsWhenMissingOrTooLongAndTellsTheSizeNeeded)
{
    ASSERT_EQ(setRaw(keyA, "long", StoreTypeBinary, "12345678"), StoreOk);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreRead, &key), StoreOk);

    unsigned char buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    uint32_t size = 4;
    EXPECT_EQ(storeQueryValue(key, "missing", nullptr, buffer, &size), StoreNotFound);
    size = 4;
    EXPECT_EQ(storeQueryValue(key, "long", nullptr, buffer, &size), StoreMoreData);
    EXPECT_EQ(size, 8u);

    uint32_t type = 0;
    size = 0;
    EXPECT_EQ(storeQueryValue(key, "long", &type, nullptr, &size), StoreOk);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(type, uint32_t(StoreTypeBinary));
    EXPECT_EQ(storeQueryValue(key, "long", &type, nullptr, nullptr), StoreOk);
    EXPECT_EQ(storeQueryValue(key, "long", &type, buffer, nullptr), StoreFailed);
    storeCloseKey(key);
}

TEST_F(StoreApi, KeyAndValueNamesMatchRegardlessOfCase)
{
    ASSERT_EQ(setDword("SOFTWARE\\TavrinTests\\Mixed", "FxVolume", 5), StoreOk);
    EXPECT_EQ(getRaw("software\\tavrintests\\MIXED", "fxvolume"), std::string("\x05\0\0\0", 4));
    ASSERT_EQ(setDword("Software\\TAVRINTESTS\\mixed", "FXVOLUME", 6), StoreOk);

    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey("Software\\TavrinTests\\Mixed", StoreRead, &key), StoreOk);
    char name[64];
    uint32_t size = 4;
    unsigned char data[4];
    ASSERT_EQ(storeEnumValue(key, 0, name, sizeof name, nullptr, data, &size), StoreOk);
    EXPECT_EQ(data[0], 6);
    EXPECT_EQ(storeEnumValue(key, 1, name, sizeof name, nullptr, nullptr, nullptr), StoreNotFound);
    storeCloseKey(key);

    // One key, whatever case opened it: the root has a single subkey.
    ASSERT_EQ(storeOpenKey(testRoot, StoreRead, &key), StoreOk);
    EXPECT_EQ(storeEnumKey(key, 0, name, sizeof name), StoreOk);
    EXPECT_EQ(storeEnumKey(key, 1, name, sizeof name), StoreNotFound);
    storeCloseKey(key);
}

TEST_F(StoreApi, EnumerationListsEveryValueAndSubkeyOnce)
{
    const std::set<std::string> names = {"g1a0", "g1a1", "g2a0", "quiz", ""};
    for (const std::string &name : names) ASSERT_EQ(setDword(keyA, name.c_str(), 2), StoreOk);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyAB, StoreRead, &key), StoreOk);
    storeCloseKey(key);
    ASSERT_EQ(storeOpenKey("Software\\TavrinTests\\a\\c", StoreRead, &key), StoreOk);
    storeCloseKey(key);

    ASSERT_EQ(storeOpenKey(keyA, StoreRead, &key), StoreOk);
    std::multiset<std::string> seen;
    char name[64];
    for (uint32_t i = 0;; i++) {
        uint32_t type = 0, size = 4;
        unsigned char data[4];
        int result = storeEnumValue(key, i, name, sizeof name, &type, data, &size);
        if (result == StoreNotFound) break;
        ASSERT_EQ(result, StoreOk);
        EXPECT_EQ(type, uint32_t(StoreTypeDword));
        seen.insert(name);
    }
    EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()), names);
    EXPECT_EQ(seen.size(), names.size());

    std::set<std::string> subkeys;
    for (uint32_t i = 0; storeEnumKey(key, i, name, sizeof name) == StoreOk; i++) subkeys.insert(name);
    EXPECT_EQ(subkeys, (std::set<std::string>{"b", "c"}));
    // A name buffer too small for the name and its NUL is refused, not overrun.
    EXPECT_EQ(storeEnumKey(key, 0, name, 1), StoreMoreData);
    storeCloseKey(key);
}

TEST_F(StoreApi, DeletingAKeyTakesItsValuesAndSubkeysOnly)
{
    ASSERT_EQ(setDword(keyA, "v", 1), StoreOk);
    ASSERT_EQ(setDword(keyAB, "w", 2), StoreOk);
    ASSERT_EQ(setDword("Software\\TavrinTests\\other", "v", 3), StoreOk);

    EXPECT_EQ(storeDeleteKey(keyA), StoreOk);
    EXPECT_FALSE(keyExists(keyA));
    EXPECT_FALSE(keyExists(keyAB));
    EXPECT_EQ(getRaw("Software\\TavrinTests\\other", "v"), std::string("\x03\0\0\0", 4));
    EXPECT_EQ(storeDeleteKey(keyA), StoreNotFound);

    // Recreated, the key starts empty.
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreRead, &key), StoreOk);
    uint32_t size = 0;
    EXPECT_EQ(storeQueryValue(key, "v", nullptr, nullptr, &size), StoreNotFound);
    storeCloseKey(key);
}

TEST_F(StoreApi, AHandleToADeletedKeyWritesNothing)
{
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreRead | StoreWrite, &key), StoreOk);
    ASSERT_EQ(storeDeleteKey(keyA), StoreOk);
    unsigned char data[4] = {1, 0, 0, 0};
    EXPECT_NE(storeSetValue(key, "v", StoreTypeDword, data, 4), StoreOk);
    storeCloseKey(key);
    EXPECT_FALSE(keyExists(keyA));
}

TEST_F(StoreApi, DeletingAValueLeavesTheOthers)
{
    ASSERT_EQ(setDword(keyA, "keep", 1), StoreOk);
    ASSERT_EQ(setDword(keyA, "drop", 2), StoreOk);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreWrite, &key), StoreOk);
    EXPECT_EQ(storeDeleteValue(key, "DROP"), StoreOk);
    EXPECT_EQ(storeDeleteValue(key, "drop"), StoreNotFound);
    storeCloseKey(key);
    EXPECT_EQ(getRaw(keyA, "drop"), "<missing>");
    EXPECT_EQ(getRaw(keyA, "keep"), std::string("\x01\0\0\0", 4));
}

// Counts and records change by what is stored; a wrongly typed value counts as none, and a batch that fails
// changes nothing in the database.
TEST_F(StoreApi, UpdatesChangeEachValueByWhatIsStored)
{
    ASSERT_EQ(setDword(keyA, "count", 5), StoreOk);
    ASSERT_EQ(setDword(keyA, "huge", INT32_MAX - 1), StoreOk);
    ASSERT_EQ(setDword(keyA, "best", 3), StoreOk);
    ASSERT_EQ(setDword(keyA, "kept", 2), StoreOk);
    ASSERT_EQ(setRaw(keyA, "text", StoreTypeSz, std::string("7\0", 2)), StoreOk);
    ASSERT_EQ(setDword(keyA, "old", 1), StoreOk);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreRead | StoreWrite, &key), StoreOk);
    const StoreDwordUpdate updates[] = {
        {"count", StoreUpdateAdd, 2}, {"huge", StoreUpdateAdd, 9},    {"fresh", StoreUpdateAdd, 4},
        {"best", StoreUpdateMax, 2},  {"better", StoreUpdateMax, 1},  {"kept", StoreUpdateFill, 0},
        {"gap", StoreUpdateFill, 0},  {"text", StoreUpdateFill, 0},   {"last", StoreUpdateSet, -3},
        {"old", StoreUpdateDelete, 0}, {"never", StoreUpdateDelete, 0},
    };
    EXPECT_EQ(storeUpdateDwords(key, updates, sizeof updates / sizeof updates[0]), StoreOk);
    auto dword = [&](const char *name) {
        int32_t value = -100;
        return storeQueryDword(key, name, &value) == StoreOk ? value : -100;
    };
    EXPECT_EQ(dword("count"), 7);
    EXPECT_EQ(dword("huge"), INT32_MAX) << "held within 32 bits";
    EXPECT_EQ(dword("fresh"), 4);
    EXPECT_EQ(dword("best"), 3);
    EXPECT_EQ(dword("better"), 1);
    EXPECT_EQ(dword("kept"), 2);
    EXPECT_EQ(dword("gap"), 0);
    EXPECT_EQ(dword("text"), 0) << "text is no number: it is filled";
    EXPECT_EQ(dword("last"), -3);
    EXPECT_EQ(dword("old"), -100);

    const std::string tooLong(16384, 'n');
    const StoreDwordUpdate failing[] = {{"count", StoreUpdateAdd, 1}, {tooLong.c_str(), StoreUpdateSet, 1}};
    EXPECT_NE(storeUpdateDwords(key, failing, 2), StoreOk);
    const StoreDwordUpdate unknown[] = {{"count", 9, 1}};
    EXPECT_EQ(storeUpdateDwords(key, unknown, 1), StoreFailed);
    storeCloseKey(key);

    ASSERT_EQ(storeOpenKey(keyA, StoreWrite, &key), StoreOk);
    EXPECT_EQ(storeUpdateDwords(key, updates, 1), StoreFailed) << "a key that cannot be read";
    storeCloseKey(key);
}

TEST_F(StoreApi, AccessModeLimitsWhatAKeyMayDo)
{
    ASSERT_EQ(setDword(keyA, "v", 1), StoreOk);
    unsigned char data[4] = {9, 0, 0, 0};
    uint32_t size = 4;

    StoreKey reader = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreRead, &reader), StoreOk);
    EXPECT_EQ(storeSetValue(reader, "v", StoreTypeDword, data, 4), StoreFailed);
    EXPECT_EQ(storeDeleteValue(reader, "v"), StoreFailed);
    storeCloseKey(reader);

    StoreKey writer = nullptr;
    ASSERT_EQ(storeOpenKey(keyA, StoreWrite, &writer), StoreOk);
    EXPECT_EQ(storeQueryValue(writer, "v", nullptr, data, &size), StoreFailed);
    storeCloseKey(writer);

    EXPECT_EQ(getRaw(keyA, "v"), std::string("\x01\0\0\0", 4));
}

TEST_F(StoreApi, BadArgumentsAreRefusedAndCreateNothing)
{
    StoreKey key = nullptr;
    EXPECT_EQ(storeOpenKey(nullptr, StoreRead, &key), StoreFailed);
    EXPECT_EQ(storeOpenKey(keyA, StoreRead, nullptr), StoreFailed);
    EXPECT_EQ(storeOpenKey(keyA, 0, &key), StoreFailed);
    EXPECT_EQ(storeOpenKey(keyA, 8, &key), StoreFailed);
    EXPECT_EQ(storeOpenKey("\\Software\\TavrinTests\\a", StoreRead, &key), StoreFailed);
    EXPECT_EQ(storeOpenKey("Software\\TavrinTests\\\\a", StoreRead, &key), StoreFailed);
    EXPECT_EQ(storeOpenKey((std::string("Software\\TavrinTests\\") + std::string(256, 'k')).c_str(), StoreRead, &key),
              StoreFailed);
    EXPECT_FALSE(keyExists(testRoot));

    EXPECT_EQ(storeQueryValue(nullptr, "v", nullptr, nullptr, nullptr), StoreFailed);
    EXPECT_EQ(storeCloseKey(nullptr), StoreFailed);
    EXPECT_EQ(storeFlushKey(nullptr), StoreFailed);
    EXPECT_EQ(storeDeleteKey(nullptr), StoreFailed);
    EXPECT_EQ(storeDeleteKey(""), StoreFailed);
    EXPECT_EQ(storeDeleteKey("\\"), StoreFailed);

    ASSERT_EQ(storeOpenKey(keyA, StoreWrite, &key), StoreOk);
    unsigned char data[4] = {1, 2, 3, 4};
    EXPECT_EQ(storeSetValue(key, "short", StoreTypeDword, data, 2), StoreFailed);
    EXPECT_EQ(storeSetValue(key, "null", StoreTypeBinary, nullptr, 4), StoreFailed);
    EXPECT_EQ(storeSetValue(key, std::string(16384, 'n').c_str(), StoreTypeBinary, data, 4), StoreFailed);
    EXPECT_EQ(storeFlushKey(key), StoreOk);
    storeCloseKey(key);
    EXPECT_EQ(getRaw(keyA, "short"), "<missing>");
    EXPECT_EQ(getRaw(keyA, "null"), "<missing>");
}

TEST_F(StoreApi, NamesAndDataAtTheirLongestAreKept)
{
    // A key name of 255 characters under two others makes a path longer than a file path may be.
    std::string longKey = std::string(keyA) + "\\" + std::string(255, 'k');
    std::string longName(16383, 'n');
    std::string big(1u << 20, '\0');
    for (size_t i = 0; i < big.size(); i++) big[i] = static_cast<char>(i * 7);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(longKey.c_str(), StoreRead | StoreWrite, &key), StoreOk);
    EXPECT_EQ(storeSetValue(key, longName.c_str(), StoreTypeDword, "\x01\x02\x03\x04", 4), StoreOk);
    EXPECT_EQ(storeSetValue(key, "big", StoreTypeBinary, big.data(), static_cast<uint32_t>(big.size())), StoreOk);
    storeCloseKey(key);

    EXPECT_TRUE(keyExists(longKey.c_str()));
    EXPECT_EQ(getRaw(longKey.c_str(), longName.c_str()), "\x01\x02\x03\x04");
    ASSERT_EQ(storeOpenExistingKey(longKey.c_str(), StoreRead, &key), StoreOk);
    std::string back(big.size(), '\0');
    uint32_t size = static_cast<uint32_t>(back.size());
    EXPECT_EQ(storeQueryValue(key, "big", nullptr, &back[0], &size), StoreOk);
    EXPECT_EQ(size, big.size());
    EXPECT_TRUE(back == big);
    // The longest value name is listed whole, and refused into a buffer one byte short.
    std::vector<char> name(longName.size() + 1);
    bool listed = false;
    for (uint32_t index = 0; storeEnumValue(key, index, name.data(), static_cast<uint32_t>(name.size()), nullptr,
                                            nullptr, nullptr) == StoreOk; index++) {
        listed = listed || longName == name.data();
    }
    EXPECT_TRUE(listed);
    storeCloseKey(key);

    ASSERT_EQ(storeOpenExistingKey(keyA, StoreRead, &key), StoreOk);
    std::vector<char> shortName(255);
    EXPECT_EQ(storeEnumKey(key, 0, shortName.data(), static_cast<uint32_t>(shortName.size())), StoreMoreData);
    shortName.resize(256);
    EXPECT_EQ(storeEnumKey(key, 0, shortName.data(), static_cast<uint32_t>(shortName.size())), StoreOk);
    EXPECT_EQ(std::string(shortName.data()), std::string(255, 'k'));
    storeCloseKey(key);

    EXPECT_EQ(storeDeleteKey(longKey.c_str()), StoreOk);
    EXPECT_FALSE(keyExists(longKey.c_str()));
}

}  // namespace

// settings_test.cpp -- the four settings and the slots' percentages over the store, with its defaults
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/settings.h"
#include "scratch_dir.h"
#include "store_env.h"

namespace {

const char *root = "Software\\Vorniquel\\Tavrin\\";

// The four settings as loaded, in the order AppSettings keeps them: full screen, quiz, music, effects.
using Loaded = std::array<int, 4>;
Loaded loaded() { return {appSettings.fullscreen, appSettings.quiz, appSettings.musicvolume, appSettings.fxvolume}; }

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetStoreHooks();
        useCleanStore();
        appSettings = AppSettings{-5, -5, -5, -5};
    }
    void TearDown() override { resetStoreHooks(); }
};

TEST_F(Settings, NewUserGetsTheDefaultsAndThreeEmptySlots)
{
    loadSettings();
    EXPECT_EQ(loaded(), (Loaded{0, 1, 128, 128}));
    for (int slot = 1; slot <= 3; slot++) EXPECT_EQ(slotProgressPercent(slot), 0);

    // Reading never writes: nothing appears before the first save.
    EXPECT_FALSE(keyExists(root));
    for (int slot = 1; slot <= 3; slot++) EXPECT_FALSE(keyExists(slotKey(slot).c_str()));
}

TEST_F(Settings, SavedSettingsComeBackAtTheNextStart)
{
    appSettings = AppSettings{1, 0, 37, 99};
    saveSettings();
    appSettings = AppSettings{};
    loadSettings();
    EXPECT_EQ(loaded(), (Loaded{1, 0, 37, 99}));
    uint32_t type = 0;
    EXPECT_EQ(getRaw(root, "musicvolume", &type), std::string("\x25\0\0\0", 4));
    EXPECT_EQ(type, uint32_t(StoreTypeDword));
}

TEST_F(Settings, StoredMinusOneReadsAsMissing)
{
    ASSERT_EQ(setDword(root, "quiz", 0), StoreOk);
    EXPECT_EQ(readSettingValue("quiz"), 0);
    ASSERT_EQ(setDword(root, "quiz", -1), StoreOk);
    EXPECT_EQ(readSettingValue("quiz"), -1);
    loadSettings();
    EXPECT_EQ(appSettings.quiz, 1);
}

TEST_F(Settings, OutOfRangeValuesAreBroughtIntoRangeAtLoad)
{
    ASSERT_EQ(setDword(root, "quiz", 5), StoreOk);
    ASSERT_EQ(setDword(root, "fullscreen", -3), StoreOk);
    ASSERT_EQ(setDword(root, "musicvolume", 300), StoreOk);
    ASSERT_EQ(setDword(root, "fxvolume", -7), StoreOk);
    loadSettings();
    EXPECT_EQ(loaded(), (Loaded{1, 1, 128, 0}));

    ASSERT_EQ(setDword(root, "quiz", 0), StoreOk);
    ASSERT_EQ(setDword(root, "musicvolume", 0), StoreOk);
    ASSERT_EQ(setDword(root, "fxvolume", 128), StoreOk);
    loadSettings();
    EXPECT_EQ(loaded(), (Loaded{1, 0, 0, 128}));
}

// Text "0" is the byte 48, not the number 0: only a 4-byte REG_DWORD is a setting, and each other one
// gets its default and one line in the log.
TEST_F(Settings, SettingsOfAnotherTypeOrSizeCountAsMissingWithOneLineEach)
{
    // The settings code logs to "sdl.log" in the working directory: a folder of this test's own.
    ScratchDir folder("tavrin-settings");
    folder.enter();
    ASSERT_EQ(setRaw(root, "fxvolume", StoreTypeSz, std::string("0\0", 2)), StoreOk);
    ASSERT_EQ(setRaw(root, "musicvolume", StoreTypeBinary, std::string()), StoreOk);
    ASSERT_EQ(setRaw(root, "quiz", StoreTypeSz, std::string("0\0", 2)), StoreOk);
    ASSERT_EQ(setRaw(root, "fullscreen", StoreTypeBinary, std::string("\1\0\0\0\0\0\0\0", 8)), StoreOk);
    appSettings = AppSettings{1, 0, 5, 5};
    loadSettings();
    EXPECT_EQ(loaded(), (Loaded{0, 1, 128, 128}));
    EXPECT_EQ(readSettingValue("quiz"), -1);
    std::string log;
    {
        std::ifstream logFile("sdl.log");  // text mode: the log has the platform's line ends
        log.assign(std::istreambuf_iterator<char>(logFile), std::istreambuf_iterator<char>());
    }
    EXPECT_EQ(log,
              " \xB7 store: the setting \"fxvolume\" is stored as REG_SZ of 2 bytes, not as a 4-byte REG_DWORD; the "
              "default is used\n"
              " \xB7 store: the setting \"musicvolume\" is stored as REG_BINARY of 0 bytes, not as a 4-byte REG_DWORD; "
              "the default is used\n"
              " \xB7 store: the setting \"quiz\" is stored as REG_SZ of 2 bytes, not as a 4-byte REG_DWORD; the "
              "default is used\n"
              " \xB7 store: the setting \"fullscreen\" is stored as REG_BINARY of 8 bytes, not as a 4-byte REG_DWORD; "
              "the default is used\n");
    // The next save puts proper values in their place.
    saveSettings();
    uint32_t type = 0;
    EXPECT_EQ(getRaw(root, "fxvolume", &type), std::string("\x80\0\0\0", 4));
    EXPECT_EQ(type, uint32_t(StoreTypeDword));
}

TEST_F(Settings, ValueNamesMatchRegardlessOfCase)
{
    ASSERT_EQ(setDword("SOFTWARE\\vorniquel\\TAVRIN", "FxVolume", 12), StoreOk);
    ASSERT_EQ(setDword(root, "QUIZ", 0), StoreOk);
    loadSettings();
    EXPECT_EQ(appSettings.fxvolume, 12);
    EXPECT_EQ(appSettings.quiz, 0);
    // Saving updates those same values rather than adding lower-case twins.
    appSettings.fxvolume = 13;
    appSettings.quiz = 1;
    saveSettings();
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(root, StoreRead, &key), StoreOk);
    char name[32];
    int count = 0;
    while (storeEnumValue(key, count, name, sizeof name, nullptr, nullptr, nullptr) == StoreOk) count++;
    storeCloseKey(key);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(readSettingValue("fxvolume"), 13);
}

// Each game's done values are counted from its task 0 up to the first one missing or unreadable; the
// slot shows them as a share of all forty, truncated. Every row writes into one slot while the rows
// before it stay in the others.
TEST_F(Settings, SlotPercentageCountsEachGamesDoneValuesFromItsFirstTask)
{
    struct Write {
        int game, first, count, value;
    };
    struct Case {
        const char *name;
        std::vector<Write> writes;
        int percent;
        const char *tooLong = nullptr;  // a value rewritten too long to read
    };
    const Case cases[] = {
        {"all forty done", {{1, 0, 15, ProgressDone}, {2, 0, 25, ProgressDone}}, 100},
        {"one of forty truncates", {{1, 0, 1, ProgressDone}}, 2},
        {"thirty-nine of forty", {{1, 0, 15, ProgressDone}, {2, 0, 24, ProgressDone}, {2, 24, 1, 1}}, 97},
        {"g1a0 missing stops only the first game", {{1, 1, 14, ProgressDone}, {2, 0, 25, ProgressDone}}, 62},
        {"g1a5 missing: g1a6 onward are not counted", {{1, 0, 5, ProgressDone}, {1, 6, 9, ProgressDone}}, 12},
        // 0x102 has the low byte 2, but is not the value 2.
        {"only the value two is done", {{1, 0, 1, 1}, {1, 1, 1, 3}, {1, 2, 1, 0x102}, {1, 3, 1, -2}, {1, 4, 1, 2}}, 2},
        {"a value too long to read ends the count", {{1, 0, 3, ProgressDone}}, 2, "g1a1"},
    };
    int slot = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        slot = slot % 3 + 1;
        storeDeleteKey(slotKey(slot).c_str());
        for (const Write &w : c.writes) ASSERT_EQ(writeProgress(slot, w.game, w.first, w.count, w.value), StoreOk);
        if (c.tooLong) {
            ASSERT_EQ(setRaw(slotKey(slot).c_str(), c.tooLong, StoreTypeBinary, std::string("\x02\0\0\0\0", 5)), StoreOk);
        }
        EXPECT_EQ(slotProgressPercent(slot), c.percent);
    }
}

TEST_F(Settings, ErasingPlayerBDeletesSlotTwoOnly)
{
    for (int slot = 1; slot <= 3; slot++) ASSERT_EQ(writeProgress(slot, 1, 0, 4, ProgressDone), StoreOk);
    eraseSlot(2);
    EXPECT_TRUE(keyExists(slotKey(1).c_str()));
    EXPECT_FALSE(keyExists(slotKey(2).c_str()));
    EXPECT_TRUE(keyExists(slotKey(3).c_str()));
    EXPECT_EQ(slotProgressPercent(1), 10);
    EXPECT_EQ(slotProgressPercent(3), 10);
    // The next start shows the erased slot empty, without making its key again.
    EXPECT_EQ(slotProgressPercent(2), 0);
    EXPECT_FALSE(keyExists(slotKey(2).c_str()));
    EXPECT_TRUE(eraseSlot(2)) << "a slot that is not there counts as erased";
}

TEST_F(Settings, SlotNumbersOutsideOneToThreeTouchNothing)
{
    ASSERT_EQ(writeProgress(1, 1, 0, 4, ProgressDone), StoreOk);
    for (int slot : {-1, 0, 4}) {
        EXPECT_EQ(slotProgressPercent(slot), 0) << "slot " << slot;
        EXPECT_FALSE(eraseSlot(slot)) << "slot " << slot;
        EXPECT_FALSE(keyExists(slotKey(slot).c_str())) << "slot " << slot;
    }
    EXPECT_EQ(slotProgressPercent(1), 10);
}

// A recorder in front of the real store, to see the order of the calls.
std::vector<std::string> calls;

int recordOpen(const char *path, int access, StoreKey *key)
{
    calls.push_back(std::string("open ") + path + (access == StoreWrite ? " write" : " read"));
    return storeOpenKey(path, access, key);
}
int recordSet(StoreKey key, const StoreValue *values, uint32_t count)
{
    std::string call = "set";
    for (uint32_t i = 0; i < count; i++)
        call += std::string(" ") + values[i].name + " " + std::to_string(values[i].type) + " " + std::to_string(values[i].size);
    calls.push_back(call);
    return storeSetValues(key, values, count);
}
int recordFlush(StoreKey key)
{
    calls.push_back("flush");
    return storeFlushKey(key);
}
int recordClose(StoreKey key)
{
    calls.push_back("close");
    return storeCloseKey(key);
}
int failOpen(const char *, int, StoreKey *key)
{
    *key = nullptr;
    calls.push_back("open refused");
    return StoreFailed;
}
// Another instance of the program may have saved settings of its own since this one read them: only
// what the player changed here is written, so neither instance reverts the other's change.
TEST_F(Settings, SavingWritesOnlyTheChangedSettingsInOneFlushedTransaction)
{
    loadSettings();
    ASSERT_EQ(setDword(root, "quiz", 0), StoreOk);  // the other instance switches the quiz off
    calls.clear();
    storeHooks.openKey = recordOpen;
    storeHooks.setValues = recordSet;
    storeHooks.flushKey = recordFlush;
    storeHooks.closeKey = recordClose;
    saveSettings();
    EXPECT_TRUE(calls.empty()) << "nothing changed, nothing written";
    appSettings.fxvolume = 40;
    appSettings.fullscreen = 1;
    saveSettings();
    EXPECT_EQ(calls, (std::vector<std::string>{std::string("open ") + root + " write", "set fxvolume 4 4 fullscreen 4 4",
                                               "flush", "close"}));
    resetStoreHooks();
    EXPECT_EQ(readSettingValue("quiz"), 0);
}

TEST_F(Settings, AKeyThatCannotBeOpenedGivesDefaultsAndWritesNothing)
{
    ASSERT_EQ(setDword(root, "fxvolume", 3), StoreOk);
    ASSERT_EQ(writeProgress(1, 1, 0, 40, ProgressDone), StoreOk);
    calls.clear();
    storeHooks.openKey = failOpen;
    storeHooks.openExistingKey = failOpen;
    storeHooks.setValues = recordSet;
    loadSettings();
    EXPECT_EQ(appSettings.fxvolume, 128);
    EXPECT_EQ(slotProgressPercent(1), 0);
    // What could not be read is not overwritten with defaults: only a setting the player changed is written.
    calls.clear();
    saveSettings();
    EXPECT_TRUE(calls.empty());
    storeHooks.openKey = recordOpen;
    appSettings.quiz = 0;
    saveSettings();
    EXPECT_EQ(calls.at(1), "set quiz 4 4");
    appSettings.quiz = 1;  // and back: a change from what was last written
    saveSettings();
    EXPECT_EQ(calls.back(), "set quiz 4 4");
    resetStoreHooks();
    EXPECT_EQ(readSettingValue("fxvolume"), 3);
    EXPECT_EQ(readSettingValue("quiz"), 1);
}

}  // namespace

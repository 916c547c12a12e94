// sqlite_store_test.cpp -- the database file: its modes, damaged or foreign files moved aside, read-only stores
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "launch.h"
#include "store/settings.h"
#include "store_env.h"
#include "store_sandbox.h"

namespace fs = std::filesystem;

namespace {

const std::string helper = std::string(TAVRIN_TEST_BIN_DIR) + "/store-helper";
const char *root = "Software\\Vorniquel\\Tavrin\\";

std::vector<std::string> logged;
void recordLine(const char *line) { logged.push_back(line); }

void writeFile(const fs::path &file, const std::string &bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<fs::path> movedAside(const fs::path &folder)
{
    std::vector<fs::path> found;
    std::error_code ignored;
    for (const auto &entry : fs::directory_iterator(folder, ignored)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("registry.db.corrupt-", 0) == 0 && name.find("-wal") == std::string::npos &&
            name.find("-shm") == std::string::npos)
            found.push_back(entry.path());
    }
    return found;
}

int modeOf(const fs::path &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

// Each test gets a configuration folder of its own and a fresh connection to the store in it, and works
// in that folder, so that the settings code's log lines land in its "sdl.log".
class SqliteStore : public ::testing::Test {
protected:
    StoreSandbox sandbox{"tavrin-sqlite"};
    fs::path config = sandbox.config;
    fs::path folder = config / "tavrin";
    fs::path database = folder / "registry.db";

    void SetUp() override
    {
        sandbox.dir.enter();
        logged.clear();
        storeSetLogSink(recordLine);
    }
    void TearDown() override
    {
        storeCloseStore();
        storeSetLogSink(nullptr);
    }
    // Fills the store with enough values to span several pages, then closes it.
    void fillAndClose()
    {
        for (int i = 0; i < 300; i++) {
            char name[16];
            snprintf(name, sizeof name, "v%d", i);
            ASSERT_EQ(setRaw(root, name, StoreTypeBinary, std::string(100, static_cast<char>(i))), StoreOk);
        }
        storeCloseStore();
    }
};

TEST_F(SqliteStore, FileIs0600InA0700FolderWhateverTheUmask)
{
    fs::create_directories(folder);
    chmod(folder.c_str(), 0755);
    mode_t previous = umask(0);
    ASSERT_EQ(setDword(root, "quiz", 1), StoreOk);
    umask(previous);
    EXPECT_EQ(modeOf(folder), 0700);
    EXPECT_EQ(modeOf(database), 0600);
    // The write-ahead companions take the database's mode.
    for (const char *companion : {"-wal", "-shm"}) {
        if (fs::exists(database.string() + companion)) {
            EXPECT_EQ(modeOf(database.string() + companion), 0600);
        }
    }
}

TEST_F(SqliteStore, MissingFoldersAreCreatedPrivate)
{
    config /= "deeper/still";
    folder = config / "tavrin";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    storeCloseStore();
    ASSERT_EQ(setDword(root, "quiz", 1), StoreOk);
    EXPECT_EQ(modeOf(config), 0700);
    EXPECT_EQ(modeOf(folder), 0700);
    EXPECT_EQ(modeOf(folder / "registry.db"), 0600);
    config = config.parent_path().parent_path();
}

TEST_F(SqliteStore, GarbageIsMovedAsideWithOneLogLineAndAFreshStoreBegins)
{
    fs::create_directories(folder);
    const std::string garbage = std::string(5000, 'x') + "not a database";
    writeFile(database, garbage);

    ASSERT_EQ(setDword(root, "quiz", 0), StoreOk);
    std::vector<fs::path> moved = movedAside(folder);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(readFile(moved[0]), garbage);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_NE(logged[0].find("\"" + database.string() + "\" is corrupt"), std::string::npos) << logged[0];
    EXPECT_NE(logged[0].find(moved[0].string()), std::string::npos) << logged[0];
    EXPECT_EQ(getRaw(root, "quiz"), std::string(4, '\0'));

    // The fresh store stays: the next opening finds nothing wrong.
    storeCloseStore();
    EXPECT_EQ(getRaw(root, "quiz"), std::string(4, '\0'));
    EXPECT_EQ(logged.size(), 1u);
}

TEST_F(SqliteStore, ADatabaseOfAnotherProgramIsMovedAsideIntact)
{
    fs::create_directories(folder);
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "CREATE TABLE notes(t TEXT); INSERT INTO notes VALUES('keep me')", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);

    EXPECT_EQ(readSettingValue("quiz"), -1);
    std::vector<fs::path> moved = movedAside(folder);
    ASSERT_EQ(moved.size(), 1u);
    ASSERT_EQ(sqlite3_open(moved[0].c_str(), &other), SQLITE_OK);
    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(other, "SELECT t FROM notes", -1, &statement, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)), "keep me");
    sqlite3_finalize(statement);
    sqlite3_close(other);
}

TEST_F(SqliteStore, ADamagedPageIsFoundWhenTheStoreOpens)
{
    fillAndClose();
    std::string bytes = readFile(database);
    ASSERT_GT(bytes.size(), 4u * 4096);
    for (size_t i = 2 * 4096; i < 4 * 4096; i++) bytes[i] = static_cast<char>(0xA5);
    writeFile(database, bytes);

    loadSettings();
    EXPECT_EQ(appSettings.quiz, 1);
    ASSERT_EQ(movedAside(folder).size(), 1u);
    EXPECT_EQ(readFile(movedAside(folder)[0]), bytes);
    // The settings code sent the line to the program's log.
    EXPECT_EQ(logged.size(), 0u);
    EXPECT_NE(readFile(config / "sdl.log").find("is corrupt; moved aside"), std::string::npos);
}

TEST_F(SqliteStore, SecondCorruptionInTheSameSecondKeepsTheFirstFile)
{
    fs::create_directories(folder);
    writeFile(database, std::string(4096, '1'));
    EXPECT_EQ(setDword(root, "a", 1), StoreOk);
    storeCloseStore();
    writeFile(database, std::string(4096, '2'));
    EXPECT_EQ(setDword(root, "a", 1), StoreOk);
    std::vector<fs::path> moved = movedAside(folder);
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_NE(readFile(moved[0]), readFile(moved[1]));
    EXPECT_EQ(logged.size(), 2u);
}

TEST_F(SqliteStore, AStoreOfALaterVersionIsLeftAloneForThatVersion)
{
    ASSERT_EQ(setDword(root, "quiz", 0), StoreOk);
    storeCloseStore();
    sqlite3 *later = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &later), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(later, "PRAGMA user_version = 2", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(later);
    const std::string before = readFile(database);

    EXPECT_EQ(setDword(root, "quiz", 1), StoreFailed);
    EXPECT_EQ(getRaw(root, "quiz"), "<missing>");
    EXPECT_EQ(logged.size(), 1u);
    EXPECT_TRUE(movedAside(folder).empty());
    storeCloseStore();
    EXPECT_EQ(readFile(database), before);
}

TEST_F(SqliteStore, AFolderInTheStoresPlaceIsMovedAside)
{
    fs::create_directories(database / "inside");
    EXPECT_EQ(setDword(root, "a", 1), StoreOk);
    std::vector<fs::path> moved = movedAside(folder);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_TRUE(fs::is_directory(moved[0] / "inside"));
    EXPECT_EQ(logged.size(), 1u);
}

TEST_F(SqliteStore, TheCorruptStoreLineLandsInTheProgramsLog)
{
    fs::create_directories(folder);
    writeFile(database, std::string(4096, 'z'));
    loadSettings();
    std::string log = readFile(config / "sdl.log");
    EXPECT_EQ(log.rfind(" \xB7 store: \"" + database.string() + "\" is corrupt; moved aside to \"", 0), 0u) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    EXPECT_EQ(appSettings.fxvolume, 128);
}

TEST_F(SqliteStore, AStoreThatCannotBeCreatedGivesDefaultsAndOneLine)
{
    writeFile(config / "plain", "a file, not a folder");
    setenv("XDG_CONFIG_HOME", (config / "plain").c_str(), 1);
    storeCloseStore();
    EXPECT_EQ(setDword(root, "quiz", 0), StoreFailed);
    EXPECT_EQ(getRaw(root, "quiz"), "<missing>");
    EXPECT_EQ(logged.size(), 1u);
    EXPECT_EQ(readSettingValue("quiz"), -1);
    EXPECT_EQ(slotProgressPercent(1), 0);
}

TEST_F(SqliteStore, KeysOpenedBeforeTheStoreWasClosedAreRefused)
{
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(root, StoreRead | StoreWrite, &key), StoreOk);
    storeCloseStore();
    unsigned char data[4] = {1, 0, 0, 0};
    EXPECT_EQ(storeSetValue(key, "quiz", StoreTypeDword, data, 4), StoreFailed);
    uint32_t size = 4;
    EXPECT_EQ(storeQueryValue(key, "quiz", nullptr, data, &size), StoreFailed);
    storeCloseKey(key);
    EXPECT_EQ(getRaw(root, "quiz"), "<missing>");
}

TEST_F(SqliteStore, AReadOnlyStoreIsReadAndLosesNothing)
{
    appSettings = AppSettings{1, 0, 33, 44};
    saveSettings();
    ASSERT_EQ(setDword((std::string(root) + "slot1").c_str(), "g1a0", ProgressDone), StoreOk);
    storeCloseStore();
    const std::string before = readFile(database);

    // Root passes every permission check, so the helper drops to an ordinary user first.
    std::vector<std::string> asUser;
    if (geteuid() == 0) {
        asUser = {"as-user", "65534"};
        for (const fs::path &path : {config, folder, database}) ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    }
    chmod(database.c_str(), 0400);
    chmod(folder.c_str(), 0500);

    std::vector<std::string> load = asUser;
    load.push_back("load");
    ProgramRun loaded = runProgram(helper, load, {}, config.string());
    EXPECT_EQ(loaded.exitCode, 0) << loaded.err;
    EXPECT_EQ(loaded.out, "44 33 0 1 2 0 0\n");

    std::vector<std::string> save = asUser;
    save.insert(save.end(), {"save", "1", "2", "1", "0"});
    ProgramRun saved = runProgram(helper, save, {}, config.string());
    EXPECT_EQ(saved.exitCode, 0) << saved.err;

    // The refused save and erase are said, each once, and the erase is not taken for done.
    EXPECT_EQ(readFile(config / "sdl.log"),
              " \xB7 store: the changed settings could not be saved: the store is read-only\n"
              " \xB7 store: player A's results could not be erased: the store is read-only\n");

    chmod(folder.c_str(), 0700);
    chmod(database.c_str(), 0600);
    EXPECT_EQ(readFile(database), before);
    EXPECT_TRUE(movedAside(folder).empty());
    loadSettings();
    EXPECT_EQ(appSettings.fxvolume, 44);
    EXPECT_EQ(slotProgressPercent(1), 2);
}

// A link in the store's place could carry the store's modes and writes to any file, a system file for a
// program run as root: the store is not used, the run goes on with the defaults, one line says why.
TEST_F(SqliteStore, AStoreReachedThroughALinkIsNeverUsedOrChanged)
{
    fs::path elsewhere = config / "elsewhere";
    fs::create_directories(elsewhere);
    chmod(elsewhere.c_str(), 0755);
    writeFile(elsewhere / "target", "not a store");
    chmod((elsewhere / "target").c_str(), 0644);

    for (bool linkedFolder : {false, true}) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        if (linkedFolder) {
            fs::create_directory_symlink(elsewhere, folder);
        } else {
            fs::create_directories(folder);
            fs::create_symlink(elsewhere / "target", database);
        }
        storeCloseStore();
        fs::remove(config / "sdl.log", ignored);
        appSettings = AppSettings{1, 0, 5, 5};
        loadSettings();
        EXPECT_EQ(appSettings.fxvolume, 128);
        appSettings.quiz = 0;
        saveSettings();
        EXPECT_EQ(eraseSlot(1), false);
        EXPECT_EQ(readFile(config / "sdl.log"),
                  " \xB7 store: is reached through a symbolic link, so it is not used and nothing is kept this run: \"" +
                      database.string() +
                      "\"\n"
                      " \xB7 store: player A's results could not be erased: the store cannot be written\n");
        EXPECT_EQ(modeOf(elsewhere), 0755);
        EXPECT_EQ(modeOf(elsewhere / "target"), 0644);
        EXPECT_EQ(readFile(elsewhere / "target"), "not a store");
        EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 1);
    }
}

}  // namespace

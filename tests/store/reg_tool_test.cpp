// reg_tool_test.cpp -- tavrin-reg run as a program: each type round trips, bad arguments are refused
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "launch.h"
#include "store_env.h"

namespace fs = std::filesystem;

namespace {

const std::string tool = std::string(TAVRIN_RUN_DIR) + "/tavrin-reg";

ProgramRun reg(const std::vector<std::string> &arguments) { return runProgram(tool, arguments); }

class RegTool : public ::testing::Test {
protected:
    void SetUp() override { useCleanStore(); }
};

TEST_F(RegTool, EachTypeRoundTripsThroughAddAndQuery)
{
    struct Case {
        std::vector<std::string> add;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{"/v", "hex", "/t", "REG_DWORD", "/d", "0x80"}, "    hex    REG_DWORD    0x80\n"},
        {{"/v", "dec", "/t", "reg_dword", "/d", "300"}, "    dec    REG_DWORD    0x12c\n"},
        {{"/v", "minus", "/t", "REG_DWORD", "/d", "-1"}, "    minus    REG_DWORD    0xffffffff\n"},
        {{"/v", "text", "/t", "REG_SZ", "/d", "j\xE1t\xE9kos: 5%"}, "    text    REG_SZ    j\xE1t\xE9kos: 5%\n"},
        {{"/v", "bytes", "/t", "REG_BINARY", "/d", "00ff7A"}, "    bytes    REG_BINARY    00FF7A\n"},
        {{"/v", "none", "/t", "REG_BINARY", "/d", ""}, "    none    REG_BINARY    \n"},
        {{"/ve", "/d", "plain"}, "    (Default)    REG_SZ    plain\n"},
    };
    for (const Case &c : cases) {
        std::vector<std::string> arguments = {"add", "HKCU\\Software\\TavrinTests\\t"};
        arguments.insert(arguments.end(), c.add.begin(), c.add.end());
        ProgramRun added = reg(arguments);
        EXPECT_EQ(added.exitCode, 0) << added.err;
        EXPECT_EQ(added.out, "The operation completed successfully.\n");

        std::vector<std::string> query = {"query", "Software\\TavrinTests\\t"};
        if (c.add[0] == "/ve") query.push_back("/ve");
        else query.insert(query.end(), {"/v", c.add[1]});
        ProgramRun shown = reg(query);
        EXPECT_EQ(shown.exitCode, 0) << shown.err;
        EXPECT_EQ(shown.out, "HKEY_CURRENT_USER\\Software\\TavrinTests\\t\n" + c.line);
    }
    // What the tool wrote is what the library reads.
    uint32_t type = 0;
    EXPECT_EQ(getRaw("Software\\TavrinTests\\t", "dec", &type), std::string("\x2C\x01\0\0", 4));
    EXPECT_EQ(type, uint32_t(StoreTypeDword));
    EXPECT_EQ(getRaw("Software\\TavrinTests\\t", "text", &type), std::string("j\xE1t\xE9kos: 5%\0", 12));
    EXPECT_EQ(type, uint32_t(StoreTypeSz));
    EXPECT_EQ(getRaw("Software\\TavrinTests\\t", "bytes", &type), std::string("\x00\xFF\x7A", 3));
}

TEST_F(RegTool, QueryListsTheValuesThenTheSubkeys)
{
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "quiz", 1), StoreOk);
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "fxvolume", 128), StoreOk);
    ASSERT_EQ(setDword("Software\\TavrinTests\\k\\slot1", "g1a0", 2), StoreOk);
    ASSERT_EQ(setDword("Software\\TavrinTests\\k\\slot2", "g1a0", 2), StoreOk);
    ProgramRun shown = reg({"query", "HKEY_CURRENT_USER\\Software\\TavrinTests\\k\\"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.out,
              "HKEY_CURRENT_USER\\Software\\TavrinTests\\k\n"
              "    fxvolume    REG_DWORD    0x80\n"
              "    quiz    REG_DWORD    0x1\n"
              "\n"
              "HKEY_CURRENT_USER\\Software\\TavrinTests\\k\\slot1\n"
              "HKEY_CURRENT_USER\\Software\\TavrinTests\\k\\slot2\n");
}

TEST_F(RegTool, MissingKeyOrValueExitsOneAndCreatesNothing)
{
    ProgramRun missingKey = reg({"query", "Software\\TavrinTests\\nothing"});
    EXPECT_EQ(missingKey.exitCode, 1);
    EXPECT_EQ(missingKey.err, "ERROR: The system was unable to find the specified registry key or value.\n");
    EXPECT_FALSE(keyExists(testRoot));

    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "v", 1), StoreOk);
    EXPECT_EQ(reg({"query", "Software\\TavrinTests\\k", "/v", "w"}).exitCode, 1);
    EXPECT_EQ(reg({"delete", "Software\\TavrinTests\\k", "/v", "w", "/f"}).exitCode, 1);
    EXPECT_EQ(reg({"delete", "Software\\TavrinTests\\gone", "/f"}).exitCode, 1);
    EXPECT_FALSE(keyExists("Software\\TavrinTests\\gone"));
}

TEST_F(RegTool, BadArgumentsExitOneWithAOneLineReasonAndChangeNothing)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"list", "Software\\TavrinTests\\k"},
        {"query"},
        {"add", "/v", "x"},
        {"add", "Software\\TavrinTests\\k", "/v"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_QWORD", "/d", "1"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_DWORD", "/d", "12x"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_DWORD", "/d", "0x123456789"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_DWORD", "/d", "4294967296"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_DWORD", "/d", ""},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_BINARY", "/d", "abc"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/t", "REG_BINARY", "/d", "zz"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/v", "y"},
        {"add", "Software\\TavrinTests\\k", "/t", "REG_SZ"},
        {"add", "Software\\TavrinTests\\k", "/v", "x", "/q"},
        {"add", "HKLM\\Software\\TavrinTests\\k", "/v", "x"},
        {"add", "Software\\\\TavrinTests", "/v", "x"},
        {"add", "\\Software\\TavrinTests", "/v", "x"},
        {"add", "Software\\TavrinTests\\" + std::string(256, 'n'), "/v", "x"},
        {"query", "Software\\TavrinTests\\k", "/f"},
        {"query", "Software\\TavrinTests\\k", "/t", "REG_SZ"},
        {"delete", "HKCU", "/f"},
    };
    for (const std::vector<std::string> &arguments : bad) {
        std::string shown;
        for (const std::string &argument : arguments) shown += " " + argument;
        ProgramRun run = reg(arguments);
        EXPECT_EQ(run.exitCode, 1) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown << ": " << run.err;
        EXPECT_EQ(run.err.compare(0, 7, "ERROR: "), 0) << shown << ": " << run.err;
    }
    EXPECT_FALSE(keyExists(testRoot));
}

TEST_F(RegTool, ChangesWithoutForceAreRefusedWhenNobodyCanBeAsked)
{
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "v", 1), StoreOk);
    EXPECT_EQ(reg({"add", "Software\\TavrinTests\\k", "/v", "v", "/t", "REG_DWORD", "/d", "2"}).exitCode, 1);
    EXPECT_EQ(reg({"delete", "Software\\TavrinTests\\k", "/v", "v"}).exitCode, 1);
    EXPECT_EQ(reg({"delete", "Software\\TavrinTests\\k"}).exitCode, 1);
    EXPECT_EQ(getRaw("Software\\TavrinTests\\k", "v"), std::string("\x01\0\0\0", 4));

    EXPECT_EQ(reg({"add", "Software\\TavrinTests\\k", "/v", "v", "/t", "REG_DWORD", "/d", "2", "/f"}).exitCode, 0);
    EXPECT_EQ(getRaw("Software\\TavrinTests\\k", "v"), std::string("\x02\0\0\0", 4));
    // A new value needs no /f.
    EXPECT_EQ(reg({"add", "Software\\TavrinTests\\k", "/v", "w", "/t", "REG_DWORD", "/d", "3"}).exitCode, 0);
}

TEST_F(RegTool, DeleteRemovesAValueOrAWholeKey)
{
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "v", 1), StoreOk);
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "w", 2), StoreOk);
    ASSERT_EQ(setDword("Software\\TavrinTests\\k\\sub", "x", 3), StoreOk);
    EXPECT_EQ(reg({"delete", "hkcu\\software\\tavrintests\\K", "/v", "V", "/f"}).exitCode, 0);
    EXPECT_EQ(getRaw("Software\\TavrinTests\\k", "v"), "<missing>");
    EXPECT_EQ(getRaw("Software\\TavrinTests\\k", "w"), std::string("\x02\0\0\0", 4));
    ProgramRun removed = reg({"delete", "Software\\TavrinTests\\k", "/f"});
    EXPECT_EQ(removed.exitCode, 0);
    EXPECT_EQ(removed.out, "The operation completed successfully.\n");
    EXPECT_FALSE(keyExists("Software\\TavrinTests\\k"));
    EXPECT_TRUE(keyExists(testRoot));
}

TEST_F(RegTool, AddWithoutAValueCreatesTheKeyOnly)
{
    EXPECT_EQ(reg({"add", "Software\\TavrinTests\\empty"}).exitCode, 0);
    EXPECT_TRUE(keyExists("Software\\TavrinTests\\empty"));
    ProgramRun shown = reg({"query", "Software\\TavrinTests\\empty"});
    EXPECT_EQ(shown.out, "HKEY_CURRENT_USER\\Software\\TavrinTests\\empty\n");
}

TEST_F(RegTool, AListingThatCannotBeWrittenFails)
{
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "v", 1), StoreOk);
    pid_t full = startProcess({{tool, "query", "Software\\TavrinTests\\k"}, {}, {}, "/dev/full", "/dev/null"});
    EXPECT_EQ(waitExitCode(full), 1);
    ProgramRun written = reg({"query", "Software\\TavrinTests\\k"});
    EXPECT_EQ(written.exitCode, 0) << "the same listing, written, succeeds";
}

// A name longer than any the registry allows can only be planted in the database; it is still listed.
TEST_F(RegTool, ValuesWithNamesOfAnyLengthAreListed)
{
    ASSERT_EQ(setDword("Software\\TavrinTests\\k", "b", 2), StoreOk);
    storeCloseStore();
    std::string database = std::string(getenv("XDG_CONFIG_HOME")) + "/tavrin/registry.db";
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &db), SQLITE_OK);
    std::string name(20000, 'a');
    std::string insert = "INSERT INTO vals(key, name, type, data) SELECT key, '" + name +
                         "', 3, x'0102' FROM vals WHERE name = 'b'";
    EXPECT_EQ(sqlite3_exec(db, insert.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    ProgramRun shown = reg({"query", "Software\\TavrinTests\\k"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, "HKEY_CURRENT_USER\\Software\\TavrinTests\\k\n    " + name +
                             "    REG_BINARY    0102\n    b    REG_DWORD    0x2\n");
}


// A home reached through a link, or a settings folder under one, is the user's own arrangement: the store
// works there. A path SQLite cannot open is named as too long, not as a passing failure.
TEST(RegToolPlaces, WorksThroughALinkedHomeAndNamesAPathTooLongForTheStore)
{
    ScratchDir dir("tavrin-reg-places");
    fs::create_directories(dir.path / "real" / "config");
    fs::create_directory_symlink(dir.path / "real", dir.path / "link");
    const std::vector<std::string> add = {"add", "Software\\Vorniquel\\Tavrin", "/v", "quiz", "/t", "REG_DWORD", "/d", "0", "/f"};
    const std::vector<std::string> query = {"query", "Software\\Vorniquel\\Tavrin", "/v", "quiz"};
    for (const std::vector<std::string> &place :
         {std::vector<std::string>{"HOME=" + (dir.path / "link").string(), "XDG_CONFIG_HOME"},
          std::vector<std::string>{"XDG_CONFIG_HOME=" + (dir.path / "link" / "config").string()}}) {
        ProgramRun added = runProgram(tool, add, place);
        EXPECT_EQ(added.exitCode, 0) << place[0] << ": " << added.err;
        EXPECT_EQ(runProgram(tool, query, place).out, "HKEY_CURRENT_USER\\Software\\Vorniquel\\Tavrin\n    quiz    REG_DWORD    0x0\n");
    }
    EXPECT_GT(fs::file_size(dir.path / "real" / ".config" / "tavrin" / "registry.db"), 0u);
    EXPECT_GT(fs::file_size(dir.path / "real" / "config" / "tavrin" / "registry.db"), 0u);

    // SQLite's limit here is 512 bytes for the database's companions, so 504 for the database itself.
    fs::path deep = dir.path;
    while (deep.string().size() + std::string("/tavrin/registry.db").size() <= 504) deep /= std::string(100, 'd');
    fs::create_directories(deep);
    ProgramRun refused = runProgram(tool, add, {"XDG_CONFIG_HOME=" + deep.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.rfind("store: is a longer path than SQLite can open (504 bytes at most), so nothing is kept: \"" +
                                    deep.string() + "/tavrin/registry.db\"\n",
                                0),
              0u)
        << refused.err;
}

}  // namespace

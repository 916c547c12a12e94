// store_reliability_test.cpp -- the store under a writer killed at random moments and under two writers at once
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "launch.h"
#include "store/settings.h"
#include "store_env.h"
#include "store_sandbox.h"

namespace fs = std::filesystem;

namespace {

const std::string helper = std::string(TAVRIN_TEST_BIN_DIR) + "/store-helper";

std::vector<std::string> logged;
void recordLine(const char *line) { logged.push_back(line); }

class StoreReliability : public ::testing::Test {
public:
    StoreSandbox sandbox{"tavrin-reliability"};
    fs::path config = sandbox.config;

    void SetUp() override
    {
        sandbox.dir.enter();
        // Writers here wait for each other as long as any program but the game does; an earlier test's
        // loadSettings left the game's short wait in place.
        storeSetWaitLimit(10000);
        logged.clear();
    }
    void TearDown() override
    {
        storeCloseStore();
        storeSetLogSink(nullptr);
    }
    std::string out(const char *name) const { return (config / name).string(); }
};

// The writer saves one round number into all four settings, in the order fxvolume, musicvolume, quiz,
// fullscreen, round after round. Killed at any moment, the store must open cleanly and show every value
// at either the round before or the round being written: never a torn, lost or older value.
TEST_F(StoreReliability, AWriterKilledAtRandomMomentsLeavesOldOrNewValues)
{
    const unsigned seed = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayUs(0, 12000);
    std::array<int, 4> last = {-1, -1, -1, -1};
    int roundsWithProgress = 0;
    int waitedRounds = 0;
    const int kills = 200;
    for (int kill = 0; kill < kills; kill++) {
        pid_t writer = startProcess({{helper, "save-loop"}, {}, {}, out("writer.out"), out("writer.err")});
        ASSERT_GT(writer, 0);
        // One kill in ten comes at once, while the writer may still be opening or creating the store; the
        // others wait until it is saving, then a random while longer.
        bool waited = kill % 10 != 0;
        if (waited) {
            auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            std::error_code missing;
            while ((fs::file_size(out("writer.out"), missing) == 0 || missing) &&
                   std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            waitedRounds++;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << readFile(out("writer.err"));

        // Open afresh, as the next start of the program would.
        storeCloseStore();
        storeSetLogSink(recordLine);
        std::array<int, 4> values{};
        int index = 0;
        for (const char *name : {"fxvolume", "musicvolume", "quiz", "fullscreen"}) {
            StoreKey key = nullptr;
            int value = -1;
            if (storeOpenKey(SettingsRoot, StoreRead, &key) == StoreOk) {
                int32_t number = 0;
                int result = storeQueryDword(key, name, &number);
                ASSERT_TRUE(result == StoreOk || result == StoreNotFound) << name << " result " << result;
                if (result == StoreOk) value = number;
                storeCloseKey(key);
            }
            values[index++] = value;
        }
        ASSERT_TRUE(logged.empty()) << "seed " << seed << ", kill " << kill << ": " << logged[0];
        // Each value is either what the last look found (old) or a round of this writer, which began one
        // past the last fxvolume found; a new value is at most one round behind fxvolume, the first written.
        for (int j = 0; j < 4; j++) {
            bool old = values[j] == last[j];
            bool fresh = values[j] > last[0] && values[j] <= values[0] && values[0] - values[j] <= 1 &&
                         (j == 0 || values[j] <= values[j - 1]);
            ASSERT_TRUE(old || fresh) << "seed " << seed << ", kill " << kill << ", value " << j << ": "
                                      << values[0] << " " << values[1] << " " << values[2] << " " << values[3]
                                      << " after " << last[0] << " " << last[1] << " " << last[2] << " " << last[3];
        }
        if (values[0] > last[0]) roundsWithProgress++;
        last = values;
    }
    EXPECT_TRUE(std::none_of(fs::directory_iterator(config / "tavrin"), fs::directory_iterator(),
                             [](const fs::directory_entry &entry) {
                                 return entry.path().filename().string().find("corrupt") != std::string::npos;
                             }));
    // Every kill that waited for the writer found it had saved something.
    EXPECT_GE(roundsWithProgress, waitedRounds) << "seed " << seed;
}

TEST_F(StoreReliability, TwoProcessesWritingDifferentSlotsLoseNoWrite)
{
    const int count = 250;
    // Both start on an empty store, so that they also race to create the database itself.
    pid_t first = startProcess({{helper, "write-slot", "1", std::to_string(count)}, {}, {}, out("1.out"), out("1.err")});
    pid_t second = startProcess({{helper, "write-slot", "2", std::to_string(count)}, {}, {}, out("2.out"), out("2.err")});
    EXPECT_EQ(waitExitCode(first), 0) << readFile(out("1.err"));
    EXPECT_EQ(waitExitCode(second), 0) << readFile(out("2.err"));
    // Neither may take the other's fresh store for a foreign file and move it aside under its writes.
    EXPECT_EQ(readFile(out("1.err")) + readFile(out("2.err")), "");

    storeCloseStore();
    for (int slot = 1; slot <= 2; slot++) {
        std::string path = std::string(SettingsRoot) + "slot" + std::to_string(slot);
        int found = 0;
        for (int i = 0; i < count; i++) {
            std::string expected = {static_cast<char>(i), static_cast<char>(i >> 8), static_cast<char>(slot), '\0'};
            if (getRaw(path.c_str(), ("v" + std::to_string(i)).c_str()) == expected) found++;
        }
        EXPECT_EQ(found, count) << "slot " << slot;
    }
}

// Another program holds the write lock (a script's tavrin-reg, sqlite3 in a transaction) until the test
// lets it go.
struct LockHolder {
    const StoreReliability &test;
    pid_t pid = -1;
    explicit LockHolder(const StoreReliability &owner) : test(owner)
    {
        fs::remove(test.out("release"));
        pid = startProcess({{helper, "hold-lock", test.out("release")}, {}, {}, test.out("lock.out"), test.out("lock.err")});
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (readFile(test.out("lock.out")) != "locked\n" && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    int release()
    {
        if (FILE *file = fopen(test.out("release").c_str(), "w")) fclose(file);
        int code = waitExitCode(pid);
        pid = -1;
        return code;
    }
    ~LockHolder()
    {
        if (pid > 0) release();
    }
};

double secondsOf(void (*work)())
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(StoreReliability, ASaveMeetingALockIsKeptForTheNextSaveOrLoggedOnceAtTheEnd)
{
    loadSettings();
    storeSetWaitLimit(10000);  // as a game module may leave it: the menu's saves still wait briefly
    {
        LockHolder lock(*this);
        ASSERT_EQ(readFile(out("lock.out")), "locked\n") << readFile(out("lock.err"));
        appSettings.quiz = 0;
        double waited = secondsOf(saveSettings);
        EXPECT_LT(waited, 0.6) << "the menu would stand still that long";
        EXPECT_EQ(readSettingValue("quiz"), -1);
        ASSERT_EQ(lock.release(), 0);
    }
    saveSettings();
    EXPECT_EQ(readSettingValue("quiz"), 0) << "the kept change lands with the next save";

    {
        LockHolder lock(*this);
        appSettings.musicvolume = 17;
        saveSettings();
        double waited = secondsOf(finishSettings);
        EXPECT_GT(waited, 0.9);
        EXPECT_LT(waited, 1.6);
        ASSERT_EQ(lock.release(), 0);
    }
    EXPECT_EQ(readSettingValue("musicvolume"), -1) << "the lost change never landed";
    EXPECT_EQ(readFile(out("sdl.log")),
              " \xB7 store: the changed settings could not be saved: another program kept the store locked\n");

    // A lock let go within the wait costs nothing: the change lands as if there had been none.
    {
        LockHolder lock(*this);
        std::thread letGo([&lock] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            lock.release();
        });
        appSettings.musicvolume = 18;
        saveSettings();
        letGo.join();
    }
    EXPECT_EQ(readSettingValue("musicvolume"), 18);
}

TEST_F(StoreReliability, SavingWhileAnotherProcessSavesLosesNeither)
{
    loadSettings();
    pid_t writer = startProcess({{helper, "write-slot", "3", "200"}, {}, {}, out("w.out"), out("w.err")});
    // The menu waits a quarter of a second at most: a save the writer holds up longer on a busy machine
    // is kept for the next one, as the program keeps it.
    int landed = 0;
    for (int round = 0; round < 50; round++) {
        appSettings = AppSettings{round % 2, 1, round, 128 - round};
        saveSettings();
        landed += readSettingValue("musicvolume") == round;
    }
    finishSettings();
    EXPECT_GT(landed, 25);
    EXPECT_EQ(waitExitCode(writer), 0) << readFile(out("w.err"));
    loadSettings();
    EXPECT_EQ(appSettings.musicvolume, 49);
    EXPECT_EQ(appSettings.fxvolume, 79);
    EXPECT_EQ(getRaw((std::string(SettingsRoot) + "slot3").c_str(), "v199"), std::string("\xC7\0\x03\0", 4));
}

}  // namespace

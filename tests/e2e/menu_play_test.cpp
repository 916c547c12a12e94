// menu_play_test.cpp -- the real program played through its menu with xdotool, the store checked with tavrin-reg
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine.h"
#include "game_window.h"
#include "playground.h"
#include "tavrin/progress.h"

namespace {

// Starts the program and opens the settings screen as player B (who has 2% in the first test); the
// program's pid, or -1 after a failure was recorded.
pid_t openSettingsAsPlayerB(Playground &play, Pointer &pointer)
{
    pid_t pid = startAndFindWindow(play, pointer);
    if (pid < 0) return -1;
    std::this_thread::sleep_for(500ms);
    pointer.clickAt(200, 300);  // "B játékos"
    pointer.clickAt(200, 290);  // "beállítások"
    return pid;
}

}  // namespace

TEST(PlayingTheMenu, SettingsAreStoredThePlayerIsErasedAndQuitEndsCleanly)
{
    Playground play;
    ASSERT_FALSE(play.display.empty()) << "no virtual display";
    // Player B has some progress in the first game; A and C have none yet.
    ASSERT_EQ(play.reg({"add", settingsKey + "\\slot2", "/v", "g1a0", "/t", "REG_DWORD", "/d", "2", "/f"}), 0);

    Pointer pointer;
    pid_t pid = openSettingsAsPlayerB(play, pointer);
    if (pid < 0) return;

    // Drag the effect knob from near the left to the middle of the 256-pixel bar. The button must still
    // be held when the program takes the last motion, so it is let go only after a good while.
    pointer.moveTo(200, 150);
    pointer.button("mousedown");
    pointer.moveTo(260, 150);
    pointer.moveTo(185 + 128, 150);
    std::this_thread::sleep_for(1s);
    pointer.button("mouseup");

    pointer.clickAt(300, 255);  // the quiz row
    pointer.clickAt(200, 430);  // "vissza": the settings are written now
    EXPECT_TRUE(eventually([&] { return dwordValue(play, settingsKey, "quiz") == 0; }));

    long fx = dwordValue(play, settingsKey, "fxvolume");
    EXPECT_GE(fx, 60);
    EXPECT_LE(fx, 68);
    EXPECT_EQ(dwordValue(play, settingsKey, "quiz"), 0);
    EXPECT_EQ(dwordValue(play, settingsKey, "musicvolume"), 128);
    EXPECT_EQ(dwordValue(play, settingsKey, "fullscreen"), 0);

    pointer.clickAt(200, 290);  // settings again
    pointer.clickAt(200, 370);  // "eredmény törlése" asks first
    EXPECT_EQ(play.reg({"query", settingsKey + "\\slot2"}), 0);
    pointer.clickAt(200, 370);  // "klikk ha biztos!" erases player B
    EXPECT_TRUE(eventually([&] { return play.reg({"query", settingsKey + "\\slot2"}) != 0; }));
    // Reading the players' progress made no keys for A and C.
    EXPECT_NE(play.reg({"query", settingsKey + "\\slot1"}), 0);
    EXPECT_NE(play.reg({"query", settingsKey + "\\slot3"}), 0);

    pointer.clickAt(200, 440);  // "kilépés" on the main screen
    EXPECT_EQ(exitCodeWithin(pid, 20s), 0);

    std::string log = readFile(play.run / "sdl.log");
    EXPECT_TRUE(std::regex_search(log, std::regex("\n  -> [0-9]+\\.[0-9]{2} frames per second\n$"))) << log;
    EXPECT_EQ(log.find("Couldn't load"), std::string::npos) << log;
    // The settings written at exit are the ones chosen during the run.
    EXPECT_EQ(dwordValue(play, settingsKey, "quiz"), 0);
}

// Another program holding the store's write lock (a script's tavrin-reg, sqlite3 in a transaction)
// until the test lets it go.
struct StoreLock {
    const Playground &play;
    pid_t pid = -1;
    explicit StoreLock(const Playground &owner) : play(owner)
    {
        fs::remove(play.root / "release");
        pid = play.spawn({TAVRIN_TEST_BIN_DIR "/store-helper", "hold-lock", (play.root / "release").string()},
                         play.root / "lock.out");
        eventually([&] { return readFile(play.root / "lock.out") == "locked\n"; });
    }
    bool held() const { return readFile(play.root / "lock.out") == "locked\n"; }
    void release()
    {
        if (pid < 0) return;
        std::ofstream(play.root / "release").close();
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    ~StoreLock() { release(); }
};

// With the store locked the program starts as quickly, keeps drawing while "vissza" cannot save, writes
// the kept change with the next save once the lock is gone, and when the lock is held to the end, quits
// at once and says in the log that the change was lost.
TEST(PlayingTheMenu, ALockedStoreNeitherStallsTheMenuNorLosesAChangeUnsaid)
{
    Playground play;
    ASSERT_FALSE(play.display.empty()) << "no virtual display";
    ASSERT_EQ(play.reg({"add", settingsKey, "/v", "quiz", "/t", "REG_DWORD", "/d", "1", "/f"}), 0);
    auto lock = std::make_unique<StoreLock>(play);
    ASSERT_TRUE(lock->held());

    Pointer pointer;
    pid_t pid = openSettingsAsPlayerB(play, pointer);
    if (pid < 0) return;
    pointer.clickAt(300, 255);  // the quiz row: off
    pointer.clickAt(200, 430);  // "vissza" cannot save now
    pointer.clickAt(200, 290);  // the menu still answers at once: "beállítások"
    pointer.clickAt(300, 305);  // the full screen row: on
    pointer.clickAt(300, 305);  // and off again
    pointer.clickAt(200, 430);  // "vissza" again, still locked
    EXPECT_EQ(dwordValue(play, settingsKey, "quiz"), 1);

    lock->release();
    pointer.clickAt(200, 290);
    pointer.clickAt(200, 430);  // the next save writes the kept change
    EXPECT_TRUE(eventually([&] { return dwordValue(play, settingsKey, "quiz") == 0; }));

    lock = std::make_unique<StoreLock>(play);
    ASSERT_TRUE(lock->held());
    pointer.clickAt(200, 290);
    pointer.clickAt(300, 255);  // the quiz row: on, and this change meets the lock to the end
    pointer.clickAt(200, 430);
    pointer.moveTo(200, 440);
    auto quitClicked = std::chrono::steady_clock::now();
    pointer.button("click");  // "kilépés"
    int status = waitForExit(pid, 20s);
    double quitSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - quitClicked).count();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(quitSeconds, 5.0);
    RecordProperty("quitSecondsWithTheLockHeld", std::to_string(quitSeconds));
    lock->release();

    EXPECT_EQ(dwordValue(play, settingsKey, "quiz"), 0);
    std::string log = readFile(play.run / "sdl.log");
    EXPECT_NE(log.find("\n \xB7 store: the changed settings could not be saved: another program kept the store locked\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("could not be saved"), log.rfind("could not be saved")) << "one line only";
}

// A closed terminal or a logout ends the program as a request to terminate does, with its exit save.
TEST(PlayingTheMenu, HangingUpSavesAChangedSettingLikeTerminating)
{
    Playground play;
    ASSERT_FALSE(play.display.empty()) << "no virtual display";
    Pointer pointer;
    pid_t pid = openSettingsAsPlayerB(play, pointer);
    if (pid < 0) return;
    pointer.clickAt(300, 255);  // the quiz row: off, not saved yet
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(dwordValue(play, settingsKey, "quiz"), -1);
    kill(pid, SIGHUP);
    EXPECT_EQ(exitCodeWithin(pid, 20s), 0);
    EXPECT_EQ(dwordValue(play, settingsKey, "quiz"), 0);
}

// A task finished while another program holds the store's lock is shown as done at once, with no frame held
// up, and written on a later frame once the lock is gone, with nothing more done; a play that meets the lock
// to the game's end is one line in the log, and never written later.
TEST(PlayingTheMenu, AGamesResultMeetingALockedStoreIsKeptAndWrittenLaterOrLoggedAsLost)
{
    Playground play;
    ASSERT_FALSE(play.display.empty()) << "no virtual display";
    // A press within a quarter of a second after a game's screen changed is not taken: the clicks leave
    // more time between them.
    Pointer pointer;
    pointer.afterClick = 300ms;
    pid_t pid = startAndFindWindow(play, pointer);
    if (pid < 0) return;
    // The game's title panel is cream where the menu shows its frame and the finished-task screen its sky.
    auto creamAtTop = [&] {
        std::vector<uint32_t> now = captureWindow(pointer);
        return now.size() == 800u * 600u && (now[40 * 800 + 60] >> 8) == 0xFFFAu;
    };
    std::this_thread::sleep_for(500ms);
    pointer.clickAt(200, 300);  // "B játékos"
    pointer.clickAt(200, 170);  // "erdei kalandok"
    ASSERT_TRUE(eventually(creamAtTop)) << "the game did not start";

    auto lock = std::make_unique<StoreLock>(play);
    ASSERT_TRUE(lock->held());
    SDL_Rect tile = tileRect(0, FirstGameTaskCount);
    pointer.clickAt(tile.x + tile.w / 2, tile.y + tile.h / 2);
    std::this_thread::sleep_for(1s);
    for (int r = 0; r <= RoundsPerTask; ++r) {
        ASSERT_TRUE(answerShownQuestion(pointer, 3)) << "question " << r;
        if (r < RoundsPerTask) std::this_thread::sleep_for(2s);
    }
    // A click cuts the last praise short: the task ends and is written, or kept, in that frame.
    pointer.moveTo(400, 200);
    auto clicked = std::chrono::steady_clock::now();
    xdotool({"click", "1"}, nullptr, pointer.environment);
    ASSERT_TRUE(eventually([&] { return !creamAtTop(); }, 5s, 5ms)) << "no finished-task screen";
    double shownAfter = std::chrono::duration<double>(std::chrono::steady_clock::now() - clicked).count();
    RecordProperty("finishedScreenSecondsWithTheLockHeld", std::to_string(shownAfter));
    EXPECT_LT(shownAfter, 0.25) << "a frame waited for the store";
    const std::string slot2 = settingsKey + "\\slot2";
    EXPECT_EQ(dwordValue(play, slot2, "g1a0"), -1);

    lock->release();
    EXPECT_TRUE(eventually([&] { return dwordValue(play, slot2, "g1a0") == 2; }));
    EXPECT_EQ(dwordValue(play, slot2, "g1p0"), 1);
    EXPECT_EQ(dwordValue(play, slot2, "g1f0"), 1);

    // Played again, and left with "vissza" while the store is locked: lost, and said so once.
    lock = std::make_unique<StoreLock>(play);
    ASSERT_TRUE(lock->held());
    SDL_Rect map = mapButtonRect(), back = backButtonRect();
    pointer.clickAt(map.x + map.w / 2, map.y + map.h / 2);
    pointer.clickAt(tile.x + tile.w / 2, tile.y + tile.h / 2);
    pointer.clickAt(back.x + back.w / 2, back.y + back.h / 2);
    EXPECT_TRUE(eventually([&] { return !creamAtTop(); })) << "the game did not end";
    lock->release();
    std::this_thread::sleep_for(3s);  // the menu's buttons slide in anew
    pointer.clickAt(200, 440);        // "kilépés"
    EXPECT_EQ(exitCodeWithin(pid, 20s), 0);
    EXPECT_EQ(dwordValue(play, slot2, "g1p0"), 1) << "a lost play is never written later";
    std::string log = readFile(play.run / "sdl.log");
    const std::string lost =
        "\n \xB7 store: game 1 could not save player B's results: another program kept the store locked\n";
    EXPECT_NE(log.find(lost), std::string::npos) << log;
    EXPECT_EQ(log.find(lost), log.rfind(lost)) << "one line only";
}

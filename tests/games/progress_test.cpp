// progress_test.cpp -- each play's records and a finished task written for the right player, counted by the
// menu, kept through a locked store, and read with the menu's rule
#include <gtest/gtest.h>

#include "fake_store.h"
#include "forest.h"
#include "progress.h"
#include "town.h"

namespace {

uint32_t nowMs = 0;
int todayDate = 20250310;
uint32_t testMilliseconds() { return nowMs; }

class Progress : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeStoreReset();
        progressUseToday([] { return todayDate; });
        nowMs = 1000;
        todayDate = 20250310;
    }
    void TearDown() override
    {
        progressClose();
        progressUseToday(nullptr);
        EXPECT_EQ(fakeOpenKeys, 0) << "every key opened is closed again";
    }
};

// One play of the task, `seconds` long; finished with the stars its mistakes earn, or left.
void play(int task, int mistakes, double seconds, bool finish = true)
{
    progressPlayStarted(task);
    for (int i = 0; i < mistakes; ++i) progressMistake();
    nowMs += static_cast<uint32_t>(seconds * 1000);
    if (finish) progressPlayFinished(mistakes == 0 ? 3 : mistakes <= 2 ? 2 : 1);
    else progressPlayLeft();
}

// A game started for the player, one task finished, and the game ended.
void finishTask(const GameDef &game, int slot, int task)
{
    progressOpen(game, slot, testMilliseconds);
    play(task, 0, 10);
    progressClose();
}

// The menu's way of counting: each game's values from 0 up to the first missing one, 2 meaning done.
int menuCount(int slotNumber)
{
    int done = 0;
    for (auto [prefix, tasks] : {std::pair{"g1a", 15}, std::pair{"g2a", 25}})
        for (int i = 0; i < tasks; ++i) {
            int32_t v = fakeSlotValue(slotNumber, prefix + std::to_string(i));
            if (v == fakeMissing) break;
            done += v == 2;
        }
    return done;
}

} // namespace

TEST_F(Progress, PlayerBsFinishedTaskIsWrittenUnderSlot2Only)
{
    finishTask(forestDefinition(), 1, 0);
    EXPECT_EQ(fakeSlotValue(2, "g1a0"), 2);
    EXPECT_EQ(fakeKeys[fakeSlotPath(1)].size(), 0u);
    EXPECT_EQ(fakeKeys[fakeSlotPath(3)].size(), 0u);
    EXPECT_EQ(fakeKeys[fakeRootPath].size(), 0u);
    EXPECT_EQ(fakeFlushes, 1) << "the task's values in one commit";
    const FakeValue &v = fakeKeys[fakeSlotPath(2)]["g1a0"];
    EXPECT_EQ(v.type, 4u);
    EXPECT_EQ(v.data, (std::vector<unsigned char>{2, 0, 0, 0}));
}

TEST_F(Progress, ATaskDoneOutOfOrderFillsEarlierGapsButNeverUndoesWhatIsThere)
{
    finishTask(forestDefinition(), 0, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(fakeSlotValue(1, "g1a" + std::to_string(i)), 0);
    EXPECT_EQ(fakeSlotValue(1, "g1a4"), fakeMissing) << "nothing is written after the task";
    EXPECT_EQ(menuCount(1), 1);

    fakeSetDword(fakeSlotPath(1), "g2a1", 2);
    fakeSetDword(fakeSlotPath(1), "g2a2", 7);
    fakeKeys[fakeSlotPath(1)]["g2a3"] = FakeValue{3, {2}}; // not a REG_DWORD: it stops the menu's count
    finishTask(townDefinition(), 0, 4);
    EXPECT_EQ(fakeSlotValue(1, "g2a0"), 0);
    EXPECT_EQ(fakeSlotValue(1, "g2a1"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g2a2"), 7);
    EXPECT_EQ(fakeSlotValue(1, "g2a3"), 0) << "replaced, so that the count goes on";
    EXPECT_EQ(menuCount(1), 3);
}

TEST_F(Progress, ThePlaysOfATaskAddUpInItsRecordsAndTheDaysInTheirWindow)
{
    fakeSetDword(fakeSlotPath(2), "day20241210", 50); // 90 days before today: out of the window
    fakeSetDword(fakeSlotPath(2), "day20241211", 60); // 89 days before: kept
    fakeSetDword(fakeSlotPath(2), "day20260101", 70); // after today: the clock may be wrong now
    progressOpen(forestDefinition(), 1, testMilliseconds);
    play(2, 2, 30.4);                 // two stars
    play(2, 1, 700, false);           // walked away: ten minutes count, no more
    todayDate = 20250311;
    play(2, 0, 20.6);                 // three stars
    play(5, 4, 5, false);
    progressClose();

    auto value = [](const char *name) { return fakeSlotValue(2, name); };
    EXPECT_EQ(value("g1p2"), 3);
    EXPECT_EQ(value("g1f2"), 2);
    EXPECT_EQ(value("g1m2"), 0);
    EXPECT_EQ(value("g1e2"), 3);
    EXPECT_EQ(value("g1s2"), 3);
    EXPECT_EQ(value("g1r2"), 3);
    EXPECT_EQ(value("g1t2"), 30 + 600 + 21);
    EXPECT_EQ(value("g1d2"), 20250311);
    EXPECT_EQ(value("g1a2"), 2);
    EXPECT_EQ(value("g1p5"), 1);
    EXPECT_EQ(value("g1f5"), fakeMissing) << "a task never finished";
    EXPECT_EQ(value("g1s5"), fakeMissing);
    EXPECT_EQ(value("g1a5"), fakeMissing);
    EXPECT_EQ(value("g1m5"), 4);
    EXPECT_EQ(value("day20250310"), 630);
    EXPECT_EQ(value("day20250311"), 26);
    EXPECT_EQ(value("day20241210"), fakeMissing);
    EXPECT_EQ(value("day20241211"), 60);
    EXPECT_EQ(value("day20260101"), 70);
    EXPECT_EQ(menuCount(2), 1) << "the records are nothing the menu counts";
}

TEST_F(Progress, ALockedStoreKeepsTheResultsInTheGameWithoutWaitingAndLosesNoEarlierTask)
{
    fakeWaitLimit = 250; // the shell's
    progressOpen(forestDefinition(), 0, testMilliseconds);
    fakeStoreLocked = true;
    play(3, 0, 10);
    EXPECT_TRUE(progressWaiting());
    EXPECT_EQ(fakeSlotValue(1, "g1a3"), fakeMissing);
    for (int frame = 0; frame < 60; ++frame) progressFrame();
    EXPECT_EQ(fakeWriteWaits, (std::vector<uint32_t>{0, 0, 0})) << "tried every half second, never waiting";
    EXPECT_EQ(fakeWaitLimit, 250u) << "put back after each try";
    fakeStoreLocked = false;
    play(5, 1, 10); // the store takes both tasks now, the first one's done value no filler's 0
    EXPECT_FALSE(progressWaiting());
    EXPECT_EQ(fakeSlotValue(1, "g1a3"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g1a5"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g1a4"), 0);
    EXPECT_EQ(fakeSlotValue(1, "day20250310"), 20);

    fakeStoreLocked = true;
    play(7, 0, 10);
    fakeStoreLocked = false;
    for (int frame = 0; frame < 25 && progressWaiting(); ++frame) progressFrame();
    EXPECT_FALSE(progressWaiting()) << "written on a later frame once the lock is gone";
    EXPECT_EQ(fakeSlotValue(1, "g1a7"), 2);
    EXPECT_TRUE(fakeLogLines.empty());
}

TEST_F(Progress, AResultLostInTheEndIsOneLineInTheLog)
{
    progressOpen(townDefinition(), 2, testMilliseconds);
    fakeStoreLocked = true;
    play(1, 0, 10);
    play(2, 0, 10, false);
    progressClose();
    EXPECT_EQ(fakeWriteWaits.back(), 10000u) << "the last try may wait as the shell's saves do";
    const std::string lost = "store: game 2 could not save player C's results: another program kept the store locked";
    EXPECT_EQ(fakeLogLines, (std::vector<std::string>{lost}));
    fakeStoreLocked = false;
    progressClose();
    EXPECT_EQ(fakeLogLines.size(), 1u) << "what was lost is forgotten, not written later";
    EXPECT_EQ(fakeSlotValue(3, "g2a1"), fakeMissing);
}

TEST_F(Progress, NoPlayerWritesNothingAndABrokenStoreLetsThePlayGoOn)
{
    for (int slot : {-1, 3}) {
        progressOpen(forestDefinition(), slot, testMilliseconds);
        play(0, 0, 1);
        EXPECT_FALSE(progressWaiting());
        progressClose();
    }
    progressOpen(forestDefinition(), 0, testMilliseconds);
    play(15, 0, 1);
    play(-1, 0, 1);
    progressClose();
    for (auto &key : fakeKeys) EXPECT_TRUE(key.second.empty()) << key.first;
    EXPECT_TRUE(fakeLogLines.empty());
    fakeStoreBroken = true;
    finishTask(forestDefinition(), 0, 0);
    EXPECT_EQ(fakeLogLines.size(), 1u);
}

TEST_F(Progress, BadStoredRecordsAreMendedNotTrusted)
{
    fakeSetDword(fakeSlotPath(1), "g2p0", INT32_MAX);
    fakeSetDword(fakeSlotPath(1), "g2s0", 9);                                   // no game wrote this
    fakeKeys[fakeSlotPath(1)]["g2e0"] = FakeValue{1, {'7', 0}};                 // text is no number
    fakeSetDword(fakeSlotPath(1), "g2s1", 3);
    progressOpen(townDefinition(), 0, testMilliseconds);
    play(0, 1, 10);
    play(1, 2, 10);
    progressClose();
    EXPECT_EQ(fakeSlotValue(1, "g2p0"), INT32_MAX) << "a count grown huge stays huge, never negative";
    EXPECT_EQ(fakeSlotValue(1, "g2s0"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g2e0"), 1);
    EXPECT_EQ(fakeSlotValue(1, "g2s1"), 3) << "a better result stays";
    EXPECT_EQ(fakeSlotValue(1, "g2r1"), 2);
}

TEST_F(Progress, WhatTheEngineKeepsOfATaskIsWrittenWithItsPlayAndReadAtTheNextStart)
{
    fakeSetDword(fakeSlotPath(1), "g2l4", 7); // no level a game knows
    fakeSetDword(fakeSlotPath(1), "g2r4", 9);
    progressOpen(townDefinition(), 0, testMilliseconds);
    progressPlayStarted(3);
    progressKeep(3, TaskMemory{ProgressLevelBig, 3, 0x80000005u});
    nowMs += 3000;
    progressPlayFinished(1);
    progressClose();
    std::array<TaskMemory, MaxTasks> memory;
    readTaskMemory(townDefinition(), 0, memory);
    EXPECT_EQ(memory[3].level, ProgressLevelBig);
    EXPECT_EQ(memory[3].lastStars, 1) << "the stars of the play as it was recorded";
    EXPECT_EQ(memory[3].recent, 0x80000005u);
    EXPECT_EQ(memory[4].level, ProgressLevelSmall);
    EXPECT_EQ(memory[4].lastStars, 0);
    EXPECT_EQ(memory[0].recent, 0u);
}

// One rule for the games and the menu: only a 4-byte REG_DWORD is a value, whatever else is stored.
TEST_F(Progress, OnlyAFourByteDwordIsReadAndReadingWritesNothing)
{
    std::array<bool, MaxTasks> done{};
    std::array<int, MaxTasks> stars{};
    progressOpen(forestDefinition(), 1, testMilliseconds);
    readProgress(forestDefinition(), 1, done);
    readStars(townDefinition(), 1, stars);
    EXPECT_EQ(readSetting("quiz", 1), 1);
    progressClose();
    EXPECT_TRUE(fakeKeys.empty()) << "no key is made by reading";

    fakeSetDword(fakeSlotPath(3), "g1a0", 2);
    fakeSetDword(fakeSlotPath(3), "g1a1", 1);
    fakeSetDword(fakeSlotPath(3), "G1A5", 2); // names compare without case
    fakeKeys[fakeSlotPath(3)]["g1a6"] = FakeValue{3, {2}};
    fakeKeys[fakeSlotPath(3)]["g1a7"] = FakeValue{3, {2, 0, 0, 0}};
    fakeSetDword(fakeSlotPath(2), "g1a2", 2);
    fakeSetDword(fakeSlotPath(3), "g1s0", 2);
    fakeSetDword(fakeSlotPath(3), "g1s1", 9);
    readProgress(forestDefinition(), 2, done);
    readStars(forestDefinition(), 2, stars);
    EXPECT_TRUE(done[0]);
    EXPECT_FALSE(done[1]);
    EXPECT_FALSE(done[2]) << "another player's progress";
    EXPECT_TRUE(done[5]);
    EXPECT_FALSE(done[6]);
    EXPECT_FALSE(done[7]) << "four bytes of another type are no number either";
    EXPECT_EQ(stars[0], 2);
    EXPECT_EQ(stars[1], 0);

    fakeSetDword(fakeRootPath, "quiz", 0);
    EXPECT_EQ(readSetting("quiz", 1), 0);
    fakeSetDword(fakeRootPath, "quiz", -1);
    EXPECT_EQ(readSetting("quiz", 1), 1);
    fakeKeys[fakeRootPath]["fxvolume"] = FakeValue{3, {64}};
    EXPECT_EQ(readSetting("fxvolume", 128), 128);
}

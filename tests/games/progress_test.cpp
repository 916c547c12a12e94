// progress_test.cpp -- a finished task is written for the right player only, committed, and counted by the menu
#include <gtest/gtest.h>

#include "fake_store.h"
#include "forest.h"
#include "progress.h"
#include "town.h"

namespace {

class Progress : public ::testing::Test {
protected:
    void SetUp() override { fakeStoreReset(); }
    void TearDown() override { EXPECT_EQ(fakeOpenKeys, 0) << "every key opened is closed again"; }
};

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
    ASSERT_TRUE(recordTaskDone(forestDefinition(), 1, 0));
    EXPECT_EQ(fakeSlotValue(2, "g1a0"), 2);
    EXPECT_EQ(fakeKeys[fakeSlotPath(1)].size(), 0u);
    EXPECT_EQ(fakeKeys[fakeSlotPath(3)].size(), 0u);
    EXPECT_EQ(fakeKeys[fakeRootPath].size(), 0u);
    EXPECT_EQ(fakeKeys[fakeSlotPath(2)].size(), 1u);
    EXPECT_GE(fakeFlushes, 1);
}

TEST_F(Progress, TheValueIsADwordOfTwo)
{
    ASSERT_TRUE(recordTaskDone(townDefinition(), 2, 17));
    const FakeValue &v = fakeKeys[fakeSlotPath(3)]["g2a17"];
    EXPECT_EQ(v.type, 4u);
    EXPECT_EQ(v.data, (std::vector<unsigned char>{2, 0, 0, 0}));
}

TEST_F(Progress, ATaskDoneOutOfOrderFillsEarlierGapsSoTheMenuCountsIt)
{
    ASSERT_TRUE(recordTaskDone(forestDefinition(), 0, 3));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(fakeSlotValue(1, "g1a" + std::to_string(i)), 0);
    EXPECT_EQ(fakeSlotValue(1, "g1a3"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g1a4"), fakeMissing) << "nothing is written after the task";
    EXPECT_EQ(menuCount(1), 1);
}

TEST_F(Progress, FillingGapsNeverUndoesAFinishedTask)
{
    fakeSetDword(fakeSlotPath(1), "g2a1", 2);
    fakeSetDword(fakeSlotPath(1), "g2a2", 7);
    ASSERT_TRUE(recordTaskDone(townDefinition(), 0, 4));
    EXPECT_EQ(fakeSlotValue(1, "g2a0"), 0);
    EXPECT_EQ(fakeSlotValue(1, "g2a1"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g2a2"), 7);
    EXPECT_EQ(fakeSlotValue(1, "g2a3"), 0);
    EXPECT_EQ(menuCount(1), 2);
}

TEST_F(Progress, AnUnreadableEarlierValueIsReplacedSoItNoLongerStopsTheCount)
{
    fakeKeys[fakeSlotPath(1)]["g1a0"] = FakeValue{3, {1, 2, 3, 4, 5, 6}};
    ASSERT_TRUE(recordTaskDone(forestDefinition(), 0, 1));
    EXPECT_EQ(fakeSlotValue(1, "g1a0"), 0);
    EXPECT_EQ(menuCount(1), 1);
}

TEST_F(Progress, NoPlayerOrABrokenStoreWritesNothingAndSaysSo)
{
    EXPECT_FALSE(recordTaskDone(forestDefinition(), -1, 0));
    EXPECT_FALSE(recordTaskDone(forestDefinition(), 3, 0));
    EXPECT_FALSE(recordTaskDone(forestDefinition(), 0, 15));
    EXPECT_FALSE(recordTaskDone(forestDefinition(), 0, -1));
    for (auto &key : fakeKeys) EXPECT_TRUE(key.second.empty()) << key.first;
    fakeStoreBroken = true;
    EXPECT_FALSE(recordTaskDone(forestDefinition(), 0, 0));
}

TEST_F(Progress, ReadingMarksOnlyValuesOfTwoAsDone)
{
    fakeSetDword(fakeSlotPath(3), "g1a0", 2);
    fakeSetDword(fakeSlotPath(3), "g1a1", 1);
    fakeSetDword(fakeSlotPath(3), "G1A5", 2); // names compare without case
    fakeSetDword(fakeSlotPath(2), "g1a2", 2);
    std::array<bool, MaxTasks> done{};
    readProgress(forestDefinition(), 2, done);
    EXPECT_TRUE(done[0]);
    EXPECT_FALSE(done[1]);
    EXPECT_FALSE(done[2]) << "another player's progress";
    EXPECT_TRUE(done[5]);
}

TEST_F(Progress, ReadingANewPlayersProgressWritesNothing)
{
    std::array<bool, MaxTasks> done{};
    std::array<int, MaxTasks> stars{};
    readProgress(forestDefinition(), 1, done);
    readStars(townDefinition(), 1, stars);
    EXPECT_EQ(readSetting("quiz", 1), 1);
    EXPECT_TRUE(fakeKeys.empty()) << "no key is made by reading";
}

TEST_F(Progress, SettingsFallBackWhenMissingMinusOneOrUnreadable)
{
    EXPECT_EQ(readSetting("quiz", 1), 1);
    fakeSetDword(fakeRootPath, "quiz", 0);
    EXPECT_EQ(readSetting("quiz", 1), 0);
    fakeSetDword(fakeRootPath, "quiz", -1);
    EXPECT_EQ(readSetting("quiz", 1), 1);
    fakeKeys[fakeRootPath]["fxvolume"] = FakeValue{1, {'l', 'o', 'u', 'd', 0}};
    EXPECT_EQ(readSetting("fxvolume", 128), 128);
    fakeKeys[fakeRootPath]["fxvolume"] = FakeValue{3, {64}};
    EXPECT_EQ(readSetting("fxvolume", 128), 64) << "a short value is read with its high bytes as 0";
}

TEST_F(Progress, StarsLiveInTheGamesOwnValuesAndTheMenuDoesNotCountThem)
{
    ASSERT_TRUE(recordTaskDone(forestDefinition(), 0, 3));
    ASSERT_TRUE(recordStars(forestDefinition(), 0, 3, 2));
    ASSERT_TRUE(recordStars(townDefinition(), 0, 0, 3));
    EXPECT_EQ(fakeSlotValue(1, "g1a3"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g1s3"), 2);
    EXPECT_EQ(fakeSlotValue(1, "g2s0"), 3);
    EXPECT_EQ(menuCount(1), 1);
    EXPECT_FALSE(recordStars(forestDefinition(), 0, 3, 4)) << "three stars at most";
    fakeSetDword(fakeSlotPath(1), "g1s5", 9); // a value no game wrote is not shown as stars
    std::array<int, MaxTasks> stars{};
    readStars(forestDefinition(), 0, stars);
    EXPECT_EQ(stars[3], 2);
    EXPECT_EQ(stars[5], 0);
}

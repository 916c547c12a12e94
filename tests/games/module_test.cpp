// module_test.cpp -- a whole game driven through its four C entries, drawn with services that record every call
//
// Built once per game: GAME_DEFINITION names the game's table, GAME_VALUE its progress value prefix.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "atlas.h"
#include "engine.h"
#include "events.h"
#include "fake_store.h"
#include "forest.h"
#include "play_driver.h"
#include "progress.h"
#include "tavrin/module.h"
#include "town.h"

namespace {

const GameDef &game() { return GAME_DEFINITION(); }

// Stands in for the shell's video layer: it sees every surface, gives it a record mark at its first draw
// (as the layer does) and remembers its pixels, which must not change afterwards.
struct Recorder {
    std::map<SDL_Surface *, uint32_t> seen;
    int blits = 0;
    int fills = 0;
    int unmarkedErrors = 0;
    int clippedFills = 0; // fills made while a sprite's clip was still set: they would be cut off
    bool clipSet = false;
} recorder;

uint32_t checksum(SDL_Surface *s)
{
    uint32_t sum = 2166136261u;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const Uint8 *row = static_cast<const Uint8 *>(s->pixels) + y * s->pitch;
        for (int x = 0; x < s->w * s->format->BytesPerPixel; ++x) sum = (sum ^ row[x]) * 16777619u;
    }
    SDL_UnlockSurface(s);
    return sum;
}

void recordBlit(SDL_Surface *image, int, int)
{
    ++recorder.blits;
    if (!image) return;
    if (!recorder.seen.count(image)) {
        if (image->unused1 != 0) ++recorder.unmarkedErrors;
        recorder.seen[image] = checksum(image);
        image->unused1 = 1000 + static_cast<Uint32>(recorder.seen.size());
    }
}
void recordClip(SDL_Rect *rect) { recorder.clipSet = rect != nullptr; }
void recordFill(SDL_Rect *, int, int, int)
{
    ++recorder.fills;
    if (recorder.clipSet) ++recorder.clippedFills;
}

int draw(int frames = 1)
{
    int result = 0;
    for (int i = 0; i < frames && !result; ++i) {
        passTime(20);
        result = drawscreen(recordBlit, recordClip, recordFill);
        EXPECT_FALSE(recorder.clipSet) << "a frame must leave the whole screen as the clip";
    }
    return result;
}

int sendMouse(Uint8 type, Uint8 button, int x, int y)
{
    SDL_Event e = type == SDL_MOUSEMOTION ? motionEvent(x, y) : buttonEvent(type, x, y, button);
    return mouseevent(&e);
}

// A click, after the pause a child takes between two clicks.
int clickAt(const SDL_Rect &r, Uint32 pause = 400)
{
    passTime(pause);
    int x = r.x + r.w / 2, y = r.y + r.h / 2;
    if (int ended = sendMouse(SDL_MOUSEMOTION, 0, x, y)) return ended;
    return sendMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y);
}

int sendKey(Uint8 type, SDLKey key)
{
    SDL_Event e = keyEvent(type, key);
    return keyevent(&e);
}

const Round &shownRound() { return engineShownRound(); }

RuleFn shownRule()
{
    const Task &t = game().tasks[engineTask()];
    return engineScreen() == EngineQuiz ? t.quizRule : t.rule;
}

// The first answer that is right (or wrong), or with skip the one after as many others.
int answerIndex(bool right, int skip = 0)
{
    const Round &r = shownRound();
    for (int i = 0; i < choiceCount(r); ++i)
        if (shownRule()(r, i) == right && skip-- == 0) return i;
    return -1;
}

int clickAnswer(bool right, int skip = 0)
{
    int i = answerIndex(right, skip);
    EXPECT_GE(i, 0);
    return clickAt(answerRect(i));
}

// Answers the shown question rightly and waits out the praise.
void answerRightly()
{
    ASSERT_EQ(clickAnswer(true), 0);
    EXPECT_TRUE(engineShowingPraise());
    ASSERT_EQ(draw(80), 0);
}

// Answers the task being played rightly to its end.
void playShownTask(bool quiz)
{
    ASSERT_EQ(engineScreen(), EnginePlay);
    for (int r = 0; r < engineRoundCount(); ++r) {
        EXPECT_EQ(engineRound(), r);
        answerRightly();
    }
    if (quiz) {
        ASSERT_EQ(engineScreen(), EngineQuiz);
        answerRightly();
    }
    ASSERT_EQ(engineScreen(), EngineDone);
}

void playTask(int task, bool quiz)
{
    ASSERT_EQ(engineScreen(), EngineMap);
    ASSERT_EQ(clickAt(taskTileRect(task)), 0);
    ASSERT_EQ(engineTask(), task);
    playShownTask(quiz);
}

std::string valueName(int task) { return std::string(GAME_VALUE) + std::to_string(task); }
// A record of the task under the game's prefix: "g1p3" is how often task 3 of the first game was played.
std::string recordName(char record, int task)
{
    return std::string(GAME_VALUE).substr(0, 2) + record + std::to_string(task);
}
int32_t recordOf(int slotNumber, char record, int task) { return fakeSlotValue(slotNumber, recordName(record, task)); }
// Plays, finished plays, mistakes of the last play and of all, best and last stars, seconds.
std::vector<int32_t> recordsOf(int slotNumber, int task)
{
    std::vector<int32_t> values;
    for (char record : std::string("pfmesrt")) values.push_back(recordOf(slotNumber, record, task));
    return values;
}


// Whether tile a stands after tile b, reading the map row by row.
bool readsAfter(const SDL_Rect &a, const SDL_Rect &b) { return a.y > b.y || (a.y == b.y && a.x > b.x); }

class Game : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeStoreReset();
        recorder = Recorder{};
        driverClockStart();
        progressUseToday([] { return 20250310; });
    }
    void TearDown() override
    {
        engineRelease();
        progressUseToday(nullptr);
    }
    void start(int slot)
    {
        ASSERT_EQ(setslot(slot), 0);
        ASSERT_EQ(draw(), 0);
        ASSERT_EQ(engineScreen(), EngineMap);
    }
};

} // namespace

TEST_F(Game, AChildFinishesATaskAndLeavesWithVissza)
{
    engineSeed(1);
    start(1);
    int pages = atlasPageCount();
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    Uint32 opened = driverNow();
    ASSERT_EQ(draw(), 0);
    passTime(42000);

    // A wrong answer gets a gentle hint and the same question again; the hint stays until the next click.
    ASSERT_EQ(clickAnswer(false), 0);
    EXPECT_TRUE(engineShowingHint());
    EXPECT_FALSE(engineShowingPraise());
    ASSERT_EQ(draw(500), 0);
    EXPECT_TRUE(engineShowingHint());
    EXPECT_EQ(engineRound(), 0);
    EXPECT_EQ(engineScreen(), EnginePlay);
    ASSERT_EQ(clickAt(SDL_Rect{400, 200, 1, 1}), 0);
    EXPECT_FALSE(engineShowingHint());

    for (int r = 0; r < engineRoundCount(); ++r) answerRightly();
    ASSERT_EQ(engineScreen(), EngineQuiz) << "the quiz is on when the setting is missing";
    EXPECT_EQ(fakeSlotValue(2, valueName(0)), fakeMissing) << "not done before the quiz question";
    ASSERT_EQ(clickAnswer(true), 0);
    ASSERT_EQ(clickAt(SDL_Rect{400, 200, 1, 1}), 0); // a click during the praise ends the task at once
    ASSERT_EQ(engineScreen(), EngineDone);
    // The play's seconds, rounded, by the game's own clock from opening the task to finishing it.
    int firstPlay = static_cast<int>((driverNow() - opened + 500) / 1000);
    EXPECT_EQ(fakeSlotValue(2, valueName(0)), 2);
    EXPECT_GE(fakeFlushes, 1);
    EXPECT_TRUE(fakeKeys[fakeSlotPath(1)].empty());
    EXPECT_TRUE(fakeKeys[fakeSlotPath(3)].empty());

    EXPECT_EQ(engineEarnedStars(), 2) << "one mistake: two stars";
    EXPECT_EQ(recordsOf(2, 0), (std::vector<int32_t>{1, 1, 1, 1, 2, 2, firstPlay}));
    EXPECT_EQ(fakeSlotValue(2, "day20250310"), firstPlay);
    passTime(5000); // on the finished-task screen: no play
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    ASSERT_EQ(engineScreen(), EngineMap);
    EXPECT_TRUE(engineTaskDone(0));
    ASSERT_EQ(draw(), 0);

    // Played again and left unfinished with "vissza": the play still counts, the task stays done.
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    Uint32 reopened = driverNow();
    ASSERT_EQ(clickAnswer(false), 0);
    ASSERT_EQ(clickAnswer(false, 1), 0);
    passTime(8000);

    EXPECT_EQ(recorder.unmarkedErrors, 0) << "every surface reaches the shell with unused1 = 0";
    EXPECT_GT(recorder.blits, 0);
    EXPECT_GT(recorder.fills, 0);
    EXPECT_EQ(recorder.clippedFills, 0);
    EXPECT_LE(recorder.seen.size(), static_cast<size_t>(pages)) << "a game draws from its pages, not a surface per picture";
    for (auto &s : recorder.seen) EXPECT_EQ(checksum(s.first), s.second) << "a page changed after its first draw";

    EXPECT_NE(clickAt(backButtonRect()), 0);
    int secondPlay = static_cast<int>((driverNow() - reopened + 500) / 1000);
    EXPECT_EQ(atlasPageCount(), 0) << "everything is freed before the game says it has ended";
    EXPECT_NE(draw(), 0);
    EXPECT_EQ(fakeOpenKeys, 0);
    EXPECT_GE(firstPlay, 42);
    EXPECT_GE(secondPlay, 8);
    EXPECT_EQ(recordsOf(2, 0), (std::vector<int32_t>{2, 1, 2, 3, 2, 2, firstPlay + secondPlay}));
    EXPECT_EQ(recordOf(2, 'd', 0), 20250310);
    EXPECT_EQ(fakeSlotValue(2, "day20250310"), firstPlay + secondPlay);
    EXPECT_EQ(fakeSlotValue(2, valueName(0)), 2);
}

// Everything a start makes fits the pages, which are few and never grow afterwards: a picture or text that
// found no room would be missing from the screen.
TEST_F(Game, EveryPictureAndTextOfTheGameHasItsPlaceOnThePages)
{
    start(0);
    ASSERT_GT(atlasSpriteCount(), 0);
    int missing = 0;
    for (int i = 0; i < atlasSpriteCount(); ++i) missing += atlasSprite(i)->page < 0 ? 1 : 0;
    EXPECT_EQ(missing, 0) << "of " << atlasSpriteCount() << " pieces on " << atlasPageCount() << " pages";
}

TEST_F(Game, WithTheQuizOffATaskCountsWithoutTheExtraQuestion)
{
    fakeSetDword(fakeRootPath, "quiz", 0);
    start(0);
    EXPECT_FALSE(engineQuizOn());
    playTask(game().taskCount - 1, false);
    EXPECT_EQ(fakeSlotValue(1, valueName(game().taskCount - 1)), 2);
    EXPECT_EQ(fakeSlotValue(1, valueName(0)), 0) << "earlier tasks get a value, so the menu counts on";
}

TEST_F(Game, TheQuizSettingIsReadAtEveryStart)
{
    fakeSetDword(fakeRootPath, "quiz", 0);
    start(0);
    EXPECT_FALSE(engineQuizOn());
    fakeSetDword(fakeRootPath, "quiz", 1);
    start(0);
    EXPECT_TRUE(engineQuizOn());
    playTask(2, true);
}

TEST_F(Game, AWrongQuizAnswerRecordsNothingUntilTheRightOne)
{
    start(2);
    ASSERT_EQ(clickAt(taskTileRect(1)), 0);
    for (int r = 0; r < engineRoundCount(); ++r) answerRightly();
    ASSERT_EQ(engineScreen(), EngineQuiz);
    ASSERT_EQ(clickAnswer(false), 0);
    ASSERT_EQ(draw(100), 0);
    EXPECT_EQ(engineScreen(), EngineQuiz);
    EXPECT_EQ(fakeSlotValue(3, valueName(1)), fakeMissing);
    answerRightly();
    EXPECT_EQ(fakeSlotValue(3, valueName(1)), 2);
}

TEST_F(Game, TovabbLeadsThroughEveryUnfinishedTaskAndTheMenuWouldCountThemAll)
{
    fakeSetDword(fakeSlotPath(1), valueName(1), 2); // one finished before: "tovább" passes it by
    start(0);
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    std::set<int> played;
    SDL_Rect last{-1, -1, 0, 0};
    while (engineScreen() == EnginePlay) {
        SCOPED_TRACE(game().tasks[engineTask()].title);
        EXPECT_TRUE(played.insert(engineTask()).second) << "each task once";
        EXPECT_TRUE(readsAfter(taskTileRect(engineTask()), last)) << "the tasks follow each other as the map shows them";
        last = taskTileRect(engineTask());
        EXPECT_NE(engineTask(), 1);
        playShownTask(true);
        EXPECT_EQ(engineEarnedStars(), 3);
        ASSERT_EQ(clickAt(nextButtonRect()), 0);
    }
    EXPECT_EQ(engineScreen(), EngineMap) << "with every task done, \"tovább\" goes to the map";
    EXPECT_EQ(static_cast<int>(played.size()), game().taskCount - 1);
    for (int t = 0; t < game().taskCount; ++t) {
        EXPECT_EQ(fakeSlotValue(1, valueName(t)), 2) << t;
        EXPECT_TRUE(engineTaskDone(t));
    }
}

TEST_F(Game, TheMapShowsAGroupsTasksTogetherInTheTablesOrder)
{
    start(0);
    std::vector<int> byPlace(static_cast<size_t>(game().taskCount));
    std::iota(byPlace.begin(), byPlace.end(), 0);
    std::sort(byPlace.begin(), byPlace.end(), [](int a, int b) { return readsAfter(taskTileRect(b), taskTileRect(a)); });
    auto group = [](int t) { return game().groups ? game().groups[t] : GroupNone; };
    for (size_t k = 1; k < byPlace.size(); ++k) {
        int a = byPlace[k - 1], b = byPlace[k];
        EXPECT_TRUE(group(a) < group(b) || (group(a) == group(b) && a < b)) << a << " stands before " << b;
    }
}

TEST_F(Game, EscapeEndsTheGameFromEveryScreen)
{
    for (int where = 0; where < 5; ++where) {
        SCOPED_TRACE(where);
        start(0);
        if (where >= 1) {
            ASSERT_EQ(clickAt(taskTileRect(0)), 0);
        }
        if (where == 2) { // while praising
            ASSERT_EQ(clickAnswer(true), 0);
        }
        if (where >= 3) {
            for (int r = 0; r < engineRoundCount(); ++r) answerRightly();
            ASSERT_EQ(engineScreen(), EngineQuiz);
        }
        if (where == 4) answerRightly();
        EXPECT_EQ(sendKey(SDL_KEYUP, SDLK_ESCAPE), 0);
        EXPECT_EQ(sendKey(SDL_KEYDOWN, SDLK_SPACE), 0);
        EXPECT_NE(sendKey(SDL_KEYDOWN, SDLK_ESCAPE), 0);
        EXPECT_EQ(atlasPageCount(), 0);
        EXPECT_NE(draw(), 0);
    }
}

TEST_F(Game, TheTaskMapButtonGoesBackWithThePlayCountedButTheTaskNotDone)
{
    start(0);
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    answerRightly();
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    EXPECT_EQ(engineScreen(), EngineMap);
    EXPECT_FALSE(engineTaskDone(0));
    EXPECT_EQ(fakeSlotValue(1, valueName(0)), fakeMissing);
    EXPECT_EQ(recordOf(1, 'f', 0), fakeMissing);
    EXPECT_EQ(recordOf(1, 'p', 0), 1);
    EXPECT_EQ(recordOf(1, 'm', 0), 0);
}

TEST_F(Game, WheelTurnsAndClicksOnNothingDoNothing)
{
    start(0);
    SDL_Rect tile = taskTileRect(0);
    EXPECT_EQ(sendMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN, tile.x + 5, tile.y + 5), 0);
    EXPECT_EQ(engineScreen(), EngineMap);
    EXPECT_EQ(sendMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 799, 2), 0);
    EXPECT_EQ(engineScreen(), EngineMap);
    EXPECT_EQ(mouseevent(nullptr), 0);
    EXPECT_EQ(keyevent(nullptr), 0);
}

TEST_F(Game, AClickDuringThePraiseMovesOnAtOnce)
{
    start(0);
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    ASSERT_EQ(clickAnswer(true), 0);
    ASSERT_TRUE(engineShowingPraise());
    ASSERT_EQ(clickAt(SDL_Rect{400, 200, 1, 1}), 0);
    EXPECT_FALSE(engineShowingPraise());
    EXPECT_EQ(engineRound(), 1);
}

TEST_F(Game, FinishedTasksShowForTheirOwnPlayerOnly)
{
    fakeSetDword(fakeSlotPath(1), valueName(2), 2);
    start(0);
    EXPECT_TRUE(engineTaskDone(2));
    start(1);
    EXPECT_FALSE(engineTaskDone(2));
}

TEST_F(Game, StartingAgainWithoutEndingMakesNothingTwice)
{
    engineSeed(3);
    start(0);
    int pages = atlasPageCount();
    int sprites = atlasSpriteCount();
    engineSeed(3);
    start(0);
    EXPECT_EQ(atlasPageCount(), pages);
    EXPECT_EQ(atlasSpriteCount(), sprites);
}

TEST_F(Game, AnUnknownPlayerCanPlayButNothingIsWritten)
{
    start(7);
    playTask(0, true);
    for (auto &key : fakeKeys) EXPECT_TRUE(key.second.empty()) << key.first;
}

TEST_F(Game, ABrokenStoreStillLetsTheChildPlay)
{
    fakeStoreBroken = true;
    start(0);
    EXPECT_TRUE(engineQuizOn());
    playTask(0, true);
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    EXPECT_TRUE(engineTaskDone(0)) << "shown as done for this visit";
    EXPECT_EQ(engineStars(0), 3);
}

TEST_F(Game, AnswersStandInANewOrderInEveryRoundAndTheSeedReplaysIt)
{
    // Where each answer of every task's first round stands, and where the right one stands.
    auto places = [](std::set<int> *rightPlaces) {
        std::vector<std::vector<int>> all;
        for (int t = 0; t < game().taskCount; ++t) {
            EXPECT_EQ(clickAt(taskTileRect(t)), 0);
            std::vector<int> xs;
            for (int i = 0; i < choiceCount(shownRound()); ++i) xs.push_back(answerRect(i).x);
            EXPECT_EQ(std::set<int>(xs.begin(), xs.end()).size(), xs.size()) << "no two answers share a place";
            rightPlaces->insert(answerRect(answerIndex(true)).x);
            all.push_back(xs);
            EXPECT_EQ(clickAt(mapButtonRect()), 0);
        }
        return all;
    };
    std::set<int> rightPlaces;
    engineSeed(7);
    start(0);
    auto first = places(&rightPlaces);
    fakeStoreReset(); // the questions asked are kept: the second start would ask others
    engineSeed(7);
    start(0);
    EXPECT_EQ(places(&rightPlaces), first) << "the same seed, the same order";
    EXPECT_GE(rightPlaces.size(), 2u) << "the right answer does not always stand in one place";
}

// Opens the task and answers rightly until the given question of its pool is shown; plays that do not ask it
// are played to their end, so that the next one asks others. The quiz is missed once, so that no play earns
// the three stars that would move the task to the other level's questions.
bool reachQuestion(int task, const Round *question)
{
    for (int play = 0; play < 2 * MaxPool; ++play) {
        EXPECT_EQ(clickAt(taskTileRect(task)), 0);
        while (engineScreen() == EnginePlay) {
            if (&shownRound() == question) return true;
            answerRightly();
        }
        if (engineScreen() == EngineQuiz) {
            EXPECT_EQ(clickAnswer(false), 0);
            answerRightly();
        }
        EXPECT_EQ(clickAt(mapButtonRect()), 0);
    }
    return false;
}

// A dangerous answer is warned about; any other wrong one is met with "Majdnem!" only when it came close.
TEST_F(Game, AWrongAnswerGetsAKindWarningOrSaysWhetherItCameClose)
{
    start(0);
    int warned = 0, plain = 0;
    for (int t = 0; t < game().taskCount; ++t)
        for (const Round &r : game().tasks[t].pools[ProgressLevelSmall]) {
            bool plainTried = false;
            for (int c = 0; c < choiceCount(r); ++c) {
                const Choice &choice = r.choices[c];
                if (game().tasks[t].rule(r, c) || (!choice.warning && plainTried)) continue;
                (choice.warning ? warned : plain) += 1;
                plainTried = plainTried || !choice.warning;
                ASSERT_TRUE(reachQuestion(t, &r)) << r.prompt;
                ASSERT_EQ(clickAt(answerRect(c)), 0);
                EXPECT_TRUE(engineShowingHint());
                EXPECT_STREQ(engineWarning(), choice.warning);
                EXPECT_EQ(engineCloseMiss(), !choice.warning && choice.closeMiss) << r.prompt;
                ASSERT_EQ(clickAt(mapButtonRect()), 0);
            }
        }
    EXPECT_GT(warned, 0) << "going on red, running into the road and the like are warned about in both games";
    EXPECT_GT(plain, 0);
}

// The first task whose questions all have three answers or more, and that makes its own (five to a play).
int madeTaskWithThreeAnswers()
{
    for (int t = 0; t < game().taskCount; ++t)
        if (game().tasks[t].maker && choiceCount(game().tasks[t].quiz) >= 2) return t;
    return -1;
}

TEST_F(Game, StarsCountTheQuestionsMissedAndTheBestResultIsKept)
{
    int t = madeTaskWithThreeAnswers();
    ASSERT_GE(t, 0);
    start(0);
    ASSERT_EQ(clickAt(taskTileRect(t)), 0);
    ASSERT_EQ(engineRoundCount(), RoundsPerTask);
    for (int r = 0; r < RoundsPerTask; ++r) {
        if (r < 2) { // two wrong answers to the first question, one to the second
            ASSERT_EQ(clickAnswer(false), 0);
            if (r == 0) {
                ASSERT_EQ(clickAnswer(false, 1), 0);
            }
        }
        answerRightly();
    }
    answerRightly();
    ASSERT_EQ(engineScreen(), EngineDone);
    EXPECT_EQ(engineEarnedStars(), 1) << "two questions missed: one star";
    EXPECT_EQ(fakeSlotValue(1, valueName(t)), 2) << "the shell's done value is never a star count";
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    playTask(t, true);
    EXPECT_EQ(engineEarnedStars(), 3);
    EXPECT_EQ(recordOf(1, 's', t), 3);
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    ASSERT_EQ(clickAt(taskTileRect(t)), 0);
    for (int r = 0; r < engineRoundCount(); ++r) answerRightly();
    ASSERT_EQ(clickAnswer(false), 0); // the quiz missed counts as much as a question
    answerRightly();
    EXPECT_EQ(engineEarnedStars(), 2);
    EXPECT_EQ(recordOf(1, 's', t), 3) << "a worse play keeps the best stars";
    start(0);
    EXPECT_EQ(engineStars(t), 3) << "read back at the next start";
}

TEST_F(Game, ThreeStarsMoveThePlayerUpAndTwoPlaysOfOneStarBackDown)
{
    int t = madeTaskWithThreeAnswers();
    ASSERT_GE(t, 0);
    start(0);
    EXPECT_EQ(engineLevel(t), ProgressLevelSmall) << "a new player starts small";
    auto playWithMisses = [&](int misses) {
        ASSERT_EQ(clickAt(taskTileRect(t)), 0);
        for (int r = 0; r < engineRoundCount(); ++r) {
            if (r < misses) {
                ASSERT_EQ(clickAnswer(false), 0);
            }
            answerRightly();
        }
        answerRightly();
        ASSERT_EQ(engineScreen(), EngineDone);
        ASSERT_EQ(clickAt(mapButtonRect()), 0);
    };
    playWithMisses(0);
    EXPECT_EQ(engineLevel(t), ProgressLevelBig);
    EXPECT_EQ(engineLevel(t == 0 ? 1 : 0), ProgressLevelSmall) << "each task has a level of its own";
    start(0);
    EXPECT_EQ(engineLevel(t), ProgressLevelBig) << "kept for the player between starts";
    // The big level's questions are its own.
    ASSERT_EQ(clickAt(taskTileRect(t)), 0);
    bool fromBigPool = false;
    for (int k = 0; k < engineMadeCount(t, ProgressLevelBig); ++k)
        fromBigPool |= &engineMadeRound(t, ProgressLevelBig, k) == &shownRound();
    EXPECT_TRUE(fromBigPool);
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    playWithMisses(3);
    EXPECT_EQ(engineLevel(t), ProgressLevelBig) << "one poor play is not enough to move back";
    playWithMisses(1);
    playWithMisses(3);
    EXPECT_EQ(engineLevel(t), ProgressLevelBig) << "the two plays of one star must follow each other";
    start(0); // the last play's stars are kept too
    playWithMisses(2);
    EXPECT_EQ(engineLevel(t), ProgressLevelSmall);
}

TEST_F(Game, APlayAsksFiveDifferentQuestionsAndTheNextTwoPlaysOthers)
{
    engineSeed(11);
    start(0);
    for (int t = 0; t < game().taskCount; ++t) {
        const Task &task = game().tasks[t];
        if (!task.maker || engineMadeCount(t, ProgressLevelSmall) < 3 * RoundsPerTask) continue;
        SCOPED_TRACE(task.title);
        std::vector<const Round *> asked;
        for (int play = 0; play < 3; ++play) {
            ASSERT_EQ(clickAt(taskTileRect(t)), 0);
            while (engineScreen() == EnginePlay) {
                for (const Round *before : asked)
                    EXPECT_FALSE(sameQuestion(*before, shownRound(), task.rule)) << shownRound().prompt;
                asked.push_back(&shownRound());
                // Missed questions, so that the level stays and the plays ask the same pool.
                ASSERT_EQ(clickAnswer(false), 0);
                answerRightly();
            }
            ASSERT_EQ(clickAt(mapButtonRect()), 0);
        }
        EXPECT_EQ(asked.size(), 3u * RoundsPerTask);
    }
}

TEST_F(Game, HintsComeInTwoStepsTheSecondAfterASecondWrongAnswer)
{
    start(0);
    int checked = 0;
    for (int t = 0; t < game().taskCount; ++t) {
        ASSERT_EQ(clickAt(taskTileRect(t)), 0);
        const Round &r = shownRound();
        if (choiceCount(r) >= 3) {
            const char *first = r.hint ? r.hint : game().tasks[t].hint;
            ASSERT_EQ(clickAnswer(false), 0);
            EXPECT_EQ(engineHintStep(), 1);
            EXPECT_STREQ(engineHint(), first);
            ASSERT_EQ(clickAnswer(false, 1), 0);
            EXPECT_EQ(engineHintStep(), 2);
            EXPECT_STREQ(engineHint(), r.secondHint ? r.secondHint : first);
            ++checked;
        }
        ASSERT_EQ(clickAt(mapButtonRect()), 0);
    }
    EXPECT_GT(checked, 3);
}

TEST_F(Game, APressJustAfterTheScreenChangedIsNoAnswer)
{
    start(0);
    // A double-click on a tile opens the task; its second press lands on the new question and is let be.
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    ASSERT_EQ(clickAt(answerRect(answerIndex(true)), 120), 0);
    EXPECT_FALSE(engineShowingPraise());
    EXPECT_FALSE(engineShowingHint());
    // A double-click on a wrong answer: the hint stays for the child to read.
    ASSERT_EQ(clickAnswer(false), 0);
    ASSERT_EQ(clickAt(answerRect(answerIndex(false, 1)), 150), 0);
    EXPECT_EQ(engineHintStep(), 1);
    // After a child's pause the press counts.
    answerRightly();
    EXPECT_EQ(engineRound(), 1);
    ASSERT_EQ(clickAt(answerRect(answerIndex(true)), 260), 0);
    EXPECT_TRUE(engineShowingPraise());
}

TEST_F(Game, MegEgyszerOffersTheTaskAgainAfterFewerThanThreeStars)
{
    start(0);
    playTask(0, true);
    EXPECT_EQ(againButtonRect().w, 0) << "three stars: nothing to try again for";
    ASSERT_EQ(clickAt(mapButtonRect()), 0);
    ASSERT_EQ(clickAt(taskTileRect(0)), 0);
    ASSERT_EQ(clickAnswer(false), 0);
    for (int r = 0; r < engineRoundCount(); ++r) answerRightly();
    answerRightly();
    ASSERT_EQ(engineScreen(), EngineDone);
    ASSERT_GT(againButtonRect().w, 0);
    ASSERT_EQ(clickAt(againButtonRect()), 0);
    EXPECT_EQ(engineScreen(), EnginePlay);
    EXPECT_EQ(engineTask(), 0);
    EXPECT_EQ(engineRound(), 0);
}

// Five questions and the quiz, each missed by a guess two times in three: a lucky streak is all a random
// child can have.
TEST_F(Game, RandomClickingEarnsOneStarNearlyAlwaysAndThreeAlmostNever)
{
    std::array<int, 4> stars{};
    int plays = 0;
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        fakeStoreReset(); // a new child each time, at the first level
        engineSeed(seed);
        start(0);
        Random random = randomSeeded(seed * 31u);
        for (int t = 0; t < game().taskCount; ++t) {
            RandomPlay play = playAtRandom(t, random);
            ASSERT_GE(play.stars, 1) << "a random child finishes the task too";
            if (static_cast<int>(play.asked.size()) < RoundsPerTask) continue; // a task of fewer questions
            ++stars[static_cast<size_t>(play.stars)];
            ++plays;
        }
    }
    ASSERT_GE(plays, 40);
    EXPECT_GE(stars[1] * 100, 90 * plays) << stars[1] << " of " << plays;
    EXPECT_LE(stars[3] * 100, 1 * plays) << stars[3] << " of " << plays;
}

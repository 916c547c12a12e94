// flow.cpp -- the screens of a game and what a click does on each: the map, the questions, the quiz, the end
#include "engine.h"

#include <algorithm>
#include <array>

#include "atlas.h"
#include "engine_internal.h"
#include "gametext.h"
#include "pictures.h"
#include "progress.h"
#include "rules.h"
#include "sounds.h"
#include "voice.h"

namespace engine {

EngineState state;

} // namespace engine

using namespace engine;

namespace {

uint32_t nextSeed = 0; // set by engineSeed for the next start only
EngineClock clockNow = SDL_GetTicks;

// Frees what the game made when the library is unloaded without the game having ended.
struct ReleaseAtUnload {
    ~ReleaseAtUnload() { engineRelease(); }
} releaseAtUnload;

void orderMap()
{
    mapOrder(*state.game, state.taskAt);
    for (int slot = 0; slot < state.game->taskCount; ++slot) state.slotOf[state.taskAt[slot]] = slot;
}

// Each level's questions of the tasks that make their own.
void makeRounds()
{
    const GameDef &g = *state.game;
    for (int t = 0; t < g.taskCount; ++t)
        for (int level = 0; g.tasks[t].maker && level < LevelCount; ++level)
            state.madeCount[t][level] = makePool(g.tasks[t], t, level, state.made[t][level]);
}

// What each task remembers of this player's plays, as the store keeps it: read here once at start.
void loadTaskMemory() { readTaskMemory(*state.game, state.slot, state.memory); }

// A play's end: three stars move the player up a level of the task, a second play in a row with one star
// back down; a new level has new questions, so what was asked at the old one no longer counts.
void decideLevel(int task, int stars)
{
    TaskMemory &m = state.memory[task];
    int level = m.level;
    if (stars >= 3 && level < ProgressLevelBig) ++level;
    else if (stars <= 1 && m.lastStars == 1 && level > ProgressLevelSmall) --level;
    if (level != m.level) m.recent = 0;
    m.level = level;
    m.lastStars = stars;
}

// The questions of a new play: those not asked in the task's last plays first, as many as there are, the
// rest from the others; asked in the pool's order, easiest first. The questions asked are remembered, and
// once so many are that the next play could not avoid them, only this play's are.
void drawQuestions(int task)
{
    TaskMemory &m = state.memory[task];
    int size = poolSize(task, m.level);
    std::array<int, MaxPool> fresh{}, seen{};
    int freshCount = 0, seenCount = 0;
    for (int i = 0; i < size; ++i) {
        if (m.recent >> i & 1u) seen[seenCount++] = i;
        else fresh[freshCount++] = i;
    }
    auto shuffle = [](std::array<int, MaxPool> &list, int n) {
        for (int i = n - 1; i > 0; --i) std::swap(list[i], list[randomBelow(state.random, i + 1)]);
    };
    shuffle(fresh, freshCount);
    shuffle(seen, seenCount);
    state.roundCount = std::min(RoundsPerTask, size);
    uint32_t asked = 0;
    for (int k = 0; k < state.roundCount; ++k) {
        state.asked[k] = k < freshCount ? fresh[k] : seen[k - freshCount];
        asked |= 1u << state.asked[k];
    }
    std::sort(state.asked.begin(), state.asked.begin() + state.roundCount);
    m.recent |= asked;
    int unasked = 0;
    for (int i = 0; i < size; ++i) unasked += (m.recent >> i & 1u) ? 0 : 1;
    if (unasked < state.roundCount) m.recent = asked;
}

// The screen under the pointer has just changed: a press in the next moment belongs to the old one.
void screenChanged() { state.changedAt = clockNow(); }

void startRound()
{
    // The answers stand in a new order in every round, so that where the right one stood tells nothing.
    for (int i = 0; i < MaxChoices; ++i) state.place[i] = i;
    if (state.screen == EnginePlay || state.screen == EngineQuiz)
        for (int i = choiceCount(currentRound()) - 1; i > 0; --i)
            std::swap(state.place[i], state.place[randomBelow(state.random, i + 1)]);
    state.wrong.fill(false);
    state.wrongTries = 0;
    state.rightChoice = -1;
    state.praiseLeft = 0;
    state.hintShown = false;
    state.warning = nullptr;
    screenChanged();
    if (state.screen == EnginePlay || state.screen == EngineQuiz) sayRound();
}

void openMap()
{
    progressPlayLeft(); // records: a play left for the map still counts
    state.screen = EngineMap;
    startRound();
    sayMap(false);
}

void openTask(int task)
{
    ++state.visits[task];
    progressPlayStarted(task); // records: a play begins
    state.task = task;
    state.level = state.memory[task].level;
    drawQuestions(task);
    progressKeep(task, state.memory[task]); // records: the questions asked, kept with the play
    state.missed.fill(false);
    state.round = 0;
    state.screen = state.roundCount > 0 ? EnginePlay : EngineQuiz;
    startRound();
}

// The questions of the play, the quiz among them when it is asked.
int questionCount() { return state.roundCount + (engineQuizAsked() ? 1 : 0); }

// Three stars for a play without a question missed, two with one missed, one with more: a question is
// missed when its first answer was wrong, however it was answered afterwards.
int starsFor(int missedCount) { return missedCount == 0 ? 3 : missedCount == 1 ? 2 : 1; }

void finishTask()
{
    int missedCount = static_cast<int>(std::count(state.missed.begin(), state.missed.begin() + questionCount(), true));
    state.earned = starsFor(missedCount);
    decideLevel(state.task, state.earned);
    // records: the task done, its stars, its level and the play, written now or kept until the store takes them
    progressKeep(state.task, state.memory[state.task]);
    progressPlayFinished(state.earned);
    state.done[state.task] = true;
    state.stars[state.task] = std::max(state.stars[state.task], state.earned);
    state.screen = EngineDone;
    startRound();
    soundPlayRight();
    sayDone();
}

// "tovább": the next task on the map that is not yet done, or the map when every task is.
void openNextTask()
{
    int count = state.game->taskCount, from = state.slotOf[state.task];
    for (int step = 1; step < count; ++step) {
        int t = state.taskAt[(from + step) % count];
        if (!state.done[t]) return openTask(t);
    }
    openMap();
}

void answer(int choice)
{
    RuleFn rule = currentRule();
    if (rule && rule(currentRound(), choice)) {
        state.rightChoice = choice;
        state.praiseLeft = PraiseFrames;
        state.hintShown = false;
        ++state.praiseCount;
        soundPlayRight();
    } else {
        state.wrong[choice] = true;
        state.missed[questionShown()] = true;
        ++state.wrongTries;
        progressMistake(); // records: a wrong answer of the play
        state.hintShown = true;
        state.warning = currentRound().choices[choice].warning;
        state.closeMiss = currentRound().choices[choice].closeMiss;
        soundPlayWrong();
    }
    screenChanged();
    sayAnswer(state.rightChoice == choice);
}

// Ends the game: everything is freed before the shell hears of it.
int endGame()
{
    engineRelease();
    return 1;
}

int click(int x, int y)
{
    if (inside(backButtonRect(), x, y)) return endGame();
    switch (state.screen) {
    case EngineMap:
        for (int i = 0; i < state.game->taskCount; ++i)
            if (inside(taskTileRect(i), x, y)) openTask(i);
        break;
    case EnginePlay:
    case EngineQuiz: {
        if (inside(mapButtonRect(), x, y)) {
            openMap();
            break;
        }
        if (sayClicked(x, y)) break;
        if (state.praiseLeft > 0) { // a click while praising moves on at once
            advance();
            break;
        }
        // The hint stays until the next click, wherever it lands, and is no longer said then.
        if (state.hintShown) voiceStop();
        state.hintShown = false;
        state.warning = nullptr;
        int count = choiceCount(currentRound());
        for (int i = 0; i < count; ++i)
            if (inside(answerRect(i), x, y) && !state.wrong[i]) answer(i);
        break;
    }
    case EngineDone:
        if (inside(nextButtonRect(), x, y)) openNextTask();
        else if (inside(againButtonRect(), x, y)) openTask(state.task);
        else if (inside(mapButtonRect(), x, y)) openMap();
        break;
    case EngineEnded:
        return 1;
    }
    return 0;
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions: the round being played
//----------------------------------------------------------------------------------------------------------

namespace engine {

const Task &currentTask() { return state.game->tasks[state.task]; }

int poolSize(int task, int level)
{
    const Task &t = state.game->tasks[task];
    if (t.maker) return state.madeCount[task][level];
    return std::min(static_cast<int>(t.pools[level].size()), MaxPool);
}

const Round &poolRound(int task, int level, int index)
{
    const Task &t = state.game->tasks[task];
    if (t.maker) return state.made[task][level][index];
    return t.pools[level][index];
}

const Round &currentRound()
{
    const Task &t = currentTask();
    if (state.screen == EngineQuiz || state.roundCount == 0) return t.quiz;
    return poolRound(state.task, state.level, state.asked[std::clamp(state.round, 0, state.roundCount - 1)]);
}

RuleFn currentRule()
{
    const Task &t = currentTask();
    return state.screen == EngineQuiz ? t.quizRule : t.rule;
}

int hintStep() { return !state.hintShown ? 0 : state.wrongTries >= 2 ? 2 : 1; }

const char *currentHint()
{
    const Round &r = currentRound();
    const char *first = r.hint ? r.hint : currentTask().hint;
    return hintStep() >= 2 && r.secondHint ? r.secondHint : first;
}

int questionShown() { return state.screen == EngineQuiz ? state.roundCount : state.round; }

QuestionMark questionMark(int index)
{
    if (index < questionShown() || (index == questionShown() && state.praiseLeft > 0))
        return state.missed[index] ? MarkMissed : MarkRight;
    return index == questionShown() && state.missed[index] ? MarkMissed : MarkOpen;
}

int questionMarks() { return questionCount(); }

// After the praise: the next round, the quiz question, or the end of the task.
void advance()
{
    if (state.screen == EnginePlay && state.round + 1 < state.roundCount) {
        ++state.round;
        startRound();
    } else if (state.screen == EnginePlay && engineQuizAsked()) {
        state.screen = EngineQuiz;
        startRound();
    } else {
        finishTask();
    }
}

} // namespace engine

//----------------------------------------------------------------------------------------------------------
// Functions: the entries
//----------------------------------------------------------------------------------------------------------

int engineSetSlot(const GameDef &game, int slot)
{
    // The library may stay loaded between two starts, so nothing of an earlier start may survive.
    engineRelease();
    state = EngineState{};
    if (!game.tasks || game.taskCount < 1 || game.taskCount > MaxTasks) return 1; // a table the map cannot show
    state.game = &game;
    state.slot = slot;
    // Every start is played with new questions and a new order of answers, unless a test asked for a seed.
    state.random = randomSeeded(nextSeed ? nextSeed : SDL_GetTicks() * 2654435761u + static_cast<uint32_t>(slot));
    nextSeed = 0;
    state.quizOn = readSetting("quiz", 1) != 0;
    readProgress(game, slot, state.done);
    readStars(game, slot, state.stars);
    loadTaskMemory();
    progressOpen(game, slot, clockNow); // records: this player's plays from now on
    orderMap();
    textOpen();
    makeRounds();
    makeSprites();
    soundsOpen(readSetting("fxvolume", 128));
    voiceOpen(readSetting("fxvolume", 128));
    state.screen = EngineMap;
    screenChanged();
    sayMap(true);
    return 0;
}

int engineMouse(SDL_Event *event)
{
    if (state.screen == EngineEnded || !state.game) return 1;
    if (!event) return 0;
    if (event->type == SDL_MOUSEMOTION) {
        voicePointerMoved();
        state.mouseX = event->motion.x;
        state.mouseY = event->motion.y;
    } else if (event->type == SDL_MOUSEBUTTONDOWN) {
        // Left, middle or right button; the wheel (buttons 4 and 5) is no click.
        if (event->button.button < SDL_BUTTON_LEFT || event->button.button > SDL_BUTTON_RIGHT) return 0;
        state.mouseX = event->button.x;
        state.mouseY = event->button.y;
        // A child's double-click: the second press comes before the child has seen what the first one did.
        if (clockNow() - state.changedAt < ClickPauseMs) return 0;
        return click(event->button.x, event->button.y);
    }
    return 0;
}

int engineKey(SDL_Event *event)
{
    if (state.screen == EngineEnded || !state.game) return 1;
    if (event && event->type == SDL_KEYDOWN && event->key.keysym.sym == SDLK_ESCAPE) return endGame();
    return 0;
}

void engineRelease()
{
    progressClose(); // records: a play still running ends, and what waits gets its last try
    soundsClose();
    voiceClose();
    picturesForget();
    textClose();
    atlasFree();
    state.screen = EngineEnded;
}

void engineSeed(uint32_t seed) { nextSeed = seed; }
void engineUseClock(EngineClock now) { clockNow = now ? now : SDL_GetTicks; }
const Round &engineShownRound() { return currentRound(); }
int engineMadeCount(int task, int level)
{
    if (!state.game || task < 0 || task >= state.game->taskCount || level < 0 || level >= LevelCount) return 0;
    return state.game->tasks[task].maker ? state.madeCount[task][level] : 0;
}
const Round &engineMadeRound(int task, int level, int index)
{
    auto t = static_cast<size_t>(std::clamp(task, 0, MaxTasks - 1)), l = static_cast<size_t>(std::clamp(level, 0, LevelCount - 1));
    return state.made[t][l][static_cast<size_t>(std::clamp(index, 0, MadePool - 1))];
}
EngineScreen engineScreen() { return state.screen; }
int engineTask() { return state.task; }
int engineRound() { return state.round; }
int engineRoundCount() { return state.roundCount; }
bool engineQuizOn() { return state.quizOn; }
bool engineQuizAsked() { return state.quizOn && state.game && choiceCount(currentTask().quiz) > 0; }
bool engineTaskDone(int task) { return task >= 0 && task < MaxTasks && state.done[task]; }
int engineStars(int task) { return task >= 0 && task < MaxTasks ? state.stars[task] : 0; }
int engineLevel(int task) { return task >= 0 && task < MaxTasks ? state.memory[task].level : ProgressLevelSmall; }
int engineEarnedStars() { return state.screen == EngineDone ? state.earned : 0; }
bool engineShowingPraise() { return state.praiseLeft > 0; }
bool engineShowingHint() { return state.hintShown; }
int engineHintStep() { return hintStep(); }
const char *engineHint() { return state.hintShown ? currentHint() : nullptr; }
const char *engineWarning() { return state.hintShown ? state.warning : nullptr; }
bool engineCloseMiss() { return state.hintShown && state.closeMiss; }

// flow.cpp -- the screens of a game and what a click does on each: the map, the rounds, the quiz, the end
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

namespace engine {

EngineState state;

} // namespace engine

using namespace engine;

namespace {

uint32_t nextSeed = 0; // set by engineSeed for the next start only

// Frees what the game made when the library is unloaded without the game having ended.
struct ReleaseAtUnload {
    ~ReleaseAtUnload() { engineRelease(); }
} releaseAtUnload;

void orderMap()
{
    mapOrder(*state.game, state.taskAt);
    for (int slot = 0; slot < state.game->taskCount; ++slot) state.slotOf[state.taskAt[slot]] = slot;
}

// The rounds of the tasks that make theirs afresh, a few sets of them, all made at start.
void makeRounds()
{
    const GameDef &g = *state.game;
    for (int i = 0; i < g.taskCount; ++i)
        if (g.tasks[i].maker)
            for (auto &set : state.made[i])
                for (int r = 0; r < RoundsPerTask; ++r) set[r] = g.tasks[i].maker(r, state.random);
}

//----------------------------------------------------------------------------------------------------------
// Internal functions: what happens
//----------------------------------------------------------------------------------------------------------

void startRound()
{
    // The answers stand in a new order in every round, so that where the right one stood tells nothing.
    for (int i = 0; i < MaxChoices; ++i) state.place[i] = i;
    if (state.screen == EnginePlay || state.screen == EngineQuiz)
        for (int i = choiceCount(currentRound()) - 1; i > 0; --i)
            std::swap(state.place[i], state.place[randomBelow(state.random, i + 1)]);
    state.wrong.fill(false);
    state.rightChoice = -1;
    state.praiseLeft = 0;
    state.hintShown = false;
    state.warning = nullptr;
}

void openMap()
{
    state.screen = EngineMap;
    startRound();
}

void openTask(int task)
{
    ++state.visits[task];
    state.mistakes = 0;
    state.task = task;
    state.round = 0;
    state.screen = EnginePlay;
    startRound();
}

// Three stars without a mistake, two with one or two, one with more.
int starsFor(int mistakes) { return mistakes == 0 ? 3 : mistakes <= 2 ? 2 : 1; }

void finishTask()
{
    recordTaskDone(*state.game, state.slot, state.task);
    state.earned = starsFor(state.mistakes);
    recordStars(*state.game, state.slot, state.task, state.earned);
    state.done[state.task] = true;
    state.stars[state.task] = std::max(state.stars[state.task], state.earned);
    state.screen = EngineDone;
    startRound();
    soundPlayRight();
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
        ++state.mistakes;
        state.hintShown = true;
        state.warning = currentRound().choices[choice].warning;
        soundPlayWrong();
    }
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
        if (state.praiseLeft > 0) { // a click while praising moves on at once
            advance();
            break;
        }
        // The hint stays until the next click, wherever it lands.
        state.hintShown = false;
        state.warning = nullptr;
        int count = choiceCount(currentRound());
        for (int i = 0; i < count; ++i)
            if (inside(answerRect(i), x, y) && !state.wrong[i]) answer(i);
        break;
    }
    case EngineDone:
        if (inside(nextButtonRect(), x, y)) openNextTask();
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

const Round &currentRound()
{
    const Task &t = currentTask();
    if (state.screen == EngineQuiz) return t.quiz;
    if (t.maker) return state.made[state.task][std::max(0, state.visits[state.task] - 1) % MadeSets][state.round];
    return t.rounds[state.round];
}

RuleFn currentRule()
{
    const Task &t = currentTask();
    return state.screen == EngineQuiz ? t.quizRule : t.rule;
}

const char *currentHint()
{
    const Round &r = currentRound();
    return r.hint ? r.hint : currentTask().hint;
}

// After the praise: the next round, the quiz question, or the end of the task.
void advance()
{
    if (state.screen == EnginePlay && state.round + 1 < RoundsPerTask) {
        ++state.round;
        startRound();
    } else if (state.screen == EnginePlay && state.quizOn && choiceCount(currentTask().quiz) > 0) {
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
    // Every start is played with new rounds and a new order of answers, unless a test asked for a seed.
    state.random = randomSeeded(nextSeed ? nextSeed : SDL_GetTicks() * 2654435761u + static_cast<uint32_t>(slot));
    nextSeed = 0;
    state.quizOn = readSetting("quiz", 1) != 0;
    readProgress(game, slot, state.done);
    readStars(game, slot, state.stars);
    orderMap();
    textOpen();
    makeRounds();
    makeSprites();
    soundsOpen(readSetting("fxvolume", 128));
    state.screen = EngineMap;
    return 0;
}

int engineMouse(SDL_Event *event)
{
    if (state.screen == EngineEnded || !state.game) return 1;
    if (!event) return 0;
    if (event->type == SDL_MOUSEMOTION) {
        state.mouseX = event->motion.x;
        state.mouseY = event->motion.y;
    } else if (event->type == SDL_MOUSEBUTTONDOWN) {
        // Left, middle or right button; the wheel (buttons 4 and 5) is no click.
        if (event->button.button < SDL_BUTTON_LEFT || event->button.button > SDL_BUTTON_RIGHT) return 0;
        state.mouseX = event->button.x;
        state.mouseY = event->button.y;
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
    soundsClose();
    picturesForget();
    textClose();
    atlasFree();
    state.screen = EngineEnded;
}

void engineSeed(uint32_t seed) { nextSeed = seed; }
const Round &engineShownRound() { return currentRound(); }
const Round &engineMadeRound(int task, int set, int round)
{
    const auto &sets = state.made[static_cast<size_t>(std::clamp(task, 0, MaxTasks - 1))];
    return sets[static_cast<size_t>(std::clamp(set, 0, MadeSets - 1))][static_cast<size_t>(std::clamp(round, 0, RoundsPerTask - 1))];
}
EngineScreen engineScreen() { return state.screen; }
int engineTask() { return state.task; }
int engineRound() { return state.round; }
bool engineQuizOn() { return state.quizOn; }
bool engineTaskDone(int task) { return task >= 0 && task < MaxTasks && state.done[task]; }
int engineStars(int task) { return task >= 0 && task < MaxTasks ? state.stars[task] : 0; }
int engineEarnedStars() { return state.screen == EngineDone ? state.earned : 0; }
bool engineShowingPraise() { return state.praiseLeft > 0; }
bool engineShowingHint() { return state.hintShown; }
const char *engineWarning() { return state.hintShown ? state.warning : nullptr; }

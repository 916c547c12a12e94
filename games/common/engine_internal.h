// engine_internal.h -- what the engine's flow, layout and drawing share: the state of the game being played
#pragma once

#include <array>

#include "engine.h"

namespace engine {

//----------------------------------------------------------------------------------------------------------
// Defines
//----------------------------------------------------------------------------------------------------------

constexpr int ScreenW = 800;
constexpr int PraiseFrames = 70;   // about 1.4 s at 50 frames per second
constexpr int MadeSets = 2;        // sets of fresh rounds made at start for a task with a maker

struct Layout {
    SDL_Rect prompt{10, 8, 780, 88};
    SDL_Rect scene{10, 100, 780, 240};
    SDL_Rect label{192, 540, 416, 58}; // the name of the task under the pointer, on the map
    SDL_Rect hint{192, 508, 416, 90};  // "try again" or a warning, and the hint in two lines
    SDL_Rect donePanel{170, 96, 460, 370};
};
constexpr Layout layout;

constexpr int CardW = 172, CardH = 158, CardGap = 16, CardTop = 346;

//----------------------------------------------------------------------------------------------------------
// State
//----------------------------------------------------------------------------------------------------------

struct EngineState {
    const GameDef *game = nullptr;
    int slot = -1;
    bool quizOn = true;
    std::array<bool, MaxTasks> done{};
    std::array<int, MaxTasks> stars{};  // the best stars each task has earned, 0 when never finished
    int mistakes = 0;                   // wrong answers in the task being played
    int earned = 0;                     // the stars of the task just finished
    EngineScreen screen = EngineEnded;
    int task = 0;
    int round = 0;
    std::array<bool, MaxChoices> wrong{};
    int rightChoice = -1;
    std::array<int, MaxTasks> visits{}; // times each task was opened since the start
    // The map's order, fixed at start: the task standing at each place, and each task's place.
    std::array<int, MaxTasks> taskAt{}, slotOf{};
    Random random;
    std::array<int, MaxChoices> place{}; // where each answer of the round shown stands: shuffled every round
    // Rounds made afresh for the tasks that have a maker: a few sets, so that a replay asks new questions.
    std::array<std::array<std::array<Round, RoundsPerTask>, MadeSets>, MaxTasks> made{};
    int praiseLeft = 0;
    bool hintShown = false;             // from a wrong answer to the next click
    const char *warning = nullptr;      // the warning of the wrong answer chosen, if it carries one
    int praiseCount = 0;
    int mouseX = -1, mouseY = -1;
    int frame = 0;
};

extern EngineState state;

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

inline bool inside(const SDL_Rect &r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// flow.cpp: the task, round and rule being played, and moving on after the praise.
const Task &currentTask();
const Round &currentRound();
RuleFn currentRule();
const char *currentHint();
void advance();

// layout.cpp: where the pictures of a scene and of a tile stand, and how big they are.
struct Point {
    int x, y;
};
int scenePictureSize(int count);
Point scenePosition(int index, int count);
int tileIconSize(int count);

// draw.cpp: every picture and text a frame can show, made once at start before the pages are packed.
void makeSprites();

} // namespace engine

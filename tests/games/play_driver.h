// play_driver.h -- a game driven by the tests and the benchmarks: a clock that moves with the frames and the
// child's pauses, presses, and a child who clicks the answers at random
#pragma once

#include <SDL/SDL.h>

#include <vector>

#include "tasks.h"
#include "tavrin/module.h"

// The engine's clock from now on: it stands still but for the frames drawn and the pauses below.
void driverClockStart();
void passTime(Uint32 milliseconds);
Uint32 driverNow();

// Draws frames through the services given (no-ops when null), 20 milliseconds of the clock each; the
// first nonzero result, or 0.
int drawFrames(int frames, HostBlitFn blit = nullptr, HostSetClipFn clip = nullptr, HostFillRectFn fill = nullptr);

// The pointer moved to the middle of the rectangle and pressed there, after the pause a child takes before
// a click (longer than a double-click); the engine's result.
int pressAt(const SDL_Rect &r, Uint32 pause = 400);

// A play of a task by a child who clicks any answer without looking, again and again, each after a pause,
// and lets the praise run out: the stars it earned and the questions it was asked, the quiz aside.
struct RandomPlay {
    int stars = 0;
    std::vector<Round> asked;
};
// Plays the task from the map of the game started last, and goes back to the map.
RandomPlay playAtRandom(int task, Random &random);

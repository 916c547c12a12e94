// game_window.h -- a game in a real program's window: its picture read back, and a question answered as a child does
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop.h"

// The picture of the window the pointer drives, on the display its environment names (window_capture.h).
std::vector<uint32_t> captureWindow(const Pointer &pointer);

// Answers the question shown with `count` answers: the answers stand in a new order every time, so their
// places are clicked in turn until one turns green (its plate, beside the picture). Whether one did.
bool answerShownQuestion(Pointer &pointer, int count);

// Opens the game's first task and answers every question of it, with the quiz, waiting out each praise
// (70 frames; longer on a slow machine). Whether every question was answered.
bool finishFirstTask(Pointer &pointer, int taskCount, std::chrono::milliseconds praise);

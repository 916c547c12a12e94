// progress.h -- a player's finished tasks and the settings the games read, kept in the shared store
#pragma once

#include <array>

#include "tasks.h"

// Reads a 4-byte setting under "Software\Vorniquel\Tavrin\"; fallback when it is missing, unreadable or -1.
int readSetting(const char *name, int fallback);

// The store key of player slot (0 = A, 1 = B, 2 = C): "Software\Vorniquel\Tavrin\slot<slot + 1>\".
// Returns 0 for a slot outside 0 to 2.
int slotKeyPath(int slot, char *path, int size);

// Fills done[i] for the game's tasks: true where the value named by valueFormat is 2.
void readProgress(const GameDef &game, int slot, std::array<bool, MaxTasks> &done);

// Writes 2 under the task's value name in the player's key and commits it at once. Every earlier task
// of the game that has no readable value gets 0, so that the menu, which counts each game's values up
// to the first missing one, sees this one too. Returns 1 when the value was written and committed.
int recordTaskDone(const GameDef &game, int slot, int task);

// Fills stars[i] with the best stars (1 to 3) the player has earned in each task, 0 where none are kept.
void readStars(const GameDef &game, int slot, std::array<int, MaxTasks> &stars);

// Keeps the task's stars under the game's own star value when they are more than the kept ones, and commits
// them. The done value above is what the shell counts; the stars never change it. Returns 1 when written.
int recordStars(const GameDef &game, int slot, int task, int stars);

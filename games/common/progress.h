// progress.h -- a player's finished tasks and records of every play, and the settings the games read, in the store
#pragma once

#include <array>
#include <cstdint>

#include "tasks.h"
#include "tavrin/progress.h"

// Every value the games keep is a 4-byte REG_DWORD read with the store's own rule (storeQueryDword), the
// menu's too: anything else counts as missing.

// Reads a setting under "Software\Vorniquel\Tavrin\"; fallback when it is missing, of another type or -1.
int readSetting(const char *name, int fallback);

// The store key of player slot (0 = A, 1 = B, 2 = C): "Software\Vorniquel\Tavrin\slot<slot + 1>\".
// Returns 0 for a slot outside 0 to 2.
int slotKeyPath(int slot, char *path, int size);

// Fills done[i] for the game's tasks: true where the task's done value is ProgressDone.
void readProgress(const GameDef &game, int slot, std::array<bool, MaxTasks> &done);
// Fills stars[i] with the best stars (1 to 3) the player has earned in each task, 0 where none are kept.
void readStars(const GameDef &game, int slot, std::array<int, MaxTasks> &stars);

// What a task keeps of a player's plays from one play to the next, and between starts: the level it is
// played at, the stars of its last finished play, and which questions of the level's pool its last plays
// asked, a bit each.
struct TaskMemory {
    int level = ProgressLevelSmall;
    int lastStars = 0;   // 0 before the first finished play
    uint32_t recent = 0;
};
// The games' own value of a task's asked questions, a 4-byte REG_DWORD beside its records: "g1q3" is
// task 3 of the first game.
constexpr const char *AskedQuestionsFormat = "g%dq%d";
// Reads what each of the game's tasks keeps; the defaults where nothing is kept or a value is out of range.
void readTaskMemory(const GameDef &game, int slot, std::array<TaskMemory, MaxTasks> &memory);

// ---------------------------------------------------------------------------------------------------------
// Recording the plays. A play runs from opening a task to finishing it or leaving it (the map, the end of
// the game, the program closed). When it ends, what it adds to the task's records (tavrin/progress.h) is
// written in one transaction, with the done value and the stars of a finished task and the seconds of the
// day. The store is never waited for while the game runs: what another program's lock keeps out waits in
// the game, is tried again every half second, and gets one last try when the game ends, after which a
// loss is one line in the shell's log.
// ---------------------------------------------------------------------------------------------------------

// At the game's start, for the player (nothing is recorded for a slot outside 0 to 2), with the clock the
// game runs by: a running count of milliseconds (null: SDL's).
using ProgressClock = uint32_t (*)();
void progressOpen(const GameDef &game, int slot, ProgressClock milliseconds = nullptr);
void progressPlayStarted(int task);
// A wrong answer in the play running.
void progressMistake();
// The task's level and asked questions as they stand now: written with the values of its play, so given
// before that play ends.
void progressKeep(int task, const TaskMemory &memory);
// The play ends with its task done, earning `stars` (1 to 3).
void progressPlayFinished(int stars);
// The play ends unfinished; nothing happens when no play is running.
void progressPlayLeft();
// Once a frame: what waits for the store is tried again now and then.
void progressFrame();
// The game ends: a running play is left, and what still waits gets its last try.
void progressClose();
// Whether results wait for the store.
bool progressWaiting();

// The day the records are kept by, as the number YYYYMMDD; tests set one of their own (null: the local date).
using ProgressToday = int (*)();
void progressUseToday(ProgressToday today);

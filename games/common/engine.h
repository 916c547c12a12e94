// engine.h -- the task engine both games run on: the task map, playing a task, praise, hints and the quiz
#pragma once

#include <SDL/SDL.h>

#include "gametext.h"
#include "tavrin/module.h"
#include "tasks.h"

enum EngineScreen { EngineMap, EnginePlay, EngineQuiz, EngineDone, EngineEnded };

// The four module entries, for the game given. Each returns nonzero when the game has ended; everything the
// game made is freed by then.
int engineSetSlot(const GameDef &game, int slot);
int engineDraw(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill);
int engineMouse(SDL_Event *event);
int engineKey(SDL_Event *event);

// Frees everything the game made; safe to call at any time, also when the library goes away unfinished.
void engineRelease();

// Where things are on the screen, for the drawing and for the hit tests.
SDL_Rect backButtonRect();   // "vissza": ends the game
SDL_Rect mapButtonRect();    // "feladatok": back to the task map
SDL_Rect nextButtonRect();   // "tovább" on the finished-task screen
SDL_Rect againButtonRect();  // "még egyszer" beside it, when the play earned fewer than three stars
SDL_Rect tileRect(int index, int count); // the index-th place on a map of count tiles
SDL_Rect taskTileRect(int task);          // where the game shown puts a task's tile: grouped by theme
SDL_Rect choiceRect(int index, int count);
SDL_Rect answerRect(int choice); // where an answer of the question shown stands; empty when none is shown
SDL_Rect promptRect();      // the question
SDL_Rect sceneRect();       // the pictures of the question, or the question itself when it has none
SDL_Rect hintRect();        // the hint after a wrong answer: "try again" or a warning, and two lines
SDL_Rect doneTextRect();    // "Kész a feladat!" and the praise above it
SDL_Rect speakerRect();     // the speaker that says the question again; empty when no question is shown
SDL_Rect listenRect(int choice); // an answer's listen control; empty for an answer without words

// The text style an answer's label is written in.
TextStyle answerStyle(const Choice &choice);

// The state, for tests.
void engineSeed(uint32_t seed);   // the next start's questions and answer order follow this seed
// The clock a press is timed by (the milliseconds of SDL_GetTicks unless a test gives its own; null for that).
using EngineClock = Uint32 (*)();
void engineUseClock(EngineClock now);
const Round &engineShownRound();  // the round being asked (valid while playing or in the quiz)
// The questions made at start for a task with a maker, at a level (0 for any other task), and one of them.
int engineMadeCount(int task, int level);
const Round &engineMadeRound(int task, int level, int index);
EngineScreen engineScreen();
int engineTask();
int engineRound();           // the question shown, from 0
int engineRoundCount();      // the questions of the play, the quiz aside
bool engineQuizOn();
bool engineQuizAsked();      // whether the play being played ends with the quiz question
bool engineTaskDone(int task);
int engineStars(int task);   // the best stars the task has earned for this player, 0 to 3
int engineLevel(int task);   // the level the task is played at: ProgressLevelSmall or ProgressLevelBig
int engineEarnedStars();     // the stars shown on the finished-task screen
bool engineShowingPraise();
bool engineShowingHint();
int engineHintStep();        // 0 without a hint, 1 after the first wrong answer to a question, 2 after more
const char *engineHint();    // the hint text shown, or null
const char *engineWarning(); // the warning shown with the hint, or null
bool engineCloseMiss();      // the wrong answer shown with the hint came close: "Majdnem!" rather than "Nem ez."

// engine_internal.h -- what the engine's flow, layout and drawing share: the state of the game being played
#pragma once

#include <array>

#include "engine.h"
#include "progress.h"

namespace engine {

//----------------------------------------------------------------------------------------------------------
// Defines
//----------------------------------------------------------------------------------------------------------

constexpr int ScreenW = TavrinScreenWidth;
constexpr int PraiseFrames = 70;   // about 1.4 s at 50 frames per second
constexpr uint32_t ClickPauseMs = 250; // a press this soon after the screen changed is not taken

struct Layout {
    SDL_Rect prompt{10, 8, 780, 88};
    SDL_Rect scene{10, 100, 780, 240};
    SDL_Rect label{192, 540, 416, 58}; // the name of the task under the pointer, on the map
    SDL_Rect hint{192, 508, 416, 90};  // "try again" or a warning, and the hint in two lines
    SDL_Rect donePanel{170, 96, 460, 370};
};
constexpr Layout layout;

constexpr int CardW = 172, CardH = 158, CardGap = 16, CardTop = 346;
constexpr int SpeakerSize = 68; // the speaker button beside the question
constexpr int ListenSize = 36;  // the listen control in the corner of an answer with words

//----------------------------------------------------------------------------------------------------------
// State
//----------------------------------------------------------------------------------------------------------

// What a task keeps of a player's plays from one play to the next is a TaskMemory (progress.h), kept in the
// store between starts.

struct EngineState {
    const GameDef *game = nullptr;
    int slot = -1;
    bool quizOn = true;
    std::array<bool, MaxTasks> done{};
    std::array<int, MaxTasks> stars{};  // the best stars each task has earned, 0 when never finished
    std::array<TaskMemory, MaxTasks> memory{};
    int earned = 0;                     // the stars of the task just finished
    EngineScreen screen = EngineEnded;
    int task = 0;
    // The play: its level, the pool's questions it asks in their order, the one shown, and which of them
    // (the quiz last) had a wrong first answer.
    int level = ProgressLevelSmall;
    int roundCount = 0;
    std::array<int, RoundsPerTask> asked{};
    int round = 0;
    std::array<bool, RoundsPerTask + 1> missed{};
    std::array<bool, MaxChoices> wrong{};
    int wrongTries = 0;                 // wrong answers to the question shown
    int rightChoice = -1;
    std::array<int, MaxTasks> visits{}; // times each task was opened since the start
    // The map's order, fixed at start: the task standing at each place, and each task's place.
    std::array<int, MaxTasks> taskAt{}, slotOf{};
    Random random;
    std::array<int, MaxChoices> place{}; // where each answer of the round shown stands: shuffled every round
    // The questions of each level of the tasks that make their own, made at start.
    std::array<std::array<std::array<Round, MadePool>, LevelCount>, MaxTasks> made{};
    std::array<std::array<int, LevelCount>, MaxTasks> madeCount{};
    int praiseLeft = 0;
    bool hintShown = false;             // from a wrong answer to the next click
    const char *warning = nullptr;      // the warning of the wrong answer chosen, if it carries one
    bool closeMiss = false;             // the wrong answer chosen came close: "Majdnem!"
    int praiseCount = 0;
    uint32_t changedAt = 0;             // when the screen under the pointer last changed, in milliseconds
    int mouseX = -1, mouseY = -1;
    int frame = 0;
};

extern EngineState state;

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

inline bool inside(const SDL_Rect &r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// flow.cpp: the task, round and rule being played, the hint shown, and moving on after the praise.
const Task &currentTask();
const Round &currentRound();
int poolSize(int task, int level);      // the questions a task asks at a level
const Round &poolRound(int task, int level, int index);
RuleFn currentRule();
int hintStep();                 // 0 without a hint, 1 after the first wrong answer, 2 after more
const char *currentHint();      // the hint text of the step shown
void advance();
// The marks above a play's questions, one per question (the quiz last): answered right at the first try,
// missed, or still open.
enum QuestionMark { MarkOpen, MarkRight, MarkMissed };
int questionMarks();
int questionShown();
QuestionMark questionMark(int index);

// layout.cpp: where the pictures of a scene and of a tile stand, and how big they are.
struct Point {
    int x, y;
};
int scenePictureSize(int count);
Point scenePosition(int index, int count);
int tileIconSize(int count);

// draw.cpp: every picture and text a frame can show, made once at start before the pages are packed.
void makeSprites();

// speaking.cpp: what the voice says when a question, an answer, a finished task or the map is shown, what a
// click on the speaker or on an answer's listen control says (true when the click hit one), and the word
// under the pointer; the praise shown after a right answer and on the finished task.
void sayRound();
void sayAnswer(bool right);
void sayDone();
void sayMap(bool arriving);
bool sayClicked(int x, int y);
const char *pointedText();
const char *currentPraise();
const char *donePraise();
const char *tryAgainText();

} // namespace engine

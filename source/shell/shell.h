// shell.h -- the application shell: state, log, audio, start-up loading, diagnostics and the frame loop
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <array>
#include <string>

struct MenuButton;

// ----------------------------------------------------------------------------------------------------
// Application and menu state (process-wide, main thread only)
// ----------------------------------------------------------------------------------------------------
enum MenuScreen { ScreenMain = 1, ScreenSettings = 2, ScreenCredits = 3, ScreenPlayerChoice = 4 };

extern SDL_Surface *screen;    // what VideoSetMode returned; every drawing service targets it
extern int activeGame;         // -1 the menu runs, 1 or 2 a game module is active
extern Mix_Music *musicTrack;  // "snd/main.ogg"
extern Mix_Chunk *clickSound;  // "snd/button03.wav"

extern int menuScreen;
extern int menuFrame;  // frames drawn by the menu since start or since the last module ended
extern int mouseX, mouseY;
extern int currentSlot;  // chosen player: 0 = A, 1 = B, 2 = C

// ----------------------------------------------------------------------------------------------------
// Log file "sdl.log"
// ----------------------------------------------------------------------------------------------------
#include "shell/log.h"

// ----------------------------------------------------------------------------------------------------
// Where the run-time files are
// ----------------------------------------------------------------------------------------------------
// The installed data folder relative to the installed executable's folder.
extern const char *const installedDataPath;
// True when the folder holds the run-time folders "g/", "g1/" and "snd/".
bool holdsRunTimeFiles(const std::string &folder);
// The folder holding the run-time files of a program that lives in executableFolder: that folder itself,
// or the installed data folder relative to it; empty when neither holds them.
std::string runTimeFilesFor(const std::string &executableFolder);
// Called first of all. When the working directory holds the run-time files nothing changes; otherwise
// (not on Windows) the log moves to the user's state folder and the working directory becomes the folder
// found from the executable. False, with a line for the log in problem, when there is none.
bool placeRunTimeFiles(char *problem, size_t size);

// ----------------------------------------------------------------------------------------------------
// Audio
// ----------------------------------------------------------------------------------------------------
constexpr int audioChunkSize = 2048;
extern int audioOpened;      // 1 once openAudio has made its attempt, until closeAudio
// True only while the mixer's device is open, whoever opened it. A closed mixer keeps its channel count
// but frees its channels, so no channel call may reach it.
bool audioDeviceOpen();
void openAudio(int frequency, int channels);
void closeAudio();
void playClick(Mix_Chunk *chunk);
// The menu music and the click; null, with a line in the log, when the file cannot be read.
Mix_Music *loadMusic(const char *path);
Mix_Chunk *loadSound(const char *path);

// ----------------------------------------------------------------------------------------------------
// Start-up loading
// ----------------------------------------------------------------------------------------------------
struct Cloud {
    int imageIndex;
    double x;
    double y;
    double speed;
};

extern SDL_Surface *windowIcon, *bandImage, *backgroundImage, *topImage, *buttonPlate;
extern std::array<SDL_Surface *, 3> cloudImages;
extern std::array<SDL_Surface *, 4> mascotFrames;
extern SDL_Surface *sliderBar, *sliderKnob;
extern std::array<SDL_Surface *, 2> checkImages;
extern std::array<Cloud, 10> clouds;

int init();  // 1 when loading finished, 0 when TrueType could not start
void releaseResources();
SDL_Surface *loadImage(const char *path);
// The log line for a run-time file that could not be read: " · Couldn't load <path>: <reason>".
void logLoadFailure(const char *path, const char *reason);
void loadButtonImages(MenuButton *button);
int randomRange(int lo, int hi);

// The program's random generator: 0 to 32767 like the C library's rand(), from a fixed state so that
// every run starts the same way.
int randomNext();
void randomSeed(unsigned seed);

// ----------------------------------------------------------------------------------------------------
// Start-up diagnostics
// ----------------------------------------------------------------------------------------------------
void logCpuInfo();
void logMemoryInfo();
void probeVideoCard();
// The memory line for the given byte counts, in whole mebibytes.
void formatMemoryLine(char *buffer, size_t size, Uint64 totalBytes, Uint64 availableBytes);

// ----------------------------------------------------------------------------------------------------
// Main routine and frame loop
// ----------------------------------------------------------------------------------------------------
enum EventAction { ActionKeyboard, ActionMouse, ActionQuit, ActionIgnore };

// What one frame calls around the dispatch; tests put recorders in place of the real ones.
struct FrameHooks {
    int (*menuKey)(SDL_Event *event);
    int (*menuMouse)(SDL_Event *event);
    void (*drawMenu)();
    int (*present)(SDL_Surface *surface);
    void (*pace)();
    int (*poll)(SDL_Event *event) = nullptr;  // SDL_PollEvent; null takes nothing but the events handed in
};
extern FrameHooks frameHooks;
void resetFrameHooks();

extern int frameTotal;

int menuKeyEvent(SDL_Event *event);
EventAction eventAction(int type);
// Hands one event to the menu or the active module; returns true when it asks the program to quit.
bool dispatchEvent(SDL_Event *event);
// One pass of the loop: dispatch the events handed in (none in the program), then each event the poll
// hook yields as it is taken, until the queue is empty; draw, present, count, pace. Returns true when a
// quit was requested in the frame.
bool runFrame(SDL_Event *events, int count);
// Formats the frames-per-second line; false when no line is due (end tick not past start).
bool formatFrameRate(char *buffer, size_t size, int frames, Uint32 startTicks, Uint32 endTicks);
int shellMain(int argc, char **argv);

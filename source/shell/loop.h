// loop.h -- the main routine and the frame loop: event dispatch, drawing, pacing
#pragma once

#include <SDL/SDL.h>
#include <cstddef>

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

EventAction eventAction(int type);
// Hands one event to the menu or the active module; returns true when it asks the program to quit.
bool dispatchEvent(SDL_Event *event);
// One pass of the loop: dispatch the events handed in (none in the program), then each event the poll
// hook yields as it is taken, until the queue is empty; draw, present, count, pace. Returns true when a
// quit was requested in the frame.
bool runFrame(SDL_Event *events, int count);
// Formats the frames-per-second line; false when no line is due (end tick not past start).
bool formatFrameRate(char *buffer, size_t size, int frames, Uint32 startTicks, Uint32 endTicks);
// Opens the program's screen from the settings and the machine: full screen at the desktop's own size, or
// a window sized for the desktop, the 800 x 600 screen shown in it as large as fits; drawn through OpenGL
// unless the renderer draws with the processor or TAVRIN_VIDEO says otherwise. The log says how. Callable
// again to open the screen afresh (the previous screen then goes); null when no mode can be set.
SDL_Surface *openScreen();
int shellMain(int argc, char **argv);

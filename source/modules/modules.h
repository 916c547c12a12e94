// modules.h -- the game module host and the three drawing services the shell lends to modules and itself
#pragma once

#include <SDL/SDL.h>

#include "tavrin/module.h"

// The loaded module; the entries are meaningful only while activeGame is 1 or 2.
struct GameModule {
    void *moduleLibrary;
    ModuleDrawScreenFn drawscreen;
    ModuleEventFn mouseevent;
    ModuleEventFn keyevent;
};

extern GameModule gameModule;

// Loads game n (1 or 2), tells it the chosen player and makes it active; stays on the menu when the
// library does not load or lacks an export.
void startGameModule(int n);
// Called with every value a module entry returns: nonzero unloads the module and brings the menu back.
void endModuleIfFinished(int result);

extern "C" {
void hostBlit(SDL_Surface *image, int x, int y);
void hostSetClip(SDL_Rect *rect);
void hostFillRect(SDL_Rect *rect, int r, int g, int b);
}

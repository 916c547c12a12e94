// screen.h -- the screen everything draws onto: its fixed size and the surface the video mode gave
#pragma once

#include <SDL/SDL.h>

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

// What VideoSetMode returned; every drawing service targets it. Null until the mode is set.
inline SDL_Surface *screen = nullptr;

// screen.h -- the screen everything draws onto: its fixed size and the surface the video mode gave
#pragma once

#include <SDL/SDL.h>

#include "tavrin/host.h"

constexpr int screenWidth = TavrinScreenWidth;
constexpr int screenHeight = TavrinScreenHeight;

// What VideoSetMode returned; every drawing service targets it. Null until the mode is set.
inline SDL_Surface *screen = nullptr;

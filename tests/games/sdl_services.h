// sdl_services.h -- the drawing services handed to a game library, done with plain SDL on one surface, the
// way the shell draws without OpenGL; for the single-file programs that run a game themselves
#pragma once

#include <SDL/SDL.h>

namespace {

SDL_Surface *screen = nullptr;

inline void blit(SDL_Surface *image, int x, int y)
{
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(image, nullptr, screen, &where);
}

inline void setClip(SDL_Rect *rect) { SDL_SetClipRect(screen, rect); }

inline void fill(SDL_Rect *rect, int r, int g, int b)
{
    SDL_Rect area = rect ? *rect : screen->clip_rect;
    SDL_FillRect(screen, &area, SDL_MapRGB(screen->format, r & 0xFF, g & 0xFF, b & 0xFF));
}

}  // namespace

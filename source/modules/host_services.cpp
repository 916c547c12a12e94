// host_services.cpp -- the three drawing services the shell lends to game modules and uses itself
#include "modules/modules.h"

#include <cstdint>

#include "base/screen.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
extern "C" void hostBlit(SDL_Surface *image, int x, int y)
{
    // SDL keeps positions in 16 bits; a position outside that range would wrap round to a wrong place
    // on screen, so such a blit draws nothing.
    if (x < INT16_MIN || x > INT16_MAX || y < INT16_MIN || y > INT16_MAX) return;
    if (!screen) return;
    // Only x and y are read; the blit writes the drawn size back into w and h.
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    VideoBlit(image, nullptr, screen, &where);
}

extern "C" void hostSetClip(SDL_Rect *rect)
{
    if (!screen) return;
    VideoSetClipRect(screen, rect);
}

extern "C" void hostFillRect(SDL_Rect *rect, int r, int g, int b)
{
    if (!screen) return;
    // Only the low 8 bits of each component count: 266 is red 10.
    Uint32 colour = SDL_MapRGB(screen->format, static_cast<Uint8>(r & 0xFF), static_cast<Uint8>(g & 0xFF),
                               static_cast<Uint8>(b & 0xFF));
    VideoFillRect(screen, rect, colour);
}

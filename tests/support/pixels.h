// pixels.h -- reading a surface's pixels in tests
#pragma once

#include <SDL/SDL.h>

#include <cstring>
#include <ostream>

// The pixel's value in the surface's own format, whatever its depth.
inline Uint32 pixelAt(SDL_Surface *surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint8 *p = static_cast<const Uint8 *>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
    Uint32 value = 0;
    memcpy(&value, p, surface->format->BytesPerPixel);
    SDL_UnlockSurface(surface);
    return value;
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

inline std::ostream &operator<<(std::ostream &out, const Rgb &c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

inline Rgb rgbAt(SDL_Surface *surface, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(pixelAt(surface, x, y), surface->format, &r, &g, &b);
    return {r, g, b};
}

// framerate_zoom.cpp -- SDL_gfx's frame-rate manager and surface zoom for the Windows build
//
// Both follow SDL_gfx 2.0.25 as Debian ships it for Linux: the manager keeps a base tick and a frame count
// and waits for the next frame's tick (starting over after a late frame); the smooth zoom interpolates
// bilinearly in 16.16 fixed point, so a zoomed picture has the same pixels on both platforms.
#include <SDL/SDL.h>
#include <SDL/SDL_framerate.h>
#include <SDL/SDL_rotozoom.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// SDL_GetTicks, never 0: 0 marks a manager that was never set up.
Uint32 ticks()
{
    Uint32 now = SDL_GetTicks();
    return now ? now : 1;
}

struct Rgba {
    Uint8 c[4];
};

// Fills dst from src, bilinear when smooth, nearest otherwise; both 32-bit with the same channel order.
void zoomRgba(SDL_Surface *src, SDL_Surface *dst, bool flipx, bool flipy, bool smooth)
{
    int spixelw = src->w - 1, spixelh = src->h - 1;
    int sx, sy;
    if (smooth) {
        sx = dst->w > 1 ? static_cast<int>(65536.0 * static_cast<float>(spixelw) / static_cast<float>(dst->w - 1)) : 0;
        sy = dst->h > 1 ? static_cast<int>(65536.0 * static_cast<float>(spixelh) / static_cast<float>(dst->h - 1)) : 0;
    } else {
        sx = static_cast<int>(65536.0 * static_cast<float>(src->w) / static_cast<float>(dst->w));
        sy = static_cast<int>(65536.0 * static_cast<float>(src->h) / static_cast<float>(dst->h));
    }
    // Source positions of every destination column and row, in 16.16, kept inside the source.
    int ssx = (src->w << 16) - 1, ssy = (src->h << 16) - 1;
    std::vector<int> sax(dst->w + 1), say(dst->h + 1);
    for (int x = 0, csx = 0; x <= dst->w; ++x) {
        sax[x] = csx;
        csx = std::min(csx + sx, ssx);
    }
    for (int y = 0, csy = 0; y <= dst->h; ++y) {
        say[y] = csy;
        csy = std::min(csy + sy, ssy);
    }
    int gap = src->pitch / 4;
    Rgba *base = static_cast<Rgba *>(src->pixels);
    if (flipx) base += spixelw;
    if (flipy) base += gap * spixelh;
    Rgba *sp = base;
    for (int y = 0; y < dst->h; ++y) {
        Rgba *rowStart = sp;
        Rgba *dp = reinterpret_cast<Rgba *>(static_cast<Uint8 *>(dst->pixels) + y * dst->pitch);
        for (int x = 0; x < dst->w; ++x) {
            if (smooth) {
                int ex = sax[x] & 0xFFFF, ey = say[y] & 0xFFFF;
                int cx = sax[x] >> 16, cy = say[y] >> 16;
                Rgba *c00 = sp, *c01 = sp, *c10 = sp;
                if (cy < spixelh) c10 += flipy ? -gap : gap;
                Rgba *c11 = c10;
                if (cx < spixelw) {
                    c01 += flipx ? -1 : 1;
                    c11 += flipx ? -1 : 1;
                }
                for (int i = 0; i < 4; ++i) {
                    int t1 = ((((c01->c[i] - c00->c[i]) * ex) >> 16) + c00->c[i]) & 0xFF;
                    int t2 = ((((c11->c[i] - c10->c[i]) * ex) >> 16) + c10->c[i]) & 0xFF;
                    dp->c[i] = static_cast<Uint8>((((t2 - t1) * ey) >> 16) + t1);
                }
            } else {
                *dp = *sp;
            }
            int step = (sax[x + 1] >> 16) - (sax[x] >> 16);
            sp += flipx ? -step : step;
            ++dp;
        }
        int step = ((say[y + 1] >> 16) - (say[y] >> 16)) * gap;
        sp = flipy ? rowStart - step : rowStart + step;
    }
}

}  // namespace

extern "C" {

void SDL_initFramerate(FPSmanager *manager)
{
    manager->framecount = 0;
    manager->rate = FPS_DEFAULT;
    manager->rateticks = 1000.0f / static_cast<float>(FPS_DEFAULT);
    manager->baseticks = ticks();
    manager->lastticks = manager->baseticks;
}

int SDL_setFramerate(FPSmanager *manager, Uint32 rate)
{
    if (rate < FPS_LOWER_LIMIT || rate > FPS_UPPER_LIMIT) return -1;
    manager->framecount = 0;
    manager->rate = rate;
    manager->rateticks = 1000.0f / static_cast<float>(rate);
    return 0;
}

int SDL_getFramerate(FPSmanager *manager) { return manager ? static_cast<int>(manager->rate) : -1; }
int SDL_getFramecount(FPSmanager *manager) { return manager ? static_cast<int>(manager->framecount) : -1; }

// Waits until the next frame is due and returns the milliseconds since the previous call. A frame that
// comes too late does not make the next ones hurry: the count starts over from now.
Uint32 SDL_framerateDelay(FPSmanager *manager)
{
    if (!manager) return 0;
    if (manager->baseticks == 0) SDL_initFramerate(manager);
    manager->framecount++;
    Uint32 now = ticks();
    Uint32 passed = now - manager->lastticks;
    manager->lastticks = now;
    Uint32 target = manager->baseticks + static_cast<Uint32>(static_cast<float>(manager->framecount) * manager->rateticks);
    if (now <= target) {
        SDL_Delay(target - now);
    } else {
        manager->framecount = 0;
        manager->baseticks = ticks();
    }
    return passed;
}

void zoomSurfaceSize(int width, int height, double zoomx, double zoomy, int *dstwidth, int *dstheight)
{
    const double smallest = 0.001;
    zoomx = std::max(std::fabs(zoomx), smallest);
    zoomy = std::max(std::fabs(zoomy), smallest);
    *dstwidth = std::max(1, static_cast<int>(std::floor(width * zoomx + 0.5)));
    *dstheight = std::max(1, static_cast<int>(std::floor(height * zoomy + 0.5)));
}

// A new 32-bit surface with the picture scaled; pictures of other depths are converted to RGBA first.
// Negative factors mirror the picture.
SDL_Surface *zoomSurface(SDL_Surface *src, double zoomx, double zoomy, int smooth)
{
    if (!src) return nullptr;
    SDL_Surface *source = src;
    if (src->format->BitsPerPixel != 32) {
        source = SDL_CreateRGBSurface(SDL_SWSURFACE, src->w, src->h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000,
                                      0xFF000000);
        if (!source) return nullptr;
        SDL_BlitSurface(src, nullptr, source, nullptr);
    }
    bool flipx = zoomx < 0, flipy = zoomy < 0;
    int width = 0, height = 0;
    zoomSurfaceSize(source->w, source->h, zoomx, zoomy, &width, &height);
    SDL_Surface *zoomed = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, source->format->Rmask,
                                               source->format->Gmask, source->format->Bmask, source->format->Amask);
    if (zoomed) {
        SDL_LockSurface(source);
        zoomRgba(source, zoomed, flipx, flipy, smooth != 0);
        SDL_UnlockSurface(source);
        SDL_SetAlpha(zoomed, SDL_SRCALPHA, 255);
    }
    if (source != src) SDL_FreeSurface(source);
    return zoomed;
}

}  // extern "C"

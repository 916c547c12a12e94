// window.cpp -- the window on the desktop: its size, where the program's screen lies in it, the pointer
// mapped back into the screen's units
#include <algorithm>

#include "video/video_internal.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
namespace {
// A window sized for the desktop leaves room for the taskbar, its title bar and a margin: it takes at
// most 17/20 (85 %) of the desktop's width and height, in steps of half the screen's size.
constexpr int shareNumerator = 17, shareDenominator = 20;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// A window coordinate in screen units: the pixel of the screen under it, the nearest one when it lies
// beside the picture.
int toScreen(int windowPixel, int viewStart, int viewExtent, int screenExtent)
{
    const long offset = static_cast<long>(windowPixel - viewStart) * screenExtent;
    const long unit = offset >= 0 ? offset / viewExtent : -((-offset + viewExtent - 1) / viewExtent);
    return static_cast<int>(std::clamp<long>(unit, 0, screenExtent - 1));
}

// A movement in window pixels as a movement in screen units.
Sint16 toScreenDistance(int windowDistance, int viewExtent, int screenExtent)
{
    const long scaled = static_cast<long>(windowDistance) * screenExtent;
    const long half = viewExtent / 2;
    return static_cast<Sint16>(scaled >= 0 ? (scaled + half) / viewExtent : -((-scaled + half) / viewExtent));
}
}  // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void VideoChooseWindow(const VideoWindowChoice &choice) { video.choice = choice; }

void VideoDesktopSize(int *width, int *height)
{
    // SDL tells the desktop's size until the first mode set, and the mode's size after it.
    if (!SDL_GetVideoSurface()) {
        if (const SDL_VideoInfo *info = SDL_GetVideoInfo(); info && info->current_w > 0 && info->current_h > 0) {
            video.desktopWidth = info->current_w;
            video.desktopHeight = info->current_h;
        }
    }
    *width = video.desktopWidth;
    *height = video.desktopHeight;
}

double VideoWindowScale(int width, int height, int desktopWidth, int desktopHeight)
{
    if (width <= 0 || height <= 0 || desktopWidth <= 0 || desktopHeight <= 0) return 1.0;
    // In halves, in whole numbers: width * halves / 2 <= desktopWidth * 17 / 20.
    auto fits = [&](long halves) {
        return 10L * width * halves <= static_cast<long>(shareNumerator) * desktopWidth &&
               10L * height * halves <= static_cast<long>(shareNumerator) * desktopHeight;
    };
    long halves = 2;
    while (fits(halves + 1)) halves++;
    return static_cast<double>(halves) / 2.0;
}

SDL_Rect VideoFitView(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    if (screenWidth <= 0 || screenHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) return SDL_Rect{};
    int width = windowWidth, height = windowHeight;
    // The side that runs out first sets the scale; the other is rounded to the nearest pixel.
    const long across = static_cast<long>(windowWidth) * screenHeight, down = static_cast<long>(windowHeight) * screenWidth;
    if (across <= down) height = static_cast<int>((2L * windowWidth * screenHeight + screenWidth) / (2L * screenWidth));
    else width = static_cast<int>((2L * windowHeight * screenWidth + screenHeight) / (2L * screenHeight));
    return SDL_Rect{static_cast<Sint16>((windowWidth - width) / 2), static_cast<Sint16>((windowHeight - height) / 2),
                    static_cast<Uint16>(width), static_cast<Uint16>(height)};
}

SDL_Rect VideoScreenView() { return video.view; }

bool VideoDrawsWithOpenGL() { return VideoInOpenGLMode(); }

bool VideoMapMouseEvent(SDL_Event *event)
{
    const SDL_Rect view = video.view;
    const int width = video.screenWidth, height = video.screenHeight;
    if (!event || width <= 0 || height <= 0 || view.w == 0 || view.h == 0) return true;
    if (view.x == 0 && view.y == 0 && view.w == width && view.h == height) return true;

    if (event->type == SDL_MOUSEMOTION) {
        SDL_MouseMotionEvent &motion = event->motion;
        motion.xrel = toScreenDistance(motion.xrel, view.w, width);
        motion.yrel = toScreenDistance(motion.yrel, view.h, height);
        motion.x = static_cast<Uint16>(toScreen(motion.x, view.x, view.w, width));
        motion.y = static_cast<Uint16>(toScreen(motion.y, view.y, view.h, height));
        return true;
    }
    if (event->type == SDL_MOUSEBUTTONDOWN || event->type == SDL_MOUSEBUTTONUP) {
        SDL_MouseButtonEvent &button = event->button;
        if (button.x < view.x || button.x >= view.x + view.w || button.y < view.y || button.y >= view.y + view.h)
            return false;
        button.x = static_cast<Uint16>(toScreen(button.x, view.x, view.w, width));
        button.y = static_cast<Uint16>(toScreen(button.y, view.y, view.h, height));
    }
    return true;
}

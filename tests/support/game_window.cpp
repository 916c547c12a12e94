// game_window.cpp -- reading a window's picture back with Xlib, and answering a game's questions by looking
#include "game_window.h"

#include <thread>

#include "engine.h"

// Last, and their macros that clash with other names dropped.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef None
#undef Bool
#undef Status

// A window that went away (the program ended) is no reason to end the test as well, as Xlib's own handler
// would: the picture is simply empty.
static int ignoreError(Display *, XErrorEvent *) { return 0; }

std::vector<uint32_t> captureWindow(const std::string &window, const std::string &displayName)
{
    std::vector<uint32_t> pixels;
    Display *display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!display) return pixels;
    XSetErrorHandler(ignoreError);
    XImage *image = XGetImage(display, std::stoul(window), 0, 0, 800, 600, AllPlanes, ZPixmap);
    if (image) {
        pixels.resize(800 * 600);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) pixels[y * 800 + x] = XGetPixel(image, x, y) & 0xFFFFFF;
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return pixels;
}

std::vector<uint32_t> captureWindow(const Pointer &pointer)
{
    std::string display;
    for (const std::string &setting : pointer.environment)
        if (setting.rfind("DISPLAY=", 0) == 0) display = setting.substr(8);
    return captureWindow(pointer.window, display);
}

bool answerShownQuestion(Pointer &pointer, int count)
{
    for (int place = 0; place < count; ++place) {
        SDL_Rect card = choiceRect(place, count);
        pointer.clickAt(card.x + card.w / 2, card.y + card.h / 2);
        std::vector<uint32_t> now = captureWindow(pointer);
        if (now.size() != 800u * 600u) return false;
        uint32_t p = now[(card.y + 24) * 800 + card.x + 14];
        int red = p >> 16 & 0xFF, green = p >> 8 & 0xFF, blue = p & 0xFF;
        if (green > 230 && red < 215 && blue < 205) return true;
    }
    return false;
}

bool finishFirstTask(Pointer &pointer, int taskCount, std::chrono::milliseconds praise)
{
    SDL_Rect tile = tileRect(0, taskCount);
    pointer.clickAt(tile.x + tile.w / 2, tile.y + tile.h / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    // Every question of the first task in both games has three answers.
    for (int r = 0; r <= RoundsPerTask; ++r) {
        if (!answerShownQuestion(pointer, 3)) return false;
        // A click during the praise only cuts it short: the next answer waits well past it.
        std::this_thread::sleep_for(praise);
    }
    return true;
}

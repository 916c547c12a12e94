// window_capture.h -- the picture of a program's window on the X display, for tests that look at it
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// Their macros clash with other names, and only the capture below uses them.
#undef None
#undef Bool
#undef Status

// A window that went away (the program ended) is no reason to end the test as well, as Xlib's own handler
// would: the picture is simply empty.
inline int ignoreCaptureError(Display *, XErrorEvent *) { return 0; }

// The window's 800 x 600 picture, one 0xRRGGBB value per pixel; empty when it cannot be read. The window is
// on the display named (empty: the test's own, DISPLAY).
inline std::vector<uint32_t> captureWindow(const std::string &window, const std::string &displayName = "")
{
    std::vector<uint32_t> pixels;
    Display *display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!display) return pixels;
    XSetErrorHandler(ignoreCaptureError);
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

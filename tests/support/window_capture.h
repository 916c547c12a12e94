// window_capture.h -- what the X display shows, for tests that look at it: a program's window or any part
// of the root window, and the root window's size
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// Their macros clash with other names, and only the captures below use them.
#undef None
#undef Bool
#undef Status

// A window that went away (the program ended) is no reason to end the test as well, as Xlib's own handler
// would: the picture is simply empty.
inline int ignoreCaptureError(Display *, XErrorEvent *) { return 0; }

// The area (x, y, width, height) of a window (0: the root window) on the display (empty: $DISPLAY), one
// 0xRRGGBB value per pixel row by row; empty when it cannot be read.
inline std::vector<uint32_t> capturePixels(const std::string &display, unsigned long window, int x, int y, int width,
                                           int height)
{
    std::vector<uint32_t> pixels;
    Display *connection = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (!connection) return pixels;
    XSetErrorHandler(ignoreCaptureError);
    const Window target = window ? window : DefaultRootWindow(connection);
    XImage *image = XGetImage(connection, target, x, y, width, height, AllPlanes, ZPixmap);
    if (image) {
        pixels.resize(static_cast<size_t>(width) * height);
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                pixels[static_cast<size_t>(row) * width + column] = XGetPixel(image, column, row) & 0xFFFFFF;
        XDestroyImage(image);
    }
    XCloseDisplay(connection);
    return pixels;
}

// The root window's size as the display has it now (a change of mode changes it); false without a display.
inline bool rootSize(const std::string &display, int *width, int *height)
{
    Display *connection = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (!connection) return false;
    Window root;
    int x, y;
    unsigned w = 0, h = 0, border, depth;
    XGetGeometry(connection, DefaultRootWindow(connection), &root, &x, &y, &w, &h, &border, &depth);
    XCloseDisplay(connection);
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

// The largest difference of a colour channel between two 0xRRGGBB pixels.
inline int channelDifference(uint32_t a, uint32_t b)
{
    int largest = 0;
    for (int shift : {0, 8, 16}) {
        const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
        largest = d > largest ? d : -d > largest ? -d : largest;
    }
    return largest;
}

// The window's 800 x 600 picture, one 0xRRGGBB value per pixel, on the display named (empty: $DISPLAY);
// empty when it cannot be read.
inline std::vector<uint32_t> captureWindow(const std::string &window, const std::string &display = "")
{
    return capturePixels(display, std::stoul(window), 0, 0, 800, 600);
}

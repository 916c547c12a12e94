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

// The window's 800 x 600 picture, one 0xRRGGBB value per pixel; empty when it cannot be read.
inline std::vector<uint32_t> captureWindow(const std::string &window)
{
    std::vector<uint32_t> pixels;
    Display *display = XOpenDisplay(nullptr);
    if (!display) return pixels;
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

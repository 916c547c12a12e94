// diagnostics.h -- the start-up lines that describe the machine (processor, memory, video card) and the
// choice of drawing path that follows from them
#pragma once

#include <SDL/SDL.h>
#include <cstddef>

void logCpuInfo();
void logMemoryInfo();
void probeVideoCard();
// The memory line for the given byte counts, in whole mebibytes.
void formatMemoryLine(char *buffer, size_t size, Uint64 totalBytes, Uint64 availableBytes);

// How the screen is to be drawn: TAVRIN_VIDEO ("opengl" or "sdl") when it names a path, else plain SDL
// where the probe found a renderer that draws with the processor; and the window's scale
// TAVRIN_WINDOW_SCALE asks for (from 1 to 8; 0 when unset: sized for the desktop). Each choice that is
// not the usual one, and each value not understood, gets a line in the log.
struct VideoPreference {
    bool plainSDL;
    double windowScale;
};
VideoPreference chooseVideo();

// diagnostics.cpp -- the start-up probes that describe the machine in the log: processor, memory, videocard
#include "shell/diagnostics.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "base/log.h"
#include "platform/machine.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr int probeWidth = 640;
constexpr int probeHeight = 480;
constexpr int probeDepth = 32;
// Without the video layer's own flag, so the layer hands the request to SDL as it is.
constexpr Uint32 probeFlags = SDL_OPENGL | SDL_NOFRAME;
constexpr double largestWindowScale = 8;

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
static std::array<char, 256> rendererName{};

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void logCpuInfo()
{
    ProcessorInfo info;
    if (!readProcessorInfo(&info)) return;

    // Some processors store their name right-aligned; only the leading spaces go.
    const char *name = info.name.data();
    while (*name == ' ') ++name;

    char line[512];
    snprintf(line, sizeof line, " \xB7 %s (%s)", name, info.identifier.data());
    logLine(line);
    snprintf(line, sizeof line, " \xB7 CPU Speed: %d Mhz", info.mhz);
    logLine(line);
}

void formatMemoryLine(char *buffer, size_t size, Uint64 totalBytes, Uint64 availableBytes)
{
    snprintf(buffer, size, " \xB7 System memory total/available: %lluMb / %lluMb",
             static_cast<unsigned long long>(totalBytes >> 20), static_cast<unsigned long long>(availableBytes >> 20));
}

void logMemoryInfo()
{
    MemoryInfo info;
    if (!readMemoryInfo(&info)) return;
    char line[128];
    formatMemoryLine(line, sizeof line, info.totalBytes, info.availableBytes);
    logLine(line);
}

void probeVideoCard()
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) return;
    char line[512];
    SDL_Surface *window = VideoSetMode(probeWidth, probeHeight, probeDepth, probeFlags);
    // The reason is taken before shutting down, which may overwrite SDL's error text.
    if (!window) snprintf(line, sizeof line, " \xB7 Couldn't detect videocard (%s)", SDL_GetError());
    rendererName[0] = '\0';
    if (window) VideoRendererName(rendererName.data(), rendererName.size());
    VideoQuit();
    if (!window) logLine(line);
}

VideoPreference chooseVideo()
{
    char line[512];
    VideoPreference preference{false, 0};
    const char *path = getenv("TAVRIN_VIDEO");
    const bool named = path && *path;
    const bool openGL = named && SDL_strcasecmp(path, "opengl") == 0, plain = named && SDL_strcasecmp(path, "sdl") == 0;
    if (openGL || plain) {
        preference.plainSDL = plain;
        snprintf(line, sizeof line, " \xB7 TAVRIN_VIDEO=%.20s: drawing with %s", path, plain ? "plain SDL" : "OpenGL");
        logLine(line);
    } else {
        if (named) {
            snprintf(line, sizeof line, " \xB7 TAVRIN_VIDEO=%.200s is not known (opengl or sdl): ignored", path);
            logLine(line);
        }
        // A renderer that draws with the processor spends several times the plain path's time on a frame.
        if (VideoSoftwareRenderer(rendererName.data())) {
            preference.plainSDL = true;
            snprintf(line, sizeof line, " \xB7 OpenGL draws with the processor here (%s): drawing with plain SDL",
                     rendererName.data());
            logLine(line);
        }
    }

    const char *scale = getenv("TAVRIN_WINDOW_SCALE");
    if (scale && *scale) {
        char *end = nullptr;
        const double value = strtod(scale, &end);
        if (end && *end == '\0' && value >= 1 && value <= largestWindowScale) {
            preference.windowScale = value;
        } else {
            snprintf(line, sizeof line, " \xB7 TAVRIN_WINDOW_SCALE=%.200s is not a scale from 1 to 8: ignored", scale);
            logLine(line);
        }
    }
    return preference;
}

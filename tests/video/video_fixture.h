// video_fixture.h -- what the video tests share: surfaces to draw, and screens with a recorder or real OpenGL
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gl_recorder.h"

inline SDL_Surface *makeRGB(int width, int height)
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    surface->unused1 = 0;
    return surface;
}

inline SDL_Surface *makeRGBA(int width, int height)
{
    SDL_Surface *surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    surface->unused1 = 0;
    return surface;
}

// What the call writes to standard error, where the layer reports leaks, conversions and refusals.
template <typename Call> std::string stderrOf(Call call)
{
    testing::internal::CaptureStderr();
    call();
    return testing::internal::GetCapturedStderr();
}

// Sets a mode on the display with what it prints kept apart: the sizes on standard output, the texture
// limit on standard error.
inline SDL_Surface *setModeQuietly(int width, int height, Uint32 flags, std::string *output = nullptr,
                                   std::string *errors = nullptr)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    SDL_Surface *screen = VideoSetMode(width, height, 32, flags);
    std::string said = testing::internal::GetCapturedStdout(), warned = testing::internal::GetCapturedStderr();
    if (output) *output = said;
    if (errors) *errors = warned;
    return screen;
}

// Frees the screen and shuts the layer down, its leak report unheard.
inline void closeQuietly(SDL_Surface *screen)
{
    stderrOf([&] {
        VideoFreeSurface(screen);
        VideoQuit();
    });
}

// Recorded tests see each picture's own textures unless they ask for pages.
struct NoPages {
    int32_t saved = video.packArea;
    NoPages() { video.packArea = 0; }
    ~NoPages() { video.packArea = saved; }
};

// The layer back at its state before any mode set, with the recorder as OpenGL and no window.
class RecordedLayer : public testing::Test {
protected:
    NoPages noPages;
    void SetUp() override
    {
        VideoResetState();
        installGLRecorder();
    }
    void TearDown() override { VideoResetState(); }
};

// An 800 x 600 OpenGL-mode screen on SDL's dummy driver, with the recorder as OpenGL: every call the
// layer makes can be checked without a display.
class RecordedScreen : public testing::Test {
protected:
    NoPages noPages;
    SDL_Surface *window = nullptr;
    SDL_Surface *screen = nullptr;

    // A window of width x height; the screen is that size divided by the scale, or 800 x 600 shown in it
    // when the window is larger (asScreen false).
    void open(int width, int height, int scale, int maxTextureSize, bool reuseTextureNames = false,
              bool asScreen = true)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window = SDL_SetVideoMode(width, height, 24, SDL_SWSURFACE);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        VideoResetState();
        installGLRecorder(maxTextureSize, reuseTextureNames);
        const int screenWidth = asScreen ? width / scale : 800, screenHeight = asScreen ? height / scale : 600;
        stderrOf([&] { screen = VideoAttachWindow(window, screenWidth, screenHeight, scale); });
        ASSERT_NE(screen, nullptr);
        clearGLCalls();
    }
    void SetUp() override { open(800, 600, 1, 16384); }
    void TearDown() override
    {
        stderrOf(VideoResetState);
        SDL_Quit();
        unsetenv("SDL_VIDEODRIVER");
    }
};

// A virtual X server started just before the tests may take a moment to accept its first client. Only
// X will do: without it SDL would fall back to a text-mode driver that has no OpenGL.
inline bool openDisplay()
{
    setenv("SDL_VIDEODRIVER", "x11", 1);
    for (int attempt = 0; attempt < 20; attempt++) {
        if (SDL_Init(SDL_INIT_VIDEO) == 0) return true;
        SDL_Delay(100);
    }
    return false;
}

// The real thing: an 800 x 600 OpenGL window on the display (the tests run under a virtual X server).
class RealScreen : public testing::Test {
protected:
    SDL_Surface *screen = nullptr;

    void SetUp() override
    {
        if (!getenv("DISPLAY")) GTEST_SKIP() << "no display";
        ASSERT_TRUE(openDisplay()) << SDL_GetError();
        screen = setModeQuietly(800, 600, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF, &modeOutput, &modeErrors);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
    }
    void TearDown() override { closeQuietly(screen); }

    std::string modeOutput, modeErrors;
};

// loop.cpp -- the main routine: start-up order, the 50-frames-per-second loop, event dispatch, shutdown
#include "shell/loop.h"

#include <SDL/SDL_framerate.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "audio/audio.h"
#include "base/log.h"
#include "base/screen.h"
#include "base/state.h"
#include "menu/menu.h"
#include "modules/modules.h"
#include "shell/assets.h"
#include "shell/diagnostics.h"
#include "shell/runfiles.h"
#include "store/settings.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr int screenDepth = 32;
constexpr int framesPerSecond = 50;
constexpr Uint32 windowedFlags = SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF;  // 0x40100001
// Events keep coming while a handler is slow, and each is dispatched as it is taken; past this many in
// one frame the rest wait for the next, so that a storm of input cannot keep a frame from being drawn.
constexpr int maxEventsPerFrame = 512;

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
int frameTotal = 0;

static FPSmanager fpsManager;

static void paceFrame() { SDL_framerateDelay(&fpsManager); }

// The program's own hooks, which tests put back after putting recorders in their place.
static constexpr FrameHooks programHooks = {menuKeyEvent, menuMouseEvent, drawMenu,
                                            VideoFlip,    paceFrame,      SDL_PollEvent};
FrameHooks frameHooks = programHooks;

// Event types 2 to 12 (SDL_KEYDOWN to SDL_QUIT); every other type is ignored.
static constexpr EventAction dispatchTable[11] = {
    ActionKeyboard, ActionKeyboard,                                      // key down, key up
    ActionMouse, ActionMouse,                                            // motion, button down
    ActionIgnore,                                                        // button up never goes anywhere
    ActionIgnore, ActionIgnore, ActionIgnore, ActionIgnore, ActionIgnore,  // joystick
    ActionQuit,
};

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void resetFrameHooks() { frameHooks = programHooks; }

EventAction eventAction(int type)
{
    if (type < SDL_KEYDOWN || type > SDL_QUIT) return ActionIgnore;
    return dispatchTable[type - SDL_KEYDOWN];
}

bool dispatchEvent(SDL_Event *event)
{
    // activeGame is looked at for every event: when a module ends in the middle of a batch, the rest of
    // the batch goes to the menu.
    // Alt+F4 asks to quit as closing the window does, on every screen and during a game: SDL on Windows
    // keeps the system keys to itself, so the system never turns them into a close request.
    if (event->type == SDL_KEYDOWN && event->key.keysym.sym == SDLK_F4 && (event->key.keysym.mod & KMOD_ALT))
        return true;
    switch (eventAction(event->type)) {
    case ActionKeyboard:
        if (activeGame == -1) return frameHooks.menuKey(event) != 0;
        endModuleIfFinished(gameModule.keyevent(event));
        return false;
    case ActionMouse:
        // The menu and the games think in the screen's units, whatever the window's size.
        if (!VideoMapMouseEvent(event)) return false;
        if (activeGame == -1) return frameHooks.menuMouse(event) != 0;
        endModuleIfFinished(gameModule.mouseevent(event));
        return false;
    case ActionQuit:
        return true;
    case ActionIgnore:
        break;
    }
    return false;
}

bool runFrame(SDL_Event *events, int count)
{
    // Every event is dispatched as soon as it is taken, also after one of them asked to quit, and the
    // frame is still drawn, presented, counted and paced. What arrives while a handler works (the quit
    // button's pause, a slow game) is taken in the same frame, and so is not lost when the frame ends
    // the program.
    bool quitRequested = false;
    int dispatched = 0;
    for (; dispatched < count; ++dispatched) {
        if (dispatchEvent(&events[dispatched])) quitRequested = true;
    }
    SDL_Event event;
    while (frameHooks.poll && dispatched < maxEventsPerFrame && frameHooks.poll(&event)) {
        ++dispatched;
        if (dispatchEvent(&event)) quitRequested = true;
    }
    if (activeGame == -1) {
        frameHooks.drawMenu();
    } else {
        endModuleIfFinished(gameModule.drawscreen(hostBlit, hostSetClip, hostFillRect));
    }
    frameHooks.present(screen);
    frameTotal++;
    frameHooks.pace();
    return quitRequested;
}

bool formatFrameRate(char *buffer, size_t size, int frames, Uint32 startTicks, Uint32 endTicks)
{
    if (!(endTicks > startTicks)) return false;
    Uint32 elapsed = endTicks - startTicks;
    snprintf(buffer, size, "  -> %2.2f frames per second", frames * 1000.0 / elapsed);
    return true;
}

SDL_Surface *openScreen()
{
    const VideoPreference preference = chooseVideo();
    int desktopWidth = 0, desktopHeight = 0;
    VideoDesktopSize(&desktopWidth, &desktopHeight);
    const bool fullscreen = appSettings.fullscreen != 0;
    VideoWindowChoice choice;
    choice.plainSDL = preference.plainSDL;
    if (fullscreen) {
        // The desktop's own size, so that the display keeps its mode; where SDL cannot tell it, the
        // screen's size as SDL makes it.
        choice.width = desktopWidth;
        choice.height = desktopHeight;
    } else {
        const double scale = preference.windowScale > 0
                                 ? preference.windowScale
                                 : VideoWindowScale(screenWidth, screenHeight, desktopWidth, desktopHeight);
        choice.width = static_cast<int>(std::lround(screenWidth * scale));
        choice.height = static_cast<int>(std::lround(screenHeight * scale));
    }
    VideoChooseWindow(choice);
    const Uint32 flags = fullscreen ? windowedFlags | SDL_FULLSCREEN : windowedFlags;
    SDL_Surface *opened = VideoSetMode(screenWidth, screenHeight, screenDepth, flags);
    if (!opened) return nullptr;

    char line[512];
    if (const char *reason = VideoOpenGLFailure()) {
        snprintf(line, sizeof line, " \xB7 No OpenGL window (%s): drawing with plain SDL", reason);
        logLine(line);
    }
    const SDL_Surface *window = SDL_GetVideoSurface();
    const SDL_Rect view = VideoScreenView();
    snprintf(line, sizeof line, " \xB7 Window %dx%d%s, picture %dx%d at %d,%d, drawn with %s", window->w, window->h,
             fullscreen ? " (full screen)" : "", view.w, view.h, view.x, view.y,
             VideoDrawsWithOpenGL() ? "OpenGL" : "plain SDL");
    logLine(line);
    return opened;
}

int shellMain(int, char **)
{
    char line[512];

    // Before the first line, as it decides where the log goes.
    char placeProblem[2 * 4096 + 256] = "";  // room for two paths and the words around them
    bool placed = placeRunTimeFiles(placeProblem, sizeof placeProblem);

    logLine("\n\ntavrin.exe started ----------------------------------------------\n\n");
    if (!placed) {
        // Without its pictures, font and sounds the program has nothing to show: it says why and stops.
        logLine(placeProblem);
        fprintf(stderr, "tavrin: %s\n", placeProblem + 3);
        return 1;
    }

    logCpuInfo();
    logMemoryInfo();
    probeVideoCard();

    snprintf(line, sizeof line, " \xB7 Screen resolution %dx%dx%dbits", screenWidth, screenHeight, screenDepth);
    logLine(line);

    SDL_Init(SDL_INIT_VIDEO);
    openAudio(44100, 2);
    musicTrack = loadMusic("snd/main.ogg");
    clickSound = loadSound("snd/button03.wav");

    if (init() == 0) {
        logLine("init(); failed");
        // A failed start is a failure: the exit code says so.
        return 1;
    }

    screen = openScreen();
    if (!screen) {
        snprintf(line, sizeof line, " \xB7 Couldn't set %dx%d video mode: %s", screenWidth, screenHeight,
                 SDL_GetError());
        logLine(line);
        VideoQuit();
        exit(2);
    }

    Mix_PlayMusic(musicTrack, -1);
    Mix_VolumeMusic(appSettings.musicvolume);

    SDL_initFramerate(&fpsManager);
    SDL_setFramerate(&fpsManager, framesPerSecond);

    Uint32 startTicks = SDL_GetTicks();
    frameTotal = 0;
    bool quitRequested = false;
    while (!quitRequested) quitRequested = runFrame(nullptr, 0);

    Uint32 endTicks = SDL_GetTicks();
    if (formatFrameRate(line, sizeof line, frameTotal, startTicks, endTicks)) logLine(line);

    closeAudio();
    releaseResources();
    VideoQuit();
    return 0;
}

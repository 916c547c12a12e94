// module_host.cpp -- the game module host: loading a game library, starting it, and unloading it when it ends
#include "modules/modules.h"

#include <SDL/SDL_mixer.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "audio/audio.h"
#include "base/log.h"
#include "base/screen.h"
#include "base/state.h"
#include "platform/library.h"
#include "platform/signals.h"
#include "shell/assets.h"
#include "shell/loop.h"
#include "store/settings.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Types
// ----------------------------------------------------------------------------------------------------
// The four exports, in the order they are looked up.
enum ModuleExport { ExportDrawScreen, ExportMouseEvent, ExportKeyEvent, ExportSetSlot, ModuleExportCount };

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
GameModule gameModule;

static constexpr const char *exportNames[ModuleExportCount] = {"drawscreen", "mouseevent", "keyevent", "setslot"};

// Where the video layer's registrations stood when the running module started. A module frees its
// pictures with SDL_FreeSurface, which cannot drop their records, so whatever was registered while it ran
// is released when it ends; the menu's own pictures are all registered before any module starts.
static VideoRecordMark recordsBeforeModule;
// The mixer's channel count and the pointer's look when the running module started, given back when it
// ends.
static int channelsBeforeModule = 0;
static SDL_Cursor *cursorBeforeModule = nullptr;

// SDL and the screen as they were when the running module started, so that a module that shut SDL down
// or set a video mode of its own is noticed after any call into it, before the shell draws on a screen
// that is gone.
struct ScreenState {
    Uint32 subsystems = 0;
    SDL_Surface *window = nullptr;
    int width = 0, height = 0;
    Uint32 flags = 0;
};
static ScreenState screenBeforeModule;
// The working directory, where the shell's log may be and where the games find their font.
static std::filesystem::path folderBeforeModule;
static int audioFrequency = 0, audioChannels = 0;
static Uint16 audioFormat = 0;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// The library file of game n on this platform: "game1.so", "game2.so" (".dll" on Windows).
static void moduleFileName(int n, char *buffer, size_t size) { snprintf(buffer, size, "game%d%s", n, librarySuffix); }

static ScreenState currentScreen()
{
    ScreenState now;
    now.subsystems = SDL_WasInit(SDL_INIT_EVERYTHING);
    now.window = (now.subsystems & SDL_INIT_VIDEO) ? SDL_GetVideoSurface() : nullptr;
    if (now.window) {
        now.width = now.window->w;
        now.height = now.window->h;
        now.flags = now.window->flags;
    }
    return now;
}

// What the running module did to SDL or the screen, in a few words; empty when nothing.
static std::string screenTakenAway()
{
    const ScreenState &before = screenBeforeModule;
    const ScreenState now = currentScreen();
    if ((before.subsystems & SDL_INIT_VIDEO) && !(now.subsystems & SDL_INIT_VIDEO))
        return (before.subsystems & ~now.subsystems & SDL_INIT_AUDIO) ? "it shut SDL down" : "it shut SDL's video down";
    if (now.window != before.window || now.width != before.width || now.height != before.height ||
        now.flags != before.flags) {
        char mode[96];
        snprintf(mode, sizeof mode, "it set a video mode of its own, %dx%d", now.width, now.height);
        return mode;
    }
    return std::string();
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void startGameModule(int n)
{
    // Only the main menu starts a module, and it gets no input while one runs; a second start would lose
    // the loaded library.
    if ((n != 1 && n != 2) || activeGame != -1) return;

    char fileName[32];
    moduleFileName(n, fileName, sizeof fileName);
    // Room for a full path and the loader's words about it; the line is built whole, never cut.
    char reason[8192];
    void *library = libraryOpen(fileName, reason, sizeof reason);
    if (!library) {
        logLine((std::string(" \xB7 Game module ") + fileName + " could not be loaded: " + reason).c_str());
        return;
    }

    void *entries[ModuleExportCount];
    char missing[128] = "";
    int missingCount = 0;
    for (int i = 0; i < ModuleExportCount; ++i) {
        entries[i] = librarySymbol(library, exportNames[i]);
        if (entries[i]) continue;
        size_t used = strlen(missing);
        snprintf(missing + used, sizeof missing - used, "%s\"%s\"", missingCount > 0 ? ", " : "", exportNames[i]);
        missingCount++;
    }
    // A library that lacks an export is never entered at all, not even through the exports it has.
    if (missingCount > 0) {
        char line[256];
        snprintf(line, sizeof line, " \xB7 Game module %s lacks the export%s %s", fileName,
                 missingCount > 1 ? "s" : "", missing);
        logLine(line);
        libraryClose(library);
        return;
    }

    gameModule.moduleLibrary = library;
    gameModule.drawscreen = reinterpret_cast<ModuleDrawScreenFn>(entries[ExportDrawScreen]);
    gameModule.mouseevent = reinterpret_cast<ModuleEventFn>(entries[ExportMouseEvent]);
    gameModule.keyevent = reinterpret_cast<ModuleEventFn>(entries[ExportKeyEvent]);
    auto setSlot = reinterpret_cast<ModuleSetSlotFn>(entries[ExportSetSlot]);

    VideoMarkRecords(&recordsBeforeModule);
    channelsBeforeModule = audioDeviceOpen() ? Mix_AllocateChannels(-1) : 0;
    if (channelsBeforeModule > 0) Mix_QuerySpec(&audioFrequency, &audioFormat, &audioChannels);
    cursorBeforeModule = SDL_GetCursor();
    screenBeforeModule = currentScreen();
    std::error_code unknown;
    folderBeforeModule = std::filesystem::current_path(unknown);
    keepSignalHandlers();
    activeGame = n;
    setSlot(currentSlot);
    endModuleIfFinished(0);  // "setslot" may have taken the screen away already
}

// The mixer's callbacks are process-wide and the shell sets none of them, so any that are set now point
// into the game's code; left in place after the library is gone, the next finished sound would call
// into unmapped memory, and a music hook would also keep the menu music silent.
static void forgetModuleAudioHooks()
{
    Mix_HookMusicFinished(nullptr);
    Mix_ChannelFinished(nullptr);
    Mix_HookMusic(nullptr, nullptr);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_UnregisterAllEffects(MIX_CHANNEL_POST);
    int channels = audioDeviceOpen() ? Mix_AllocateChannels(-1) : 0;
    for (int channel = 0; channel < channels; ++channel) Mix_UnregisterAllEffects(channel);
}

// Whatever the game left running would call into its code or read its memory once the library is gone:
// the sounds it still plays (their samples may lie in the library), an event filter, its timers.
static void stopModuleLeftovers()
{
    forgetModuleAudioHooks();
    if (audioDeviceOpen()) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    SDL_SetEventFilter(nullptr);
    // The shell sets no timers of its own, so every timer is the game's. Shutting the timer subsystem
    // down removes them all and waits for a callback that is running at that moment to return.
    if (SDL_WasInit(SDL_INIT_TIMER)) SDL_QuitSubSystem(SDL_INIT_TIMER);
}

// What the game may have changed that would leave the menu deaf or the pointer gone. The menu's pointer
// went with SDL's video if the game shut it down: the fresh screen brings its own.
static void restoreMenuInput()
{
    for (Uint8 type = SDL_ACTIVEEVENT; type <= SDL_QUIT; ++type) SDL_EventState(type, SDL_ENABLE);
    SDL_ShowCursor(SDL_ENABLE);
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    const bool videoShutDown = (screenBeforeModule.subsystems & SDL_INIT_VIDEO) && !SDL_WasInit(SDL_INIT_VIDEO);
    if (cursorBeforeModule && !videoShutDown) SDL_SetCursor(cursorBeforeModule);
    if (audioDeviceOpen() && channelsBeforeModule > 0) Mix_AllocateChannels(channelsBeforeModule);
    std::error_code failed;
    if (!folderBeforeModule.empty()) std::filesystem::current_path(folderBeforeModule, failed);
}

// A game that closed the mixer, or shut SDL down under it (the mixer then still counts itself open),
// took the menu's sound away: the device is opened again as it was, so that the menu music plays on.
static void reopenAudio()
{
    if (channelsBeforeModule == 0 || SDL_WasInit(SDL_INIT_AUDIO)) return;
    Mix_CloseAudio();
    if (Mix_OpenAudio(audioFrequency, audioFormat, audioChannels, audioChunkSize) != 0) {
        logLine((std::string(" \xB7 The audio device could not be opened again: ") + Mix_GetError()).c_str());
        return;
    }
    Mix_AllocateChannels(channelsBeforeModule);
}

// The screen opened afresh from the settings, as at start-up: the window's name and icon first, which
// SDL takes only before the mode. Without any screen the program cannot go on, as at start-up.
static void reopenScreen()
{
    if (SDL_WasInit(SDL_INIT_VIDEO) || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) nameWindow();
    screen = openScreen();
    if (screen) return;
    char mode[64];
    snprintf(mode, sizeof mode, " \xB7 Couldn't set %dx%d video mode: ", screenWidth, screenHeight);
    logLine((mode + std::string(SDL_GetError())).c_str());
    VideoQuit();
    exit(2);
}

void endModuleIfFinished(int result)
{
    if (activeGame == -1) return;
    const std::string taken = screenTakenAway();
    if (result == 0 && taken.empty()) return;
    const int game = activeGame;

    stopModuleLeftovers();
    restoreSignalHandlers();
    libraryClose(gameModule.moduleLibrary);
    restoreMenuInput();
    gameModule = GameModule{};
    activeGame = -1;
    if (!taken.empty()) {
        char fileName[32];
        moduleFileName(game, fileName, sizeof fileName);
        logLine((std::string(" \xB7 Game module ") + fileName + " took the screen away (" + taken +
                 "): the game is ended and the menu comes back")
                    .c_str());
        // Every record, the game's among them, goes with the old screen, without a call into its
        // OpenGL, which may be gone.
        reopenScreen();
    } else {
        VideoReleaseRecordsSince(&recordsBeforeModule);
    }
    reopenAudio();
    // The main-menu buttons slide in and the mascot rises again, and the menu music starts from the top.
    menuFrame = 0;
    Mix_PlayMusic(musicTrack, -1);
    Mix_VolumeMusic(appSettings.musicvolume);
}

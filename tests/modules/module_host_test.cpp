// module_host_test.cpp -- loading, driving and unloading game modules through the frame loop
#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/stat.h>

#include <SDL/SDL_mixer.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <cstdarg>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "base/screen.h"
#include "base/state.h"
#include "modules/modules.h"
#include "platform/library.h"
#include "shell/loop.h"
#include "sprites/sprites.h"
#include "store/settings.h"

#include "events.h"
#include "mapped.h"
#include "pixels.h"
#include "scratch_dir.h"

namespace {

// ----------------------------------------------------------------------------------------------------
// What the recorder modules and the menu's stand-ins report, in the order it happened
// ----------------------------------------------------------------------------------------------------
std::vector<std::string> timeline;
std::vector<const SDL_Event *> moduleEvents;  // the records the module was handed
std::function<int(const char *entry, int callsSinceLoad)> moduleAnswer;
std::function<int(HostBlitFn, HostSetClipFn, HostFillRectFn)> moduleDraw;
std::function<void()> menuDraw;
std::function<void()> atPresent;

std::string text(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string text(const char *format, ...)
{
    char buffer[256];
    va_list arguments;
    va_start(arguments, format);
    vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

int recordMenuKey(SDL_Event *event)
{
    timeline.push_back(text("menu key %d", event->type));
    return 0;
}

int recordMenuMouse(SDL_Event *event)
{
    timeline.push_back(text("menu mouse %d", event->type));
    return 0;
}

void recordDrawMenu()
{
    timeline.push_back(text("menu draw %d", menuFrame));
    if (menuDraw) menuDraw();
    menuFrame++;
}

int recordPresent(SDL_Surface *surface)
{
    timeline.push_back(surface == screen ? "present" : "present elsewhere");
    if (atPresent) atPresent();
    return 0;
}

void noPace() {}

std::string moduleDir(const char *kind) { return std::string(TAVRIN_TEST_MODULE_DIR) + "/" + kind; }

// Whether the recorder's game n is mapped into the process right now.
bool moduleMapped(const char *kind, int n) { return libraryMapped(moduleDir(kind) + text("/game%d.so", n)); }

Uint32 colour(int r, int g, int b) { return SDL_MapRGB(screen->format, r, g, b); }

std::vector<std::string> readLog()
{
    std::vector<std::string> lines;
    std::ifstream log("sdl.log", std::ios::binary);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

}  // namespace

// The recorder modules' calls land here (the test program exports these to the libraries it loads).
extern "C" int probeEntry(int game, const char *entry, const SDL_Event *event, int value, int callsSinceLoad)
{
    timeline.push_back(text("game%d %s %d #%d", game, entry, value, callsSinceLoad));
    if (event) moduleEvents.push_back(event);
    return moduleAnswer ? moduleAnswer(entry, callsSinceLoad) : 0;
}

extern "C" int probeDraw(int game, HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill, int callsSinceLoad)
{
    timeline.push_back(text("game%d drawscreen #%d", game, callsSinceLoad));
    EXPECT_EQ(blit, &hostBlit);
    EXPECT_EQ(clip, &hostSetClip);
    EXPECT_EQ(fill, &hostFillRect);
    return moduleDraw ? moduleDraw(blit, clip, fill) : 0;
}

namespace {

// Each case runs in a fresh folder of its own (for sdl.log) on a plain 800 x 600 screen, with the menu's
// handlers replaced by recorders.
class ModuleHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        work.enter();

        screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
        ASSERT_NE(screen, nullptr);
        screen->unused1 = 0;

        activeGame = -1;
        gameModule = GameModule{};
        menuScreen = ScreenMain;
        menuFrame = 0;
        currentSlot = 0;
        frameHooks = FrameHooks{recordMenuKey, recordMenuMouse, recordDrawMenu, recordPresent, noPace};
        timeline.clear();
        moduleEvents.clear();
        moduleAnswer = nullptr;
        moduleDraw = nullptr;
        menuDraw = nullptr;
        atPresent = nullptr;
        librarySetDirectory(moduleDir("recorder").c_str());
    }

    void TearDown() override
    {
        if (activeGame != -1) endModuleIfFinished(1);
        moduleAnswer = nullptr;
        moduleDraw = nullptr;
        menuDraw = nullptr;
        atPresent = nullptr;
        librarySetDirectory(nullptr);
        resetFrameHooks();
        SDL_FreeSurface(screen);
        screen = nullptr;
    }

    // Runs one frame over the given batch.
    bool frame(std::vector<SDL_Event> batch = {})
    {
        return runFrame(batch.data(), static_cast<int>(batch.size()));
    }

    ScratchDir work{"tavrin-modules"};
};

using Timeline = std::vector<std::string>;

// ----------------------------------------------------------------------------------------------------
// Starting and ending
// ----------------------------------------------------------------------------------------------------
TEST_F(ModuleHost, SetSlotGetsThePlayerIndexBeforeAnyOtherEntry)
{
    for (int game = 1; game <= 2; ++game) {
        for (int slot = 0; slot <= 2; ++slot) {
            timeline.clear();
            currentSlot = slot;
            startGameModule(game);
            ASSERT_EQ(activeGame, game);
            SDL_Event key = keyEvent(SDL_KEYDOWN, SDLK_a);
            frame({key});
            EXPECT_EQ(timeline, (Timeline{text("game%d setslot %d #1", game, slot), text("game%d keyevent 2 #2", game),
                                          text("game%d drawscreen #3", game), "present"}));
            endModuleIfFinished(1);
            EXPECT_EQ(currentSlot, slot) << "the chosen player stays chosen";
        }
    }
}

TEST_F(ModuleHost, StartingChangesNothingButTheActiveGame)
{
    menuFrame = 57;
    startGameModule(2);
    EXPECT_EQ(activeGame, 2);
    EXPECT_EQ(menuScreen, ScreenMain);
    EXPECT_EQ(menuFrame, 57);
    EXPECT_NE(gameModule.drawscreen, nullptr);
    EXPECT_NE(gameModule.mouseevent, nullptr);
    EXPECT_NE(gameModule.keyevent, nullptr);
    EXPECT_TRUE(moduleMapped("recorder", 2));
    EXPECT_FALSE(moduleMapped("recorder", 1));
    EXPECT_TRUE(readLog().empty());
}

TEST_F(ModuleHost, StartingTheSameGameTwiceLoadsAndUnloadsItTwice)
{
    moduleAnswer = [](const char *entry, int) { return std::string(entry) == "keyevent"; };
    SDL_Event escape = keyEvent(SDL_KEYDOWN, SDLK_ESCAPE);
    for (int round = 0; round < 2; ++round) {
        currentSlot = 1;
        startGameModule(1);
        EXPECT_TRUE(moduleMapped("recorder", 1));
        frame({escape});
        EXPECT_EQ(activeGame, -1);
        EXPECT_FALSE(moduleMapped("recorder", 1)) << "round " << round;
    }
    // A fresh load each time: the module's own count starts over with every "setslot".
    EXPECT_EQ(timeline, (Timeline{"game1 setslot 1 #1", "game1 keyevent 2 #2", "menu draw 0", "present",
                                  "game1 setslot 1 #1", "game1 keyevent 2 #2", "menu draw 0", "present"}));
}

TEST_F(ModuleHost, MenuButtonDownStartsTheGameForTheRestOfTheFrame)
{
    // The main menu starts a game from its button-down handler; from the next event on, input goes to the
    // game, and this very frame is the game's.
    frameHooks.menuMouse = [](SDL_Event *event) {
        timeline.push_back(text("menu mouse %d", event->type));
        if (event->type == SDL_MOUSEBUTTONDOWN) startGameModule(1);
        return 0;
    };
    frame({buttonEvent(SDL_MOUSEBUTTONDOWN, 240, 200), motionEvent(250, 210), keyEvent(SDL_KEYUP, SDLK_a)});
    EXPECT_EQ(activeGame, 1);
    EXPECT_EQ(timeline, (Timeline{"menu mouse 5", "game1 setslot 0 #1", "game1 mouseevent 4 #2",
                                  "game1 keyevent 3 #3", "game1 drawscreen #4", "present"}));
}

// ----------------------------------------------------------------------------------------------------
// Driving
// ----------------------------------------------------------------------------------------------------
TEST_F(ModuleHost, EveryKeyAndMouseEventReachesTheModuleButButtonReleasesAndQuitNever)
{
    startGameModule(1);
    timeline.clear();
    std::vector<SDL_Event> batch = {
        keyEvent(SDL_KEYDOWN, SDLK_LEFT),   motionEvent(799, 599),      buttonEvent(SDL_MOUSEBUTTONDOWN, 12, 34),
        buttonEvent(SDL_MOUSEBUTTONUP, 12, 34), plainEvent(SDL_ACTIVEEVENT), plainEvent(SDL_VIDEOEXPOSE),
        plainEvent(SDL_JOYBUTTONDOWN),     plainEvent(SDL_QUIT),       keyEvent(SDL_KEYUP, SDLK_LEFT),
        buttonEvent(SDL_MOUSEBUTTONUP, 0, 0),
    };
    EXPECT_TRUE(runFrame(batch.data(), static_cast<int>(batch.size())));
    EXPECT_EQ(activeGame, 1) << "a quit leaves the game as it is";
    EXPECT_EQ(timeline, (Timeline{"game1 keyevent 2 #2", "game1 mouseevent 4 #3", "game1 mouseevent 5 #4",
                                  "game1 keyevent 3 #5", "game1 drawscreen #6", "present"}));
    // The module is handed the shell's own records, as they were polled.
    ASSERT_EQ(moduleEvents.size(), 4u);
    EXPECT_EQ(moduleEvents[0], &batch[0]);
    EXPECT_EQ(moduleEvents[1], &batch[1]);
    EXPECT_EQ(moduleEvents[2], &batch[2]);
    EXPECT_EQ(moduleEvents[3], &batch[8]);
    EXPECT_EQ(batch[1].motion.x, 799);
    EXPECT_EQ(batch[2].button.y, 34);
}

TEST_F(ModuleHost, FinishingInMouseEventHandsTheRestOfTheBatchToTheMenu)
{
    startGameModule(1);
    timeline.clear();
    menuFrame = 120;
    moduleAnswer = [](const char *entry, int call) { return std::string(entry) == "mouseevent" && call == 3; };
    frameHooks.menuKey = [](SDL_Event *event) {
        timeline.push_back(text("menu key %d%s", event->type, moduleMapped("recorder", 1) ? " (still loaded)" : ""));
        return 0;
    };
    frame({motionEvent(5, 5), buttonEvent(SDL_MOUSEBUTTONDOWN, 5, 5), keyEvent(SDL_KEYDOWN, SDLK_SPACE),
           motionEvent(6, 6), buttonEvent(SDL_MOUSEBUTTONDOWN, 6, 6)});
    EXPECT_EQ(timeline, (Timeline{"game1 mouseevent 4 #2", "game1 mouseevent 5 #3", "menu key 2", "menu mouse 4",
                                  "menu mouse 5", "menu draw 0", "present"}));
    EXPECT_EQ(activeGame, -1);
    EXPECT_EQ(gameModule.drawscreen, nullptr);
}

TEST_F(ModuleHost, FinishingInDrawScreenPresentsThatFrameThenTheMenuSlidesIn)
{
    menuFrame = 300;
    startGameModule(1);
    timeline.clear();
    moduleDraw = [](HostBlitFn, HostSetClipFn clip, HostFillRectFn fill) {
        clip(nullptr);
        fill(nullptr, 20, 140, 60);
        return 1;
    };
    Uint32 presented = 0;
    atPresent = [&presented] { presented = pixelAt(screen, 400, 300); };
    frame();
    EXPECT_EQ(presented, colour(20, 140, 60)) << "the game's last frame is shown";
    EXPECT_EQ(activeGame, -1);
    moduleDraw = nullptr;
    frame();
    frame();
    EXPECT_EQ(timeline, (Timeline{"game1 drawscreen #2", "present", "menu draw 0", "present", "menu draw 1", "present"}));
}

TEST_F(ModuleHost, ClipLeftByTheGameHoldsUntilTheMenuSpritePassClearsIt)
{
    startGameModule(1);
    moduleDraw = [](HostBlitFn, HostSetClipFn clip, HostFillRectFn fill) {
        clip(nullptr);
        fill(nullptr, 0, 0, 0);
        SDL_Rect corner{100, 100, 50, 50};
        clip(&corner);
        return 1;
    };
    frame();

    SDL_Surface *backdrop = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    ASSERT_NE(backdrop, nullptr);
    backdrop->unused1 = 0;
    SDL_FillRect(backdrop, nullptr, SDL_MapRGB(backdrop->format, 200, 220, 255));
    std::vector<Uint32> seen;
    menuDraw = [&] {
        hostBlit(backdrop, 0, 0);
        seen.push_back(pixelAt(screen, 10, 10));
        seen.push_back(pixelAt(screen, 120, 120));
        drawSprites(hostBlit, hostSetClip);
        hostBlit(backdrop, 0, 0);
        seen.push_back(pixelAt(screen, 10, 10));
    };
    frame();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], colour(0, 0, 0)) << "outside the game's clip, the menu's first drawing is cut away";
    EXPECT_EQ(seen[1], colour(200, 220, 255));
    EXPECT_EQ(seen[2], colour(200, 220, 255)) << "after the sprite pass the whole screen is drawn again";
    SDL_FreeSurface(backdrop);
}

TEST_F(ModuleHost, EndingRestartsTheMenuMusicAtTheMusicVolume)
{
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
    musicTrack = Mix_LoadMUS(TAVRIN_RUN_DIR "/snd/main.ogg");
    ASSERT_NE(musicTrack, nullptr) << Mix_GetError();
    appSettings.musicvolume = 77;
    Mix_PlayMusic(musicTrack, -1);
    Mix_VolumeMusic(appSettings.musicvolume);

    startGameModule(1);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "starting a game leaves the menu music playing";
    // The game silences the music its own way.
    moduleDraw = [](HostBlitFn, HostSetClipFn, HostFillRectFn) {
        Mix_PauseMusic();
        Mix_VolumeMusic(5);
        return 0;
    };
    frame();
    EXPECT_EQ(Mix_PausedMusic(), 1);
    moduleAnswer = [](const char *, int) { return 1; };
    frame({keyEvent(SDL_KEYDOWN, SDLK_ESCAPE)});

    EXPECT_EQ(activeGame, -1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_EQ(Mix_VolumeMusic(-1), 77);

    Mix_HaltMusic();
    Mix_FreeMusic(musicTrack);
    musicTrack = nullptr;
    Mix_CloseAudio();
}

static int loudSamples;
static void countLoudSamples(void *, Uint8 *stream, int length)
{
    const Sint16 *samples = reinterpret_cast<const Sint16 *>(stream);
    for (int i = 0; i < length / 2; ++i) loudSamples += samples[i] > 64 || samples[i] < -64;
}

TEST_F(ModuleHost, MixerCallbacksOfAnEndedGameAreNeverCalled)
{
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512), 0) << Mix_GetError();
    musicTrack = Mix_LoadMUS(TAVRIN_RUN_DIR "/snd/main.ogg");
    ASSERT_NE(musicTrack, nullptr) << Mix_GetError();
    librarySetDirectory(moduleDir("sounds").c_str());
    startGameModule(1);
    ASSERT_EQ(activeGame, 1);
    frame({keyEvent(SDL_KEYDOWN, SDLK_ESCAPE)});
    ASSERT_EQ(activeGame, -1);
    ASSERT_FALSE(moduleMapped("sounds", 1));

    // Finished sounds, stopped music and the mixing itself would all run the game's code, now unmapped.
    static Uint8 quiet[2048] = {};
    Mix_Chunk *chunk = Mix_QuickLoad_RAW(quiet, sizeof quiet);
    ASSERT_EQ(Mix_PlayChannel(0, chunk, 0), 0);
    Mix_HaltChannel(0);
    // The menu music is heard again, not swallowed by the game's music hook.
    loudSamples = 0;
    Mix_SetPostMix(countLoudSamples, nullptr);
    for (int waited = 0; waited < 2000 && loudSamples == 0; waited += 20) SDL_Delay(20);
    EXPECT_GT(loudSamples, 0);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltMusic();

    Mix_FreeChunk(chunk);
    Mix_FreeMusic(musicTrack);
    musicTrack = nullptr;
    Mix_CloseAudio();
}

int passAll(const SDL_Event *) { return 1; }

TEST_F(ModuleHost, AGameEndingWithItsSoundPlayingAFilterAndTimersSetLeavesNothingRunningInIt)
{
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512), 0) << Mix_GetError();
    Mix_AllocateChannels(4);
    librarySetDirectory(moduleDir("leftovers").c_str());
    startGameModule(1);
    ASSERT_EQ(activeGame, 1);
    EXPECT_EQ(Mix_Playing(0), 1);
    EXPECT_NE(SDL_GetEventFilter(), nullptr);
    Mix_AllocateChannels(1);  // the game may change the mixer's channels too
    SDL_Delay(30);
    frame({keyEvent(SDL_KEYDOWN, SDLK_ESCAPE)});
    ASSERT_EQ(activeGame, -1);
    ASSERT_FALSE(moduleMapped("leftovers", 1));

    // Left running, each of these would now jump into or read from the unmapped library.
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(SDL_GetEventFilter(), nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_TIMER), 0u);
    SDL_Event pushed = keyEvent(SDL_KEYDOWN, SDLK_a);
    SDL_PushEvent(&pushed);
    SDL_Delay(60);
    // The menu gets its pointer, its motion events and its click channel back.
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    EXPECT_EQ(SDL_EventState(SDL_MOUSEMOTION, SDL_QUERY), SDL_ENABLE);
    EXPECT_EQ(Mix_AllocateChannels(-1), 4);

    // A filter and timers of the shell's own after the game are not affected by it.
    SDL_SetEventFilter(passAll);
    EXPECT_EQ(SDL_GetEventFilter(), &passAll);
    SDL_SetEventFilter(nullptr);
    Mix_CloseAudio();
}

// ----------------------------------------------------------------------------------------------------
// Libraries that cannot be used
// ----------------------------------------------------------------------------------------------------
TEST_F(ModuleHost, UnusableLibraryLeavesTheMenuWithOneLogLineAndIsNeverEntered)
{
    ScratchDir pipes;
    ASSERT_EQ(mkfifo((pipes.path / "game2.so").c_str(), 0600), 0);
    const std::string loadFailed = " \xB7 Game module game1.so could not be loaded: ";
    struct Case {
        const char *name;
        const char *kind;  // the folder among the test modules; none for the pipe
        int game;
        std::string logStart;  // the log's one line starts with this (the loader's own reason follows)
        bool exact;            // or is just this
    } cases[] = {
        {"nothing there", "missing", 1, loadFailed + moduleDir("missing") + "/game1.so", false},
        {"a file that is no library", "corrupt", 1, loadFailed + moduleDir("corrupt") + "/game1.so", false},
        // dlopen would wait for a writer for ever.
        {"a named pipe", nullptr, 2,
         " \xB7 Game module game2.so could not be loaded: " + (pipes.path / "game2.so").string() + ": not a regular file",
         true},
        {"a library without keyevent", "partial", 1, " \xB7 Game module game1.so lacks the export \"keyevent\"", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        remove("sdl.log");
        timeline.clear();
        menuFrame = 0;
        librarySetDirectory(c.kind ? moduleDir(c.kind).c_str() : pipes.path.c_str());
        currentSlot = 2;
        startGameModule(c.game);
        EXPECT_EQ(activeGame, -1);
        EXPECT_EQ(gameModule.moduleLibrary, nullptr);
        EXPECT_EQ(gameModule.drawscreen, nullptr);
        if (c.kind) {
            EXPECT_FALSE(moduleMapped(c.kind, c.game)) << "a refused library is unloaded again";
        }
        std::vector<std::string> log = readLog();
        ASSERT_EQ(log.size(), 1u);
        if (c.exact) {
            EXPECT_EQ(log[0], c.logStart);
        } else {
            EXPECT_EQ(log[0].rfind(c.logStart, 0), 0u) << log[0];
        }

        // Not even "setslot" was called: every event is the menu's.
        frame({keyEvent(SDL_KEYDOWN, SDLK_a), buttonEvent(SDL_MOUSEBUTTONDOWN, 3, 3)});
        EXPECT_EQ(timeline, (Timeline{"menu key 2", "menu mouse 5", "menu draw 0", "present"}));
    }
}

TEST_F(ModuleHost, LibrariesComeFromTheProgramsOwnDirectoryNeverTheWorkingDirectory)
{
    librarySetDirectory(nullptr);
    char directory[PATH_MAX];
    ASSERT_TRUE(libraryDirectory(directory, sizeof directory));
    char expected[PATH_MAX];
    ASSERT_NE(realpath(TAVRIN_TEST_BIN_DIR, expected), nullptr);
    EXPECT_STREQ(directory, expected);

    // A perfectly good game in the working directory is not picked up.
    std::ifstream good(moduleDir("recorder") + "/game1.so", std::ios::binary);
    std::ofstream copy("game1.so", std::ios::binary);
    copy << good.rdbuf();
    copy.close();
    startGameModule(1);
    EXPECT_EQ(activeGame, -1);
    EXPECT_TRUE(timeline.empty());
    std::vector<std::string> log = readLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find(std::string(expected) + "/game1.so"), std::string::npos) << log[0];
    remove("game1.so");
}

// ----------------------------------------------------------------------------------------------------
// The module shown in the README
// ----------------------------------------------------------------------------------------------------
TEST_F(ModuleHost, ReadmeModuleDrawsItsSquareAndEndsOnEscape)
{
    librarySetDirectory(moduleDir("readme").c_str());
    startGameModule(1);
    ASSERT_EQ(activeGame, 1) << (readLog().empty() ? "" : readLog()[0]);
    frame({motionEvent(200, 150)});
    EXPECT_EQ(pixelAt(screen, 200, 150), colour(230, 60, 40));
    EXPECT_EQ(pixelAt(screen, 600, 500), colour(120, 200, 255));
    frame({keyEvent(SDL_KEYDOWN, SDLK_a), keyEvent(SDL_KEYUP, SDLK_a)});
    EXPECT_EQ(activeGame, 1);
    timeline.clear();
    frame({keyEvent(SDL_KEYDOWN, SDLK_ESCAPE), motionEvent(10, 10)});
    EXPECT_EQ(activeGame, -1);
    EXPECT_EQ(timeline, (Timeline{"menu mouse 4", "menu draw 0", "present"}));
}

}  // namespace

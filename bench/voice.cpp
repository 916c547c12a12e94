// voice.cpp -- what the games' voice costs: decoding a clip, a game's start, and its frames when a question is said
//
// Runs the built game library as the shell does without OpenGL (its drawing services blit with plain SDL onto
// an 800 x 600 surface), on SDL's silent audio driver: from a copy of the run-time tree without the voice's
// folder (the games as they were before they spoke), with the effects volume at 0, and speaking.
#include <dlfcn.h>
#include <unistd.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "events.h"
#include "../tests/games/sdl_services.h"
#include "store_sandbox.h"
#include "tavrin/module.h"
#include "tavrin/progress.h"
#include "tavrin/store.h"

namespace fs = std::filesystem;

namespace {

struct Figures {
    std::vector<double> values;
    void add(double v) { values.push_back(v); }
    double at(double share)
    {
        if (values.empty()) return 0;
        std::sort(values.begin(), values.end());
        return values[std::min(values.size() - 1, static_cast<size_t>(share * values.size()))];
    }
};

// The processor time of the calling thread: the game's own work, without the mixer's thread and the voice's
// decoder, which run beside it.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The processor time of a step on this thread and the wall time around it, in milliseconds.
template <typename Step> void timed(Step step, Figures *cpu, Figures *wall)
{
    auto begin = std::chrono::steady_clock::now();
    double before = threadMilliseconds();
    step();
    cpu->add(threadMilliseconds() - before);
    wall->add(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
}

// Every clip of the voice decoded into the mixer's format, as the game's decoder does before a clip is said.
void decodeClips()
{
    Figures cpu;
    double seconds = 0;
    for (const auto &entry : fs::directory_iterator("snd/voice")) {
        if (entry.path().extension() != ".ogg") continue;
        double before = threadMilliseconds();
        Mix_Chunk *chunk = Mix_LoadWAV(entry.path().c_str());
        cpu.add(threadMilliseconds() - before);
        if (!chunk) continue;
        seconds += chunk->alen / (44100.0 * 4);
        Mix_FreeChunk(chunk);
    }
    std::printf("decoding a clip (%zu clips, %.0f s of speech): median %.2f ms, 95th %.2f ms, longest %.2f ms\n",
                cpu.values.size(), seconds, cpu.at(0.5), cpu.at(0.95), cpu.at(1.0));
}

void setVolume(int volume)
{
    StoreKey key = nullptr;
    if (storeOpenKey(TAVRIN_SETTINGS_ROOT, StoreWrite, &key) == StoreOk) {
        storeSetDword(key, "fxvolume", volume);
        storeCloseKey(key);
    }
}

// Starts the game three times, then opens every task of the map in turn and lets its first question be said
// while the pointer passes over the answers, timing the start, each task's start (the click and the frame
// after it) and every frame drawn.
void playGame(const char *file, int tasks, int volume, const char *what)
{
    setVolume(volume);
    void *library = dlopen((std::string("./") + file).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::printf("%s: %s\n", file, dlerror());
        return;
    }
    auto setslot = reinterpret_cast<ModuleSetSlotFn>(dlsym(library, "setslot"));
    auto drawscreen = reinterpret_cast<ModuleDrawScreenFn>(dlsym(library, "drawscreen"));
    auto mouseevent = reinterpret_cast<ModuleEventFn>(dlsym(library, "mouseevent"));
    auto click = [&](int x, int y) {
        SDL_Event move = motionEvent(x, y), press = buttonEvent(SDL_MOUSEBUTTONDOWN, x, y, SDL_BUTTON_LEFT);
        mouseevent(&move);
        mouseevent(&press);
    };
    Figures starts, taskStarts, taskStartsWall, frames, framesWall, ignored;
    auto frame = [&] { drawscreen(blit, setClip, fill); };
    for (int i = 0; i < 3; ++i) timed([&] { setslot(0); frame(); }, &starts, &ignored);
    // The middle of every tile: rows of five tiles, 144 wide, between y 104 and 534 (the map's layout).
    int rows = tasks / 5, height = std::min(140, (430 - (rows - 1) * 8) / rows);
    int top = 104 + (430 - (rows * height + (rows - 1) * 8)) / 2;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < 5; ++col) {
            // The click that opens the task and the frame that shows it: the question starts being said.
            timed([&] { click(24 + col * 152 + 72, top + row * (height + 8) + height / 2); frame(); }, &taskStarts,
                  &taskStartsWall);
            for (int f = 0; f < 120; ++f) { // the question said, the child pointing at the answers
                if (f % 30 == 0) {
                    SDL_Event move = motionEvent(150 + f * 4, 420);
                    mouseevent(&move);
                }
                timed(frame, &frames, &framesWall);
            }
            click(700, 570); // "feladatok"
            frame();
        }
    std::printf("%s %-28s start %5.1f ms; task start median %.1f ms, longest %.1f ms (wall %.1f, %.1f); "
                "frame 99th %.1f ms, longest %.1f ms (wall %.1f, %.1f)\n",
                file, what, starts.at(0.5), taskStarts.at(0.5), taskStarts.at(1.0), taskStartsWall.at(0.5),
                taskStartsWall.at(1.0), frames.at(0.99), frames.at(1.0), framesWall.at(0.99), framesWall.at(1.0));
    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    reinterpret_cast<ModuleEventFn>(dlsym(library, "keyevent"))(&escape);
    dlclose(library);
}

} // namespace

int main()
{
    std::printf("processor time of the game's thread in milliseconds (wall time in brackets, which a busy machine "
                "inflates); a frame has 20 ms\n");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    if (!screen || SDL_Init(SDL_INIT_AUDIO) < 0 || Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048) < 0) {
        std::printf("no audio: %s\n", SDL_GetError());
        return 1;
    }
    StoreSandbox sandbox("tavrin-bench-voice");
    // The games as they were before they spoke: a copy of the run-time tree without the voice's folder.
    ScratchDir silent("tavrin-bench-voice-none");
    fs::copy(TAVRIN_RUN_DIR, silent.path, fs::copy_options::recursive);
    fs::remove_all(silent.path / "snd" / "voice");
    silent.enter();
    playGame("game1.so", FirstGameTaskCount, 128, "without the voice folder:");
    playGame("game2.so", SecondGameTaskCount, 128, "without the voice folder:");
    if (chdir(TAVRIN_RUN_DIR) != 0) return 1;
    decodeClips();
    for (int volume : {0, 128}) {
        const char *what = volume ? "speaking:" : "with the voice at volume 0:";
        playGame("game1.so", FirstGameTaskCount, volume, what);
        playGame("game2.so", SecondGameTaskCount, volume, what);
    }
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}

// menu.cpp -- what a menu frame costs on each screen through OpenGL and through plain SDL, how long the
// program takes to its first frame, and the frame rate the real program holds over ten seconds
//
// Run it under a display (xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench-menu).
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <SDL/SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "base/screen.h"
#include "base/state.h"
#include "menu/menu.h"
#include "shell/assets.h"
#include "shell/loop.h"
#include "video/video_internal.h"

#include "desktop.h"
#include "gl_recorder.h"
#include "measure.h"
#include "real_program.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int warmFrames = 30;
constexpr int timedFrames = 300;
constexpr std::array<int, 4> screens = {ScreenPlayerChoice, ScreenMain, ScreenSettings, ScreenCredits};
constexpr std::array<const char *, 4> screenNames = {"player choice", "main", "settings", "credits"};

// Also silences the child's own output: the layer's upload notes and its leak report at exit.
static void enterScratch(const RunCopy &copy)
{
    fs::current_path(copy.run());
    setenv("XDG_CONFIG_HOME", copy.config.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    close(quiet);
}

// Per screen: the wall time of a frame, of its first frame, and the CPU time of a frame (the process's
// own and, on a software rasterizer, its drawing threads'), in milliseconds.
// Then the texture binds and the quads of a frame through OpenGL.
using ScreenTimes = std::array<double, 20>;

// In a child process: loads everything, sets the mode and times each screen unpaced. Writes the
// milliseconds per frame of the four screens to the pipe.
static void timeScreens(const RunCopy &copy, Uint32 flags, int out)
{
    enterScratch(copy);
    SDL_Init(SDL_INIT_VIDEO);
    if (!init()) _exit(1);
    screen = VideoSetMode(800, 600, 32, flags);
    if (!screen) _exit(2);
    if (VideoGLLoaded()) countGLDrawing();
    mouseX = 200;  // over a button, so that a caption is highlighted as it often is
    mouseY = 290;
    ScreenTimes perFrame{};
    for (size_t i = 0; i < screens.size(); ++i) {
        menuScreen = screens[i];
        menuFrame = 100;  // the buttons have slid in and the mascot stands in its corner
        // The first frame of a screen uploads the pictures and glyphs it shows for the first time.
        Clock::time_point first = Clock::now();
        drawMenu();
        VideoFlip(screen);
        perFrame[4 + i] = std::chrono::duration<double, std::milli>(Clock::now() - first).count();
        for (int f = 1; f < warmFrames; ++f) {
            drawMenu();
            VideoFlip(screen);
        }
        Clock::time_point start = Clock::now();
        const double cpuStart = cpuMilliseconds();
        glDrawCounts = {};
        for (int f = 0; f < timedFrames; ++f) {
            drawMenu();
            VideoFlip(screen);
        }
        std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        perFrame[i] = elapsed.count() / timedFrames;
        perFrame[8 + i] = (cpuMilliseconds() - cpuStart) / timedFrames;
        perFrame[12 + i] = static_cast<double>(glDrawCounts.binds) / timedFrames;
        perFrame[16 + i] = static_cast<double>(glDrawCounts.vertices) / 4 / timedFrames;
    }
    ssize_t written = write(out, perFrame.data(), sizeof perFrame);
    _exit(written == sizeof perFrame ? 0 : 3);
}

static bool measurePath(const RunCopy &copy, Uint32 flags, ScreenTimes *perFrame)
{
    pid_t pid = -1;
    int in = forkWriter([&](int out) { timeScreens(copy, flags, out); }, &pid);
    if (in < 0) return false;
    ssize_t got = read(in, perFrame->data(), sizeof *perFrame);
    return reap(in, pid) && got == sizeof *perFrame;
}

// In a child process: the whole start of the program up to its first presented frame, which then
// ends the run. Writes the milliseconds to the pipe, wall and CPU.
static Clock::time_point programStart;
static int startOut = -1;
static int presentFirstAndQuit(SDL_Surface *surface)
{
    int result = VideoFlip(surface);
    std::chrono::duration<double, std::milli> elapsed = Clock::now() - programStart;
    const double ms[2] = {elapsed.count(), cpuMilliseconds()};  // the child's CPU clock began at the fork
    if (write(startOut, ms, sizeof ms) != sizeof ms) _exit(3);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    frameHooks.present = VideoFlip;
    return result;
}

static bool measureStart(const RunCopy &copy, double ms[2])
{
    pid_t pid = -1;
    int in = forkWriter(
        [&](int out) {
            enterScratch(copy);
            startOut = out;
            frameHooks.present = presentFirstAndQuit;
            programStart = Clock::now();
            char name[] = "tavrin";
            char *argv[] = {name, nullptr};
            _exit(shellMain(1, argv));
        },
        &pid);
    if (in < 0) return false;
    ssize_t got = read(in, ms, 2 * sizeof(double));
    reap(in, pid);
    return got == 2 * sizeof(double);
}

// In a child process: the whole program for ten seconds from its first presented frame, paced as it
// runs, with the moment of every presentation taken. Writes the intervals between them to the pipe.
static std::vector<double> presentedAt;
static int pacingOut = -1;
static int presentAndTime(SDL_Surface *surface)
{
    int result = VideoFlip(surface);
    presentedAt.push_back(std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count());
    if (presentedAt.back() - presentedAt.front() >= 10000.0 && presentedAt.size() > 1) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        frameHooks.present = VideoFlip;
    }
    return result;
}

static bool measurePacing(const RunCopy &copy, std::vector<double> *intervals,
                          const std::vector<std::string> &environment = {})
{
    pid_t pid = -1;
    int in = forkWriter(
        [&](int out) {
            enterScratch(copy);
            // "NAME=value" sets, a bare "NAME" unsets, as for the programs the tests start.
            for (const std::string &setting : environment) {
                const size_t equals = setting.find('=');
                if (equals == std::string::npos) unsetenv(setting.c_str());
                else setenv(setting.substr(0, equals).c_str(), setting.substr(equals + 1).c_str(), 1);
            }
            presentedAt.reserve(1000);
            pacingOut = out;
            frameHooks.present = presentAndTime;
            char name[] = "tavrin";
            char *argv[] = {name, nullptr};
            shellMain(1, argv);
            std::vector<double> gaps;
            for (size_t i = 1; i < presentedAt.size(); ++i) gaps.push_back(presentedAt[i] - presentedAt[i - 1]);
            size_t count = gaps.size();
            bool ok = write(pacingOut, &count, sizeof count) == sizeof count &&
                      write(pacingOut, gaps.data(), count * sizeof(double)) == static_cast<ssize_t>(count * sizeof(double));
            _exit(ok ? 0 : 3);
        },
        &pid);
    if (in < 0) return false;
    size_t count = 0;
    bool ok = read(in, &count, sizeof count) == sizeof count && count > 0 && count < 100000;
    if (ok) {
        intervals->resize(count);
        size_t got = 0;
        while (got < count * sizeof(double)) {
            ssize_t n = read(in, reinterpret_cast<char *>(intervals->data()) + got, count * sizeof(double) - got);
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        ok = got == count * sizeof(double);
    }
    reap(in, pid);
    return ok;
}

// The real program, started from the scratch copy, left to run for ten seconds and asked to quit; the
// frame rate it wrote into its log.
static std::string tenSecondFrameRate(const RunCopy &copy)
{
    pid_t pid = startProcess({{(copy.run() / "tavrin").string()}, copy.environment(), copy.run(), "/dev/null", "/dev/null"});
    if (pid < 0) return "could not start";
    std::this_thread::sleep_for(std::chrono::seconds(10));
    kill(pid, SIGTERM);  // SDL turns it into a quit event: the loop ends after its frame
    waitExitCode(pid);

    std::string log = copy.log();
    std::smatch match;
    if (!std::regex_search(log, match, std::regex("  -> ([0-9.]+) frames per second"))) return "no line in the log";
    return match[1];
}

// The full-screen setting in the copy's store, as the settings screen would write it.
static void setFullscreen(const RunCopy &copy, int on)
{
    runProgram((copy.run() / "tavrin-reg").string(),
               {"add", "Software\\Vorniquel\\Tavrin", "/v", "fullscreen", "/t", "REG_DWORD", "/d", std::to_string(on), "/f"},
               copy.environment());
}

// The real program on the player-choice screen with the given environment: the processor time it takes
// over ten seconds (all its threads, after three seconds to start and let the buttons slide in), as a
// share of one core, and how the log says it draws. -1 when it could not be measured.
static double cpuShare(const RunCopy &copy, const std::vector<std::string> &environment, std::string *drawnWith)
{
    std::vector<std::string> env = copy.environment();
    env.insert(env.end(), environment.begin(), environment.end());
    fs::remove(copy.run() / "sdl.log");
    pid_t pid = startProcess({{(copy.run() / "tavrin").string()}, env, copy.run(), "/dev/null", "/dev/null"});
    if (pid < 0) return -1;
    auto ticks = [pid]() {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // Fields 14 and 15, user and system time, follow the command's closing parenthesis.
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        long long user = 0, system = 0;
        for (int i = 3; i <= 15 && fields >> field; i++) {
            if (i == 14) user = std::stoll(field);
            if (i == 15) system = std::stoll(field);
        }
        return user + system;
    };
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const long long before = ticks();
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const long long after = ticks();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    kill(pid, SIGTERM);
    const bool ended = waitExitCode(pid) == 0;
    std::smatch match;
    const std::string log = copy.log();
    *drawnWith = std::regex_search(log, match, std::regex("drawn with ([^\n]+)\n")) ? match[1].str() : "?";
    if (!ended || before <= 0) return -1;
    return 100.0 * static_cast<double>(after - before) / static_cast<double>(sysconf(_SC_CLK_TCK)) / seconds;
}

// The same frame intervals as figures: median, 99th percentile and maximum in milliseconds.
static void printIntervals(const char *what, std::vector<double> intervals)
{
    if (intervals.empty()) {
        printf("%s: frame intervals not measured\n", what);
        return;
    }
    std::sort(intervals.begin(), intervals.end());
    auto at = [&](double share) { return intervals[std::min(intervals.size() - 1, size_t(share * intervals.size()))]; };
    printf("%s: frame intervals median %.1f ms, 99th percentile %.1f ms, maximum %.1f ms (%zu frames, target: 99th "
           "percentile at most 22 ms)\n",
           what, at(0.5), at(0.99), intervals.back(), intervals.size() + 1);
}

// Windowed at 800 x 600 on the caller's display, and full screen on a 1920 x 1080 display of its own:
// each with the path the program chooses and with each path asked for, the real program's share of a core
// and, from a run of its own, its frame intervals.
static void todaysScreens(const RunCopy &copy)
{
    VirtualDisplay fullHd("1920x1080x24");
    const char *callerDisplay = getenv("DISPLAY");
    const struct {
        const char *what;
        int fullscreen;
        std::string display;
    } places[] = {{"window 800x600", 0, callerDisplay ? callerDisplay : ""},
                  {"full screen 1920x1080", 1, fullHd.name}};
    printf("\nreal program on the player-choice screen, 10 s each: processor time as a share of one core, and frame\n"
           "intervals (target: 99th percentile at most 22 ms)\n");
    for (const auto &place : places) {
        if (place.display.empty()) {
            printf("  %-22s no display\n", place.what);
            continue;
        }
        setFullscreen(copy, place.fullscreen);
        for (const char *path : {"TAVRIN_VIDEO", "TAVRIN_VIDEO=opengl", "TAVRIN_VIDEO=sdl"}) {
            const std::vector<std::string> environment = {"DISPLAY=" + place.display, path};
            std::string drawnWith;
            const double share = cpuShare(copy, environment, &drawnWith);
            std::vector<double> intervals;
            for (int attempt = 0; attempt < 3 && intervals.empty(); ++attempt)
                if (!measurePacing(copy, &intervals, environment)) intervals.clear();
            char label[96];
            snprintf(label, sizeof label, "  %-22s %-17s %5.1f %% (%s)", place.what,
                     strchr(path, '=') ? strchr(path, '=') + 1 : "chosen by itself", share, drawnWith.c_str());
            printIntervals(label, intervals);
        }
    }
    setFullscreen(copy, 0);
}

int main()
{
    // Plain SDL would otherwise fall back to a text-mode driver when the display is busy, and measure that.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    RunCopy copy("tavrin-bench");

    ScreenTimes gl{}, sdl{};
    bool glOk = measurePath(copy, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF, &gl);
    bool sdlOk = measurePath(copy, SDL_HWSURFACE | SDL_DOUBLEBUF, &sdl);
    printf("menu frame, unpaced, %d frames per screen after %d to warm up (milliseconds per frame)\n", timedFrames,
           warmFrames);
    printf("  %-14s %10s %10s %8s %14s %14s %10s %10s %8s %8s\n", "screen", "OpenGL", "plain SDL", "ratio",
           "1st GL frame", "1st SDL frame", "GL cpu", "SDL cpu", "binds", "quads");
    for (size_t i = 0; i < screens.size(); ++i) {
        printf("  %-14s %10.3f %10.3f %8.2f %14.1f %14.1f %10.3f %10.3f %8.0f %8.0f\n", screenNames[i],
               glOk ? gl[i] : -1.0, sdlOk ? sdl[i] : -1.0, glOk && sdlOk && gl[i] > 0 ? sdl[i] / gl[i] : 0.0,
               gl[4 + i], sdl[4 + i], gl[8 + i], sdl[8 + i], gl[12 + i], gl[16 + i]);
    }
    printf("  (ratio = plain SDL / OpenGL; a frame has 20 ms at 50 frames per second; the first frame of a\n"
           "  screen includes the uploads of what it shows for the first time)\n");
    if (glOk && gl[1] > 0 && gl[9] > 0)
        printf("credits / main through OpenGL: wall %.2f, cpu %.2f (target: at most 1.15)\n", gl[3] / gl[1],
               gl[11] / gl[9]);

    // Five starts; the median of each figure. A virtual display now and then turns a connection away;
    // such a start never presents a frame and is simply tried again.
    std::vector<double> startWall, startCpu;
    for (int attempt = 0; attempt < 8 && startWall.size() < 5; ++attempt) {
        fs::remove(copy.run() / "sdl.log");
        double ms[2];
        if (!measureStart(copy, ms)) continue;
        startWall.push_back(ms[0]);
        startCpu.push_back(ms[1]);
    }
    if (!startWall.empty()) {
        std::sort(startWall.begin(), startWall.end());
        std::sort(startCpu.begin(), startCpu.end());
        printf("start of the program to its first presented frame: %.1f ms (cpu %.1f ms; median of %zu starts)\n",
               startWall[startWall.size() / 2], startCpu[startCpu.size() / 2], startWall.size());
    } else {
        printf("start of the program to its first presented frame: not measured\n");
    }

    std::string rate;
    for (int attempt = 0; attempt < 3; ++attempt) {
        fs::remove(copy.run() / "sdl.log");
        rate = tenSecondFrameRate(copy);
        if (rate != "no line in the log") break;
    }
    printf("real program, 10-second run: %s frames per second\n", rate.c_str());

    todaysScreens(copy);

    return glOk && sdlOk ? 0 : 1;
}

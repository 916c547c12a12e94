// wine_program_test.cpp -- the Windows build's tavrin.exe played under Wine with xdotool: its window, its
// log and output files, its screen held against the Linux program's, both games, the settings, the
// registry, and a clean exit. Runs from the Windows suite, which gives it a Wine prefix and a display.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <sstream>

#include "engine.h"
#include "forest.h"
#include "tasks.h"
#include "town.h"
#include "../support/real_program.h"

// Last, and their macros that clash with other names dropped: only the screen capture uses them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef None
#undef Bool
#undef Status

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string environmentOr(const char *name, const char *fallback)
{
    const char *value = getenv(name);
    return value && *value ? value : fallback;
}

const std::string wine = environmentOr("TAVRIN_WINE", "wine");
const std::string windowsRun = environmentOr("TAVRIN_WINDOWS_RUN", "");

// Runs a command to its end with its output in *out; its exit code, -1 when it did not end normally.
int command(const std::vector<std::string> &args, std::string *out = nullptr, const fs::path &directory = {})
{
    ScratchDir scratch;
    fs::path output = scratch.path / "out";
    std::vector<std::string> copy = args;
    std::vector<char *> argv;
    for (std::string &a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (out) *out = readFile(output);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The display now and then turns a connection away; xdotool then fails before doing anything.
int xdotool(const std::vector<std::string> &args, std::string *out = nullptr)
{
    std::vector<std::string> all = {"xdotool"};
    all.insert(all.end(), args.begin(), args.end());
    int code = -1;
    for (int attempt = 0; attempt < 10 && code != 0; ++attempt) {
        code = command(all, out);
        if (code != 0) std::this_thread::sleep_for(50ms);
    }
    return code;
}

// The visible window named exactly "Tavrin", or empty after about the given time.
std::string findWindow(std::chrono::seconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        std::string ids;
        if (xdotool({"search", "--onlyvisible", "--name", "^Tavrin$"}, &ids) == 0) {
            std::istringstream lines(ids);
            for (std::string id; std::getline(lines, id);) {
                std::string name;
                if (xdotool({"getwindowname", id}, &name) == 0 && name == "Tavrin\n") return id;
            }
        }
        std::this_thread::sleep_for(200ms);
    }
    return "";
}

// The window's 800 x 600 picture, one 0xRRGGBB value per pixel; empty when it cannot be read.
std::vector<uint32_t> capture(const std::string &window)
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

int channelDifference(uint32_t a, uint32_t b)
{
    int largest = 0;
    for (int shift : {0, 8, 16}) largest = std::max(largest, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
    return largest;
}

struct Pointer {
    std::string window;
    void moveTo(int x, int y)
    {
        xdotool({"mousemove", "--window", window, std::to_string(x), std::to_string(y)});
        std::this_thread::sleep_for(100ms);
    }
    // A click lets a few frames pass, so that the program has taken it before the next one.
    void clickAt(int x, int y)
    {
        moveTo(x, y);
        xdotool({"click", "1"});
        std::this_thread::sleep_for(400ms);
    }
    void click(const SDL_Rect &r) { clickAt(r.x + r.w / 2, r.y + r.h / 2); }
    void key(const char *name)
    {
        xdotool({"windowfocus", "--sync", window});
        xdotool({"key", name});
        std::this_thread::sleep_for(600ms);
    }
};

// The registry of the Wine prefix, as "reg query" prints it.
std::string registry(const std::string &key)
{
    std::string out;
    command({wine, "reg", "query", key}, &out);
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    return out;
}

bool hasDword(const std::string &listing, const std::string &name, unsigned value)
{
    std::ostringstream hex;
    hex << std::hex << value;
    return std::regex_search(listing, std::regex("\n +" + name + " +REG_DWORD +0x" + hex.str() + "\n"));
}

// Plays the game's first task to its end with the right answers, in the order a first visit shows them.
void finishFirstTask(Pointer &pointer, const GameDef &game)
{
    pointer.click(tileRect(0, game.taskCount));
    std::this_thread::sleep_for(1s);
    const Task &task = game.tasks[0];
    for (int r = 0; r <= RoundsPerTask; ++r) {
        const Round &round = r < RoundsPerTask ? task.rounds[r] : task.quiz;
        RuleFn rule = r < RoundsPerTask ? task.rule : task.quizRule;
        int right = 0;
        while (!rule(round, right)) ++right;
        pointer.click(choiceRect(right, choiceCount(round)));
        std::this_thread::sleep_for(2500ms);  // the praise, then the next question
    }
}

class WindowsProgram : public ::testing::Test {
protected:
    ScratchDir scratch;
    fs::path run;

    void SetUp() override
    {
        ASSERT_FALSE(windowsRun.empty()) << "TAVRIN_WINDOWS_RUN names no folder";
        run = scratch.path / "run";
        fs::copy(windowsRun, run, fs::copy_options::recursive);
        for (const char *file : {"sdl.log", "stdout.txt", "stderr.txt"}) fs::remove(run / file);
        // A registry without the program's key: the defaults, and no player has done anything.
        command({wine, "reg", "delete", "HKCU\\Software\\Vorniquel\\Tavrin", "/f"});
    }

    pid_t start()
    {
        std::string program = (run / "tavrin.exe").string();
        std::vector<std::string> args = {wine, program};
        std::vector<char *> argv;
        for (std::string &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment;
        for (char **e = environ; *e; ++e) environment.push_back(*e);
        environment.push_back("SDL_AUDIODRIVER=dummy");
        std::vector<char *> envp;
        for (std::string &e : environment) envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, run.c_str());
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        int failed = posix_spawnp(&pid, wine.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        return failed ? -1 : pid;
    }
};

// The player choice as the Linux program draws it: two pictures a second apart, so that what moves
// (clouds, mascot) can be left out of the comparison.
struct Reference {
    std::vector<uint32_t> first, second;
};

Reference linuxPlayerChoice()
{
    Reference reference;
    RunCopy copy;
    pid_t pid = startProgram(copy, {});
    if (pid < 0) return reference;
    std::string window = findWindow(30s);
    if (!window.empty()) {
        xdotool({"mousemove", "--window", window, "790", "590"});
        std::this_thread::sleep_for(3s);
        reference.first = capture(window);
        std::this_thread::sleep_for(1100ms);
        reference.second = capture(window);
    }
    kill(pid, SIGTERM);
    waitForExit(pid, 10s);
    return reference;
}

TEST_F(WindowsProgram, StartsDrawsAsOnLinuxPlaysBothGamesAndQuitsCleanly)
{
    Reference reference = linuxPlayerChoice();

    pid_t pid = start();
    ASSERT_GT(pid, 0);
    Pointer pointer{findWindow(90s)};
    if (pointer.window.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "no window \"Tavrin\"; sdl.log:\n" << readFile(run / "sdl.log") << "stderr.txt:\n"
               << readFile(run / "stderr.txt");
    }

    // The player choice, the pointer out of the way, against the Linux picture where that stands still.
    pointer.moveTo(790, 590);
    std::this_thread::sleep_for(3s);
    std::vector<uint32_t> shot = capture(pointer.window);
    ASSERT_EQ(shot.size(), 800u * 600u);
    if (reference.first.size() == shot.size() && reference.second.size() == shot.size()) {
        int compared = 0, differing = 0, largest = 0;
        for (size_t i = 0; i < shot.size(); ++i) {
            if (channelDifference(reference.first[i], reference.second[i]) != 0) continue;  // moving
            ++compared;
            int d = channelDifference(reference.first[i], shot[i]);
            largest = std::max(largest, d);
            differing += d > 3;
        }
        std::printf("screen comparison: %d of %d still pixels compared, %d differ by more than 3 levels, "
                    "largest difference %d\n", compared, 800 * 600, differing, largest);
        EXPECT_GT(compared, 800 * 600 / 2);
        EXPECT_LT(differing, compared / 1000) << "largest difference " << largest;
    } else {
        ADD_FAILURE() << "the Linux program's player choice could not be captured";
    }

    pointer.clickAt(200, 235);  // "A játékos"
    // "erdei kalandok": the first task played to its end, then Escape.
    pointer.clickAt(200, 170);
    std::this_thread::sleep_for(1500ms);
    std::vector<uint32_t> game = capture(pointer.window);
    ASSERT_EQ(game.size(), 800u * 600u);
    EXPECT_EQ(game[40 * 800 + 60] >> 8, 0xFFFAu) << std::hex << game[40 * 800 + 60] << " (the game's cream panel)";
    finishFirstTask(pointer, forestDefinition());
    pointer.key("Escape");
    // "városi kalandok": opened and left with Escape.
    pointer.clickAt(200, 235);
    std::this_thread::sleep_for(1500ms);
    game = capture(pointer.window);
    ASSERT_EQ(game.size(), 800u * 600u);
    EXPECT_EQ(game[40 * 800 + 60] >> 8, 0xFFFAu) << std::hex << game[40 * 800 + 60];
    pointer.key("Escape");
    // The settings: the quiz switched off, then "vissza" writes them.
    pointer.clickAt(200, 300);
    pointer.clickAt(300, 255);
    pointer.clickAt(200, 440);
    pointer.clickAt(200, 440);  // "kilépés"
    int status = waitForExit(pid, 60s);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    std::string settings = registry("HKCU\\Software\\Vorniquel\\Tavrin");
    EXPECT_TRUE(hasDword(settings, "quiz", 0)) << settings;
    EXPECT_TRUE(hasDword(settings, "musicvolume", 128)) << settings;
    std::string slot = registry("HKCU\\Software\\Vorniquel\\Tavrin\\slot1");
    EXPECT_TRUE(hasDword(slot, "g1a0", 2)) << slot;

    std::string log = readFile(run / "sdl.log");
    std::printf("sdl.log:\n%s", log.c_str());
    // A text file of the platform: carriage return and line feed end every line.
    EXPECT_NE(log.find("\r\n\r\ntavrin.exe started "), std::string::npos);
    log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
    EXPECT_NE(log.find("\n\ntavrin.exe started ----------------------------------------------\n\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 [^\n]+ \\([^\n]*\\)\n \xB7 CPU Speed: [0-9]+ Mhz\n"))) << log;
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 System memory total/available: [0-9]+Mb / [0-9]+Mb\n")));
    EXPECT_NE(log.find("\n \xB7 Screen resolution 800x600x32bits\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(log, std::regex("\nOpened audio at [0-9]+ Hz 16 bit stereo, [0-9]+ bytes audio buffer\n\n")));
    EXPECT_TRUE(std::regex_search(log, std::regex("\n  -> [0-9]+\\.[0-9]{2} frames per second\n$")));
    EXPECT_EQ(log.find("Couldn't"), std::string::npos);

    // SDL's entry sends the program's standard output and error to files beside it.
    std::string out = readFile(run / "stdout.txt"), err = readFile(run / "stderr.txt");
    EXPECT_TRUE(std::regex_search(out, std::regex("desired = 800 x 600\r?\nreal = 800 x 600\r?\n"))) << out;
    EXPECT_NE(err.find("video: Max texture size: "), std::string::npos) << err;
}

}  // namespace

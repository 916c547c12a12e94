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
#include "town.h"
#include "desktop.h"
#include "game_window.h"
#include "real_program.h"
#include "window_capture.h" // last: it drops the X11 macros that clash with other names

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
const std::string windowsSetup = environmentOr("TAVRIN_WINDOWS_SETUP", "");

// Runs a command to its end with its output in *out; its exit code, -1 when it did not end normally.
int command(const std::vector<std::string> &args, std::string *out = nullptr)
{
    ProgramRun run = runProcess(args);
    if (out) *out = run.out;
    return run.exitCode;
}

// Waits up to 20 seconds for a check to hold: the program takes events a frame at a time, later still
// under Wine on a busy machine.
template <typename Check>
bool eventually(Check check)
{
    return ::eventually(check, 20s, 200ms);
}

// Clicks let a few frames pass, as Wine on a busy machine takes longer.
struct WinePointer : Pointer {
    explicit WinePointer(std::string found) : Pointer{std::move(found), {}, 100ms, 300ms, 600ms} {}
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

    pid_t start() { return start(run); }
    pid_t start(const fs::path &folder, std::vector<std::string> environment = {})
    {
        environment.push_back("SDL_AUDIODRIVER=dummy");
        return startProcess({{wine, (folder / "tavrin.exe").string()}, environment, folder, "/dev/null", "/dev/null"});
    }
};

// How a picture of the Windows program differs from the Linux program's player choice at the same frame.
// Both start from the same state and move their clouds and mascot by the frame, so the Linux window is
// captured over and over while its animation passes the frame the picture shows, and the closest
// capture counts. Both draw through OpenGL, which Wine's software renderer would not choose by itself.
struct Comparison {
    int captures = 0, differing = -1, largest = 0;  // differing: pixels apart by more than 3 levels
};

Comparison compareWithLinux(const std::vector<uint32_t> &shot)
{
    Comparison best;
    RunCopy copy;
    pid_t pid = startProgram(copy, {"TAVRIN_VIDEO=opengl"});
    if (pid < 0) return best;
    std::string window = findProgramWindow(30s);
    if (!window.empty()) {
        xdotool({"mousemove", "--window", window, "790", "590"});
        auto end = std::chrono::steady_clock::now() + 8s;
        while (std::chrono::steady_clock::now() < end) {
            std::vector<uint32_t> linux = captureWindow(window);
            if (linux.size() != shot.size()) continue;
            ++best.captures;
            int differing = 0, largest = 0;
            for (size_t i = 0; i < shot.size(); ++i) {
                int d = channelDifference(linux[i], shot[i]);
                largest = std::max(largest, d);
                differing += d > 3;
            }
            if (best.differing < 0 || differing < best.differing) {
                best.differing = differing;
                best.largest = largest;
            }
        }
    }
    kill(pid, SIGTERM);
    waitForExit(pid, 10s);
    return best;
}

TEST_F(WindowsProgram, StartsDrawsAsOnLinuxPlaysBothGamesAndQuitsCleanly)
{
    pid_t pid = start(run, {"TAVRIN_VIDEO=opengl"});
    ASSERT_GT(pid, 0);
    WinePointer pointer{findProgramWindow(90s)};
    if (pointer.window.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "no window \"Tavrin\"; sdl.log:\n" << readFile(run / "sdl.log") << "stderr.txt:\n"
               << readFile(run / "stderr.txt");
    }

    // The player choice, the pointer out of the way, for the comparison with the Linux program below.
    pointer.moveTo(790, 590);
    std::this_thread::sleep_for(2s);
    std::vector<uint32_t> shot = captureWindow(pointer.window);
    ASSERT_EQ(shot.size(), 800u * 600u);

    // A game's own panel is cream where the menu shows its frame; the program takes events a frame at a
    // time, later still on a busy machine, so each change is waited for.
    auto gameShows = [&](bool shown) {
        return eventually([&] {
            std::vector<uint32_t> now = captureWindow(pointer.window);
            return now.size() == 800u * 600u && ((now[40 * 800 + 60] >> 8) == 0xFFFAu) == shown;
        });
    };
    pointer.clickAt(200, 235);  // "A játékos"
    // "erdei kalandok": the first task played to its end, then Escape.
    pointer.clickAt(200, 170);
    ASSERT_TRUE(gameShows(true)) << "erdei kalandok did not start";
    // The praise lasts 70 frames, longer under Wine on a busy machine.
    EXPECT_TRUE(finishFirstTask(pointer, forestDefinition().taskCount, 4s)) << "no answer turned green";
    pointer.key("Escape");
    ASSERT_TRUE(gameShows(false)) << "Escape did not end erdei kalandok";
    std::this_thread::sleep_for(3s);  // the menu's buttons slide in anew
    // "városi kalandok": opened and left with Escape.
    pointer.clickAt(200, 235);
    ASSERT_TRUE(gameShows(true)) << "városi kalandok did not start";
    pointer.key("Escape");
    ASSERT_TRUE(gameShows(false)) << "Escape did not end városi kalandok";
    std::this_thread::sleep_for(3s);
    // The settings: the quiz switched off, then "vissza" writes them.
    pointer.clickAt(200, 300);
    pointer.clickAt(300, 255);
    pointer.clickAt(200, 440);
    pointer.clickAt(200, 440);  // "kilépés"
    EXPECT_EQ(exitCodeWithin(pid, 60s), 0);

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

    Comparison comparison = compareWithLinux(shot);
    std::printf("screen comparison with the Linux program: closest of %d captures: %d of %d pixels differ by "
                "more than 3 levels, largest difference %d\n", comparison.captures, comparison.differing,
                800 * 600, comparison.largest);
    ASSERT_GT(comparison.captures, 0) << "the Linux program's window could not be captured";
    EXPECT_LE(comparison.differing, 800 * 600 / 1000);
}

// A folder of the Wine prefix, named the Windows way ("%LOCALAPPDATA%\\Programs"), as a Linux path.
fs::path windowsFolder(const std::string &name)
{
    std::string windows, linux;
    command({wine, "cmd", "/c", "echo " + name}, &windows);
    windows.erase(std::remove_if(windows.begin(), windows.end(), [](char c) { return c == '\r' || c == '\n'; }),
                  windows.end());
    command({wine, "winepath", "-u", windows}, &linux);
    linux.erase(std::remove(linux.begin(), linux.end(), '\n'), linux.end());
    return linux;
}

// The installer as a family uses it: installed silently, played from the Start menu's folder, removed
// silently, the players' results kept.
TEST_F(WindowsProgram, TheInstallerInstallsForTheUserAndTheUninstallerRemovesAllButTheResults)
{
    if (windowsSetup.empty()) GTEST_SKIP() << "TAVRIN_WINDOWS_SETUP names no installer (scripts/package-windows)";
    const std::string uninstallKey = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tavrin";
    fs::path folder = windowsFolder("%LOCALAPPDATA%\\Programs\\Tavrin");
    fs::path shortcut = windowsFolder("%APPDATA%\\Microsoft\\Windows\\Start Menu\\Programs") / "Tavrin.lnk";
    ASSERT_FALSE(folder.empty());
    ASSERT_FALSE(fs::exists(folder)) << folder;

    ASSERT_EQ(command({wine, windowsSetup, "/S"}), 0);
    for (const char *file : {"tavrin.exe", "tavrin-reg.exe", "game1.dll", "game2.dll", "tavrin_store.dll", "SDL.dll",
                             "SDL_mixer.dll", "SDL_image.dll", "SDL_ttf.dll", "SDL_gfx.dll", "uninstall.exe",
                             "g/KOMIKATA.TTF", "g/KOMIKATA-LICENSE.txt", "g/bgtop.tga", "g1/cloud1.tga", "snd/main.ogg"})
        EXPECT_TRUE(fs::exists(folder / file)) << file;
    EXPECT_TRUE(fs::exists(shortcut)) << shortcut;
    fs::path overview = shortcut.parent_path() / "Tavrin – szülői áttekintés.lnk";
    EXPECT_TRUE(fs::exists(overview)) << overview;
    std::string entry = registry(uninstallKey);
    std::printf("after install, %s", entry.c_str());
    EXPECT_TRUE(std::regex_search(entry, std::regex("DisplayName +REG_SZ +Tavrin\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("DisplayVersion +REG_SZ +[0-9]+\\.[0-9]+\\.[0-9]+\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("Publisher +REG_SZ +Vorniquel\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("UninstallString +REG_SZ +\"[^\n]*uninstall.exe\"\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("EstimatedSize +REG_DWORD +0x[0-9a-f]+\n")));

    // Played from its folder: the window, the log there, and "kilépés" on the main menu.
    pid_t pid = start(folder);
    ASSERT_GT(pid, 0);
    WinePointer pointer{findProgramWindow(90s)};
    if (pointer.window.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "no window \"Tavrin\"; sdl.log:\n" << readFile(folder / "sdl.log");
    }
    std::this_thread::sleep_for(2s);
    pointer.clickAt(200, 235);  // "A játékos"
    pointer.clickAt(200, 440);  // "kilépés"
    EXPECT_EQ(exitCodeWithin(pid, 60s), 0);
    EXPECT_NE(readFile(folder / "sdl.log").find("tavrin.exe started ---"), std::string::npos);
    EXPECT_NE(registry("HKCU\\Software\\Vorniquel\\Tavrin").find("fxvolume"), std::string::npos);

    // The uninstaller runs on from a copy of itself, so its end shows as the folder going away.
    ASSERT_EQ(command({wine, (folder / "uninstall.exe").string(), "/S"}), 0);
    auto deadline = std::chrono::steady_clock::now() + 60s;
    while (fs::exists(folder) && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(250ms);
    EXPECT_FALSE(fs::exists(folder)) << "left behind in " << folder;
    EXPECT_FALSE(fs::exists(shortcut));
    EXPECT_FALSE(fs::exists(overview));
    EXPECT_EQ(registry(uninstallKey).find("DisplayName"), std::string::npos);
    std::string kept = registry("HKCU\\Software\\Vorniquel\\Tavrin");
    std::printf("after uninstall, the results are kept:%s", kept.c_str());
    EXPECT_NE(kept.find("fxvolume"), std::string::npos);
}

// Full screen on a Wine desktop of 1920 x 1080 (on a display of that size, so that all of it can be seen):
// the picture fills the height between black bars, without a change of mode, on the path the program
// chooses for Wine's software renderer, and the clicks land on what they point at.
TEST_F(WindowsProgram, FullScreenFillsAFullHdDesktop)
{
    VirtualDisplay fullHd("1920x1080x24");
    ASSERT_FALSE(fullHd.name.empty()) << "no virtual display";
    ASSERT_EQ(command({wine, "reg", "add", "HKCU\\Software\\Vorniquel\\Tavrin", "/v", "fullscreen", "/t", "REG_DWORD",
                       "/d", "1", "/f"}),
              0);
    ChildProcess program;
    program.pid = startProcess({{wine, "explorer", "/desktop=tavrin-fullhd,1920x1080", (run / "tavrin.exe").string()},
                                {"SDL_AUDIODRIVER=dummy", "DISPLAY=" + fullHd.name}, run, "/dev/null", "/dev/null"});
    ASSERT_GT(program.pid, 0);
    auto logHas = [&](const std::string &text) {
        return ::eventually([&] { return readFile(run / "sdl.log").find(text) != std::string::npos; }, 90s, 500ms);
    };
    ASSERT_TRUE(logHas("Window 1920x1080 (full screen), picture 1440x1080 at 240,0, drawn with plain SDL"))
        << readFile(run / "sdl.log");
    EXPECT_TRUE(std::regex_search(readFile(run / "stdout.txt"), std::regex("desired = 800 x 600\r?\nreal = 1920 x 1080")));

    // In root pixels: the picture's x and y times 1.8, beside a bar of 240.
    auto at = [](int x, int y) { return std::vector<std::string>{std::to_string(240 + x * 9 / 5), std::to_string(y * 9 / 5)}; };
    auto click = [&](int x, int y) {
        std::vector<std::string> move = {"mousemove"};
        for (const std::string &c : at(x, y)) move.push_back(c);
        xdotool(move, nullptr, {"DISPLAY=" + fullHd.name});
        std::this_thread::sleep_for(300ms);
        xdotool({"click", "1"}, nullptr, {"DISPLAY=" + fullHd.name});
        std::this_thread::sleep_for(1500ms);
    };
    std::this_thread::sleep_for(3s);  // the buttons slide in
    int width = 0, height = 0;
    ASSERT_TRUE(rootSize(fullHd.name, &width, &height));
    EXPECT_TRUE(width == 1920 && height == 1080) << width << "x" << height;
    const std::vector<uint32_t> root = capturePixels(fullHd.name, 0, 0, 0, 1920, 1080);
    ASSERT_EQ(root.size(), 1920u * 1080u);
    int barsNotBlack = 0;
    for (int y = 0; y < 1080; y += 5)
        for (int x : {0, 120, 239, 1680, 1800, 1919}) barsNotBlack += root[y * 1920 + x] != 0;
    EXPECT_EQ(barsNotBlack, 0);
    EXPECT_NE(root[540 * 1920 + 242], 0u);  // the picture's own left edge, and its right one
    EXPECT_NE(root[540 * 1920 + 1677], 0u);

    // "A játékos", then "erdei kalandok": a game's own panel is cream where the menu shows its frame.
    click(254, 239);
    click(254, 172);
    EXPECT_TRUE(eventually([&] {
        const std::vector<uint32_t> spot = capturePixels(fullHd.name, 0, 240 + 60 * 9 / 5, 40 * 9 / 5, 1, 1);
        return !spot.empty() && (spot[0] >> 8) == 0xFFFAu;
    })) << "erdei kalandok did not start";
    xdotool({"key", "Escape"}, nullptr, {"DISPLAY=" + fullHd.name});
    std::this_thread::sleep_for(3s);
    click(254, 440);  // "kilépés"
    EXPECT_TRUE(logHas(" frames per second")) << readFile(run / "sdl.log");
    program.wait(30s);
}

}  // namespace

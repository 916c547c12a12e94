// wine_program_test.cpp -- the Windows build's tavrin.exe played under Wine with xdotool: started from
// another folder, from a folder whose name the ANSI code page cannot spell, its window, its log and output
// files, its screens held against the Linux program's, both games, the settings, Alt+F4 and the exit save;
// full screen on a large desktop; and the installer and uninstaller, also over a running game. Runs from the
// Windows suite, which gives it a Wine prefix and a display.
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

// Waits for a check to hold, 20 seconds unless told otherwise: the program takes events a frame at a
// time, later still under Wine on a busy machine.
template <typename Check>
bool eventually(Check check, std::chrono::milliseconds limit = 20s)
{
    return ::eventually(check, limit, 200ms);
}

// Clicks let a few frames pass, as Wine on a busy machine takes longer.
struct WinePointer : Pointer {
    explicit WinePointer(std::string found) : Pointer{std::move(found), {}, 100ms, 300ms, 600ms} {}
};

// Quits from the player choice as a child does: the game's window brought to the front, "A játékos", and
// once the main menu's buttons have slid in, "kilépés".
void quitFromPlayerChoice(WinePointer &pointer)
{
    xdotool({"windowraise", pointer.window});
    pointer.clickAt(200, 235);
    std::this_thread::sleep_for(3s);
    pointer.clickAt(200, 440);
}

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
        // "ő" is in no Western code page: only wide-character calls find this folder.
        run = scratch.path / "Győző játékai" / "Tavrin";
        fs::create_directories(run.parent_path());
        fs::copy(windowsRun, run, fs::copy_options::recursive);
        for (const char *file : {"sdl.log", "stdout.txt", "stderr.txt"}) fs::remove(run / file);
        // A registry without the program's key: the defaults, and no player has done anything.
        command({wine, "reg", "delete", "HKCU\\Software\\Vorniquel\\Tavrin", "/f"});
    }

    // Starts tavrin.exe of folder with the working directory from, with no sound and the settings given.
    pid_t start(const fs::path &folder, const fs::path &from, std::vector<std::string> environment = {})
    {
        environment.push_back("SDL_AUDIODRIVER=dummy");
        return startProcess({{wine, (folder / "tavrin.exe").string()}, environment, from, "/dev/null", "/dev/null"});
    }
};

// How a picture of the Windows program differs from the Linux program's screen at the same moment. Both
// start from the same state and move their clouds and mascot by the frame, so the Linux window, once
// brought to the same screen by the clicks given, is captured over and over while its animation passes the
// frame the picture shows, and the closest capture counts. Both draw through OpenGL, which Wine's software
// renderer would not choose by itself.
struct Comparison {
    int captures = 0, differing = -1, largest = 0;  // differing: pixels apart by more than 3 levels
};

Comparison compareWithLinux(const std::vector<uint32_t> &shot, const std::vector<std::pair<int, int>> &clicks = {})
{
    Comparison best;
    RunCopy copy;
    pid_t pid = startProgram(copy, {"TAVRIN_VIDEO=opengl"});
    if (pid < 0) return best;
    std::string window = findProgramWindow(30s);
    if (!window.empty()) {
        Pointer pointer{window, {}};
        for (auto [x, y] : clicks) pointer.clickAt(x, y);
        if (!clicks.empty()) std::this_thread::sleep_for(2s);
        pointer.moveTo(790, 590);
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

Comparison reportComparison(const char *screen, const Comparison &comparison)
{
    std::printf("%s compared with the Linux program: closest of %d captures: %d of %d pixels differ by more "
                "than 3 levels, largest difference %d\n", screen, comparison.captures, comparison.differing,
                800 * 600, comparison.largest);
    return comparison;
}

// Started by its full path from another folder, as a launcher or a hand-made shortcut does, the program
// reads its files beside itself and writes its log and output there, never into the working directory.
TEST_F(WindowsProgram, StartedFromAnotherFolderDrawsAsOnLinuxPlaysBothGamesAndSavesAtAltF4)
{
    pid_t pid = start(run, scratch.path, {"TAVRIN_VIDEO=opengl"});
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
    // "erdei kalandok": its map, drawn with SDL_gfx's lines, arcs and polygons, kept for the comparison;
    // then the first task played to its end, and Escape.
    pointer.clickAt(200, 170);
    ASSERT_TRUE(gameShows(true)) << "erdei kalandok did not start";
    pointer.moveTo(790, 590);
    std::this_thread::sleep_for(2s);
    std::vector<uint32_t> map = captureWindow(pointer.window);
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
    // The settings: the quiz switched off, and at once Alt+F4, which SDL keeps from Windows: the program
    // ends as a closed window does, and its exit save writes the change.
    pointer.clickAt(200, 300);
    pointer.clickAt(300, 255);
    pointer.key("alt+F4");
    EXPECT_EQ(exitCodeWithin(pid, 60s), 0);

    std::string settings = registry("HKCU\\Software\\Vorniquel\\Tavrin");
    EXPECT_TRUE(hasDword(settings, "quiz", 0)) << settings;
    EXPECT_TRUE(hasDword(settings, "musicvolume", 128)) << settings;
    std::string slot = registry("HKCU\\Software\\Vorniquel\\Tavrin\\slot1");
    EXPECT_TRUE(hasDword(slot, "g1a0", 2)) << slot;

    // Nothing in the working directory; the log and the output beside the program.
    for (const char *file : {"sdl.log", "stdout.txt", "stderr.txt"})
        EXPECT_FALSE(fs::exists(scratch.path / file)) << file << " written into the working directory";
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

    // The program's entry sends its standard output and error to files beside it.
    std::string out = readFile(run / "stdout.txt"), err = readFile(run / "stderr.txt");
    EXPECT_TRUE(std::regex_search(out, std::regex("desired = 800 x 600\r?\nreal = 800 x 600\r?\n"))) << out;
    EXPECT_NE(err.find("video: Max texture size: "), std::string::npos) << err;
    EXPECT_EQ(err.find("voice:"), std::string::npos) << "the games' voice is in the run folder and plays: " << err;

    // The menu, and the game's own drawing through the real SDL_gfx, as on Linux.
    Comparison menu = reportComparison("the player choice", compareWithLinux(shot));
    ASSERT_GT(menu.captures, 0) << "the Linux program's window could not be captured";
    EXPECT_LE(menu.differing, 800 * 600 / 1000);
    Comparison forest = reportComparison("erdei kalandok' map", compareWithLinux(map, {{200, 235}, {200, 170}}));
    ASSERT_GT(forest.captures, 0);
    EXPECT_EQ(forest.differing, 0);
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

// A folder of the Wine prefix named the Windows way ("%LOCALAPPDATA%\\Programs"): its Windows and Linux paths.
struct WindowsFolder {
    std::string windows;
    fs::path linux;
};

WindowsFolder windowsFolder(const std::string &name)
{
    WindowsFolder folder;
    std::string linux;
    command({wine, "cmd", "/c", "echo " + name}, &folder.windows);
    folder.windows.erase(std::remove_if(folder.windows.begin(), folder.windows.end(),
                                        [](char c) { return c == '\r' || c == '\n'; }),
                         folder.windows.end());
    command({wine, "winepath", "-u", folder.windows}, &linux);
    linux.erase(std::remove(linux.begin(), linux.end(), '\n'), linux.end());
    folder.linux = linux;
    return folder;
}

const std::string uninstallKey = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tavrin";

// The installer as a family uses it: installed silently, installed again into another folder (the first
// copy goes), played from the Start menu's folder, removed silently, the players' results kept.
TEST_F(WindowsProgram, TheInstallerInstallsForTheUserLeavesOneCopyAndTheUninstallerRemovesAllButTheResults)
{
    if (windowsSetup.empty()) GTEST_SKIP() << "TAVRIN_WINDOWS_SETUP names no installer (scripts/package-windows)";
    WindowsFolder first = windowsFolder("%LOCALAPPDATA%\\Programs\\Tavrin");
    WindowsFolder second = windowsFolder("%LOCALAPPDATA%\\Games\\Tavrin");
    fs::path shortcut = windowsFolder("%APPDATA%\\Microsoft\\Windows\\Start Menu\\Programs").linux / "Tavrin.lnk";
    ASSERT_FALSE(first.linux.empty());
    ASSERT_FALSE(fs::exists(first.linux)) << first.linux;

    ASSERT_EQ(command({wine, windowsSetup, "/S"}), 0);
    for (const char *file : {"tavrin.exe", "tavrin-reg.exe", "tavrin-report.exe", "game1.dll", "game2.dll",
                             "tavrin_store.dll", "SDL.dll", "SDL_mixer.dll", "SDL_image.dll", "SDL_ttf.dll",
                             "libSDL_gfx-15.dll", "uninstall.exe", "g/KOMIKATA.TTF", "g/KOMIKATA-LICENSE.txt",
                             "g/bgtop.tga", "g1/cloud1.tga", "snd/main.ogg", "snd/voice/clips.txt", "licences/SDL.txt",
                             "licences/SDL_gfx.txt"})
        EXPECT_TRUE(fs::exists(first.linux / file)) << file;
    EXPECT_TRUE(fs::exists(shortcut)) << shortcut;
    fs::path overview = shortcut.parent_path() / "Tavrin – szülői áttekintés.lnk";
    EXPECT_TRUE(fs::exists(overview)) << overview;
    std::string entry = registry(uninstallKey);
    std::printf("after install, %s", entry.c_str());
    EXPECT_TRUE(std::regex_search(entry, std::regex("DisplayName +REG_SZ +Tavrin\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("DisplayVersion +REG_SZ +[0-9]+\\.[0-9]+\\.[0-9]+\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("Publisher +REG_SZ +Vorniquel\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("URLInfoAbout +REG_SZ +https://[^\n]+\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("HelpLink +REG_SZ +https://[^\n]+\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("UninstallString +REG_SZ +\"[^\n]*uninstall.exe\"\n")));
    EXPECT_TRUE(std::regex_search(entry, std::regex("EstimatedSize +REG_DWORD +0x[0-9a-f]+\n")));

    // Installed again, into another folder: the first copy goes once the second is in place.
    ASSERT_EQ(command({wine, windowsSetup, "/S", "/D=" + second.windows}), 0);
    EXPECT_FALSE(fs::exists(first.linux)) << "a second copy is left in " << first.linux;
    EXPECT_TRUE(fs::exists(second.linux / "tavrin.exe"));
    EXPECT_TRUE(fs::exists(shortcut));
    EXPECT_NE(registry(uninstallKey).find("InstallLocation    REG_SZ    " + second.windows + "\n"), std::string::npos)
        << registry(uninstallKey);
    fs::path folder = second.linux;

    // Played from its folder: the window, the log there, and "kilépés" on the main menu.
    pid_t pid = start(folder, folder);
    ASSERT_GT(pid, 0);
    WinePointer pointer{findProgramWindow(90s)};
    if (pointer.window.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        FAIL() << "no window \"Tavrin\"; sdl.log:\n" << readFile(folder / "sdl.log");
    }
    std::this_thread::sleep_for(2s);
    quitFromPlayerChoice(pointer);
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

// The visible windows whose name matches the pattern.
std::vector<std::string> windowsNamed(const std::string &pattern)
{
    std::string ids;
    xdotool({"search", "--onlyvisible", "--name", pattern}, &ids);
    std::vector<std::string> found;
    std::istringstream lines(ids);
    for (std::string id; std::getline(lines, id);) found.push_back(id);
    return found;
}

// Clicks a button of a message box with two, "retry" and "cancel" (first 0, second 1), where the system
// centres them on its lower edge: keys do not always reach a box under Wine without a window manager.
void clickBoxButton(const std::string &box, int button)
{
    std::string geometry;
    xdotool({"getwindowgeometry", "--shell", box}, &geometry);
    std::smatch width, height;
    if (!std::regex_search(geometry, width, std::regex("WIDTH=([0-9]+)")) ||
        !std::regex_search(geometry, height, std::regex("HEIGHT=([0-9]+)")))
        return;
    WinePointer pointer{box};
    pointer.clickAt(std::stoi(width[1]) / 2 + (button == 0 ? -60 : 62), std::stoi(height[1]) - 17);
}

// Waits until the window has a second one of its name beside it, the message box its program shows; the
// box, or empty.
std::string messageBoxOf(const std::string &window, const std::string &pattern)
{
    std::string box;
    eventually([&] {
        for (const std::string &id : windowsNamed(pattern))
            if (id != window) box = id;
        return !box.empty();
    });
    return box;
}

// Over a running game the installer and the uninstaller ask to quit it first, with retry and cancel: the
// install goes on once the game has ended, and a cancelled uninstall leaves everything in place.
TEST_F(WindowsProgram, TheInstallerAndTheUninstallerAskToQuitARunningGame)
{
    if (windowsSetup.empty()) GTEST_SKIP() << "TAVRIN_WINDOWS_SETUP names no installer (scripts/package-windows)";
    const std::string setupName = "^Tavrin (Setup|Telep)", uninstallName = "^Tavrin (Uninstall|Elt)";
    fs::path folder = windowsFolder("%LOCALAPPDATA%\\Programs\\Tavrin").linux;
    ASSERT_EQ(command({wine, windowsSetup, "/S"}), 0);
    // Files the install puts back, to see whether it has run, and when it has ended: the uninstaller is
    // written after every file (with the games' voice, over a thousand of them).
    fs::remove(folder / "g1" / "cloud1.tga");
    fs::remove(folder / "uninstall.exe");

    pid_t game = start(folder, folder);
    WinePointer pointer{findProgramWindow(90s)};
    ASSERT_FALSE(pointer.window.empty()) << "no window \"Tavrin\"";

    // The installer, by hand: welcome, notice, parts and folder, each taken with Enter.
    // Its output goes nowhere: the game its finish page starts would otherwise hold the test's own. That
    // game plays without sound, as every game here does.
    pid_t setup = startProcess({{wine, windowsSetup}, {"SDL_AUDIODRIVER=dummy"}, {}, "/dev/null", "/dev/null"});
    ASSERT_TRUE(eventually([&] { return windowsNamed(setupName).size() == 1; }, 60s)) << "no installer window";
    WinePointer installer{windowsNamed(setupName).front()};
    for (int page = 0; page < 4; ++page) {
        installer.key("Return");
        std::this_thread::sleep_for(1s);
    }
    std::string box = messageBoxOf(installer.window, setupName);
    ASSERT_FALSE(box.empty()) << "the installer did not ask to quit the game";
    std::this_thread::sleep_for(2s);
    EXPECT_FALSE(fs::exists(folder / "g1" / "cloud1.tga")) << "files were installed over the running game";

    // The child quits the game; "retry", the box's first button, and the install completes.
    quitFromPlayerChoice(pointer);
    EXPECT_EQ(exitCodeWithin(game, 60s), 0);
    clickBoxButton(box, 0);
    EXPECT_TRUE(eventually([&] { return fs::exists(folder / "g1" / "cloud1.tga"); }, 60s)) << "no install after retry";
    EXPECT_TRUE(eventually([&] { return fs::exists(folder / "uninstall.exe"); }, 120s)) << "the install did not end";
    std::this_thread::sleep_for(3s);
    installer.key("Return");  // the finish page, which starts the game
    EXPECT_EQ(exitCodeWithin(setup, 60s), 0);

    // The game the finish page started; then the uninstaller, by hand: it asks, and cancelled, removes nothing.
    WinePointer started{findProgramWindow(90s)};
    ASSERT_FALSE(started.window.empty()) << "the finish page did not start the game";
    ASSERT_EQ(command({wine, (folder / "uninstall.exe").string()}), 0);  // it goes on from a copy of itself
    ASSERT_TRUE(eventually([&] { return windowsNamed(uninstallName).size() == 1; }, 60s)) << "no uninstaller window";
    WinePointer uninstaller{windowsNamed(uninstallName).front()};
    uninstaller.key("Return");
    box = messageBoxOf(uninstaller.window, uninstallName);
    ASSERT_FALSE(box.empty()) << "the uninstaller did not ask to quit the game";
    clickBoxButton(box, 1);
    std::this_thread::sleep_for(3s);
    uninstaller.key("Return");  // "close" on the page that says the uninstall was cancelled
    EXPECT_TRUE(eventually([&] { return windowsNamed(uninstallName).empty(); }, 30s));
    for (const char *file : {"tavrin.exe", "SDL.dll", "g/bgtop.tga", "uninstall.exe"})
        EXPECT_TRUE(fs::exists(folder / file)) << file << " removed by a cancelled uninstall";
    EXPECT_NE(registry(uninstallKey).find("DisplayName"), std::string::npos);

    // Cleared away for the tests that follow.
    quitFromPlayerChoice(started);
    EXPECT_TRUE(eventually([&] { return findProgramWindow(1s).empty(); }, 30s));
    ASSERT_EQ(command({wine, (folder / "uninstall.exe").string(), "/S"}), 0);
    EXPECT_TRUE(eventually([&] { return !fs::exists(folder); }, 60s)) << "left behind in " << folder;
}

}  // namespace

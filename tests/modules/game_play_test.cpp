// game_play_test.cpp -- the real program: a game started from the main menu, then Escape back to the menu
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "desktop.h"
#include "menu/menu.h"
#include "real_program.h"

namespace {

using namespace std::chrono_literals;

// Whether the program has the game's library mapped right now.
bool gameLoaded(pid_t program, int game)
{
    std::ifstream maps("/proc/" + std::to_string(program) + "/maps");
    std::string needle = "/game" + std::to_string(game) + ".so";
    for (std::string line; std::getline(maps, line);) {
        if (line.size() >= needle.size() && line.compare(line.size() - needle.size(), needle.size(), needle) == 0) {
            return true;
        }
    }
    return false;
}

void clickOn(Pointer &pointer, int buttonIndex)
{
    const MenuButton &button = menuButtons[buttonIndex];
    pointer.clickAt(button.x + 160, button.y + 30);
}

// Starts the program in the copy and picks player A: the pointer on the program's own window (the
// start-up probe opens one of the same name for a moment), the main menu's buttons in place; no window
// when it did not open.
Pointer startAsPlayerA(const RunCopy &copy, ChildProcess &run)
{
    run.pid = startProgram(copy, {"SDL_VIDEODRIVER=x11"});
    Pointer pointer{run.pid > 0 ? findProgramWindow(15s) : std::string(), {}, 0ms, 0ms, 0ms};
    if (pointer.window.empty()) return pointer;
    // The buttons slide in for a while after the start and after each game.
    std::this_thread::sleep_for(2500ms);
    clickOn(pointer, btnPlayerA);
    std::this_thread::sleep_for(2500ms);
    return pointer;
}

TEST(PlayingAGame, EachGameStartsFromItsButtonAndEscapeBringsTheMenuBack)
{
    RunCopy copy("tavrin-play");
    ChildProcess run;
    Pointer pointer = startAsPlayerA(copy, run);
    ASSERT_FALSE(pointer.window.empty());
    const pid_t program = run.pid;
    const int buttons[] = {btnForest, btnCity};
    for (int game = 1; game <= 2; ++game) {
        clickOn(pointer, buttons[game - 1]);
        EXPECT_TRUE(eventually([&] { return gameLoaded(program, game); })) << "game " << game << " starts";
        std::this_thread::sleep_for(500ms);
        pointer.key("Escape");
        EXPECT_TRUE(eventually([&] { return !gameLoaded(program, game); })) << "game " << game << " ends";
        std::this_thread::sleep_for(2500ms);
    }

    // The program ends cleanly from the menu.
    kill(program, SIGTERM);
    int status = run.wait(15s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A game library cut short (a broken copy, a full disk) made the loader fault inside dlopen, which hung
// the whole program: it is refused with a line in the log, and the child stays on the menu.
TEST(PlayingAGame, ALibraryCutShortIsRefusedAndTheMenuPlaysOn)
{
    RunCopy copy("tavrin-cut");
    std::filesystem::resize_file(copy.run() / "game1.so", 20000);
    ChildProcess run;
    Pointer pointer = startAsPlayerA(copy, run);
    ASSERT_FALSE(pointer.window.empty());
    clickOn(pointer, btnForest);
    const std::string line = " \xB7 Game module game1.so could not be loaded: " + (copy.run() / "game1.so").string() +
                             ": damaged: the file is cut short (20000 bytes of ";
    EXPECT_TRUE(eventually([&] { return copy.log().find(line) != std::string::npos; })) << copy.log();

    kill(run.pid, SIGTERM);
    int status = run.wait(15s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A game that leaves a signal handler and another working directory behind, one that sets a video mode of
// its own and one that shuts SDL down: each is ended with a line in the log that names it, and the menu
// comes back in its window (the log and the count of starts stay in the working directory).
TEST(PlayingAGame, AGameThatTakesTheScreenAwayIsEndedAndLeavesNoHandlerBehind)
{
    RunCopy copy("tavrin-rogue");
    std::filesystem::copy_file(std::string(TAVRIN_TEST_MODULE_DIR) + "/rogue/game1.so", copy.run() / "game1.so",
                               std::filesystem::copy_options::overwrite_existing);
    ChildProcess run;
    Pointer pointer = startAsPlayerA(copy, run);
    ASSERT_FALSE(pointer.window.empty());
    const char *taken[] = {nullptr, "it set a video mode of its own, 640x480", "it shut SDL down"};
    for (const char *what : taken) {
        clickOn(pointer, btnForest);
        EXPECT_TRUE(eventually([&] { return gameLoaded(run.pid, 1); }));
        EXPECT_TRUE(eventually([&] { return !gameLoaded(run.pid, 1); }));
        if (what) {
            const std::string line = std::string(" \xB7 Game module game1.so took the screen away (") + what +
                                     "): the game is ended and the menu comes back\n";
            EXPECT_NE(copy.log().find(line), std::string::npos) << copy.log();
        }
        // The menu's own window, at its own size, takes the clicks again.
        pointer.window = findProgramWindow(15s);
        ASSERT_FALSE(pointer.window.empty());
        std::string geometry;
        xdotool({"getwindowgeometry", pointer.window}, &geometry);
        EXPECT_NE(geometry.find("Geometry: 800x600"), std::string::npos) << geometry;
        std::this_thread::sleep_for(2500ms);
    }
    EXPECT_EQ(readFile(copy.run() / "rogue-starts"), "3\n");

    // The handler the first game left would lie in unloaded code: the signal does what it did before.
    kill(run.pid, SIGUSR1);
    int status = run.wait(15s);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGUSR1) << status;
}

}  // namespace

// program_test.cpp -- the games in the real program, played with xdotool as a child plays them
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "desktop.h"
#include "engine.h"
#include "menu/menu.h"
#include "pixels.h"
#include "real_program.h"
#include "window_capture.h" // last: it drops the X11 macros that clash with other names

namespace {

using namespace std::chrono_literals;

Rgb colourAt(const std::vector<uint32_t> &shot, int x, int y)
{
    uint32_t p = shot[static_cast<size_t>(y) * 800 + static_cast<size_t>(x)];
    return {static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p & 0xFF)};
}

// Whether an answer card was taken: its plate beside the picture or number turns green when right, grey
// when wrong (white, or yellow under the pointer, before).
bool cardAnswered(const std::vector<uint32_t> &shot, const SDL_Rect &card)
{
    Rgb c = colourAt(shot, card.x + 14, card.y + 24);
    bool green = c.g > 230 && c.r < 215 && c.b < 205;
    bool grey = c.r > 215 && c.r < 235 && c.g > 215 && c.g < 230 && c.b > 210 && c.b < 225;
    return green || grey;
}

} // namespace

// A double-click on a task's tile opens the task, and its second press, which lands where an answer now
// stands, answers nothing; a single click there afterwards does.
TEST(PlayingAGame, ADoubleClickOnATileOpensTheTaskAndAnswersNothing)
{
    RunCopy copy("tavrin-clicks");
    ChildProcess run;
    run.pid = startProgram(copy, {"SDL_VIDEODRIVER=x11"});
    ASSERT_GT(run.pid, 0);
    Pointer pointer{findProgramWindow(15s), {}, 0ms, 0ms, 0ms};
    ASSERT_FALSE(pointer.window.empty());
    auto clickOn = [&](int buttonIndex) {
        const MenuButton &button = menuButtons[buttonIndex];
        pointer.clickAt(button.x + 160, button.y + 30);
    };
    std::this_thread::sleep_for(2500ms); // the buttons slide in
    clickOn(btnPlayerA);
    std::this_thread::sleep_for(2500ms);
    clickOn(btnForest);

    // The forest's fifteen tiles stand in three rows; the twelfth lies where the first of three answers
    // will stand.
    const SDL_Rect tile = tileRect(11, 15), card = choiceRect(0, 3);
    const int x = tile.x + tile.w / 2, y = card.y + card.h / 2;
    ASSERT_TRUE(x >= card.x && x < card.x + card.w && y >= tile.y && y < tile.y + tile.h);
    const SDL_Rect map = mapButtonRect();
    auto showsTask = [&] {
        std::vector<uint32_t> shot = captureWindow(pointer.window);
        if (shot.empty()) return false;
        Rgb c = colourAt(shot, map.x + 12, map.y + map.h / 2); // "feladatok" stands on a task's screen only
        return c.r > 220 && c.g > 110 && c.g < 170 && c.b < 90;
    };
    ASSERT_TRUE(eventually([&] {
        std::vector<uint32_t> shot = captureWindow(pointer.window);
        return !shot.empty() && colourAt(shot, 60, 40).r == 255 && !showsTask(); // the map's cream title panel
    })) << "the forest's map did not come";
    std::this_thread::sleep_for(500ms);

    pointer.moveTo(x, y);
    EXPECT_EQ(xdotool({"click", "--repeat", "2", "--delay", "90", "1"}), 0);
    ASSERT_TRUE(eventually(showsTask)) << "the double-click did not open the task";
    std::this_thread::sleep_for(1s);
    std::vector<uint32_t> shot = captureWindow(pointer.window);
    ASSERT_FALSE(shot.empty());
    for (int place = 0; place < 3; ++place) EXPECT_FALSE(cardAnswered(shot, choiceRect(place, 3))) << "answer " << place;

    // The same place clicked once, after a moment, is an answer.
    pointer.clickAt(x, y);
    EXPECT_TRUE(eventually([&] {
        std::vector<uint32_t> now = captureWindow(pointer.window);
        return !now.empty() && cardAnswered(now, card);
    }));

    kill(run.pid, SIGTERM);
    int status = run.wait(15s);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

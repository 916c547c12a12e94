// loop_test.cpp -- event dispatch, the frame's order of work, and the frames-per-second line
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "base/state.h"
#include "menu/menu.h"
#include "modules/modules.h"
#include "shell/loop.h"

#include "events.h"

namespace {

std::vector<std::string> calls;
int menuResult = 0;
int moduleResult = 0;

int recordMenuKey(SDL_Event *event) { calls.push_back("menuKey " + std::to_string(event->type)); return menuResult; }
int recordMenuMouse(SDL_Event *event) { calls.push_back("menuMouse " + std::to_string(event->type)); return menuResult; }
void recordDrawMenu() { calls.push_back("drawMenu"); }
int recordPresent(SDL_Surface *) { calls.push_back("present"); return 0; }
void recordPace() { calls.push_back("pace"); }

int moduleKey(SDL_Event *event) { calls.push_back("moduleKey " + std::to_string(event->type)); return moduleResult; }
int moduleMouse(SDL_Event *event) { calls.push_back("moduleMouse " + std::to_string(event->type)); return moduleResult; }
int moduleDraw(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill)
{
    // The services come in the order blit, clip, fill.
    EXPECT_EQ(blit, &hostBlit);
    EXPECT_EQ(clip, &hostSetClip);
    EXPECT_EQ(fill, &hostFillRect);
    calls.push_back("moduleDraw");
    return 0;
}

// The event queue as the poll hook sees it; handlers may add to it, as events arrive while they work.
std::deque<SDL_Event> queue;
int pollQueue(SDL_Event *event)
{
    calls.push_back("poll");
    if (queue.empty()) return 0;
    *event = queue.front();
    queue.pop_front();
    return 1;
}

class FrameLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        menuResult = 0;
        moduleResult = 0;
        frameHooks = FrameHooks{recordMenuKey, recordMenuMouse, recordDrawMenu, recordPresent, recordPace, nullptr};
        queue.clear();
        activeGame = -1;
        frameTotal = 0;
    }
    void TearDown() override
    {
        resetFrameHooks();
        activeGame = -1;
        gameModule = GameModule{};
    }
    void activateModule()
    {
        gameModule.keyevent = moduleKey;
        gameModule.mouseevent = moduleMouse;
        gameModule.drawscreen = moduleDraw;
        activeGame = 1;
    }
};

}  // namespace

// Keys and mouse events go to the menu, or to the active module instead; a quit is told to neither.
TEST_F(FrameLoop, EveryEventTypeGoesWhereTheTableSays)
{
    std::vector<SDL_Event> batch;
    for (int type = 0; type <= 40; ++type) batch.push_back(plainEvent(static_cast<Uint8>(type)));
    const struct {
        bool module;
        std::vector<std::string> calls;
    } receivers[] = {
        {false, {"menuKey 2", "menuKey 3", "menuMouse 4", "menuMouse 5", "drawMenu", "present", "pace"}},
        {true, {"moduleKey 2", "moduleKey 3", "moduleMouse 4", "moduleMouse 5", "moduleDraw", "present", "pace"}},
    };
    for (const auto &receiver : receivers) {
        SCOPED_TRACE(receiver.module ? "module active" : "menu shown");
        calls.clear();
        frameTotal = 0;
        if (receiver.module) activateModule();
        EXPECT_TRUE(runFrame(batch.data(), static_cast<int>(batch.size())));
        EXPECT_EQ(calls, receiver.calls);
        EXPECT_EQ(frameTotal, 1);
    }
}

TEST_F(FrameLoop, QuitInTheMiddleOfABatchStillCompletesTheFrame)
{
    std::vector<SDL_Event> batch = {plainEvent(SDL_MOUSEMOTION), plainEvent(SDL_QUIT),
                                    plainEvent(SDL_MOUSEBUTTONDOWN), plainEvent(SDL_KEYDOWN)};
    EXPECT_TRUE(runFrame(batch.data(), static_cast<int>(batch.size())));
    std::vector<std::string> expected = {"menuMouse 4", "menuMouse 5", "menuKey 2", "drawMenu", "present", "pace"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(frameTotal, 1);
}

TEST_F(FrameLoop, MenuAskingToQuitEndsTheLoopAfterTheFrame)
{
    menuResult = 1;
    SDL_Event click = plainEvent(SDL_MOUSEBUTTONDOWN);
    EXPECT_TRUE(runFrame(&click, 1));
    menuResult = 0;
    EXPECT_FALSE(runFrame(&click, 1));
    EXPECT_EQ(frameTotal, 2);
}

TEST_F(FrameLoop, EmptyBatchDrawsPresentsAndPaces)
{
    EXPECT_FALSE(runFrame(nullptr, 0));
    std::vector<std::string> expected = {"drawMenu", "present", "pace"};
    EXPECT_EQ(calls, expected);
}

TEST_F(FrameLoop, EachEventIsDispatchedAsItIsTakenAlsoWhatArrivesDuringAQuit)
{
    // The quit button's handler pauses; a press and a key arrive meanwhile and still reach the menu in
    // this frame, before it is drawn.
    frameHooks.poll = pollQueue;
    queue = {plainEvent(SDL_MOUSEBUTTONDOWN)};
    frameHooks.menuMouse = [](SDL_Event *event) {
        calls.push_back("menuMouse " + std::to_string(event->type));
        if (calls.size() == 2) {
            queue.push_back(plainEvent(SDL_MOUSEBUTTONDOWN));
            queue.push_back(plainEvent(SDL_KEYDOWN));
            return 1;
        }
        return 0;
    };
    EXPECT_TRUE(runFrame(nullptr, 0));
    std::vector<std::string> expected = {"poll", "menuMouse 5", "poll", "menuMouse 5", "poll", "menuKey 2",
                                         "poll", "drawMenu", "present", "pace"};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(queue.empty());
}

TEST_F(FrameLoop, AStormOfEventsCannotKeepTheFrameFromBeingDrawn)
{
    // Every handled motion brings another: the frame still ends, and the rest waits for the next one.
    frameHooks.poll = pollQueue;
    queue = {plainEvent(SDL_MOUSEMOTION)};
    frameHooks.menuMouse = [](SDL_Event *) {
        queue.push_back(plainEvent(SDL_MOUSEMOTION));
        return 0;
    };
    EXPECT_FALSE(runFrame(nullptr, 0));
    EXPECT_EQ(calls.back(), "pace");
    EXPECT_EQ(frameTotal, 1);
    EXPECT_EQ(queue.size(), 1u);
}

TEST_F(FrameLoop, KeysOnTheMenuNeverQuit)
{
    EXPECT_EQ(menuKeyEvent(nullptr), 0);
    SDL_Event key = plainEvent(SDL_KEYDOWN);
    key.key.keysym.sym = SDLK_ESCAPE;
    resetFrameHooks();
    EXPECT_EQ(dispatchEvent(&key), false);
}

TEST(FrameRateLine, WrittenOnlyWhenTheEndTickIsPastTheStart)
{
    char line[64];
    ASSERT_TRUE(formatFrameRate(line, sizeof line, 500, 1000, 11000));
    EXPECT_STREQ(line, "  -> 50.00 frames per second");
    EXPECT_FALSE(formatFrameRate(line, sizeof line, 3, 5000, 5000));
    // Ticks compare unsigned: an end tick that wrapped round below the start writes nothing.
    EXPECT_FALSE(formatFrameRate(line, sizeof line, 3, 0xFFFFFF00u, 0x10u));
    ASSERT_TRUE(formatFrameRate(line, sizeof line, 0, 0, 1));
    EXPECT_STREQ(line, "  -> 0.00 frames per second");
}

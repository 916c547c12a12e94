// probe_test.cpp -- the videocard probe: a test window opened and closed, a line only when it fails
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "environment.h"
#include "scratch_dir.h"
#include "shell/diagnostics.h"

// Last: Xlib's macros would clash with names in the headers above.
#include <X11/Xlib.h>

namespace {

// Runs the probe in a scratch directory with SDL_VIDEODRIVER set as given (null: unset) and returns the log.
std::string probeWithDriver(const char *driver)
{
    EnvironmentSetting setting("SDL_VIDEODRIVER", driver);
    ScratchDir dir;
    dir.enter();
    probeVideoCard();
    return readFile(dir.path / "sdl.log");
}

TEST(VideoCardProbe, WorkingOpenGLWritesNothingAndShutsSdlDown)
{
    // A bare virtual display resets whenever its last client leaves, and SDL opens and closes the display
    // once before it keeps it; a desktop session always holds the display, and so does this test.
    Display *session = XOpenDisplay(nullptr);
    ASSERT_NE(session, nullptr) << "no X display";
    std::string log = probeWithDriver(nullptr);
    EXPECT_EQ(log, "");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    // SDL can be started again afterwards, as the main routine does.
    EXPECT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    SDL_Quit();
    XCloseDisplay(session);
}

TEST(VideoCardProbe, DriverWithoutOpenGLLogsSdlsReason)
{
    std::string log = probeWithDriver("dummy");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(log, match, std::regex(" \xB7 Couldn't detect videocard \\((.+)\\)\n"))) << log;
    EXPECT_NE(match[1].str().find("OpenGL"), std::string::npos) << match[1];
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

}  // namespace

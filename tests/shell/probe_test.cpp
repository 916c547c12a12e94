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

namespace {

// The path and the window's scale from the variables, in a scratch directory, after a probe that found
// no renderer; the log in *log.
VideoPreference chooseWith(const char *path, const char *scale, std::string *log)
{
    probeWithDriver("dummy");
    EnvironmentSetting video("TAVRIN_VIDEO", path), windowScale("TAVRIN_WINDOW_SCALE", scale);
    ScratchDir dir;
    dir.enter();
    VideoPreference preference = chooseVideo();
    *log = readFile(dir.path / "sdl.log");
    return preference;
}

TEST(VideoChoice, TheVariablesChooseAndWhatIsNotUnderstoodIsNamedAndIgnored)
{
    std::string log;
    VideoPreference preference = chooseWith("sdl", "2.5", &log);
    EXPECT_TRUE(preference.plainSDL);
    EXPECT_EQ(preference.windowScale, 2.5);
    EXPECT_EQ(log, " \xB7 TAVRIN_VIDEO=sdl: drawing with plain SDL\n");

    preference = chooseWith("OpenGL", "1", &log);
    EXPECT_FALSE(preference.plainSDL);
    EXPECT_EQ(preference.windowScale, 1);
    EXPECT_EQ(log, " \xB7 TAVRIN_VIDEO=OpenGL: drawing with OpenGL\n");

    preference = chooseWith("vulkan", "0.5", &log);
    EXPECT_EQ(preference.windowScale, 0);
    EXPECT_EQ(log, " \xB7 TAVRIN_VIDEO=vulkan is not known (opengl or sdl): ignored\n"
                   " \xB7 TAVRIN_WINDOW_SCALE=0.5 is not a scale from 1 to 8: ignored\n");

    preference = chooseWith(nullptr, "2x", &log);
    EXPECT_EQ(preference.windowScale, 0);
    EXPECT_EQ(log, " \xB7 TAVRIN_WINDOW_SCALE=2x is not a scale from 1 to 8: ignored\n");
}

}  // namespace

// mode_test.cpp -- the mode set, the ShadowScreen, the clip as viewport and projection, the state cache, shutdown
#include "video_fixture.h"

using Mode = RecordedScreen;

TEST_F(Mode, WindowHoldsTheFirstHandleAndTheShadowScreenTheSecond)
{
    EXPECT_EQ(window->unused1, 1u);
    EXPECT_EQ(screen->unused1, 2u);
    EXPECT_NE(screen, SDL_GetVideoSurface());
    EXPECT_EQ(screen->format->BitsPerPixel, 24);
    EXPECT_EQ(screen->w, 800);
    EXPECT_EQ(screen->h, 600);
    EXPECT_EQ(VideoRecordsInUse(), 2);
    EXPECT_EQ(video.maxTextureSize, 16384);
    EXPECT_EQ(video.uploadFormatRGB.BytesPerPixel, 3);
    EXPECT_EQ(video.uploadFormatRGB.Bmask, 0x00FF0000u);
    EXPECT_EQ(video.uploadFormatRGBA.BytesPerPixel, 4);
    EXPECT_EQ(video.uploadFormatRGBA.Amask, 0xFF000000u);
    for (int32_t entry : video.glCache) EXPECT_EQ(entry, -1);
}

TEST_F(Mode, ClipOnTheScreenBecomesViewportAndProjection)
{
    SDL_Rect clip{100, 50, 200, 100};
    EXPECT_EQ(VideoSetClipRect(screen, &clip), 1);
    EXPECT_EQ(glCalls, (std::vector<std::string>{"Viewport(100, 450, 200, 100)", "MatrixMode(PROJECTION)",
                                                 "LoadIdentity()", "Ortho(100, 300, 150, 50, -1, 1)"}));
    EXPECT_EQ(window->clip_rect.x, 100);
    EXPECT_EQ(window->clip_rect.h, 100);

    clearGLCalls();
    EXPECT_EQ(VideoSetClipRect(screen, nullptr), 1);
    EXPECT_EQ(glCalls.front(), "Viewport(0, 0, 800, 600)");
    EXPECT_EQ(glCalls.back(), "Ortho(0, 800, 600, 0, -1, 1)");
    EXPECT_EQ(screen->clip_rect.w, 800);
    EXPECT_EQ(window->clip_rect.w, 800);
}

TEST_F(Mode, EnlargedScreenScalesOnlyTheViewport)
{
    TearDown();
    open(640, 480, 2, 16384);
    EXPECT_EQ(screen->w, 320);
    EXPECT_EQ(screen->h, 240);
    SDL_Rect clip{10, 20, 100, 50};
    EXPECT_EQ(VideoSetClipRect(screen, &clip), 1);
    EXPECT_EQ(glCalls.front(), "Viewport(20, 340, 200, 100)");
    EXPECT_EQ(glCalls.back(), "Ortho(10, 110, 70, 20, -1, 1)");
}

TEST_F(Mode, StateCacheIssuesOnlyChanges)
{
    VideoSetBlend(0);
    VideoSetBlend(0);
    VideoSetBlend(1);
    VideoSetBlend(2);  // still on
    VideoSetTexturing(1);
    VideoSetTexturing(1);
    VideoSetBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    VideoSetBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    VideoBindTexture(5);
    VideoBindTexture(5);
    VideoBindTexture(6);
    EXPECT_EQ(glCalls, (std::vector<std::string>{"Disable(BLEND)", "Enable(BLEND)", "Enable(TEXTURE_2D)",
                                                 "BlendFunc(SRC_ALPHA, ONE_MINUS_SRC_ALPHA)",
                                                 "BindTexture(TEXTURE_2D, 5)", "BindTexture(TEXTURE_2D, 6)"}));

    // After a reset every setter speaks again, even to repeat what OpenGL already has.
    clearGLCalls();
    VideoResetGLCache();
    VideoSetBlend(1);
    VideoBindTexture(6);
    VideoSetBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(glCalls, (std::vector<std::string>{"Enable(BLEND)", "BindTexture(TEXTURE_2D, 6)",
                                                 "BlendFunc(SRC_ALPHA, ONE_MINUS_SRC_ALPHA)"}));
}

// ----------------------------------------------------------------------------------------------------
// Plain SDL and the real OpenGL window
// ----------------------------------------------------------------------------------------------------
TEST(PlainMode, WithoutTheLayerFlagTheScreenIsSDLsOwn)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    VideoResetState();
    testing::internal::CaptureStdout();
    SDL_Surface *surface = VideoSetMode(320, 200, 32, SDL_SWSURFACE);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface, SDL_GetVideoSurface());
    EXPECT_EQ(surface->unused1, 0u);
    EXPECT_EQ(VideoRecordsInUse(), 0);
    EXPECT_EQ(video.shadowScreen, nullptr);

    // Every operation is SDL's own: the fill lands in the surface's pixels, the flip is SDL_Flip.
    SDL_Rect spot{3, 4, 1, 1};
    EXPECT_EQ(VideoFillRect(surface, &spot, SDL_MapRGB(surface->format, 1, 2, 3)), 0);
    Uint32 pixel = static_cast<Uint32 *>(surface->pixels)[4 * surface->pitch / 4 + 3];
    EXPECT_EQ(pixel, SDL_MapRGB(surface->format, 1, 2, 3));
    EXPECT_EQ(VideoFlip(surface), 0);
    EXPECT_EQ(VideoFlip(nullptr), -1);
    VideoQuit();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    unsetenv("SDL_VIDEODRIVER");
}

TEST(PlainMode, LayerModeWithoutAVideoDriverFailsCleanly)
{
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_EQ(VideoSetMode(800, 600, 32, VideoOpenGLFlag | SDL_DOUBLEBUF), nullptr);
    VideoQuit();
    unsetenv("SDL_VIDEODRIVER");
}

using OpenGLWindow = RealScreen;

TEST_F(OpenGLWindow, ModeSetReportsSizesAndHandsBackAShadowScreen)
{
    EXPECT_EQ(modeOutput, "desired = 800 x 600\nreal = 800 x 600\n");
    EXPECT_EQ(modeErrors.rfind("video: Max texture size: ", 0), 0u) << modeErrors;
    EXPECT_GE(video.maxTextureSize, 1024);
    SDL_Surface *window = SDL_GetVideoSurface();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->flags & SDL_OPENGL);
    EXPECT_NE(screen, window);
    EXPECT_EQ(screen->format->BitsPerPixel, 24);
    EXPECT_EQ(window->unused1, 1u);
    EXPECT_EQ(screen->unused1, 2u);
    int value = 0;
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &value);
    EXPECT_EQ(value, 1);
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &value);
    EXPECT_GE(value, 8);
}

TEST_F(OpenGLWindow, ShutdownAfterTheProgramFreedItsScreenReportsOnlyTheWindow)
{
    VideoFreeSurface(screen);
    screen = nullptr;
    EXPECT_EQ(video.shadowScreen, nullptr);
    EXPECT_EQ(stderrOf(VideoQuit), "video: Leaked TexInfo 0! (800x600)\nvideo: Leaked 1 TexInfos!\n");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

TEST_F(OpenGLWindow, ShutdownReleasesAScreenTheProgramKept)
{
    EXPECT_EQ(stderrOf(VideoQuit),
              "video: Leaked TexInfo 0! (800x600)\nvideo: Leaked TexInfo 1! (800x600)\nvideo: Leaked 2 TexInfos!\n");
    EXPECT_EQ(video.shadowScreen, nullptr);
    screen = nullptr;
}

TEST(SmallOpenGLWindow, IsEnlargedByTheSmallestWholeFactor)
{
    if (!getenv("DISPLAY")) GTEST_SKIP() << "no display";
    struct Case {
        int width, height, scale;
    } cases[] = {{320, 240, 2}, {100, 100, 5}, {640, 100, 1}};
    for (const Case &c : cases) {
        ASSERT_TRUE(openDisplay()) << SDL_GetError();
        std::string output;
        SDL_Surface *screen = setModeQuietly(c.width, c.height, VideoOpenGLFlag, &output);
        ASSERT_NE(screen, nullptr);
        char expected[80];
        snprintf(expected, sizeof expected, "desired = %d x %d\nreal = %d x %d\n", c.width, c.height,
                 c.width * c.scale, c.height * c.scale);
        EXPECT_EQ(output, expected);
        EXPECT_EQ(video.screenScale, c.scale);
        EXPECT_EQ(SDL_GetVideoSurface()->w, c.width * c.scale);
        EXPECT_EQ(screen->w, c.width);
        EXPECT_EQ(screen->h, c.height);
        int doubleBuffer = -1;
        SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
        EXPECT_EQ(doubleBuffer, 0);
        closeQuietly(screen);
    }
}

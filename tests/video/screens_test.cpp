// screens_test.cpp -- the screen on today's desktops: window sizes, the picture's place, the pointer mapped
// back, the plain path's scale pass and the OpenGL path's scaled presentation
#include <cmath>

#include "video_fixture.h"

namespace {

// ----------------------------------------------------------------------------------------------------
// Sizes and places
// ----------------------------------------------------------------------------------------------------
TEST(WindowSize, IsTheLargestHalfStepWithin85PercentOfTheDesktop)
{
    struct Case {
        int desktopWidth, desktopHeight;
        double scale;
    } cases[] = {{1920, 1080, 1.5}, {2560, 1440, 2}, {3840, 2160, 3}, {1024, 768, 1}, {1366, 768, 1},
                 {1280, 1024, 1},    {1600, 1200, 1.5}, {800, 600, 1},  {0, 0, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(VideoWindowScale(800, 600, c.desktopWidth, c.desktopHeight), c.scale)
            << c.desktopWidth << "x" << c.desktopHeight;
}

TEST(WindowSize, ThePictureKeepsItsShapeCentredBetweenBars)
{
    auto same = [](SDL_Rect a, SDL_Rect b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; };
    EXPECT_TRUE(same(VideoFitView(800, 600, 1920, 1080), SDL_Rect{240, 0, 1440, 1080}));
    EXPECT_TRUE(same(VideoFitView(800, 600, 3840, 2160), SDL_Rect{480, 0, 2880, 2160}));
    EXPECT_TRUE(same(VideoFitView(800, 600, 1200, 900), SDL_Rect{0, 0, 1200, 900}));
    EXPECT_TRUE(same(VideoFitView(800, 600, 1280, 1024), SDL_Rect{0, 32, 1280, 960}));
    EXPECT_TRUE(same(VideoFitView(800, 600, 640, 480), SDL_Rect{0, 0, 640, 480}));
}

TEST(Renderer, ThoseThatDrawWithTheProcessorAreKnown)
{
    for (const char *name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer", "GDI Generic",
                             "D3D12 (Microsoft Basic Render Driver)", "Apple Software Renderer", "SWR (LLVM 6.0, AVX2)"})
        EXPECT_TRUE(VideoSoftwareRenderer(name)) << name;
    for (const char *name : {"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6)", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)",
                             "NVIDIA GeForce GTX 1060/PCIe/SSE2", "virgl", "", static_cast<const char *>(nullptr)})
        EXPECT_FALSE(VideoSoftwareRenderer(name)) << (name ? name : "null");
}

// ----------------------------------------------------------------------------------------------------
// The pointer
// ----------------------------------------------------------------------------------------------------
using Pointer = RecordedLayer;

SDL_Event mouse(Uint8 type, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
        event.motion.xrel = 18;
        event.motion.yrel = -9;
    } else {
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
    }
    return event;
}

TEST_F(Pointer, WindowPixelsAreMappedIntoTheScreenBarsGoToTheEdgeOrAreDropped)
{
    video.screenWidth = 800;
    video.screenHeight = 600;
    video.view = SDL_Rect{240, 0, 1440, 1080};
    SDL_Event e = mouse(SDL_MOUSEMOTION, 240 + 1439, 1079);
    ASSERT_TRUE(VideoMapMouseEvent(&e));
    EXPECT_EQ(e.motion.x, 799);
    EXPECT_EQ(e.motion.y, 599);
    EXPECT_EQ(e.motion.xrel, 10);
    EXPECT_EQ(e.motion.yrel, -5);
    e = mouse(SDL_MOUSEMOTION, 10, 540);  // over the left bar: the picture's left edge
    ASSERT_TRUE(VideoMapMouseEvent(&e));
    EXPECT_EQ(e.motion.x, 0);
    EXPECT_EQ(e.motion.y, 300);
    e = mouse(SDL_MOUSEBUTTONDOWN, 240 + 180, 180);
    ASSERT_TRUE(VideoMapMouseEvent(&e));
    EXPECT_EQ(e.button.x, 100);
    EXPECT_EQ(e.button.y, 100);
    for (int x : {0, 239, 1680, 1919}) {
        e = mouse(SDL_MOUSEBUTTONDOWN, x, 500);
        EXPECT_FALSE(VideoMapMouseEvent(&e)) << x;
    }
    // A window of the screen's own size changes nothing.
    video.view = SDL_Rect{0, 0, 800, 600};
    e = mouse(SDL_MOUSEBUTTONDOWN, 799, 0);
    ASSERT_TRUE(VideoMapMouseEvent(&e));
    EXPECT_EQ(e.button.x, 799);
}

// ----------------------------------------------------------------------------------------------------
// The plain path's scale pass
// ----------------------------------------------------------------------------------------------------
SDL_Surface *surface32(int width, int height)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    s->unused1 = 0;
    return s;
}

Uint32 &at(SDL_Surface *s, int x, int y) { return static_cast<Uint32 *>(s->pixels)[y * s->pitch / 4 + x]; }

// Each byte of the frame's pixels from its place, so that any pixel taken from the wrong place shows.
SDL_Surface *patternedFrame(int width, int height)
{
    SDL_Surface *frame = surface32(width, height);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            at(frame, x, y) = Uint32(x * 7 % 256) | Uint32(y * 5 % 256) << 8 | Uint32((x * y) % 251) << 16 |
                              Uint32((x + y) % 256) << 24;
    return frame;
}

TEST(ScalePass, WholeScalesRepeatEachPixelExactly)
{
    SDL_Surface *frame = patternedFrame(40, 30), *window = surface32(100, 80);
    SDL_FillRect(window, nullptr, 0x12345678);
    VideoScalePlan plan;
    VideoPlanScale(&plan, 40, 30, 80, 60);
    EXPECT_FALSE(plan.linear);
    VideoScaleFrame(&plan, frame, window, 10, 10);
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 80; x++) ASSERT_EQ(at(window, 10 + x, 10 + y), at(frame, x / 2, y / 2)) << x << "," << y;
    EXPECT_EQ(at(window, 9, 10), 0x12345678u);  // nothing beside the view is written
    EXPECT_EQ(at(window, 90, 70), 0x12345678u);
    SDL_FreeSurface(frame);
    SDL_FreeSurface(window);
}

TEST(ScalePass, OtherScalesAreLinearBetweenTheFourNearestPixels)
{
    SDL_Surface *frame = patternedFrame(80, 60), *window = surface32(144, 108);
    VideoScalePlan plan;
    VideoPlanScale(&plan, 80, 60, 144, 108);
    EXPECT_TRUE(plan.linear);
    VideoScaleFrame(&plan, frame, window, 0, 0);
    int worst = 0;
    for (int y = 0; y < 108; y++)
        for (int x = 0; x < 144; x++) {
            // Each pixel's centre in the frame, clamped to the outer pixels' centres.
            const double fx = std::clamp((x + 0.5) * 80 / 144 - 0.5, 0.0, 79.0);
            const double fy = std::clamp((y + 0.5) * 60 / 108 - 0.5, 0.0, 59.0);
            const int x0 = int(fx), y0 = int(fy), x1 = std::min(x0 + 1, 79), y1 = std::min(y0 + 1, 59);
            for (int shift : {0, 8, 16, 24}) {
                auto byte = [&](int px, int py) { return double(at(frame, px, py) >> shift & 0xFF); };
                const double top = byte(x0, y0) + (byte(x1, y0) - byte(x0, y0)) * (fx - x0);
                const double bottom = byte(x0, y1) + (byte(x1, y1) - byte(x0, y1)) * (fx - x0);
                const double expected = top + (bottom - top) * (fy - y0);
                worst = std::max(worst, int(std::lround(std::fabs(expected - (at(window, x, y) >> shift & 0xFF)))));
            }
        }
    EXPECT_LE(worst, 2);
    // The corners are the frame's corners.
    EXPECT_EQ(at(window, 0, 0), at(frame, 0, 0));
    EXPECT_EQ(at(window, 143, 107), at(frame, 79, 59));
    SDL_FreeSurface(frame);
    SDL_FreeSurface(window);
}

// ----------------------------------------------------------------------------------------------------
// The OpenGL path's scaled presentation
// ----------------------------------------------------------------------------------------------------
class ScaledOpenGLScreen : public RecordedScreen {
protected:
    void SetUp() override {}
};

TEST_F(ScaledOpenGLScreen, TheComposedFrameIsCopiedAndDrawnIntoTheViewBetweenBlackBars)
{
    open(1920, 1080, 1, 16384, false, false);
    SDL_Rect clip{10, 20, 30, 40};
    VideoSetClipRect(screen, &clip);
    clearGLCalls();
    VideoFlip(screen);
    const std::vector<std::string> expected = {
        "GenTextures(1) -> 1", "BindTexture(TEXTURE_2D, 1)", "TexParameteri(TEXTURE_2D, TEXTURE_MAG_FILTER, LINEAR)",
        "TexParameteri(TEXTURE_2D, TEXTURE_MIN_FILTER, LINEAR)",
        "TexParameteri(TEXTURE_2D, TEXTURE_WRAP_S, CLAMP_TO_EDGE)",
        "TexParameteri(TEXTURE_2D, TEXTURE_WRAP_T, CLAMP_TO_EDGE)",
        "TexImage2D(TEXTURE_2D, 0, RGB8, 1024, 1024, 0, RGB, UNSIGNED_BYTE, null)",
        // The frame at the window's top left, upside down in OpenGL's rows, and its right and top edges
        // once more beside it.
        "CopyTexSubImage2D(TEXTURE_2D, 0, 0, 0, 0, 480, 800, 600)",
        "CopyTexSubImage2D(TEXTURE_2D, 0, 800, 0, 799, 480, 1, 600)",
        "CopyTexSubImage2D(TEXTURE_2D, 0, 0, 600, 0, 1079, 800, 1)",
        "CopyTexSubImage2D(TEXTURE_2D, 0, 800, 600, 799, 1079, 1, 1)", "Viewport(0, 0, 1920, 1080)",
        "MatrixMode(PROJECTION)", "LoadIdentity()", "Ortho(0, 1920, 1080, 0, -1, 1)", "Disable(BLEND)",
        "Enable(TEXTURE_2D)", "Begin(QUADS)", "Color4ub(255, 255, 255, 255)", "TexCoord2f(0, 0.585938)",
        "Vertex2i(240, 0)", "TexCoord2f(0.78125, 0.585938)", "Vertex2i(1680, 0)", "TexCoord2f(0.78125, 0)",
        "Vertex2i(1680, 1080)", "TexCoord2f(0, 0)", "Vertex2i(240, 1080)", "End()", "Disable(TEXTURE_2D)",
        "Begin(QUADS)", "Color3ub(0, 0, 0)", "Vertex2i(0, 0)", "Vertex2i(240, 0)", "Vertex2i(240, 1080)",
        "Vertex2i(0, 1080)", "Vertex2i(1680, 0)", "Vertex2i(1920, 0)", "Vertex2i(1920, 1080)", "Vertex2i(1680, 1080)",
        "End()",
        // The next frame is composed in the program's clip again, at the window's top left.
        "Viewport(10, 1020, 30, 40)", "MatrixMode(PROJECTION)", "LoadIdentity()", "Ortho(10, 40, 60, 20, -1, 1)"};
    EXPECT_EQ(glCalls, expected);

    // Later frames reuse the texture.
    clearGLCalls();
    VideoFlip(screen);
    EXPECT_EQ(glCallsStartingWith("GenTextures").size(), 0u);
    EXPECT_EQ(glCallsStartingWith("CopyTexSubImage2D").size(), 4u);
}

TEST_F(ScaledOpenGLScreen, WholeScalesStaySharpAndAWindowOfTheScreensSizeIsNotCopied)
{
    open(1600, 1200, 1, 16384, false, false);
    VideoFlip(screen);
    EXPECT_EQ(glCallsStartingWith("TexParameteri(TEXTURE_2D, TEXTURE_MAG_FILTER")[0],
              "TexParameteri(TEXTURE_2D, TEXTURE_MAG_FILTER, NEAREST)");
    EXPECT_EQ(VideoScreenView().w, 1600);
    TearDown();
    open(800, 600, 1, 16384);
    VideoFlip(screen);
    EXPECT_TRUE(glCalls.empty());
}

}  // namespace

// opengl_text_test.cpp -- outlined Hungarian text on a real OpenGL window matches the plain-SDL picture
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/screen.h"
#include "font_file.h"
#include "modules/modules.h"
#include "text/text.h"
#include "video/video_internal.h"

namespace {

constexpr int width = 800;
constexpr int height = 600;
const char *const fullScreenLabel = "teljes k\xE9perny\xF5";  // teljes képernyő

// A 24-bit picture with bytes R, G, B in memory order, whatever surface it was taken from.
SDL_Surface *createPicture()
{
    SDL_Surface *picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (picture) picture->unused1 = 0;
    return picture;
}

const Uint8 *pixel(const SDL_Surface *picture, int x, int y)
{
    return static_cast<const Uint8 *>(picture->pixels) + y * picture->pitch + x * 3;
}

// How many partly transparent glyph pixels were blended onto each screen pixel.
std::vector<int> blendLayers;

// Draws through the host service and counts the blends it makes.
void countingBlit(SDL_Surface *glyph, int x, int y)
{
    hostBlit(glyph, x, y);
    SDL_LockSurface(glyph);
    for (int gy = 0; gy < glyph->h; ++gy) {
        for (int gx = 0; gx < glyph->w; ++gx) {
            Uint32 value = static_cast<const Uint32 *>(glyph->pixels)[gy * glyph->pitch / 4 + gx];
            Uint8 r, g, b, a;
            SDL_GetRGBA(value, glyph->format, &r, &g, &b, &a);
            int sx = x + gx, sy = y + gy;
            if (a != 0 && a != 255 && sx >= 0 && sx < width && sy >= 0 && sy < height) ++blendLayers[sy * width + sx];
        }
    }
    SDL_UnlockSurface(glyph);
}

void drawLabels()
{
    blendLayers.assign(width * height, 0);
    hostSetClip(nullptr);
    hostFillRect(nullptr, 205, 225, 240);
    drawOutlinedText(countingBlit, fullScreenLabel, 400, 200, &Font27Teal, AlignCentre, &Font27Black, -2);
    drawOutlinedText(countingBlit, fullScreenLabel, 100, 300, &Font27Red, AlignLeft, &Font27Black, -2);
    drawOutlinedText(countingBlit, fullScreenLabel, 700, 400, &Font20Black, AlignRight, &Font20Teal, -2);
}

class OpenGLText : public ::testing::Test {
protected:
    void SetUp() override
    {
        unsetenv("SDL_VIDEODRIVER");
        std::string path = testFontPath();
        ASSERT_FALSE(path.empty());
        ASSERT_EQ(TTF_Init(), 0);
        ASSERT_EQ(buildBitmapFont(&Font27Teal, path.c_str(), 27, SDL_Color{50, 188, 193, 255}), 1);
        ASSERT_EQ(buildBitmapFont(&Font27Red, path.c_str(), 27, SDL_Color{255, 0, 0, 255}), 1);
        ASSERT_EQ(buildBitmapFont(&Font27Black, path.c_str(), 27, SDL_Color{0, 0, 0, 255}), 1);
        ASSERT_EQ(buildBitmapFont(&Font20Black, path.c_str(), 20, SDL_Color{0, 0, 0, 255}), 1);
        ASSERT_EQ(buildBitmapFont(&Font20Teal, path.c_str(), 20, SDL_Color{50, 188, 193, 255}), 1);
    }
    void TearDown() override
    {
        for (BitmapFont *font : {&Font27Teal, &Font27Red, &Font27Black, &Font20Black, &Font20Teal})
            releaseBitmapFont(font);
        TTF_Quit();
        if (screen) {
            VideoFreeSurface(screen);
            screen = nullptr;
            VideoQuit();
        }
    }

    // Opens the 800 x 600 screen, plain or through OpenGL as the program does. The X server resets
    // when its last client leaves and refuses connections meanwhile, so a reopen right after closing
    // may need a few tries.
    bool openScreen(bool openGL)
    {
        Uint32 flags = openGL ? (SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF) : 0;
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (SDL_Init(SDL_INIT_VIDEO) == 0) {
                screen = VideoSetMode(width, height, 32, flags);
                if (screen) return true;
            }
            SDL_Quit();
            SDL_Delay(100);
        }
        return false;
    }

    void closeScreen()
    {
        VideoFreeSurface(screen);
        screen = nullptr;
        VideoQuit();
    }

    // The OpenGL window's picture as drawn so far (the back buffer, before any swap).
    SDL_Surface *readWindow()
    {
        SDL_Surface *picture = createPicture();
        SDL_Rect whole{0, 0, width, height};
        SDL_Rect target = whole;
        EXPECT_EQ(VideoReadBack(&whole, picture, &target), 0);
        return picture;
    }
};

TEST_F(OpenGLText, OutlinedLabelsMatchThePlainSDLPicture)
{
    ASSERT_TRUE(openScreen(false)) << SDL_GetError();
    drawLabels();
    SDL_Surface *plain = createPicture();
    SDL_BlitSurface(screen, nullptr, plain, nullptr);
    closeScreen();

    ASSERT_TRUE(openScreen(true)) << SDL_GetError();
    ASSERT_NE(SDL_GetVideoSurface()->flags & SDL_OPENGL, 0u) << "no OpenGL window";
    drawLabels();
    SDL_Surface *gl = readWindow();

    // Background and opaque glyph pixels must match exactly. SDL and OpenGL round a blend differently
    // by up to a level or two, and a pixel under several partly transparent outline edges collects one
    // such rounding per layer.
    int differing = 0, maxDifference = 0, textPixels = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Uint8 *a = pixel(plain, x, y);
            const Uint8 *b = pixel(gl, x, y);
            int worst = 0;
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(a[c] - b[c]));
            maxDifference = std::max(maxDifference, worst);
            int layers = blendLayers[y * width + x];
            if (worst > (layers == 0 ? 0 : std::max(2, layers))) ++differing;
            if (a[0] != 205 || a[1] != 225 || a[2] != 240) ++textPixels;
        }
    }
    // Three labels of 15 letters each leave thousands of pixels that are not background.
    EXPECT_GT(textPixels, 3000);
    EXPECT_EQ(differing, 0) << "largest difference " << maxDifference;
    if (differing) {
        SDL_SaveBMP(plain, TAVRIN_TEST_BIN_DIR "/opengl_text_plain.bmp");
        SDL_SaveBMP(gl, TAVRIN_TEST_BIN_DIR "/opengl_text_opengl.bmp");
    }
    SDL_FreeSurface(plain);
    SDL_FreeSurface(gl);
}

TEST_F(OpenGLText, ByteF5ShowsTheDoubleAcuteGlyphOnScreen)
{
    ASSERT_TRUE(openScreen(true)) << SDL_GetError();
    ASSERT_NE(SDL_GetVideoSurface()->flags & SDL_OPENGL, 0u) << "no OpenGL window";
    const SDL_Color teal{50, 188, 193, 255};
    const Uint16 doubleAcute[2] = {0x0151, 0}, tilde[2] = {0x00F5, 0};
    SDL_Surface *right = TTF_RenderUNICODE_Blended(Font27Teal.ttfFont, doubleAcute, teal);
    SDL_Surface *wrong = TTF_RenderUNICODE_Blended(Font27Teal.ttfFont, tilde, teal);
    ASSERT_TRUE(right && wrong);
    right->unused1 = wrong->unused1 = 0;

    hostSetClip(nullptr);
    hostFillRect(nullptr, 255, 255, 255);
    drawText(hostBlit, "\xF5", 100, 100, &Font27Teal, AlignLeft, 0);
    hostBlit(right, 200, 100);
    hostBlit(wrong, 300, 100);
    SDL_Surface *picture = readWindow();

    auto sameBlock = [&](int x1, int x2) {
        for (int y = 100; y < 100 + right->h; ++y)
            if (memcmp(pixel(picture, x1, y), pixel(picture, x2, y), 3 * right->w) != 0) return false;
        return true;
    };
    EXPECT_TRUE(sameBlock(100, 200)) << "byte F5 should look like U+0151";
    EXPECT_FALSE(sameBlock(100, 300)) << "byte F5 must not look like U+00F5";

    SDL_FreeSurface(picture);
    VideoFreeSurface(right);
    VideoFreeSurface(wrong);
}

}  // namespace

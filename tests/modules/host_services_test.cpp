// host_services_test.cpp -- the blit, clip and fill services on a plain SDL screen
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/screen.h"
#include "modules/modules.h"
#include "video/video.h"

#include "pixels.h"

namespace {

// An opaque 100 x 40 image whose column i has red i and whose rows are green 200.
SDL_Surface *makeColumns()
{
    SDL_Surface *image = SDL_CreateRGBSurface(SDL_SWSURFACE, 100, 40, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    image->unused1 = 0;
    for (int x = 0; x < 100; ++x) {
        SDL_Rect column{static_cast<Sint16>(x), 0, 1, 40};
        SDL_FillRect(image, &column, SDL_MapRGB(image->format, x, 200, 0));
    }
    return image;
}

// A point of the screen and the colour it must have.
struct Probe {
    int x, y;
    Rgb colour;
};

void expectScreen(std::initializer_list<Probe> probes)
{
    for (const Probe &p : probes) EXPECT_EQ(rgbAt(screen, p.x, p.y), p.colour) << p.x << ", " << p.y;
}

const Rgb black{0, 0, 0};

class HostServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
        screen = VideoSetMode(800, 600, 32, 0);
        ASSERT_NE(screen, nullptr);
        hostSetClip(nullptr);
        hostFillRect(nullptr, 0, 0, 0);
    }
    void TearDown() override
    {
        screen = nullptr;
        SDL_Quit();
    }
};

TEST_F(HostServices, FillKeepsOnlyTheLowEightBitsOfEachComponent)
{
    SDL_Rect r{10, 10, 20, 20};
    hostFillRect(&r, 256 + 10, 0, 0);
    expectScreen({{15, 15, {10, 0, 0}}});
    hostFillRect(&r, 512 + 1, -1, -256 + 30);
    expectScreen({{29, 29, {1, 255, 30}}, {30, 30, black}});
}

TEST_F(HostServices, ClipHoldsForLaterFillsAndBlitsUntilLifted)
{
    SDL_Rect clip{100, 50, 200, 100};
    hostSetClip(&clip);
    SDL_Surface *image = makeColumns();
    hostBlit(image, 0, 100);
    expectScreen({{99, 100, black}, {100, 100, black}});  // the image ends at x 99
    hostBlit(image, 250, 100);
    expectScreen({{299, 100, {49, 200, 0}}, {300, 100, black}});
    SDL_FreeSurface(image);

    const Rgb yellow{255, 255, 0};
    hostFillRect(nullptr, 255, 255, 0);
    expectScreen({{100, 50, yellow}, {299, 149, yellow}, {300, 149, black}, {99, 50, black}});

    hostSetClip(nullptr);
    hostFillRect(nullptr, 0, 0, 255);
    expectScreen({{0, 0, {0, 0, 255}}, {799, 599, {0, 0, 255}}});
}

TEST_F(HostServices, BlitAtMinusFiftyLosesOnlyTheLeftFiftyColumns)
{
    SDL_Surface *image = makeColumns();
    hostBlit(image, -50, 10);
    expectScreen({{0, 10, {50, 200, 0}}, {49, 49, {99, 200, 0}}, {50, 10, black}, {0, 50, black}, {0, 9, black}});
    SDL_FreeSurface(image);
}

TEST_F(HostServices, BlitBeyondSixteenBitPositionsDrawsNothing)
{
    SDL_Surface *image = makeColumns();
    // Cut to 16 bits these would land at (10, 10), (10, 10) and (-50, 10).
    hostBlit(image, 65536 + 10, 10);
    hostBlit(image, 10, -65536 + 10);
    hostBlit(image, -65536 - 50, 10);
    for (int x : {0, 10, 49, 60, 109})
        for (int y : {10, 30, 49}) expectScreen({{x, y, black}});

    // The edges of the 16-bit range are still drawn at.
    hostBlit(image, 10, 32767);
    hostBlit(image, -32768, 10);
    hostBlit(image, 10, 10);
    expectScreen({{10, 10, {0, 200, 0}}});
    SDL_FreeSurface(image);
}

TEST_F(HostServices, ServicesWithoutAScreenOrImageDoNothing)
{
    hostBlit(nullptr, 0, 0);
    expectScreen({{0, 0, black}});
    SDL_Surface *saved = screen;
    screen = nullptr;
    SDL_Rect r{0, 0, 10, 10};
    hostFillRect(&r, 255, 255, 255);
    hostSetClip(&r);
    SDL_Surface *image = makeColumns();
    hostBlit(image, 0, 0);
    SDL_FreeSurface(image);
    screen = saved;
    expectScreen({{5, 5, black}});
}

}  // namespace

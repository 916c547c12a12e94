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
    EXPECT_EQ(rgbAt(screen, 15, 15), (Rgb{10, 0, 0}));
    hostFillRect(&r, 512 + 1, -1, -256 + 30);
    EXPECT_EQ(rgbAt(screen, 29, 29), (Rgb{1, 255, 30}));
    EXPECT_EQ(rgbAt(screen, 30, 30), (Rgb{0, 0, 0}));
}

TEST_F(HostServices, ClipHoldsForLaterFillsAndBlitsUntilLifted)
{
    SDL_Rect clip{100, 50, 200, 100};
    hostSetClip(&clip);
    SDL_Surface *image = makeColumns();
    hostBlit(image, 0, 100);
    EXPECT_EQ(rgbAt(screen, 99, 100), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(screen, 100, 100), (Rgb{0, 0, 0}));  // the image ends at x 99
    hostBlit(image, 250, 100);
    EXPECT_EQ(rgbAt(screen, 299, 100), (Rgb{49, 200, 0}));
    EXPECT_EQ(rgbAt(screen, 300, 100), (Rgb{0, 0, 0}));
    SDL_FreeSurface(image);

    hostFillRect(nullptr, 255, 255, 0);
    EXPECT_EQ(rgbAt(screen, 100, 50), (Rgb{255, 255, 0}));
    EXPECT_EQ(rgbAt(screen, 299, 149), (Rgb{255, 255, 0}));
    EXPECT_EQ(rgbAt(screen, 300, 149), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(screen, 99, 50), (Rgb{0, 0, 0}));

    hostSetClip(nullptr);
    hostFillRect(nullptr, 0, 0, 255);
    EXPECT_EQ(rgbAt(screen, 0, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(rgbAt(screen, 799, 599), (Rgb{0, 0, 255}));
}

TEST_F(HostServices, BlitAtMinusFiftyLosesOnlyTheLeftFiftyColumns)
{
    SDL_Surface *image = makeColumns();
    hostBlit(image, -50, 10);
    EXPECT_EQ(rgbAt(screen, 0, 10), (Rgb{50, 200, 0}));
    EXPECT_EQ(rgbAt(screen, 49, 49), (Rgb{99, 200, 0}));
    EXPECT_EQ(rgbAt(screen, 50, 10), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(screen, 0, 50), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(screen, 0, 9), (Rgb{0, 0, 0}));
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
        for (int y : {10, 30, 49}) EXPECT_EQ(rgbAt(screen, x, y), (Rgb{0, 0, 0})) << x << ", " << y;

    // The edges of the 16-bit range are still drawn at.
    hostBlit(image, 10, 32767);
    hostBlit(image, -32768, 10);
    hostBlit(image, 10, 10);
    EXPECT_EQ(rgbAt(screen, 10, 10), (Rgb{0, 200, 0}));
    SDL_FreeSurface(image);
}

TEST_F(HostServices, ServicesWithoutAScreenOrImageDoNothing)
{
    hostBlit(nullptr, 0, 0);
    EXPECT_EQ(rgbAt(screen, 0, 0), (Rgb{0, 0, 0}));
    SDL_Surface *saved = screen;
    screen = nullptr;
    SDL_Rect r{0, 0, 10, 10};
    hostFillRect(&r, 255, 255, 255);
    hostSetClip(&r);
    SDL_Surface *image = makeColumns();
    hostBlit(image, 0, 0);
    SDL_FreeSurface(image);
    screen = saved;
    EXPECT_EQ(rgbAt(screen, 5, 5), (Rgb{0, 0, 0}));
}

}  // namespace

// sprite_pool_test.cpp -- clearing, ageing, animation, drawing order and placement in the sprite pool
#include <gtest/gtest.h>

#include <array>

#include "sprite_recorder.h"

namespace {

class SpritePoolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearSprites();
        for (int i = 0; i < 4; ++i) images[i] = makeImage(31 + i, 21 + i);
    }
    void TearDown() override
    {
        clearSprites();
        for (SDL_Surface *image : images) SDL_FreeSurface(image);
    }
    std::array<SDL_Surface *, 4> images{};
};

TEST_F(SpritePoolTest, ClearedPoolDrawsNothingAndResetsTheClipOnce)
{
    for (int i = 0; i < SpritePoolSize; i += 97) putSprite(i, MotionOrbit, images[0]);
    clearSprites();
    updateSprites();
    EXPECT_TRUE(drawnBlits().empty());
    ASSERT_EQ(spriteCalls.size(), 1u);
    EXPECT_EQ(spriteCalls[0].kind, 'c');
    EXPECT_EQ(spriteCalls[0].rect, nullptr);
}

TEST_F(SpritePoolTest, StartDelayHidesTheSpriteUntilItsThirdUpdateThenItAnimatesAndWraps)
{
    Sprite &sprite = putSprite(0, 42, images[0]);  // an unknown motion stands still but animates
    sprite.frames = {images[0], images[1]};
    sprite.frameCount = 2;
    sprite.startDelay = 3;
    sprite.tick = -1;
    std::vector<SDL_Surface *> shown;
    for (int frame = 0; frame < 6; ++frame) {
        std::vector<SpriteCall> blits = drawnBlits();
        shown.push_back(blits.empty() ? nullptr : blits[0].image);
        updateSprites();
    }
    EXPECT_EQ(shown, (std::vector<SDL_Surface *>{nullptr, nullptr, nullptr, images[0], images[1], images[0]}));
}

TEST_F(SpritePoolTest, OneShotShowsEveryTickOnceThenRetires)
{
    Sprite &sprite = putSprite(7, MotionOneShot, images[0]);
    sprite.frames = {images[0], images[1], images[2], images[3]};
    sprite.frameCount = 4;
    sprite.frameDelay = 2;
    std::vector<SDL_Surface *> shown;
    for (int frame = 0; frame < 8; ++frame) {
        for (const SpriteCall &blit : drawnBlits()) shown.push_back(blit.image);
        updateSprites();
    }
    EXPECT_EQ(shown, (std::vector<SDL_Surface *>{images[0], images[0], images[1], images[1], images[2], images[2],
                                                 images[3], images[3]}));
    EXPECT_EQ(sprite.motion, SpriteFree);
}

TEST_F(SpritePoolTest, LifetimeOneRetiresAtTheFirstUpdateAndZeroNever)
{
    putSprite(0, 0, images[0]).lifetime = 1;
    putSprite(1, 0, images[0]).lifetime = 0;
    updateSprites();
    EXPECT_EQ(spritePool[0].motion, SpriteFree);
    for (int i = 0; i < 300; ++i) updateSprites();
    EXPECT_EQ(spritePool[1].motion, 0);
}

TEST_F(SpritePoolTest, CentredAnchorHalvesTheImageAfterTruncatingTowardZero)
{
    Sprite &centred = putSprite(0, 0, images[0], 100.9, 50.2);  // 31 x 21
    centred.anchor = SpriteAnchorCentre;
    putSprite(1, 0, images[0], -10.7, 7.99).anchor = 1;
    std::vector<SpriteCall> blits = drawnBlits();
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].x, 85);
    EXPECT_EQ(blits[0].y, 40);
    EXPECT_EQ(blits[1].x, -10);
    EXPECT_EQ(blits[1].y, 7);
}

TEST_F(SpritePoolTest, MapYIsAskedBeforeMapXAndTheMappedPointIsBlitted)
{
    putSprite(0, 0, images[0], 30, 40);
    spriteCalls.clear();
    auto mapX = [](int x) {
        spriteCalls.push_back({'x', nullptr, x, 0, nullptr, {}});
        return x + 1000;
    };
    auto mapY = [](int y) {
        spriteCalls.push_back({'y', nullptr, 0, y, nullptr, {}});
        return y + 2000;
    };
    drawSpritesMapped(recordBlit, recordClip, mapX, mapY);
    std::string kinds;
    for (const SpriteCall &call : spriteCalls) kinds += call.kind;
    ASSERT_EQ(kinds, "cyxbc");
    EXPECT_EQ(spriteCalls[1].y, 40);
    EXPECT_EQ(spriteCalls[2].x, 30);
    EXPECT_EQ(spriteCalls[3].x, 1030);
    EXPECT_EQ(spriteCalls[3].y, 2040);
}

TEST_F(SpritePoolTest, HigherIndicesDrawLaterEachUnderItsOwnClip)
{
    putSprite(9000, 0, images[2]).clipRect = {1, 2, 3, 4};
    putSprite(5, 0, images[0]).clipRect = {5, 6, 7, 8};
    drawnBlits();
    ASSERT_EQ(spriteCalls.size(), 5u);
    EXPECT_EQ(spriteCalls[0].clip.x, 5);
    EXPECT_EQ(spriteCalls[1].image, images[0]);
    EXPECT_EQ(spriteCalls[2].clip.x, 1);
    EXPECT_EQ(spriteCalls[2].clip.h, 4);
    EXPECT_EQ(spriteCalls[3].image, images[2]);
    EXPECT_EQ(spriteCalls[4].rect, nullptr);
}

TEST_F(SpritePoolTest, RecordsThatNameNoImageAreSkippedNotRead)
{
    putSprite(0, 0, images[0]).frameDelay = 0;
    putSprite(1, 0, images[0]).tick = 500;
    putSprite(2, 0, nullptr);
    putSprite(3, 0, images[1], 1e300, -1e300);  // far off, but still a whole position
    std::vector<SpriteCall> blits = drawnBlits();
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].image, images[1]);
    EXPECT_GT(blits[0].x, 100000);
    EXPECT_LT(blits[0].y, -100000);
}

TEST_F(SpritePoolTest, PlacementFillsAFreeRecordAsANewSpriteStarts)
{
    Sprite request{};
    request.motion = MotionBounce;
    request.frames = {images[0], images[1]};
    request.frameCount = 2;
    request.frameDelay = 3;
    request.pathA = {120, -40, 0, 500};
    request.pathB = {250, -75, 0, 0};
    request.age = 55;  // leftovers the placement must not keep
    request.tick = 4;
    putSprite(0, 0, images[0]);
    ASSERT_EQ(placeSprite(request), 1);
    const Sprite &placed = spritePool[1];
    EXPECT_EQ(placed.x, 120);
    EXPECT_EQ(placed.y, -40);
    EXPECT_DOUBLE_EQ(placed.vx, 2.5);
    EXPECT_DOUBLE_EQ(placed.vy, -0.75);
    EXPECT_EQ(placed.tick, 0);
    EXPECT_EQ(placed.age, 0);
    EXPECT_EQ(placed.clipRect.w, 800);

    Sprite bad = request;
    bad.frameCount = 3;  // the third image is missing
    EXPECT_EQ(placeSprite(bad), -1);
    bad.frameCount = 2;
    bad.frameDelay = 0;
    EXPECT_EQ(placeSprite(bad), -1);
    for (int i = 2; i < SpritePoolSize; ++i) ASSERT_EQ(placeSprite(request), i);
    EXPECT_EQ(placeSprite(request), -1);
}

}  // namespace

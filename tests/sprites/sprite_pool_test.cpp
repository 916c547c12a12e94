// sprite_pool_test.cpp -- clearing, ageing, animation, drawing order and placement in the sprite pool
#include <gtest/gtest.h>

#include <array>

#include "sprite_recorder.h"
#include "sprites/sprites.h"

namespace {

class SpritePoolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearSprites();
        for (int i = 0; i < 4; ++i) images[i] = makeImage(10 + i, 20 + i);
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
    // Records left over from earlier use must all be freed by the clear.
    for (int i = 0; i < SpritePoolSize; i += 97) putSprite(i, MotionOrbit, images[0], 5, 5);
    clearSprites();
    updateSprites();
    std::vector<SpriteCall> calls = drawOnce();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, 'c');
    EXPECT_FALSE(calls[0].hasRect);
}

TEST_F(SpritePoolTest, StartDelayHidesTheSpriteUntilItsThirdUpdate)
{
    Sprite &sprite = putSprite(0, 0, images[0], 40, 50);
    sprite.frames = {images[0], images[1]};
    sprite.frameCount = 2;
    sprite.startDelay = 3;
    sprite.tick = -1;
    for (int update = 0; update < 3; ++update) {
        EXPECT_TRUE(blitsOf(drawOnce()).empty()) << "draw " << update;
        updateSprites();
    }
    EXPECT_EQ(sprite.tick, 0);
    std::vector<SpriteCall> blits = blitsOf(drawOnce());
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].image, images[0]);
    updateSprites();
    EXPECT_EQ(blitsOf(drawOnce())[0].image, images[1]);
}

TEST_F(SpritePoolTest, OneShotShowsEveryTickOnceThenRetires)
{
    Sprite &sprite = putSprite(7, MotionOneShot, images[0], 1, 2);
    sprite.frames = {images[0], images[1], images[2], images[3]};
    sprite.frameCount = 4;
    sprite.frameDelay = 2;
    std::vector<SDL_Surface *> shown;
    for (int frame = 0; frame < 8; ++frame) {
        std::vector<SpriteCall> blits = blitsOf(drawOnce());
        ASSERT_EQ(blits.size(), 1u) << "frame " << frame;
        shown.push_back(blits[0].image);
        updateSprites();
        if (frame < 7) {
            EXPECT_NE(sprite.motion, SpriteFree) << "retired early, after update " << frame + 1;
        }
    }
    std::vector<SDL_Surface *> expected = {images[0], images[0], images[1], images[1],
                                          images[2], images[2], images[3], images[3]};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(sprite.motion, SpriteFree);
    EXPECT_TRUE(blitsOf(drawOnce()).empty());
}

TEST_F(SpritePoolTest, OneShotAfterStartDelayStillShowsEveryTick)
{
    Sprite &sprite = putSprite(0, MotionOneShot, images[0]);
    sprite.frames = {images[0], images[1]};
    sprite.frameCount = 2;
    sprite.frameDelay = 1;
    sprite.startDelay = 2;
    sprite.tick = -1;
    std::vector<SDL_Surface *> shown;
    for (int frame = 0; frame < 6; ++frame) {
        for (const SpriteCall &blit : blitsOf(drawOnce())) shown.push_back(blit.image);
        updateSprites();
    }
    EXPECT_EQ(shown, (std::vector<SDL_Surface *>{images[0], images[1]}));
}

TEST_F(SpritePoolTest, LifetimeOneRetiresAtTheFirstUpdateAndZeroNever)
{
    Sprite &shortLived = putSprite(0, 0, images[0]);
    shortLived.lifetime = 1;
    Sprite &longLived = putSprite(1, 0, images[0]);
    longLived.lifetime = 0;
    Sprite &limited = putSprite(2, MotionOrbit, images[0]);
    limited.lifetime = 5;
    updateSprites();
    EXPECT_EQ(shortLived.motion, SpriteFree);
    for (int i = 0; i < 3; ++i) updateSprites();
    EXPECT_EQ(limited.motion, MotionOrbit);
    updateSprites();
    EXPECT_EQ(limited.motion, SpriteFree);
    for (int i = 0; i < 200; ++i) updateSprites();
    EXPECT_EQ(longLived.motion, 0);
    EXPECT_EQ(longLived.age, 205);
}

TEST_F(SpritePoolTest, UnknownMotionStandsStillButAnimatesAndWraps)
{
    Sprite &sprite = putSprite(3, 42, images[0], 12, 34);
    sprite.frames = {images[0], images[1], images[2]};
    sprite.frameCount = 3;
    sprite.frameDelay = 1;
    std::vector<SDL_Surface *> shown;
    for (int i = 0; i < 5; ++i) {
        std::vector<SpriteCall> blits = blitsOf(drawOnce());
        ASSERT_EQ(blits.size(), 1u);
        EXPECT_EQ(blits[0].x, 12);
        EXPECT_EQ(blits[0].y, 34);
        shown.push_back(blits[0].image);
        updateSprites();
    }
    EXPECT_EQ(shown, (std::vector<SDL_Surface *>{images[0], images[1], images[2], images[0], images[1]}));
}

TEST_F(SpritePoolTest, CentredAnchorHalvesTheImageSizeAfterTruncating)
{
    SDL_Surface *odd = makeImage(31, 21);
    Sprite &centred = putSprite(0, 0, odd);
    centred.x = 100.9;
    centred.y = 50.2;
    centred.anchor = SpriteAnchorCentre;
    Sprite &corner = putSprite(1, 0, odd);
    corner.x = -10.7;
    corner.y = 7.99;
    corner.anchor = 1;
    std::vector<SpriteCall> blits = blitsOf(drawOnce());
    ASSERT_EQ(blits.size(), 2u);
    EXPECT_EQ(blits[0].x, 85);
    EXPECT_EQ(blits[0].y, 40);
    // Truncation goes toward zero, also left of the screen.
    EXPECT_EQ(blits[1].x, -10);
    EXPECT_EQ(blits[1].y, 7);
    clearSprites();
    SDL_FreeSurface(odd);
}

TEST_F(SpritePoolTest, MapYIsAskedBeforeMapXAndTheMappedPointIsBlitted)
{
    putSprite(0, 0, images[0], 30, 40);
    spriteCalls.clear();
    drawSpritesMapped(recordBlit, recordClip, recordMapX, recordMapY);
    ASSERT_EQ(spriteCalls.size(), 5u);
    EXPECT_EQ(spriteCalls[0].kind, 'c');
    EXPECT_EQ(spriteCalls[1].kind, 'y');
    EXPECT_EQ(spriteCalls[1].y, 40);
    EXPECT_EQ(spriteCalls[2].kind, 'x');
    EXPECT_EQ(spriteCalls[2].x, 30);
    EXPECT_EQ(spriteCalls[3].kind, 'b');
    EXPECT_EQ(spriteCalls[3].x, 1030);
    EXPECT_EQ(spriteCalls[3].y, 2040);
    EXPECT_EQ(spriteCalls[4].kind, 'c');
    EXPECT_FALSE(spriteCalls[4].hasRect);
}

TEST_F(SpritePoolTest, HigherIndicesDrawLaterEachUnderItsOwnClip)
{
    putSprite(9000, 0, images[2]).clipRect = {1, 2, 3, 4};
    putSprite(5, 0, images[0]).clipRect = {5, 6, 7, 8};
    putSprite(600, 0, images[1]);
    std::vector<SpriteCall> calls = drawOnce();
    ASSERT_EQ(calls.size(), 7u);
    std::array<SDL_Surface *, 3> order = {images[0], images[1], images[2]};
    std::array<SDL_Rect, 3> clips = {SDL_Rect{5, 6, 7, 8}, SDL_Rect{0, 0, 800, 600}, SDL_Rect{1, 2, 3, 4}};
    for (int i = 0; i < 3; ++i) {
        const SpriteCall &clip = calls[2 * i];
        ASSERT_EQ(clip.kind, 'c');
        ASSERT_TRUE(clip.hasRect);
        EXPECT_EQ(clip.rect.x, clips[i].x);
        EXPECT_EQ(clip.rect.y, clips[i].y);
        EXPECT_EQ(clip.rect.w, clips[i].w);
        EXPECT_EQ(clip.rect.h, clips[i].h);
        EXPECT_EQ(calls[2 * i + 1].image, order[i]);
    }
    EXPECT_FALSE(calls[6].hasRect);
}

TEST_F(SpritePoolTest, RecordsThatNameNoImageAreSkippedNotRead)
{
    Sprite &zeroDelay = putSprite(0, 0, images[0]);
    zeroDelay.frameDelay = 0;
    Sprite &pastTheFrames = putSprite(1, 0, images[0]);
    pastTheFrames.tick = 500;
    pastTheFrames.frameCount = 60;
    Sprite &noImage = putSprite(2, 0, nullptr);
    noImage.x = 1e300;
    Sprite &farAway = putSprite(3, 0, images[0]);
    farAway.x = 1e300;
    farAway.y = -1e300;
    std::vector<SpriteCall> blits = blitsOf(drawOnce());
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].image, images[0]);
    EXPECT_GT(blits[0].x, 100000);
    EXPECT_LT(blits[0].y, -100000);
    updateSprites();  // must not divide by the zero frame delay either
}

TEST_F(SpritePoolTest, PlacedSpriteStartsAsANewSpriteDoes)
{
    Sprite request{};
    request.motion = MotionBounce;
    request.key = 77;
    request.frames = {images[0], images[1]};
    request.frameCount = 2;
    request.frameDelay = 3;
    request.startDelay = 0;
    request.pathA = {120, -40, 0, 500};
    request.pathB = {250, -75, 0, 0};
    request.rate = 0.25;
    request.lifetime = 90;
    request.anchor = SpriteAnchorCentre;
    request.age = 55;
    request.phase = 9;
    request.tick = 4;

    putSprite(0, 0, images[0]);
    int index = placeSprite(request);
    ASSERT_EQ(index, 1);
    const Sprite &placed = spritePool[index];
    EXPECT_EQ(placed.key, 77);
    EXPECT_EQ(placed.x, 120);
    EXPECT_EQ(placed.y, -40);
    EXPECT_DOUBLE_EQ(placed.vx, 2.5);
    EXPECT_DOUBLE_EQ(placed.vy, -0.75);
    EXPECT_EQ(placed.tick, 0);
    EXPECT_EQ(placed.age, 0);
    EXPECT_EQ(placed.phase, 0);
    EXPECT_EQ(placed.clipRect.w, 800);
    EXPECT_EQ(placed.clipRect.h, 600);
    EXPECT_EQ(placed.frames[2], nullptr);

    request.motion = MotionGlide;
    request.startDelay = 4;
    request.clipRect = {10, 10, 50, 50};
    const Sprite &glide = spritePool[placeSprite(request)];
    EXPECT_EQ(glide.tick, -1);
    EXPECT_EQ(glide.vx, 0);
    EXPECT_EQ(glide.clipRect.w, 50);
}

TEST_F(SpritePoolTest, PlacementRefusesUnusableRequestsAndAFullPool)
{
    Sprite request{};
    request.motion = MotionOrbit;
    request.frames[0] = images[0];
    request.frameCount = 1;
    request.frameDelay = 1;

    Sprite bad = request;
    bad.frameDelay = 0;
    EXPECT_EQ(placeSprite(bad), -1);
    bad = request;
    bad.frameCount = 11;
    EXPECT_EQ(placeSprite(bad), -1);
    bad = request;
    bad.frameCount = 2;  // the second image is missing
    EXPECT_EQ(placeSprite(bad), -1);
    bad = request;
    bad.motion = SpriteFree;
    EXPECT_EQ(placeSprite(bad), -1);

    for (int i = 0; i < SpritePoolSize; ++i) ASSERT_EQ(placeSprite(request), i);
    EXPECT_EQ(placeSprite(request), -1);
    spritePool[4321].motion = SpriteFree;
    EXPECT_EQ(placeSprite(request), 4321);
}

}  // namespace

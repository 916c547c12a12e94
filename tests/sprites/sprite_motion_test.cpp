// sprite_motion_test.cpp -- the motion rules: screen edges, bouncing, swaying and gliding
#include <gtest/gtest.h>

#include <cmath>

#include "base/random.h"
#include "sprite_recorder.h"

namespace {

class SpriteMotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearSprites();
        image = makeImage(40, 31);
    }
    void TearDown() override
    {
        clearSprites();
        randomSeed(1);
        SDL_FreeSurface(image);
    }
    // A ballistic or bouncing sprite at (x, y) with velocity (vx, vy), no gravity, floor at 500; updated once.
    int motionAfterOneUpdate(int motion, double x, double y, double vx, double vy)
    {
        Sprite &sprite = putSprite(0, motion, image, x, y);
        sprite.vx = vx;
        sprite.vy = vy;
        sprite.pathA.h = 500;
        updateSprites();
        return sprite.motion;
    }
    SDL_Surface *image = nullptr;
};

TEST_F(SpriteMotionTest, BallisticRetiresPastTheRightLeftAndHalfHeightBottomEdges)
{
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, 800, 300, 0, 0), MotionBallistic);
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, 800, 300, 0.5, 0), SpriteFree);
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, -40, 300, 0, 0), MotionBallistic);
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, -40.25, 300, 0, 0), SpriteFree);
    // 31 high: the bottom edge is 600 + 15.
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, 300, 615, 0, 0), MotionBallistic);
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, 300, 615.25, 0, 0), SpriteFree);
    EXPECT_EQ(motionAfterOneUpdate(MotionBallistic, 300, -5000, 0, -20), MotionBallistic);
}

TEST_F(SpriteMotionTest, BounceOnlyWhenFallingThroughTheFloor)
{
    motionAfterOneUpdate(MotionBounce, 300, 520, 0, -4);
    EXPECT_DOUBLE_EQ(spritePool[0].vy, -4);
    motionAfterOneUpdate(MotionBounce, 300, 498, 0, 4);
    EXPECT_LT(spritePool[0].vy, 0);
    EXPECT_DOUBLE_EQ(spritePool[0].y, 502);  // left where it fell
}

TEST_F(SpriteMotionTest, BounceDampingStaysBetweenThreeAndEightTenthsAndWeakReboundsRetire)
{
    double lowest = 1, highest = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        randomSeed(seed * 7919);
        ASSERT_EQ(motionAfterOneUpdate(MotionBounce, 300, 495, 0, 10), MotionBounce);
        double damping = -spritePool[0].vy / 10;
        ASSERT_GE(damping, 0.3);
        ASSERT_LE(damping, 0.8);
        lowest = std::fmin(lowest, damping);
        highest = std::fmax(highest, damping);
        EXPECT_EQ(motionAfterOneUpdate(MotionBounce, 300, 499.5, 0, 0.6), SpriteFree);    // at most 0.48
        EXPECT_EQ(motionAfterOneUpdate(MotionBounce, 300, 499, 0, 1.7), MotionBounce);   // at least 0.51
    }
    EXPECT_LT(lowest, 0.35);
    EXPECT_GT(highest, 0.75);
}

TEST_F(SpriteMotionTest, SwayFollowsASineWhoseAmplitudeDecaysAndStopsInsteadOfWrapping)
{
    Sprite &sprite = putSprite(0, MotionSway, image, 300, 400);
    sprite.pathA.w = 250;  // amplitude 25
    sprite.pathA.h = 4;
    sprite.pathB.w = 100;
    sprite.rate = -2;
    updateSprites();  // age 0: at the centre
    EXPECT_DOUBLE_EQ(sprite.x, 300);
    EXPECT_DOUBLE_EQ(sprite.y, 398);
    updateSprites();
    EXPECT_NEAR(sprite.x, 300 + std::sin(0.25) * 15, 1e-9);
    EXPECT_EQ(sprite.pathA.w, 50);
    updateSprites();
    EXPECT_EQ(sprite.pathA.w, 0);
}

TEST_F(SpriteMotionTest, SwayWithoutAPeriodDivisorSwaysWithPeriodOne)
{
    Sprite &sprite = putSprite(0, MotionSway, image, 300, 300);
    sprite.pathA.w = 100;
    sprite.rate = 1;
    updateSprites();
    updateSprites();
    EXPECT_NEAR(sprite.x, 300 + std::sin(1.0) * 10, 1e-9);
}

TEST_F(SpriteMotionTest, GlideWalksTheLineAndStaysAtTheTarget)
{
    Sprite &slow = putSprite(0, MotionGlide, image, 0, 0);
    slow.pathB = {30, 40, 0, 0};
    slow.rate = 20;
    Sprite &fast = putSprite(1, MotionGlide, image, 100, 100);
    fast.pathB = {-200, 500, 0, 0};
    fast.rate = 1000;
    updateSprites();
    EXPECT_DOUBLE_EQ(fast.x, -200);
    EXPECT_DOUBLE_EQ(fast.y, 500);
    updateSprites();
    EXPECT_DOUBLE_EQ(slow.x, 12);
    EXPECT_DOUBLE_EQ(slow.y, 16);
    for (int i = 0; i < 10; ++i) updateSprites();
    EXPECT_DOUBLE_EQ(slow.x, 30);
    EXPECT_DOUBLE_EQ(slow.y, 40);
    EXPECT_EQ(slow.motion, MotionGlide);
}

TEST_F(SpriteMotionTest, GlideWithStartOnTargetStandsThere)
{
    Sprite &sprite = putSprite(0, MotionGlide, image, 250, 260);
    sprite.pathB = {250, 260, 0, 0};
    updateSprites();
    std::vector<SpriteCall> blits = drawnBlits();
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].x, 250);
    EXPECT_EQ(blits[0].y, 260);
}

}  // namespace

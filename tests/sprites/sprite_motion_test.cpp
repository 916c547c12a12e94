// sprite_motion_test.cpp -- the six motion rules: paths, edges, bouncing, swaying and gliding
#include <gtest/gtest.h>

#include <cmath>

#include "shell/shell.h"
#include "sprite_recorder.h"
#include "sprites/sprites.h"

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
        SDL_FreeSurface(image);
    }
    Sprite &moving(int motion, double x, double y, double vx, double vy, double rate)
    {
        Sprite &sprite = putSprite(0, motion, image);
        sprite.x = x;
        sprite.y = y;
        sprite.vx = vx;
        sprite.vy = vy;
        sprite.rate = rate;
        return sprite;
    }
    SDL_Surface *image = nullptr;
};

TEST_F(SpriteMotionTest, BallisticAddsGravityBeforeMoving)
{
    Sprite &sprite = moving(MotionBallistic, 100, 100, 2, -3, 0.5);
    updateSprites();
    EXPECT_DOUBLE_EQ(sprite.vy, -2.5);
    EXPECT_DOUBLE_EQ(sprite.x, 102);
    EXPECT_DOUBLE_EQ(sprite.y, 97.5);
}

TEST_F(SpriteMotionTest, BallisticOnTheRightEdgeStaysAndJustPastItRetires)
{
    Sprite &onEdge = moving(MotionBallistic, 800, 300, 0, 0, 0);
    updateSprites();
    EXPECT_EQ(onEdge.motion, MotionBallistic);
    Sprite &past = moving(MotionBallistic, 800, 300, 0.5, 0, 0);
    updateSprites();
    EXPECT_DOUBLE_EQ(past.x, 800.5);
    EXPECT_EQ(past.motion, SpriteFree);
}

TEST_F(SpriteMotionTest, BallisticLeftAndBottomEdgesUseTheImageSize)
{
    // 40 wide: x = -40 is still in, below it is out.
    EXPECT_EQ(moving(MotionBallistic, -40, 300, 0, 0, 0).motion, MotionBallistic);
    updateSprites();
    EXPECT_EQ(spritePool[0].motion, MotionBallistic);
    moving(MotionBallistic, -40.25, 300, 0, 0, 0);
    updateSprites();
    EXPECT_EQ(spritePool[0].motion, SpriteFree);
    // 31 high: the bottom edge is 600 + 15, the half height cut to a whole number.
    moving(MotionBallistic, 300, 615, 0, 0, 0);
    updateSprites();
    EXPECT_EQ(spritePool[0].motion, MotionBallistic);
    moving(MotionBallistic, 300, 615.25, 0, 0, 0);
    updateSprites();
    EXPECT_EQ(spritePool[0].motion, SpriteFree);
}

TEST_F(SpriteMotionTest, BallisticThrownOutThroughTheTopComesBack)
{
    Sprite &sprite = moving(MotionBallistic, 300, -5000, 0, -20, 0);
    for (int i = 0; i < 100; ++i) updateSprites();
    EXPECT_EQ(sprite.motion, MotionBallistic);
    EXPECT_LT(sprite.y, -5000);
}

TEST_F(SpriteMotionTest, OrbitCirclesItsCentre)
{
    Sprite &sprite = putSprite(0, MotionOrbit, image);
    sprite.pathA = {200, 100, 50, 0};
    sprite.rate = M_PI / 2;
    updateSprites();
    EXPECT_NEAR(sprite.x, 250, 1e-9);
    EXPECT_NEAR(sprite.y, 100, 1e-9);
    updateSprites();
    EXPECT_NEAR(sprite.x, 200, 1e-9);
    EXPECT_NEAR(sprite.y, 150, 1e-9);
    for (int i = 0; i < 1000; ++i) updateSprites();
    EXPECT_EQ(sprite.motion, MotionOrbit);
}

TEST_F(SpriteMotionTest, BounceOnlyWhenFallingThroughTheFloor)
{
    Sprite &rising = moving(MotionBounce, 300, 520, 0, -4, 0);
    rising.pathA.h = 500;
    updateSprites();
    EXPECT_EQ(rising.motion, MotionBounce);
    EXPECT_DOUBLE_EQ(rising.vy, -4);
    EXPECT_DOUBLE_EQ(rising.y, 516);

    Sprite &falling = moving(MotionBounce, 300, 498, 0, 4, 0);
    falling.pathA.h = 500;
    updateSprites();
    EXPECT_EQ(falling.motion, MotionBounce);
    EXPECT_LT(falling.vy, 0);
    // The sprite is left where it fell, below the line.
    EXPECT_DOUBLE_EQ(falling.y, 502);
}

TEST_F(SpriteMotionTest, BounceDampingStaysBetweenThreeAndEightTenths)
{
    double lowest = 1, highest = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        randomSeed(seed * 7919);
        Sprite &sprite = moving(MotionBounce, 300, 495, 0, 10, 0);
        sprite.pathA.h = 500;
        updateSprites();
        ASSERT_EQ(sprite.motion, MotionBounce);
        double damping = -sprite.vy / 10;
        ASSERT_GE(damping, 0.3);
        ASSERT_LE(damping, 0.8);
        lowest = std::fmin(lowest, damping);
        highest = std::fmax(highest, damping);
    }
    EXPECT_LT(lowest, 0.35);
    EXPECT_GT(highest, 0.75);
    randomSeed(1);
}

TEST_F(SpriteMotionTest, BounceRetiresWhenTheReboundIsTooWeak)
{
    for (unsigned seed = 1; seed <= 50; ++seed) {
        randomSeed(seed);
        Sprite &weak = moving(MotionBounce, 300, 499.5, 0, 0.6, 0);
        weak.pathA.h = 500;
        updateSprites();
        EXPECT_EQ(weak.motion, SpriteFree);  // at most 0.48 upward
        Sprite &strong = moving(MotionBounce, 300, 499, 0, 1.7, 0);
        strong.pathA.h = 500;
        updateSprites();
        EXPECT_EQ(strong.motion, MotionBounce);  // at least 0.51 upward
    }
    randomSeed(1);
}

TEST_F(SpriteMotionTest, BounceLeavingSidewaysRetires)
{
    Sprite &sprite = moving(MotionBounce, 799, 100, 2, 0, 0);
    sprite.pathA.h = 500;
    updateSprites();
    EXPECT_EQ(sprite.motion, SpriteFree);
    Sprite &left = moving(MotionBounce, -39, 100, -2, 0, 0);
    left.pathA.h = 500;
    updateSprites();
    EXPECT_EQ(left.motion, SpriteFree);
}

TEST_F(SpriteMotionTest, SwayFollowsASineAroundItsStartAndDecays)
{
    Sprite &sprite = putSprite(0, MotionSway, image, 300, 400);
    sprite.pathA.w = 300;  // amplitude 30
    sprite.pathA.h = 4;
    sprite.pathB.w = 100;
    sprite.rate = -2;
    updateSprites();  // age 0: at the centre
    EXPECT_DOUBLE_EQ(sprite.x, 300);
    EXPECT_DOUBLE_EQ(sprite.y, 398);
    EXPECT_EQ(sprite.pathA.w, 200);
    updateSprites();  // age 1, amplitude 20
    EXPECT_NEAR(sprite.x, 300 + std::sin(0.25) * 20, 1e-9);
    EXPECT_EQ(sprite.pathA.w, 100);
}

TEST_F(SpriteMotionTest, SwayAmplitudeThatWouldWrapBelowZeroStops)
{
    Sprite &sprite = putSprite(0, MotionSway, image, 300, 300);
    sprite.pathA.w = 5;
    sprite.pathA.h = 10;
    sprite.pathB.w = 10;
    sprite.rate = 1;
    updateSprites();
    EXPECT_EQ(sprite.pathA.w, 0);
    updateSprites();
    EXPECT_EQ(sprite.pathA.w, 0);
    EXPECT_DOUBLE_EQ(sprite.x, 300);
}

TEST_F(SpriteMotionTest, SwaySpeedGrowsAwayFromZeroAndEdgesDependOnDirection)
{
    Sprite &up = putSprite(0, MotionSway, image, 300, -29);
    up.pathA.h = 3;
    up.pathB.h = 50;
    up.rate = -1;
    updateSprites();
    EXPECT_DOUBLE_EQ(up.rate, -1.5);
    EXPECT_DOUBLE_EQ(up.y, -30);
    EXPECT_EQ(up.motion, MotionSway);  // 31 high: gone only above -31
    updateSprites();
    EXPECT_EQ(up.motion, SpriteFree);

    Sprite &down = putSprite(1, MotionSway, image, 300, 599);
    down.pathA.h = 3;
    down.pathB.h = 50;
    down.rate = 1;
    updateSprites();
    EXPECT_DOUBLE_EQ(down.rate, 1.5);
    EXPECT_EQ(down.motion, MotionSway);
    updateSprites();
    EXPECT_EQ(down.motion, SpriteFree);
}

TEST_F(SpriteMotionTest, SwayWithoutAPeriodDivisorSwaysWithPeriodOne)
{
    Sprite &sprite = putSprite(0, MotionSway, image, 300, 300);
    sprite.pathA.w = 100;
    sprite.pathA.h = 0;
    sprite.rate = 1;
    updateSprites();
    updateSprites();
    EXPECT_TRUE(std::isfinite(sprite.x));
    EXPECT_NEAR(sprite.x, 300 + std::sin(1.0) * 10, 1e-9);
}

TEST_F(SpriteMotionTest, GlideWalksTheLineAndStopsAtTheTarget)
{
    Sprite &sprite = putSprite(0, MotionGlide, image, 0, 0);
    sprite.pathB = {30, 40, 0, 0};
    sprite.rate = 20;
    updateSprites();
    EXPECT_DOUBLE_EQ(sprite.x, 0);
    updateSprites();
    EXPECT_DOUBLE_EQ(sprite.x, 12);
    EXPECT_DOUBLE_EQ(sprite.y, 16);
    updateSprites();
    EXPECT_DOUBLE_EQ(sprite.x, 30);
    EXPECT_DOUBLE_EQ(sprite.y, 40);
    for (int i = 0; i < 10; ++i) updateSprites();
    EXPECT_EQ(sprite.motion, MotionGlide);
    EXPECT_DOUBLE_EQ(sprite.x, 30);
    EXPECT_DOUBLE_EQ(sprite.y, 40);
}

TEST_F(SpriteMotionTest, GlideFasterThanItsDistanceArrivesAtOnce)
{
    Sprite &sprite = putSprite(0, MotionGlide, image, 100, 100);
    sprite.pathB = {-200, 500, 0, 0};
    sprite.rate = 1000;
    updateSprites();
    EXPECT_DOUBLE_EQ(sprite.x, -200);
    EXPECT_DOUBLE_EQ(sprite.y, 500);
}

TEST_F(SpriteMotionTest, GlideOverTheWholeCoordinateRangeDoesNotOverflow)
{
    Sprite &sprite = putSprite(0, MotionGlide, image, -32768, -32768);
    sprite.pathB = {32767, 32767, 0, 0};
    sprite.rate = 65535 * std::sqrt(2.0) / 4;
    for (int i = 0; i < 3; ++i) updateSprites();
    EXPECT_NEAR(sprite.x, -0.5, 1e-6);
    EXPECT_NEAR(sprite.y, -0.5, 1e-6);
}

TEST_F(SpriteMotionTest, GlideWithStartOnTargetStandsThere)
{
    Sprite &sprite = putSprite(0, MotionGlide, image, 250, 260);
    sprite.pathB = {250, 260, 0, 0};
    sprite.rate = 0;
    updateSprites();
    updateSprites();
    EXPECT_EQ(sprite.motion, MotionGlide);
    EXPECT_DOUBLE_EQ(sprite.x, 250);
    EXPECT_DOUBLE_EQ(sprite.y, 260);
    std::vector<SpriteCall> blits = blitsOf(drawOnce());
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].x, 250);
}

}  // namespace

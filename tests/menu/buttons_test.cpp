// buttons_test.cpp -- hit and highlight rectangles, slide offsets and the drawing of text and image buttons
#include "base/state.h"
#include "menu/menu.h"
#include "menu_recorder.h"

TEST(PointInRect, BothEdgesBelongToTheRectangle)
{
    EXPECT_EQ(pointInRect(10, 20, 10, 20, 5, 7), 1);  // top-left corner
    EXPECT_EQ(pointInRect(15, 27, 10, 20, 5, 7), 1);  // right and bottom edge
    EXPECT_EQ(pointInRect(16, 27, 10, 20, 5, 7), 0);
    EXPECT_EQ(pointInRect(15, 28, 10, 20, 5, 7), 0);
    EXPECT_EQ(pointInRect(9, 20, 10, 20, 5, 7), 0);
    EXPECT_EQ(pointInRect(10, 19, 10, 20, 5, 7), 0);
}

// The button is hit from (x, y) to (x + right, y + bottom), both edges included, and nowhere around.
void expectHitArea(MenuButton *button, int x, int y, int right, int bottom)
{
    SCOPED_TRACE(button->label);
    EXPECT_EQ(hitMenuButton(button, x, y), 1);
    EXPECT_EQ(hitMenuButton(button, x + right, y + bottom), 1);
    EXPECT_EQ(hitMenuButton(button, x + right + 1, y + bottom), 0);
    EXPECT_EQ(hitMenuButton(button, x + right, y + bottom + 1), 0);
    EXPECT_EQ(hitMenuButton(button, x - 1, y), 0);
    EXPECT_EQ(hitMenuButton(button, x, y - 1), 0);
}

using HitArea = MenuTest;

TEST_F(HitArea, ReachesTheRightAndBottomEdgeAndNotOnePixelFurther)
{
    expectHitArea(&menuButtons[btnQuit], 94, 410, 320, 60);  // a 320 x 60 plate
    // A logo is hit over its normal picture (81 x 62) at its resting place.
    expectHitArea(&menuButtons[btnLogo4], 255, 338, 80, 61);
}

using TextButton = MenuTest;

TEST_F(TextButton, BottomTenRowsHitWithoutHighlighting)
{
    MenuButton *forest = &menuButtons[btnForest];  // 94, 142
    mouseX = 200;
    mouseY = 142 + 50;  // the last row that highlights
    drawMenuButton(forest, 0, 0);
    EXPECT_FALSE(blitsOf(Font27Red).empty());

    for (int row = 142 + 51; row <= 142 + 60; ++row) {
        menuRecord.blits.clear();
        mouseY = row;
        drawMenuButton(forest, 0, 0);
        EXPECT_TRUE(blitsOf(Font27Red).empty()) << "row " << row;
        EXPECT_FALSE(blitsOf(Font27Teal).empty());
        EXPECT_EQ(hitMenuButton(forest, mouseX, mouseY), 1) << "row " << row;
    }
}

TEST_F(TextButton, CaptionIsCentred160RightOfThePlateOverItsOutline)
{
    // "vissza" is six 10-pixel glyphs with spacing -2: 48 wide, so it starts 24 left of x + 160.
    MenuButton *back = &menuButtons[btnBack];
    drawMenuButton(back, 0, 0);
    ASSERT_FALSE(menuRecord.blits.empty());
    EXPECT_EQ(menuRecord.blits[0].image, buttonPlate);
    EXPECT_EQ(menuRecord.blits[0].x, 94);
    EXPECT_EQ(menuRecord.blits[0].y, 410);
    std::vector<BlitCall> main = blitsOf(Font27Teal);
    ASSERT_EQ(main.size(), 6u);
    EXPECT_EQ(main[0].x, 94 + 160 - 24);
    EXPECT_EQ(main[0].y, 410 + 4);
    EXPECT_EQ(blitsOf(Font27Black).size(), 24u);  // four outline copies
    // The outline goes under the caption: every black glyph comes before the first teal one.
    size_t firstTeal = 0;
    while (byteOf(Font27Teal, menuRecord.blits[firstTeal].image) == 0) firstTeal++;
    for (size_t i = firstTeal; i < menuRecord.blits.size(); ++i) EXPECT_EQ(byteOf(Font27Black, menuRecord.blits[i].image), 0);
}

TEST_F(TextButton, SlidingButtonHighlightsAndHitsAtItsRestingPlace)
{
    MenuButton *city = &menuButtons[btnCity];  // 94, 209
    mouseX = 100;
    mouseY = 220;
    drawMenuButton(city, -150, 0);
    ASSERT_FALSE(menuRecord.blits.empty());
    EXPECT_EQ(menuRecord.blits[0].x, 94 - 150);  // the plate is drawn where the button has got to
    std::vector<BlitCall> red = blitsOf(Font27Red);
    ASSERT_FALSE(red.empty());  // yet the pointer at the resting place highlights it
    EXPECT_LT(red[0].x, 94 - 150 + 160);
    EXPECT_EQ(hitMenuButton(city, 100, 220), 1);
    EXPECT_EQ(hitMenuButton(city, 94 - 150 + 5, 220), 0);
}

TEST_F(TextButton, WithoutThePlateItKeepsItsDesignedPlaceHighlightAndCaption)
{
    buttonPlate = nullptr;
    MenuButton *quit = &menuButtons[btnQuit];  // 94, 410, designed 320 x 60
    mouseX = 94 + 320;
    mouseY = 410 + 50;
    drawMenuButton(quit, 0, 0);
    EXPECT_EQ(textsOf(Font27Red), (std::vector<std::string>{"kil\xE9p\xE9s"}));
    expectHitArea(quit, 94, 410, 320, 60);
}

using ImageButton = MenuTest;

TEST_F(ImageButton, NormalPictureIsCentredOnTheHoverBoxAwayFromThePointer)
{
    // (72 - 80) / 2 = -4 and (54 - 61) / 2 = -3, each halving truncating toward zero.
    MenuButton *logo = &menuButtons[btnLogo1];  // 353, 340
    drawMenuButton(logo, 0, 0);
    ASSERT_EQ(menuRecord.blits.size(), 1u);
    EXPECT_EQ(menuRecord.blits[0].image, logoImage);
    EXPECT_EQ(menuRecord.blits[0].x, 353 - 4);
    EXPECT_EQ(menuRecord.blits[0].y, 340 - 3);

    menuRecord.blits.clear();
    drawMenuButton(logo, -30, 7);
    EXPECT_EQ(menuRecord.blits[0].x, 353 - 4 - 30);
    EXPECT_EQ(menuRecord.blits[0].y, 340 - 3 + 7);
}

TEST_F(ImageButton, HoverPictureIsDrawnAtTheRestingPlaceWithoutOffset)
{
    MenuButton *logo = &menuButtons[btnLogo2];  // 190, 340
    mouseX = 190 + 80;
    mouseY = 340 + 61;
    drawMenuButton(logo, -30, 7);
    ASSERT_EQ(menuRecord.blits.size(), 1u);
    EXPECT_EQ(menuRecord.blits[0].image, logoHover);
    EXPECT_EQ(menuRecord.blits[0].x, 190);
    EXPECT_EQ(menuRecord.blits[0].y, 340);
}

TEST_F(ImageButton, WithoutAHoverPictureTheNormalOneServesForBoth)
{
    MenuButton *logo = &menuButtons[btnLogo5];  // 110, 340
    logo->hoverImage = nullptr;
    drawMenuButton(logo, 0, 0);
    mouseX = 111;
    mouseY = 341;
    drawMenuButton(logo, 0, 0);
    ASSERT_EQ(menuRecord.blits.size(), 2u);
    for (const BlitCall &call : menuRecord.blits) {
        EXPECT_EQ(call.image, logoImage);
        EXPECT_EQ(call.x, 110);
        EXPECT_EQ(call.y, 340);
    }
}

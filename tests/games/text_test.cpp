// text_test.cpp -- text is made even without the game font, in plain letters, and never crashes on odd input
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gametext.h"

namespace {

class PlainText : public ::testing::Test {
protected:
    // The tests run where there is no "g/KOMIKATA.TTF", and with an empty path fontconfig's fc-match is
    // not found either, so no system font stands in.
    std::string savedPath = getenv("PATH") ? getenv("PATH") : "";
    void SetUp() override
    {
        setenv("PATH", "", 1);
        textOpen();
    }
    void TearDown() override
    {
        textClose();
        atlasFree();
        setenv("PATH", savedPath.c_str(), 1);
    }
};

} // namespace

TEST(SystemFont, StandsInForAMissingGameFont)
{
    textOpen();
    EXPECT_TRUE(textHasFont()) << "fontconfig and a bold sans-serif font are installed by scripts/setup";
    textClose();
}

TEST_F(PlainText, WithoutTheFontHungarianTextIsWrittenWithoutAccents)
{
    EXPECT_FALSE(textHasFont());
    SDL_Surface *s = textRender("Ügyes vagy!", 20, Rgba{0, 0, 0, 255}, 1000);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 11 * 8 * 2) << "one plain letter for each of the eleven letters, twice enlarged";
    EXPECT_EQ(s->unused1, 0u);
    SDL_FreeSurface(s);
}

// The last resort must still show the questions and numbers: opaque pixels in the asked colour.
TEST_F(PlainText, ThePlainTypefaceDrawsVisibleLettersInTheColour)
{
    SDL_Surface *s = textRender("12 alma", 20, Rgba{200, 40, 30, 255}, 1000);
    ASSERT_NE(s, nullptr);
    SDL_LockSurface(s);
    int ink = 0, other = 0;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(static_cast<Uint32 *>(s->pixels)[y * s->pitch / 4 + x], s->format, &r, &g, &b, &a);
            if (a == 255 && r == 200 && g == 40 && b == 30) ++ink;
            else if (a != 0) ++other;
        }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    EXPECT_GT(ink, 6 * 8 * 2) << "every letter leaves some of its pixels";
    EXPECT_EQ(other, 0);
}

TEST_F(PlainText, LongTextIsWrappedAtSpacesWithinTheWidth)
{
    SDL_Surface *one = textRender("alma", 10, Rgba{0, 0, 0, 255}, 1000);
    SDL_Surface *three = textRender("alma körte szilva", 10, Rgba{0, 0, 0, 255}, 60);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(three, nullptr);
    EXPECT_LE(three->w, 6 * 8);
    EXPECT_GE(three->h, 3 * one->h);
    SDL_FreeSurface(one);
    SDL_FreeSurface(three);
}

TEST_F(PlainText, EmptyBrokenOrMissingTextMakesNoSprite)
{
    EXPECT_EQ(textRender(nullptr, 20, Rgba{0, 0, 0, 255}, 100), nullptr);
    EXPECT_EQ(textSprite("", TextLabel), -1);
    EXPECT_EQ(textSprite("x", static_cast<TextStyle>(99)), -1);
    const char broken[] = {'a', static_cast<char>(0xC3), 0}; // a sequence cut short
    EXPECT_GE(textSprite(broken, TextLabel), 0);
    const char stray[] = {static_cast<char>(0xA9), static_cast<char>(0xFF), 'b', 0};
    EXPECT_GE(textSprite(stray, TextLabel), 0);
}

TEST_F(PlainText, TheSameTextAndStyleIsMadeOnce)
{
    int a = textSprite("Szuper!", TextCheer);
    EXPECT_EQ(textSprite("Szuper!", TextCheer), a);
    EXPECT_NE(textSprite("Szuper!", TextLabel), a);
    EXPECT_EQ(textFind("Szuper!", TextCheer), a);
    EXPECT_EQ(textFind("Nincs ilyen", TextCheer), -1);
}

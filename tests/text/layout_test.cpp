// layout_test.cpp -- measuring, alignment, skipped bytes and the outline passes, on fonts of known widths
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "text/text.h"

namespace {

struct Blit {
    SDL_Surface *image;
    int x;
    int y;
};

std::vector<Blit> blits;

void recordBlit(SDL_Surface *image, int x, int y) { blits.push_back({image, x, y}); }

struct SurfaceDeleter {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A font whose glyphs are blank images of chosen widths, for every byte of the charset.
struct FakeFont {
    BitmapFont font{};
    std::vector<SurfacePtr> owned;

    explicit FakeFont(int (*widthOf)(unsigned char))
    {
        for (unsigned char c : fontCharset) {
            SDL_Surface *glyph = SDL_CreateRGBSurface(SDL_SWSURFACE, widthOf(c), 10, 32, 0xFF0000, 0xFF00, 0xFF,
                                                      0xFF000000);
            owned.emplace_back(glyph);
            font.glyphs[c] = glyph;
        }
    }
};

// Widths that differ from letter to letter, so that a wrong glyph or a wrong order shows.
int variedWidth(unsigned char c) { return 5 + c % 7; }
int wideWidth(unsigned char c) { return 11 + c % 3; }

class TextLayout : public ::testing::Test {
protected:
    FakeFont main{variedWidth};
    FakeFont outline{wideWidth};

    void SetUp() override { blits.clear(); }

    int w(unsigned char c) const { return main.font.glyphs[c]->w; }
};

TEST_F(TextLayout, WidthCountsSpacingAfterEveryCharacterTheLastIncluded)
{
    int glyphs = w('t') + w('e') + w('l') + w(0xF5);
    EXPECT_EQ(textWidth(&main.font, "tel\xF5", 0), glyphs);
    EXPECT_EQ(textWidth(&main.font, "tel\xF5", -2), glyphs - 8);
    EXPECT_EQ(textWidth(&main.font, "tel\xF5", 3), glyphs + 12);
}

TEST_F(TextLayout, EmptyTextMeasuresZeroAndDrawsNothingInEveryAlignment)
{
    EXPECT_EQ(textWidth(&main.font, "", -2), 0);
    for (int align : {0, 1, 2, 5}) {
        drawText(recordBlit, "", 100, 50, &main.font, align, -2);
        drawOutlinedText(recordBlit, "", 100, 50, &main.font, align, &outline.font, -2);
    }
    EXPECT_TRUE(blits.empty());
}

TEST_F(TextLayout, LeftAlignedTextStartsAtXAndSoDoesAnUnknownAlignment)
{
    for (int align : {0, 3, -1}) {
        blits.clear();
        drawText(recordBlit, "Ab9", 40, 7, &main.font, align, -2);
        ASSERT_EQ(blits.size(), 3u);
        EXPECT_EQ(blits[0].image, main.font.glyphs['A']);
        EXPECT_EQ(blits[2].image, main.font.glyphs['9']);
        EXPECT_EQ(blits[0].x, 40);
        EXPECT_EQ(blits[2].x, 40 + w('A') - 2 + w('b') - 2);
        for (const Blit &b : blits) EXPECT_EQ(b.y, 7);
    }
}

TEST_F(TextLayout, RightAlignedTextWithTightSpacingEndsTwoPixelsPastX)
{
    drawText(recordBlit, "kalandok", 300, 0, &main.font, AlignRight, -2);
    ASSERT_EQ(blits.size(), 8u);
    EXPECT_EQ(blits[0].x, 300 - textWidth(&main.font, "kalandok", -2));
    EXPECT_EQ(blits.back().x + blits.back().image->w, 302);
}

TEST_F(TextLayout, CentringRoundsTheHalfWidthTowardZero)
{
    // Find a text of odd width, positive and then negative.
    const char *text = "a";
    int width = textWidth(&main.font, text, 0);
    if (width % 2 == 0) {
        text = "ab";
        width = textWidth(&main.font, text, 0);
    }
    ASSERT_EQ(width % 2, 1);
    drawText(recordBlit, text, 200, 0, &main.font, AlignCentre, 0);
    ASSERT_FALSE(blits.empty());
    EXPECT_EQ(blits[0].x, 200 - (width - 1) / 2);

    // A spacing that makes the width negative, -(odd): the start moves right by the rounded-down half.
    int spacing = -(w('a') + 3);
    blits.clear();
    drawText(recordBlit, "a", 200, 0, &main.font, AlignCentre, spacing);
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].x, 200 + 1);
}

TEST_F(TextLayout, BytesWithoutGlyphAreSkippedAndTheRestClosesUp)
{
    const char *noisy = "a\r\nb\x7F\xE4\xFF\x01" "c";
    EXPECT_EQ(textWidth(&main.font, noisy, -2), textWidth(&main.font, "abc", -2));

    drawText(recordBlit, noisy, 10, 0, &main.font, AlignCentre, -2);
    std::vector<Blit> withNoise = blits;
    blits.clear();
    drawText(recordBlit, "abc", 10, 0, &main.font, AlignCentre, -2);
    ASSERT_EQ(withNoise.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(withNoise[i].image, blits[i].image);
        EXPECT_EQ(withNoise[i].x, blits[i].x);
    }
}

TEST_F(TextLayout, OutlineDrawsFourOffsetCopiesThenTheMainFontOnTop)
{
    const char *text = "Be\xE1ll\xEDt\xE1sok";  // Beállítások
    drawOutlinedText(recordBlit, text, 400, 100, &main.font, AlignCentre, &outline.font, -2);
    size_t n = 11;
    ASSERT_EQ(blits.size(), 5 * n);

    // Each pass is centred on its own font's width.
    int outlineStart = 400 - textWidth(&outline.font, text, -2) / 2;
    int mainStart = 400 - textWidth(&main.font, text, -2) / 2;
    const int dx[5] = {-1, 1, 0, 0, 0};
    const int dy[5] = {0, 0, 1, -1, 0};
    for (int pass = 0; pass < 5; ++pass) {
        const BitmapFont &font = pass < 4 ? outline.font : main.font;
        const Blit &first = blits[pass * n];
        EXPECT_EQ(first.image, font.glyphs['B']) << "pass " << pass;
        EXPECT_EQ(first.x, (pass < 4 ? outlineStart : mainStart) + dx[pass]) << "pass " << pass;
        for (size_t i = 0; i < n; ++i) EXPECT_EQ(blits[pass * n + i].y, 100 + dy[pass]);
    }
}

TEST_F(TextLayout, MissingArgumentsDrawNothing)
{
    BitmapFont empty{};
    EXPECT_EQ(textWidth(nullptr, "abc", 0), 0);
    EXPECT_EQ(textWidth(&main.font, nullptr, 0), 0);
    EXPECT_EQ(textWidth(&empty, "abc", 0), 0);
    drawText(recordBlit, nullptr, 0, 0, &main.font, AlignLeft, 0);
    drawText(recordBlit, "abc", 0, 0, nullptr, AlignLeft, 0);
    drawText(recordBlit, "abc", 0, 0, &empty, AlignRight, 0);
    drawText(nullptr, "abc", 0, 0, &main.font, AlignLeft, 0);
    drawOutlinedText(recordBlit, "abc", 0, 0, &empty, AlignLeft, &empty, -2);
    EXPECT_TRUE(blits.empty());
}

}  // namespace

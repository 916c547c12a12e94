// fonts_test.cpp -- building bitmap fonts from a real TrueType file: the glyph set, the Hungarian letters,
// failure to open, rebuilding, and drawing without any TrueType work
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "font_file.h"
#include "text/text.h"

namespace {

constexpr SDL_Color teal{50, 188, 193, 255};
constexpr SDL_Color black{0, 0, 0, 255};

int blitCount;
std::vector<SDL_Surface *> blitted;

void countBlit(SDL_Surface *image, int, int)
{
    ++blitCount;
    blitted.push_back(image);
}

bool samePixels(SDL_Surface *a, SDL_Surface *b)
{
    if (!a || !b || a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel)
        return false;
    for (int y = 0; y < a->h; ++y) {
        const Uint8 *rowA = static_cast<const Uint8 *>(a->pixels) + y * a->pitch;
        const Uint8 *rowB = static_cast<const Uint8 *>(b->pixels) + y * b->pitch;
        if (memcmp(rowA, rowB, a->w * a->format->BytesPerPixel) != 0) return false;
    }
    return true;
}

SDL_Surface *renderCodePoint(TTF_Font *font, Uint16 codePoint, SDL_Color colour)
{
    const Uint16 text[2] = {codePoint, 0};
    return TTF_RenderUNICODE_Blended(font, text, colour);
}

class BitmapFonts : public ::testing::Test {
protected:
    std::string path = testFontPath();
    BitmapFont font{};

    void SetUp() override
    {
        ASSERT_FALSE(path.empty()) << "no TrueType file with the Hungarian letters found";
        ASSERT_EQ(TTF_Init(), 0);
    }
    void TearDown() override
    {
        releaseBitmapFont(&font);
        TTF_Quit();
    }
};

TEST_F(BitmapFonts, EveryCharsetByteAndNoOtherGetsAGlyph)
{
    ASSERT_EQ(buildBitmapFont(&font, path.c_str(), 27, teal), 1);
    ASSERT_NE(font.ttfFont, nullptr);
    std::array<bool, 256> inCharset{};
    for (unsigned char c : fontCharset) inCharset[c] = true;
    int glyphs = 0;
    for (int b = 0; b < 255; ++b) {
        SDL_Surface *glyph = font.glyphs[b];
        EXPECT_EQ(glyph != nullptr, inCharset[b]) << "byte " << b;
        if (!glyph) continue;
        ++glyphs;
        EXPECT_EQ(glyph->unused1, 0u) << "byte " << b;
        EXPECT_EQ(glyph->h, TTF_FontHeight(font.ttfFont)) << "byte " << b;
        EXPECT_NE(glyph->format->Amask, 0u) << "byte " << b;
    }
    EXPECT_EQ(glyphs, 113);
    for (int without : {0x0D, 0x0A, 0x09, 0x7F, 0xE4, 0xDF, 0xE7})
        EXPECT_EQ(font.glyphs[without], nullptr);
}

TEST_F(BitmapFonts, HungarianDoubleAcuteBytesShowTheirOwnLetters)
{
    ASSERT_EQ(buildBitmapFont(&font, path.c_str(), 27, teal), 1);
    struct Letter {
        unsigned char byte;
        Uint16 hungarian;
        Uint16 latin1;
    };
    for (Letter l : {Letter{0xF5, 0x0151, 0x00F5}, Letter{0xFB, 0x0171, 0x00FB}, Letter{0xD5, 0x0150, 0x00D5},
                     Letter{0xDB, 0x0170, 0x00DB}}) {
        SDL_Surface *right = renderCodePoint(font.ttfFont, l.hungarian, teal);
        SDL_Surface *wrong = renderCodePoint(font.ttfFont, l.latin1, teal);
        EXPECT_TRUE(samePixels(font.glyphs[l.byte], right)) << "byte " << int(l.byte);
        EXPECT_FALSE(samePixels(font.glyphs[l.byte], wrong)) << "byte " << int(l.byte);
        SDL_FreeSurface(right);
        SDL_FreeSurface(wrong);
    }
    // The letters both charsets share come out as before: é, Ó, a, ~.
    for (int byte : {0xE9, 0xD3, int('a'), int('~')}) {
        SDL_Surface *same = renderCodePoint(font.ttfFont, byte, teal);
        EXPECT_TRUE(samePixels(font.glyphs[byte], same)) << "byte " << int(byte);
        SDL_FreeSurface(same);
    }
}

TEST_F(BitmapFonts, FileThatDoesNotOpenLeavesAnEmptyFont)
{
    int blits = blitCount;
    EXPECT_EQ(buildBitmapFont(&font, "/nonexistent/KOMIKATA.TTF", 27, teal), 0);
    EXPECT_EQ(font.ttfFont, nullptr);
    for (SDL_Surface *glyph : font.glyphs) EXPECT_EQ(glyph, nullptr);
    EXPECT_EQ(textWidth(&font, "teljes k\xE9perny\xF5", -2), 0);
    drawOutlinedText(countBlit, "teljes k\xE9perny\xF5", 400, 300, &font, AlignCentre, &font, -2);
    EXPECT_EQ(blitCount, blits);
}

TEST_F(BitmapFonts, BuildingAgainReplacesTheFontAndAFailedRebuildEmptiesIt)
{
    ASSERT_EQ(buildBitmapFont(&font, path.c_str(), 13, black), 1);
    int small = font.glyphs['M']->h;
    ASSERT_EQ(buildBitmapFont(&font, path.c_str(), 27, black), 1);
    EXPECT_GT(font.glyphs['M']->h, small);
    EXPECT_EQ(font.glyphs['M']->h, TTF_FontHeight(font.ttfFont));

    EXPECT_EQ(buildBitmapFont(&font, "/nonexistent/font.ttf", 27, black), 0);
    EXPECT_EQ(font.ttfFont, nullptr);
    EXPECT_EQ(font.glyphs['M'], nullptr);
    EXPECT_EQ(textWidth(&font, "Men\xFC", -2), 0);

    ASSERT_EQ(buildBitmapFont(&font, path.c_str(), 20, black), 1);
    EXPECT_GT(textWidth(&font, "Men\xFC", -2), 0);
}

TEST_F(BitmapFonts, OutlinedTwentyCharactersTakeAHundredBlitsFromTheTablesAlone)
{
    BitmapFont outline{};
    ASSERT_EQ(buildBitmapFont(&font, path.c_str(), 27, teal), 1);
    ASSERT_EQ(buildBitmapFont(&outline, path.c_str(), 27, black), 1);
    // Copies without a TrueType handle: drawing must need nothing but the glyph tables.
    BitmapFont mainOnly = font, outlineOnly = outline;
    mainOnly.ttfFont = nullptr;
    outlineOnly.ttfFont = nullptr;

    const char *text = "V\xE1rosi kalandok \xDAjra";  // Városi kalandok Újra, 20 bytes
    ASSERT_EQ(strlen(text), 20u);
    blitCount = 0;
    blitted.clear();
    drawOutlinedText(countBlit, text, 400, 300, &mainOnly, AlignCentre, &outlineOnly, -2);
    EXPECT_EQ(blitCount, 100);
    for (size_t i = 0; i < blitted.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i % 20]);
        EXPECT_EQ(blitted[i], (i < 80 ? outline : font).glyphs[byte]) << "blit " << i;
    }
    releaseBitmapFont(&outline);
}

}  // namespace

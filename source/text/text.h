// text.h -- bitmap fonts pre-rendered from one TrueType file; measuring and outlined, aligned drawing
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <array>

// ----------------------------------------------------------------------------------------------------
// Types
// ----------------------------------------------------------------------------------------------------
// Draws an image with its top-left corner at (x, y); the text code never draws by itself.
using BlitFn = void (*)(SDL_Surface *image, int x, int y);

// One glyph image per byte value 0 to 254 (Windows-1250); null where the byte has no glyph.
// A font that was never built, or whose file did not open, has a null handle and an empty table.
struct BitmapFont {
    TTF_Font *ttfFont;
    std::array<SDL_Surface *, 255> glyphs;
};

enum TextAlign { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

// ----------------------------------------------------------------------------------------------------
// State: the font set, built by init from "g/KOMIKATA.TTF" and kept for the whole run
// ----------------------------------------------------------------------------------------------------
extern BitmapFont Font27Teal, Font27Red, Font27Black, Font20Black, Font20Teal, Font13Black, Font13Teal;

// The 113 bytes that get a glyph in every font, in the order they are rendered.
constexpr int fontCharsetSize = 113;
extern const std::array<unsigned char, fontCharsetSize> fontCharset;

// ----------------------------------------------------------------------------------------------------
// Building
// ----------------------------------------------------------------------------------------------------
// Opens the file at the size and renders every byte of fontCharset in the colour; 1 on success, 0 when
// the file does not open (the font is then empty). Building a font again replaces what it held.
int buildBitmapFont(BitmapFont *font, const char *fileName, int pointSize, SDL_Color colour);
// Frees the glyphs and closes the TrueType handle, leaving the font empty.
void releaseBitmapFont(BitmapFont *font);

// ----------------------------------------------------------------------------------------------------
// Measuring and drawing (bytes without a glyph are skipped; spacing is added after every character)
// ----------------------------------------------------------------------------------------------------
int textWidth(const BitmapFont *font, const char *text, int spacing);
// One line with the glyphs' top edges at y; x is the left edge, the centre or the right edge by align.
void drawText(BlitFn blit, const char *text, int x, int y, const BitmapFont *font, int align, int spacing);
// Four copies one pixel off left, right, down and up in the outline font, then the main font on top.
void drawOutlinedText(BlitFn blit, const char *text, int x, int y, const BitmapFont *mainFont, int align,
                      const BitmapFont *outlineFont, int spacing);

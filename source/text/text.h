// text.h -- bitmap fonts pre-rendered from one TrueType file; measuring and outlined, aligned drawing
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <array>

// Draws an image with its top-left corner at (x, y); the text code never draws by itself.
using BlitFn = void (*)(SDL_Surface *image, int x, int y);

// One glyph image per byte value 0 to 254 (Windows-1250); null where the byte has no glyph.
struct BitmapFont {
    TTF_Font *ttfFont;
    std::array<SDL_Surface *, 255> glyphs;
};

enum TextAlign { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

extern BitmapFont Font27Teal, Font27Red, Font27Black, Font20Black, Font20Teal, Font13Black, Font13Teal;

int buildBitmapFont(BitmapFont *font, const char *fileName, int pointSize, SDL_Color colour);
int textWidth(const BitmapFont *font, const char *text, int spacing);
void drawText(BlitFn blit, const char *text, int x, int y, const BitmapFont *font, int align, int spacing);
void drawOutlinedText(BlitFn blit, const char *text, int x, int y, const BitmapFont *mainFont, int align,
                      const BitmapFont *outlineFont, int spacing);

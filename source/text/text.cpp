// text.cpp -- the seven bitmap fonts: glyphs pre-rendered once per byte, measured and drawn by blits
#include "text/text.h"

#include <cstdint>

#include "text/charset.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
BitmapFont Font27Teal, Font27Red, Font27Black, Font20Black, Font20Teal, Font13Black, Font13Teal;

// The bytes that get a glyph, in the order they are rendered: a-z, the Hungarian lower-case letters
// (í é á ű ú ü ő ö ó), A-Z, the Hungarian capitals, the digits, the punctuation, the space.
const std::array<unsigned char, fontCharsetSize> fontCharset = {
    'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm',
    'n', 'o', 'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z',
    0xED, 0xE9, 0xE1, 0xFB, 0xFA, 0xFC, 0xF5, 0xF6, 0xF3,
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M',
    'N', 'O', 'P', 'Q', 'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z',
    0xCD, 0xC9, 0xC1, 0xDB, 0xDA, 0xDC, 0xD5, 0xD6, 0xD3,
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9',
    '!', '@', '#', '$', '%', '^', '&', '*', '(', ')', '-', '=', '_', '+', '[', ']',
    '{', '}', '|', ';', '\'', ':', '\\', '"', ',', '.', '/', '<', '>', '?', '`', '~',
    ' ',
};

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// The glyph of one byte, or null: byte 255 lies outside the table.
static SDL_Surface *glyphOf(const BitmapFont *font, unsigned char byte)
{
    return byte < font->glyphs.size() ? font->glyphs[byte] : nullptr;
}

// The image of one byte as the font shows it.
static SDL_Surface *renderGlyph(TTF_Font *ttfFont, unsigned char byte, SDL_Color colour)
{
    // The texts are Windows-1250, so the glyph comes from the code point that charset gives the byte:
    // 0xF5 must show ő (U+0151), not the õ that U+00F5 would be.
    unsigned codePoint = windows1250CodePoint(byte);
    if (!ttfFont || codePoint == 0) return nullptr;
    const Uint16 text[2] = {static_cast<Uint16>(codePoint), 0};
    SDL_Surface *glyph = TTF_RenderUNICODE_Blended(ttfFont, text, colour);
    // The video layer keeps its texture handle in unused1 and expects 0 on a surface it has not seen.
    if (glyph) glyph->unused1 = 0;
    return glyph;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void releaseBitmapFont(BitmapFont *font)
{
    if (!font) return;
    for (SDL_Surface *&glyph : font->glyphs) {
        // Through the video layer, so that a glyph already drawn gives its texture back too.
        if (glyph) VideoFreeSurface(glyph);
        glyph = nullptr;
    }
    if (font->ttfFont) TTF_CloseFont(font->ttfFont);
    font->ttfFont = nullptr;
}

int buildBitmapFont(BitmapFont *font, const char *fileName, int pointSize, SDL_Color colour)
{
    if (!font) return 0;
    // A font built before is replaced whole; when the new file does not open, the font is left empty
    // rather than half old, so that it measures 0 and draws nothing.
    releaseBitmapFont(font);
    if (!fileName) return 0;
    font->ttfFont = TTF_OpenFont(fileName, pointSize);
    if (!font->ttfFont) return 0;
    for (unsigned char c : fontCharset) font->glyphs[c] = renderGlyph(font->ttfFont, c, colour);
    return 1;
}

int textWidth(const BitmapFont *font, const char *text, int spacing)
{
    if (!font || !text) return 0;
    int width = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
        if (SDL_Surface *glyph = glyphOf(font, *p)) width += glyph->w + spacing;
    }
    return width;
}

void drawText(BlitFn blit, const char *text, int x, int y, const BitmapFont *font, int align, int spacing)
{
    if (!blit || !font || !text) return;
    int width = textWidth(font, text, spacing);
    int penX = x;
    if (align == AlignRight) penX = x - width;
    if (align == AlignCentre) penX = x - width / 2;  // C++ division rounds toward zero, as wanted
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
        SDL_Surface *glyph = glyphOf(font, *p);
        if (!glyph) continue;
        blit(glyph, penX, y);
        penX += glyph->w + spacing;
    }
}

void drawOutlinedText(BlitFn blit, const char *text, int x, int y, const BitmapFont *mainFont, int align,
                      const BitmapFont *outlineFont, int spacing)
{
    // Four outline copies one pixel off, then the text itself on top of them.
    drawText(blit, text, x - 1, y, outlineFont, align, spacing);
    drawText(blit, text, x + 1, y, outlineFont, align, spacing);
    drawText(blit, text, x, y + 1, outlineFont, align, spacing);
    drawText(blit, text, x, y - 1, outlineFont, align, spacing);
    drawText(blit, text, x, y, mainFont, align, spacing);
}

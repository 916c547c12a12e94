// text.cpp -- stand-in: fonts that draw nothing until the bitmap fonts are in place
#include "text/text.h"

BitmapFont Font27Teal, Font27Red, Font27Black, Font20Black, Font20Teal, Font13Black, Font13Teal;

int buildBitmapFont(BitmapFont *, const char *, int, SDL_Color) { return 0; }
int textWidth(const BitmapFont *, const char *, int) { return 0; }
void drawText(BlitFn, const char *, int, int, const BitmapFont *, int, int) {}
void drawOutlinedText(BlitFn, const char *, int, int, const BitmapFont *, int, const BitmapFont *, int) {}

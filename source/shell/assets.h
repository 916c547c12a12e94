// assets.h -- start-up loading: the settings, the menu's pictures, the fonts and the clouds, released at exit
#pragma once

#include <SDL/SDL.h>
#include <array>

struct BitmapFont;

int init();  // 1 when loading finished, 0 when TrueType could not start
// Gives the window its caption "Tavrin" and the icon init loaded; SDL takes the icon only before a mode
// is set, so a screen opened afresh is named again first.
void nameWindow();
void releaseResources();

// The menu's seven bitmap fonts with the point size and colour each is built in, in the order init builds
// them; the teal is the menu's own colour.
struct FontSpec {
    BitmapFont *font;
    int pointSize;
    SDL_Color colour;
};
extern const std::array<FontSpec, 7> fontSpecs;

// atlas.h -- the few large surfaces that hold every picture and text of a game, and drawing a piece of them
#pragma once

#include <SDL/SDL.h>

#include "tavrin/module.h"

// The shell keeps a texture for every surface a game ever draws and cannot be told to drop it, so a game
// puts all its pictures and texts on a handful of pages made once at start, and draws a piece of a page by
// clipping to it. A page is never changed after its first draw, because the shell would not see the change.
constexpr int AtlasPageSide = 1024;

// Where a picture or text lies: its page and its rectangle there.
struct AtlasSprite {
    int page = -1;
    SDL_Rect rect{0, 0, 0, 0};
};

struct Rgba {
    Uint8 r, g, b, a;
};

// A new surface in the pages' pixel format (bytes R, G, B, A), cleared to transparent; null on failure.
SDL_Surface *atlasNewSurface(int w, int h);

// Keeps a copy of the image for the pages and returns its sprite index, or -1. With halve set, the image is
// drawn at twice its size and is averaged down to half, which smooths its edges.
int atlasAdd(SDL_Surface *image, bool halve);
// Lays every piece added so far onto the pages, tallest first; sprites are drawn only after this.
void atlasPack();
// Draws src over dst at (x, y) with straight alpha, both surfaces in any 32-bit format.
void atlasComposite(SDL_Surface *dst, SDL_Surface *src, int x, int y);

const AtlasSprite *atlasSprite(int index);
SDL_Surface *atlasPageSurface(int page); // null for a page that does not exist
int atlasSpriteCount();
int atlasPageCount();

// Draws a sprite with its top-left corner at (x, y); leaves a clip rectangle set (see atlasEndDrawing).
void atlasDraw(int index, int x, int y, HostBlitFn blit, HostSetClipFn clip);
// Restores the whole screen as the clip rectangle after sprites were drawn.
void atlasEndDrawing(HostSetClipFn clip);

// Frees every page and forgets every sprite.
void atlasFree();

// sprites.h -- a fixed pool of 10000 animated, self-moving sprites
#pragma once

#include <SDL/SDL.h>

using SpriteBlitFn = void (*)(SDL_Surface *image, int x, int y);
using SpriteClipFn = void (*)(SDL_Rect *rect);  // null: the whole screen
using SpriteMapFn = double (*)(double coordinate);

constexpr int SpritePoolSize = 10000;
constexpr int SpriteFree = -1;

void clearSprites();
void updateSprites();
void drawSprites(SpriteBlitFn blit, SpriteClipFn clip);
void drawSpritesMapped(SpriteBlitFn blit, SpriteClipFn clip, SpriteMapFn mapX, SpriteMapFn mapY);
double randomScale(double f);

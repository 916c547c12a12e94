// sprites.cpp -- stand-in: an empty pool whose draw only resets the clip
#include "sprites/sprites.h"

void clearSprites() {}
void updateSprites() {}
void drawSprites(SpriteBlitFn, SpriteClipFn clip) { clip(nullptr); }
void drawSpritesMapped(SpriteBlitFn, SpriteClipFn clip, SpriteMapFn, SpriteMapFn) { clip(nullptr); }
double randomScale(double) { return 0.0; }

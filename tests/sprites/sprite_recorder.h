// sprite_recorder.h -- test images, a record filler and a recorder standing in for the drawing callbacks
#pragma once

#include <SDL/SDL.h>
#include <vector>

#include "sprites/sprites.h"

struct SpriteCall {
    char kind;  // 'b' blit, 'c' clip, 'x' mapX, 'y' mapY
    SDL_Surface *image;
    int x, y;
    const SDL_Rect *rect;  // what the clip was given, copied into `clip`
    SDL_Rect clip;
};

inline std::vector<SpriteCall> spriteCalls;

inline void recordBlit(SDL_Surface *image, int x, int y) { spriteCalls.push_back({'b', image, x, y, nullptr, {}}); }
inline void recordClip(SDL_Rect *rect) { spriteCalls.push_back({'c', nullptr, 0, 0, rect, rect ? *rect : SDL_Rect{}}); }

// Draws the pool once and returns the blits.
inline std::vector<SpriteCall> drawnBlits()
{
    spriteCalls.clear();
    drawSprites(recordBlit, recordClip);
    std::vector<SpriteCall> blits;
    for (const SpriteCall &call : spriteCalls)
        if (call.kind == 'b') blits.push_back(call);
    return blits;
}

// Fills record `index` as a newly placed sprite of one frame at (x, y), shown at once, never retired by age.
inline Sprite &putSprite(int index, int motion, SDL_Surface *image, double x = 0, double y = 0)
{
    Sprite &sprite = spritePool[index];
    sprite = Sprite{};
    sprite.motion = motion;
    sprite.frames[0] = image;
    sprite.frameCount = 1;
    sprite.frameDelay = 1;
    sprite.pathA = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    sprite.clipRect = {0, 0, 800, 600};
    sprite.x = x;
    sprite.y = y;
    sprite.lifetime = -1;
    return sprite;
}

inline SDL_Surface *makeImage(int w, int h) { return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0, 0, 0, 0); }

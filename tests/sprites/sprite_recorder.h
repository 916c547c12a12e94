// sprite_recorder.h -- test surfaces and a recorder standing in for the blit, clip and map callbacks
#pragma once

#include <SDL/SDL.h>
#include <vector>

#include "sprites/sprites.h"

struct SpriteCall {
    char kind;  // 'b' blit, 'c' clip, 'x' mapX, 'y' mapY
    SDL_Surface *image;
    int x, y;
    bool hasRect;
    SDL_Rect rect;
};

inline std::vector<SpriteCall> spriteCalls;

inline void recordBlit(SDL_Surface *image, int x, int y) { spriteCalls.push_back({'b', image, x, y, false, {}}); }

inline void recordClip(SDL_Rect *rect)
{
    SpriteCall call{'c', nullptr, 0, 0, rect != nullptr, {}};
    if (rect) call.rect = *rect;
    spriteCalls.push_back(call);
}

inline int recordMapX(int x)
{
    spriteCalls.push_back({'x', nullptr, x, 0, false, {}});
    return x + 1000;
}

inline int recordMapY(int y)
{
    spriteCalls.push_back({'y', nullptr, 0, y, false, {}});
    return y + 2000;
}

inline std::vector<SpriteCall> blitsOf(const std::vector<SpriteCall> &calls)
{
    std::vector<SpriteCall> blits;
    for (const SpriteCall &call : calls)
        if (call.kind == 'b') blits.push_back(call);
    return blits;
}

// Draws the pool once and returns what the callbacks saw.
inline std::vector<SpriteCall> drawOnce()
{
    spriteCalls.clear();
    drawSprites(recordBlit, recordClip);
    return spriteCalls;
}

// Fills record `index` the way a newly placed sprite starts, standing still unless motion says otherwise.
inline Sprite &putSprite(int index, int motion, SDL_Surface *image, int x = 0, int y = 0)
{
    Sprite &sprite = spritePool[index];
    sprite = Sprite{};
    sprite.motion = motion;
    sprite.frames[0] = image;
    sprite.frameCount = 1;
    sprite.frameDelay = 1;
    sprite.startDelay = 0;
    sprite.tick = 0;
    sprite.pathA = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    sprite.clipRect = {0, 0, 800, 600};
    sprite.x = x;
    sprite.y = y;
    sprite.lifetime = -1;
    return sprite;
}

inline SDL_Surface *makeImage(int w, int h) { return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0, 0, 0, 0); }

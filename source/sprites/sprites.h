// sprites.h -- a fixed pool of 10000 animated, self-moving sprites
#pragma once

#include <SDL/SDL.h>
#include <array>
#include <cstdint>

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr int SpritePoolSize = 10000;
constexpr int SpriteMaxFrames = 10;

// The value of a record's motion; a record is free when its motion is SpriteFree. Any other value
// outside 1 to 6 makes a sprite that stands still but still ages and animates.
enum SpriteMotion {
    SpriteFree = -1,
    MotionBallistic = 1,  // pathA start, pathB start velocity x 100, rate gravity
    MotionOrbit = 2,      // pathA centre and radius (w), rate radians per update
    MotionBounce = 3,     // pathA start and floor line (h), pathB start velocity x 100, rate gravity
    MotionSway = 4,       // pathA start, amplitude x 10 (w), period divisor (h); pathB decay (w), speed-up x 100 (h)
    MotionGlide = 5,      // pathA start, pathB target, rate pixels per update
    MotionOneShot = 6,    // plays its animation once where it stands
};

// The anchor value that centres the image on (x, y); any other puts its top-left corner there.
constexpr int SpriteAnchorCentre = 2;

// ----------------------------------------------------------------------------------------------------
// Types
// ----------------------------------------------------------------------------------------------------
struct Sprite {
    int32_t motion;  // SpriteMotion, or any other value for a sprite that does not move
    int32_t key;     // the owner's tag; the pool never reads it
    double x, y;
    double vx, vy;
    std::array<SDL_Surface *, SpriteMaxFrames> frames;  // entry 0 also sizes the edge tests
    int32_t frameCount;
    int32_t tick;        // -1 while hidden before the start delay has passed
    int32_t frameDelay;  // updates per frame image
    int32_t startDelay;
    SDL_Rect pathA;
    SDL_Rect pathB;
    SDL_Rect clipRect;  // set while this sprite is drawn
    double rate;
    double phase;
    int32_t age;
    int32_t lifetime;  // -1: no limit
    int32_t anchor;
};

using SpritePool = std::array<Sprite, SpritePoolSize>;
extern SpritePool spritePool;

using SpriteBlitFn = void (*)(SDL_Surface *image, int x, int y);
using SpriteClipFn = void (*)(SDL_Rect *rect);  // null: the whole screen
using SpriteMapFn = int (*)(int coordinate);

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void clearSprites();
void updateSprites();
void drawSprites(SpriteBlitFn blit, SpriteClipFn clip);
// Like drawSprites, with every drawing position passed through mapY, then mapX.
void drawSpritesMapped(SpriteBlitFn blit, SpriteClipFn clip, SpriteMapFn mapX, SpriteMapFn mapY);
double randomScale(double f);

// Places a sprite in the first free record and returns its index, or -1 when the pool is full or the
// request is unusable (no motion, no frame images, a missing image). The request gives motion, key,
// frames, frameCount, frameDelay, startDelay, pathA, pathB, clipRect (all zero: the whole screen), rate,
// lifetime and anchor; the rest starts as a new sprite's does.
int placeSprite(const Sprite &request);

// sprites.cpp -- the sprite pool: six motion rules, ageing, animation and drawing in index order
#include "sprites/sprites.h"

#include <cmath>
#include <cstdint>

#include "base/random.h"
#include "base/screen.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
SpritePool spritePool;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static void retire(Sprite &sprite) { sprite.motion = SpriteFree; }

static int frameWidth(const Sprite &sprite) { return sprite.frames[0] ? sprite.frames[0]->w : 0; }
static int frameHeight(const Sprite &sprite) { return sprite.frames[0] ? sprite.frames[0]->h : 0; }

// Cuts toward zero like a plain conversion, but a position far off any screen cannot overflow it.
static int truncatePosition(double value)
{
    if (!(value > -1e9)) return -1000000000;  // also catches NaN
    if (value > 1e9) return 1000000000;
    return static_cast<int>(value);
}

static int identityMap(int coordinate) { return coordinate; }

// Each rule returns false when it retires the sprite.
static bool moveBallistic(Sprite &sprite)
{
    sprite.vy += sprite.rate;
    sprite.x += sprite.vx;
    sprite.y += sprite.vy;
    // A sprite thrown out through the top comes back down, so only the other three edges retire it.
    return !(sprite.x < -frameWidth(sprite) || sprite.x > screenWidth ||
             sprite.y > screenHeight + frameHeight(sprite) / 2);
}

static bool moveOrbit(Sprite &sprite)
{
    sprite.x = sprite.pathA.x + std::cos(sprite.phase) * sprite.pathA.w;
    sprite.y = sprite.pathA.y + std::sin(sprite.phase) * sprite.pathA.w;
    sprite.phase += sprite.rate;
    return true;
}

static bool moveBounce(Sprite &sprite)
{
    sprite.vy += sprite.rate;
    sprite.x += sprite.vx;
    sprite.y += sprite.vy;
    // Only a fall through the floor bounces; the sprite is not put back on the line, so one still below
    // it on the way up is not bounced again.
    if (sprite.y > sprite.pathA.h && sprite.vy > 0) {
        sprite.vy = -sprite.vy;
        sprite.vy = sprite.vy * (0.3 + randomScale(0.5));
        if (std::fabs(sprite.vy) < 0.5) return false;
    }
    return !(sprite.x < -frameWidth(sprite) || sprite.x > screenWidth);
}

static bool moveSway(Sprite &sprite)
{
    sprite.y += sprite.rate;
    // A period divisor of 0 sways with period 1 rather than dividing by zero.
    double period = sprite.pathA.h != 0 ? sprite.pathA.h : 1;
    sprite.x = sprite.pathA.x + std::sin(sprite.age / period) * (sprite.pathA.w / 10.0);
    double speedUp = sprite.pathB.h / 100.0;
    if (sprite.rate < 0) {
        sprite.rate -= speedUp;
    } else {
        sprite.rate += speedUp;
    }
    // The amplitude decays in 16-bit unsigned steps; a step that wraps below zero leaves it at rest.
    Uint16 amplitude = static_cast<Uint16>(sprite.pathA.w - sprite.pathB.w);
    sprite.pathA.w = amplitude > 32768 ? 0 : amplitude;
    if (sprite.rate < 0) return !(sprite.y < -frameHeight(sprite));
    if (sprite.rate > 0) return !(sprite.y > screenHeight);
    return true;
}

static bool moveGlide(Sprite &sprite)
{
    int64_t dx = sprite.pathB.x - sprite.pathA.x;
    int64_t dy = sprite.pathB.y - sprite.pathA.y;
    double distance = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    if (distance > 0) {
        sprite.x = sprite.pathA.x + dx * sprite.phase / distance;
        sprite.y = sprite.pathA.y + dy * sprite.phase / distance;
    }
    sprite.phase += sprite.rate;
    // With start and target the same there is no way to go: the sprite stands at its target.
    if (sprite.phase > distance || distance == 0) {
        sprite.x = sprite.pathB.x;
        sprite.y = sprite.pathB.y;
    }
    return true;
}

static bool moveOneShot(Sprite &sprite)
{
    // Tested before the sprite ages: drawn before each update, it shows every tick once, then goes.
    return sprite.age < sprite.frameCount * sprite.frameDelay + sprite.startDelay - 1;
}

static bool applyMotion(Sprite &sprite)
{
    switch (sprite.motion) {
    case MotionBallistic: return moveBallistic(sprite);
    case MotionOrbit: return moveOrbit(sprite);
    case MotionBounce: return moveBounce(sprite);
    case MotionSway: return moveSway(sprite);
    case MotionGlide: return moveGlide(sprite);
    case MotionOneShot: return moveOneShot(sprite);
    default: return true;
    }
}

static void animate(Sprite &sprite)
{
    if (sprite.age < sprite.startDelay) {
        sprite.tick = -1;
    } else if (sprite.age == sprite.startDelay) {
        sprite.tick = 0;
    } else {
        sprite.tick += 1;
        if (sprite.tick >= sprite.frameCount * sprite.frameDelay) sprite.tick = 0;
    }
}

// The image a sprite shows now, or null when its record cannot name one (a bad frame delay, count or
// tick, or a missing image): such a sprite is skipped rather than read out of bounds.
static SDL_Surface *currentImage(const Sprite &sprite)
{
    if (sprite.frameDelay < 1 || sprite.tick < 0) return nullptr;
    int index = sprite.tick / sprite.frameDelay;
    if (index >= SpriteMaxFrames) return nullptr;
    return sprite.frames[index];
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void clearSprites()
{
    for (Sprite &sprite : spritePool) sprite.motion = SpriteFree;
}

void updateSprites()
{
    for (Sprite &sprite : spritePool) {
        if (sprite.motion == SpriteFree) continue;
        if (!applyMotion(sprite)) {
            retire(sprite);
            continue;
        }
        sprite.age += 1;
        if (sprite.lifetime != -1 && sprite.age == sprite.lifetime) retire(sprite);
        animate(sprite);
    }
}

void drawSprites(SpriteBlitFn blit, SpriteClipFn clip) { drawSpritesMapped(blit, clip, identityMap, identityMap); }

void drawSpritesMapped(SpriteBlitFn blit, SpriteClipFn clip, SpriteMapFn mapX, SpriteMapFn mapY)
{
    for (Sprite &sprite : spritePool) {
        if (sprite.motion == SpriteFree || sprite.tick == -1) continue;
        SDL_Surface *image = currentImage(sprite);
        if (!image) continue;
        SDL_Rect clipRect = sprite.clipRect;
        clip(&clipRect);
        int dx = truncatePosition(sprite.x);
        int dy = truncatePosition(sprite.y);
        if (sprite.anchor == SpriteAnchorCentre) {
            dx -= image->w / 2;
            dy -= image->h / 2;
        }
        int mappedY = mapY(dy);
        int mappedX = mapX(dx);
        blit(image, mappedX, mappedY);
    }
    // Whatever was drawn, the next drawing gets the whole screen again.
    clip(nullptr);
}

double randomScale(double f) { return randomNext() / static_cast<double>(randomMax) * f; }

int placeSprite(const Sprite &request)
{
    if (request.motion == SpriteFree) return -1;
    if (request.frameCount < 1 || request.frameCount > SpriteMaxFrames || request.frameDelay < 1) return -1;
    for (int i = 0; i < request.frameCount; ++i) {
        if (!request.frames[i]) return -1;
    }
    for (int index = 0; index < SpritePoolSize; ++index) {
        Sprite &sprite = spritePool[index];
        if (sprite.motion != SpriteFree) continue;
        sprite = request;
        sprite.frames = {};
        for (int i = 0; i < request.frameCount; ++i) sprite.frames[i] = request.frames[i];
        const SDL_Rect &clip = request.clipRect;
        if (clip.x == 0 && clip.y == 0 && clip.w == 0 && clip.h == 0) sprite.clipRect = {0, 0, screenWidth, screenHeight};
        sprite.x = request.pathA.x;
        sprite.y = request.pathA.y;
        sprite.vx = 0;
        sprite.vy = 0;
        if (request.motion == MotionBallistic || request.motion == MotionBounce) {
            sprite.vx = request.pathB.x / 100.0;
            sprite.vy = request.pathB.y / 100.0;
        }
        sprite.tick = request.startDelay == 0 ? 0 : -1;
        sprite.phase = 0;
        sprite.age = 0;
        return index;
    }
    return -1;
}

// pictures.cpp -- the pictures by kind, each made once per size onto the atlas, and the panels and stars around them
#include "pictures.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "painters.h"

//----------------------------------------------------------------------------------------------------------
// Tables and state
//----------------------------------------------------------------------------------------------------------

namespace {

struct PainterEntry {
    PicKind kind;
    Painter paint;
};

// The painter of every kind of picture, in the order of PicKind.
constexpr std::array<PainterEntry, PicKindCount> painters{{
    {PicNone, nullptr}, {PicQuestion, drawQuestion}, {PicPlus, drawPlus}, {PicSquirrel, drawSquirrel},
    {PicHedgehog, drawHedgehog}, {PicRabbit, drawRabbit}, {PicFox, drawFox}, {PicBear, drawBear}, {PicOwl, drawOwl},
    {PicBird, drawBird}, {PicBee, drawBee}, {PicFrog, drawFrog}, {PicHollow, drawHollow}, {PicNest, drawNest},
    {PicBurrow, drawBurrow}, {PicCave, drawCave}, {PicHive, drawHive}, {PicPond, drawPond}, {PicAcorn, drawAcorn},
    {PicCarrot, drawCarrot}, {PicHoney, drawHoney}, {PicWorm, drawWorm}, {PicFly, drawFly},
    {PicMushroom, drawMushroom}, {PicApple, drawApple}, {PicFlower, drawFlower}, {PicLeaf, drawLeaf},
    {PicTree, drawTree}, {PicPine, drawPine}, {PicBasket, drawBasket}, {PicShape, drawShape}, {PicLitter, drawLitter},
    {PicCampfire, drawCampfire}, {PicPickFlower, drawPickFlower},
    {PicBlaze, drawBlaze}, {PicDeed, drawDeed}, {PicAnt, drawAnt}, {PicAnthill, drawAnthill}, {PicSnail, drawSnail},
    {PicSpider, drawSpider}, {PicLeafPile, drawLeafPile}, {PicDeer, drawDeer}, {PicGrass, drawGrass},
    {PicMouse, drawMouse}, {PicWheat, drawWheat}, {PicSnowman, drawSnowman}, {PicSnowdrop, drawSnowdrop},
    {PicWatermelon, drawWatermelon}, {PicGrapes, drawGrapes}, {PicEgg, drawEgg},
    {PicTenRod, drawTenRod},
    {PicLight, drawLight},
    {PicWalkLight, drawWalkLight}, {PicCar, drawCar}, {PicBus, drawBus}, {PicFireTruck, drawFireTruck},
    {PicAmbulance, drawAmbulance}, {PicPolice, drawPolice}, {PicCoin, drawCoin}, {PicClock, drawClock},
    {PicHouse, drawHouse}, {PicShop, drawShop}, {PicSign, drawSign}, {PicPaper, drawPaper}, {PicBottle, drawBottle},
    {PicJar, drawJar}, {PicBin, drawBin}, {PicArrow, drawArrow}, {PicZebra, drawZebra}, {PicRoad, drawRoad},
    {PicHelmet, drawHelmet}, {PicBelt, drawBelt}, {PicBread, drawBread}, {PicMedicine, drawMedicine},
    {PicBall, drawBall}, {PicIceCream, drawIceCream}, {PicKifli, drawKifli}, {PicBalloon, drawBalloon},
    {PicBook, drawBook}, {PicSun, drawSun}, {PicMoon, drawMoon}, {PicPhone, drawPhone},
    {PicDayPart, drawDayPart}, {PicHouseFire, drawHouseFire}, {PicBike, drawBike}, {PicTram, drawTram},
    {PicGarbageTruck, drawGarbageTruck}, {PicTeddy, drawTeddy}, {PicCan, drawCan}, {PicBox, drawBox},
    {PicVest, drawVest}, {PicPlace, drawPlace},
    {PicSwatch, drawSwatch},
    {PicAction, drawAction}, {PicSnowflake, drawSnowflake}, {PicDay, drawDay}, {PicPurse, drawPurse},
    {PicWatch, drawWatch}, {PicMagnifier, drawMagnifier}, {PicPodium, drawPodium}, {PicTower, drawTower},
}};

// A kind added to the picture list without its painter here leaves an empty entry at the end of the table,
// whose kind is PicNone, and one painted in the wrong place has the wrong kind beside it: both stop the
// build. (A painter's address is not compared with null here: the undefined-behaviour sanitizer makes that
// comparison one the compiler cannot make while building.)
constexpr bool paintersInOrder()
{
    for (size_t i = 1; i < painters.size(); ++i)
        if (painters[i].kind != static_cast<PicKind>(i)) return false;
    return painters[0].kind == PicNone;
}
static_assert(paintersInOrder(), "every kind of picture needs its painter, in the order of PicKind");

constexpr Rgba shadow{60, 40, 20, 70};
constexpr Rgb starGold{252, 200, 40};
constexpr Rgb starGrey{225, 220, 205};
constexpr Rgb starShine{255, 245, 200};

struct Made {
    Pic pic;
    int size;
    int sprite;
};
constexpr int MaxMade = 1024;
std::array<Made, MaxMade> made; // a fixed table: see engineRelease
int madeCount = 0;

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

SDL_Surface *pictureRender(Pic pic, int size)
{
    SDL_Surface *s = atlasNewSurface(2 * size, 2 * size);
    if (!s) return nullptr;
    Pen pen{s, 2.0f * size / 100.0f, std::max(2, size / 26)};
    if (pic.kind > PicNone && pic.kind < PicKindCount) painters[pic.kind].paint(pen, pic.param);
    return s;
}

int pictureFind(Pic pic, int size)
{
    for (int i = 0; i < madeCount; ++i)
        if (samePic(made[i].pic, pic) && made[i].size == size) return made[i].sprite;
    return -1;
}

int pictureSprite(Pic pic, int size)
{
    if (pic.kind == PicNone) return -1;
    int found = pictureFind(pic, size);
    if (found >= 0) return found;
    SDL_Surface *s = pictureRender(pic, size);
    int sprite = atlasAdd(s, true);
    SDL_FreeSurface(s);
    if (madeCount < MaxMade) made[madeCount++] = Made{pic, size, sprite};
    return sprite;
}

int panelSprite(int w, int h, Rgba fill, Rgba border, int radius)
{
    SDL_Surface *s = atlasNewSurface(2 * w, 2 * h);
    if (!s) return -1;
    Sint16 r = static_cast<Sint16>(2 * radius), b = 6;
    roundedBoxRGBA(s, 4, 8, static_cast<Sint16>(2 * w - 1), static_cast<Sint16>(2 * h - 1), r, shadow.r, shadow.g, shadow.b, shadow.a);
    roundedBoxRGBA(s, 0, 0, static_cast<Sint16>(2 * w - 5), static_cast<Sint16>(2 * h - 9), r, border.r, border.g,
                   border.b, 255);
    roundedBoxRGBA(s, b, b, static_cast<Sint16>(2 * w - 5 - b), static_cast<Sint16>(2 * h - 9 - b),
                   static_cast<Sint16>(std::max(2, r - b)), fill.r, fill.g, fill.b, fill.a);
    int sprite = atlasAdd(s, true);
    SDL_FreeSurface(s);
    return sprite;
}

int starSprite(int size, bool lit)
{
    SDL_Surface *s = atlasNewSurface(2 * size, 2 * size);
    if (!s) return -1;
    Pen pen{s, 2.0f * size / 100.0f, std::max(2, size / 20)};
    ring(pen, 50, 53, 10, 46, 21, -3.14159f / 2, lit ? starGold : starGrey);
    if (lit) dot(pen, 42, 40, 5, starShine);
    int sprite = atlasAdd(s, true);
    SDL_FreeSurface(s);
    return sprite;
}

int speakerSprite(int size, Rgba fill)
{
    SDL_Surface *s = atlasNewSurface(2 * size, 2 * size);
    if (!s) return -1;
    Pen pen{s, 2.0f * size / 100.0f, std::max(2, size / 24)};
    constexpr Rgb face{255, 255, 255};
    disc(pen, 50, 50, 46, Rgb{fill.r, fill.g, fill.b});
    box(pen, 20, 39, 14, 22, face, 3);
    poly(pen, {32, 39, 50, 23, 50, 77, 32, 61}, face);
    // Two sound waves, each a row of short round strokes along an arc.
    for (float radius : {13.0f, 25.0f})
        for (int k = 0; k < 6; ++k) {
            float a = -0.85f + 0.34f * k, b = a + 0.34f;
            stroke(pen, 52 + radius * std::cos(a), 50 + radius * std::sin(a), 52 + radius * std::cos(b),
                   50 + radius * std::sin(b), 6, face);
        }
    int sprite = atlasAdd(s, true);
    SDL_FreeSurface(s);
    return sprite;
}

void picturesForget() { madeCount = 0; }
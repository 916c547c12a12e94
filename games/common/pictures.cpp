// pictures.cpp -- every picture of the games drawn with simple shapes on a 100 x 100 grid, outlined in ink
#include "pictures.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "gametext.h"

//----------------------------------------------------------------------------------------------------------
// Types and state
//----------------------------------------------------------------------------------------------------------

namespace {

struct Rgb {
    Uint8 r, g, b;
};

constexpr Rgb ink{70, 45, 30};
constexpr Rgb white{252, 250, 242};
constexpr Rgb black{40, 35, 35};
constexpr Rgb grey{150, 150, 155};
constexpr Rgb darkGrey{95, 95, 100};
constexpr Rgb lightBlue{180, 220, 250};
constexpr Rgb skin{250, 215, 180};
constexpr Rgb bark{140, 90, 50};
constexpr Rgb darkBark{105, 65, 35};
constexpr Rgb leafGreen{95, 180, 75};
constexpr Rgb darkGreen{55, 135, 60};
constexpr Rgb gold{250, 200, 60};
constexpr Rgb silver{205, 210, 215};

constexpr Rgb palette[ColourCount] = {
    {230, 70, 60}, {250, 210, 60}, {90, 180, 80}, {70, 140, 230}, {245, 150, 50},
    {160, 100, 200}, {245, 150, 190}, {150, 95, 55}, {250, 250, 245},
};

Rgb colourRgb(int c) { return c >= 0 && c < ColourCount ? palette[c] : grey; }

// A pen on a surface twice the final size; positions are on a 100 x 100 grid.
struct Pen {
    SDL_Surface *s;
    float k;  // pixels per grid unit
    int line; // outline width in pixels
};

struct Made {
    Pic pic;
    int size;
    int sprite;
};
constexpr int MaxMade = 1024;
std::array<Made, MaxMade> made; // a fixed table: see engineRelease
int madeCount = 0;

Sint16 px(const Pen &p, float u) { return static_cast<Sint16>(std::lround(u * p.k)); }

void disc(Pen &p, float cx, float cy, float r, Rgb c)
{
    filledCircleRGBA(p.s, px(p, cx), px(p, cy), static_cast<Sint16>(r * p.k + p.line), ink.r, ink.g, ink.b, 255);
    filledCircleRGBA(p.s, px(p, cx), px(p, cy), px(p, r), c.r, c.g, c.b, 255);
}

void dot(Pen &p, float cx, float cy, float r, Rgb c)
{
    filledCircleRGBA(p.s, px(p, cx), px(p, cy), std::max<Sint16>(1, px(p, r)), c.r, c.g, c.b, 255);
}

void oval(Pen &p, float cx, float cy, float rx, float ry, Rgb c)
{
    filledEllipseRGBA(p.s, px(p, cx), px(p, cy), static_cast<Sint16>(rx * p.k + p.line),
                      static_cast<Sint16>(ry * p.k + p.line), ink.r, ink.g, ink.b, 255);
    filledEllipseRGBA(p.s, px(p, cx), px(p, cy), px(p, rx), px(p, ry), c.r, c.g, c.b, 255);
}

void plainOval(Pen &p, float cx, float cy, float rx, float ry, Rgb c)
{
    filledEllipseRGBA(p.s, px(p, cx), px(p, cy), px(p, rx), px(p, ry), c.r, c.g, c.b, 255);
}

void box(Pen &p, float x, float y, float w, float h, Rgb c, float radius = 0)
{
    Sint16 x1 = px(p, x), y1 = px(p, y), x2 = px(p, x + w), y2 = px(p, y + h), r = px(p, radius);
    Sint16 l = static_cast<Sint16>(p.line);
    if (r > 0) {
        roundedBoxRGBA(p.s, x1 - l, y1 - l, x2 + l, y2 + l, static_cast<Sint16>(r + l), ink.r, ink.g, ink.b, 255);
        roundedBoxRGBA(p.s, x1, y1, x2, y2, r, c.r, c.g, c.b, 255);
    } else {
        boxRGBA(p.s, x1 - l, y1 - l, x2 + l, y2 + l, ink.r, ink.g, ink.b, 255);
        boxRGBA(p.s, x1, y1, x2, y2, c.r, c.g, c.b, 255);
    }
}

void plainBox(Pen &p, float x, float y, float w, float h, Rgb c)
{
    boxRGBA(p.s, px(p, x), px(p, y), px(p, x + w), px(p, y + h), c.r, c.g, c.b, 255);
}

void stroke(Pen &p, float x1, float y1, float x2, float y2, float width, Rgb c)
{
    Uint8 w = static_cast<Uint8>(std::max(1.0f, width * p.k));
    thickLineRGBA(p.s, px(p, x1), px(p, y1), px(p, x2), px(p, y2), w, c.r, c.g, c.b, 255);
    dot(p, x1, y1, width / 2, c);
    dot(p, x2, y2, width / 2, c);
}

void poly(Pen &p, std::initializer_list<float> points, Rgb c)
{
    std::vector<Sint16> xs, ys;
    for (auto it = points.begin(); it + 1 < points.end(); it += 2) {
        xs.push_back(px(p, *it));
        ys.push_back(px(p, *(it + 1)));
    }
    int n = static_cast<int>(xs.size());
    Uint8 w = static_cast<Uint8>(2 * p.line);
    for (int i = 0; i < n; ++i) {
        int j = (i + 1) % n;
        thickLineRGBA(p.s, xs[i], ys[i], xs[j], ys[j], w, ink.r, ink.g, ink.b, 255);
        filledCircleRGBA(p.s, xs[i], ys[i], static_cast<Sint16>(p.line), ink.r, ink.g, ink.b, 255);
    }
    filledPolygonRGBA(p.s, xs.data(), ys.data(), n, c.r, c.g, c.b, 255);
}

void eye(Pen &p, float x, float y, float r = 3)
{
    dot(p, x, y, r, black);
    dot(p, x + r * 0.35f, y - r * 0.35f, r * 0.35f, white);
}


// Makes the area transparent again (the drawing functions cannot paint with zero alpha).
void eraseBox(Pen &p, float x, float y, float w, float h)
{
    SDL_Rect r{px(p, x), px(p, y), static_cast<Uint16>(std::max(0, px(p, x + w) - px(p, x))),
               static_cast<Uint16>(std::max(0, px(p, y + h) - px(p, y)))};
    SDL_FillRect(p.s, &r, 0);
}

void eraseDisc(Pen &p, float cx, float cy, float r)
{
    int x0 = px(p, cx), y0 = px(p, cy), rr = px(p, r);
    SDL_LockSurface(p.s);
    for (int y = std::max(0, y0 - rr); y <= std::min(p.s->h - 1, y0 + rr); ++y)
        for (int x = std::max(0, x0 - rr); x <= std::min(p.s->w - 1, x0 + rr); ++x)
            if ((x - x0) * (x - x0) + (y - y0) * (y - y0) <= rr * rr)
                reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(p.s->pixels) + y * p.s->pitch)[x] = 0;
    SDL_UnlockSurface(p.s);
}

void smile(Pen &p, float cx, float cy, float r)
{
    arcRGBA(p.s, px(p, cx), px(p, cy), px(p, r), 20, 160, ink.r, ink.g, ink.b, 255);
    arcRGBA(p.s, px(p, cx), static_cast<Sint16>(px(p, cy) + 1), px(p, r), 20, 160, ink.r, ink.g, ink.b, 255);
}

// Words or numbers on a picture, centred on (cx, cy), at a height of about `height` grid units.
void label(Pen &p, const char *text, float cx, float cy, float height, Rgba colour)
{
    SDL_Surface *t = textRender(text, std::max(6, static_cast<int>(height * p.k)), colour, 4000);
    if (!t) return;
    atlasComposite(p.s, t, px(p, cx) - t->w / 2, px(p, cy) - t->h / 2);
    SDL_FreeSurface(t);
}

//----------------------------------------------------------------------------------------------------------
// Animals
//----------------------------------------------------------------------------------------------------------

void drawSquirrel(Pen &p)
{
    Rgb fur{215, 110, 45}, light{250, 205, 150};
    oval(p, 70, 45, 20, 32, fur);          // the bushy tail
    oval(p, 74, 34, 12, 18, fur);
    oval(p, 45, 68, 20, 22, fur);          // body
    oval(p, 42, 72, 11, 14, light);
    poly(p, {30, 28, 34, 12, 40, 27}, fur); // ears
    poly(p, {44, 26, 50, 11, 54, 27}, fur);
    disc(p, 40, 40, 16, fur);              // head
    oval(p, 33, 46, 8, 6, light);
    eye(p, 38, 36);
    dot(p, 27, 44, 2.5f, ink);
    oval(p, 32, 88, 8, 4, fur);            // feet
    oval(p, 55, 90, 8, 4, fur);
}

void drawHedgehog(Pen &p)
{
    Rgb spikes{120, 85, 60}, face{240, 205, 160};
    poly(p, {22, 70, 26, 46, 32, 50, 36, 32, 44, 40, 50, 26, 56, 38, 64, 28, 68, 42, 78, 36, 78, 52, 88, 54, 86, 72},
         spikes);
    oval(p, 55, 70, 30, 16, spikes);
    poly(p, {12, 72, 30, 52, 40, 78}, face); // the pointed face
    oval(p, 30, 72, 12, 10, face);
    eye(p, 27, 64, 2.5f);
    dot(p, 12, 72, 3, black);
    oval(p, 36, 86, 6, 3, face);
    oval(p, 70, 86, 6, 3, face);
}

void drawRabbit(Pen &p)
{
    Rgb fur{225, 220, 215}, pink{245, 170, 180};
    oval(p, 40, 22, 6, 18, fur);
    oval(p, 56, 22, 6, 18, fur);
    plainOval(p, 40, 22, 2.5f, 13, pink);
    plainOval(p, 56, 22, 2.5f, 13, pink);
    oval(p, 52, 72, 24, 20, fur);
    disc(p, 76, 72, 6, white);   // tail
    disc(p, 48, 46, 17, fur);
    eye(p, 42, 43);
    eye(p, 56, 43);
    dot(p, 49, 51, 2.5f, pink);
    oval(p, 32, 90, 6, 4, fur); // four paws
    oval(p, 45, 91, 6, 4, fur);
    oval(p, 60, 91, 6, 4, fur);
    oval(p, 73, 90, 6, 4, fur);
}

void drawFox(Pen &p)
{
    Rgb fur{235, 120, 40};
    oval(p, 75, 70, 20, 10, fur);           // tail
    disc(p, 92, 70, 5, white);
    oval(p, 52, 70, 20, 17, fur);
    oval(p, 50, 76, 9, 10, white);
    poly(p, {28, 30, 30, 10, 42, 24}, fur); // ears
    poly(p, {52, 24, 62, 10, 64, 30}, fur);
    poly(p, {24, 28, 68, 28, 46, 62}, fur); // head
    poly(p, {34, 44, 58, 44, 46, 62}, white);
    eye(p, 38, 36);
    eye(p, 54, 36);
    dot(p, 46, 61, 3, black);
    for (float x : {36.0f, 47.0f, 60.0f, 71.0f}) { // four legs: the legs task counts them
        stroke(p, x, 80, x, 90, 4, darkBark);
        oval(p, x, 91, 4, 2.5f, darkBark);
    }
}

void drawBear(Pen &p)
{
    Rgb fur{150, 95, 55}, light{215, 170, 120};
    oval(p, 50, 72, 28, 24, fur);
    oval(p, 50, 76, 15, 14, light);
    disc(p, 30, 22, 9, fur);
    disc(p, 70, 22, 9, fur);
    disc(p, 50, 38, 22, fur);
    oval(p, 50, 47, 10, 8, light);
    eye(p, 41, 34);
    eye(p, 59, 34);
    dot(p, 50, 44, 3.5f, black);
    oval(p, 30, 92, 10, 5, fur);
    oval(p, 70, 92, 10, 5, fur);
}

void drawOwl(Pen &p)
{
    Rgb feathers{160, 110, 70}, light{225, 195, 150}, beak{245, 160, 40};
    poly(p, {26, 24, 32, 8, 42, 20}, feathers);
    poly(p, {58, 20, 68, 8, 74, 24}, feathers);
    oval(p, 50, 56, 28, 36, feathers);
    oval(p, 50, 66, 17, 22, light);
    disc(p, 38, 36, 11, white);
    disc(p, 62, 36, 11, white);
    eye(p, 38, 36, 5);
    eye(p, 62, 36, 5);
    poly(p, {45, 46, 55, 46, 50, 56}, beak);
    oval(p, 42, 93, 6, 3, beak);
    oval(p, 58, 93, 6, 3, beak);
}

void drawBird(Pen &p)
{
    Rgb feathers{80, 150, 230}, belly{250, 230, 160}, beak{245, 160, 40};
    oval(p, 74, 48, 14, 7, feathers);       // tail
    disc(p, 48, 52, 26, feathers);
    oval(p, 42, 62, 14, 13, belly);
    oval(p, 58, 56, 12, 8, {60, 120, 200}); // wing
    poly(p, {14, 44, 26, 38, 26, 50}, beak);
    eye(p, 36, 42, 3.5f);
    stroke(p, 42, 78, 40, 92, 2.5f, beak);
    stroke(p, 54, 78, 56, 92, 2.5f, beak);
}

void drawBee(Pen &p)
{
    Rgb yellow{250, 205, 50};
    for (int i = 0; i < 3; ++i) { // six legs, three on each side that shows
        stroke(p, 38 + i * 12.0f, 74, 34 + i * 12.0f, 88, 2, black);
        stroke(p, 42 + i * 12.0f, 74, 46 + i * 12.0f, 88, 2, black);
    }
    oval(p, 40, 30, 12, 16, {210, 235, 250}); // wings
    oval(p, 60, 30, 12, 16, {210, 235, 250});
    oval(p, 50, 58, 30, 20, yellow);
    plainBox(p, 42, 40, 7, 36, black);
    plainBox(p, 58, 42, 7, 32, black);
    disc(p, 22, 56, 12, yellow);
    eye(p, 19, 53, 2.5f);
    smile(p, 20, 56, 5);
    poly(p, {80, 56, 92, 58, 80, 62}, black);
}

void drawFrog(Pen &p)
{
    Rgb green{110, 190, 80}, belly{200, 230, 140};
    oval(p, 28, 84, 14, 6, green);
    oval(p, 72, 84, 14, 6, green);
    oval(p, 50, 64, 30, 24, green);
    oval(p, 50, 72, 18, 13, belly);
    disc(p, 34, 38, 11, green);
    disc(p, 66, 38, 11, green);
    disc(p, 34, 38, 6, white);
    disc(p, 66, 38, 6, white);
    eye(p, 34, 38, 3.5f);
    eye(p, 66, 38, 3.5f);
    smile(p, 50, 50, 14);
}

//----------------------------------------------------------------------------------------------------------
// Homes, food and the forest
//----------------------------------------------------------------------------------------------------------

void crown(Pen &p, Rgb c)
{
    disc(p, 50, 30, 24, c);
    disc(p, 30, 42, 18, c);
    disc(p, 70, 42, 18, c);
}

void drawHollow(Pen &p)
{
    box(p, 28, 30, 44, 66, bark, 4);
    crown(p, leafGreen);
    box(p, 28, 46, 44, 50, bark, 4);
    oval(p, 50, 64, 11, 14, {45, 30, 20});
    stroke(p, 36, 82, 36, 94, 1.5f, darkBark);
    stroke(p, 64, 50, 64, 60, 1.5f, darkBark);
}

void drawNest(Pen &p)
{
    Rgb egg{190, 225, 245}, straw{190, 140, 80};
    oval(p, 38, 52, 10, 13, egg);
    oval(p, 52, 50, 10, 13, egg);
    oval(p, 65, 53, 10, 13, egg);
    poly(p, {10, 56, 90, 56, 80, 80, 20, 80}, straw);
    for (int i = 0; i < 5; ++i) stroke(p, 16 + i * 4.0f, 62 + i * 3.5f, 84 - i * 4.0f, 62 + i * 3.5f, 1.2f, bark);
}

void drawBurrow(Pen &p)
{
    Rgb grass{120, 190, 80};
    oval(p, 50, 88, 46, 44, grass);
    eraseBox(p, 0, 89, 100, 11);
    oval(p, 50, 84, 17, 14, {50, 35, 25});
    eraseBox(p, 0, 89, 100, 11);
    stroke(p, 4, 89, 96, 89, 2, ink);
    stroke(p, 24, 62, 28, 54, 1.5f, darkGreen);
    stroke(p, 72, 56, 76, 50, 1.5f, darkGreen);
}

void drawCave(Pen &p)
{
    Rgb rock{165, 160, 155};
    poly(p, {6, 92, 16, 44, 36, 22, 62, 18, 84, 38, 96, 92}, rock);
    oval(p, 50, 80, 20, 24, {40, 35, 40});
    plainBox(p, 28, 86, 44, 8, rock);
    stroke(p, 4, 92, 96, 92, 2, ink);
    stroke(p, 24, 40, 34, 34, 1.5f, darkGrey);
    stroke(p, 70, 34, 78, 44, 1.5f, darkGrey);
}

void drawHive(Pen &p)
{
    Rgb straw{240, 185, 70};
    oval(p, 50, 80, 34, 12, straw);
    oval(p, 50, 64, 30, 11, straw);
    oval(p, 50, 48, 25, 10, straw);
    oval(p, 50, 33, 18, 9, straw);
    oval(p, 50, 21, 9, 7, straw);
    oval(p, 50, 82, 8, 6, {60, 40, 25});
    dot(p, 80, 26, 4, {250, 205, 50});
    dot(p, 80, 26, 1.5f, black);
}

void drawPond(Pen &p)
{
    oval(p, 50, 66, 44, 24, {90, 170, 230});
    plainOval(p, 40, 60, 20, 6, {150, 205, 245});
    disc(p, 64, 70, 10, leafGreen);
    filledPieRGBA(p.s, px(p, 64), px(p, 70), px(p, 10), 330, 360, 90, 170, 230, 255);
    stroke(p, 18, 40, 20, 60, 1.5f, darkGreen);
    stroke(p, 24, 36, 24, 58, 1.5f, darkGreen);
    oval(p, 22, 36, 2.5f, 6, bark);
}

void drawAcorn(Pen &p)
{
    oval(p, 50, 62, 20, 26, {200, 140, 70});
    oval(p, 50, 40, 25, 13, {125, 85, 50});
    stroke(p, 50, 28, 54, 16, 3, darkBark);
    for (int i = 0; i < 4; ++i) stroke(p, 32 + i * 12.0f, 38, 36 + i * 12.0f, 44, 1, darkBark);
}

void drawCarrot(Pen &p)
{
    oval(p, 42, 20, 6, 14, leafGreen);
    oval(p, 58, 20, 6, 14, leafGreen);
    oval(p, 50, 16, 5, 14, darkGreen);
    poly(p, {32, 32, 68, 32, 52, 94, 48, 94}, {245, 140, 40});
    stroke(p, 40, 46, 48, 46, 1.5f, {205, 100, 30});
    stroke(p, 52, 60, 58, 60, 1.5f, {205, 100, 30});
    stroke(p, 44, 72, 50, 72, 1.5f, {205, 100, 30});
}

void drawHoney(Pen &p)
{
    box(p, 22, 34, 56, 58, {240, 170, 40}, 12);
    box(p, 18, 24, 64, 14, {200, 130, 60}, 5);
    box(p, 30, 54, 40, 22, white, 4);
    label(p, "MÉZ", 50, 65, 14, Rgba{200, 120, 30, 255});
    oval(p, 30, 42, 4, 8, {240, 170, 40});
    stroke(p, 62, 30, 84, 10, 3, bark);
}

void drawWorm(Pen &p)
{
    Rgb pink{240, 140, 150};
    for (int i = 0; i < 7; ++i) disc(p, 18 + i * 11.0f, 64 + 10 * std::sin(i * 1.2f), 8, pink);
    disc(p, 86, 62 + 10 * std::sin(7 * 1.2f), 10, pink);
    eye(p, 88, 54 + 10 * std::sin(7 * 1.2f), 2.5f);
}

void drawFly(Pen &p)
{
    oval(p, 38, 36, 14, 20, {215, 235, 250});
    oval(p, 62, 36, 14, 20, {215, 235, 250});
    oval(p, 50, 60, 14, 18, {70, 70, 80});
    disc(p, 50, 42, 10, {70, 70, 80});
    dot(p, 45, 40, 4, {200, 50, 50});
    dot(p, 55, 40, 4, {200, 50, 50});
}

void drawMushroom(Pen &p)
{
    box(p, 40, 50, 20, 40, {245, 235, 210}, 8);
    poly(p, {10, 56, 20, 30, 50, 14, 80, 30, 90, 56}, {225, 60, 50});
    oval(p, 50, 56, 40, 6, {225, 60, 50});
    dot(p, 34, 36, 5, white);
    dot(p, 56, 26, 6, white);
    dot(p, 70, 42, 4.5f, white);
    dot(p, 46, 46, 3.5f, white);
}

void drawApple(Pen &p, bool taken)
{
    Rgb red = taken ? Rgb{215, 190, 185} : Rgb{225, 55, 50};
    stroke(p, 50, 30, 54, 14, 3.5f, bark);
    oval(p, 64, 18, 12, 6, leafGreen);
    disc(p, 40, 56, 26, red);
    disc(p, 60, 56, 26, red);
    plainOval(p, 50, 52, 26, 22, red);
    dot(p, 36, 46, 5, white);
    if (taken) {
        stroke(p, 20, 28, 80, 86, 6, {220, 60, 60});
        stroke(p, 80, 28, 20, 86, 6, {220, 60, 60});
    }
}

void drawFlower(Pen &p, int colour)
{
    stroke(p, 50, 50, 50, 96, 3.5f, darkGreen);
    oval(p, 38, 78, 10, 5, leafGreen);
    oval(p, 62, 72, 10, 5, leafGreen);
    for (int i = 0; i < 6; ++i) {
        float a = i * 3.14159f / 3;
        disc(p, 50 + 17 * std::cos(a), 36 + 17 * std::sin(a), 11, colourRgb(colour));
    }
    disc(p, 50, 36, 10, colour == ColYellow ? Rgb{240, 140, 40} : Rgb{250, 215, 60});
}

void drawLeaf(Pen &p, int colour)
{
    Rgb c = colourRgb(colour);
    poly(p, {14, 86, 18, 50, 40, 24, 86, 14, 76, 60, 50, 82}, c);
    stroke(p, 12, 88, 72, 28, 2, ink);
    stroke(p, 34, 66, 34, 48, 1.2f, ink);
    stroke(p, 50, 50, 62, 56, 1.2f, ink);
}

void drawTree(Pen &p, int season)
{
    box(p, 42, 50, 16, 46, bark, 3);
    if (season == SeasonWinter) {
        stroke(p, 50, 56, 28, 30, 4, bark);
        stroke(p, 50, 50, 72, 24, 4, bark);
        stroke(p, 50, 52, 50, 16, 4, bark);
        stroke(p, 36, 40, 24, 40, 3, bark);
        oval(p, 26, 29, 6, 3, white);
        oval(p, 72, 23, 6, 3, white);
        oval(p, 50, 15, 5, 3, white);
        oval(p, 50, 94, 44, 6, white);
        for (int i = 0; i < 8; ++i) dot(p, 10 + (i * 37) % 80, 10 + (i * 23) % 60, 2, {210, 225, 245});
        return;
    }
    Rgb leaves = season == SeasonAutumn ? Rgb{235, 140, 40} : season == SeasonSpring ? Rgb{150, 215, 110} : leafGreen;
    crown(p, leaves);
    if (season == SeasonSpring)
        for (int i = 0; i < 9; ++i) dot(p, 24 + (i * 29) % 54, 20 + (i * 17) % 36, 3.5f, {250, 180, 205});
    if (season == SeasonAutumn) {
        for (int i = 0; i < 6; ++i) dot(p, 28 + (i * 31) % 46, 24 + (i * 13) % 30, 4, {220, 70, 40});
        oval(p, 20, 92, 6, 3, {235, 140, 40});
        oval(p, 80, 94, 6, 3, {220, 70, 40});
    }
    if (season == SeasonSummer)
        for (int i = 0; i < 5; ++i) dot(p, 30 + (i * 23) % 44, 26 + (i * 19) % 30, 4, {225, 55, 50});
}

void drawPine(Pen &p, int percent)
{
    float s = std::clamp(percent, 20, 100) / 100.0f; // drawn smaller, standing on the same ground
    float base = 96;
    auto y = [&](float u) { return base - (base - u) * s; };
    auto x = [&](float u) { return 50 + (u - 50) * s; };
    box(p, x(44), y(80), 12 * s, 96 - y(80), bark);
    poly(p, {x(14), y(82), x(86), y(82), x(50), y(44)}, darkGreen);
    poly(p, {x(22), y(60), x(78), y(60), x(50), y(24)}, darkGreen);
    poly(p, {x(30), y(38), x(70), y(38), x(50), y(6)}, darkGreen);
}

void drawBasket(Pen &p, int apples)
{
    apples = std::clamp(apples, 0, 9);
    for (int i = 0; i < apples; ++i) {
        float x = 24 + (i % 4) * 17.0f + (i >= 4 ? 8 : 0), y = i >= 4 ? 34 : 48;
        if (i >= 7) { x = 33 + (i - 7) * 17.0f; y = 20; }
        disc(p, x, y, 9, {225, 55, 50});
    }
    poly(p, {8, 52, 92, 52, 80, 92, 20, 92}, {200, 145, 80});
    for (int i = 0; i < 3; ++i) stroke(p, 14 + i * 2.0f, 62 + i * 10.0f, 86 - i * 2.0f, 62 + i * 10.0f, 1.5f, bark);
}

void drawShape(Pen &p, int param)
{
    Rgb c = colourRgb(param % 16);
    switch (param / 16) {
    case ShapeCircle: disc(p, 50, 50, 38, c); break;
    case ShapeSquare: box(p, 14, 14, 72, 72, c); break;
    case ShapeTriangle: poly(p, {50, 10, 90, 86, 10, 86}, c); break;
    case ShapeStar: {
        std::vector<float> pts;
        for (int i = 0; i < 10; ++i) {
            float a = -3.14159f / 2 + i * 3.14159f / 5, r = i % 2 ? 18 : 42;
            pts.push_back(50 + r * std::cos(a));
            pts.push_back(54 + r * std::sin(a));
        }
        poly(p, {pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7], pts[8], pts[9], pts[10], pts[11],
                 pts[12], pts[13], pts[14], pts[15], pts[16], pts[17], pts[18], pts[19]},
             c);
        break;
    }
    default: box(p, 6, 28, 88, 44, c); break;
    }
}

void drawLitter(Pen &p)
{
    oval(p, 50, 88, 40, 6, {120, 190, 80});
    box(p, 56, 50, 20, 34, {200, 60, 60}, 3);         // a can
    plainBox(p, 56, 62, 20, 8, silver);
    poly(p, {16, 84, 22, 58, 40, 54, 50, 70, 44, 86}, {235, 235, 225}); // crumpled paper
    stroke(p, 24, 66, 40, 72, 1.2f, grey);
    oval(p, 86, 80, 8, 5, {120, 200, 230});            // a bottle lying down
}

void drawCampfire(Pen &p)
{
    stroke(p, 20, 88, 80, 74, 8, bark);
    stroke(p, 20, 74, 80, 88, 8, darkBark);
    poly(p, {30, 78, 36, 46, 46, 56, 52, 20, 60, 50, 66, 40, 70, 78}, {245, 120, 40});
    poly(p, {40, 78, 46, 58, 52, 66, 56, 46, 62, 78}, {250, 210, 60});
}

void drawPickFlower(Pen &p)
{
    drawFlower(p, ColPink);
    poly(p, {60, 60, 86, 44, 94, 56, 70, 72}, skin); // a hand reaching for it
    stroke(p, 50, 52, 68, 58, 3, skin);
}

//----------------------------------------------------------------------------------------------------------
// Town
//----------------------------------------------------------------------------------------------------------

void drawLight(Pen &p, int lit)
{
    box(p, 46, 76, 8, 22, darkGrey);
    box(p, 30, 4, 40, 74, {55, 60, 70}, 8);
    Rgb on[3] = {{240, 60, 50}, {250, 200, 40}, {70, 210, 90}};
    Rgb off[3] = {{110, 55, 55}, {115, 100, 50}, {55, 95, 60}};
    for (int i = 0; i < 3; ++i) disc(p, 50, 18 + i * 23.0f, 9, i == lit ? on[i] : off[i]);
    if (lit >= 0 && lit < 3) dot(p, 46, 14 + lit * 23.0f, 2.5f, white);
}

void walker(Pen &p, float cx, float cy, bool walking, Rgb c)
{
    dot(p, cx, cy - 9, 3.5f, c);
    stroke(p, cx, cy - 5, cx, cy + 5, 4, c);
    if (walking) {
        stroke(p, cx, cy + 5, cx - 5, cy + 13, 3, c);
        stroke(p, cx, cy + 5, cx + 5, cy + 13, 3, c);
        stroke(p, cx, cy - 3, cx - 6, cy + 3, 2.5f, c);
        stroke(p, cx, cy - 3, cx + 6, cy + 2, 2.5f, c);
    } else {
        stroke(p, cx - 2, cy + 5, cx - 2, cy + 14, 3, c);
        stroke(p, cx + 2, cy + 5, cx + 2, cy + 14, 3, c);
        stroke(p, cx - 4, cy - 3, cx - 4, cy + 6, 2.5f, c);
        stroke(p, cx + 4, cy - 3, cx + 4, cy + 6, 2.5f, c);
    }
}

void drawWalkLight(Pen &p, int green)
{
    box(p, 46, 76, 8, 22, darkGrey);
    box(p, 28, 6, 44, 72, {55, 60, 70}, 8);
    box(p, 33, 11, 34, 30, {30, 30, 35}, 4);
    box(p, 33, 44, 34, 30, {30, 30, 35}, 4);
    walker(p, 50, 26, false, green ? Rgb{110, 55, 55} : Rgb{245, 60, 50});
    walker(p, 50, 59, true, green ? Rgb{80, 225, 100} : Rgb{55, 95, 60});
}

void wheels(Pen &p, float x1, float x2, float y)
{
    disc(p, x1, y, 9, black);
    disc(p, x2, y, 9, black);
    dot(p, x1, y, 3.5f, silver);
    dot(p, x2, y, 3.5f, silver);
}

void drawCar(Pen &p, int colour)
{
    Rgb c = colourRgb(colour);
    box(p, 26, 34, 44, 26, c, 10);
    box(p, 8, 50, 84, 26, c, 9);
    box(p, 32, 39, 15, 14, lightBlue, 3);
    box(p, 51, 39, 15, 14, lightBlue, 3);
    dot(p, 88, 60, 3, {250, 230, 120});
    wheels(p, 28, 72, 78);
}

void drawBus(Pen &p, int number)
{
    Rgb c{245, 180, 40};
    box(p, 4, 26, 92, 52, c, 8);
    for (int i = 0; i < 4; ++i) box(p, 10 + i * 16.0f, 34, 12, 16, lightBlue, 2);
    box(p, 76, 34, 14, 34, lightBlue, 2);
    box(p, 60, 56, 14, 14, white, 3);
    char n[8];
    std::snprintf(n, sizeof n, "%d", number);
    label(p, n, 67, 63, 13, Rgba{40, 35, 35, 255});
    wheels(p, 22, 76, 80);
}

void drawFireTruck(Pen &p)
{
    Rgb red{220, 50, 45};
    box(p, 6, 40, 62, 36, red, 5);
    box(p, 66, 30, 28, 46, red, 6);
    box(p, 72, 36, 16, 16, lightBlue, 3);
    stroke(p, 10, 32, 64, 24, 4, silver);
    stroke(p, 10, 38, 64, 30, 4, silver);
    for (int i = 0; i < 6; ++i) stroke(p, 14 + i * 9.0f, 37 - i * 1.3f, 14 + i * 9.0f, 31 - i * 1.3f, 2, silver);
    dot(p, 80, 25, 5, {70, 140, 240});
    wheels(p, 22, 78, 80);
}

void drawAmbulance(Pen &p)
{
    box(p, 6, 30, 64, 46, white, 6);
    box(p, 66, 42, 28, 34, white, 6);
    box(p, 72, 46, 16, 14, lightBlue, 3);
    plainBox(p, 32, 40, 10, 28, {225, 50, 50});
    plainBox(p, 23, 49, 28, 10, {225, 50, 50});
    dot(p, 40, 26, 5, {70, 140, 240});
    wheels(p, 22, 78, 80);
}

void drawPolice(Pen &p)
{
    box(p, 26, 34, 44, 26, white, 10);
    box(p, 8, 50, 84, 26, white, 9);
    plainBox(p, 8, 60, 84, 8, {50, 90, 200});
    box(p, 32, 39, 15, 14, lightBlue, 3);
    box(p, 51, 39, 15, 14, lightBlue, 3);
    box(p, 42, 26, 14, 8, {70, 140, 240}, 3);
    wheels(p, 28, 72, 78);
}

void drawCoin(Pen &p, int value)
{
    bool yellow = value == 5 || value == 20 || value == 200;
    Rgb face = yellow ? gold : silver, rim = yellow ? Rgb{215, 160, 40} : Rgb{165, 170, 180};
    if (value == 100) face = silver;
    disc(p, 50, 50, 42, rim);
    disc(p, 50, 50, 34, value == 100 ? gold : face);
    if (value == 100) disc(p, 50, 50, 25, silver);
    char n[8];
    std::snprintf(n, sizeof n, "%d", value);
    label(p, n, 50, 46, value >= 100 ? 26 : 32, Rgba{95, 70, 30, 255});
    label(p, "Ft", 50, 70, 12, Rgba{95, 70, 30, 255});
}

void drawClock(Pen &p, int minutes)
{
    disc(p, 50, 50, 46, {240, 110, 80});
    disc(p, 50, 50, 39, white);
    for (int h = 1; h <= 12; ++h) {
        float a = h * 3.14159f / 6 - 3.14159f / 2;
        char n[4];
        std::snprintf(n, sizeof n, "%d", h);
        label(p, n, 50 + 31 * std::cos(a), 50 + 31 * std::sin(a), 10, Rgba{70, 45, 30, 255});
    }
    int m = ((minutes % 60) + 60) % 60;
    float hours = ((minutes / 60) % 12) + m / 60.0f;
    float ha = hours * 3.14159f / 6 - 3.14159f / 2, ma = m * 3.14159f / 30 - 3.14159f / 2;
    stroke(p, 50, 50, 50 + 18 * std::cos(ha), 50 + 18 * std::sin(ha), 6, {60, 60, 160});
    stroke(p, 50, 50, 50 + 29 * std::cos(ma), 50 + 29 * std::sin(ma), 3.5f, {200, 50, 50});
    dot(p, 50, 50, 4, ink);
}

void drawHouse(Pen &p, int windows)
{
    windows = std::clamp(windows, 1, 12);
    int floors = (windows + 2) / 3;
    float top = 92 - floors * 16.0f - 6;
    Rgb walls[4] = {{245, 215, 150}, {240, 175, 150}, {190, 215, 235}, {215, 230, 170}};
    box(p, 18, top, 64, 92 - top, walls[windows % 4]);
    poly(p, {10, top + 2, 90, top + 2, 50, top - 18}, {210, 80, 60});
    for (int i = 0; i < windows; ++i) {
        int row = i / 3, col = i % 3;
        box(p, 24 + col * 19.0f, top + 6 + row * 16.0f, 13, 10, lightBlue, 1);
    }
    box(p, 70, 80, 8, 12, bark);
}

void drawShop(Pen &p, int kind)
{
    Rgb stripe[ShopKindCount] = {{220, 140, 60}, {70, 170, 90}, {230, 110, 160}, {80, 140, 230}};
    Rgb c = kind >= 0 && kind < ShopKindCount ? stripe[kind] : grey;
    box(p, 10, 36, 80, 58, {250, 240, 220});
    box(p, 18, 50, 34, 28, lightBlue, 2);
    box(p, 60, 56, 22, 38, bark, 2);
    for (int i = 0; i < 5; ++i) {
        Rgb s = i % 2 ? white : c;
        poly(p, {6 + i * 17.6f, 30, 23.6f + i * 17.6f, 30, 23.6f + i * 17.6f, 44, 6 + i * 17.6f, 44}, s);
    }
    box(p, 26, 4, 48, 24, white, 5);
    switch (kind) {
    case ShopBakery:
        oval(p, 50, 16, 16, 8, {215, 150, 70});
        stroke(p, 44, 12, 42, 20, 1.5f, bark);
        stroke(p, 52, 12, 50, 20, 1.5f, bark);
        break;
    case ShopPharmacy:
        plainBox(p, 46, 7, 8, 18, {60, 170, 80});
        plainBox(p, 41, 12, 18, 8, {60, 170, 80});
        break;
    case ShopFlowers:
        for (int i = 0; i < 5; ++i) dot(p, 50 + 6 * std::cos(i * 1.2566f), 16 + 6 * std::sin(i * 1.2566f), 4, {230, 110, 160});
        dot(p, 50, 16, 3, gold);
        break;
    default:
        disc(p, 50, 16, 9, {80, 140, 230});
        stroke(p, 42, 16, 58, 16, 2, white);
        break;
    }
}

void drawSign(Pen &p, int kind)
{
    box(p, 46, 70, 8, 28, darkGrey);
    Rgb red{220, 45, 45}, blue{50, 110, 210};
    switch (kind) {
    case SignStop: {
        std::vector<float> pts;
        for (int i = 0; i < 8; ++i) {
            float a = 3.14159f / 8 + i * 3.14159f / 4;
            pts.push_back(50 + 36 * std::cos(a));
            pts.push_back(38 + 36 * std::sin(a));
        }
        poly(p, {pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7], pts[8], pts[9], pts[10], pts[11],
                 pts[12], pts[13], pts[14], pts[15]},
             red);
        label(p, "STOP", 50, 38, 20, Rgba{255, 255, 255, 255});
        break;
    }
    case SignCrossing:
        box(p, 16, 4, 68, 68, blue, 4);
        poly(p, {50, 10, 78, 64, 22, 64}, white);
        for (int i = 0; i < 4; ++i) plainBox(p, 32 + i * 10.0f, 56, 5, 5, black);
        walker(p, 50, 38, true, black);
        break;
    case SignNoEntry:
        disc(p, 50, 38, 34, red);
        plainBox(p, 26, 33, 48, 10, white);
        break;
    case SignGiveWay:
        poly(p, {12, 6, 88, 6, 50, 70}, red);
        poly(p, {26, 14, 74, 14, 50, 56}, white);
        break;
    default:
        disc(p, 50, 38, 34, blue);
        disc(p, 36, 46, 9, blue);
        arcRGBA(p.s, px(p, 36), px(p, 46), px(p, 8), 0, 360, 255, 255, 255, 255);
        arcRGBA(p.s, px(p, 64), px(p, 46), px(p, 8), 0, 360, 255, 255, 255, 255);
        stroke(p, 36, 46, 48, 30, 2, white);
        stroke(p, 48, 30, 64, 46, 2, white);
        stroke(p, 44, 46, 56, 30, 2, white);
        dot(p, 52, 20, 4, white);
        break;
    }
}

void drawPaper(Pen &p)
{
    box(p, 18, 16, 64, 74, {240, 240, 232}, 3);
    plainBox(p, 24, 22, 52, 10, grey);
    for (int i = 0; i < 6; ++i) stroke(p, 26, 42 + i * 8.0f, 74, 42 + i * 8.0f, 1.5f, grey);
}

void drawBottle(Pen &p)
{
    box(p, 42, 6, 16, 10, {60, 140, 220}, 2);
    poly(p, {42, 16, 58, 16, 70, 32, 70, 94, 30, 94, 30, 32}, {170, 215, 245});
    plainBox(p, 32, 50, 36, 18, {240, 120, 60});
}

void drawJar(Pen &p)
{
    box(p, 28, 10, 44, 12, {200, 170, 60}, 3);
    box(p, 22, 24, 56, 68, {175, 220, 190}, 10);
    plainBox(p, 30, 32, 6, 40, {225, 245, 230});
}

void drawBin(Pen &p, int kind)
{
    Rgb colours[4] = {{60, 120, 220}, {245, 205, 50}, {70, 170, 80}, {120, 120, 125}};
    Rgb c = colours[std::clamp(kind, 0, 3)];
    box(p, 20, 30, 60, 64, c, 6);
    box(p, 14, 20, 72, 12, c, 4);
    box(p, 42, 12, 16, 8, c, 3);
    for (int i = 0; i < 3; ++i) stroke(p, 34 + i * 16.0f, 40, 34 + i * 16.0f, 84, 2, ink);
}

void drawArrow(Pen &p, int direction)
{
    box(p, 8, 8, 84, 84, {50, 110, 210}, 12);
    Rgb w = white;
    if (direction == DirLeft) poly(p, {16, 50, 46, 22, 46, 38, 82, 38, 82, 62, 46, 62, 46, 78}, w);
    else if (direction == DirRight) poly(p, {84, 50, 54, 22, 54, 38, 18, 38, 18, 62, 54, 62, 54, 78}, w);
    else poly(p, {50, 14, 78, 44, 62, 44, 62, 84, 38, 84, 38, 44, 22, 44}, w);
}

void drawZebra(Pen &p)
{
    box(p, 4, 20, 92, 60, {95, 95, 100});
    for (int i = 0; i < 6; ++i) plainBox(p, 10 + i * 14.5f, 26, 8, 48, white);
}

void drawRoad(Pen &p)
{
    box(p, 4, 20, 92, 60, {95, 95, 100});
    for (int i = 0; i < 4; ++i) plainBox(p, 8 + i * 24.0f, 48, 14, 4, white);
    drawCar(p, ColRed);
}

void drawHelmet(Pen &p)
{
    filledPieRGBA(p.s, px(p, 50), px(p, 66), static_cast<Sint16>(px(p, 40) + p.line), 180, 360, ink.r, ink.g, ink.b, 255);
    filledPieRGBA(p.s, px(p, 50), px(p, 66), px(p, 40), 180, 360, 70, 170, 230, 255);
    box(p, 8, 64, 84, 8, {50, 130, 200}, 3);
    for (int i = 0; i < 3; ++i) box(p, 34 + i * 12.0f, 34, 6, 18, white, 3);
    stroke(p, 22, 72, 40, 90, 2, ink);
    stroke(p, 78, 72, 60, 90, 2, ink);
}

void drawBelt(Pen &p)
{
    Rgb seat{90, 140, 210}, dark{60, 100, 170};
    box(p, 34, 4, 32, 16, seat, 6);         // head rest
    box(p, 22, 20, 56, 56, seat, 12);       // back
    box(p, 14, 72, 72, 20, dark, 8);        // cushion
    stroke(p, 70, 22, 34, 80, 7, {60, 60, 70});
    stroke(p, 30, 70, 70, 70, 6, {60, 60, 70});
    box(p, 42, 64, 14, 12, silver, 3);      // buckle
}

void drawBread(Pen &p)
{
    oval(p, 50, 58, 42, 26, {215, 150, 70});
    for (int i = 0; i < 4; ++i) stroke(p, 26 + i * 16.0f, 44, 34 + i * 16.0f, 66, 2, {160, 100, 45});
}

void drawMedicine(Pen &p)
{
    box(p, 16, 28, 68, 52, white, 6);
    plainBox(p, 44, 36, 12, 36, {60, 170, 80});
    plainBox(p, 32, 48, 36, 12, {60, 170, 80});
}

void drawBall(Pen &p, int colour)
{
    disc(p, 50, 54, 38, colourRgb(colour));
    arcRGBA(p.s, px(p, 50), px(p, 54), px(p, 38), 200, 340, 255, 255, 255, 255);
    stroke(p, 14, 54, 86, 54, 3, white);
    dot(p, 36, 38, 6, white);
}

void drawIceCream(Pen &p)
{
    poly(p, {30, 50, 70, 50, 50, 96}, {225, 175, 100});
    disc(p, 40, 44, 15, {250, 180, 200});
    disc(p, 60, 44, 15, {250, 240, 210});
    disc(p, 50, 28, 15, {140, 90, 60});
    dot(p, 50, 12, 5, {225, 55, 50});
}

void drawKifli(Pen &p)
{
    filledPieRGBA(p.s, px(p, 50), px(p, 70), static_cast<Sint16>(px(p, 42) + p.line), 190, 350, ink.r, ink.g, ink.b, 255);
    filledPieRGBA(p.s, px(p, 50), px(p, 70), px(p, 42), 190, 350, 225, 160, 80, 255);
    eraseDisc(p, 50, 76, 26);
    for (int i = 0; i < 4; ++i) {
        float a = 3.14159f * (1.15f + i * 0.23f);
        stroke(p, 50 + 28 * std::cos(a), 70 + 28 * std::sin(a), 50 + 40 * std::cos(a), 70 + 40 * std::sin(a), 1.5f, bark);
    }
}

void drawBalloon(Pen &p, int colour)
{
    stroke(p, 50, 66, 54, 96, 1.2f, ink);
    oval(p, 50, 38, 26, 30, colourRgb(colour));
    poly(p, {46, 68, 54, 68, 50, 74}, colourRgb(colour));
    dot(p, 40, 26, 5, white);
}

void drawBook(Pen &p)
{
    box(p, 18, 22, 68, 64, white, 4);       // pages
    box(p, 12, 16, 68, 64, {70, 130, 210}, 4);
    box(p, 22, 26, 48, 16, white, 3);
    dot(p, 46, 60, 8, {250, 200, 60});
}

void drawSun(Pen &p)
{
    for (int i = 0; i < 12; ++i) {
        float a = i * 3.14159f / 6;
        stroke(p, 50 + 30 * std::cos(a), 50 + 30 * std::sin(a), 50 + 44 * std::cos(a), 50 + 44 * std::sin(a), 4,
               {250, 190, 40});
    }
    disc(p, 50, 50, 26, {252, 215, 60});
    eye(p, 42, 46);
    eye(p, 58, 46);
    smile(p, 50, 52, 10);
}

void drawMoon(Pen &p)
{
    disc(p, 50, 50, 36, {250, 230, 140});
    eraseDisc(p, 66, 40, 30);
    for (int i = 0; i < 3; ++i) dot(p, 74 + i * 6.0f, 62 + i * 12.0f, 2.5f, {250, 230, 140});
}

void drawPhone(Pen &p)
{
    box(p, 28, 6, 44, 88, {60, 60, 70}, 8);
    box(p, 33, 14, 34, 56, lightBlue, 3);
    disc(p, 50, 82, 5, silver);
}

void drawQuestion(Pen &p)
{
    box(p, 10, 10, 80, 80, {255, 245, 200}, 14);
    label(p, "?", 50, 50, 60, Rgba{230, 120, 40, 255});
}

void drawPlus(Pen &p)
{
    plainBox(p, 42, 22, 16, 56, {230, 120, 40});
    plainBox(p, 22, 42, 56, 16, {230, 120, 40});
}

void drawPicture(Pen &p, Pic pic)
{
    switch (pic.kind) {
    case PicQuestion: drawQuestion(p); break;
    case PicPlus: drawPlus(p); break;
    case PicSquirrel: drawSquirrel(p); break;
    case PicHedgehog: drawHedgehog(p); break;
    case PicRabbit: drawRabbit(p); break;
    case PicFox: drawFox(p); break;
    case PicBear: drawBear(p); break;
    case PicOwl: drawOwl(p); break;
    case PicBird: drawBird(p); break;
    case PicBee: drawBee(p); break;
    case PicFrog: drawFrog(p); break;
    case PicHollow: drawHollow(p); break;
    case PicNest: drawNest(p); break;
    case PicBurrow: drawBurrow(p); break;
    case PicCave: drawCave(p); break;
    case PicHive: drawHive(p); break;
    case PicPond: drawPond(p); break;
    case PicAcorn: drawAcorn(p); break;
    case PicCarrot: drawCarrot(p); break;
    case PicHoney: drawHoney(p); break;
    case PicWorm: drawWorm(p); break;
    case PicFly: drawFly(p); break;
    case PicMushroom: drawMushroom(p); break;
    case PicApple: drawApple(p, pic.param == 1); break;
    case PicFlower: drawFlower(p, pic.param); break;
    case PicLeaf: drawLeaf(p, pic.param); break;
    case PicTree: drawTree(p, pic.param); break;
    case PicPine: drawPine(p, pic.param ? pic.param : 100); break;
    case PicBasket: drawBasket(p, pic.param); break;
    case PicShape: drawShape(p, pic.param); break;
    case PicLitter: drawLitter(p); break;
    case PicCampfire: drawCampfire(p); break;
    case PicPickFlower: drawPickFlower(p); break;
    case PicLight: drawLight(p, pic.param); break;
    case PicWalkLight: drawWalkLight(p, pic.param); break;
    case PicCar: drawCar(p, pic.param); break;
    case PicBus: drawBus(p, pic.param); break;
    case PicFireTruck: drawFireTruck(p); break;
    case PicAmbulance: drawAmbulance(p); break;
    case PicPolice: drawPolice(p); break;
    case PicCoin: drawCoin(p, pic.param); break;
    case PicClock: drawClock(p, pic.param); break;
    case PicHouse: drawHouse(p, pic.param); break;
    case PicShop: drawShop(p, pic.param); break;
    case PicSign: drawSign(p, pic.param); break;
    case PicPaper: drawPaper(p); break;
    case PicBottle: drawBottle(p); break;
    case PicJar: drawJar(p); break;
    case PicBin: drawBin(p, pic.param); break;
    case PicArrow: drawArrow(p, pic.param); break;
    case PicZebra: drawZebra(p); break;
    case PicRoad: drawRoad(p); break;
    case PicHelmet: drawHelmet(p); break;
    case PicBelt: drawBelt(p); break;
    case PicBread: drawBread(p); break;
    case PicMedicine: drawMedicine(p); break;
    case PicBall: drawBall(p, pic.param); break;
    case PicIceCream: drawIceCream(p); break;
    case PicKifli: drawKifli(p); break;
    case PicBalloon: drawBalloon(p, pic.param); break;
    case PicBook: drawBook(p); break;
    case PicSun: drawSun(p); break;
    case PicMoon: drawMoon(p); break;
    case PicPhone: drawPhone(p); break;
    default: break;
    }
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

SDL_Surface *pictureRender(Pic pic, int size)
{
    SDL_Surface *s = atlasNewSurface(2 * size, 2 * size);
    if (!s) return nullptr;
    Pen pen{s, 2.0f * size / 100.0f, std::max(2, size / 26)};
    drawPicture(pen, pic);
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
    roundedBoxRGBA(s, 4, 8, static_cast<Sint16>(2 * w - 1), static_cast<Sint16>(2 * h - 1), r, 60, 40, 20, 70); // shadow
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
    std::vector<float> pts;
    for (int i = 0; i < 10; ++i) {
        float a = -3.14159f / 2 + i * 3.14159f / 5, r = i % 2 ? 21 : 46;
        pts.push_back(50 + r * std::cos(a));
        pts.push_back(53 + r * std::sin(a));
    }
    Rgb c = lit ? Rgb{252, 200, 40} : Rgb{225, 220, 205};
    poly(pen, {pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7], pts[8], pts[9], pts[10], pts[11], pts[12],
               pts[13], pts[14], pts[15], pts[16], pts[17], pts[18], pts[19]},
         c);
    if (lit) dot(pen, 42, 40, 5, Rgb{255, 245, 200});
    int sprite = atlasAdd(s, true);
    SDL_FreeSurface(s);
    return sprite;
}

void picturesForget() { madeCount = 0; }

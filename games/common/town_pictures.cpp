// town_pictures.cpp -- the town's pictures: lights, vehicles, money, clocks, houses, shops, signs and things to buy
#include "painters.h"
#include "pictures.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

void drawLight(Pen &p, int lit)
{
    box(p, 46, 76, 8, 22, darkGrey);
    box(p, 30, 4, 40, 74, {55, 60, 70}, 8);
    Rgb on[3] = {{240, 60, 50}, {250, 200, 40}, {70, 210, 90}};
    Rgb off[3] = {{110, 55, 55}, {115, 100, 50}, {55, 95, 60}};
    for (int i = 0; i < 3; ++i) disc(p, 50, 18 + i * 23.0f, 9, i == lit ? on[i] : off[i]);
    if (lit >= 0 && lit < 3) dot(p, 46, 14 + lit * 23.0f, 2.5f, white);
}

namespace {

// A little figure standing or walking, about 25 grid units tall at scale 1.
void walker(Pen &p, float cx, float cy, bool walking, Rgb c, float k = 1)
{
    dot(p, cx, cy - 9 * k, 3.5f * k, c);
    stroke(p, cx, cy - 5 * k, cx, cy + 5 * k, 4 * k, c);
    if (walking) {
        stroke(p, cx, cy + 5 * k, cx - 5 * k, cy + 13 * k, 3 * k, c);
        stroke(p, cx, cy + 5 * k, cx + 5 * k, cy + 13 * k, 3 * k, c);
        stroke(p, cx, cy - 3 * k, cx - 6 * k, cy + 3 * k, 2.5f * k, c);
        stroke(p, cx, cy - 3 * k, cx + 6 * k, cy + 2 * k, 2.5f * k, c);
    } else {
        stroke(p, cx - 2 * k, cy + 5 * k, cx - 2 * k, cy + 14 * k, 3 * k, c);
        stroke(p, cx + 2 * k, cy + 5 * k, cx + 2 * k, cy + 14 * k, 3 * k, c);
        stroke(p, cx - 4 * k, cy - 3 * k, cx - 4 * k, cy + 6 * k, 2.5f * k, c);
        stroke(p, cx + 4 * k, cy - 3 * k, cx + 4 * k, cy + 6 * k, 2.5f * k, c);
    }
}

} // namespace

void drawWalkLight(Pen &p, int state)
{
    bool green = state != 0;
    box(p, 46, 76, 8, 22, darkGrey);
    box(p, 28, 6, 44, 72, {55, 60, 70}, 8);
    box(p, 33, 11, 34, 30, {30, 30, 35}, 4);
    box(p, 33, 44, 34, 30, {30, 30, 35}, 4);
    walker(p, 50, 26, false, green ? Rgb{110, 55, 55} : Rgb{245, 60, 50});
    walker(p, 50, 59, true, green ? Rgb{80, 225, 100} : Rgb{55, 95, 60});
    if (state == 2) // flashing: short rays on both sides of the lit walker
        for (float side : {-1.0f, 1.0f})
            for (int i = 0; i < 3; ++i)
                stroke(p, 50 + side * 27, 50 + i * 9.0f, 50 + side * 36, 46 + i * 13.0f, 3, {80, 225, 100});
}

namespace {

void wheels(Pen &p, float x1, float x2, float y)
{
    disc(p, x1, y, 9, black);
    disc(p, x2, y, 9, black);
    dot(p, x1, y, 3.5f, silver);
    dot(p, x2, y, 3.5f, silver);
}

} // namespace

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

// The route number stands large on a white board along the side, as reading it is the whole task.
void drawBus(Pen &p, int number)
{
    Rgb c{245, 180, 40};
    box(p, 4, 22, 92, 56, c, 8);
    for (int i = 0; i < 4; ++i) box(p, 9 + i * 17.0f, 28, 13, 14, lightBlue, 2);
    box(p, 79, 28, 12, 30, lightBlue, 2);
    box(p, 10, 46, 62, 26, white, 4);
    char n[8];
    std::snprintf(n, sizeof n, "%d", number);
    label(p, n, 41, 59, 26, rgba(black));
    wheels(p, 22, 76, 80);
}

void drawFireTruck(Pen &p, int)
{
    Rgb red{220, 50, 45};
    box(p, 6, 40, 62, 36, red, 5);
    box(p, 66, 30, 28, 46, red, 6);
    box(p, 72, 36, 16, 16, lightBlue, 3);
    stroke(p, 10, 32, 64, 24, 4, silver);
    stroke(p, 10, 38, 64, 30, 4, silver);
    for (int i = 0; i < 6; ++i) stroke(p, 14 + i * 9.0f, 37 - i * 1.3f, 14 + i * 9.0f, 31 - i * 1.3f, 2, silver);
    dot(p, 80, 25, 5, sirenBlue);
    wheels(p, 22, 78, 80);
}

void drawAmbulance(Pen &p, int)
{
    box(p, 6, 30, 64, 46, white, 6);
    box(p, 66, 42, 28, 34, white, 6);
    box(p, 72, 46, 16, 14, lightBlue, 3);
    plainBox(p, 32, 40, 10, 28, {225, 50, 50});
    plainBox(p, 23, 49, 28, 10, {225, 50, 50});
    dot(p, 40, 26, 5, sirenBlue);
    wheels(p, 22, 78, 80);
}

void drawPolice(Pen &p, int)
{
    box(p, 26, 34, 44, 26, white, 10);
    box(p, 8, 50, 84, 26, white, 9);
    plainBox(p, 8, 60, 84, 8, {50, 90, 200});
    box(p, 32, 39, 15, 14, lightBlue, 3);
    box(p, 51, 39, 15, 14, lightBlue, 3);
    box(p, 42, 26, 14, 8, sirenBlue, 3);
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
    stroke(p, 50, 50, 50 + ClockHourHand * std::cos(ha), 50 + ClockHourHand * std::sin(ha), 6, {60, 60, 160});
    stroke(p, 50, 50, 50 + ClockMinuteHand * std::cos(ma), 50 + ClockMinuteHand * std::sin(ma), 3.5f, {200, 50, 50});
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

namespace {

constexpr Rgb teddyBrown{185, 125, 75}, teddyLight{235, 200, 150};

// A teddy bear's head, about 2 * r across with its ears.
void teddyHead(Pen &p, float cx, float cy, float r)
{
    disc(p, cx - r * 0.75f, cy - r * 0.75f, r * 0.38f, teddyBrown);
    disc(p, cx + r * 0.75f, cy - r * 0.75f, r * 0.38f, teddyBrown);
    disc(p, cx, cy, r, teddyBrown);
    oval(p, cx, cy + r * 0.35f, r * 0.42f, r * 0.3f, teddyLight);
    dot(p, cx, cy + r * 0.22f, r * 0.13f, black);
    eye(p, cx - r * 0.38f, cy - r * 0.2f, r * 0.13f);
    eye(p, cx + r * 0.38f, cy - r * 0.2f, r * 0.13f);
}

// An open book seen from above: two pages with lines of text, on a coloured cover.
void openBook(Pen &p, float cx, float cy, float w, Rgb cover)
{
    float h = w * 0.62f;
    box(p, cx - w / 2 - 2, cy - h / 2 + 2, w + 4, h + 2, cover, 2);
    poly(p, {cx, cy - h / 2 + 3, cx - w / 2, cy - h / 2, cx - w / 2, cy + h / 2, cx, cy + h / 2 + 2}, white);
    poly(p, {cx, cy - h / 2 + 3, cx + w / 2, cy - h / 2, cx + w / 2, cy + h / 2, cx, cy + h / 2 + 2}, white);
    float line = std::max(1.0f, w / 40);
    for (int i = 1; i <= 4; ++i) {
        float y = cy - h / 2 + i * h / 5.5f;
        stroke(p, cx - w / 2 + w * 0.08f, y, cx - w * 0.06f, y + 1, line, grey);
        stroke(p, cx + w * 0.06f, y + 1, cx + w / 2 - w * 0.08f, y, line, grey);
    }
}

} // namespace

// A shop with a striped awning and, on the board above it, a picture of what it sells.
void drawShop(Pen &p, int kind)
{
    constexpr std::array<Rgb, ShopKindCount> stripes{{
        {220, 140, 60}, {70, 170, 90}, {230, 110, 160}, {80, 140, 230}, {120, 180, 60}, {150, 100, 200}, {240, 130, 170},
    }};
    Rgb c = kind >= 0 && kind < ShopKindCount ? stripes[static_cast<size_t>(kind)] : grey;
    box(p, 10, 44, 80, 50, {250, 240, 220});
    box(p, 18, 58, 34, 24, lightBlue, 2);
    box(p, 60, 60, 22, 34, bark, 2);
    for (int i = 0; i < 5; ++i) {
        Rgb s = i % 2 ? white : c;
        poly(p, {6 + i * 17.6f, 38, 23.6f + i * 17.6f, 38, 23.6f + i * 17.6f, 50, 6 + i * 17.6f, 50}, s);
    }
    box(p, 16, 2, 68, 32, white, 6);
    switch (kind) {
    case ShopBakery:
        oval(p, 50, 18, 22, 11, {215, 150, 70});
        for (float x : {40.0f, 50.0f, 60.0f}) stroke(p, x + 2, 11, x - 2, 25, 2, bark);
        break;
    case ShopPharmacy:
        plainBox(p, 44, 5, 12, 26, crossGreen);
        plainBox(p, 37, 12, 26, 12, crossGreen);
        break;
    case ShopFlowers:
        for (int i = 0; i < 5; ++i) disc(p, 50 + 8 * std::cos(i * 1.2566f - 1.57f), 18 + 8 * std::sin(i * 1.2566f - 1.57f), 5.5f, {235, 100, 150});
        disc(p, 50, 18, 4.5f, gold);
        break;
    case ShopToys:
        teddyHead(p, 50, 20, 10);
        break;
    case ShopGreengrocer:
        disc(p, 42, 19, 10, appleRed);
        stroke(p, 42, 9, 44, 4, 2, bark);
        oval(p, 48, 7, 4, 2.5f, leafGreen);
        poly(p, {56, 12, 70, 12, 63, 31}, {240, 130, 40}); // a carrot beside the apple
        stroke(p, 63, 12, 61, 4, 2, leafGreen);
        stroke(p, 63, 12, 66, 4, 2, leafGreen);
        break;
    case ShopBooks:
        openBook(p, 50, 18, 40, {150, 100, 200});
        break;
    default: // the cake shop: a slice of layered cake with a cherry
        poly(p, {32, 28, 68, 28, 68, 14, 32, 20}, {250, 225, 190});
        plainBox(p, 33, 22, 34, 3, {240, 130, 170});
        disc(p, 56, 10, 4, appleRed);
        break;
    }
}

void drawTeddy(Pen &p, int)
{
    disc(p, 26, 62, 10, teddyBrown); // arms and legs behind the body
    disc(p, 74, 62, 10, teddyBrown);
    disc(p, 34, 88, 11, teddyBrown);
    disc(p, 66, 88, 11, teddyBrown);
    oval(p, 50, 70, 22, 24, teddyBrown);
    oval(p, 50, 74, 12, 14, teddyLight);
    teddyHead(p, 50, 32, 20);
    plainBox(p, 38, 50, 24, 5, {220, 60, 60}); // a ribbon at the neck
}

void drawSign(Pen &p, int kind)
{
    box(p, 46, 70, 8, 28, darkGrey);
    Rgb red{220, 45, 45}, blue{50, 110, 210};
    switch (kind) {
    case SignStop:
        ring(p, 50, 38, 8, 36, 36, 3.14159f / 8, red);
        label(p, "STOP", 50, 38, 20, Rgba{255, 255, 255, 255});
        break;
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
    case SignChildren: // a warning triangle with two children running
        poly(p, {50, 2, 90, 70, 10, 70}, red);
        poly(p, {50, 16, 78, 62, 22, 62}, white);
        walker(p, 42, 44, true, black, 0.62f);
        walker(p, 57, 47, true, black, 0.5f);
        break;
    case SignFootPath: // a grown-up walking with a child by the hand
        disc(p, 50, 38, 34, blue);
        walker(p, 42, 36, true, white, 1.05f);
        walker(p, 60, 42, true, white, 0.7f);
        stroke(p, 48, 37, 56, 40, 2, white);
        break;
    case SignBusStop: // a bus on a white board framed in blue
        box(p, 14, 2, 72, 70, blue, 4);
        box(p, 21, 9, 58, 56, white, 3);
        box(p, 26, 24, 48, 24, {40, 35, 35}, 4);
        for (int i = 0; i < 3; ++i) plainBox(p, 30 + i * 12.0f, 28, 8, 8, white);
        plainBox(p, 66, 28, 5, 13, white);
        dot(p, 34, 50, 4, {40, 35, 35});
        dot(p, 66, 50, 4, {40, 35, 35});
        break;
    case SignParking:
        box(p, 14, 2, 72, 70, blue, 4);
        label(p, "P", 50, 38, 54, rgba(white));
        break;
    default: // a cyclist: two round wheels, the frame, the rider
        disc(p, 50, 38, 34, blue);
        for (float wx : {33.0f, 67.0f}) {
            dot(p, wx, 48, 10, white);
            dot(p, wx, 48, 7, blue);
            dot(p, wx, 48, 1.5f, white);
        }
        stroke(p, 33, 48, 46, 48, 2.5f, white); // chain stay
        stroke(p, 46, 48, 60, 36, 2.5f, white); // down tube
        stroke(p, 40, 36, 60, 36, 2.5f, white); // top tube
        stroke(p, 33, 48, 40, 36, 2.5f, white); // seat stay
        stroke(p, 60, 36, 67, 48, 2.5f, white); // fork
        stroke(p, 40, 36, 46, 48, 2.5f, white); // seat tube
        stroke(p, 42, 22, 40, 34, 4, white);    // the rider's back
        stroke(p, 42, 23, 58, 32, 2.5f, white); // arm to the handlebar
        stroke(p, 40, 34, 50, 40, 3, white);    // leg to the pedal
        dot(p, 45, 16, 4.5f, white);
        break;
    }
}

void drawPaper(Pen &p, int)
{
    box(p, 18, 16, 64, 74, {240, 240, 232}, 3);
    plainBox(p, 24, 22, 52, 10, grey);
    for (int i = 0; i < 6; ++i) stroke(p, 26, 42 + i * 8.0f, 74, 42 + i * 8.0f, 1.5f, grey);
}

// A plastic bottle of water, or a brown glass bottle with a long neck: brown, so that no bin's colour matches it.
void drawBottle(Pen &p, int glass)
{
    if (glass) {
        constexpr Rgb amber{165, 95, 45};
        box(p, 43, 4, 14, 8, silver, 2);
        poly(p, {44, 12, 56, 12, 56, 36, 68, 50, 68, 94, 32, 94, 32, 50, 44, 36}, amber);
        box(p, 36, 58, 28, 20, {245, 235, 200}, 2);
        plainBox(p, 38, 40, 5, 46, {205, 150, 100});
        return;
    }
    box(p, 42, 6, 16, 10, {60, 140, 220}, 2);
    poly(p, {42, 16, 58, 16, 70, 32, 70, 94, 30, 94, 30, 32}, {170, 215, 245});
    plainBox(p, 32, 50, 36, 18, {240, 120, 60});
}

// An empty jar of clear glass with its lid: no bin's colour, so that the glass is what the child goes by.
void drawJar(Pen &p, int)
{
    box(p, 28, 10, 44, 12, {200, 170, 60}, 3);
    box(p, 22, 24, 56, 68, {222, 232, 236}, 10);
    plainBox(p, 30, 32, 6, 40, white);
    plainBox(p, 64, 40, 4, 24, white);
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

constexpr Rgb pavement{215, 210, 200}, asphalt{95, 95, 100};

// The road seen from above, running from left to right between two pavements; the crossing's white bars
// lie along the road, one after the other from pavement to pavement.
void drawZebra(Pen &p, int)
{
    box(p, 2, 12, 96, 76, pavement);
    plainBox(p, 2, 24, 96, 52, asphalt);
    stroke(p, 2, 24, 98, 24, 1.5f, ink);
    stroke(p, 2, 76, 98, 76, 1.5f, ink);
    for (float x : {6.0f, 74.0f}) plainBox(p, x, 49, 16, 3, white); // the middle line, broken at the crossing
    for (int i = 0; i < 5; ++i) plainBox(p, 32, 27 + i * 10.0f, 36, 6, white);
    walker(p, 24, 17, true, ink, 0.45f);
}

void drawRoad(Pen &p, int)
{
    box(p, 4, 20, 92, 60, {95, 95, 100});
    for (int i = 0; i < 4; ++i) plainBox(p, 8 + i * 24.0f, 48, 14, 4, white);
    drawCar(p, ColRed);
}

void drawHelmet(Pen &p, int)
{
    filledPieRGBA(p.s, px(p, 50), px(p, 66), static_cast<Sint16>(px(p, 40) + p.line), 180, 360, ink.r, ink.g, ink.b, 255);
    filledPieRGBA(p.s, px(p, 50), px(p, 66), px(p, 40), 180, 360, 70, 170, 230, 255);
    box(p, 8, 64, 84, 8, {50, 130, 200}, 3);
    for (int i = 0; i < 3; ++i) box(p, 34 + i * 12.0f, 34, 6, 18, white, 3);
    stroke(p, 22, 72, 40, 90, 2, ink);
    stroke(p, 78, 72, 60, 90, 2, ink);
}

// A car seat with its belt across it, or a child's seat with side wings and straps over both shoulders.
void drawBelt(Pen &p, int childSeat)
{
    if (childSeat) {
        constexpr Rgb shell{150, 110, 200}, pad{190, 160, 230}, strap{60, 60, 70};
        box(p, 18, 4, 64, 30, shell, 12);     // the head rest with its wings
        box(p, 24, 24, 52, 56, shell, 10);
        box(p, 30, 10, 40, 66, pad, 10);
        box(p, 12, 74, 76, 20, shell, 8);     // the base
        stroke(p, 40, 30, 46, 66, 4, strap);
        stroke(p, 60, 30, 54, 66, 4, strap);
        stroke(p, 50, 66, 50, 78, 4, strap);
        box(p, 44, 60, 12, 10, silver, 3);
        return;
    }
    Rgb seat{90, 140, 210}, dark{60, 100, 170};
    box(p, 34, 4, 32, 16, seat, 6);         // head rest
    box(p, 22, 20, 56, 56, seat, 12);       // back
    box(p, 14, 72, 72, 20, dark, 8);        // cushion
    stroke(p, 70, 22, 34, 80, 7, {60, 60, 70});
    stroke(p, 30, 70, 70, 70, 6, {60, 60, 70});
    box(p, 42, 64, 14, 12, silver, 3);      // buckle
}

void drawBread(Pen &p, int)
{
    oval(p, 50, 58, 42, 26, {215, 150, 70});
    for (int i = 0; i < 4; ++i) stroke(p, 26 + i * 16.0f, 44, 34 + i * 16.0f, 66, 2, {160, 100, 45});
}

// A bottle of syrup with a spoon beside it: medicine, without the pharmacy's cross that names the shop.
void drawMedicine(Pen &p, int)
{
    constexpr Rgb brownGlass{150, 85, 45}, syrup{230, 90, 80};
    box(p, 22, 14, 26, 12, white, 3);
    box(p, 16, 26, 38, 66, brownGlass, 8);
    box(p, 20, 44, 30, 30, white, 3);
    for (int i = 0; i < 3; ++i) stroke(p, 25, 52 + i * 8.0f, 45, 52 + i * 8.0f, 2, grey);
    stroke(p, 62, 88, 82, 48, 4, silver);      // the spoon's handle
    oval(p, 84, 40, 9, 12, silver);
    plainOval(p, 84, 42, 6, 8, syrup);
}

// A beach ball: coloured and white panels meeting at a cap, so that it never looks like a road sign.
// A polka-dot ball with a shine and a shadow under it: the ball every child knows.
void drawBall(Pen &p, int colour)
{
    Rgb c = colourRgb(colour);
    plainOval(p, 52, 92, 30, 5, {215, 205, 190});
    disc(p, 50, 52, 38, c);
    struct Spot {
        float x, y, r;
    };
    constexpr std::array<Spot, 7> spots{{{50, 52, 8}, {28, 40, 6}, {70, 34, 6}, {68, 70, 7}, {32, 72, 6}, {48, 22, 5}, {84, 52, 4}}};
    for (const Spot &s : spots) dot(p, s.x, s.y, s.r, white);
    dot(p, 36, 30, 4, {255, 255, 255});
}

void drawIceCream(Pen &p, int)
{
    poly(p, {30, 50, 70, 50, 50, 96}, {225, 175, 100});
    disc(p, 40, 44, 15, {250, 180, 200});
    disc(p, 60, 44, 15, {250, 240, 210});
    disc(p, 50, 28, 15, {140, 90, 60});
    dot(p, 50, 12, 5, appleRed);
}

// A crescent roll: thick in the middle, thin at its two curled ends.
void drawKifli(Pen &p, int)
{
    constexpr Rgb crust{225, 160, 80}, shine{240, 195, 120};
    constexpr int steps = 28;
    auto at = [](int i, float *x, float *y, float *r) {
        float t = static_cast<float>(i) / steps, a = 3.14159f * (1.08f + 0.84f * t);
        *x = 50 + 34 * std::cos(a);
        *y = 80 + 40 * std::sin(a);
        *r = 4 + 13 * std::sin(3.14159f * t);
    };
    float x, y, r;
    for (int i = 0; i <= steps; ++i) {
        at(i, &x, &y, &r);
        discOutline(p, x, y, r);
    }
    for (int i = 0; i <= steps; ++i) {
        at(i, &x, &y, &r);
        dot(p, x, y, r, crust);
    }
    for (int i = 6; i <= steps - 6; ++i) {
        at(i, &x, &y, &r);
        dot(p, x - r * 0.2f, y - r * 0.45f, r * 0.22f, shine);
    }
}

void drawBalloon(Pen &p, int colour)
{
    stroke(p, 50, 66, 54, 96, 1.2f, ink);
    oval(p, 50, 38, 26, 30, colourRgb(colour));
    poly(p, {46, 68, 54, 68, 50, 74}, colourRgb(colour));
    dot(p, 40, 26, 5, white);
}

// An open book, or a school notebook: a ruled page with a margin and a spiral down its side.
void drawBook(Pen &p, int notebook)
{
    if (!notebook) {
        openBook(p, 50, 52, 86, {70, 130, 210});
        return;
    }
    box(p, 22, 8, 64, 86, white, 3);
    for (int i = 0; i < 8; ++i) stroke(p, 30, 22 + i * 9.0f, 82, 22 + i * 9.0f, 1.2f, {150, 190, 235});
    stroke(p, 38, 10, 38, 92, 1.5f, {230, 110, 110});
    for (int i = 0; i < 8; ++i) {
        float y = 14 + i * 10.5f;
        stroke(p, 16, y, 28, y, 3, darkGrey);
    }
}

void drawSun(Pen &p, int)
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

void drawMoon(Pen &p, int)
{
    disc(p, 50, 50, 36, {250, 230, 140});
    eraseDisc(p, 66, 40, 30);
    for (int i = 0; i < 3; ++i) dot(p, 74 + i * 6.0f, 62 + i * 12.0f, 2.5f, {250, 230, 140});
}

void drawPhone(Pen &p, int)
{
    box(p, 28, 6, 44, 88, {60, 60, 70}, 8);
    box(p, 33, 14, 34, 56, lightBlue, 3);
    disc(p, 50, 82, 5, silver);
}

namespace {

void sunRays(Pen &p, float cx, float cy, float r, Rgb c)
{
    for (int i = 0; i < 12; ++i) {
        float a = i * 3.14159f / 6;
        stroke(p, cx + (r + 4) * std::cos(a), cy + (r + 4) * std::sin(a), cx + (r + 12) * std::cos(a),
               cy + (r + 12) * std::sin(a), 3, c);
    }
}

} // namespace

// The parts of the day as the sky shows them: the sun rising over the hill in a pink sky, high in a blue one,
// setting red in an orange one, and the moon and stars at night. Each part has a picture of its own.
void drawDayPart(Pen &p, int part)
{
    struct Sky {
        Rgb top, bottom, hill;
    };
    constexpr std::array<Sky, 4> skies{{
        {{250, 200, 190}, {255, 230, 170}, {120, 190, 90}},
        {{110, 180, 245}, {170, 215, 250}, {100, 185, 80}},
        {{185, 90, 125}, {245, 150, 80}, {80, 140, 70}},
        {{25, 35, 85}, {45, 60, 120}, {35, 70, 50}},
    }};
    const Sky &sky = skies[static_cast<size_t>(std::clamp(part, 0, 3))];
    box(p, 4, 4, 92, 92, sky.top, 10);
    plainBox(p, 6, 50, 88, 24, sky.bottom);
    switch (part) {
    case PartMorning:
        sunRays(p, 30, 70, 16, {250, 190, 60});
        disc(p, 30, 70, 16, {252, 215, 60});
        break;
    case PartNoon:
        sunRays(p, 50, 28, 14, {250, 190, 40});
        disc(p, 50, 28, 14, {252, 215, 60});
        break;
    case PartEvening:
        disc(p, 70, 70, 18, {240, 90, 50});
        break;
    default:
        disc(p, 62, 30, 16, {250, 230, 140});
        eraseDisc(p, 72, 24, 14);
        dot(p, 72, 24, 13, sky.top);
        for (auto [x, y] : std::array<std::pair<float, float>, 5>{{{20, 20}, {34, 40}, {82, 56}, {18, 54}, {46, 14}}})
            ring(p, x, y, 10, 5, 2.2f, -1.57f, {250, 235, 150});
        break;
    }
    box(p, 4, 74, 92, 22, sky.hill, 8);
}

// A house on fire: flames out of the window and the roof, and smoke rising.
void drawHouseFire(Pen &p, int)
{
    constexpr Rgb smoke{150, 150, 155}, flameRed{235, 70, 40}, flameYellow{250, 200, 50};
    for (auto [x, y, r] : std::array<std::array<float, 3>, 4>{{{62, 18, 9}, {72, 10, 8}, {54, 8, 7}, {82, 4, 6}}})
        disc(p, x, y, r, smoke);
    box(p, 16, 48, 66, 46, {245, 215, 150});
    poly(p, {8, 50, 90, 50, 49, 20}, {210, 80, 60});
    box(p, 24, 60, 20, 16, {60, 50, 50}, 1);
    box(p, 60, 70, 14, 24, bark, 2);
    auto flame = [&p](float cx, float base, float h) {
        poly(p, {cx - h * 0.45f, base, cx - h * 0.3f, base - h * 0.55f, cx - h * 0.1f, base - h * 0.4f, cx, base - h,
                 cx + h * 0.15f, base - h * 0.45f, cx + h * 0.35f, base - h * 0.6f, cx + h * 0.45f, base},
             flameRed);
        poly(p, {cx - h * 0.22f, base, cx, base - h * 0.6f, cx + h * 0.22f, base}, flameYellow);
    };
    flame(34, 76, 26);
    flame(60, 42, 26);
    flame(44, 40, 18);
}

void drawBike(Pen &p, int)
{
    constexpr Rgb frame{220, 60, 60};
    for (float wx : {24.0f, 76.0f}) {
        disc(p, wx, 70, 18, black);
        dot(p, wx, 70, 13, white);
        dot(p, wx, 70, 3, darkGrey);
    }
    stroke(p, 24, 70, 46, 70, 4, frame);
    stroke(p, 46, 70, 66, 44, 4, frame);
    stroke(p, 38, 44, 66, 44, 4, frame);
    stroke(p, 24, 70, 38, 44, 4, frame);
    stroke(p, 38, 44, 46, 70, 4, frame);
    stroke(p, 66, 44, 76, 70, 4, frame);
    stroke(p, 66, 44, 64, 32, 4, darkGrey);   // the handlebar
    stroke(p, 58, 30, 70, 30, 4, darkGrey);
    box(p, 30, 34, 16, 6, black, 3);          // the saddle
    stroke(p, 38, 40, 38, 44, 3, darkGrey);
}

// A yellow tram on its rails, its pole reaching up to the wire.
void drawTram(Pen &p, int)
{
    constexpr Rgb tramYellow{250, 205, 50};
    stroke(p, 2, 12, 98, 12, 1.5f, darkGrey);
    stroke(p, 46, 26, 56, 13, 2.5f, darkGrey);
    stroke(p, 62, 26, 56, 13, 2.5f, darkGrey);
    box(p, 4, 26, 92, 52, tramYellow, 10);
    plainBox(p, 6, 62, 88, 6, {230, 230, 225});
    for (int i = 0; i < 5; ++i) box(p, 9 + i * 17.0f, 34, 13, 20, lightBlue, 2);
    plainBox(p, 0, 86, 100, 3, darkGrey);
    for (float wx : {22.0f, 36.0f, 64.0f, 78.0f}) disc(p, wx, 82, 5.5f, black);
}

// A rubbish lorry: the driver's cab in front, the big box behind it with a bin on its side.
void drawGarbageTruck(Pen &p, int)
{
    constexpr Rgb orange{240, 140, 40};
    box(p, 4, 26, 62, 50, orange, 6);
    box(p, 64, 38, 30, 38, orange, 6);
    box(p, 72, 44, 16, 14, lightBlue, 3);
    box(p, 24, 38, 18, 26, {70, 170, 80}, 3); // a green bin painted on the side
    plainBox(p, 22, 35, 22, 5, {50, 130, 60});
    wheels(p, 22, 78, 80);
}

void drawCan(Pen &p, int)
{
    box(p, 28, 10, 44, 84, silver, 10);
    plainBox(p, 28, 30, 44, 44, {220, 60, 60});
    dot(p, 50, 52, 10, white);
    stroke(p, 40, 16, 58, 16, 3, darkGrey); // the ring pull
    plainBox(p, 33, 14, 4, 74, {235, 240, 245});
}

// A cardboard box with its flaps open and a strip of tape.
void drawBox(Pen &p, int)
{
    constexpr Rgb cardboard{205, 160, 100}, dark{170, 125, 70};
    poly(p, {14, 36, 30, 18, 48, 36}, dark);
    poly(p, {52, 36, 72, 18, 86, 36}, dark);
    box(p, 14, 36, 72, 56, cardboard, 2);
    plainBox(p, 44, 36, 12, 56, {225, 195, 140});
    stroke(p, 14, 36, 86, 36, 2, ink);
}

// A bright safety vest with two shining stripes.
void drawVest(Pen &p, int)
{
    constexpr Rgb neon{205, 235, 60}, shine{225, 228, 235};
    poly(p, {18, 14, 38, 14, 50, 40, 62, 14, 82, 14, 88, 92, 12, 92}, neon);
    plainBox(p, 14, 56, 72, 7, shine);
    plainBox(p, 13, 74, 74, 7, shine);
    stroke(p, 50, 40, 50, 92, 1.5f, ink);
}

// The badge of a place in a row: "1.", "2." ... in a round blue rosette.
void drawPlace(Pen &p, int place)
{
    ring(p, 50, 50, 24, 44, 38, 0, {120, 170, 235});
    disc(p, 50, 50, 32, white);
    char n[8];
    std::snprintf(n, sizeof n, "%d.", std::clamp(place, 0, 99));
    label(p, n, 52, 50, 40, rgba(black));
}

//----------------------------------------------------------------------------------------------------------
// Answers shown as pictures, and the map's icons
//----------------------------------------------------------------------------------------------------------

// A splash of paint: overlapping round blobs under one outline.
void drawSwatch(Pen &p, int colour)
{
    struct Blob {
        float x, y, r;
    };
    constexpr std::array<Blob, 6> blobs{{{50, 52, 30}, {26, 40, 12}, {74, 64, 13}, {64, 24, 10}, {30, 74, 9}, {80, 36, 6}}};
    for (const Blob &b : blobs) discOutline(p, b.x, b.y, b.r);
    for (const Blob &b : blobs) dot(p, b.x, b.y, b.r, colourRgb(colour));
    dot(p, 40, 40, 5, white);
}

// A square sign with a figure: red standing (stop), yellow standing and looking (wait), green walking (go).
namespace {

constexpr Rgb shirtBlue{90, 120, 210}, trousers{60, 60, 95}, hair{120, 75, 40};

// A child seen from the side, standing, walking or running, its feet at (cx, feet); 54 units tall at k = 1.
enum Pose { PoseStand, PoseWalk, PoseRun };
void child(Pen &p, float cx, float feet, Pose pose, float k)
{
    float lean = pose == PoseRun ? 5 * k : 0, hip = feet - 20 * k, shoulder = feet - 36 * k;
    auto leg = [&](float dx, float dy) { stroke(p, cx, hip, cx + dx * k, feet + dy * k, 5 * k, trousers); };
    auto arm = [&](float dx, float dy) { stroke(p, cx + lean, shoulder, cx + lean + dx * k, shoulder + dy * k, 4 * k, skin); };
    if (pose == PoseStand) {
        leg(-3, 0);
        leg(3, 0);
    } else {
        float stride = pose == PoseRun ? 12 : 7;
        leg(-stride, 0);
        leg(stride, pose == PoseRun ? -5 : 0);
    }
    box(p, cx - 6 * k + lean * 0.6f, shoulder - 3 * k, 12 * k, 21 * k, shirtBlue, 4 * k);
    if (pose == PoseStand) {
        arm(-7, 14);
        arm(7, 14);
    } else {
        arm(pose == PoseRun ? -12 : -8, pose == PoseRun ? 6 : 12);
        arm(pose == PoseRun ? 12 : 8, pose == PoseRun ? 2 : 12);
    }
    float hx = cx + lean, hy = shoulder - 10 * k;
    disc(p, hx, hy, 8 * k, hair);
    dot(p, hx + k, hy + 2 * k, 6.5f * k, skin);
    eye(p, hx + 3.5f * k, hy + k, 1.4f * k);
}

// Two curved arrows over a head, one to each side: looking left and right.
void lookArrows(Pen &p, float cx, float y)
{
    for (float side : {-1.0f, 1.0f}) {
        stroke(p, cx + side * 4, y, cx + side * 16, y + 3, 3, signOrange);
        poly(p, {cx + side * 22, y + 5, cx + side * 13, y - 2, cx + side * 14, y + 9}, signOrange);
    }
}

} // namespace

// A child at the kerb of a street with a zebra crossing: waiting on the pavement, crossing after a look both
// ways, running across, or looking both ways before stepping off. No colour of a traffic light is on it, so
// that the light asked about cannot be matched to the answer by its colour.
void drawAction(Pen &p, int action)
{
    constexpr Rgb pavementGrey{215, 210, 200}, road{95, 95, 100};
    constexpr float k = 1.3f;
    box(p, 2, 80, 34, 16, pavementGrey, 2);
    box(p, 36, 86, 62, 10, road);
    for (int i = 0; i < 4; ++i) plainBox(p, 42 + i * 14.0f, 88, 8, 6, white);
    switch (action) {
    case ActionLookAndGo:
        child(p, 66, 90, PoseWalk, k);
        lookArrows(p, 66, 10);
        break;
    case ActionRun:
        child(p, 64, 90, PoseRun, k);
        for (int i = 0; i < 3; ++i) stroke(p, 30, 40 + i * 11.0f, 42, 40 + i * 11.0f, 3, darkGrey);
        break;
    case ActionLook:
        child(p, 24, 84, PoseStand, k);
        lookArrows(p, 24, 6);
        break;
    default:
        child(p, 20, 84, PoseStand, k);
        break;
    }
}

void drawSnowflake(Pen &p, int)
{
    constexpr Rgb ice{90, 150, 220};
    for (int i = 0; i < 6; ++i) {
        float a = i * 3.14159f / 3, c = std::cos(a), s = std::sin(a);
        stroke(p, 50, 50, 50 + 40 * c, 50 + 40 * s, 4, ice);
        for (float d : {18.0f, 30.0f}) { // two little branches on each arm
            float bx = 50 + d * c, by = 50 + d * s;
            stroke(p, bx, by, bx + 9 * std::cos(a + 0.8f), by + 9 * std::sin(a + 0.8f), 3, ice);
            stroke(p, bx, by, bx + 9 * std::cos(a - 0.8f), by + 9 * std::sin(a - 0.8f), 3, ice);
        }
    }
    dot(p, 50, 50, 6, ice);
}

// A calendar page with the day's name.
void drawDay(Pen &p, int day)
{
    static constexpr std::array<const char *, 7> names{"hétfő", "kedd", "szerda", "csütörtök", "péntek", "szombat",
                                                      "vasárnap"};
    box(p, 10, 18, 80, 72, white, 8);
    box(p, 10, 18, 80, 20, day >= 5 ? appleRed : sirenBlue, 6);
    for (float x : {30.0f, 70.0f}) box(p, x - 3, 10, 6, 14, silver, 3);
    label(p, names[static_cast<size_t>(std::clamp(day, 0, 6))], 50, 63, 16, rgba(black));
}

void drawPurse(Pen &p, int)
{
    constexpr Rgb leather{190, 90, 70};
    disc(p, 62, 30, 14, gold); // a coin peeking out
    box(p, 14, 34, 72, 56, leather, 16);
    stroke(p, 18, 40, 82, 40, 2, ink);
    disc(p, 44, 34, 5, silver);
    disc(p, 56, 34, 5, silver);
}

// A wristwatch showing half past three.
void drawWatch(Pen &p, int)
{
    constexpr Rgb strap{120, 80, 160};
    box(p, 38, 4, 24, 92, strap, 8);
    disc(p, 50, 50, 30, silver);
    disc(p, 50, 50, 24, white);
    stroke(p, 50, 50, 61, 56, 4, {60, 60, 160});
    stroke(p, 50, 50, 50, 72, 2.5f, {200, 50, 50});
    dot(p, 50, 50, 3, ink);
}

void drawMagnifier(Pen &p, int)
{
    stroke(p, 62, 62, 88, 88, 9, bark);
    disc(p, 42, 42, 32, silver);
    disc(p, 42, 42, 25, lightBlue);
    stroke(p, 42, 42, 42, 26, 3, {60, 60, 160}); // a small clock face seen through the glass
    stroke(p, 42, 42, 52, 48, 3, {60, 60, 160});
    dot(p, 32, 30, 5, white);
}

// The three steps of a podium, with their numbers.
void drawPodium(Pen &p, int)
{
    box(p, 6, 52, 30, 40, silver, 3);
    box(p, 35, 30, 30, 62, gold, 3);
    box(p, 64, 62, 30, 30, {215, 150, 90}, 3);
    label(p, "2", 21, 70, 24, rgba(ink));
    label(p, "1", 50, 56, 28, rgba(ink));
    label(p, "3", 79, 76, 22, rgba(ink));
}

// A tall block of flats.
// A block of flats of 1 to 9 floors (7 for the map's icon, parameter 0), standing on the picture's floor.
void drawTower(Pen &p, int floors)
{
    floors = floors > 0 ? std::min(floors, 9) : 7;
    float top = 83 - floors * 9.0f; // the ground floor keeps its door
    box(p, 28, top, 44, 96 - top, {190, 205, 225});
    if (top > 10) stroke(p, 60, top, 60, top - 8, 2, darkGrey);
    for (int row = 0; row < floors; ++row)
        for (int col = 0; col < 3; ++col) plainBox(p, 33 + col * 13.0f, top + 4 + row * 9.0f, 8, 5, lightBlue);
    box(p, 44, 86, 12, 10, bark, 2);
}

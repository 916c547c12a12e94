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

void drawWalkLight(Pen &p, int green)
{
    box(p, 46, 76, 8, 22, darkGrey);
    box(p, 28, 6, 44, 72, {55, 60, 70}, 8);
    box(p, 33, 11, 34, 30, {30, 30, 35}, 4);
    box(p, 33, 44, 34, 30, {30, 30, 35}, 4);
    walker(p, 50, 26, false, green ? Rgb{110, 55, 55} : Rgb{245, 60, 50});
    walker(p, 50, 59, true, green ? Rgb{80, 225, 100} : Rgb{55, 95, 60});
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
        plainBox(p, 46, 7, 8, 18, crossGreen);
        plainBox(p, 41, 12, 18, 8, crossGreen);
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

void drawBottle(Pen &p, int)
{
    box(p, 42, 6, 16, 10, {60, 140, 220}, 2);
    poly(p, {42, 16, 58, 16, 70, 32, 70, 94, 30, 94, 30, 32}, {170, 215, 245});
    plainBox(p, 32, 50, 36, 18, {240, 120, 60});
}

void drawJar(Pen &p, int)
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

void drawBelt(Pen &p, int)
{
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

void drawMedicine(Pen &p, int)
{
    box(p, 16, 28, 68, 52, white, 6);
    plainBox(p, 44, 36, 12, 36, crossGreen);
    plainBox(p, 32, 48, 36, 12, crossGreen);
}

// A beach ball: coloured and white panels meeting at a cap, so that it never looks like a road sign.
void drawBall(Pen &p, int colour)
{
    Rgb c = colourRgb(colour);
    disc(p, 50, 54, 38, c);
    for (int i = 0; i < 3; ++i)
        filledPieRGBA(p.s, px(p, 50), px(p, 54), px(p, 38), static_cast<Sint16>(i * 120 + 60),
                      static_cast<Sint16>(i * 120 + 120), white.r, white.g, white.b, 255);
    for (int i = 0; i < 6; ++i) {
        float a = i * 3.14159f / 3;
        stroke(p, 50, 54, 50 + 37 * std::cos(a), 54 + 37 * std::sin(a), 1.2f, ink);
    }
    disc(p, 50, 54, 7, c);
    dot(p, 34, 38, 5, white);
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

void drawBook(Pen &p, int)
{
    box(p, 18, 22, 68, 64, white, 4);       // pages
    box(p, 12, 16, 68, 64, {70, 130, 210}, 4);
    box(p, 22, 26, 48, 16, white, 3);
    dot(p, 46, 60, 8, {250, 200, 60});
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
void drawAction(Pen &p, int action)
{
    constexpr Rgb stopRed{225, 60, 50}, waitYellow{245, 190, 40}, goGreen{70, 175, 80};
    Rgb c = action == ActionGo ? goGreen : action == ActionWait ? waitYellow : stopRed;
    box(p, 14, 10, 72, 80, c, 14);
    walker(p, 50, 52, action == ActionGo, white, 2.1f);
    if (action == ActionWait) { // an open eye: looking out
        plainOval(p, 72, 24, 9, 6, white);
        dot(p, 72, 24, 3.5f, ink);
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
void drawTower(Pen &p, int)
{
    box(p, 28, 10, 44, 86, {190, 205, 225});
    stroke(p, 60, 10, 60, 2, 2, darkGrey);
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 3; ++col) plainBox(p, 33 + col * 13.0f, 16 + row * 10.0f, 8, 6, lightBlue);
    box(p, 44, 84, 12, 12, bark, 2);
}

// forest_pictures.cpp -- the forest's pictures: animals, their homes and food, plants, and the signs in a question
#include "painters.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <array>
#include <cmath>

//----------------------------------------------------------------------------------------------------------
// Animals
//----------------------------------------------------------------------------------------------------------

void drawSquirrel(Pen &p, int)
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

void drawHedgehog(Pen &p, int)
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

void drawRabbit(Pen &p, int)
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

void drawFox(Pen &p, int)
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

void drawBear(Pen &p, int)
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

void drawOwl(Pen &p, int)
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

void drawBird(Pen &p, int)
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

void drawBee(Pen &p, int)
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

void drawFrog(Pen &p, int)
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

namespace {

void crown(Pen &p, Rgb c)
{
    disc(p, 50, 30, 24, c);
    disc(p, 30, 42, 18, c);
    disc(p, 70, 42, 18, c);
}

} // namespace

void drawHollow(Pen &p, int)
{
    box(p, 28, 30, 44, 66, bark, 4);
    crown(p, leafGreen);
    box(p, 28, 46, 44, 50, bark, 4);
    oval(p, 50, 64, 11, 14, {45, 30, 20});
    stroke(p, 36, 82, 36, 94, 1.5f, darkBark);
    stroke(p, 64, 50, 64, 60, 1.5f, darkBark);
}

void drawNest(Pen &p, int)
{
    Rgb egg{190, 225, 245}, straw{190, 140, 80};
    oval(p, 38, 52, 10, 13, egg);
    oval(p, 52, 50, 10, 13, egg);
    oval(p, 65, 53, 10, 13, egg);
    poly(p, {10, 56, 90, 56, 80, 80, 20, 80}, straw);
    for (int i = 0; i < 5; ++i) stroke(p, 16 + i * 4.0f, 62 + i * 3.5f, 84 - i * 4.0f, 62 + i * 3.5f, 1.2f, bark);
}

void drawBurrow(Pen &p, int)
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

void drawCave(Pen &p, int)
{
    Rgb rock{165, 160, 155};
    poly(p, {6, 92, 16, 44, 36, 22, 62, 18, 84, 38, 96, 92}, rock);
    oval(p, 50, 80, 20, 24, {40, 35, 40});
    plainBox(p, 28, 86, 44, 8, rock);
    stroke(p, 4, 92, 96, 92, 2, ink);
    stroke(p, 24, 40, 34, 34, 1.5f, darkGrey);
    stroke(p, 70, 34, 78, 44, 1.5f, darkGrey);
}

void drawHive(Pen &p, int)
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

void drawPond(Pen &p, int)
{
    oval(p, 50, 66, 44, 24, {90, 170, 230});
    plainOval(p, 40, 60, 20, 6, {150, 205, 245});
    disc(p, 64, 70, 10, leafGreen);
    filledPieRGBA(p.s, px(p, 64), px(p, 70), px(p, 10), 330, 360, 90, 170, 230, 255);
    stroke(p, 18, 40, 20, 60, 1.5f, darkGreen);
    stroke(p, 24, 36, 24, 58, 1.5f, darkGreen);
    oval(p, 22, 36, 2.5f, 6, bark);
}

void drawAcorn(Pen &p, int)
{
    oval(p, 50, 62, 20, 26, {200, 140, 70});
    oval(p, 50, 40, 25, 13, {125, 85, 50});
    stroke(p, 50, 28, 54, 16, 3, darkBark);
    for (int i = 0; i < 4; ++i) stroke(p, 32 + i * 12.0f, 38, 36 + i * 12.0f, 44, 1, darkBark);
}

void drawCarrot(Pen &p, int)
{
    oval(p, 42, 20, 6, 14, leafGreen);
    oval(p, 58, 20, 6, 14, leafGreen);
    oval(p, 50, 16, 5, 14, darkGreen);
    poly(p, {32, 32, 68, 32, 52, 94, 48, 94}, {245, 140, 40});
    stroke(p, 40, 46, 48, 46, 1.5f, {205, 100, 30});
    stroke(p, 52, 60, 58, 60, 1.5f, {205, 100, 30});
    stroke(p, 44, 72, 50, 72, 1.5f, {205, 100, 30});
}

void drawHoney(Pen &p, int)
{
    box(p, 22, 34, 56, 58, {240, 170, 40}, 12);
    box(p, 18, 24, 64, 14, {200, 130, 60}, 5);
    box(p, 30, 54, 40, 22, white, 4);
    label(p, "MÉZ", 50, 65, 14, Rgba{200, 120, 30, 255});
    oval(p, 30, 42, 4, 8, {240, 170, 40});
    stroke(p, 62, 30, 84, 10, 3, bark);
}

void drawWorm(Pen &p, int)
{
    Rgb pink{240, 140, 150};
    for (int i = 0; i < 7; ++i) disc(p, 18 + i * 11.0f, 64 + 10 * std::sin(i * 1.2f), 8, pink);
    disc(p, 86, 62 + 10 * std::sin(7 * 1.2f), 10, pink);
    eye(p, 88, 54 + 10 * std::sin(7 * 1.2f), 2.5f);
}

void drawFly(Pen &p, int)
{
    oval(p, 38, 36, 14, 20, {215, 235, 250});
    oval(p, 62, 36, 14, 20, {215, 235, 250});
    oval(p, 50, 60, 14, 18, {70, 70, 80});
    disc(p, 50, 42, 10, {70, 70, 80});
    dot(p, 45, 40, 4, {200, 50, 50});
    dot(p, 55, 40, 4, {200, 50, 50});
}

void drawMushroom(Pen &p, int kind)
{
    if (kind == 1) { // a brown-capped one on a stout stem
        Rgb cap{165, 100, 50};
        box(p, 36, 50, 28, 40, {240, 228, 200}, 12);
        poly(p, {8, 58, 16, 34, 50, 16, 84, 34, 92, 58}, cap);
        oval(p, 50, 58, 42, 7, {235, 215, 160});
        plainOval(p, 40, 32, 12, 5, {195, 135, 80});
        return;
    }
    box(p, 40, 50, 20, 40, {245, 235, 210}, 8);
    poly(p, {10, 56, 20, 30, 50, 14, 80, 30, 90, 56}, {225, 60, 50});
    oval(p, 50, 56, 40, 6, {225, 60, 50});
    dot(p, 34, 36, 5, white);
    dot(p, 56, 26, 6, white);
    dot(p, 70, 42, 4.5f, white);
    dot(p, 46, 46, 3.5f, white);
}

void drawApple(Pen &p, int state)
{
    bool taken = state == 1;
    Rgb red = taken ? Rgb{215, 190, 185} : appleRed;
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

constexpr Rgb snow{232, 240, 252}, snowflake{150, 190, 235};
constexpr Rgb blossomPink{250, 160, 200};

void drawTree(Pen &p, int season)
{
    box(p, 42, 50, 16, 46, bark, 3);
    if (season == SeasonWinter) {
        stroke(p, 50, 56, 28, 30, 4, bark);
        stroke(p, 50, 50, 72, 24, 4, bark);
        stroke(p, 50, 52, 50, 16, 4, bark);
        stroke(p, 36, 40, 24, 40, 3, bark);
        // Snow a little bluer than the white card it is shown on, and falling flakes.
        oval(p, 26, 29, 7, 3.5f, snow);
        oval(p, 72, 23, 7, 3.5f, snow);
        oval(p, 50, 15, 6, 3.5f, snow);
        oval(p, 50, 93, 46, 6, snow);
        for (int i = 0; i < 10; ++i) dot(p, 10 + (i * 37) % 80, 8 + (i * 23) % 66, 2.5f, snowflake);
        return;
    }
    Rgb leaves = season == SeasonAutumn ? autumnOrange : season == SeasonSpring ? Rgb{150, 215, 110} : leafGreen;
    crown(p, leaves);
    if (season == SeasonSpring) { // small five-petalled blossoms spread over the crown
        constexpr std::array<std::array<float, 2>, 8> blossoms{{
            {{38, 16}}, {{62, 18}}, {{50, 32}}, {{22, 42}}, {{78, 42}}, {{34, 52}}, {{66, 52}}, {{50, 48}},
        }};
        for (const auto &b : blossoms) {
            for (int k = 0; k < 5; ++k)
                dot(p, b[0] + 4 * std::cos(k * 1.2566f), b[1] + 4 * std::sin(k * 1.2566f), 3, blossomPink);
            dot(p, b[0], b[1], 2, gold);
        }
    }
    if (season == SeasonAutumn) {
        for (int i = 0; i < 6; ++i) dot(p, 28 + (i * 31) % 46, 24 + (i * 13) % 30, 4, autumnRed);
        oval(p, 20, 92, 6, 3, autumnOrange);
        oval(p, 80, 94, 6, 3, autumnRed);
    }
    if (season == SeasonSummer)
        for (int i = 0; i < 5; ++i) dot(p, 30 + (i * 23) % 44, 26 + (i * 19) % 30, 4, appleRed);
}

void drawPine(Pen &p, int percent)
{
    if (percent == 0) percent = 100; // the full-grown pine unless a size is asked for
    float s = std::clamp(percent, 20, 100) / 100.0f; // drawn smaller, standing on the same ground
    float base = 96;
    auto y = [&](float u) { return base - (base - u) * s; };
    auto x = [&](float u) { return 50 + (u - 50) * s; };
    box(p, x(44), y(80), 12 * s, 96 - y(80), bark);
    poly(p, {x(14), y(82), x(86), y(82), x(50), y(44)}, darkGreen);
    poly(p, {x(22), y(60), x(78), y(60), x(50), y(24)}, darkGreen);
    poly(p, {x(30), y(38), x(70), y(38), x(50), y(6)}, darkGreen);
}

// The apples stand in rows of four, three, two and one on the basket's rim, each whole, so that they can be
// counted.
void drawBasket(Pen &p, int apples)
{
    apples = std::clamp(apples, 0, 10);
    poly(p, {8, 56, 92, 56, 80, 94, 20, 94}, {200, 145, 80});
    for (int i = 0; i < 3; ++i) stroke(p, 14 + i * 2.0f, 66 + i * 9.0f, 86 - i * 2.0f, 66 + i * 9.0f, 1.5f, bark);
    constexpr std::array<int, 4> rowSize{4, 3, 2, 1};
    int row = 0, inRow = 0;
    for (int i = 0; i < apples; ++i) {
        int n = std::min(rowSize[static_cast<size_t>(row)], apples - (i - inRow));
        float x = 50 + (inRow - (n - 1) / 2.0f) * 19, y = 47 - row * 16.0f;
        disc(p, x, y, 8.5f, appleRed);
        dot(p, x - 3, y - 3, 2, white);
        if (++inRow == rowSize[static_cast<size_t>(row)]) {
            ++row;
            inRow = 0;
        }
    }
}

void drawShape(Pen &p, int param)
{
    Rgb c = colourRgb(param % 16);
    switch (param / 16) {
    case ShapeCircle: disc(p, 50, 50, 38, c); break;
    case ShapeSquare: box(p, 14, 14, 72, 72, c); break;
    case ShapeTriangle: poly(p, {50, 10, 90, 86, 10, 86}, c); break;
    case ShapeStar: ring(p, 50, 54, 10, 42, 18, -3.14159f / 2, c); break;
    default: box(p, 6, 28, 88, 44, c); break;
    }
}

void drawLitter(Pen &p, int)
{
    oval(p, 50, 88, 40, 6, {120, 190, 80});
    box(p, 56, 50, 20, 34, {200, 60, 60}, 3);         // a can
    plainBox(p, 56, 62, 20, 8, silver);
    poly(p, {16, 84, 22, 58, 40, 54, 50, 70, 44, 86}, {235, 235, 225}); // crumpled paper
    stroke(p, 24, 66, 40, 72, 1.2f, grey);
    oval(p, 86, 80, 8, 5, {120, 200, 230});            // a bottle lying down
}

namespace {

constexpr Rgb flameOrange{245, 120, 40}, flameYellow{250, 210, 60}, smoke{120, 115, 115}, stone{170, 165, 160};

// A line with an ink rim, for the arms and legs of the figures.
void limb(Pen &p, float x1, float y1, float x2, float y2, float width, Rgb c)
{
    stroke(p, x1, y1, x2, y2, width + 2.0f * p.line / p.k, ink);
    stroke(p, x1, y1, x2, y2, width, c);
}

// A child seen from the front or running: the head at (x, y), the size k (1 is about 60 units tall), the
// hands and feet where the caller puts them, relative to the shoulders and the hips.
struct Pose {
    float handLX, handLY, handRX, handRY, footLX, footLY, footRX, footRY;
};
constexpr Pose standing{-9, 16, 9, 16, -5, 24, 5, 24};
constexpr Rgb shirtBlue{80, 150, 230}, trousers{70, 85, 140}, hair{120, 70, 35};

void child(Pen &p, float x, float y, float k, const Pose &pose, Rgb shirt = shirtBlue)
{
    float shoulder = y + 12 * k, hip = y + 32 * k;
    limb(p, x - 3 * k, hip, x + pose.footLX * k, hip + pose.footLY * k, 5 * k, trousers);
    limb(p, x + 3 * k, hip, x + pose.footRX * k, hip + pose.footRY * k, 5 * k, trousers);
    box(p, x - 8 * k, shoulder - 2 * k, 16 * k, hip - shoulder + 4 * k, shirt, 4 * k);
    limb(p, x - 6 * k, shoulder + 2 * k, x + pose.handLX * k, shoulder + pose.handLY * k, 4 * k, shirt);
    limb(p, x + 6 * k, shoulder + 2 * k, x + pose.handRX * k, shoulder + pose.handRY * k, 4 * k, shirt);
    dot(p, x + pose.handLX * k, shoulder + pose.handLY * k, 2.6f * k, skin);
    dot(p, x + pose.handRX * k, shoulder + pose.handRY * k, 2.6f * k, skin);
    disc(p, x, y, 9 * k, skin);
    filledPieRGBA(p.s, px(p, x), px(p, y), px(p, 9.5f * k), 180, 360, hair.r, hair.g, hair.b, 255);
    eye(p, x - 3.2f * k, y + 1 * k, 1.4f * k);
    eye(p, x + 3.2f * k, y + 1 * k, 1.4f * k);
}

// A face filling the picture, for what a child does with its mouth: hushes, shouts, tastes.
void bigFace(Pen &p)
{
    disc(p, 50, 54, 34, skin);
    filledPieRGBA(p.s, px(p, 50), px(p, 54), px(p, 35), 180, 360, hair.r, hair.g, hair.b, 255);
    for (int i = 0; i < 5; ++i) dot(p, 26 + i * 12.0f, 54 - (i == 0 || i == 4 ? 4.0f : 12.0f), 8, hair); // the fringe
    eye(p, 37, 50, 4.5f);
    eye(p, 63, 50, 4.5f);
    dot(p, 30, 64, 4, {245, 170, 160});
    dot(p, 70, 64, 4, {245, 170, 160});
}

// Flames with their yellow heart, standing on (x, base), w wide and h tall.
void flames(Pen &p, float x, float base, float w, float h)
{
    poly(p, {x - w / 2, base, x - w / 3, base - h * 0.6f, x - w / 8, base - h * 0.45f, x, base - h, x + w / 6,
             base - h * 0.5f, x + w / 3, base - h * 0.7f, x + w / 2, base},
         flameOrange);
    poly(p,
         {x - w / 4, base, x - w / 8, base - h * 0.4f, x, base - h * 0.55f, x + w / 8, base - h * 0.35f, x + w / 4, base},
         flameYellow);
}

void smallRabbit(Pen &p, float x, float y)
{
    Rgb fur{225, 220, 215};
    oval(p, x - 3, y - 14, 2.5f, 8, fur);
    oval(p, x + 4, y - 14, 2.5f, 8, fur);
    oval(p, x + 6, y + 4, 12, 8, fur);
    disc(p, x, y - 2, 8, fur);
    eye(p, x - 3, y - 3, 1.5f);
    disc(p, x + 18, y + 2, 3, white);
}

void smallBee(Pen &p, float x, float y)
{
    oval(p, x - 3, y - 6, 4, 5, {210, 235, 250});
    oval(p, x + 3, y - 6, 4, 5, {210, 235, 250});
    oval(p, x, y, 8, 5.5f, {250, 205, 50});
    plainBox(p, x - 3, y - 5, 2, 10, black);
    plainBox(p, x + 2, y - 5, 2, 10, black);
}

void flower(Pen &p, float x, float y, float r, Rgb c)
{
    for (int i = 0; i < 6; ++i) disc(p, x + r * std::cos(i * 1.047f), y + r * std::sin(i * 1.047f), r * 0.65f, c);
    disc(p, x, y, r * 0.6f, {250, 215, 60});
}

} // namespace

// A fire laid as it should be: at a fireplace ringed with stones, with the grass kept away from it.
void drawCampfire(Pen &p, int)
{
    oval(p, 50, 84, 44, 11, {190, 175, 150});
    stroke(p, 24, 86, 76, 74, 7, bark);
    stroke(p, 24, 74, 76, 86, 7, darkBark);
    flames(p, 50, 80, 40, 58);
    for (int i = 0; i < 9; ++i) { // the ring of stones, the front ones drawn last
        float a = 3.14159f * (i / 8.0f);
        oval(p, 50 - 42 * std::cos(a), 86 + 8 * std::sin(a), 8, 5.5f, stone);
    }
}

// A fire out of hand: a tree ablaze, flames on the ground and black smoke rising.
void drawBlaze(Pen &p, int)
{
    disc(p, 30, 22, 14, smoke);
    disc(p, 50, 14, 13, {95, 90, 90});
    disc(p, 70, 22, 14, smoke);
    box(p, 42, 52, 14, 44, darkBark, 3);
    disc(p, 50, 40, 22, {90, 120, 60});
    disc(p, 34, 50, 14, {90, 120, 60});
    disc(p, 66, 50, 14, {90, 120, 60});
    flames(p, 36, 64, 30, 44);
    flames(p, 62, 62, 32, 50);
    flames(p, 50, 52, 26, 40);
    flames(p, 16, 96, 24, 30);
    flames(p, 84, 96, 24, 34);
    flames(p, 50, 96, 20, 22);
}

// A flower picked: held in a fist, its stem torn off and its head already hanging; the torn stub is left
// standing in the grass, cut flat and bare, so that the two halves tell what happened.
void drawPickFlower(Pen &p, int)
{
    oval(p, 26, 92, 22, 4, leafGreen);
    stroke(p, 26, 92, 26, 78, 3, darkGreen);
    oval(p, 20, 86, 6, 3, leafGreen);
    poly(p, {23, 79, 25, 75, 27, 79, 29, 76, 29, 80, 23, 80}, darkGreen); // its torn, ragged top
    stroke(p, 68, 74, 64, 26, 3, darkGreen);
    stroke(p, 64, 26, 52, 24, 3, darkGreen); // the stem bends over, and the head hangs from it
    stroke(p, 52, 24, 46, 32, 3, darkGreen);
    oval(p, 72, 50, 8, 4, leafGreen);
    flower(p, 40, 46, 10, colourRgb(ColPink));
    box(p, 60, 60, 20, 18, skin, 6); // the fist around the stem
    box(p, 64, 76, 14, 20, shirtBlue, 3);
    stroke(p, 62, 65, 78, 65, 1, ink);
    stroke(p, 62, 70, 78, 70, 1, ink);
}

//----------------------------------------------------------------------------------------------------------
// More of the forest: small animals, homes, food and the signs of the seasons
//----------------------------------------------------------------------------------------------------------

void drawAnt(Pen &p, int)
{
    Rgb body{70, 40, 30};
    for (int side : {-1, 1}) // six legs, three on each side of the middle
        for (int i = 0; i < 3; ++i) {
            float x = 44 + i * 6.0f, end = 28 + i * 18.0f;
            stroke(p, x, 50, end - 4, 50 + side * 16, 2.5f, body);
            stroke(p, end - 4, 50 + side * 16, end, 50 + side * 26, 2.5f, body);
        }
    stroke(p, 16, 44, 6, 28, 2, body); // feelers
    stroke(p, 20, 42, 20, 24, 2, body);
    oval(p, 72, 50, 20, 14, body);
    oval(p, 48, 50, 11, 8, body);
    disc(p, 24, 48, 11, body);
    eye(p, 20, 45, 2.5f);
    dot(p, 66, 45, 3, {130, 90, 70});
}

void drawAnthill(Pen &p, int)
{
    Rgb earth{175, 125, 75};
    poly(p, {4, 92, 22, 58, 42, 30, 50, 26, 58, 30, 78, 58, 96, 92}, earth);
    for (int i = 0; i < 26; ++i) // the needles and twigs it is built of
        stroke(p, 14 + (i * 37) % 72, 40 + (i * 23) % 48, 18 + (i * 37) % 72, 37 + (i * 23) % 48, 1.2f, darkBark);
    oval(p, 50, 80, 7, 5, {60, 40, 25});
    for (float x : {30.0f, 64.0f, 74.0f}) { // ants on the way home
        dot(p, x, 70 - x / 6, 2, black);
        dot(p, x + 4, 70 - x / 6, 2.5f, black);
    }
    stroke(p, 4, 92, 96, 92, 2, ink);
}

void drawSnail(Pen &p, int)
{
    Rgb body{215, 200, 160}, shell{205, 140, 70};
    poly(p, {8, 88, 14, 66, 30, 58, 44, 74, 92, 80, 92, 88}, body);
    stroke(p, 18, 64, 12, 42, 2, body);
    stroke(p, 24, 62, 26, 40, 2, body);
    dot(p, 12, 42, 3, black);
    dot(p, 26, 40, 3, black);
    disc(p, 60, 56, 28, shell);
    for (float r : {20.0f, 12.0f, 5.0f}) // the spiral of the shell
        arcRGBA(p.s, px(p, 60 + (28 - r) / 5), px(p, 56 + (28 - r) / 8), px(p, r), 0, 330, ink.r, ink.g, ink.b, 255);
    smile(p, 20, 72, 5);
}

void drawSpider(Pen &p, int)
{
    stroke(p, 50, 0, 50, 36, 1, grey); // the thread it hangs from
    for (int side : {-1, 1})
        for (int i = 0; i < 4; ++i) { // eight legs, bent at the knee
            float y = 50 + i * 7.0f, knee = 26 + i * 2.0f;
            stroke(p, 50, y, 50 + side * knee, y - 14 + i * 6, 2.5f, black);
            stroke(p, 50 + side * knee, y - 14 + i * 6, 50 + side * (knee + 12), y + 10 + i * 5, 2.5f, black);
        }
    oval(p, 50, 68, 16, 18, {60, 55, 60});
    disc(p, 50, 44, 11, {60, 55, 60});
    eye(p, 45, 43, 3);
    eye(p, 55, 43, 3);
    dot(p, 50, 72, 4, {240, 200, 60});
}

// The hedgehog's winter bed: a heap of fallen leaves.
void drawLeafPile(Pen &p, int)
{
    Rgb colours[4] = {autumnOrange, autumnRed, {215, 165, 60}, {160, 110, 60}};
    oval(p, 50, 90, 46, 52, {185, 120, 55});
    eraseBox(p, 0, 90, 100, 10);
    for (int i = 0; i < 22; ++i) { // leaves all over the heap, in rows that narrow towards the top
        int row = i < 8 ? 0 : i < 14 ? 1 : i < 19 ? 2 : 3, first = row == 0 ? 0 : row == 1 ? 8 : row == 2 ? 14 : 19;
        int inRow = row == 0 ? 8 : row == 1 ? 6 : row == 2 ? 5 : 3;
        float span = 80 - row * 18.0f, x = 50 - span / 2 + (i - first) * span / (inRow - 1), y = 82 - row * 13.0f;
        oval(p, x, y, 8, 5, colours[(i * 3) % 4]);
        stroke(p, x - 5, y + 1, x + 5, y - 1, 1, ink);
    }
    stroke(p, 2, 90, 98, 90, 2, ink);
}

void drawDeer(Pen &p, int fawn)
{
    Rgb fur{190, 120, 60};
    float k = fawn == 1 ? 0.8f : 1; // the fawn smaller, standing on the same ground
    auto x = [k](float u) { return 50 + (u - 50) * k; };
    auto y = [k](float u) { return 96 - (96 - u) * k; };
    for (float leg : {34.0f, 42.0f, 66.0f, 74.0f}) stroke(p, x(leg), y(60), x(leg), y(94), 3.5f * k, {150, 90, 45});
    oval(p, x(54), y(56), 26 * k, 14 * k, fur);
    stroke(p, x(30), y(50), x(24), y(26), 9 * k, fur); // the neck
    oval(p, x(20), y(22), 11 * k, 8 * k, fur);
    oval(p, x(28), y(10), 4 * k, 8 * k, fur); // ears
    oval(p, x(18), y(9), 4 * k, 8 * k, fur);
    eye(p, x(18), y(20), 2.2f * k);
    dot(p, x(10), y(24), 2.2f * k, black);
    oval(p, x(78), y(52), 7 * k, 7 * k, white); // the white rump
    if (fawn == 1)
        for (int i = 0; i < 7; ++i) dot(p, x(38 + (i * 13) % 30), y(47 + (i * 7) % 12), 2.2f, white);
    else {
        stroke(p, x(24), y(10), x(26), y(-2), 2, darkBark); // short antlers
        stroke(p, x(18), y(8), x(16), y(-3), 2, darkBark);
    }
}

void drawGrass(Pen &p, int)
{
    for (int i = 0; i < 9; ++i) {
        float base = 18 + i * 8.0f, tip = base + ((i % 3) - 1) * 10.0f;
        poly(p, {base - 4, 92, tip, 20.0f + (i * 17) % 40, base + 4, 92}, i % 2 ? leafGreen : darkGreen);
    }
    stroke(p, 8, 92, 92, 92, 2, ink);
}

void drawMouse(Pen &p, int)
{
    Rgb fur{165, 160, 160}, pink{245, 170, 180};
    stroke(p, 76, 74, 96, 52, 2, pink); // the long tail
    for (float leg : {38.0f, 46.0f, 60.0f, 68.0f}) stroke(p, leg, 78, leg, 90, 3, pink);
    oval(p, 56, 68, 24, 16, fur);
    disc(p, 30, 46, 12, fur);
    plainOval(p, 30, 46, 7, 7, pink);
    poly(p, {12, 64, 26, 54, 36, 66}, fur);
    oval(p, 26, 64, 14, 10, fur);
    eye(p, 22, 60, 2.5f);
    dot(p, 12, 66, 2.5f, pink);
}

void drawWheat(Pen &p, int)
{
    Rgb grain{235, 190, 80};
    stroke(p, 50, 40, 50, 96, 3, {205, 165, 70});
    for (int i = 0; i < 5; ++i) {
        float y = 20 + i * 10.0f;
        oval(p, 42, y + 4, 6, 9, grain);
        oval(p, 58, y + 4, 6, 9, grain);
        stroke(p, 42, y, 34, y - 12, 1, {205, 165, 70}); // the whiskers
        stroke(p, 58, y, 66, y - 12, 1, {205, 165, 70});
    }
    oval(p, 50, 12, 6, 9, grain);
}

void drawSnowman(Pen &p, int)
{
    oval(p, 50, 94, 40, 5, {232, 240, 252});
    disc(p, 50, 74, 22, {240, 245, 252});
    disc(p, 50, 42, 16, {240, 245, 252});
    disc(p, 50, 18, 12, {240, 245, 252});
    box(p, 40, 0, 20, 10, {200, 60, 50}, 2); // a pot for a hat
    eye(p, 45, 16, 2);
    eye(p, 55, 16, 2);
    poly(p, {50, 19, 66, 22, 50, 24}, {245, 140, 40});
    for (float y : {38.0f, 48.0f, 68.0f}) dot(p, 50, y, 2.5f, black);
    stroke(p, 34, 40, 14, 28, 2.5f, bark);
    stroke(p, 66, 40, 86, 28, 2.5f, bark);
}

// The snowdrop, the first flower of spring: white bells hanging from thin stems, snow still about.
void drawSnowdrop(Pen &p, int)
{
    oval(p, 50, 92, 44, 6, {232, 240, 252});
    poly(p, {46, 90, 49, 62, 52, 90}, leafGreen); // two narrow leaves between the stems
    poly(p, {50, 90, 54, 68, 56, 90}, leafGreen);
    for (int side : {-1, 1}) { // two stems bent over at the top, each with its bell of three petals
        float x = 50 + side * 8, tip = x + side * 14, top = side < 0 ? 18.0f : 26.0f;
        stroke(p, x, 90, x, top + 6, 2.5f, darkGreen);
        stroke(p, x, top + 6, tip, top + 8, 2.5f, darkGreen);
        oval(p, tip - 6, top + 26, 5, 12, white);
        oval(p, tip + 6, top + 26, 5, 12, white);
        oval(p, tip, top + 24, 6, 14, white);
        disc(p, tip, top + 10, 3.5f, leafGreen);
    }
}

void drawWatermelon(Pen &p, int)
{
    filledPieRGBA(p.s, px(p, 50), px(p, 34), px(p, 46), 0, 180, ink.r, ink.g, ink.b, 255);
    filledPieRGBA(p.s, px(p, 50), px(p, 34), px(p, 44), 0, 180, 70, 150, 60, 255);
    filledPieRGBA(p.s, px(p, 50), px(p, 34), px(p, 38), 0, 180, 245, 245, 220, 255);
    filledPieRGBA(p.s, px(p, 50), px(p, 34), px(p, 35), 0, 180, 235, 70, 80, 255);
    for (int i = 0; i < 6; ++i) oval(p, 32 + i * 7.0f, 44 + (i % 2) * 10.0f, 1.6f, 2.6f, black);
}

void drawGrapes(Pen &p, int)
{
    Rgb grape{140, 80, 170};
    stroke(p, 50, 20, 54, 6, 3, bark);
    oval(p, 66, 14, 14, 8, leafGreen);
    constexpr std::array<std::array<float, 2>, 10> berries{{
        {{36, 30}}, {{50, 30}}, {{64, 30}}, {{43, 43}}, {{57, 43}},
        {{36, 56}}, {{50, 56}}, {{64, 56}}, {{43, 69}}, {{57, 69}},
    }};
    for (const auto &b : berries) disc(p, b[0], b[1], 8, grape);
    disc(p, 50, 82, 8, grape);
    for (const auto &b : berries) dot(p, b[0] - 3, b[1] - 3, 2, {200, 160, 220});
}

void drawEgg(Pen &p, int kind)
{
    if (kind == 1) { // the cuckoo's: bigger, creamy and speckled
        oval(p, 50, 54, 30, 40, {240, 225, 190});
        for (int i = 0; i < 12; ++i) dot(p, 32 + (i * 23) % 36, 26 + (i * 31) % 56, 2.8f, {150, 95, 55});
        return;
    }
    oval(p, 50, 58, 24, 32, {190, 225, 245});
    dot(p, 42, 44, 4, white);
}

// Ten cubes in a rod, as tens are counted at school, with its "10" beside it; crossed out when taken away.
void drawTenRod(Pen &p, int taken)
{
    Rgb wood = taken == 1 ? Rgb{215, 205, 190} : Rgb{245, 180, 70};
    for (int i = 0; i < 10; ++i) box(p, 30, 3 + i * 9.4f, 20, 8.4f, wood, 1.5f);
    disc(p, 72, 50, 15, white);
    label(p, "10", 72, 51, 18, rgba(darkBark));
    if (taken == 1) {
        stroke(p, 14, 18, 86, 82, 6, {220, 60, 60});
        stroke(p, 86, 18, 14, 82, 6, {220, 60, 60});
    }
}

//----------------------------------------------------------------------------------------------------------
// What a child does in the forest
//----------------------------------------------------------------------------------------------------------

void drawDeed(Pen &p, int deed)
{
    switch (deed) {
    case DeedHush: // a finger on the lips: quiet, just looking
        bigFace(p);
        oval(p, 50, 74, 6, 3, {200, 90, 90});
        box(p, 46, 60, 8, 26, skin, 4);
        box(p, 40, 82, 20, 16, skin, 7);
        break;
    case DeedChase: { // running after a rabbit that runs away
        constexpr Pose running{14, 2, -12, 20, -16, 18, 14, 22};
        for (int i = 0; i < 3; ++i) stroke(p, 4, 40 + i * 10.0f, 14, 40 + i * 10.0f, 1.5f, grey);
        child(p, 34, 24, 1.2f, running, {230, 80, 70});
        smallRabbit(p, 78, 74);
        for (int i = 0; i < 2; ++i) stroke(p, 90, 62 + i * 8.0f, 98, 62 + i * 8.0f, 1.5f, grey);
        break;
    }
    case DeedCarryOff: // a rabbit in a box, carried off home
        child(p, 30, 18, 1.2f, Pose{14, 30, 20, 30, -6, 26, 6, 26});
        smallRabbit(p, 52, 44);
        box(p, 36, 50, 34, 24, {210, 165, 100}, 2);
        stroke(p, 40, 56, 66, 56, 1, darkBark);
        poly(p, {76, 74, 76, 56, 87, 46, 98, 56, 98, 74}, {240, 175, 150});
        box(p, 84, 62, 6, 12, bark);
        break;
    case DeedTrample: { // a boot coming down on a flower
        oval(p, 50, 94, 44, 4, leafGreen);
        stroke(p, 50, 94, 60, 82, 3, darkGreen);
        flower(p, 70, 80, 9, colourRgb(ColPink));
        box(p, 22, 0, 28, 30, trousers, 3);
        poly(p, {20, 28, 52, 28, 56, 42, 80, 46, 88, 56, 88, 62, 20, 62}, {150, 95, 50});
        box(p, 18, 60, 72, 7, {70, 50, 35}, 3);
        for (int i = 0; i < 3; ++i) stroke(p, 30 + i * 20.0f, 72, 28 + i * 20.0f, 80, 1.5f, grey);
        break;
    }
    case DeedTellAdult: // telling a grown-up: a child by a grown-up, something to say
        child(p, 70, 44, 1.1f, Pose{-12, 4, 9, 16, -5, 24, 5, 24});
        child(p, 30, 14, 1.9f, standing, {90, 170, 90});
        box(p, 58, 4, 34, 22, white, 8);
        poly(p, {64, 24, 70, 24, 66, 32}, white);
        label(p, "!", 75, 15, 18, rgba(autumnRed));
        break;
    case DeedMatch: // a hand striking a match
        box(p, 14, 60, 40, 26, {230, 70, 60}, 3);
        plainBox(p, 14, 68, 40, 10, {245, 215, 120});
        box(p, 52, 56, 22, 18, skin, 7);
        stroke(p, 60, 58, 78, 28, 3, {240, 215, 150});
        disc(p, 79, 26, 4, {200, 60, 40});
        flames(p, 80, 24, 12, 20);
        break;
    case DeedApproach: // walking up to smoke and fire
        child(p, 26, 30, 1.1f, Pose{14, 6, -8, 18, -10, 24, 10, 24});
        disc(p, 74, 22, 10, smoke);
        disc(p, 84, 12, 8, smoke);
        flames(p, 76, 92, 30, 44);
        break;
    case DeedHide: // hiding in a bush
        disc(p, 30, 64, 20, leafGreen);
        disc(p, 70, 64, 20, leafGreen);
        disc(p, 50, 50, 18, skin);
        filledPieRGBA(p.s, px(p, 50), px(p, 50), px(p, 19), 180, 360, hair.r, hair.g, hair.b, 255);
        eye(p, 44, 52, 2.5f);
        eye(p, 56, 52, 2.5f);
        disc(p, 50, 74, 24, darkGreen);
        disc(p, 24, 78, 16, darkGreen);
        disc(p, 76, 78, 16, darkGreen);
        break;
    case DeedTaste: // a mushroom on its way to the mouth
        bigFace(p);
        oval(p, 50, 74, 8, 6, {160, 50, 50});
        box(p, 66, 74, 8, 18, {245, 235, 210}, 3);
        poly(p, {56, 78, 62, 66, 72, 62, 82, 66, 88, 78}, {225, 60, 50});
        dot(p, 72, 70, 2.5f, white);
        break;
    case DeedTakeEgg: // a hand reaching into a nest
        oval(p, 38, 62, 9, 12, {190, 225, 245});
        oval(p, 54, 60, 9, 12, {190, 225, 245});
        poly(p, {8, 64, 86, 64, 76, 90, 18, 90}, {190, 140, 80});
        for (int i = 0; i < 4; ++i) stroke(p, 14 + i * 4.0f, 70 + i * 5.0f, 80 - i * 4.0f, 70 + i * 5.0f, 1.2f, bark);
        box(p, 60, 16, 18, 40, shirtBlue, 3);
        box(p, 56, 46, 18, 18, skin, 7);
        break;
    case DeedShout: // shouting, with the noise flying out
        bigFace(p);
        oval(p, 50, 74, 11, 9, {160, 50, 50});
        for (int i = 0; i < 3; ++i) {
            stroke(p, 86, 66 + (i - 1) * 10.0f, 97, 66 + (i - 1) * 18.0f, 2.5f, autumnRed);
            stroke(p, 14, 66 + (i - 1) * 10.0f, 3, 66 + (i - 1) * 18.0f, 2.5f, autumnRed);
        }
        break;
    case DeedKick: // a foot kicking a mushroom to pieces
        box(p, 10, 0, 24, 40, trousers, 3);
        poly(p, {8, 38, 36, 38, 60, 52, 62, 62, 8, 62}, {150, 95, 50});
        box(p, 6, 60, 58, 6, {70, 50, 35}, 3);
        box(p, 74, 70, 12, 22, {245, 235, 210}, 4);
        poly(p, {64, 74, 70, 60, 82, 56, 94, 62, 98, 74}, {225, 60, 50});
        for (int i = 0; i < 3; ++i) stroke(p, 64 - i * 2.0f, 36 + i * 8.0f, 72 - i * 2.0f, 30 + i * 8.0f, 1.5f, grey);
        oval(p, 50, 94, 46, 4, leafGreen);
        break;
    case DeedStill: // standing still and calm while a bee flies by
        child(p, 40, 30, 1.5f, standing);
        smile(p, 40, 31, 4);
        for (int i = 0; i < 5; ++i) dot(p, 60 + i * 5.0f, 40 - (i % 2) * 5.0f, 1.2f, grey);
        smallBee(p, 86, 30);
        break;
    case DeedSwat: // flapping both hands at a bee
        child(p, 50, 36, 1.4f, Pose{-18, -18, 18, -18, -6, 24, 6, 24});
        for (int side : {-1, 1}) { // the hands' swish
            Sint16 from = side < 0 ? 180 : 270, to = side < 0 ? 270 : 360;
            for (float r : {10.0f, 14.0f})
                arcRGBA(p.s, px(p, 50 + side * 26.0f), px(p, 30), px(p, r), from, to, ink.r, ink.g, ink.b, 255);
        }
        oval(p, 50, 48, 4, 3, {160, 50, 50});
        smallBee(p, 84, 60);
        break;
    case DeedBreak: // pulling at a branch till it cracks
        box(p, 76, 8, 14, 88, bark, 3);
        stroke(p, 78, 30, 40, 18, 5, bark);
        disc(p, 36, 16, 10, leafGreen);
        disc(p, 48, 10, 8, leafGreen);
        poly(p, {62, 18, 66, 26, 60, 26, 64, 34}, {255, 240, 200}); // the crack
        child(p, 34, 40, 1.3f, Pose{18, -20, 24, -16, -6, 24, 6, 24});
        break;
    case DeedClimb: // high up a tree, hanging on to a branch
        box(p, 20, 4, 16, 92, bark, 3);
        disc(p, 28, 8, 14, leafGreen);
        stroke(p, 34, 30, 86, 22, 4, bark);
        child(p, 66, 40, 1.2f, Pose{-6, -24, 6, -26, -10, 22, 12, 18});
        for (int i = 0; i < 3; ++i) // the grass on the ground far below
            stroke(p, 50 + i * 12.0f, 94, 50 + i * 12.0f, 88, 1.5f, darkGreen);
        break;
    default:
        break;
    }
}

//----------------------------------------------------------------------------------------------------------
// Signs in a question
//----------------------------------------------------------------------------------------------------------

void drawQuestion(Pen &p, int)
{
    box(p, 10, 10, 80, 80, {255, 245, 200}, 14);
    label(p, "?", 50, 50, 60, rgba(signOrange));
}

void drawPlus(Pen &p, int)
{
    plainBox(p, 42, 22, 16, 56, signOrange);
    plainBox(p, 22, 42, 56, 16, signOrange);
}

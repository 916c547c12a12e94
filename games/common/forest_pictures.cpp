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

void drawMushroom(Pen &p, int)
{
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

void drawBasket(Pen &p, int apples)
{
    apples = std::clamp(apples, 0, 9);
    for (int i = 0; i < apples; ++i) {
        float x = 24 + (i % 4) * 17.0f + (i >= 4 ? 8 : 0), y = i >= 4 ? 34 : 48;
        if (i >= 7) { x = 33 + (i - 7) * 17.0f; y = 20; }
        disc(p, x, y, 9, appleRed);
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

void drawCampfire(Pen &p, int)
{
    stroke(p, 20, 88, 80, 74, 8, bark);
    stroke(p, 20, 74, 80, 88, 8, darkBark);
    poly(p, {30, 78, 36, 46, 46, 56, 52, 20, 60, 50, 66, 40, 70, 78}, {245, 120, 40});
    poly(p, {40, 78, 46, 58, 52, 66, 56, 46, 62, 78}, {250, 210, 60});
}

void drawPickFlower(Pen &p, int)
{
    drawFlower(p, ColPink);
    poly(p, {60, 60, 86, 44, 94, 56, 70, 72}, skin); // a hand reaching for it
    stroke(p, 50, 52, 68, 58, 3, skin);
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

// paint.h -- the pen the pictures are drawn with: named colours and simple shapes on a 100 x 100 grid, outlined in ink
#pragma once

#include <SDL/SDL.h>

#include <initializer_list>

#include "atlas.h"
#include "tasks.h"

struct Rgb {
    Uint8 r, g, b;
};

// Colours used by many pictures. A colour that belongs to one picture alone is named where it is drawn.
constexpr Rgb ink{70, 45, 30};       // every outline
constexpr Rgb white{252, 250, 242};
constexpr Rgb black{40, 35, 35};
constexpr Rgb grey{150, 150, 155};
constexpr Rgb darkGrey{95, 95, 100};
constexpr Rgb lightBlue{180, 220, 250}; // windows and screens
constexpr Rgb skin{250, 215, 180};
constexpr Rgb bark{140, 90, 50};
constexpr Rgb darkBark{105, 65, 35};
constexpr Rgb leafGreen{95, 180, 75};
constexpr Rgb darkGreen{55, 135, 60};
constexpr Rgb gold{250, 200, 60};
constexpr Rgb silver{205, 210, 215};
constexpr Rgb appleRed{225, 55, 50};
constexpr Rgb crossGreen{60, 170, 80};  // the pharmacy's and the medicine's cross
constexpr Rgb sirenBlue{70, 140, 240};
constexpr Rgb autumnOrange{235, 140, 40};
constexpr Rgb autumnRed{220, 70, 40};
constexpr Rgb signOrange{230, 120, 40}; // the question mark and the plus sign

// The colours a picture's parameter names (red, yellow, green, ...), in the order of Colour.
Rgb colourRgb(int colour);

constexpr Rgba rgba(Rgb c) { return Rgba{c.r, c.g, c.b, 255}; }

// A pen on a surface twice the final size; positions are on a 100 x 100 grid.
struct Pen {
    SDL_Surface *s;
    float k;  // pixels per grid unit
    int line; // outline width in pixels
};

Sint16 px(const Pen &p, float u);

// Shapes with an ink outline.
void disc(Pen &p, float cx, float cy, float r, Rgb c);
void oval(Pen &p, float cx, float cy, float rx, float ry, Rgb c);
void box(Pen &p, float x, float y, float w, float h, Rgb c, float radius = 0);
void poly(Pen &p, std::initializer_list<float> points, Rgb c);
// A closed shape of `corners` points (an even number) around (cx, cy), the first at angle `start` (radians, clockwise from
// the right), every other one at radius `inner`: a star, or with inner equal to outer a regular polygon.
void ring(Pen &p, float cx, float cy, int corners, float outer, float inner, float start, Rgb c);
// Shapes without one.
void dot(Pen &p, float cx, float cy, float r, Rgb c);
void plainOval(Pen &p, float cx, float cy, float rx, float ry, Rgb c);
void plainBox(Pen &p, float x, float y, float w, float h, Rgb c);
void stroke(Pen &p, float x1, float y1, float x2, float y2, float width, Rgb c); // a line with round ends
// The ink under a disc alone: discs filled over several of these share one outline.
void discOutline(Pen &p, float cx, float cy, float r);
// Faces.
void eye(Pen &p, float x, float y, float r = 3);
void smile(Pen &p, float cx, float cy, float r);
// Makes an area transparent again (the drawing functions cannot paint with zero alpha).
void eraseBox(Pen &p, float x, float y, float w, float h);
void eraseDisc(Pen &p, float cx, float cy, float r);
// Words or numbers on a picture, centred on (cx, cy), at a height of about `height` grid units.
void label(Pen &p, const char *text, float cx, float cy, float height, Rgba colour);

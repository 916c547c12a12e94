// paint.cpp -- the pen's shapes, drawn with SDL_gfx on a surface twice the final size
#include "paint.h"

#include <SDL/SDL_gfxPrimitives.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "gametext.h"

namespace {

constexpr std::array<Rgb, ColourCount> palette{{
    {230, 70, 60}, {250, 210, 60}, {90, 180, 80}, {70, 140, 230}, {245, 150, 50},
    {160, 100, 200}, {245, 150, 190}, {150, 95, 55}, {250, 250, 245},
}};

} // namespace

Rgb colourRgb(int c) { return c >= 0 && c < ColourCount ? palette[c] : grey; }

Sint16 px(const Pen &p, float u) { return static_cast<Sint16>(std::lround(u * p.k)); }

void discOutline(Pen &p, float cx, float cy, float r)
{
    filledCircleRGBA(p.s, px(p, cx), px(p, cy), static_cast<Sint16>(r * p.k + p.line), ink.r, ink.g, ink.b, 255);
}

void disc(Pen &p, float cx, float cy, float r, Rgb c)
{
    discOutline(p, cx, cy, r);
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

void box(Pen &p, float x, float y, float w, float h, Rgb c, float radius)
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

namespace {

void polyOf(Pen &p, const float *points, size_t count, Rgb c)
{
    std::vector<Sint16> xs, ys;
    for (size_t i = 0; i + 1 < count; i += 2) {
        xs.push_back(px(p, points[i]));
        ys.push_back(px(p, points[i + 1]));
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

} // namespace

void poly(Pen &p, std::initializer_list<float> points, Rgb c) { polyOf(p, points.begin(), points.size(), c); }

void ring(Pen &p, float cx, float cy, int corners, float outer, float inner, float start, Rgb c)
{
    std::vector<float> points;
    for (int i = 0; i < corners; ++i) {
        float a = start + i * 3.14159f / (corners / 2), r = i % 2 ? inner : outer;
        points.push_back(cx + r * std::cos(a));
        points.push_back(cy + r * std::sin(a));
    }
    polyOf(p, points.data(), points.size(), c);
}

void eye(Pen &p, float x, float y, float r)
{
    dot(p, x, y, r, black);
    dot(p, x + r * 0.35f, y - r * 0.35f, r * 0.35f, white);
}

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

void label(Pen &p, const char *text, float cx, float cy, float height, Rgba colour)
{
    SDL_Surface *t = textRender(text, std::max(6, static_cast<int>(height * p.k)), colour, 4000);
    if (!t) return;
    atlasComposite(p.s, t, px(p, cx) - t->w / 2, px(p, cy) - t->h / 2);
    SDL_FreeSurface(t);
}

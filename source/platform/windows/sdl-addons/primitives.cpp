// primitives.cpp -- SDL_gfx's filled shapes, lines, arcs and 8x8 text for the Windows build
//
// Every shape is drawn as clipped horizontal runs or single pixels. An opaque colour is written as it is
// (alpha included); a translucent one is blended channel by channel, the destination's alpha moving toward
// the colour's by the same share, as SDL_gfx does. Circles, pies and polygons use SDL_gfx's own stepping,
// so the games' pictures come out the same on both platforms.
#include <SDL/SDL.h>
#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_gfxPrimitives_font.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool lockIfNeeded(SDL_Surface *dst)
{
    return !SDL_MUSTLOCK(dst) || SDL_LockSurface(dst) == 0;
}

void unlockIfNeeded(SDL_Surface *dst)
{
    if (SDL_MUSTLOCK(dst)) SDL_UnlockSurface(dst);
}

// One channel moved toward the colour's by alpha/256, rounded down as SDL_gfx's fixed-point step does.
Uint32 blendChannel(Uint32 dest, Uint32 colour, Uint32 mask, Uint8 shift, int alpha)
{
    int d = static_cast<int>((dest & mask) >> shift), c = static_cast<int>((colour & mask) >> shift);
    int mixed = d + ((c - d) * alpha >> 8);
    return (static_cast<Uint32>(mixed) << shift) & mask;
}

Uint32 readPixel(SDL_Surface *dst, int x, int y)
{
    Uint8 *p = static_cast<Uint8 *>(dst->pixels) + y * dst->pitch + x * dst->format->BytesPerPixel;
    switch (dst->format->BytesPerPixel) {
    case 1: return *p;
    case 2: return *reinterpret_cast<Uint16 *>(p);
    case 3: return p[0] | p[1] << 8 | p[2] << 16;
    default: return *reinterpret_cast<Uint32 *>(p);
    }
}

void writePixel(SDL_Surface *dst, int x, int y, Uint32 value)
{
    Uint8 *p = static_cast<Uint8 *>(dst->pixels) + y * dst->pitch + x * dst->format->BytesPerPixel;
    switch (dst->format->BytesPerPixel) {
    case 1: *p = static_cast<Uint8>(value); break;
    case 2: *reinterpret_cast<Uint16 *>(p) = static_cast<Uint16>(value); break;
    case 3:
        p[0] = value & 0xFF;
        p[1] = (value >> 8) & 0xFF;
        p[2] = (value >> 16) & 0xFF;
        break;
    default: *reinterpret_cast<Uint32 *>(p) = value;
    }
}

struct Paint {
    SDL_Surface *dst;
    Uint32 colour;  // mapped to the surface
    Uint8 alpha;
    Uint32 raisedAlpha;  // what a translucent paint adds to the destination's alpha
};

Paint paintOf(SDL_Surface *dst, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    return Paint{dst, SDL_MapRGBA(dst->format, r, g, b, a), a, static_cast<Uint32>(std::floor(std::sqrt(a * 255.0)))};
}

// A run of pixels from x1 to x2 on row y, both ends included, inside the clip rectangle; the surface is locked.
void span(const Paint &p, int x1, int x2, int y)
{
    const SDL_Rect &clip = p.dst->clip_rect;
    if (x1 > x2) std::swap(x1, x2);
    if (y < clip.y || y >= clip.y + clip.h) return;
    x1 = std::max(x1, int(clip.x));
    x2 = std::min(x2, clip.x + clip.w - 1);
    const SDL_PixelFormat *f = p.dst->format;
    for (int x = x1; x <= x2; ++x) {
        if (p.alpha == 255 || f->BytesPerPixel == 1) {
            writePixel(p.dst, x, y, p.colour);
            continue;
        }
        Uint32 d = readPixel(p.dst, x, y);
        Uint32 mixed = blendChannel(d, p.colour, f->Rmask, f->Rshift, p.alpha) |
                       blendChannel(d, p.colour, f->Gmask, f->Gshift, p.alpha) |
                       blendChannel(d, p.colour, f->Bmask, f->Bshift, p.alpha);
        if (f->Amask) mixed |= (d & f->Amask) | ((p.raisedAlpha << f->Ashift) & f->Amask);
        writePixel(p.dst, x, y, mixed);
    }
}

void dot(const Paint &p, int x, int y) { span(p, x, x, y); }

// Runs a drawing body with the surface locked; -1 when it cannot be locked.
template <typename Body> int drawLocked(SDL_Surface *dst, Body body)
{
    if (!dst || !lockIfNeeded(dst)) return -1;
    body();
    unlockIfNeeded(dst);
    return 0;
}

void line(const Paint &p, int x1, int y1, int x2, int y2)
{
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        dot(p, x1, y1);
        if (x1 == x2 && y1 == y2) break;
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

// Scanline fill with the edges' crossings in 16.16 fixed point, rounded to the nearest pixel inwards.
void polygon(const Paint &p, const Sint16 *vx, const Sint16 *vy, int n)
{
    if (n < 3) return;
    int miny = *std::min_element(vy, vy + n), maxy = *std::max_element(vy, vy + n);
    std::vector<int> crossings;
    for (int y = miny; y <= maxy; ++y) {
        crossings.clear();
        for (int i = 0; i < n; ++i) {
            int a = i ? i - 1 : n - 1, b = i;
            int y1 = vy[a], y2 = vy[b], x1 = vx[a], x2 = vx[b];
            if (y1 == y2) continue;
            if (y1 > y2) {
                std::swap(y1, y2);
                std::swap(x1, x2);
            }
            if ((y >= y1 && y < y2) || (y == maxy && y > y1 && y <= y2))
                crossings.push_back(((65536 * (y - y1)) / (y2 - y1)) * (x2 - x1) + 65536 * x1);
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            int xa = crossings[i] + 1, xb = crossings[i + 1] - 1;
            xa = (xa >> 16) + ((xa & 32768) >> 15);
            xb = (xb >> 16) + ((xb & 32768) >> 15);
            span(p, xa, xb, y);
        }
    }
}

void filledCircle(const Paint &p, int x, int y, int rad)
{
    if (rad == 0) {
        dot(p, x, y);
        return;
    }
    int cx = 0, cy = rad, ocx = -1, ocy = -1;
    int df = 1 - rad, dE = 3, dSE = -2 * rad + 5;
    do {
        if (ocy != cy) {
            if (cy > 0) {
                span(p, x - cx, x + cx, y + cy);
                span(p, x - cx, x + cx, y - cy);
            } else {
                span(p, x - cx, x + cx, y);
            }
            ocy = cy;
        }
        if (ocx != cx) {
            if (cx != cy) {
                if (cx > 0) {
                    span(p, x - cy, x + cy, y - cx);
                    span(p, x - cy, x + cy, y + cx);
                } else {
                    span(p, x - cy, x + cy, y);
                }
            }
            ocx = cx;
        }
        if (df < 0) {
            df += dE;
            dE += 2;
            dSE += 2;
        } else {
            df += dSE;
            dE += 2;
            dSE += 4;
            --cy;
        }
        ++cx;
    } while (cx <= cy);
}

// The pie's outline: the centre, then points along the arc every 3/rad radians, as SDL_gfx steps it.
void pie(const Paint &p, int x, int y, int rad, int start, int end)
{
    if (rad == 0) {
        dot(p, x, y);
        return;
    }
    start %= 360;
    end %= 360;
    const double pi = 3.14159265358979323846;
    double r = rad, delta = 3.0 / r;
    double startAngle = start * (2.0 * pi / 360.0), endAngle = end * (2.0 * pi / 360.0);
    if (start > end) endAngle += 2.0 * pi;
    std::vector<Sint16> vx{static_cast<Sint16>(x)}, vy{static_cast<Sint16>(y)};
    double angle = startAngle;
    vx.push_back(static_cast<Sint16>(x + static_cast<int>(r * std::cos(angle))));
    vy.push_back(static_cast<Sint16>(y + static_cast<int>(r * std::sin(angle))));
    while (angle < endAngle) {
        angle = std::min(angle + delta, endAngle);
        vx.push_back(static_cast<Sint16>(x + static_cast<int>(r * std::cos(angle))));
        vy.push_back(static_cast<Sint16>(y + static_cast<int>(r * std::sin(angle))));
    }
    if (vx.size() < 3) {
        line(p, vx[0], vy[0], vx[1], vy[1]);
    } else {
        polygon(p, vx.data(), vy.data(), static_cast<int>(vx.size()));
    }
}

}  // namespace

extern "C" {

int pixelRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    return drawLocked(dst, [&] { dot(paintOf(dst, r, g, b, a), x, y); });
}

int hlineRGBA(SDL_Surface *dst, Sint16 x1, Sint16 x2, Sint16 y, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    return drawLocked(dst, [&] { span(paintOf(dst, r, g, b, a), x1, x2, y); });
}

int vlineRGBA(SDL_Surface *dst, Sint16 x, Sint16 y1, Sint16 y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    return drawLocked(dst, [&] {
        Paint p = paintOf(dst, r, g, b, a);
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) dot(p, x, y);
    });
}

int lineRGBA(SDL_Surface *dst, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    return drawLocked(dst, [&] { line(paintOf(dst, r, g, b, a), x1, y1, x2, y2); });
}

int boxRGBA(SDL_Surface *dst, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    return drawLocked(dst, [&] {
        Paint p = paintOf(dst, r, g, b, a);
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) span(p, x1, x2, y);
    });
}

int boxColor(SDL_Surface *dst, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint32 color)
{
    return boxRGBA(dst, x1, y1, x2, y2, color >> 24, color >> 16, color >> 8, color);
}

// Four quarter pies for the corners and up to three boxes for the body; a radius too big for the box
// shrinks to fit. Translucent paint is laid twice where the pieces meet, as SDL_gfx lays it.
int roundedBoxRGBA(SDL_Surface *dst, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Sint16 rad, Uint8 r, Uint8 g,
                   Uint8 b, Uint8 a)
{
    if (rad < 0) return -1;
    if (rad == 0) return boxRGBA(dst, x1, y1, x2, y2, r, g, b, a);
    return drawLocked(dst, [&] {
        Paint p = paintOf(dst, r, g, b, a);
        if (x1 == x2 || y1 == y2) {
            for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) span(p, x1, x2, y);
            return;
        }
        int left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2), bottom = std::max(y1, y2);
        int radius = rad;
        if (radius * 2 > right - left) radius = (right - left) / 2;
        if (radius * 2 > bottom - top) radius = (bottom - top) / 2;
        int xx1 = left + radius, xx2 = right - radius, yy1 = top + radius, yy2 = bottom - radius;
        pie(p, xx1, yy1, radius, 180, 270);
        pie(p, xx2, yy1, radius, 270, 360);
        pie(p, xx1, yy2, radius, 90, 180);
        pie(p, xx2, yy2, radius, 0, 90);
        ++xx1;
        --xx2;
        ++yy1;
        --yy2;
        if (xx1 <= xx2)
            for (int y = top; y <= bottom; ++y) span(p, xx1, xx2, y);
        if (yy1 <= yy2) {
            for (int y = yy1; y <= yy2; ++y) {
                span(p, left, xx1 - 1, y);
                span(p, xx2 + 1, right, y);
            }
        }
    });
}

int filledCircleRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, Sint16 rad, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    if (rad < 0) return -1;
    return drawLocked(dst, [&] { filledCircle(paintOf(dst, r, g, b, a), x, y, rad); });
}

// SDL_gfx's stepping: a circle walked in 1/64 pixel steps, scaled to the ellipse, each row drawn once.
int filledEllipseRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, Sint16 rx, Sint16 ry, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    if (rx < 0 || ry < 0) return -1;
    return drawLocked(dst, [&] {
        Paint p = paintOf(dst, r, g, b, a);
        if (rx == 0 || ry == 0) {
            if (rx == 0) {
                for (int row = y - ry; row <= y + ry; ++row) dot(p, x, row);
            } else {
                span(p, x - rx, x + rx, y);
            }
            return;
        }
        // Rows drawn at distance d from the centre with half-width w; "last" ones keep rows from repeating.
        auto rows = [&](int d, int w) {
            if (d > 0) {
                span(p, x - w, x + w, y + d);
                span(p, x - w, x + w, y - d);
            } else {
                span(p, x - w, x + w, y);
            }
        };
        int oh = 0xFFFF, oi = 0xFFFF, oj = 0xFFFF, ok = 0xFFFF;
        int ix = 0, h, i;
        if (rx > ry) {
            int iy = rx * 64;
            do {
                h = (ix + 32) >> 6;
                i = (iy + 32) >> 6;
                int j = (h * ry) / rx, k = (i * ry) / rx;
                if (k != ok && k != oj) {
                    rows(k, h);
                    ok = k;
                }
                if (j != oj && j != ok && k != j) {
                    rows(j, i);
                    oj = j;
                }
                ix = ix + iy / rx;
                iy = iy - ix / rx;
            } while (i > h);
        } else {
            int iy = ry * 64;
            do {
                h = (ix + 32) >> 6;
                i = (iy + 32) >> 6;
                int j = (h * rx) / ry, k = (i * rx) / ry;
                if (i != oi && i != oh) {
                    rows(i, j);
                    oi = i;
                }
                if (h != oh && h != oi && i != h) {
                    rows(h, k);
                    oh = h;
                }
                ix = ix + iy / ry;
                iy = iy - ix / ry;
            } while (i > h);
        }
    });
}

int filledPieRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, Sint16 rad, Sint16 start, Sint16 end, Uint8 r, Uint8 g,
                  Uint8 b, Uint8 a)
{
    if (rad < 0) return -1;
    return drawLocked(dst, [&] { pie(paintOf(dst, r, g, b, a), x, y, rad, start, end); });
}

int filledPolygonRGBA(SDL_Surface *dst, const Sint16 *vx, const Sint16 *vy, int n, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    if (!vx || !vy || n < 3) return -1;
    return drawLocked(dst, [&] { polygon(paintOf(dst, r, g, b, a), vx, vy, n); });
}

// A line of the given width as a filled quadrilateral along it; width 1 is a plain line.
int thickLineRGBA(SDL_Surface *dst, Sint16 x1, Sint16 y1, Sint16 x2, Sint16 y2, Uint8 width, Uint8 r, Uint8 g,
                  Uint8 b, Uint8 a)
{
    if (width < 1) return -1;
    if (x1 == x2 && y1 == y2) {
        int half = width / 2;
        return boxRGBA(dst, static_cast<Sint16>(x1 - half), static_cast<Sint16>(y1 - half),
                       static_cast<Sint16>(x1 + width), static_cast<Sint16>(y1 + width), r, g, b, a);
    }
    if (width == 1) return lineRGBA(dst, x1, y1, x2, y2, r, g, b, a);
    double dx = x2 - x1, dy = y2 - y1;
    double length = std::sqrt(dx * dx + dy * dy);
    double angle = std::atan2(dx, dy);
    double adjust = 0.1 + 0.9 * std::fabs(std::cos(2.0 * angle));
    double scale = (width - adjust) / (2.0 * length);
    double nx = dx * scale, ny = dy * scale;
    Sint16 px[4] = {static_cast<Sint16>(x1 + ny), static_cast<Sint16>(x1 - ny), static_cast<Sint16>(x2 - ny),
                    static_cast<Sint16>(x2 + ny)};
    Sint16 py[4] = {static_cast<Sint16>(y1 - nx), static_cast<Sint16>(y1 + nx), static_cast<Sint16>(y2 + nx),
                    static_cast<Sint16>(y2 - nx)};
    return filledPolygonRGBA(dst, px, py, 4, r, g, b, a);
}

// The circle's outline where its angle (degrees, 0 to the right, growing clockwise on the screen) lies
// from start to end. Start and end on the same direction (0 and 360 too) draw nothing, as in SDL_gfx.
int arcRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, Sint16 rad, Sint16 start, Sint16 end, Uint8 r, Uint8 g, Uint8 b,
            Uint8 a)
{
    if (rad < 0) return -1;
    return drawLocked(dst, [&] {
        Paint p = paintOf(dst, r, g, b, a);
        if (rad == 0) {
            dot(p, x, y);
            return;
        }
        int from = ((start % 360) + 360) % 360, to = ((end % 360) + 360) % 360;
        if (from == to) return;
        auto inside = [&](int dx, int dy) {
            double degrees = std::atan2(double(dy), double(dx)) * 180.0 / 3.14159265358979323846;
            if (degrees < 0) degrees += 360.0;
            return from <= to ? degrees >= from && degrees <= to : degrees >= from || degrees <= to;
        };
        // The midpoint circle's points, each drawn once.
        std::vector<std::pair<int, int>> points;
        for (int cx = 0, cy = rad, d = 1 - rad; cx <= cy; ++cx) {
            const int offsets[8][2] = {{cx, cy}, {-cx, cy}, {cx, -cy}, {-cx, -cy}, {cy, cx}, {-cy, cx}, {cy, -cx}, {-cy, -cx}};
            for (const auto &o : offsets) points.emplace_back(o[0], o[1]);
            if (d < 0) {
                d += 2 * cx + 3;
            } else {
                d += 2 * (cx - cy) + 5;
                --cy;
            }
        }
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
        for (const auto &[dx, dy] : points)
            if (inside(dx, dy)) dot(p, x + dx, y + dy);
    });
}

// The typeface of the text calls: the built-in 8 x 8 one unless a program sets its own (rows of whole
// bytes, leftmost pixel in the top bit).
namespace {
const unsigned char *fontData = gfxPrimitivesFontdata;
Uint32 fontWidth = 8, fontHeight = 8;
}  // namespace

void gfxPrimitivesSetFont(const void *fontdata, Uint32 cw, Uint32 ch)
{
    if (fontdata && cw > 0 && ch > 0) {
        fontData = static_cast<const unsigned char *>(fontdata);
        fontWidth = cw;
        fontHeight = ch;
    } else {
        fontData = gfxPrimitivesFontdata;
        fontWidth = fontHeight = 8;
    }
}

// One character: drawn into a small picture of its own, set bits in the colour and the rest transparent,
// which is then blitted, as SDL_gfx does.
int characterRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, char c, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    if (!dst) return -1;
    SDL_Surface *glyph = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, fontWidth, fontHeight, 32, 0xFF000000,
                                              0x00FF0000, 0x0000FF00, 0x000000FF);
    if (!glyph) return -1;
    Uint32 ink = SDL_MapRGBA(glyph->format, r, g, b, a);
    Uint32 rowBytes = (fontWidth + 7) / 8;
    const unsigned char *rows = fontData + static_cast<unsigned char>(c) * rowBytes * fontHeight;
    for (Uint32 row = 0; row < fontHeight; ++row)
        for (Uint32 col = 0; col < fontWidth; ++col) {
            bool set = rows[row * rowBytes + col / 8] & (0x80 >> (col % 8));
            static_cast<Uint32 *>(glyph->pixels)[row * glyph->pitch / 4 + col] = set ? ink : 0;
        }
    SDL_Rect to{x, y, static_cast<Uint16>(fontWidth), static_cast<Uint16>(fontHeight)};
    int result = SDL_BlitSurface(glyph, nullptr, dst, &to);
    SDL_FreeSurface(glyph);
    return result;
}

int stringRGBA(SDL_Surface *dst, Sint16 x, Sint16 y, const char *s, Uint8 r, Uint8 g, Uint8 b, Uint8 a)
{
    if (!s) return -1;
    int result = 0;
    for (int i = 0; s[i]; ++i)
        result |= characterRGBA(dst, static_cast<Sint16>(x + static_cast<int>(fontWidth) * i), y, s[i], r, g, b, a);
    return result;
}

}  // extern "C"

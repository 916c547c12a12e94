// atlas.cpp -- atlas pages: shelf packing, copying images in, drawing a piece of a page through the clip
#include "atlas.h"

#include <algorithm>
#include <array>
#include <cstring>

//----------------------------------------------------------------------------------------------------------
// State
//----------------------------------------------------------------------------------------------------------

namespace {

// A page is filled in shelves: rows as tall as their first (tallest) piece, filled from the left.
struct Shelf {
    int y, height, used;
};
constexpr int MaxShelves = 96;
struct Page {
    SDL_Surface *surface;
    std::array<Shelf, MaxShelves> shelves;
    int shelfCount;
    int top; // the first row below the shelves
};

// Plain fixed tables: the state must stay valid while the library is being unloaded (see engineRelease).
// A start makes only the pages it fills: the town fills 16 with the game's font, and 19 with the wider
// system font that stands in when the game's own cannot be read; the rest is room to spare.
constexpr int MaxPages = 24;
constexpr int MaxSprites = 4096;
std::array<Page, MaxPages> pages;
int pageCount = 0;
std::array<AtlasSprite, MaxSprites> sprites;
std::array<SDL_Surface *, MaxSprites> pending; // pieces waiting for atlasPack, at their final size
int spriteCount = 0;
bool clipSet = false;

constexpr int Gap = 2; // transparent pixels between pieces, so that no neighbour bleeds in

//----------------------------------------------------------------------------------------------------------
// Internal functions
//----------------------------------------------------------------------------------------------------------

Uint32 *pixelAt(SDL_Surface *s, int x, int y)
{
    return reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(s->pixels) + y * s->pitch) + x;
}

// Every surface here has four 8-bit channels, so a pixel is taken apart and put together with shifts alone
// (SDL_GetRGBA per pixel made starting a game slow).
bool plainChannels(const SDL_PixelFormat *f)
{
    return f->BytesPerPixel == 4 && f->Rloss == 0 && f->Gloss == 0 && f->Bloss == 0 && f->Aloss == 0 && f->Amask;
}

Rgba decode(Uint32 p, const SDL_PixelFormat *f)
{
    return Rgba{static_cast<Uint8>(p >> f->Rshift), static_cast<Uint8>(p >> f->Gshift), static_cast<Uint8>(p >> f->Bshift),
                static_cast<Uint8>(p >> f->Ashift)};
}

Uint32 encode(Rgba c, const SDL_PixelFormat *f)
{
    return static_cast<Uint32>(c.r) << f->Rshift | static_cast<Uint32>(c.g) << f->Gshift |
           static_cast<Uint32>(c.b) << f->Bshift | static_cast<Uint32>(c.a) << f->Ashift;
}

Rgba readPixel(SDL_Surface *s, int x, int y)
{
    Uint32 p = *pixelAt(s, x, y);
    if (plainChannels(s->format)) return decode(p, s->format);
    Rgba c;
    SDL_GetRGBA(p, s->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

void writePixel(SDL_Surface *s, int x, int y, Rgba c)
{
    *pixelAt(s, x, y) = plainChannels(s->format) ? encode(c, s->format) : SDL_MapRGBA(s->format, c.r, c.g, c.b, c.a);
}

// Finds room for a w x h piece: in the first shelf on any page with room left for it (the pieces come
// tallest first, so a shelf's leftover room is used instead of lost), else in a new shelf, else on a new page.
bool reserve(int w, int h, AtlasSprite *out)
{
    if (w <= 0 || h <= 0 || w > AtlasPageSide || h > AtlasPageSide) return false;
    for (int i = 0; i < pageCount; ++i) {
        Page &p = pages[i];
        Shelf *shelf = nullptr;
        for (int k = 0; k < p.shelfCount && !shelf; ++k)
            if (p.shelves[k].height >= h && p.shelves[k].used + w <= AtlasPageSide) shelf = &p.shelves[k];
        if (!shelf && p.shelfCount < MaxShelves && p.top + h <= AtlasPageSide) {
            shelf = &p.shelves[p.shelfCount++];
            *shelf = Shelf{p.top, h, 0};
            p.top += h + Gap;
        }
        if (!shelf) continue;
        out->page = i;
        out->rect = SDL_Rect{static_cast<Sint16>(shelf->used), static_cast<Sint16>(shelf->y), static_cast<Uint16>(w),
                             static_cast<Uint16>(h)};
        shelf->used += w + Gap;
        return true;
    }
    if (pageCount == MaxPages) return false;
    SDL_Surface *surface = atlasNewSurface(AtlasPageSide, AtlasPageSide);
    if (!surface) return false;
    pages[pageCount++] = Page{surface, {}, 0, 0};
    return reserve(w, h, out);
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

SDL_Surface *atlasNewSurface(int w, int h)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, w, h, 32, SDL_SwapLE32(0x000000FF),
                                          SDL_SwapLE32(0x0000FF00), SDL_SwapLE32(0x00FF0000), SDL_SwapLE32(0xFF000000));
    if (!s) return nullptr;
    s->unused1 = 0; // no texture record yet: the shell's video layer reads this field
    SDL_SetAlpha(s, SDL_SRCALPHA, 255);
    SDL_FillRect(s, nullptr, 0);
    return s;
}

void atlasComposite(SDL_Surface *dst, SDL_Surface *src, int x, int y)
{
    if (!dst || !src || dst->format->BytesPerPixel != 4 || src->format->BytesPerPixel != 4) return;
    SDL_LockSurface(src);
    SDL_LockSurface(dst);
    const SDL_PixelFormat *sf = src->format, *df = dst->format;
    bool plain = plainChannels(sf) && plainChannels(df);
    int x0 = std::max(0, -x), y0 = std::max(0, -y);
    int x1 = std::min(src->w, dst->w - x), y1 = std::min(src->h, dst->h - y);
    for (int sy = y0; sy < y1; ++sy) {
        const Uint32 *from = pixelAt(src, 0, sy);
        Uint32 *to = pixelAt(dst, x, y + sy);
        for (int sx = x0; sx < x1; ++sx) {
            Rgba s = plain ? decode(from[sx], sf) : readPixel(src, sx, sy);
            if (s.a == 0) continue;
            Rgba t = plain ? decode(to[sx], df) : readPixel(dst, x + sx, y + sy);
            Rgba out = s;
            if (s.a != 255 && t.a != 0) {
                int sa = s.a, da = t.a * (255 - sa) / 255, oa = sa + da;
                auto mix = [&](int sc, int dc) { return static_cast<Uint8>((sc * sa + dc * da) / oa); };
                out = Rgba{mix(s.r, t.r), mix(s.g, t.g), mix(s.b, t.b), static_cast<Uint8>(oa)};
            }
            if (plain) to[sx] = encode(out, df);
            else writePixel(dst, x + sx, y + sy, out);
        }
    }
    SDL_UnlockSurface(dst);
    SDL_UnlockSurface(src);
}

int atlasAdd(SDL_Surface *image, bool halve)
{
    if (!image || image->format->BytesPerPixel != 4 || spriteCount == MaxSprites) return -1;
    int w = halve ? image->w / 2 : image->w, h = halve ? image->h / 2 : image->h;
    if (w <= 0 || h <= 0 || w > AtlasPageSide || h > AtlasPageSide) return -1;
    SDL_Surface *piece = atlasNewSurface(w, h);
    if (!piece) return -1;
    if (!halve) {
        atlasComposite(piece, image, 0, 0);
    } else {
        // Average each 2 x 2 block weighted by alpha, so that transparent neighbours do not darken edges.
        SDL_LockSurface(image);
        SDL_LockSurface(piece);
        const SDL_PixelFormat *f = image->format;
        bool plain = plainChannels(f);
        Uint32 alphaMask = f->Amask;
        for (int y = 0; y < h; ++y) {
            const Uint32 *rows[2] = {pixelAt(image, 0, 2 * y), pixelAt(image, 0, 2 * y + 1)};
            for (int x = 0; x < w; ++x) {
                int a = 0, r = 0, g = 0, b = 0;
                for (int k = 0; k < 4; ++k) {
                    Uint32 p = rows[k >> 1][2 * x + (k & 1)];
                    if (alphaMask && !(p & alphaMask)) continue;
                    Rgba c = plain ? decode(p, f) : readPixel(image, 2 * x + (k & 1), 2 * y + (k >> 1));
                    a += c.a;
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                }
                if (a == 0) continue;
                writePixel(piece, x, y, Rgba{static_cast<Uint8>(r / a), static_cast<Uint8>(g / a), static_cast<Uint8>(b / a),
                                             static_cast<Uint8>(a / 4)});
            }
        }
        SDL_UnlockSurface(piece);
        SDL_UnlockSurface(image);
    }
    sprites[spriteCount] = AtlasSprite{-1, SDL_Rect{0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)}};
    pending[spriteCount] = piece;
    return spriteCount++;
}

void atlasPack()
{
    // Tallest first, so that each shelf holds pieces of about one height and little room is lost.
    std::array<int, MaxSprites> order;
    int n = 0;
    for (int i = 0; i < spriteCount; ++i)
        if (pending[i]) order[n++] = i;
    std::sort(order.begin(), order.begin() + n, [](int a, int b) {
        return sprites[a].rect.h != sprites[b].rect.h ? sprites[a].rect.h > sprites[b].rect.h : a < b;
    });
    for (int k = 0; k < n; ++k) {
        int i = order[k];
        AtlasSprite placed;
        if (reserve(pending[i]->w, pending[i]->h, &placed)) {
            // The place is transparent and the formats are the same: the rows are copied as they are.
            SDL_Surface *page = pages[placed.page].surface, *piece = pending[i];
            for (int y = 0; y < piece->h; ++y)
                std::memcpy(pixelAt(page, placed.rect.x, placed.rect.y + y), pixelAt(piece, 0, y), piece->w * 4u);
            sprites[i] = placed;
        }
        SDL_FreeSurface(pending[i]);
        pending[i] = nullptr;
    }
    // The last page is cut to the rows it uses: less memory here and in the shell's textures.
    if (pageCount > 0) {
        Page &last = pages[pageCount - 1];
        int used = last.top - Gap;
        SDL_Surface *cut = used > 0 && used < AtlasPageSide ? atlasNewSurface(AtlasPageSide, used) : nullptr;
        if (cut) {
            for (int y = 0; y < used; ++y) std::memcpy(pixelAt(cut, 0, y), pixelAt(last.surface, 0, y), AtlasPageSide * 4u);
            SDL_FreeSurface(last.surface);
            last.surface = cut;
            last.top = AtlasPageSide; // nothing more goes on a cut page
            for (int k = 0; k < last.shelfCount; ++k) last.shelves[k].used = AtlasPageSide;
        }
    }
}

const AtlasSprite *atlasSprite(int index)
{
    if (index < 0 || index >= spriteCount) return nullptr;
    return &sprites[index];
}

SDL_Surface *atlasPageSurface(int page) { return page >= 0 && page < pageCount ? pages[page].surface : nullptr; }

int atlasSpriteCount() { return spriteCount; }
int atlasPageCount() { return pageCount; }

void atlasDraw(int index, int x, int y, HostBlitFn blit, HostSetClipFn clip)
{
    const AtlasSprite *s = atlasSprite(index);
    if (!s || s->page < 0 || !blit || !clip) return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), s->rect.w, s->rect.h};
    clip(&where);
    clipSet = true;
    blit(pages[s->page].surface, x - s->rect.x, y - s->rect.y);
}

void atlasEndDrawing(HostSetClipFn clip)
{
    if (clipSet && clip) clip(nullptr);
    clipSet = false;
}

void atlasFree()
{
    for (int i = 0; i < pageCount; ++i) SDL_FreeSurface(pages[i].surface);
    for (int i = 0; i < spriteCount; ++i) {
        SDL_FreeSurface(pending[i]);
        pending[i] = nullptr;
    }
    pageCount = 0;
    spriteCount = 0;
    clipSet = false;
}

// ttf.cpp -- SDL_ttf's calls for the Windows build: TrueType fonts through FreeType, blended text surfaces
//
// Metrics, layout and the blended surfaces follow SDL_ttf 2.0.11 as Debian ships it for Linux (whole-pixel
// glyph boxes from the hinted metrics, kerning, 32-bit ARGB surfaces the height of the font), so text has
// the same size and place on both platforms.
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

int ceilPixels(FT_Pos x) { return static_cast<int>(((x + 63) & -64) / 64); }
int floorPixels(FT_Pos x) { return static_cast<int>((x & -64) / 64); }

struct Glyph {
    FT_UInt index = 0;
    int minx = 0, maxx = 0, miny = 0, maxy = 0, yoffset = 0, advance = 0;
    int width = 0, rows = 0;           // the rendered coverage map
    std::vector<Uint8> coverage;       // rows of width bytes
};

FT_Library library;
int initCount;

}  // namespace

struct _TTF_Font {
    FT_Face face = nullptr;
    std::vector<unsigned char> file;  // FreeType reads the face from this memory for the font's lifetime
    int height = 0, ascent = 0, descent = 0, lineskip = 0;
    int style = TTF_STYLE_NORMAL;
    bool kerning = true;
    std::map<Uint16, Glyph> glyphs;
};

namespace {

// The glyph of a character, loaded and rendered once per font; null when FreeType cannot load it.
const Glyph *findGlyph(TTF_Font *font, Uint16 ch)
{
    auto known = font->glyphs.find(ch);
    if (known != font->glyphs.end()) return &known->second;
    FT_Face face = font->face;
    Glyph glyph;
    glyph.index = FT_Get_Char_Index(face, ch);
    if (FT_Load_Glyph(face, glyph.index, FT_LOAD_DEFAULT) != 0) return nullptr;
    const FT_Glyph_Metrics &m = face->glyph->metrics;
    glyph.minx = floorPixels(m.horiBearingX);
    glyph.maxx = glyph.minx + ceilPixels(m.width);
    glyph.maxy = floorPixels(m.horiBearingY);
    glyph.miny = glyph.maxy - ceilPixels(m.height);
    glyph.yoffset = font->ascent - glyph.maxy;
    glyph.advance = ceilPixels(m.horiAdvance);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return nullptr;
    const FT_Bitmap &bitmap = face->glyph->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(size_t(glyph.width) * glyph.rows);
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char *from = bitmap.buffer + row * bitmap.pitch;
        if (bitmap.pitch < 0) from = bitmap.buffer + (glyph.rows - 1 - row) * -bitmap.pitch;
        std::copy(from, from + glyph.width, glyph.coverage.begin() + size_t(row) * glyph.width);
    }
    return &font->glyphs.emplace(ch, std::move(glyph)).first->second;
}

// The pixel shift kerning puts between two glyphs.
int kerningBetween(TTF_Font *font, FT_UInt previous, FT_UInt next)
{
    if (!font->kerning || !FT_HAS_KERNING(font->face) || !previous || !next) return 0;
    FT_Vector delta{};
    FT_Get_Kerning(font->face, previous, next, FT_KERNING_DEFAULT, &delta);
    return static_cast<int>(delta.x >> 6);
}

// UTF-8 to the 16-bit characters the rest works on; bytes that are no valid UTF-8 pass as themselves.
std::vector<Uint16> fromUtf8(const char *text)
{
    std::vector<Uint16> out;
    const unsigned char *p = reinterpret_cast<const unsigned char *>(text);
    while (*p) {
        Uint32 c = *p++;
        int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (more) c &= 0x3F >> more;
        for (; more > 0 && (*p & 0xC0) == 0x80; --more) c = (c << 6) | (*p++ & 0x3F);
        out.push_back(static_cast<Uint16>(c));
    }
    out.push_back(0);
    return out;
}

std::vector<Uint16> fromLatin1(const char *text)
{
    std::vector<Uint16> out;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) out.push_back(*p);
    out.push_back(0);
    return out;
}

}  // namespace

extern "C" {

const SDL_version *TTF_Linked_Version(void)
{
    static SDL_version version{SDL_TTF_MAJOR_VERSION, SDL_TTF_MINOR_VERSION, SDL_TTF_PATCHLEVEL};
    return &version;
}

void TTF_ByteSwappedUNICODE(int) {}

int TTF_Init(void)
{
    if (initCount == 0 && FT_Init_FreeType(&library) != 0) {
        SDL_SetError("Couldn't init FreeType engine");
        return -1;
    }
    ++initCount;
    return 0;
}

int TTF_WasInit(void) { return initCount; }

void TTF_Quit(void)
{
    if (initCount > 0 && --initCount == 0) FT_Done_FreeType(library);
}

TTF_Font *TTF_OpenFontIndexRW(SDL_RWops *src, int freesrc, int ptsize, long index)
{
    if (!initCount) {
        SDL_SetError("Library not initialized");
        if (src && freesrc) SDL_RWclose(src);
        return nullptr;
    }
    if (!src) {
        SDL_SetError("Passed a NULL font source");
        return nullptr;
    }
    auto font = std::make_unique<TTF_Font>();
    unsigned char chunk[16384];
    for (int got; (got = SDL_RWread(src, chunk, 1, sizeof chunk)) > 0;) font->file.insert(font->file.end(), chunk, chunk + got);
    if (freesrc) SDL_RWclose(src);
    if (FT_New_Memory_Face(library, font->file.data(), static_cast<FT_Long>(font->file.size()), index, &font->face)) {
        SDL_SetError("Couldn't load font file");
        return nullptr;
    }
    FT_Face face = font->face;
    // A Unicode character map, as Windows and Apple fonts name it.
    for (int i = 0; i < face->num_charmaps; ++i) {
        FT_CharMap map = face->charmaps[i];
        if ((map->platform_id == 3 && (map->encoding_id == 1 || map->encoding_id == 0)) ||
            (map->platform_id == 2 && map->encoding_id == 1) || map->platform_id == 0) {
            FT_Set_Charmap(face, map);
            break;
        }
    }
    if (!FT_IS_SCALABLE(face)) {
        // Fixed sizes: the one nearest the asked size.
        if (face->num_fixed_sizes <= 0) {
            FT_Done_Face(face);
            SDL_SetError("Couldn't set font size");
            return nullptr;
        }
        int best = 0;
        for (int i = 1; i < face->num_fixed_sizes; ++i)
            if (std::abs(face->available_sizes[i].height - ptsize) < std::abs(face->available_sizes[best].height - ptsize))
                best = i;
        FT_Set_Pixel_Sizes(face, face->available_sizes[best].width, face->available_sizes[best].height);
        font->ascent = face->available_sizes[best].height;
        font->descent = 0;
        font->height = face->available_sizes[best].height;
        font->lineskip = ceilPixels(face->size->metrics.height);
    } else {
        if (FT_Set_Char_Size(face, 0, ptsize * 64, 0, 0)) {
            FT_Done_Face(face);
            SDL_SetError("Couldn't set font size");
            return nullptr;
        }
        FT_Fixed scale = face->size->metrics.y_scale;
        font->ascent = ceilPixels(FT_MulFix(face->ascender, scale));
        font->descent = ceilPixels(FT_MulFix(face->descender, scale));
        font->height = font->ascent - font->descent + 1;  // the baseline's own row
        font->lineskip = ceilPixels(FT_MulFix(face->height, scale));
    }
    return font.release();
}

TTF_Font *TTF_OpenFontRW(SDL_RWops *src, int freesrc, int ptsize) { return TTF_OpenFontIndexRW(src, freesrc, ptsize, 0); }

TTF_Font *TTF_OpenFontIndex(const char *file, int ptsize, long index)
{
    SDL_RWops *src = SDL_RWFromFile(file, "rb");
    return src ? TTF_OpenFontIndexRW(src, 1, ptsize, index) : nullptr;
}

TTF_Font *TTF_OpenFont(const char *file, int ptsize) { return TTF_OpenFontIndex(file, ptsize, 0); }

void TTF_CloseFont(TTF_Font *font)
{
    if (!font) return;
    FT_Done_Face(font->face);
    delete font;
}

int TTF_GetFontStyle(const TTF_Font *font) { return font->style; }
void TTF_SetFontStyle(TTF_Font *font, int style) { font->style = style; }
int TTF_GetFontKerning(const TTF_Font *font) { return font->kerning; }
void TTF_SetFontKerning(TTF_Font *font, int allowed) { font->kerning = allowed != 0; }
int TTF_FontHeight(const TTF_Font *font) { return font->height; }
int TTF_FontAscent(const TTF_Font *font) { return font->ascent; }
int TTF_FontDescent(const TTF_Font *font) { return font->descent; }
int TTF_FontLineSkip(const TTF_Font *font) { return font->lineskip; }
long TTF_FontFaces(const TTF_Font *font) { return font->face->num_faces; }
int TTF_FontFaceIsFixedWidth(const TTF_Font *font) { return FT_IS_FIXED_WIDTH(font->face); }
char *TTF_FontFaceFamilyName(const TTF_Font *font) { return font->face->family_name; }
char *TTF_FontFaceStyleName(const TTF_Font *font) { return font->face->style_name; }

int TTF_GlyphIsProvided(const TTF_Font *font, Uint16 ch) { return FT_Get_Char_Index(font->face, ch); }

int TTF_GlyphMetrics(TTF_Font *font, Uint16 ch, int *minx, int *maxx, int *miny, int *maxy, int *advance)
{
    const Glyph *glyph = findGlyph(font, ch);
    if (!glyph) {
        SDL_SetError("Couldn't find glyph");
        return -1;
    }
    if (minx) *minx = glyph->minx;
    if (maxx) *maxx = glyph->maxx;
    if (miny) *miny = glyph->miny;
    if (maxy) *maxy = glyph->maxy;
    if (advance) *advance = glyph->advance;
    return 0;
}

// The box a text needs: from the leftmost glyph edge to the furthest of edge and advance, and at least
// the font's height tall (more when a glyph reaches below it).
int TTF_SizeUNICODE(TTF_Font *font, const Uint16 *text, int *w, int *h)
{
    int minx = 0, maxx = 0, miny = 0, x = 0;
    FT_UInt previous = 0;
    for (const Uint16 *ch = text; *ch; ++ch) {
        if (*ch == UNICODE_BOM_NATIVE || *ch == UNICODE_BOM_SWAPPED) continue;
        const Glyph *glyph = findGlyph(font, *ch);
        if (!glyph) {
            SDL_SetError("Couldn't find glyph");
            return -1;
        }
        x += kerningBetween(font, previous, glyph->index);
        minx = std::min(minx, x + glyph->minx);
        maxx = std::max(maxx, x + std::max(glyph->advance, glyph->maxx));
        x += glyph->advance;
        miny = std::min(miny, glyph->miny);
        previous = glyph->index;
    }
    if (w) *w = maxx - minx;
    if (h) *h = std::max(font->ascent - miny, font->height);
    return 0;
}

int TTF_SizeUTF8(TTF_Font *font, const char *text, int *w, int *h)
{
    return TTF_SizeUNICODE(font, fromUtf8(text).data(), w, h);
}

int TTF_SizeText(TTF_Font *font, const char *text, int *w, int *h)
{
    return TTF_SizeUNICODE(font, fromLatin1(text).data(), w, h);
}

// A 32-bit surface in the text's colour whose alpha is the glyphs' coverage.
SDL_Surface *TTF_RenderUNICODE_Blended(TTF_Font *font, const Uint16 *text, SDL_Color fg)
{
    int width = 0, height = 0;
    if (TTF_SizeUNICODE(font, text, &width, &height) < 0) return nullptr;
    if (width <= 0) {
        SDL_SetError("Text has zero width");
        return nullptr;
    }
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0x00FF0000, 0x0000FF00,
                                                0x000000FF, 0xFF000000);
    if (!surface) return nullptr;
    Uint32 colour = (fg.r << 16) | (fg.g << 8) | fg.b;
    SDL_FillRect(surface, nullptr, colour);
    Uint32 *pixels = static_cast<Uint32 *>(surface->pixels);
    int stride = surface->pitch / 4;
    int x = 0;
    FT_UInt previous = 0;
    for (const Uint16 *ch = text; *ch; ++ch) {
        if (*ch == UNICODE_BOM_NATIVE || *ch == UNICODE_BOM_SWAPPED) continue;
        const Glyph *glyph = findGlyph(font, *ch);
        if (!glyph) {
            SDL_FreeSurface(surface);
            SDL_SetError("Couldn't find glyph");
            return nullptr;
        }
        x += kerningBetween(font, previous, glyph->index);
        // A first glyph that reaches left of its origin starts the text further right.
        if (ch == text && glyph->minx < 0) x -= glyph->minx;
        int columns = std::min(glyph->width, glyph->maxx - glyph->minx);
        for (int row = 0; row < glyph->rows; ++row) {
            int y = row + glyph->yoffset;
            if (y < 0 || y >= surface->h) continue;
            const Uint8 *from = &glyph->coverage[size_t(row) * glyph->width];
            for (int col = 0; col < columns; ++col) {
                int px = x + glyph->minx + col;
                if (px < 0 || px >= surface->w) continue;
                pixels[y * stride + px] |= colour | (Uint32(from[col]) << 24);
            }
        }
        x += glyph->advance;
        previous = glyph->index;
    }
    return surface;
}

SDL_Surface *TTF_RenderUTF8_Blended(TTF_Font *font, const char *text, SDL_Color fg)
{
    return TTF_RenderUNICODE_Blended(font, fromUtf8(text).data(), fg);
}

SDL_Surface *TTF_RenderText_Blended(TTF_Font *font, const char *text, SDL_Color fg)
{
    return TTF_RenderUNICODE_Blended(font, fromLatin1(text).data(), fg);
}

SDL_Surface *TTF_RenderGlyph_Blended(TTF_Font *font, Uint16 ch, SDL_Color fg)
{
    Uint16 text[2] = {ch, 0};
    return TTF_RenderUNICODE_Blended(font, text, fg);
}

}  // extern "C"

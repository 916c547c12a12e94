// gametext.cpp -- the game font, word wrapping, the plain fallback typeface, and the cache of text sprites
#include "gametext.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/filekind.h"
#include "platform/fonts.h"
#include "tavrin/host.h"

//----------------------------------------------------------------------------------------------------------
// State
//----------------------------------------------------------------------------------------------------------

namespace {

constexpr const char *fontPath = TAVRIN_FONT_PATH;

// A style's width and lines are the room inside the place it is shown in, its border and a margin off:
// a text that needs more is written smaller, down to three quarters of the style's size.
struct StyleInfo {
    int size;
    Rgba colour;
    int maxWidth;
    int maxLines;
    int outline; // width of a dark rim, for text drawn straight onto pictures
};

constexpr std::array<StyleInfo, TextStyleCount> styles{{
    {40, {120, 60, 20, 255}, 740, 3, 0},   // TextTitle: the scene, 780 wide
    {28, {60, 40, 30, 255}, 600, 2, 0},    // TextPrompt: the question's panel, 780 x 88, clear of its speaker
    {22, {60, 40, 30, 255}, 376, 2, 0},    // TextLabel: the label and hint panels, 416 wide
    {26, {60, 40, 30, 255}, 140, 4, 0},    // TextAnswer: a card, 172 wide
    {54, {60, 40, 30, 255}, 140, 1, 0},    // TextBigAnswer
    {20, {60, 40, 30, 255}, 144, 1, 0},    // TextCard: under the picture of a card
    {22, {110, 60, 30, 255}, 376, 2, 0},   // TextHint: the hint panel, 416 wide, under its first line
    {26, {255, 255, 255, 255}, 176, 1, 0}, // TextButton: a button, 200 wide
    {56, {255, 200, 40, 255}, 700, 1, 3},  // TextCheer
    {24, {255, 255, 255, 255}, 60, 1, 2},  // TextNumber
    {22, {200, 40, 30, 255}, 376, 1, 0},   // TextWarning: the first line of the hint panel
}};

bool ttfStarted = false;
struct SizedFont {
    int size;
    TTF_Font *font;
};
// Plain fixed tables, so that nothing here needs destroying while the library is unloaded (see engineRelease).
constexpr int MaxFonts = 32; // the styles and the sizes of the words on pictures
std::array<SizedFont, MaxFonts> fonts;
int fontCount = 0;
int nextToClose = 0;
bool fontMissing = false;
std::array<char, 512> fontFile{}; // the game font, or the system's own when that cannot be read

// Texts made so far: style, the text's place in the pool, and its sprite.
struct Cached {
    int style;
    int offset;
    int sprite;
};
constexpr int MaxCached = 2048;
constexpr int PoolSize = 96 * 1024;
std::array<Cached, MaxCached> cache;
int cachedCount = 0;
std::array<char, PoolSize> pool;
int poolUsed = 0;

//----------------------------------------------------------------------------------------------------------
// Internal functions
//----------------------------------------------------------------------------------------------------------

TTF_Font *fontOfSize(int size)
{
    if (!ttfStarted || fontMissing) return nullptr;
    for (int i = 0; i < fontCount; ++i)
        if (fonts[i].size == size) return fonts[i].font;
    TTF_Font *font = fontFile[0] ? TTF_OpenFont(fontFile.data(), size) : nullptr;
    if (!font) {
        fontMissing = true;
        return nullptr;
    }
    // With the table full, the sizes take turns: a font is opened again when its size comes back.
    int slot = fontCount;
    if (fontCount < MaxFonts) {
        ++fontCount;
    } else {
        slot = nextToClose;
        TTF_CloseFont(fonts[slot].font);
        nextToClose = (nextToClose + 1) % MaxFonts;
    }
    fonts[slot] = SizedFont{size, font};
    return font;
}

// The plain typeface knows ASCII only: Hungarian letters lose their accents (á -> a, ő -> o) there.
std::string plainLetters(const char *utf8)
{
    static const std::array<std::pair<unsigned, char>, 18> accents{{
        {0xE1, 'a'}, {0xE9, 'e'}, {0xED, 'i'}, {0xF3, 'o'}, {0xF6, 'o'}, {0x151, 'o'}, {0xFA, 'u'}, {0xFC, 'u'},
        {0x171, 'u'}, {0xC1, 'A'}, {0xC9, 'E'}, {0xCD, 'I'}, {0xD3, 'O'}, {0xD6, 'O'}, {0x150, 'O'}, {0xDA, 'U'},
        {0xDC, 'U'}, {0x170, 'U'},
    }};
    std::string out;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(utf8); *p;) {
        unsigned code = *p;
        int length = 1;
        if (code >= 0xC0 && code < 0xE0 && (p[1] & 0xC0) == 0x80) {
            code = (code & 0x1F) << 6 | (p[1] & 0x3F);
            length = 2;
        } else if (code >= 0x80) {
            while (p[length] && (p[length] & 0xC0) == 0x80) ++length; // skip the rest of a longer sequence
            code = '?';
        }
        p += length;
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        char plain = '?';
        for (auto &a : accents)
            if (a.first == code) plain = a.second;
        out += plain;
    }
    return out;
}

// One line in the plain 8 x 8 typeface, enlarged by whole pixels to roughly the asked size. SDL_gfx draws
// its letters with a blit that leaves the alpha of a transparent picture at 0, so they are drawn white on
// a black picture without alpha first, and every lit pixel becomes an opaque one of the colour.
SDL_Surface *renderPlainLine(const std::string &line, int size, Rgba colour)
{
    int scale = std::max(1, size / 10);
    int w = static_cast<int>(line.size()) * 8, h = 8;
    if (w == 0) return nullptr;
    SDL_Surface *mask = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    if (!mask) return nullptr;
    SDL_FillRect(mask, nullptr, 0);
    gfxPrimitivesSetFont(nullptr, 8, 8);
    stringRGBA(mask, 0, 0, line.c_str(), 255, 255, 255, 255);
    SDL_Surface *big = atlasNewSurface(w * scale, h * scale);
    if (big) {
        const SDL_PixelFormat *f = big->format;
        Uint32 ink = static_cast<Uint32>(colour.r) << f->Rshift | static_cast<Uint32>(colour.g) << f->Gshift |
                     static_cast<Uint32>(colour.b) << f->Bshift | f->Amask;
        SDL_LockSurface(mask);
        SDL_LockSurface(big);
        for (int y = 0; y < h * scale; ++y) {
            const Uint32 *from = reinterpret_cast<const Uint32 *>(static_cast<Uint8 *>(mask->pixels) + (y / scale) * mask->pitch);
            Uint32 *to = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(big->pixels) + y * big->pitch);
            for (int x = 0; x < w * scale; ++x) to[x] = (from[x / scale] & 0xFFFFFF) != 0 ? ink : 0;
        }
        SDL_UnlockSurface(big);
        SDL_UnlockSurface(mask);
    }
    SDL_FreeSurface(mask);
    return big;
}

int lineWidth(TTF_Font *font, const std::string &line, int size)
{
    if (!font) return static_cast<int>(line.size()) * 8 * std::max(1, size / 10);
    int w = 0, h = 0;
    TTF_SizeUTF8(font, line.c_str(), &w, &h);
    return w;
}

SDL_Surface *renderLine(TTF_Font *font, const std::string &line, int size, Rgba colour)
{
    if (line.empty()) return nullptr;
    if (!font) return renderPlainLine(plainLetters(line.c_str()), size, colour);
    SDL_Color c{colour.r, colour.g, colour.b, 0};
    SDL_Surface *s = TTF_RenderUTF8_Blended(font, line.c_str(), c);
    if (s) s->unused1 = 0;
    return s;
}

// The pieces a line may break between: the words, except that a number stays with the word before it
// ("háromnegyed 8", "3 óra 30 perc"), so that no line starts with a number on its own.
std::vector<std::string> breakUnits(const std::string &paragraph)
{
    std::vector<std::string> units;
    size_t at = 0;
    while (at < paragraph.size()) {
        size_t end = paragraph.find(' ', at);
        if (end == std::string::npos) end = paragraph.size();
        std::string word = paragraph.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        bool number = word[0] >= '0' && word[0] <= '9';
        if (number && !units.empty()) units.back() += " " + word;
        else units.push_back(word);
    }
    return units;
}

// Greedy lines at a width; a piece wider than the width gets a line of its own.
std::vector<std::string> greedyLines(TTF_Font *font, const std::vector<std::string> &units, int size, int width)
{
    std::vector<std::string> lines;
    std::string line;
    for (const std::string &unit : units) {
        std::string candidate = line.empty() ? unit : line + " " + unit;
        if (!line.empty() && lineWidth(font, candidate, size) > width) {
            lines.push_back(line);
            line = unit;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Each paragraph in as few lines as the width allows, and those lines as even as they can be, so that a
// last line never holds one word left over: the narrowest width that still needs no more lines is used.
std::vector<std::string> wrapLines(TTF_Font *font, const char *utf8, int size, int maxWidth)
{
    std::vector<std::string> lines;
    std::string text(utf8);
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::vector<std::string> units = breakUnits(text.substr(at, end - at));
        std::vector<std::string> best = greedyLines(font, units, size, maxWidth);
        if (best.size() > 1) {
            int low = 1, high = maxWidth;
            for (const std::string &unit : units) low = std::max(low, std::min(maxWidth, lineWidth(font, unit, size)));
            while (low < high) {
                int mid = (low + high) / 2;
                if (greedyLines(font, units, size, mid).size() <= best.size()) high = mid;
                else low = mid + 1;
            }
            best = greedyLines(font, units, size, high);
        }
        if (best.empty() && end < text.size()) best.push_back(""); // an empty line between two breaks
        lines.insert(lines.end(), best.begin(), best.end());
        at = end + 1;
    }
    return lines;
}

// Whether the text fits a style's room at a size: no more lines than the style has, none wider than it.
bool fitsAt(TTF_Font *font, const char *utf8, int size, const StyleInfo &info)
{
    std::vector<std::string> lines = wrapLines(font, utf8, size, info.maxWidth);
    if (static_cast<int>(lines.size()) > info.maxLines) return false;
    return std::all_of(lines.begin(), lines.end(), [&](const std::string &l) { return lineWidth(font, l, size) <= info.maxWidth; });
}

// The size a text is written in within its style: the style's own, or the largest smaller one that fits (in
// steps of two, so that few sizes of the font are open at once).
int fittedSize(const char *utf8, const StyleInfo &info)
{
    int smallest = info.size * 3 / 4;
    for (int size = info.size; size > smallest; size -= 2)
        if (fitsAt(fontOfSize(size), utf8, size, info)) return size;
    return smallest;
}

int findCached(const char *utf8, TextStyle style)
{
    for (int i = 0; i < cachedCount; ++i)
        if (cache[i].style == style && std::strcmp(pool.data() + cache[i].offset, utf8) == 0) return i;
    return -1;
}

void remember(const char *utf8, TextStyle style, int sprite)
{
    int length = static_cast<int>(std::strlen(utf8)) + 1;
    if (cachedCount == MaxCached || poolUsed + length > PoolSize) return;
    std::memcpy(pool.data() + poolUsed, utf8, length);
    cache[cachedCount++] = Cached{style, poolUsed, sprite};
    poolUsed += length;
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

void textOpen()
{
    textClose();
    if (TTF_Init() == 0) ttfStarted = true;
    // A game font that cannot be read gives way to a bold sans-serif font of the system's, which still
    // has every Hungarian letter; only a plain file is opened, as a named pipe would never answer.
    char reason[64];
    TTF_Font *probe = ttfStarted && isRegularFile(fontPath, reason, sizeof reason) ? TTF_OpenFont(fontPath, 12) : nullptr;
    if (probe) {
        TTF_CloseFont(probe);
        snprintf(fontFile.data(), fontFile.size(), "%s", fontPath);
    } else if (!systemBoldSansFont(fontFile.data(), fontFile.size())) {
        fontFile[0] = '\0';
    }
}

void textClose()
{
    // The shell shuts its own use of the library down before a module that was never finished goes away;
    // the library counts its users, so a font is closed only while it is still running.
    if (ttfStarted && TTF_WasInit()) {
        for (int i = 0; i < fontCount; ++i) TTF_CloseFont(fonts[i].font);
        TTF_Quit();
    }
    fonts.fill(SizedFont{0, nullptr});
    fontCount = 0;
    nextToClose = 0;
    ttfStarted = false;
    fontMissing = false;
    cachedCount = 0;
    poolUsed = 0;
}

bool textHasFont() { return fontOfSize(styles[TextLabel].size) != nullptr; }

SDL_Surface *textRender(const char *utf8, int size, Rgba colour, int maxWidth)
{
    if (!utf8 || !*utf8) return nullptr;
    TTF_Font *font = fontOfSize(size);
    std::vector<std::string> lines = wrapLines(font, utf8, size, maxWidth);
    std::vector<SDL_Surface *> rendered;
    int w = 0, h = 0;
    int lineHeight = font ? TTF_FontLineSkip(font) : 8 * std::max(1, size / 10) + 4;
    for (const std::string &line : lines) {
        SDL_Surface *s = renderLine(font, line, size, colour);
        rendered.push_back(s);
        if (s) w = std::max(w, s->w);
        h += lineHeight;
    }
    SDL_Surface *out = w > 0 ? atlasNewSurface(w, std::max(h, 1)) : nullptr;
    int y = 0;
    for (SDL_Surface *s : rendered) {
        if (s && out) atlasComposite(out, s, (w - s->w) / 2, y);
        y += lineHeight;
        SDL_FreeSurface(s);
    }
    return out;
}

int textSprite(const char *utf8, TextStyle style)
{
    if (!utf8 || !*utf8 || style < 0 || style >= TextStyleCount) return -1;
    int found = findCached(utf8, style);
    if (found >= 0) return cache[found].sprite;
    const StyleInfo &info = styles[style];
    int size = fittedSize(utf8, info);
    SDL_Surface *face = textRender(utf8, size, info.colour, info.maxWidth);
    int sprite = -1;
    if (face && info.outline == 0) {
        sprite = atlasAdd(face, false);
    } else if (face) {
        // A dark rim: the text in dark brown at every offset within the rim, then the text itself.
        int o = info.outline;
        SDL_Surface *rim = textRender(utf8, size, Rgba{90, 50, 20, 255}, info.maxWidth);
        SDL_Surface *both = atlasNewSurface(face->w + 2 * o, face->h + 2 * o);
        if (rim && both) {
            for (int dy = -o; dy <= o; ++dy)
                for (int dx = -o; dx <= o; ++dx)
                    if (dx * dx + dy * dy <= o * o + 1) atlasComposite(both, rim, o + dx, o + dy);
            atlasComposite(both, face, o, o);
            sprite = atlasAdd(both, false);
        }
        SDL_FreeSurface(rim);
        SDL_FreeSurface(both);
    }
    SDL_FreeSurface(face);
    remember(utf8, style, sprite);
    return sprite;
}

std::vector<std::string> textLines(const char *utf8, TextStyle style, int *size)
{
    if (!utf8 || style < 0 || style >= TextStyleCount) return {};
    int fitted = fittedSize(utf8, styles[style]);
    if (size) *size = fitted;
    return wrapLines(fontOfSize(fitted), utf8, fitted, styles[style].maxWidth);
}

int textFind(const char *utf8, TextStyle style)
{
    if (!utf8 || !*utf8 || style < 0 || style >= TextStyleCount) return -1;
    int found = findCached(utf8, style);
    return found < 0 ? -1 : cache[found].sprite;
}

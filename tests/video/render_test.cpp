// render_test.cpp -- the OpenGL window against plain SDL: the same drawing must give the same pixels
#include <algorithm>
#include <functional>

#include "pixels.h"
#include "text/text.h"
#include "video_fixture.h"

namespace {
struct Difference {
    int count = 0;    // pixels differing by more than the tolerance in some channel
    int largest = 0;  // largest difference of a channel anywhere
    int x = -1, y = -1;  // first pixel beyond the tolerance
};

// Both surfaces 24-bit R, G, B in memory order, same size.
Difference compare(const SDL_Surface *a, const SDL_Surface *b, int tolerance)
{
    Difference d;
    for (int y = 0; y < a->h; y++) {
        const Uint8 *rowA = static_cast<const Uint8 *>(a->pixels) + y * a->pitch;
        const Uint8 *rowB = static_cast<const Uint8 *>(b->pixels) + y * b->pitch;
        for (int x = 0; x < a->w; x++) {
            int worst = 0;
            for (int c = 0; c < 3; c++) worst = std::max(worst, std::abs(rowA[3 * x + c] - rowB[3 * x + c]));
            d.largest = std::max(d.largest, worst);
            if (worst > tolerance && d.count++ == 0) d.x = x, d.y = y;
        }
    }
    return d;
}

// Whether no pixel of the drawing differs from the expected picture by more than the tolerance; if one
// does, where the first is and how far the worst one is off.
testing::AssertionResult sameWithin(SDL_Surface *drawn, SDL_Surface *expected, int tolerance)
{
    Difference d = compare(drawn, expected, tolerance);
    if (d.count == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << d.count << " pixels differ, the first at " << d.x << ", " << d.y << ": "
                                       << rgbAt(drawn, d.x, d.y) << " against " << rgbAt(expected, d.x, d.y)
                                       << "; largest difference " << d.largest;
}

// A picture with something to see in every pixel: gradients crossed with a small pattern.
SDL_Surface *patterned(int width, int height, int bpp, Uint32 r, Uint32 g, Uint32 b, Uint32 a, int seed)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, bpp, r, g, b, a);
    s->unused1 = 0;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            Uint8 red = static_cast<Uint8>(x * 7 + seed), green = static_cast<Uint8>(y * 5 + seed * 3);
            Uint8 blue = static_cast<Uint8>((x ^ y) * 3 + ((x / 3 + y / 5) % 2) * 90);
            Uint32 pixel = SDL_MapRGBA(s->format, red, green, blue, 255);
            SDL_Rect one{static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
            SDL_FillRect(s, &one, pixel);
        }
    return s;
}

SDL_Surface *patternedRGB(int width, int height, int seed)
{
    return patterned(width, height, 24, 0xFF, 0xFF00, 0xFF0000, 0, seed);
}

// Sets the alpha of every pixel of a 32-bit picture from its position.
void shapeAlpha(SDL_Surface *s, const std::function<Uint8(int, int)> &alpha)
{
    for (int y = 0; y < s->h; y++) {
        Uint32 *row = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; x++)
            row[x] = (row[x] & ~s->format->Amask) | (static_cast<Uint32>(alpha(x, y)) << s->format->Ashift);
    }
}

void blitAt(SDL_Surface *image, SDL_Surface *target, int x, int y, SDL_Rect *part = nullptr)
{
    SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    VideoBlit(image, part, target, &at);
}

void fill(SDL_Surface *target, int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Rect box{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    VideoFillRect(target, &box, SDL_MapRGB(target->format, r, g, b));
}

void clip(SDL_Surface *target, int x, int y, int w, int h)
{
    SDL_Rect box{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    VideoSetClipRect(target, &box);
}

SDL_Surface *windowPicture()
{
    SDL_Surface *picture = makeRGB(800, 600);
    EXPECT_EQ(VideoReadBack(nullptr, picture, nullptr), 0);
    return picture;
}
}  // namespace

class Rendering : public RealScreen {
protected:
    SDL_Surface *reference = nullptr;
    std::vector<SDL_Surface *> pictures;

    void SetUp() override
    {
        RealScreen::SetUp();
        reference = makeRGB(800, 600);
    }
    void TearDown() override
    {
        for (SDL_Surface *p : pictures) VideoFreeSurface(p);
        SDL_FreeSurface(reference);
        RealScreen::TearDown();
    }
    SDL_Surface *keep(SDL_Surface *picture)
    {
        pictures.push_back(picture);
        return picture;
    }
    // The same drawing onto the window and, through SDL alone, onto the reference; then the window read back.
    SDL_Surface *drawBoth(const std::function<void(SDL_Surface *)> &scene)
    {
        scene(screen);
        stderrOf([&] { scene(reference); });  // conversions announce themselves
        return windowPicture();
    }
};

TEST_F(Rendering, OpaqueKeyedStripedAndConvertedPicturesMatchSDLExactly)
{
    SDL_Surface *opaque = keep(patternedRGB(300, 200, 1));
    SDL_Surface *keyed = keep(patternedRGB(120, 90, 2));
    const Uint32 magenta = SDL_MapRGB(keyed->format, 255, 0, 255);
    for (int i = 0; i < 90; i += 3) {
        SDL_Rect hole{static_cast<Sint16>(i), static_cast<Sint16>(i), 20, 2};
        SDL_FillRect(keyed, &hole, magenta);
    }
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, magenta);
    SDL_Surface *foreign = keep(patterned(77, 33, 32, 0xFF0000, 0xFF00, 0xFF, 0, 4));  // converted at upload
    SDL_Surface *wide = keep(patternedRGB(2000, 20, 5));
    SDL_Surface *tall = keep(patternedRGB(20, 1500, 6));
    SDL_Surface *odd = keep(patternedRGB(333, 7, 7));
    SDL_Surface *highColour = keep(patterned(64, 48, 16, 0xF800, 0x07E0, 0x001F, 0, 8));
    SDL_Surface *paletted = keep(SDL_CreateRGBSurface(SDL_SWSURFACE, 50, 40, 8, 0, 0, 0, 0));
    paletted->unused1 = 0;
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++) colours[i] = SDL_Color{Uint8(i), Uint8(255 - i), Uint8(i * 3), 0};
    SDL_SetColors(paletted, colours, 0, 256);
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 50; x++) static_cast<Uint8 *>(paletted->pixels)[y * paletted->pitch + x] = Uint8(x * 5 + y);

    SDL_Surface *drawn = drawBoth([&](SDL_Surface *target) {
        fill(target, 0, 0, 800, 600, 120, 180, 230);
        blitAt(opaque, target, 13, 17);
        blitAt(keyed, target, 400, 50);
        blitAt(foreign, target, 600, 300);
        blitAt(wide, target, -100, 500);
        blitAt(tall, target, 700, -300);
        blitAt(odd, target, 450, 580);
        blitAt(highColour, target, 700, 100);
        blitAt(paletted, target, 700, 200);
        SDL_Rect part{10, 10, 50, 40};
        blitAt(opaque, target, 520, 420, &part);
        SDL_Rect stripPart{250, 3, 300, 10};
        blitAt(wide, target, 10, 250, &stripPart);
        clip(target, 50, 350, 300, 200);
        blitAt(opaque, target, 0, 300);
        fill(target, 300, 500, 200, 200, 250, 200, 10);
        VideoSetClipRect(target, nullptr);
        fill(target, 600, 400, 100, 50, 40, 90, 20);
        blitAt(opaque, target, 790, 590);  // mostly off the screen
    });
    EXPECT_TRUE(sameWithin(drawn, reference, 0));
    SDL_FreeSurface(drawn);
}

TEST_F(Rendering, PicturesSpreadOverManyTexturesMatchSDLExactly)
{
    video.maxTextureSize = 64;  // small textures: every picture below needs several
    SDL_Surface *wide = keep(patternedRGB(300, 60, 1));     // 5 textures of one strip
    SDL_Surface *tall = keep(patternedRGB(40, 500, 2));     // 8 textures of one strip, side by side
    SDL_Surface *packed = keep(patternedRGB(200, 20, 3));   // 4 strips, 3 to a texture
    SDL_Surface *thin = keep(patternedRGB(1025, 1, 4));     // 33 strips of 32, 32 to a texture
    SDL_Surface *keyed = keep(patternedRGB(130, 30, 5));
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, SDL_MapRGB(keyed->format, 35, 93, 36));

    SDL_Surface *drawn = drawBoth([&](SDL_Surface *target) {
        fill(target, 0, 0, 800, 600, 30, 60, 90);
        blitAt(wide, target, 10, 10);
        blitAt(tall, target, 400, 30);
        blitAt(packed, target, 10, 100);
        blitAt(thin, target, -100, 150);
        blitAt(keyed, target, 500, 500);
        blitAt(wide, target, 700, 580);  // cut by the right and bottom edges
        int y = 200;
        for (SDL_Rect part : {SDL_Rect{50, 5, 100, 40}, SDL_Rect{63, 0, 2, 60}, SDL_Rect{128, 10, 129, 1}}) {
            blitAt(wide, target, 20, y, &part);
            y += 70;
        }
        SDL_Rect tallPart{3, 60, 30, 200}, packedPart{60, 2, 80, 15}, thinPart{990, 0, 35, 1};
        blitAt(tall, target, 500, 50, &tallPart);
        blitAt(packed, target, 250, 100, &packedPart);
        blitAt(thin, target, 300, 160, &thinPart);
    });
    EXPECT_TRUE(sameWithin(drawn, reference, 0));
    EXPECT_EQ(VideoGetTexInfo(thin)->textureCount, 2);
    EXPECT_EQ(VideoGetTexInfo(tall)->layout, LayoutStripsAlongY);
    SDL_FreeSurface(drawn);
}

TEST_F(Rendering, BlendedPicturesMatchSDLWithinRounding)
{
    SDL_Surface *backdrop = keep(patternedRGB(800, 600, 8));
    SDL_Surface *soft = keep(patterned(256, 200, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 9));
    shapeAlpha(soft, [](int x, int) { return static_cast<Uint8>(x); });
    SDL_Surface *half = keep(patternedRGB(200, 100, 10));
    SDL_SetAlpha(half, SDL_SRCALPHA, 128);
    SDL_Surface *faint = keep(patternedRGB(200, 100, 11));
    SDL_SetAlpha(faint, SDL_SRCALPHA, 77);
    SDL_Surface *keyedFaint = keep(patternedRGB(100, 100, 12));
    SDL_Rect hole{20, 20, 60, 60};
    SDL_FillRect(keyedFaint, &hole, 0);
    SDL_SetColorKey(keyedFaint, SDL_SRCCOLORKEY, 0);
    SDL_SetAlpha(keyedFaint, SDL_SRCALPHA, 200);
    SDL_Surface *cutOut = keep(patterned(150, 150, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 3));
    shapeAlpha(cutOut, [](int x, int y) { return (x - 75) * (x - 75) + (y - 75) * (y - 75) < 70 * 70 ? 255 : 0; });

    SDL_Surface *drawn = drawBoth([&](SDL_Surface *target) {
        blitAt(backdrop, target, 0, 0);
        blitAt(soft, target, 30, 40);
        blitAt(half, target, 400, 40);
        blitAt(faint, target, 400, 300);
        blitAt(keyedFaint, target, 100, 400);
        blitAt(cutOut, target, 600, 400);
    });
    // OpenGL rounds the blend where SDL shifts; nothing else may differ.
    EXPECT_TRUE(sameWithin(drawn, reference, 2));
    // The key's hole shows the backdrop untouched; a fully opaque texel shows exactly (SDL's blend of
    // alpha 255 may be one off).
    EXPECT_EQ(rgbAt(drawn, 150, 450), rgbAt(backdrop, 150, 450));
    SDL_Surface *cutOutRGB = makeRGB(150, 150);
    SDL_SetAlpha(cutOut, 0, 255);
    SDL_BlitSurface(cutOut, nullptr, cutOutRGB, nullptr);
    EXPECT_EQ(rgbAt(drawn, 675, 475), rgbAt(cutOutRGB, 75, 75));
    EXPECT_EQ(rgbAt(drawn, 601, 401), rgbAt(backdrop, 601, 401));
    SDL_FreeSurface(cutOutRGB);
    SDL_FreeSurface(drawn);
}

namespace {
SDL_Surface *textTarget;
void blitText(SDL_Surface *glyph, int x, int y) { blitAt(glyph, textTarget, x, y); }
}  // namespace

TEST_F(Rendering, TextFromPagesMatchesTextDrawnGlyphByGlyph)
{
    ASSERT_EQ(TTF_Init(), 0);
    BitmapFont main{}, outline{}, small{}, smallOutline{};
    const char *file = TAVRIN_RUN_DIR "/g/KOMIKATA.TTF";
    ASSERT_EQ(buildBitmapFont(&main, file, 27, SDL_Color{50, 188, 193, 255}), 1);
    ASSERT_EQ(buildBitmapFont(&outline, file, 27, SDL_Color{0, 0, 0, 255}), 1);
    ASSERT_EQ(buildBitmapFont(&small, file, 13, SDL_Color{0, 0, 0, 255}), 1);
    ASSERT_EQ(buildBitmapFont(&smallOutline, file, 13, SDL_Color{50, 188, 193, 255}), 1);
    SDL_Surface *backdrop = keep(patternedRGB(800, 600, 3));
    auto scene = [&](SDL_Surface *target) {
        textTarget = target;
        blitAt(backdrop, target, 0, 0);
        drawOutlinedText(blitText, "v\xE1lassz j\xE1t\xE9kost!", 20, 40, &main, AlignLeft, &outline, -2);
        drawOutlinedText(blitText, "teljes k\xE9perny\xF5 \xC1\xC9\xCD\xD3\xD6\xD5\xDA\xDC\xDB", 400, 120, &main,
                         AlignCentre, &outline, -2);
        for (int line = 0; line < 8; line++)
            drawOutlinedText(blitText, "abcdefghijklmnopqrstuvwxyz 0123456789 !?.,:;()[]{}", 780, 200 + line * 40,
                             line % 2 ? &small : &main, AlignRight, line % 2 ? &smallOutline : &outline, -2);
    };
    SDL_Surface *paged = drawBoth(scene);
    ASSERT_NE(VideoGetTexInfo(main.glyphs['a']), nullptr);
    EXPECT_NE(VideoGetTexInfo(main.glyphs['a'])->page, 0) << "glyphs lie on pages";
    // Five blended passes over the same pixels add up OpenGL's rounding against SDL's.
    EXPECT_TRUE(sameWithin(paged, reference, 4)) << "against SDL";

    // The same text with every glyph in textures of its own.
    for (BitmapFont *font : {&main, &outline, &small, &smallOutline})
        for (SDL_Surface *glyph : font->glyphs) VideoRemoveTexInfo(glyph);
    const int32_t packArea = video.packArea;
    video.packArea = 0;
    scene(screen);
    video.packArea = packArea;
    EXPECT_EQ(VideoGetTexInfo(main.glyphs['a'])->page, 0);
    SDL_Surface *single = windowPicture();
    EXPECT_TRUE(sameWithin(paged, single, 0)) << "paged against glyph by glyph";
    SDL_FreeSurface(paged);
    SDL_FreeSurface(single);
    for (BitmapFont *font : {&main, &outline, &small, &smallOutline}) releaseBitmapFont(font);
    TTF_Quit();
}

TEST_F(Rendering, ClearAndOpaquePartsOfBlendedPicturesCostLessWithoutChangingAPixel)
{
    SDL_Surface *backdrop = keep(patternedRGB(800, 600, 4));
    // Mostly clear, as a frame over the menu is: a soft bar, a ring and one lone opaque pixel.
    SDL_Surface *frame = keep(patterned(300, 200, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000, 6));
    shapeAlpha(frame, [](int x, int y) {
        const int r2 = (x - 200) * (x - 200) + (y - 90) * (y - 90);
        if (y >= 150 && y < 170) return static_cast<Uint8>(x);
        if (x >= 90 && x < 170 && y < 70) return static_cast<Uint8>(255);
        if (r2 < 60 * 60 && r2 > 40 * 40) return static_cast<Uint8>(255);
        return static_cast<Uint8>(x == 33 && y == 70 ? 255 : 0);
    });
    SDL_Surface *keyed = keep(patternedRGB(256, 128, 7));
    SDL_Rect hole{40, 0, 170, 128};
    SDL_FillRect(keyed, &hole, 0);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0);
    SDL_SetAlpha(keyed, SDL_SRCALPHA, 150);

    SDL_Surface *drawn = drawBoth([&](SDL_Surface *target) {
        blitAt(backdrop, target, 0, 0);
        blitAt(frame, target, 17, 23);
        blitAt(frame, target, -45, 430);
        blitAt(frame, target, 650, -70);
        SDL_Rect part{31, 33, 190, 130};
        blitAt(frame, target, 400, 250, &part);
        blitAt(keyed, target, 330, 20);
        SDL_SetAlpha(keyed, 0, 255);
        blitAt(keyed, target, 500, 450);
        SDL_SetAlpha(keyed, SDL_SRCALPHA, 150);
    });
    EXPECT_TRUE(sameWithin(drawn, reference, 2));
    EXPECT_FALSE(VideoGetTexInfo(frame)->blockRuns.empty());
    EXPECT_FALSE(VideoGetTexInfo(keyed)->blockRuns.empty());
    EXPECT_EQ(rgbAt(drawn, 17 + 10, 23 + 10), rgbAt(backdrop, 27, 33)) << "clear stays untouched";
    EXPECT_FALSE(rgbAt(drawn, 17 + 33, 23 + 70) == rgbAt(backdrop, 17 + 33, 23 + 70)) << "the lone pixel is drawn";
    SDL_FreeSurface(drawn);
}

TEST_F(Rendering, ChangedPictureReachesTheScreenOnlyWhenMarked)
{
    SDL_Surface *picture = keep(makeRGB(20, 20));
    VideoFillRect(picture, nullptr, SDL_MapRGB(picture->format, 255, 0, 0));
    blitAt(picture, screen, 0, 0);

    // Changed behind the layer's back: the old textures are drawn.
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 0, 255, 0));
    blitAt(picture, screen, 0, 0);
    SDL_Surface *before = windowPicture();
    EXPECT_EQ(rgbAt(before, 5, 5), (Rgb{255, 0, 0}));

    // Changed through the layer: the new pixels.
    VideoFillRect(picture, nullptr, SDL_MapRGB(picture->format, 0, 0, 255));
    blitAt(picture, screen, 0, 0);
    SDL_Surface *after = windowPicture();
    EXPECT_EQ(rgbAt(after, 5, 5), (Rgb{0, 0, 255}));
    SDL_FreeSurface(before);
    SDL_FreeSurface(after);
}

TEST_F(Rendering, ReadBackIsUprightAndCopiesOnlyTheBlock)
{
    fill(screen, 0, 0, 800, 300, 200, 0, 0);
    fill(screen, 0, 300, 800, 300, 0, 0, 200);
    fill(screen, 10, 20, 1, 1, 1, 2, 3);
    SDL_Surface *whole = windowPicture();
    EXPECT_EQ(rgbAt(whole, 0, 0), (Rgb{200, 0, 0}));
    EXPECT_EQ(rgbAt(whole, 799, 599), (Rgb{0, 0, 200}));
    EXPECT_EQ(rgbAt(whole, 10, 20), (Rgb{1, 2, 3}));

    SDL_Surface *small = keep(makeRGB(50, 50));
    SDL_FillRect(small, nullptr, 0);
    SDL_Rect block{9, 19, 3, 3}, at{30, 40, 0, 0};
    EXPECT_EQ(VideoBlit(screen, &block, small, &at), 0);
    EXPECT_EQ(rgbAt(small, 31, 41), (Rgb{1, 2, 3}));
    EXPECT_EQ(rgbAt(small, 30, 40), (Rgb{200, 0, 0}));
    EXPECT_EQ(rgbAt(small, 29, 40), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(small, 33, 43), (Rgb{0, 0, 0}));
    SDL_FreeSurface(whole);
}

TEST_F(Rendering, ScreenToScreenCopiesARegion)
{
    fill(screen, 0, 0, 800, 600, 0, 0, 0);
    fill(screen, 100, 100, 10, 10, 250, 250, 0);
    fill(screen, 100, 100, 1, 1, 0, 250, 250);
    SDL_Rect from{100, 100, 10, 10}, at{400, 300, 0, 0};
    EXPECT_EQ(VideoBlit(screen, &from, screen, &at), 0);
    SDL_Surface *drawn = windowPicture();
    EXPECT_EQ(rgbAt(drawn, 400, 300), (Rgb{0, 250, 250}));
    EXPECT_EQ(rgbAt(drawn, 409, 309), (Rgb{250, 250, 0}));
    EXPECT_EQ(rgbAt(drawn, 410, 310), (Rgb{0, 0, 0}));
    EXPECT_EQ(rgbAt(drawn, 100, 100), (Rgb{0, 250, 250}));
    SDL_FreeSurface(drawn);
}

TEST_F(Rendering, ClipMissingTheScreenStopsAllDrawing)
{
    fill(screen, 0, 0, 800, 600, 10, 10, 10);
    clip(screen, 100, 100, 50, 50);
    clip(screen, 900, 900, 10, 10);
    fill(screen, 0, 0, 800, 600, 200, 200, 200);
    SDL_Surface *picture = keep(patternedRGB(200, 200, 1));
    blitAt(picture, screen, 50, 50);
    VideoSetClipRect(screen, nullptr);
    SDL_Surface *drawn = windowPicture();
    EXPECT_EQ(rgbAt(drawn, 120, 120), (Rgb{10, 10, 10}));
    SDL_FreeSurface(drawn);
}

TEST(EnlargedRendering, EachPixelBecomesASquareAndTheClipScalesWithIt)
{
    if (!getenv("DISPLAY")) GTEST_SKIP() << "no display";
    ASSERT_TRUE(openDisplay()) << SDL_GetError();
    SDL_Surface *screen = setModeQuietly(320, 240, VideoOpenGLFlag | SDL_DOUBLEBUF);
    ASSERT_NE(screen, nullptr);
    fill(screen, 0, 0, 320, 240, 0, 0, 0);
    SDL_Surface *picture = patternedRGB(4, 3, 1);
    blitAt(picture, screen, 10, 20);
    clip(screen, 100, 100, 10, 10);
    fill(screen, 0, 0, 320, 240, 0, 255, 0);
    VideoSetClipRect(screen, nullptr);

    std::vector<Uint8> window(640 * 480 * 3);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(0, 0, 640, 480, GL_RGB, GL_UNSIGNED_BYTE, window.data());
    auto at = [&](int x, int y) {
        const Uint8 *p = &window[((479 - y) * 640 + x) * 3];
        return Rgb{p[0], p[1], p[2]};
    };
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 4; x++) {
            Rgb expected = rgbAt(picture, x, y);
            for (int dy = 0; dy < 2; dy++)
                for (int dx = 0; dx < 2; dx++) EXPECT_EQ(at(20 + 2 * x + dx, 40 + 2 * y + dy), expected);
        }
    EXPECT_EQ(at(19, 40), (Rgb{0, 0, 0}));
    EXPECT_EQ(at(200, 200), (Rgb{0, 255, 0}));
    EXPECT_EQ(at(219, 219), (Rgb{0, 255, 0}));
    EXPECT_EQ(at(220, 220), (Rgb{0, 0, 0}));
    EXPECT_EQ(at(199, 199), (Rgb{0, 0, 0}));
    // Read-back would mix window pixels with program units: refused.
    EXPECT_EQ(VideoReadBack(nullptr, picture, nullptr), -1);

    SDL_FreeSurface(picture);
    closeQuietly(screen);
}

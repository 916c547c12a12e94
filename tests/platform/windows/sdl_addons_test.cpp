// sdl_addons_test.cpp -- the Windows build's own SDL_image, SDL_ttf and SDL_gfx, built for Linux, held
// against Debian's libraries on the program's pictures, font, zoom and the games' shapes
#include <dlfcn.h>

#include <SDL/SDL.h>
#include <SDL/SDL_framerate.h>
#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_rotozoom.h>
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The add-ons' library, opened apart so that its calls do not mix with Debian's of the same names.
struct Addons {
    void *handle = dlopen(TAVRIN_SDL_ADDONS, RTLD_NOW | RTLD_LOCAL);
    template <typename Fn> Fn get(const char *name) { return handle ? reinterpret_cast<Fn>(dlsym(handle, name)) : nullptr; }
    ~Addons()
    {
        if (handle) dlclose(handle);
    }
};

// How many pixels differ between two surfaces of the same size and format, and by how much at most.
struct Difference {
    int pixels = 0;
    int largest = 0;
};

Difference compare(SDL_Surface *a, SDL_Surface *b)
{
    Difference d;
    int bytes = a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x) {
            const Uint8 *pa = static_cast<Uint8 *>(a->pixels) + y * a->pitch + x * bytes;
            const Uint8 *pb = static_cast<Uint8 *>(b->pixels) + y * b->pitch + x * bytes;
            int largest = 0;
            for (int i = 0; i < bytes; ++i) largest = std::max(largest, std::abs(pa[i] - pb[i]));
            if (largest) ++d.pixels;
            d.largest = std::max(d.largest, largest);
        }
    return d;
}

void expectSameFormat(SDL_Surface *expected, SDL_Surface *actual, const std::string &what)
{
    ASSERT_TRUE(expected && actual) << what;
    EXPECT_EQ(expected->w, actual->w) << what;
    EXPECT_EQ(expected->h, actual->h) << what;
    EXPECT_EQ(expected->format->BitsPerPixel, actual->format->BitsPerPixel) << what;
    EXPECT_EQ(expected->format->Rmask, actual->format->Rmask) << what;
    EXPECT_EQ(expected->format->Amask, actual->format->Amask) << what;
}

// The same format and, where the sizes allow comparing them, the same pixels; both surfaces are freed.
void expectSamePicture(SDL_Surface *expected, SDL_Surface *actual, const std::string &what)
{
    expectSameFormat(expected, actual, what);
    if (expected && actual && expected->w == actual->w && expected->h == actual->h &&
        expected->format->BitsPerPixel == actual->format->BitsPerPixel) {
        EXPECT_EQ(compare(expected, actual).pixels, 0) << what;
    }
    SDL_FreeSurface(expected);
    SDL_FreeSurface(actual);
}

class SdlAddons : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SDL_Init(0); }
    Addons addons;
};

TEST_F(SdlAddons, EveryPictureOfTheProgramLoadsWithTheSameFormatAndPixels)
{
    auto load = addons.get<SDL_Surface *(*)(const char *)>("IMG_Load");
    ASSERT_NE(load, nullptr);
    int files = 0;
    for (const char *folder : {"g", "g1"}) {
        for (const auto &entry : std::filesystem::directory_iterator(std::string(TAVRIN_SOURCE_DIR) + "/data/" + folder)) {
            std::string path = entry.path().string(), ext = entry.path().extension().string();
            if (ext != ".tga" && ext != ".jpg" && ext != ".bmp") continue;
            expectSamePicture(IMG_Load(path.c_str()), load(path.c_str()), path);
            ++files;
        }
    }
    EXPECT_GT(files, 20);
}

TEST_F(SdlAddons, MissingAndDamagedPicturesFailWithAReason)
{
    auto load = addons.get<SDL_Surface *(*)(const char *)>("IMG_Load");
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(load("/nonexistent/picture.tga"), nullptr);
    // A TGA cut short, a JPEG of nothing but its mark, and a file of no known kind.
    std::string dir = ::testing::TempDir();
    std::vector<std::pair<std::string, std::string>> files = {
        {"short.tga", std::string("\0\0\x0a\0\0\0\0\0\0\0\0\0\x20\0\x20\0\x20\x28", 18) + "\x85\x01"},
        {"mark.jpg", "\xFF\xD8\xFF"},
        {"text.png", "hello"}};
    for (const auto &[name, bytes] : files) {
        std::string path = dir + "/" + name;
        FILE *f = fopen(path.c_str(), "wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        SDL_SetError("none");
        EXPECT_EQ(load(path.c_str()), nullptr) << name;
        EXPECT_STRNE(SDL_GetError(), "none") << name;
    }
}

TEST_F(SdlAddons, TextHasTheSameSizeAndPixelsAtEveryMenuSize)
{
    auto init = addons.get<int (*)()>("TTF_Init");
    auto open = addons.get<TTF_Font *(*)(const char *, int)>("TTF_OpenFont");
    auto render = addons.get<SDL_Surface *(*)(TTF_Font *, const Uint16 *, SDL_Color)>("TTF_RenderUNICODE_Blended");
    auto size = addons.get<int (*)(TTF_Font *, const char *, int *, int *)>("TTF_SizeUTF8");
    auto height = addons.get<int (*)(const TTF_Font *)>("TTF_FontHeight");
    auto skip = addons.get<int (*)(const TTF_Font *)>("TTF_FontLineSkip");
    ASSERT_TRUE(init && open && render && size && height && skip);
    ASSERT_EQ(TTF_Init(), 0);
    ASSERT_EQ(init(), 0);
    std::string fontFile = std::string(TAVRIN_SOURCE_DIR) + "/data/g/KOMIKATA.TTF";
    SDL_Color teal{50, 188, 193, 0};
    for (int points : {13, 20, 27, 40}) {
        TTF_Font *expected = TTF_OpenFont(fontFile.c_str(), points);
        TTF_Font *actual = open(fontFile.c_str(), points);
        ASSERT_TRUE(expected && actual);
        EXPECT_EQ(TTF_FontHeight(expected), height(actual)) << points;
        EXPECT_EQ(TTF_FontLineSkip(expected), skip(actual)) << points;
        // Every glyph alone, as the menu's fonts are built, then whole Hungarian lines with kerning.
        std::vector<std::vector<Uint16>> texts;
        for (Uint16 c = 32; c < 0x180; ++c) texts.push_back({c, 0});
        texts.push_back({'T', 'a', 'v', 'r', 0x151, 'n', ' ', 'W', 'A', 'V', 'E', ' ', 0x171, 'j', 0});
        int differing = 0;
        for (const auto &text : texts) {
            SDL_Surface *e = TTF_RenderUNICODE_Blended(expected, text.data(), teal);
            SDL_Surface *a = render(actual, text.data(), teal);
            if (!e || !a) {
                EXPECT_EQ(e == nullptr, a == nullptr) << points << " " << text[0];
            } else {
                expectSameFormat(e, a, "glyph " + std::to_string(text[0]));
                if (e->w == a->w && e->h == a->h && compare(e, a).pixels) ++differing;
            }
            SDL_FreeSurface(e);
            SDL_FreeSurface(a);
        }
        EXPECT_EQ(differing, 0) << points << " pt";
        int ew = 0, eh = 0, aw = 0, ah = 0;
        const char *line = "Ki mit eszik? Összeadás, gyűjtés, Vigyázz az erdőre!";
        TTF_SizeUTF8(expected, line, &ew, &eh);
        size(actual, line, &aw, &ah);
        EXPECT_EQ(ew, aw);
        EXPECT_EQ(eh, ah);
        TTF_CloseFont(expected);
        addons.get<void (*)(TTF_Font *)>("TTF_CloseFont")(actual);
    }
    addons.get<void (*)()>("TTF_Quit")();
    TTF_Quit();
}

TEST_F(SdlAddons, TheHoverButtonZoomsToTheSamePixels)
{
    auto zoom = addons.get<SDL_Surface *(*)(SDL_Surface *, double, double, int)>("zoomSurface");
    ASSERT_NE(zoom, nullptr);
    for (const char *file : {"/data/g/bback.tga", "/data/g/bg2.jpg"}) {
        SDL_Surface *plate = IMG_Load((std::string(TAVRIN_SOURCE_DIR) + file).c_str());
        ASSERT_NE(plate, nullptr);
        for (double factor : {0.9, 0.5, 1.7}) {
            for (int smooth : {1, 0}) {
                expectSamePicture(zoomSurface(plate, factor, factor, smooth), zoom(plate, factor, factor, smooth),
                                  std::string(file) + " " + std::to_string(factor) + " " + std::to_string(smooth));
            }
        }
        SDL_FreeSurface(plate);
    }
}

TEST_F(SdlAddons, TheGamesShapesAndTextCoverTheSamePixels)
{
    using Circle = int (*)(SDL_Surface *, Sint16, Sint16, Sint16, Uint8, Uint8, Uint8, Uint8);
    using Pie = int (*)(SDL_Surface *, Sint16, Sint16, Sint16, Sint16, Sint16, Uint8, Uint8, Uint8, Uint8);
    using Polygon = int (*)(SDL_Surface *, const Sint16 *, const Sint16 *, int, Uint8, Uint8, Uint8, Uint8);
    using Box = int (*)(SDL_Surface *, Sint16, Sint16, Sint16, Sint16, Uint8, Uint8, Uint8, Uint8);
    auto circle = addons.get<Circle>("filledCircleRGBA");
    auto pie = addons.get<Pie>("filledPieRGBA");
    auto polygon = addons.get<Polygon>("filledPolygonRGBA");
    auto box = addons.get<Box>("boxRGBA");
    auto roundedBox = addons.get<decltype(&roundedBoxRGBA)>("roundedBoxRGBA");
    auto ellipse = addons.get<decltype(&filledEllipseRGBA)>("filledEllipseRGBA");
    auto text = addons.get<decltype(&stringRGBA)>("stringRGBA");
    ASSERT_TRUE(circle && pie && polygon && box && roundedBox && ellipse && text);
    auto canvas = [] {
        SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, 200, 160, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
        SDL_FillRect(s, nullptr, SDL_MapRGBA(s->format, 20, 200, 90, 0));
        SDL_Rect clip{5, 5, 180, 140};
        SDL_SetClipRect(s, &clip);
        return s;
    };
    SDL_Surface *expected = canvas(), *actual = canvas();
    const Sint16 vx[] = {10, 120, 190, 60, 30}, vy[] = {20, 5, 90, 150, 100};
    // Each shape drawn by Debian's library on the expected canvas and by ours on the other.
    auto both = [&](auto reference, auto ours, auto... args) {
        reference(expected, args...);
        ours(actual, args...);
    };
    for (Uint8 alpha : {255, 70}) {
        both(filledCircleRGBA, circle, 60, 60, 37, 200, 30, 40, alpha);
        both(filledCircleRGBA, circle, 190, 150, 25, 10, 30, 240, alpha);
        both(filledPieRGBA, pie, 120, 80, 40, 330, 360, 90, 170, 230, alpha);
        both(filledPieRGBA, pie, 100, 70, 42, 190, 350, 225, 160, 80, alpha);
        both(filledPolygonRGBA, polygon, vx, vy, 5, 250, 250, 0, alpha);
        both(boxRGBA, box, 150, 20, 90, 40, 0, 0, 0, alpha);
        both(roundedBoxRGBA, roundedBox, 4, 8, 150, 100, 15, 60, 40, 20, alpha);
        both(filledEllipseRGBA, ellipse, 100, 80, 45, 17, 200, 10, 10, alpha);
        both(filledEllipseRGBA, ellipse, 30, 120, 5, 30, 200, 10, 10, alpha);
        both(stringRGBA, text, 3, 140, "Szia, Tavrin!", 0, 0, 0, alpha);
    }
    Difference d = compare(expected, actual);
    EXPECT_EQ(d.pixels, 0) << "largest difference " << d.largest;
    SDL_FreeSurface(expected);
    SDL_FreeSurface(actual);
}

TEST_F(SdlAddons, TheFrameRateManagerPacesFiftyFramesASecond)
{
    auto initFramerate = addons.get<void (*)(FPSmanager *)>("SDL_initFramerate");
    auto setFramerate = addons.get<int (*)(FPSmanager *, Uint32)>("SDL_setFramerate");
    auto delay = addons.get<Uint32 (*)(FPSmanager *)>("SDL_framerateDelay");
    ASSERT_TRUE(initFramerate && setFramerate && delay);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0);
    FPSmanager manager;
    initFramerate(&manager);
    EXPECT_EQ(setFramerate(&manager, 0), -1);
    EXPECT_EQ(setFramerate(&manager, 201), -1);
    ASSERT_EQ(setFramerate(&manager, 50), 0);
    Uint32 start = SDL_GetTicks();
    for (int i = 0; i < 25; ++i) delay(&manager);
    Uint32 spent = SDL_GetTicks() - start;
    EXPECT_GE(spent, 480u);
    EXPECT_LE(spent, 700u);
}

}  // namespace

// blit_test.cpp -- blits as textured quads, blending choices, strips, fills, read-back and presentation
#include "scratch_dir.h"
#include "video_fixture.h"

namespace {
// The calls between Begin and End, without them.
std::vector<std::string> drawnCalls()
{
    std::vector<std::string> inside;
    bool open = false;
    for (const std::string &call : glCalls) {
        if (call.rfind("Begin", 0) == 0) open = true;
        else if (call == "End()") open = false;
        else if (open) inside.push_back(call);
    }
    return inside;
}
}  // namespace

using Blit = RecordedScreen;

TEST_F(Blit, OpaquePictureIsOneQuadAndReportsItsSize)
{
    SDL_Surface *image = makeRGB(40, 30);
    SDL_Rect at{10, 20, 0, 0};
    EXPECT_EQ(VideoBlit(image, nullptr, screen, &at), 0);
    EXPECT_EQ(at.w, 40);
    EXPECT_EQ(at.h, 30);
    VideoEndQuads();  // the quads wait in an open run for more of the same texture
    std::vector<std::string> drawing(glCalls.begin() + 8, glCalls.end());  // after the upload
    EXPECT_EQ(drawing, (std::vector<std::string>{
                           "Disable(BLEND)", "Enable(TEXTURE_2D)", "Begin(QUADS)", "Color4ub(255, 255, 255, 255)",
                           "TexCoord2f(0, 0)", "Vertex2i(10, 20)", "TexCoord2f(0.625, 0)", "Vertex2i(50, 20)",
                           "TexCoord2f(0.625, 0.46875)", "Vertex2i(50, 50)", "TexCoord2f(0, 0.46875)",
                           "Vertex2i(10, 50)", "End()"}));

    // Drawn again: no upload, no state change, no bind; just the quad.
    clearGLCalls();
    VideoBlit(image, nullptr, screen, &at);
    VideoEndQuads();
    EXPECT_EQ(glCalls.size(), 11u);
    EXPECT_EQ(glCalls.front(), "Begin(QUADS)");
    VideoFreeSurface(image);
}

TEST_F(Blit, PerSurfaceAlphaBlendsWithoutANewUpload)
{
    SDL_Surface *image = makeRGB(8, 8);
    SDL_Rect at{0, 0, 0, 0};
    VideoBlit(image, nullptr, screen, &at);
    SDL_SetAlpha(image, SDL_SRCALPHA, 128);
    VideoEndQuads();
    clearGLCalls();
    VideoBlit(image, nullptr, screen, &at);
    EXPECT_TRUE(glCallsStartingWith("GenTextures").empty());
    EXPECT_EQ(glCalls[0], "BlendFunc(SRC_ALPHA, ONE_MINUS_SRC_ALPHA)");
    EXPECT_EQ(glCalls[1], "Enable(BLEND)");
    EXPECT_EQ(glCallsStartingWith("Color4ub"), (std::vector<std::string>{"Color4ub(255, 255, 255, 128)"}));
    VideoFreeSurface(image);
}

TEST_F(Blit, AlphaChannelBlendsByItselfOnlyWithTheAlphaFlag)
{
    SDL_Surface *image = makeRGBA(8, 8);  // SDL sets SDL_SRCALPHA on surfaces with an alpha channel
    SDL_SetAlpha(image, SDL_SRCALPHA, 100);
    SDL_Rect at{0, 0, 0, 0};
    VideoBlit(image, nullptr, screen, &at);
    EXPECT_EQ(glCallsStartingWith("Enable(BLEND)").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("Color4ub"), (std::vector<std::string>{"Color4ub(255, 255, 255, 255)"}));

    SDL_SetAlpha(image, 0, 255);
    VideoEndQuads();
    clearGLCalls();
    VideoBlit(image, nullptr, screen, &at);
    EXPECT_EQ(glCalls.front(), "Disable(BLEND)");
    EXPECT_EQ(glCallsStartingWith("Color4ub"), (std::vector<std::string>{"Color4ub(255, 255, 255, 255)"}));

    // A colour key turned into the alpha channel lets the per-surface alpha count again.
    SDL_Surface *keyed = makeRGB(8, 8);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0);
    SDL_SetAlpha(keyed, SDL_SRCALPHA, 90);
    clearGLCalls();
    stderrOf([&] { VideoBlit(keyed, nullptr, screen, &at); });
    EXPECT_EQ(glCallsStartingWith("Color4ub"), (std::vector<std::string>{"Color4ub(255, 255, 255, 90)"}));
    VideoFreeSurface(keyed);
    VideoFreeSurface(image);
}

TEST_F(Blit, OnlyPicturesEntirelyPastTheEdgesAreRejectedBeforeUpload)
{
    SDL_Surface *image = makeRGB(20, 10);
    SDL_Rect atEdge{800, 0, 0, 0};
    VideoBlit(image, nullptr, screen, &atEdge);
    EXPECT_EQ(glCallsStartingWith("GenTextures").size(), 1u);
    EXPECT_EQ(atEdge.w, 20);

    for (SDL_Rect beyond : {SDL_Rect{801, 0, 0, 0}, SDL_Rect{0, 601, 0, 0}, SDL_Rect{-21, 0, 0, 0},
                            SDL_Rect{0, -11, 0, 0}}) {
        VideoInvalidate(image, nullptr);
        clearGLCalls();
        EXPECT_EQ(VideoBlit(image, nullptr, screen, &beyond), 0);
        EXPECT_TRUE(glCalls.empty()) << beyond.x << ", " << beyond.y;
    }
    SDL_Rect touching{-20, -10, 0, 0};
    clearGLCalls();
    VideoBlit(image, nullptr, screen, &touching);
    EXPECT_FALSE(glCalls.empty());
    VideoFreeSurface(image);
}

TEST_F(Blit, SourceRectangleReachingPastThePictureIsCut)
{
    SDL_Surface *image = makeRGB(40, 30);
    SDL_Rect part{-10, 20, 100, 100};
    SDL_Rect at{100, 100, 0, 0};
    VideoBlit(image, &part, screen, &at);
    EXPECT_EQ(at.w, 40);
    EXPECT_EQ(at.h, 10);
    EXPECT_EQ(glCallsStartingWith("Vertex2i"), (std::vector<std::string>{"Vertex2i(110, 100)", "Vertex2i(150, 100)",
                                                                         "Vertex2i(150, 110)", "Vertex2i(110, 110)"}));
    VideoFreeSurface(image);
}

TEST_F(Blit, RunOfOneTextureBindsOnceAndIsOneBatchOfQuads)
{
    SDL_Surface *image = makeRGB(16, 16);
    SDL_Rect at{0, 0, 0, 0};
    for (int i = 0; i < 50; i++) {
        at.x = static_cast<Sint16>(i * 10);
        VideoBlit(image, nullptr, screen, &at);
    }
    EXPECT_EQ(glCallsStartingWith("BindTexture").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("Disable").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("Enable").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("Begin").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("Vertex2i").size(), 200u);
    EXPECT_TRUE(glCallsStartingWith("End").empty());
    VideoFlip(screen);  // the frame's end ends the run
    EXPECT_EQ(glCallsStartingWith("End").size(), 1u);
    VideoFreeSurface(image);
}

TEST_F(Blit, PictureOntoPictureCopiesAndMarksTheDestination)
{
    SDL_Surface *from = makeRGB(50, 50), *onto = makeRGB(100, 100);
    SDL_FillRect(from, nullptr, SDL_MapRGB(from->format, 200, 100, 50));
    SDL_Rect at{0, 0, 0, 0};
    VideoBlit(onto, nullptr, screen, &at);  // textures made

    SDL_Rect where{10, 10, 50, 50};
    EXPECT_EQ(VideoBlit(from, nullptr, onto, &where), 0);
    const SDL_Rect &dirty = VideoGetTexInfo(onto)->dirtyRect;
    EXPECT_EQ((std::vector<int>{dirty.x, dirty.y, dirty.w, dirty.h}), (std::vector<int>{10, 10, 50, 50}));
    const Uint8 *copied = static_cast<Uint8 *>(onto->pixels) + 10 * onto->pitch + 30;
    EXPECT_EQ((std::vector<int>{copied[0], copied[1], copied[2]}), (std::vector<int>{200, 100, 50}));

    // Even a rectangle carrying no size marks where the picture landed; a second blit widens the mark.
    SDL_Rect corner{90, 90, 0, 0};
    VideoBlit(from, nullptr, onto, &corner);
    EXPECT_EQ((std::vector<int>{dirty.x, dirty.y, dirty.w, dirty.h}), (std::vector<int>{10, 10, 90, 90}));

    clearGLCalls();
    VideoBlit(onto, nullptr, screen, &at);
    EXPECT_EQ(glCallsStartingWith("DeleteTextures").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("GenTextures").size(), 1u);

    // Without a destination rectangle the whole destination is marked.
    VideoBlit(from, nullptr, onto, nullptr);
    EXPECT_EQ((std::vector<int>{dirty.x, dirty.y, dirty.w, dirty.h}), (std::vector<int>{0, 0, 100, 100}));
    VideoFreeSurface(from);
    VideoFreeSurface(onto);
}

TEST_F(Blit, BlitThatLandsNowhereKeepsAPendingMark)
{
    SDL_Surface *from = makeRGB(10, 10), *onto = makeRGB(20, 20);
    VideoAddTexInfo(onto);
    SDL_Rect first{0, 0, 0, 0}, outside{50, 50, 0, 0};
    VideoBlit(from, nullptr, onto, &first);
    VideoBlit(from, nullptr, onto, &outside);
    EXPECT_EQ(VideoGetTexInfo(onto)->dirtyRect.w, 10);
    VideoInvalidate(onto, &outside);  // empty: no change
    EXPECT_EQ(VideoGetTexInfo(onto)->dirtyRect.w, 10);
    VideoFreeSurface(from);
    VideoFreeSurface(onto);
}

TEST_F(Blit, FillOnTheScreenIsAnUntexturedQuadInTheMappedColour)
{
    SDL_Rect box{10, 20, 30, 40};
    EXPECT_EQ(VideoFillRect(screen, &box, 0x00FF0000), 0);  // blue in the ShadowScreen's byte order
    VideoEndQuads();
    EXPECT_EQ(glCalls, (std::vector<std::string>{"Disable(TEXTURE_2D)", "Disable(BLEND)", "Begin(QUADS)",
                                                 "Color3ub(0, 0, 255)", "Vertex2i(10, 20)", "Vertex2i(40, 20)",
                                                 "Vertex2i(40, 60)", "Vertex2i(10, 60)", "End()"}));
    SDL_Rect clip{100, 50, 200, 100};
    VideoSetClipRect(screen, &clip);
    clearGLCalls();
    VideoFillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 2, 3));
    EXPECT_EQ(drawnCalls(), (std::vector<std::string>{"Color3ub(1, 2, 3)", "Vertex2i(100, 50)", "Vertex2i(300, 50)",
                                                      "Vertex2i(300, 150)", "Vertex2i(100, 150)"}));
}

TEST_F(Blit, SmallPicturesShareAPageAndAChangedOneRedrawsOnlyItsPlace)
{
    video.packArea = 64 * 64;
    SDL_Surface *glyphA = makeRGBA(10, 20), *glyphB = makeRGBA(12, 20), *large = makeRGB(100, 100);
    SDL_Rect at{0, 0, 0, 0};
    VideoBlit(glyphA, nullptr, screen, &at);
    VideoBlit(glyphB, nullptr, screen, &at);
    EXPECT_EQ(glCallsStartingWith("GenTextures").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("TexImage2D"),
              (std::vector<std::string>{"TexImage2D(TEXTURE_2D, 0, RGBA8, 1024, 1024, 0, RGBA, UNSIGNED_BYTE, null)"}));
    EXPECT_EQ(glCallsStartingWith("TexSubImage2D(TEXTURE_2D, 0, 0, 0, 10, 20, RGBA").size(), 1u);
    EXPECT_EQ(glCallsStartingWith("TexSubImage2D(TEXTURE_2D, 0, 11, 0, 12, 20, RGBA").size(), 1u);
    VideoEndQuads();
    clearGLCalls();
    for (int i = 0; i < 10; i++) VideoBlit(i % 2 ? glyphB : glyphA, nullptr, screen, &at);
    EXPECT_TRUE(glCallsStartingWith("BindTexture").empty());
    EXPECT_EQ(glCallsStartingWith("Begin").size(), 1u) << "ten blits, one run";
    EXPECT_EQ(glCallsStartingWith("TexCoord2f(0.0107422, 0)").size(), 5u) << "the second picture at its place";

    VideoInvalidate(glyphB, nullptr);
    clearGLCalls();
    VideoBlit(glyphB, nullptr, screen, &at);
    EXPECT_EQ(glCallsStartingWith("TexSubImage2D(TEXTURE_2D, 0, 11, 0, 12, 20, RGBA").size(), 1u);
    EXPECT_TRUE(glCallsStartingWith("GenTextures").empty());
    EXPECT_TRUE(glCallsStartingWith("DeleteTextures").empty());

    // Too large for a page: textures of its own. Pictures leaving the page never delete it, and an
    // emptied page is filled from its corner again.
    VideoBlit(large, nullptr, screen, &at);
    EXPECT_EQ(VideoGetTexInfo(large)->page, 0);
    VideoFreeSurface(glyphA);
    VideoFreeSurface(glyphB);
    clearGLCalls();
    VideoFreeSurface(large);
    EXPECT_EQ(glCallsStartingWith("DeleteTextures").size(), 1u);
    SDL_Surface *next = makeRGBA(5, 5), *thin = makeRGBA(3, 16);  // a narrow glyph: strips of its own
    VideoBlit(next, nullptr, screen, &at);
    EXPECT_EQ(VideoGetTexInfo(next)->page, 1);
    EXPECT_EQ(VideoGetTexInfo(next)->pageX, 0);
    clearGLCalls();
    VideoBlit(thin, nullptr, screen, &at);
    EXPECT_EQ(VideoGetTexInfo(thin)->layout, LayoutStripsAlongY);
    EXPECT_EQ(VideoGetTexInfo(thin)->page, 1);
    EXPECT_EQ(glCallsStartingWith("Vertex2i"), (std::vector<std::string>{"Vertex2i(0, 0)", "Vertex2i(3, 0)",
                                                                         "Vertex2i(3, 16)", "Vertex2i(0, 16)"}));
    VideoFreeSurface(thin);
    EXPECT_EQ(VideoPagesInUse(), 1);
    VideoFreeSurface(next);
}

TEST_F(Blit, FillOnAPictureIsSDLsAndMarksIt)
{
    SDL_Surface *image = makeRGBA(10, 10);
    VideoAddTexInfo(image);
    SDL_Rect box{2, 3, 4, 5};
    EXPECT_EQ(VideoFillRect(image, &box, 0xFF0000FF), 0);
    EXPECT_EQ(static_cast<Uint32 *>(image->pixels)[3 * 10 + 2], 0xFF0000FFu);
    EXPECT_EQ(VideoGetTexInfo(image)->dirtyRect.w, 4);
    EXPECT_TRUE(glCalls.empty());
    VideoFreeSurface(image);
}

TEST(LoadBMP, LoadsAFreshSurfaceAndRefusesMissingFiles)
{
    EXPECT_EQ(VideoLoadBMP("/nonexistent/icon.bmp"), nullptr);
    EXPECT_EQ(VideoLoadBMP(nullptr), nullptr);
    ScratchDir scratch("tavrin-video");
    std::string path = (scratch.path / "icon.bmp").string();
    SDL_Surface *image = makeRGB(3, 2);
    SDL_FillRect(image, nullptr, SDL_MapRGB(image->format, 9, 8, 7));
    ASSERT_EQ(SDL_SaveBMP(image, path.c_str()), 0);
    SDL_Surface *loaded = VideoLoadBMP(path.c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->w, 3);
    EXPECT_EQ(loaded->unused1, 0u);
    Uint8 r, g, b;
    SDL_GetRGB(*static_cast<Uint32 *>(loaded->pixels) & 0xFFFFFF, loaded->format, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{9, 8, 7}));
    SDL_FreeSurface(loaded);
    SDL_FreeSurface(image);
}

// Without OpenGL: SDL's own screen, pictures drawn from display-format copies kept in their records.
class PlainScreen : public testing::Test {
protected:
    SDL_Surface *screen = nullptr;
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
        VideoResetState();
        screen = VideoSetMode(200, 100, 32, SDL_SWSURFACE);
        ASSERT_NE(screen, nullptr);
    }
    void TearDown() override
    {
        stderrOf(VideoQuit);
        unsetenv("SDL_VIDEODRIVER");
    }
    SDL_Surface *sameFormat() const
    {
        const SDL_PixelFormat *f = screen->format;
        return SDL_CreateRGBSurface(SDL_SWSURFACE, screen->w, screen->h, 32, f->Rmask, f->Gmask, f->Bmask, 0);
    }
    Uint32 pixel(const SDL_Surface *s, int x, int y) const
    {
        return static_cast<const Uint32 *>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
    }
};

TEST_F(PlainScreen, PicturesDrawnFromTheirCopiesLookAsSDLDrawsThem)
{
    std::vector<SDL_Surface *> pictures;
    auto graded = [&](SDL_Surface *s) {
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++) {
                SDL_Rect one{static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
                SDL_FillRect(s, &one, SDL_MapRGBA(s->format, Uint8(x * 9), Uint8(y * 7), Uint8(x ^ y), Uint8(x * 5 + y)));
            }
        s->unused1 = 0;
        pictures.push_back(s);
        return s;
    };
    SDL_Surface *opaque = graded(makeRGB(40, 30));
    SDL_Surface *keyed = graded(makeRGB(40, 30));
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, SDL_MapRGB(keyed->format, 0, 0, 0));
    SDL_Surface *faint = graded(SDL_CreateRGBSurface(SDL_SWSURFACE, 30, 30, 16, 0xF800, 0x07E0, 0x001F, 0));
    SDL_SetAlpha(faint, SDL_SRCALPHA, 100);
    graded(SDL_CreateRGBSurface(SDL_SWSURFACE, 30, 30, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000));  // soft
    SDL_Surface *keyedSoft = graded(makeRGBA(20, 20));  // key and alpha channel: drawn by SDL as it is
    SDL_SetColorKey(keyedSoft, SDL_SRCCOLORKEY, SDL_MapRGBA(keyedSoft->format, 0, 0, 0, 0));

    SDL_Surface *reference = sameFormat();
    for (SDL_Surface *target : {screen, reference}) {
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 30, 60, 90));
        int x = 0;
        for (SDL_Surface *p : pictures) {
            SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(x / 3), 0, 0};
            if (target == screen) VideoBlit(p, nullptr, screen, &at);
            else SDL_UpperBlit(p, nullptr, reference, &at);
            x += 35;
        }
    }
    for (int y = 0; y < 100; y++)
        for (int x = 0; x < 200; x++) {
            const Uint32 a = pixel(screen, x, y), b = pixel(reference, x, y);
            // Blends (the faint and the soft picture) go through SDL's routine for the screen's own format,
            // which rounds differently from its routine for the original: one level at most. Opaque and
            // keyed pictures are exact.
            const int tolerance = x >= 70 && x < 135 ? 1 : 0;
            for (int shift : {0, 8, 16})
                ASSERT_LE(std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)), tolerance) << x << ", " << y;
        }
    EXPECT_NE(VideoGetTexInfo(opaque)->displayCopy, nullptr);
    EXPECT_EQ(VideoGetTexInfo(keyedSoft), nullptr);
    SDL_FreeSurface(reference);
    for (SDL_Surface *p : pictures) VideoFreeSurface(p);
}

TEST_F(PlainScreen, ChangesReachTheScreenWhenMarkedAndAlphaAtOnce)
{
    SDL_Surface *picture = makeRGB(10, 10);
    SDL_Rect at{0, 0, 0, 0};
    VideoFillRect(picture, nullptr, SDL_MapRGB(picture->format, 200, 0, 0));
    VideoBlit(picture, nullptr, screen, &at);
    EXPECT_EQ(pixel(screen, 5, 5), SDL_MapRGB(screen->format, 200, 0, 0));

    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, 0, 200, 0));  // behind the layer's back
    VideoBlit(picture, nullptr, screen, &at);
    EXPECT_EQ(pixel(screen, 5, 5), SDL_MapRGB(screen->format, 200, 0, 0));

    SDL_Surface *stamp = makeRGB(2, 2);
    SDL_FillRect(stamp, nullptr, SDL_MapRGB(stamp->format, 0, 0, 200));
    SDL_Rect into{4, 4, 0, 0};
    VideoBlit(stamp, nullptr, picture, &into);  // through the layer: the copy is made again
    VideoBlit(picture, nullptr, screen, &at);
    EXPECT_EQ(pixel(screen, 5, 5), SDL_MapRGB(screen->format, 0, 0, 200));
    EXPECT_EQ(pixel(screen, 1, 1), SDL_MapRGB(screen->format, 0, 200, 0));

    SDL_FillRect(screen, nullptr, 0);
    SDL_SetAlpha(picture, SDL_SRCALPHA, 128);
    VideoBlit(picture, nullptr, screen, &at);
    EXPECT_EQ(pixel(screen, 1, 1), SDL_MapRGB(screen->format, 0, 100, 0));
    SDL_SetColorKey(picture, SDL_SRCCOLORKEY, SDL_MapRGB(picture->format, 0, 200, 0));
    SDL_FillRect(screen, nullptr, 0);
    VideoBlit(picture, nullptr, screen, &at);
    EXPECT_EQ(pixel(screen, 1, 1), 0u);
    VideoFreeSurface(stamp);
    VideoFreeSurface(picture);
}

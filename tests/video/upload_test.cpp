// upload_test.cpp -- textures from surfaces: direct uploads, conversions, keys, re-uploads and their OpenGL calls
#include "pixels.h"
#include "video_fixture.h"

namespace {
std::string subImage(int x, int y, int width, int height, const char *format, const void *pixels)
{
    char text[160];
    snprintf(text, sizeof text, "TexSubImage2D(TEXTURE_2D, 0, %d, %d, %d, %d, %s, UNSIGNED_BYTE, %s)", x, y, width,
             height, format, addressText(pixels).c_str());
    return text;
}
}  // namespace

using Upload = RecordedScreen;

TEST_F(Upload, TightRGBGoesStraightIntoOneTexture)
{
    SDL_Surface *image = makeRGB(40, 30);  // pitch 120 = 3 x 40
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(VideoUploadTexture(image), 0); }), "");
    EXPECT_EQ(glCalls, (std::vector<std::string>{
                           "GenTextures(1) -> 1", "BindTexture(TEXTURE_2D, 1)", "PixelStorei(UNPACK_ROW_LENGTH, 40)",
                           "TexParameteri(TEXTURE_2D, TEXTURE_MAG_FILTER, NEAREST)",
                           "TexParameteri(TEXTURE_2D, TEXTURE_MIN_FILTER, NEAREST)",
                           "TexImage2D(TEXTURE_2D, 0, RGB8, 64, 64, 0, RGB, UNSIGNED_BYTE, null)",
                           subImage(0, 0, 40, 30, "RGB", image->pixels), "Flush()"}));
    EXPECT_EQ(VideoGetTexInfo(image)->textureNames[0], 1u);

    // Unchanged, the next upload makes nothing and says nothing.
    clearGLCalls();
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(VideoUploadTexture(image), 0); }), "");
    EXPECT_TRUE(glCalls.empty());
    VideoFreeSurface(image);
}

TEST_F(Upload, PaddedOrForeignLayoutsAreConvertedWithAWarning)
{
    SDL_Surface *padded = makeRGB(5, 5);  // SDL pads each row of 15 bytes to 16
    SDL_Surface *bgra = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    SDL_Surface *rgb565 = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 16, 0xF800, 0x07E0, 0x001F, 0);
    // Rows of 15 bytes without padding: OpenGL would read them at 16-byte steps.
    static Uint8 unpadded[15 * 3];
    SDL_Surface *tight = SDL_CreateRGBSurfaceFrom(unpadded, 5, 3, 24, 15, 0xFF, 0xFF00, 0xFF0000, 0);
    for (SDL_Surface *s : {padded, bgra, rgb565, tight}) {
        s->unused1 = 0;
        EXPECT_EQ(VideoIsUploadFormat(s), 0);
        EXPECT_EQ(stderrOf([&] { EXPECT_EQ(VideoUploadTexture(s), 0); }),
                  "video: WARNING: On-the-fly conversion performed!\n");
    }
    SDL_Surface *rgba = makeRGBA(3, 3);
    EXPECT_NE(VideoIsUploadFormat(rgba), 0);
    SDL_FreeSurface(rgba);
    EXPECT_NE(VideoIsUploadFormat(nullptr), 0);
    // The converted copies are gone again: only the screen's two records and the four pictures' remain.
    EXPECT_EQ(VideoRecordsInUse(), 6);
    for (SDL_Surface *s : {padded, bgra, rgb565, tight}) VideoFreeSurface(s);
}

TEST_F(Upload, ConversionToRGBAKeepsEveryChannelInPlace)
{
    SDL_Surface *bgra = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    bgra->unused1 = 0;
    static_cast<Uint32 *>(bgra->pixels)[0] = 0x80112233;  // a 0x80, r 0x11, g 0x22, b 0x33
    static_cast<Uint32 *>(bgra->pixels)[1] = 0xFF445566;
    SDL_Surface *converted = VideoConvertRGBA(bgra);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->format->Rmask, 0xFFu);
    const Uint8 *bytes = static_cast<const Uint8 *>(converted->pixels);
    EXPECT_EQ(std::vector<int>(bytes, bytes + 8), (std::vector<int>{0x11, 0x22, 0x33, 0x80, 0x44, 0x55, 0x66, 0xFF}));
    VideoFreeSurface(converted);
    VideoFreeSurface(bgra);
}

TEST_F(Upload, KeyedPictureBecomesRGBAWithTransparentKeyPixels)
{
    SDL_Surface *keyed = makeRGB(3, 2);
    const Uint32 magenta = SDL_MapRGB(keyed->format, 255, 0, 255);
    SDL_FillRect(keyed, nullptr, SDL_MapRGB(keyed->format, 10, 20, 30));
    SDL_Rect spot{1, 1, 1, 1};
    SDL_FillRect(keyed, &spot, magenta);
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, magenta);
    EXPECT_EQ(VideoIsUploadFormat(keyed), 0);

    SDL_Surface *converted = VideoConvertRGB(keyed);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->format->BitsPerPixel, 32);
    EXPECT_EQ(converted->format->Amask, 0xFF000000u);
    EXPECT_FALSE(converted->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(pixelAt(converted, 1, 1), 0u);
    EXPECT_EQ(pixelAt(converted, 0, 0), 0xFF1E140Au);
    EXPECT_EQ(pixelAt(converted, 2, 1), 0xFF1E140Au);

    // With per-surface alpha as well, the channel still says opaque: the quad applies that alpha.
    SDL_SetAlpha(keyed, SDL_SRCALPHA, 200);
    SDL_Surface *faint = VideoConvertRGB(keyed);
    EXPECT_EQ(pixelAt(faint, 0, 0), 0xFF1E140Au);
    EXPECT_EQ(pixelAt(faint, 1, 1), 0u);
    EXPECT_TRUE(faint->flags & SDL_SRCALPHA);
    EXPECT_EQ(faint->format->alpha, 200);
    EXPECT_EQ(keyed->format->alpha, 200);
    VideoFreeSurface(faint);
    SDL_SetAlpha(keyed, 0, 255);

    // Uploaded, it becomes one RGBA texture.
    stderrOf([&] { VideoUploadTexture(keyed); });
    EXPECT_EQ(glCallsStartingWith("TexImage2D"),
              (std::vector<std::string>{"TexImage2D(TEXTURE_2D, 0, RGBA8, 4, 4, 0, RGBA, UNSIGNED_BYTE, null)"}));
    VideoFreeSurface(converted);
    VideoFreeSurface(keyed);
}

TEST_F(Upload, MarkedPictureHasEveryTextureMadeAgain)
{
    TearDown();
    open(800, 600, 1, 512);
    SDL_Surface *image = makeRGB(640, 480);  // two textures of 512
    VideoUploadTexture(image);
    VideoInvalidate(image, nullptr);
    EXPECT_EQ(VideoGetTexInfo(image)->dirtyRect.w, 640);
    clearGLCalls();
    VideoUploadTexture(image);
    EXPECT_EQ(glCallsStartingWith("DeleteTextures"),
              (std::vector<std::string>{"DeleteTextures(1, 1)", "DeleteTextures(1, 2)"}));
    EXPECT_EQ(glCallsStartingWith("GenTextures"),
              (std::vector<std::string>{"GenTextures(1) -> 3", "GenTextures(1) -> 4"}));
    EXPECT_EQ(VideoGetTexInfo(image)->dirtyRect.w, 0);
    VideoFreeSurface(image);
}

TEST_F(Upload, NameHandedOutAgainIsBoundBeforeItsUpload)
{
    TearDown();
    open(800, 600, 1, 16384, true);
    SDL_Surface *image = makeRGB(40, 30), *other = makeRGB(8, 8);
    VideoUploadTexture(image);
    // Re-made after a change, and made for another picture after a free: the driver hands name 1 out
    // again each time, and the upload must go to it, not to texture 0.
    VideoInvalidate(image, nullptr);
    clearGLCalls();
    VideoUploadTexture(image);
    VideoFreeSurface(image);
    VideoUploadTexture(other);
    EXPECT_EQ(glCallsStartingWith("DeleteTextures(1, 1)").size(), 2u);
    EXPECT_EQ(glCallsStartingWith("GenTextures"),
              (std::vector<std::string>{"GenTextures(1) -> 1", "GenTextures(1) -> 1"}));
    EXPECT_EQ(glCallsStartingWith("BindTexture"),
              (std::vector<std::string>{"BindTexture(TEXTURE_2D, 1)", "BindTexture(TEXTURE_2D, 1)"}));
    VideoFreeSurface(other);
}

TEST_F(Upload, TextureLargerThanAllowedIsRefused)
{
    SDL_Surface *image = makeRGB(300, 300);
    VideoAddTexInfo(image);  // planned while 16384 was allowed: one texture of 512
    video.maxTextureSize = 256;
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(VideoUploadTexture(image), -1); }), "video: INTERNAL ERROR: Too large texture!\n");
    EXPECT_TRUE(glCallsStartingWith("GenTextures").empty());

    // Refused after a change: the old textures are gone and nothing draws their names any more.
    video.maxTextureSize = 16384;
    VideoUploadTexture(image);
    VideoInvalidate(image, nullptr);
    video.maxTextureSize = 256;
    SDL_Rect at{0, 0, 0, 0};
    stderrOf([&] { VideoBlit(image, nullptr, screen, &at); });
    EXPECT_EQ(glCallsStartingWith("DeleteTextures"), (std::vector<std::string>{"DeleteTextures(1, 1)"}));
    EXPECT_TRUE(glCallsStartingWith("Begin").empty());
    VideoFreeSurface(image);
}

TEST_F(Upload, OpenGLErrorsAreNamed)
{
    queueGLError(GL_OUT_OF_MEMORY);
    SDL_Surface *image = makeRGB(4, 4);
    EXPECT_EQ(stderrOf([&] { VideoUploadTexture(image); }), "OpenGL error \"GL_OUT_OF_MEMORY\" at point 1.\n");

    queueGLError(0x0506);
    EXPECT_EQ(stderrOf([] { VideoCheckGLError(7); }), "OpenGL error \"<unknown>\" at point 7.\n");
    EXPECT_EQ(stderrOf([] { VideoCheckGLError(1); }), "");
    VideoFreeSurface(image);
}

TEST_F(Upload, PictureThatCannotBeTexturedIsNeverConverted)
{
    TearDown();
    open(800, 600, 1, 512);
    SDL_Surface *huge = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 16, 0xF800, 0x07E0, 0x001F, 0);
    huge->unused1 = 0;
    SDL_Rect at{0, 0, 0, 0};
    EXPECT_EQ(stderrOf([&] {
                  EXPECT_EQ(VideoBlit(huge, nullptr, screen, &at), 0);
                  EXPECT_EQ(VideoBlit(huge, nullptr, screen, &at), 0);
              }),
              "video: \"Huge\" surfaces not yet supported!\n");
    EXPECT_TRUE(glCallsStartingWith("Begin").empty());
    EXPECT_TRUE(glCallsStartingWith("GenTextures").empty());
    VideoFreeSurface(huge);
}

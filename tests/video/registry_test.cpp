// registry_test.cpp -- texture records: handles, slots, the tiling plan, release, marks and the leak report
#include <memory>
#include <vector>

#include "video_fixture.h"

namespace {
struct SurfaceDeleter {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};
using OwnedSurface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct PlanCase {
    int width, height, maxSize;
    int side;
    VideoTileLayout layout;
    int strips, perTexture, textures, stripWidth, stripHeight;
};

// The number of strips is not stored; it follows from the longer side and the texture side.
int stripCount(const TexInfo *info)
{
    int longer = std::max(info->sourceRect.w, info->sourceRect.h);
    return (longer + info->textureSide - 1) / info->textureSide;
}
}  // namespace

using Registry = RecordedLayer;

TEST_F(Registry, PlanPacksSurfacesIntoTheSquarestTextures)
{
    constexpr VideoTileLayout one = LayoutOnePiece, alongX = LayoutStripsAlongX, alongY = LayoutStripsAlongY;
    const PlanCase cases[] = {
        {800, 600, 1024, 1024, one, 1, 1, 1, 800, 600},       {800, 600, 16384, 1024, one, 1, 1, 1, 800, 600},
        {640, 480, 512, 512, alongX, 2, 1, 2, 512, 480},      {800, 100, 2048, 512, alongX, 2, 5, 1, 512, 100},
        {2000, 20, 1024, 256, alongX, 8, 12, 1, 256, 20},     {20, 2000, 1024, 256, alongY, 8, 12, 1, 20, 256},
        {1025, 1, 1024, 32, alongX, 33, 32, 2, 32, 1},        {1, 1, 256, 1, one, 1, 1, 1, 1, 1},
        {1024, 1024, 1024, 1024, one, 1, 1, 1, 1024, 1024}, {1024, 100, 1024, 512, alongX, 2, 5, 1, 512, 100},
    };
    for (const PlanCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " max " << c.maxSize);
        video.maxTextureSize = c.maxSize;
        OwnedSurface surface(makeRGB(c.width, c.height));
        ASSERT_EQ(VideoAddTexInfo(surface.get()), 0);
        const TexInfo *info = VideoGetTexInfo(surface.get());
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->textureSide, c.side);
        EXPECT_EQ(info->layout, c.layout);
        EXPECT_EQ(stripCount(info), c.strips);
        EXPECT_EQ(info->stripsPerTexture, c.perTexture);
        EXPECT_EQ(info->textureCount, c.textures);
        EXPECT_EQ(info->stripWidth, c.stripWidth);
        EXPECT_EQ(info->stripHeight, c.stripHeight);
        for (int i = 0; i < info->textureCount; i++) EXPECT_EQ(info->textureNames[i], VideoNoTexture);
        EXPECT_EQ(info->outWidth, c.width);
        EXPECT_EQ(info->outHeight, c.height);
        EXPECT_EQ(info->dirtyRect.w, 0);
        VideoFreeSurface(surface.release());
    }
}

TEST_F(Registry, SurfaceTooWideForAnyTextureIsRegisteredWithoutTextures)
{
    video.maxTextureSize = 512;
    OwnedSurface surface(makeRGB(800, 600));
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(VideoAddTexInfo(surface.get()), 0); }),
              "video: \"Huge\" surfaces not yet supported!\n");
    const TexInfo *info = VideoGetTexInfo(surface.get());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->textureCount, 0);
    EXPECT_EQ(info->textureNames, nullptr);
    VideoFreeSurface(surface.release());
}

TEST_F(Registry, EmptySurfacesGetRecordsWithoutTextures)
{
    for (auto [width, height] : {std::pair{0, 10}, std::pair{10, 0}, std::pair{0, 0}}) {
        OwnedSurface surface(makeRGB(width, height));
        ASSERT_EQ(VideoAddTexInfo(surface.get()), 0);
        EXPECT_EQ(VideoGetTexInfo(surface.get())->textureCount, 0);
        EXPECT_EQ(VideoUploadTexture(surface.get()), 0);
        VideoFreeSurface(surface.release());
    }
    EXPECT_TRUE(glCalls.empty());
}

TEST_F(Registry, FreedSlotsAreHandedOutLowestFirst)
{
    std::vector<OwnedSurface> surfaces;
    for (int i = 0; i < 5; i++) {
        surfaces.emplace_back(makeRGB(4, 4));
        ASSERT_EQ(VideoAddTexInfo(surfaces.back().get()), 0);
        EXPECT_EQ(surfaces.back()->unused1, static_cast<Uint32>(i + 1));
    }
    VideoRemoveTexInfo(surfaces[2].get());
    EXPECT_EQ(surfaces[2]->unused1, 0u);
    EXPECT_EQ(VideoRecordsInUse(), 4);

    OwnedSurface newcomer(makeRGB(4, 4));
    ASSERT_EQ(VideoAddTexInfo(newcomer.get()), 0);
    EXPECT_EQ(newcomer->unused1, 3u);
    stderrOf(VideoFreeAllTexInfos);
}

TEST_F(Registry, FullTableRefusesTheNextSurfaceAndHandlesBeyondItFindNothing)
{
    std::vector<OwnedSurface> surfaces;
    for (int i = 0; i < VideoMaxHandles; i++) {
        surfaces.emplace_back(makeRGB(1, 1));
        ASSERT_EQ(VideoAddTexInfo(surfaces.back().get()), 0);
    }
    SDL_Surface *last = surfaces.back().get();
    EXPECT_EQ(last->unused1, 16384u);
    EXPECT_NE(VideoGetTexInfo(last), nullptr);

    OwnedSurface extra(makeRGB(1, 1));
    EXPECT_EQ(stderrOf([&] { EXPECT_EQ(VideoAddTexInfo(extra.get()), -2); }), "video: Out of handles!\n");
    EXPECT_EQ(extra->unused1, 0u);

    extra->unused1 = 16385;
    EXPECT_EQ(VideoGetTexInfo(extra.get()), nullptr);
    extra->unused1 = 0xFFFFFFFFu;
    EXPECT_EQ(VideoGetTexInfo(extra.get()), nullptr);

    std::string report = stderrOf(VideoFreeAllTexInfos);
    EXPECT_NE(report.find("video: Leaked TexInfo 16383! (1x1)\n"), std::string::npos);
    EXPECT_NE(report.find("video: Leaked 16384 TexInfos!\n"), std::string::npos);
    // Without a table every handle finds nothing.
    EXPECT_EQ(VideoGetTexInfo(last), nullptr);
}

TEST_F(Registry, HandleLeftInAnotherSurfaceDoesNotReachTheRecord)
{
    OwnedSurface owner(makeRGB(8, 8)), stranger(makeRGB(16, 16));
    ASSERT_EQ(VideoAddTexInfo(owner.get()), 0);
    stranger->unused1 = owner->unused1;  // e.g. garbage, or left over from a released record
    EXPECT_EQ(VideoGetTexInfo(stranger.get()), nullptr);

    // Registering the stranger gives it a record of its own and leaves the owner's alone.
    ASSERT_EQ(VideoAddTexInfo(stranger.get()), 0);
    EXPECT_NE(stranger->unused1, owner->unused1);
    EXPECT_EQ(VideoGetTexInfo(stranger.get())->sourceRect.w, 16);
    EXPECT_EQ(VideoGetTexInfo(owner.get())->sourceRect.w, 8);
    VideoFreeSurface(owner.release());
    VideoFreeSurface(stranger.release());
}

TEST_F(Registry, FreeingASurfaceDeletesItsTexturesAndRecord)
{
    video.maxTextureSize = 512;
    SDL_Surface *surface = makeRGB(640, 480);
    ASSERT_EQ(VideoAddTexInfo(surface), 0);
    TexInfo *info = VideoGetTexInfo(surface);
    info->textureNames[0] = 7;
    info->textureNames[1] = 9;
    VideoFreeSurface(surface);
    EXPECT_EQ(glCalls, (std::vector<std::string>{"DeleteTextures(1, 7)", "DeleteTextures(1, 9)"}));
    EXPECT_EQ(VideoRecordsInUse(), 0);
    VideoFreeSurface(nullptr);
}

TEST_F(Registry, ReleasingTexturesWithoutAContextCallsNothing)
{
    VideoUnloadGL();
    SDL_Surface *surface = makeRGB(10, 10);
    ASSERT_EQ(VideoAddTexInfo(surface), 0);
    VideoGetTexInfo(surface)->dirtyRect = SDL_Rect{1, 1, 2, 2};
    VideoReleaseTextures(surface);
    EXPECT_EQ(VideoGetTexInfo(surface)->dirtyRect.w, 0);
    VideoFreeSurface(surface);
    EXPECT_TRUE(glCalls.empty());
}

TEST_F(Registry, LeakReportNamesSlotIndicesAndSizes)
{
    OwnedSurface big(makeRGB(800, 600)), freed(makeRGB(2, 2)), small(makeRGB(32, 16));
    ASSERT_EQ(VideoAddTexInfo(big.get()), 0);
    ASSERT_EQ(VideoAddTexInfo(freed.get()), 0);
    ASSERT_EQ(VideoAddTexInfo(small.get()), 0);
    VideoFreeSurface(freed.release());
    EXPECT_EQ(stderrOf(VideoFreeAllTexInfos),
              "video: Leaked TexInfo 0! (800x600)\n"
              "video: Leaked TexInfo 2! (32x16)\n"
              "video: Leaked 2 TexInfos!\n");
    EXPECT_EQ(VideoRecordsInUse(), 0);

    // Nothing left, nothing said.
    EXPECT_EQ(stderrOf(VideoFreeAllTexInfos), "");
}

TEST_F(Registry, ReleaseSinceMarkDropsOnlyRecordsMadeAfterIt)
{
    OwnedSurface before1(makeRGB(4, 4)), before2(makeRGB(4, 4)), before3(makeRGB(4, 4));
    for (SDL_Surface *s : {before1.get(), before2.get(), before3.get()}) ASSERT_EQ(VideoAddTexInfo(s), 0);
    VideoRecordMark mark;
    VideoMarkRecords(&mark);

    // A game frees one of the shell's pictures properly, then makes its own: one takes the freed slot.
    VideoFreeSurface(before2.release());
    SDL_Surface *game1 = makeRGB(4, 4), *game2 = makeRGB(300, 4);
    ASSERT_EQ(VideoAddTexInfo(game1), 0);
    ASSERT_EQ(VideoAddTexInfo(game2), 0);
    EXPECT_EQ(game1->unused1, 2u);
    VideoGetTexInfo(game2)->textureNames[0] = 41;
    EXPECT_EQ(VideoRecordsInUse(), 4);

    // The game frees its pictures behind the layer's back; the host then releases what the game made.
    SDL_FreeSurface(game1);
    SDL_FreeSurface(game2);
    clearGLCalls();
    VideoReleaseRecordsSince(&mark);
    EXPECT_EQ(VideoRecordsInUse(), 2);
    const std::string neverMade = "DeleteTextures(1, " + std::to_string(VideoNoTexture) + ")";
    EXPECT_EQ(glCalls, (std::vector<std::string>{neverMade, "DeleteTextures(1, 41)"}));
    EXPECT_NE(VideoGetTexInfo(before1.get()), nullptr);
    EXPECT_NE(VideoGetTexInfo(before3.get()), nullptr);

    // A shell picture first drawn during the game lost its record with the game's; it simply gets a
    // new one at its next draw.
    VideoFreeSurface(before1.release());
    VideoFreeSurface(before3.release());
    EXPECT_EQ(VideoRecordsInUse(), 0);
}

TEST_F(Registry, PictureAGameFreesLosesItsRecordAtTheEndOfTheFrame)
{
    OwnedSurface shell(makeRGB(4, 4));
    ASSERT_EQ(VideoAddTexInfo(shell.get()), 0);
    VideoRecordMark mark;
    VideoMarkRecords(&mark);

    // Frame after frame a game makes a picture, draws it and frees it with SDL alone.
    SDL_Surface *kept = makeRGB(4, 4);
    ASSERT_EQ(VideoAddTexInfo(kept), 0);
    for (int frame = 0; frame < 100; frame++) {
        SDL_Surface *score = makeRGB(40, 10);
        ASSERT_EQ(VideoAddTexInfo(score), 0);
        VideoGetTexInfo(score)->textureNames[0] = 500 + frame;
        SDL_FreeSurface(score);
        clearGLCalls();
        EXPECT_EQ(VideoSweepRecords(), 1);
        EXPECT_EQ(glCalls, (std::vector<std::string>{"DeleteTextures(1, " + std::to_string(500 + frame) + ")"}));
    }
    EXPECT_EQ(VideoRecordsInUse(), 2);
    EXPECT_EQ(kept->refcount, 2) << "held by the game and by the layer";
    EXPECT_EQ(shell->refcount, 1) << "the shell's own pictures are not held";

    // Freed through the layer, a held picture gives both references back at once.
    SDL_Surface *converted = makeRGB(4, 4);
    ASSERT_EQ(VideoAddTexInfo(converted), 0);
    converted->refcount++;  // a reference of the test's own, to look at what is left
    VideoFreeSurface(converted);
    EXPECT_EQ(converted->refcount, 1);
    EXPECT_EQ(converted->unused1, 0u);
    SDL_FreeSurface(converted);

    // The game ends still holding a picture: its record goes, the picture stays the game's.
    VideoReleaseRecordsSince(&mark);
    EXPECT_EQ(kept->refcount, 1);
    EXPECT_EQ(VideoRecordsInUse(), 1);
    SDL_Surface *later = makeRGB(4, 4);
    ASSERT_EQ(VideoAddTexInfo(later), 0);
    EXPECT_EQ(later->refcount, 1) << "after the game, nothing is held";
    VideoFreeSurface(later);
    SDL_FreeSurface(kept);
}

TEST_F(Registry, FreedGamePictureIsNoLeakAtShutdown)
{
    VideoRecordMark mark;
    VideoMarkRecords(&mark);
    SDL_Surface *freed = makeRGB(4, 4), *leaked = makeRGB(6, 2);
    ASSERT_EQ(VideoAddTexInfo(freed), 0);
    ASSERT_EQ(VideoAddTexInfo(leaked), 0);
    SDL_FreeSurface(freed);
    EXPECT_EQ(stderrOf(VideoFreeAllTexInfos), "video: Leaked TexInfo 1! (6x2)\nvideo: Leaked 1 TexInfos!\n");
    EXPECT_EQ(leaked->refcount, 1);
    SDL_FreeSurface(leaked);
}

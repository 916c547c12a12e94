// module_textures_test.cpp -- games started and ended over and over leave no texture records or textures behind
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "modules/modules.h"
#include "platform/library.h"
#include "shell/shell.h"
#include "video/video.h"
#include "video/video_internal.h"

namespace {

// Every texture name the layer creates and has not deleted yet, seen through its OpenGL table.
std::set<GLuint> liveTextures;
void(APIENTRY *realGenTextures)(GLsizei, GLuint *);
void(APIENTRY *realDeleteTextures)(GLsizei, const GLuint *);

void APIENTRY countGenTextures(GLsizei count, GLuint *names)
{
    realGenTextures(count, names);
    for (GLsizei i = 0; i < count; ++i) liveTextures.insert(names[i]);
}

void APIENTRY countDeleteTextures(GLsizei count, const GLuint *names)
{
    for (GLsizei i = 0; i < count; ++i) liveTextures.erase(names[i]);
    realDeleteTextures(count, names);
}

SDL_Surface *menuPicture;
int menuIgnores(SDL_Event *) { return 0; }
void drawMenuPicture() { hostBlit(menuPicture, 10, 10); }
void noPace() {}

bool frame(std::vector<SDL_Event> batch = {}) { return runFrame(batch.data(), static_cast<int>(batch.size())); }

TEST(ModuleTextures, FiveHundredGamesLeaveRecordsAndTexturesWhereTheFirstLeftThem)
{
    screen = VideoSetMode(800, 600, 32, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
    realGenTextures = gl.GenTextures;
    realDeleteTextures = gl.DeleteTextures;
    gl.GenTextures = countGenTextures;
    gl.DeleteTextures = countDeleteTextures;

    menuPicture = VideoCreateRGBA(120, 80);
    ASSERT_NE(menuPicture, nullptr);
    SDL_FillRect(menuPicture, nullptr, SDL_MapRGBA(menuPicture->format, 250, 180, 20, 255));
    activeGame = -1;
    frameHooks = FrameHooks{menuIgnores, menuIgnores, drawMenuPicture, VideoFlip, noPace};
    librarySetDirectory(TAVRIN_TEST_MODULE_DIR "/pictures");

    // The menu has drawn before any game starts, so its picture is registered and has its texture.
    frame();
    ASSERT_NE(VideoGetTexInfo(menuPicture), nullptr);
    const int menuRecords = VideoRecordsInUse();
    const size_t menuTextures = liveTextures.size();

    SDL_Event escape{};
    escape.type = SDL_KEYDOWN;
    escape.key.type = SDL_KEYDOWN;
    escape.key.keysym.sym = SDLK_ESCAPE;
    auto playOneGame = [&](bool look) {
        startGameModule(1);
        ASSERT_EQ(activeGame, 1);
        frame();
        frame();
        if (look) {
            EXPECT_GT(VideoRecordsInUse(), menuRecords) << "the game's pictures are drawn through textures";
            EXPECT_GT(liveTextures.size(), menuTextures);
        }
        frame({escape});
        ASSERT_EQ(activeGame, -1);
    };

    playOneGame(true);
    const int recordsAfterFirst = VideoRecordsInUse();
    const size_t texturesAfterFirst = liveTextures.size();
    EXPECT_EQ(recordsAfterFirst, menuRecords);
    EXPECT_EQ(texturesAfterFirst, menuTextures);

    for (int game = 2; game <= 500 && !HasFatalFailure(); ++game) playOneGame(false);
    EXPECT_EQ(VideoRecordsInUse(), recordsAfterFirst);
    EXPECT_EQ(liveTextures.size(), texturesAfterFirst);

    // The menu's own picture kept its record and texture throughout.
    TexInfo *menuInfo = VideoGetTexInfo(menuPicture);
    ASSERT_NE(menuInfo, nullptr);
    ASSERT_GE(menuInfo->textureCount, 1);
    EXPECT_EQ(liveTextures.count(menuInfo->textureNames[0]), 1u);

    gl.GenTextures = realGenTextures;
    gl.DeleteTextures = realDeleteTextures;
    librarySetDirectory(nullptr);
    resetFrameHooks();
    VideoFreeSurface(menuPicture);
    VideoFreeSurface(screen);
    screen = nullptr;
    VideoQuit();
}

}  // namespace

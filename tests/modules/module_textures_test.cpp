// module_textures_test.cpp -- games started and ended over and over leave no texture records or textures behind
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include <set>
#include <vector>

#include "base/screen.h"
#include "base/state.h"
#include "modules/modules.h"
#include "platform/library.h"
#include "shell/loop.h"
#include "video/video.h"
#include "video/video_internal.h"

#include "events.h"
#include "mapped.h"

namespace {

// Every texture name the layer creates and has not deleted yet, seen through its OpenGL table.
std::set<GLuint> liveTextures;
size_t texturesMade = 0;
void(APIENTRY *realGenTextures)(GLsizei, GLuint *);
void(APIENTRY *realDeleteTextures)(GLsizei, const GLuint *);

void APIENTRY countGenTextures(GLsizei count, GLuint *names)
{
    realGenTextures(count, names);
    for (GLsizei i = 0; i < count; ++i) liveTextures.insert(names[i]);
    texturesMade += static_cast<size_t>(count);
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

// An OpenGL screen whose textures are counted, a menu that draws one picture, and the games' folder.
void openCountedScreen(const char *gameFolder)
{
    screen = VideoSetMode(800, 600, 32, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
    realGenTextures = gl.GenTextures;
    realDeleteTextures = gl.DeleteTextures;
    gl.GenTextures = countGenTextures;
    gl.DeleteTextures = countDeleteTextures;
    menuPicture = VideoCreateRGBA(120, 80);
    ASSERT_NE(menuPicture, nullptr);
    activeGame = -1;
    frameHooks = FrameHooks{menuIgnores, menuIgnores, drawMenuPicture, VideoFlip, noPace};
    librarySetDirectory(gameFolder);
}

void closeCountedScreen()
{
    gl.GenTextures = realGenTextures;
    gl.DeleteTextures = realDeleteTextures;
    librarySetDirectory(nullptr);
    resetFrameHooks();
    VideoFreeSurface(menuPicture);
    VideoFreeSurface(screen);
    screen = nullptr;
    VideoQuit();
}

TEST(ModuleTextures, FiveHundredGamesLeaveRecordsAndTexturesWhereTheFirstLeftThem)
{
    ASSERT_NO_FATAL_FAILURE(openCountedScreen(TAVRIN_TEST_MODULE_DIR "/pictures"));
    SDL_FillRect(menuPicture, nullptr, SDL_MapRGBA(menuPicture->format, 250, 180, 20, 255));

    // The menu has drawn before any game starts, so its picture is registered and has its texture.
    frame();
    ASSERT_NE(VideoGetTexInfo(menuPicture), nullptr);
    const int menuRecords = VideoRecordsInUse();
    const size_t menuTextures = liveTextures.size();

    const SDL_Event escape = keyEvent(SDL_KEYDOWN, SDLK_ESCAPE);
    auto playOneGame = [&](bool look) {
        startGameModule(1);
        ASSERT_EQ(activeGame, 1);
        const size_t madeBefore = texturesMade;
        frame();
        frame();
        if (look) {
            EXPECT_GT(texturesMade, madeBefore) << "the game's pictures are drawn through textures";
            // The game frees its pictures every frame, and they go with the frame.
            EXPECT_EQ(VideoRecordsInUse(), menuRecords);
            EXPECT_EQ(liveTextures.size(), menuTextures);
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

    closeCountedScreen();
}

TEST(ModuleTextures, RealGamesComeAndGoWithoutLeavingRecordsTexturesOrTheirLibraries)
{
    // The games find their font in the working directory, as the program runs them.
    char previousDirectory[PATH_MAX];
    ASSERT_NE(getcwd(previousDirectory, sizeof previousDirectory), nullptr);
    ASSERT_EQ(chdir(TAVRIN_RUN_DIR), 0);
    ASSERT_NO_FATAL_FAILURE(openCountedScreen(TAVRIN_RUN_DIR));
    frame();
    const int menuRecords = VideoRecordsInUse();
    const size_t menuTextures = liveTextures.size();

    const SDL_Event escape = keyEvent(SDL_KEYDOWN, SDLK_ESCAPE);
    for (int round = 0; round < 10 && !HasFailure(); ++round) {
        for (int game = 1; game <= 2; ++game) {
            startGameModule(game);
            ASSERT_EQ(activeGame, game) << "game " << game;
            for (int i = 0; i < 5; ++i) frame({motionEvent(100 + 60 * round, 150 + 30 * round)});
            EXPECT_GT(VideoRecordsInUse(), menuRecords) << "game " << game << " draws its pictures";
            frame({escape});
            ASSERT_EQ(activeGame, -1) << "Escape ends game " << game;
            EXPECT_FALSE(libraryMapped(std::string(TAVRIN_RUN_DIR) + "/game" + std::to_string(game) + ".so"));
            EXPECT_EQ(VideoRecordsInUse(), menuRecords) << "game " << game << ", round " << round;
            EXPECT_EQ(liveTextures.size(), menuTextures) << "game " << game << ", round " << round;
        }
    }

    closeCountedScreen();
    EXPECT_EQ(chdir(previousDirectory), 0);
}

}  // namespace

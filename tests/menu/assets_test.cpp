// assets_test.cpp -- start-up loading: labels, button pictures, missing pictures and the clouds' seeding
#include <gtest/gtest.h>

#include <SDL/SDL_rotozoom.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "menu_recorder.h"
#include "tavrin/store.h"
#include "modules/modules.h"

namespace {

// A scratch working directory with its own store; removed afterwards.
struct ScratchRun {
    std::filesystem::path path, previous;
    ScratchRun()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavrin-menu-XXXXXX").string();
        path = mkdtemp(pattern.data());
        previous = std::filesystem::current_path();
        std::filesystem::create_directories(path / "config");
        setenv("XDG_CONFIG_HOME", (path / "config").c_str(), 1);
        storeCloseStore();  // the next access opens the store in the new place
        std::filesystem::current_path(path);
    }
    ~ScratchRun()
    {
        storeCloseStore();
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string log() const
    {
        std::ifstream in(path / "sdl.log", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

// Writes an uncompressed 32-bit TGA picture of the given size, half-transparent blue.
void writePicture(const std::string &name, int w, int h)
{
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    std::ofstream out(name, std::ios::binary);
    unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                static_cast<unsigned char>(w), static_cast<unsigned char>(w >> 8),
                                static_cast<unsigned char>(h), static_cast<unsigned char>(h >> 8), 32, 8};
    out.write(reinterpret_cast<const char *>(header), sizeof header);
    for (int i = 0; i < w * h; ++i) out.write("\xC0\x40\x20\x80", 4);
}

int countOf(const std::string &text, const std::string &part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) count++;
    return count;
}

}  // namespace

TEST(ButtonPictures, LogoGetsItsHoverFileOrAShrunkCopy)
{
    ScratchRun run;
    writePicture("g/logo1.tga", 100, 70);
    writePicture("g/logo1_o.tga", 90, 60);
    writePicture("g/logo2.tga", 61, 81);

    MenuButton withHover{"logo1.tga", 0, 0, nullptr, nullptr};
    loadButtonImages(&withHover);
    ASSERT_NE(withHover.image, nullptr);
    ASSERT_NE(withHover.hoverImage, nullptr);
    EXPECT_EQ(withHover.hoverImage->w, 90);
    EXPECT_EQ(withHover.hoverImage->h, 60);

    MenuButton shrunk{"logo2.tga", 0, 0, nullptr, nullptr};
    loadButtonImages(&shrunk);
    ASSERT_NE(shrunk.hoverImage, nullptr);
    int w = 0, h = 0;
    zoomSurfaceSize(61, 81, 0.9, 0.9, &w, &h);
    EXPECT_EQ(shrunk.hoverImage->w, w);
    EXPECT_EQ(shrunk.hoverImage->h, h);
    EXPECT_LT(w, 61);
    EXPECT_EQ(shrunk.hoverImage->unused1, 0u);  // no texture record yet
    EXPECT_EQ(run.log().find("logo2_o"), std::string::npos);  // a missing hover file is expected
}

TEST(ButtonPictures, CaptionStaysATextButtonAndAMissingLogoIsNamedInTheLog)
{
    ScratchRun run;
    MenuButton text{"erdei kalandok", 94, 142, nullptr, nullptr};
    loadButtonImages(&text);
    EXPECT_EQ(text.image, nullptr);
    EXPECT_EQ(text.hoverImage, nullptr);
    EXPECT_EQ(run.log().find("erdei"), std::string::npos);

    MenuButton missing{"logo7.tga", 0, 0, nullptr, nullptr};
    loadButtonImages(&missing);
    EXPECT_EQ(missing.image, nullptr);
    EXPECT_EQ(countOf(run.log(), " \xB7 Couldn't load g/logo7.tga: "), 1);
}

TEST(StartUp, WithNoPicturesEachIsNamedOnceAndTheMenuStillRuns)
{
    ScratchRun run;
    std::array<MenuButton, MenuButtonCount> saved = menuButtons;
    SDL_InitSubSystem(SDL_INIT_VIDEO);  // the caption is kept by the video subsystem
    ASSERT_EQ(init(), 1);

    std::string log = run.log();
    for (const char *path : {"g/icon.bmp", "g/bgmid.jpg", "g/bg2.jpg", "g/bgtop.tga", "g/bback.tga", "g1/cloud1.tga",
                             "g1/cloud2.tga", "g1/cloud3.tga", "g/tv1.tga", "g/tv4.tga", "g/bar.tga", "g/slider.tga",
                             "g/no.tga", "g/yes.tga", "g/logo1.tga", "g/logo3.tga", "g/logo5.tga"}) {
        EXPECT_EQ(countOf(log, std::string(" \xB7 Couldn't load ") + path + ": "), 1) << path;
    }
    EXPECT_EQ(log.find("kalandok"), std::string::npos);
    EXPECT_EQ(log.find("j\xE1t\xE9kos"), std::string::npos);

    EXPECT_EQ(menuScreen, ScreenPlayerChoice);
    EXPECT_EQ(activeGame, -1);
    char *title = nullptr, *icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    EXPECT_STREQ(title, "Tavrin");
    EXPECT_STREQ(menuButtons[btnPlayerA].label, "A j\xE1t\xE9kos: 0%");
    EXPECT_STREQ(menuButtons[btnPlayerB].label, "B j\xE1t\xE9kos: 0%");
    EXPECT_STREQ(menuButtons[btnPlayerC].label, "C j\xE1t\xE9kos: 0%");

    // Every screen draws and every place answers a click without the pictures it would use.
    SDL_Surface *software = solidImage(800, 600);
    screen = software;
    installMenuRecorders();
    menuRecord.heldButtons = SDL_BUTTON(SDL_BUTTON_LEFT);
    menuHooks.blit = hostBlit;
    for (int shown : {ScreenPlayerChoice, ScreenMain, ScreenSettings, ScreenCredits}) {
        menuScreen = shown;
        drawMenu();
        for (int y = 130; y < 480; y += 7) {
            for (int x = 80; x < 460; x += 11) {
                SDL_Event move{};
                move.type = SDL_MOUSEMOTION;
                move.motion.x = static_cast<Uint16>(x);
                move.motion.y = static_cast<Uint16>(y);
                menuMouseEvent(&move);
                SDL_Event down{};
                down.type = SDL_MOUSEBUTTONDOWN;
                menuMouseEvent(&down);
                menuScreen = shown;
            }
        }
    }
    // Without pictures no button and no slider can be hit; only the tick-box rows answer.
    EXPECT_TRUE(menuRecord.gamesStarted.empty());
    EXPECT_EQ(menuRecord.saves, 0);
    EXPECT_TRUE(menuRecord.erasedSlots.empty());
    EXPECT_TRUE(menuRecord.musicVolumes.empty());
    EXPECT_EQ(appSettings.fxvolume, 128);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    screen = nullptr;
    SDL_FreeSurface(software);
    resetMenuHooks();
    menuButtons = saved;
}

// Marks the first count values of a game as done ("g1a%d" or "g2a%d") in a slot's key.
static void markDone(int slot, const char *format, int count)
{
    char path[64], name[16];
    snprintf(path, sizeof path, "Software\\Vorniquel\\Tavrin\\slot%d\\", slot);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(path, StoreWrite, &key), StoreOk);
    uint32_t done = 2;
    for (int i = 0; i < count; ++i) {
        snprintf(name, sizeof name, format, i);
        storeSetValue(key, name, StoreTypeDword, &done, sizeof done);
    }
    storeFlushKey(key);
    storeCloseKey(key);
}

TEST(StartUp, ReadsTheStoredSettingsAndShowsEachSlotsProgressInItsOwnLetter)
{
    ScratchRun run;
    std::array<MenuButton, MenuButtonCount> saved = menuButtons;
    writeSettingValue("fxvolume", 5);
    writeSettingValue("quiz", 0);
    markDone(2, "g1a%d", 1);
    markDone(3, "g1a%d", 15);
    markDone(3, "g2a%d", 25);
    appSettings = AppSettings{0, 1, 128, 128};
    ASSERT_EQ(init(), 1);
    EXPECT_EQ(appSettings.fxvolume, 5);
    EXPECT_EQ(appSettings.quiz, 0);
    EXPECT_EQ(appSettings.musicvolume, 128);
    EXPECT_STREQ(menuButtons[btnPlayerA].label, "A j\xE1t\xE9kos: 0%");
    EXPECT_STREQ(menuButtons[btnPlayerB].label, "B j\xE1t\xE9kos: 2%");
    EXPECT_STREQ(menuButtons[btnPlayerC].label, "C j\xE1t\xE9kos: 100%");
    menuButtons = saved;
}

TEST(StartUp, CloudsAreScatteredTheSameWayOnEveryRun)
{
    ScratchRun run;
    std::array<MenuButton, MenuButtonCount> saved = menuButtons;
    randomSeed(1);
    ASSERT_EQ(init(), 1);
    std::array<Cloud, 10> first = clouds;

    // The generator's first draws are 16838, 5758, 10113 and 17515.
    EXPECT_EQ(first[0].imageIndex, 2);
    EXPECT_DOUBLE_EQ(first[0].x, -825.0);
    EXPECT_DOUBLE_EQ(first[0].y, 10.0);
    EXPECT_DOUBLE_EQ(first[0].speed, 1.5);
    for (const Cloud &cloud : first) {
        EXPECT_GE(cloud.imageIndex, 0);
        EXPECT_LE(cloud.imageIndex, 2);
        EXPECT_GE(cloud.x, -1000.0);
        EXPECT_LE(cloud.x, 0.0);
        EXPECT_GE(cloud.y, 0.0);
        EXPECT_LE(cloud.y, 35.0);
        EXPECT_GE(cloud.speed, 1.0);
        EXPECT_LE(cloud.speed, 1.9 + 1e-9);
    }

    randomSeed(1);
    ASSERT_EQ(init(), 1);
    for (size_t i = 0; i < clouds.size(); ++i) {
        EXPECT_EQ(clouds[i].imageIndex, first[i].imageIndex);
        EXPECT_DOUBLE_EQ(clouds[i].x, first[i].x);
        EXPECT_DOUBLE_EQ(clouds[i].y, first[i].y);
        EXPECT_DOUBLE_EQ(clouds[i].speed, first[i].speed);
    }
    menuButtons = saved;
}

TEST(StartUp, RandomRangeReachesItsTopOnlyForTheLargestDraw)
{
    // Walk the generator until it yields the draws that matter, then check the range they give.
    bool sawTop = false, sawLowEnd = false;
    for (int i = 0; i < 2000000 && !(sawTop && sawLowEnd); ++i) {
        randomSeed(static_cast<unsigned>(i));
        int r = randomNext();
        randomSeed(static_cast<unsigned>(i));
        int value = randomRange(0, 35);
        if (r == 32767) {
            EXPECT_EQ(value, 35);
            sawTop = true;
        } else {
            EXPECT_LT(value, 35) << "draw " << r;
        }
        if (r <= 936) {
            EXPECT_EQ(value, 0) << "draw " << r;
            sawLowEnd = true;
        }
    }
    EXPECT_TRUE(sawTop);
    EXPECT_TRUE(sawLowEnd);
}

TEST(StartUp, IconIsKeyedAndAnUnreachableDisplayDoesNotCrash)
{
    ScratchRun run;
    std::array<MenuButton, MenuButtonCount> saved = menuButtons;
    std::filesystem::create_directories("g");
    SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 32, 32, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_SaveBMP(icon, "g/icon.bmp");
    SDL_FreeSurface(icon);

    // Video is down, as when the display turned the program away: the icon cannot be handed over.
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    ASSERT_EQ(init(), 1);
    ASSERT_NE(windowIcon, nullptr);
    EXPECT_TRUE(windowIcon->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(windowIcon->format->colorkey, 0u);
    EXPECT_EQ(run.log().find("icon.bmp"), std::string::npos);
    menuButtons = saved;
}

// assets_test.cpp -- start-up loading: labels, button pictures, missing pictures and the clouds' seeding
#include <gtest/gtest.h>

#include <SDL/SDL_rotozoom.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "base/random.h"
#include "base/screen.h"
#include "base/state.h"
#include "menu/menu.h"
#include "menu_recorder.h"
#include "modules/modules.h"
#include "shell/assets.h"
#include "store_env.h"
#include "store_sandbox.h"
#include "tavrin/store.h"

namespace {

// A scratch working directory with its own store; removed afterwards, and the buttons as loading found
// them put back.
struct ScratchRun : StoreSandbox {
    std::array<MenuButton, MenuButtonCount> buttons = menuButtons;
    ScratchRun() : StoreSandbox("tavrin-menu", "config") { dir.enter(); }
    ~ScratchRun() { menuButtons = buttons; }
    std::string log() const { return readFile(dir.path / "sdl.log"); }
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

    // Stand-ins of the designed sizes keep every button, slider and switch in its place.
    ASSERT_NE(backgroundImage, nullptr);
    EXPECT_EQ(backgroundImage->w, 800);
    ASSERT_NE(buttonPlate, nullptr);
    EXPECT_EQ(buttonPlate->w, 320);
    EXPECT_EQ(buttonPlate->h, 60);
    ASSERT_NE(sliderBar, nullptr);
    EXPECT_EQ(sliderBar->w, 256);
    ASSERT_NE(sliderKnob, nullptr);
    EXPECT_EQ(sliderKnob->h, 40);
    ASSERT_NE(checkImages[1], nullptr);
    EXPECT_NE(checkImages[0], checkImages[1]);
    EXPECT_EQ(countOf(log, "(a plain stand-in is drawn instead)"), 6);

    // A child can still choose a player, start both games, change the settings and quit.
    SDL_Surface *software = solidImage(800, 600);
    screen = software;
    installMenuRecorders();
    menuHooks.blit = hostBlit;
    drawMenu();
    clickMenuAt(250, 300);  // player B
    EXPECT_EQ(currentSlot, 1);
    clickMenuAt(250, 170);
    clickMenuAt(250, 240);
    EXPECT_EQ(menuRecord.gamesStarted, (std::vector<int>{1, 2}));
    clickMenuAt(250, 300);  // settings
    ASSERT_EQ(menuScreen, ScreenSettings);
    drawMenu();
    menuRecord.heldButtons = SDL_BUTTON(SDL_BUTTON_LEFT);
    clickMenuAt(185 + 128, 200);
    EXPECT_EQ(appSettings.musicvolume, 64);
    menuRecord.heldButtons = 0;
    clickMenuAt(250, 430);  // back
    EXPECT_EQ(menuRecord.saves, 1);
    EXPECT_EQ(clickMenuAt(250, 430), 1);  // quit
    screen = nullptr;
    SDL_FreeSurface(software);
    resetMenuHooks();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST(StartUp, WithoutItsFontTheMenuSpeaksInTheSystemsBoldSansAndTheLogSaysSo)
{
    ScratchRun run;
    // A font file that is no font at all, then none.
    std::filesystem::create_directories("g");
    std::ofstream("g/KOMIKATA.TTF") << "not a font";
    ASSERT_EQ(init(), 1);
    std::filesystem::remove("g/KOMIKATA.TTF");
    ASSERT_EQ(init(), 1);

    std::string log = run.log();
    EXPECT_EQ(countOf(log, " \xB7 Couldn't load g/KOMIKATA.TTF: "), 2) << log;
    EXPECT_EQ(countOf(log, " \xB7 Couldn't load g/KOMIKATA.TTF: no such file\n"), 1) << log;
    // The machines the program is built and tested on have fontconfig and a bold sans-serif font.
    ASSERT_EQ(countOf(log, " \xB7 Using the system font /"), 2) << log;
    for (BitmapFont *font : {&Font27Teal, &Font27Red, &Font27Black, &Font20Black, &Font20Teal, &Font13Black, &Font13Teal}) {
        EXPECT_NE(font->glyphs['a'], nullptr);
        EXPECT_NE(font->glyphs[0xF5], nullptr);  // \xF5 is the Hungarian long o
    }
    EXPECT_GT(textWidth(&Font27Teal, "kil\xE9p\xE9s", -2), textWidth(&Font13Black, "kil\xE9p\xE9s", -2));
}

TEST(StartUp, NamedPipesInPlaceOfItsFilesAreRefusedLikeMissingOnes)
{
    ScratchRun run;
    std::filesystem::create_directories("g");
    std::filesystem::create_directories("snd");
    for (const char *path : {"g/bback.tga", "g/bg2.jpg", "g/icon.bmp", "g/logo1.tga", "g/KOMIKATA.TTF", "snd/main.ogg",
                             "snd/button03.wav"}) {
        ASSERT_EQ(mkfifo(path, 0600), 0) << path;
    }
    // Opening any of them for reading would wait for a writer that never comes.
    ASSERT_EQ(init(), 1);
    EXPECT_EQ(loadMusic("snd/main.ogg"), nullptr);
    EXPECT_EQ(loadSound("snd/button03.wav"), nullptr);
    std::string log = run.log();
    for (const char *path : {"g/bback.tga", "g/bg2.jpg", "g/icon.bmp", "g/logo1.tga", "g/KOMIKATA.TTF", "snd/main.ogg",
                             "snd/button03.wav"}) {
        EXPECT_EQ(countOf(log, std::string(" \xB7 Couldn't load ") + path + ": not a regular file"), 1) << path;
    }
    EXPECT_EQ(buttonPlate->w, 320);
}

TEST(StartUp, ReadsTheStoredSettingsAndShowsEachSlotsProgressInItsOwnLetter)
{
    ScratchRun run;
    writeSettingValue("fxvolume", 5);
    writeSettingValue("quiz", 0);
    ASSERT_EQ(writeProgress(2, 1, 0, 1, ProgressDone), StoreOk);
    ASSERT_EQ(writeProgress(3, 1, 0, 15, ProgressDone), StoreOk);
    ASSERT_EQ(writeProgress(3, 2, 0, 25, ProgressDone), StoreOk);
    appSettings = AppSettings{0, 1, 128, 128};
    ASSERT_EQ(init(), 1);
    EXPECT_EQ(appSettings.fxvolume, 5);
    EXPECT_EQ(appSettings.quiz, 0);
    EXPECT_EQ(appSettings.musicvolume, 128);
    EXPECT_STREQ(menuButtons[btnPlayerA].label, "A j\xE1t\xE9kos: 0%");
    EXPECT_STREQ(menuButtons[btnPlayerB].label, "B j\xE1t\xE9kos: 2%");
    EXPECT_STREQ(menuButtons[btnPlayerC].label, "C j\xE1t\xE9kos: 100%");
}

TEST(StartUp, CloudsAreScatteredTheSameWayOnEveryRun)
{
    ScratchRun run;
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
}

// A picture cut short would load with its missing part empty: every TGA (run-length packed) and JPEG of
// the program's own, and an unpacked TGA, is refused wherever it is cut, and loads whole.
TEST(StartUp, APictureCutShortIsRefusedAsDamagedAndTheButtonPlateStandsIn)
{
    ScratchRun run;
    writePicture("p/plain.tga", 40, 30);
    std::vector<std::filesystem::path> pictures = {"p/plain.tga"};
    for (const char *folder : {"g", "g1"})
        for (const auto &entry : std::filesystem::directory_iterator(std::filesystem::path(TAVRIN_RUN_DIR) / folder))
            if (entry.path().extension() == ".tga" || entry.path().extension() == ".jpg") pictures.push_back(entry.path());
    ASSERT_GT(pictures.size(), 20u);
    for (const std::filesystem::path &picture : pictures) {
        const std::string whole = readFile(picture);
        SDL_Surface *image = loadImage(picture.c_str());
        EXPECT_NE(image, nullptr) << picture;
        SDL_FreeSurface(image);
        for (size_t cut : {size_t{17}, whole.size() / 3, whole.size() - 20, whole.size() - 1}) {
            std::ofstream("cut" + picture.extension().string(), std::ios::binary) << whole.substr(0, cut);
            image = loadImage(("cut" + picture.extension().string()).c_str());
            EXPECT_EQ(image, nullptr) << picture << " cut at " << cut;
            SDL_FreeSurface(image);
        }
    }

    const std::string plate = readFile(std::filesystem::path(TAVRIN_RUN_DIR) / "g" / "bback.tga");
    std::filesystem::create_directories("g");
    std::ofstream("g/bback.tga", std::ios::binary) << plate.substr(0, 2000);
    ASSERT_EQ(init(), 1);
    EXPECT_EQ(countOf(run.log(), " \xB7 Couldn't load g/bback.tga: damaged: the picture is cut short at 2000 bytes (a "
                                 "plain stand-in is drawn instead)\n"),
              1)
        << run.log();
    ASSERT_NE(buttonPlate, nullptr);
    EXPECT_EQ(buttonPlate->w, 320);
    EXPECT_EQ(buttonPlate->h, 60);
}

// assets.cpp -- start-up loading of the settings, pictures, fonts and clouds, and what is released at exit
#include "shell/assets.h"

#include <SDL/SDL_gfxPrimitives.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_ttf.h>

#include <cstdio>

#include "base/log.h"
#include "base/random.h"
#include "base/screen.h"
#include "base/state.h"
#include "menu/menu.h"
#include "platform/filekind.h"
#include "platform/fonts.h"
#include "sprites/sprites.h"
#include "store/settings.h"
#include "text/text.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr const char *fontFile = TAVRIN_FONT_PATH;

const std::array<FontSpec, 7> fontSpecs = {{
    {&Font27Teal, 27, {50, 188, 193, 0}},
    {&Font27Red, 27, {255, 0, 0, 0}},
    {&Font27Black, 27, {0, 0, 0, 0}},
    {&Font20Black, 20, {0, 0, 0, 0}},
    {&Font20Teal, 20, {50, 188, 193, 0}},
    {&Font13Black, 13, {0, 0, 0, 0}},
    {&Font13Teal, 13, {50, 188, 193, 0}},
}};

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// A picture the menu needs: one that does not load is named in the log, and its handle stays null.
static SDL_Surface *loadPicture(const char *path)
{
    SDL_Surface *image = loadImage(path);
    if (!image) logLoadFailure(path, IMG_GetError());
    return image;
}

// Plain pictures drawn here for the few the child cannot play without: the sky behind everything (or the
// screen would keep old frames), the button plate, the slider bar and knob, and the tick boxes. Each has
// the size the menu's layout was drawn for, so that every button, slider and switch keeps its place.
enum StandIn { StandInSky, StandInPlate, StandInBar, StandInKnob, StandInTickOff, StandInTickOn };

static SDL_Surface *drawStandIn(StandIn kind)
{
    static constexpr std::array<SDL_Rect, 6> sizes = {{
        {0, 0, 800, 600}, {0, 0, 320, 60}, {0, 0, 256, 16}, {0, 0, 34, 40}, {0, 0, 32, 32}, {0, 0, 32, 32},
    }};
    const SDL_Rect &size = sizes[kind];
    SDL_Surface *image = SDL_CreateRGBSurface(SDL_SWSURFACE, size.w, size.h, 32, 0x000000FF, 0x0000FF00,
                                              0x00FF0000, 0xFF000000);
    if (!image) return nullptr;
    image->unused1 = 0;
    SDL_FillRect(image, nullptr, 0);  // transparent where nothing is drawn
    Sint16 right = static_cast<Sint16>(size.w - 1), bottom = static_cast<Sint16>(size.h - 1);
    switch (kind) {
    case StandInSky:
        // Light blue at the top to pale near the ground, one band of rows at a time.
        for (int y = 0; y < size.h; y += 8) {
            int shade = y * 60 / size.h;
            boxRGBA(image, 0, static_cast<Sint16>(y), right, static_cast<Sint16>(y + 7), static_cast<Uint8>(140 + shade),
                    static_cast<Uint8>(200 + shade / 2), 255, 255);
        }
        break;
    case StandInPlate:
        roundedBoxRGBA(image, 0, 0, right, bottom, 14, 50, 188, 193, 255);
        roundedBoxRGBA(image, 3, 3, right - 3, bottom - 3, 11, 255, 248, 225, 255);
        break;
    case StandInBar:
        roundedBoxRGBA(image, 0, 3, right, bottom - 3, 5, 60, 120, 125, 255);
        break;
    case StandInKnob:
        roundedBoxRGBA(image, 4, 0, right - 4, bottom, 8, 0, 0, 0, 255);
        roundedBoxRGBA(image, 6, 2, right - 6, bottom - 2, 6, 255, 210, 60, 255);
        break;
    case StandInTickOff:
    case StandInTickOn:
        boxRGBA(image, 2, 2, right - 2, bottom - 2, 0, 0, 0, 255);
        boxRGBA(image, 5, 5, right - 5, bottom - 5, 255, 255, 255, 255);
        if (kind == StandInTickOn) {
            thickLineRGBA(image, 8, 16, 14, 23, 4, 30, 150, 40, 255);
            thickLineRGBA(image, 14, 23, 25, 8, 4, 30, 150, 40, 255);
        }
        break;
    }
    return image;
}

// A picture the child needs to play: when it does not load, a plain stand-in of its size takes its place.
static SDL_Surface *loadPictureOrStandIn(const char *path, StandIn kind)
{
    SDL_Surface *image = loadImage(path);
    if (image) return image;
    char reason[300];
    snprintf(reason, sizeof reason, "%s (a plain stand-in is drawn instead)", IMG_GetError());
    logLoadFailure(path, reason);
    return drawStandIn(kind);
}

// The seven fonts from one file; 0 when the file does not open.
static int buildFonts(const char *file)
{
    int built = 1;
    for (const FontSpec &entry : fontSpecs) built &= buildBitmapFont(entry.font, file, entry.pointSize, entry.colour);
    return built;
}

// The menu's font, or a bold sans-serif font the system has when that cannot be read, so that the
// buttons still say what they do. Each step is named in the log.
static void buildMenuFonts()
{
    char reason[128];
    if (isRegularFile(fontFile, reason, sizeof reason)) {
        if (buildFonts(fontFile)) return;
        snprintf(reason, sizeof reason, "%s", TTF_GetError());
    }
    logLoadFailure(fontFile, reason);

    char line[600];
    char systemFont[512];
    if (systemBoldSansFont(systemFont, sizeof systemFont) && buildFonts(systemFont)) {
        snprintf(line, sizeof line, " \xB7 Using the system font %s instead", systemFont);
        logLine(line);
        return;
    }
    for (const FontSpec &entry : fontSpecs) releaseBitmapFont(entry.font);
    logLine(" \xB7 No system font could stand in: the menu shows no text");
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int init()
{
    loadSettings();
    SDL_WM_SetCaption("Tavrin", nullptr);

    // Pixels of value 0 are cut out of the icon; it has to be in place before the window opens. SDL
    // would crash setting an icon while its video part is down (the display could not be reached);
    // the mode set that follows then starts it again or fails and says why.
    char reason[128];
    windowIcon = nullptr;
    if (isRegularFile("g/icon.bmp", reason, sizeof reason)) {
        windowIcon = VideoLoadBMP("g/icon.bmp");
        if (!windowIcon) snprintf(reason, sizeof reason, "%s", SDL_GetError());
    }
    if (windowIcon) {
        windowIcon->flags |= SDL_SRCCOLORKEY;
        if (SDL_GetVideoInfo()) SDL_WM_SetIcon(windowIcon, nullptr);  // null exactly when SDL has no video device
    } else {
        logLoadFailure("g/icon.bmp", reason);
    }

    menuScreen = ScreenPlayerChoice;

    // The percentages are composed once; an erase during the run does not change them.
    for (int slot = 1; slot <= 3; ++slot) {
        MenuButton &button = menuButtons[btnPlayerA + slot - 1];
        snprintf(button.label, sizeof button.label, "%c j\xE1t\xE9kos: %d%%", "ABC"[slot - 1],
                 slotProgressPercent(slot));
    }

    activeGame = -1;

    for (MenuButton &button : menuButtons) loadButtonImages(&button);

    // Without the band, the overlay, the clouds, the mascot or a logo the menu is plainer but whole; the
    // others have stand-ins.
    bandImage = loadPicture("g/bgmid.jpg");
    backgroundImage = loadPictureOrStandIn("g/bg2.jpg", StandInSky);
    topImage = loadPicture("g/bgtop.tga");
    buttonPlate = loadPictureOrStandIn("g/bback.tga", StandInPlate);
    cloudImages[0] = loadPicture("g1/cloud1.tga");
    cloudImages[1] = loadPicture("g1/cloud2.tga");
    cloudImages[2] = loadPicture("g1/cloud3.tga");
    mascotFrames[0] = loadPicture("g/tv1.tga");
    mascotFrames[1] = loadPicture("g/tv2.tga");
    mascotFrames[2] = loadPicture("g/tv3.tga");
    mascotFrames[3] = loadPicture("g/tv4.tga");
    sliderBar = loadPictureOrStandIn("g/bar.tga", StandInBar);
    sliderKnob = loadPictureOrStandIn("g/slider.tga", StandInKnob);
    checkImages[0] = loadPictureOrStandIn("g/no.tga", StandInTickOff);
    checkImages[1] = loadPictureOrStandIn("g/yes.tga", StandInTickOn);

    if (TTF_Init() == -1) {
        logLine("TTF_Init failed");
        return 0;
    }

    buildMenuFonts();

    clearSprites();

    // Four draws per cloud, in this order; the generator starts from the same state on every run, so
    // the clouds do too.
    for (Cloud &cloud : clouds) {
        cloud.imageIndex = randomNext() % 3;
        cloud.x = randomRange(-200, 800) - 800;
        cloud.y = randomRange(0, 35);
        cloud.speed = (randomNext() % 10) / 10.0 + 1.0;
    }
    return 1;
}

void releaseResources()
{
    // The screen is the video layer's own surface: freeing it here drops its texture record and tells
    // the layer's shutdown to leave it alone, so it is released exactly once.
    VideoFreeSurface(screen);
    screen = nullptr;
    VideoFreeSurface(bandImage);
    bandImage = nullptr;
    TTF_Quit();
    saveSettings();
}

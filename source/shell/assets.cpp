// assets.cpp -- start-up loading of the settings, pictures, fonts and clouds, and what is released at exit
#include "shell/shell.h"

#include <SDL/SDL_image.h>
#include <SDL/SDL_rotozoom.h>
#include <SDL/SDL_ttf.h>

#include <cstdio>
#include <cstring>

#include "menu/menu.h"
#include "sprites/sprites.h"
#include "store/settings.h"
#include "text/text.h"
#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr const char *fontFile = "g/KOMIKATA.TTF";

struct FontSpec {
    BitmapFont *font;
    int pointSize;
    SDL_Color colour;
};

// Built in this order; the teal is the menu's own colour.
static const std::array<FontSpec, 7> fontSpecs = {{
    {&Font27Teal, 27, {50, 188, 193, 0}},
    {&Font27Red, 27, {255, 0, 0, 0}},
    {&Font27Black, 27, {0, 0, 0, 0}},
    {&Font20Black, 20, {0, 0, 0, 0}},
    {&Font20Teal, 20, {50, 188, 193, 0}},
    {&Font13Black, 13, {0, 0, 0, 0}},
    {&Font13Teal, 13, {50, 188, 193, 0}},
}};

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
SDL_Surface *windowIcon, *bandImage, *backgroundImage, *topImage, *buttonPlate;
std::array<SDL_Surface *, 3> cloudImages;
std::array<SDL_Surface *, 4> mascotFrames;
SDL_Surface *sliderBar, *sliderKnob;
std::array<SDL_Surface *, 2> checkImages;
std::array<Cloud, 10> clouds;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static void logMissingPicture(const char *path, const char *reason)
{
    char line[512];
    snprintf(line, sizeof line, " \xB7 Couldn't load %s: %s", path, reason);
    logLine(line);
}

// A picture the menu needs: one that does not load is named in the log, and its handle stays null.
static SDL_Surface *loadPicture(const char *path)
{
    SDL_Surface *image = loadImage(path);
    if (!image) logMissingPicture(path, IMG_GetError());
    return image;
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int randomRange(int lo, int hi) { return lo + (randomNext() * (hi - lo)) / 32767; }

SDL_Surface *loadImage(const char *path)
{
    SDL_Surface *image = IMG_Load(path);
    if (image) image->unused1 = 0;  // no texture record yet; the video layer makes one at the first draw
    return image;
}

void loadButtonImages(MenuButton *button)
{
    // "logo1.tga" splits into "logo1" and ".tga"; a label without a full stop has no extension.
    const char *dot = strrchr(button->label, '.');
    const char *extension = dot ? dot : "";
    int baseLength = static_cast<int>(dot ? dot - button->label : strlen(button->label));

    char path[300];
    snprintf(path, sizeof path, "g/%s", button->label);
    button->image = loadImage(path);
    if (!button->image) {
        // Captions are looked up too and are expected to fail; only a label that names a picture file
        // is worth a line in the log.
        if (dot) logMissingPicture(path, IMG_GetError());
        button->hoverImage = nullptr;
        return;
    }

    snprintf(path, sizeof path, "g/%.*s_o%s", baseLength, button->label, extension);
    SDL_Surface *hover = loadImage(path);
    if (!hover) {
        hover = zoomSurface(button->image, 0.9, 0.9, SMOOTHING_ON);
        if (hover) hover->unused1 = 0;
    }
    button->hoverImage = hover;
}

int init()
{
    loadSettings();
    SDL_WM_SetCaption("Tavrin", nullptr);

    // Pixels of value 0 are cut out of the icon; it has to be in place before the window opens. SDL
    // would crash setting an icon while its video part is down (the display could not be reached);
    // the mode set that follows then starts it again or fails and says why.
    windowIcon = VideoLoadBMP("g/icon.bmp");
    if (windowIcon) {
        windowIcon->flags |= SDL_SRCCOLORKEY;
        if (SDL_GetVideoInfo()) SDL_WM_SetIcon(windowIcon, nullptr);  // null exactly when SDL has no video device
    } else {
        logMissingPicture("g/icon.bmp", SDL_GetError());
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

    bandImage = loadPicture("g/bgmid.jpg");
    backgroundImage = loadPicture("g/bg2.jpg");
    topImage = loadPicture("g/bgtop.tga");
    buttonPlate = loadPicture("g/bback.tga");
    cloudImages[0] = loadPicture("g1/cloud1.tga");
    cloudImages[1] = loadPicture("g1/cloud2.tga");
    cloudImages[2] = loadPicture("g1/cloud3.tga");
    mascotFrames[0] = loadPicture("g/tv1.tga");
    mascotFrames[1] = loadPicture("g/tv2.tga");
    mascotFrames[2] = loadPicture("g/tv3.tga");
    mascotFrames[3] = loadPicture("g/tv4.tga");
    sliderBar = loadPicture("g/bar.tga");
    sliderKnob = loadPicture("g/slider.tga");
    checkImages[0] = loadPicture("g/no.tga");
    checkImages[1] = loadPicture("g/yes.tga");

    if (TTF_Init() == -1) {
        logLine("TTF_Init failed");
        return 0;
    }

    for (const FontSpec &entry : fontSpecs) buildBitmapFont(entry.font, fontFile, entry.pointSize, entry.colour);

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

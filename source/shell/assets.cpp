// assets.cpp -- stand-in for start-up loading: the settings and the state the loop needs
#include "shell/shell.h"

#include <SDL/SDL_image.h>

#include "menu/menu.h"
#include "store/settings.h"
#include "video/video.h"

SDL_Surface *windowIcon, *bandImage, *backgroundImage, *topImage, *buttonPlate;
std::array<SDL_Surface *, 3> cloudImages;
std::array<SDL_Surface *, 4> mascotFrames;
SDL_Surface *sliderBar, *sliderKnob;
std::array<SDL_Surface *, 2> checkImages;
std::array<Cloud, 10> clouds;

int init()
{
    loadSettings();
    SDL_WM_SetCaption("Tavrin", nullptr);
    menuScreen = ScreenPlayerChoice;
    activeGame = -1;
    return 1;
}

void releaseResources()
{
    VideoFreeSurface(screen);
    saveSettings();
}

SDL_Surface *loadImage(const char *path)
{
    SDL_Surface *image = IMG_Load(path);
    if (image) image->unused1 = 0;
    return image;
}

void loadButtonImages(MenuButton *) {}

int randomRange(int lo, int hi) { return lo + (randomNext() * (hi - lo)) / 32767; }

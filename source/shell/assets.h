// assets.h -- start-up loading: the settings, the menu's pictures, the fonts and the clouds, released at exit
#pragma once

#include <SDL/SDL.h>
#include <array>

struct Cloud {
    int imageIndex;
    double x;
    double y;
    double speed;
};

extern SDL_Surface *windowIcon, *bandImage, *backgroundImage, *topImage, *buttonPlate;
extern std::array<SDL_Surface *, 3> cloudImages;
extern std::array<SDL_Surface *, 4> mascotFrames;
extern SDL_Surface *sliderBar, *sliderKnob;
extern std::array<SDL_Surface *, 2> checkImages;
extern std::array<Cloud, 10> clouds;

int init();  // 1 when loading finished, 0 when TrueType could not start
void releaseResources();
SDL_Surface *loadImage(const char *path);
// The log line for a run-time file that could not be read: " · Couldn't load <path>: <reason>".
void logLoadFailure(const char *path, const char *reason);

// pictures.cpp -- the menu's pictures and clouds, filled in at start-up, and how a run-time picture is read
#include "menu/menu.h"

#include <SDL/SDL_image.h>

#include "platform/filekind.h"

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
// Functions
// ----------------------------------------------------------------------------------------------------
SDL_Surface *loadImage(const char *path)
{
    // Only a plain file is opened: a named pipe in a picture's place would keep the reader waiting for ever.
    char reason[128];
    if (!isRegularFile(path, reason, sizeof reason)) {
        IMG_SetError("%s", reason);
        return nullptr;
    }
    SDL_Surface *image = IMG_Load(path);
    if (image) image->unused1 = 0;  // no texture record yet; the video layer makes one at the first draw
    return image;
}

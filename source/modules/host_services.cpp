// host_services.cpp -- stand-in: the three drawing services as plain calls into the video layer
#include "modules/modules.h"

#include "shell/shell.h"
#include "video/video.h"

extern "C" void hostBlit(SDL_Surface *image, int x, int y)
{
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    VideoBlit(image, nullptr, screen, &where);
}

extern "C" void hostSetClip(SDL_Rect *rect) { VideoSetClipRect(screen, rect); }

extern "C" void hostFillRect(SDL_Rect *rect, int r, int g, int b)
{
    VideoFillRect(screen, rect, SDL_MapRGB(screen->format, r & 0xFF, g & 0xFF, b & 0xFF));
}

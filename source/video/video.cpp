// video.cpp -- stand-in: plain SDL drawing until the OpenGL-backed layer is in place
#include "video/video.h"

SDL_Surface *VideoSetMode(int width, int height, int bpp, Uint32 flags)
{
    SDL_Surface *surface = SDL_SetVideoMode(width, height, bpp, flags & ~VideoOpenGLFlag);
    if (surface) surface->unused1 = 0;
    return surface;
}

void VideoQuit() { SDL_Quit(); }

int VideoFlip(SDL_Surface *surface) { return SDL_Flip(surface); }

int VideoBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect)
{
    if (!source || !destination) return -1;
    return SDL_UpperBlit(source, sourceRect, destination, destinationRect);
}

int VideoSetClipRect(SDL_Surface *surface, SDL_Rect *rect)
{
    if (!surface) return 0;
    return SDL_SetClipRect(surface, rect);
}

int VideoFillRect(SDL_Surface *surface, SDL_Rect *rect, Uint32 colour) { return SDL_FillRect(surface, rect, colour); }

void VideoFreeSurface(SDL_Surface *surface)
{
    if (surface) SDL_FreeSurface(surface);
}

SDL_Surface *VideoLoadBMP(const char *fileName)
{
    SDL_Surface *surface = SDL_LoadBMP_RW(SDL_RWFromFile(fileName, "rb"), 1);
    if (surface) surface->unused1 = 0;
    return surface;
}

void VideoMarkRecords(VideoRecordMark *mark) { mark->reset(); }
void VideoReleaseRecordsSince(const VideoRecordMark *) {}
int VideoRecordsInUse() { return 0; }

// video.h -- SDL surfaces drawn through OpenGL textures, with a plain-SDL fallback for every operation
#pragma once

#include <SDL/SDL.h>
#include <cstdint>

// ----------------------------------------------------------------------------------------------------
// Mode set-up and shutdown
// ----------------------------------------------------------------------------------------------------
// In VideoSetMode's flags: an OpenGL window, and the program draws on the ShadowScreen handed back.
constexpr Uint32 VideoOpenGLFlag = 0x00100000;

// With VideoOpenGLFlag and no OpenGL window to be had, the same mode as a plain SDL screen: the program
// runs on the layer's SDL path, and VideoOpenGLFailure says why (null when nothing fell back).
SDL_Surface *VideoSetMode(int width, int height, int bpp, Uint32 flags);
const char *VideoOpenGLFailure();
void VideoQuit();  // every record and texture, the window, and SDL itself

// ----------------------------------------------------------------------------------------------------
// Pictures and drawing
// ----------------------------------------------------------------------------------------------------
// The SDL calls of the same names, for surfaces that may be the screen or be drawn onto it: the layer
// keeps each picture's textures and the window's clip in step.
int VideoBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect);
int VideoFillRect(SDL_Surface *surface, SDL_Rect *rect, Uint32 colour);
int VideoSetClipRect(SDL_Surface *surface, SDL_Rect *rect);
int VideoFlip(SDL_Surface *surface);  // ends the frame: also frees what a game let go of during it
SDL_Surface *VideoLoadBMP(const char *fileName);
void VideoFreeSurface(SDL_Surface *surface);  // with its record and textures

// ----------------------------------------------------------------------------------------------------
// Record marks
// ----------------------------------------------------------------------------------------------------
// A point in the making of records. A game module frees its pictures with SDL_FreeSurface, which cannot
// drop their records; the host marks when a module starts and, when it ends, releases every record made
// since (with its textures), so that games leave nothing behind.
//
// Between the two the layer holds a reference of its own (SDL's refcount) on every surface it registers,
// so a game's SDL_FreeSurface only drops the game's reference; the sweep at the end of every frame
// (VideoFlip) then frees the records, textures and surfaces that no one else holds. A game that makes,
// draws and frees a picture every frame so keeps one record, not one per frame.
struct VideoRecordMark {
    uint64_t serial;
};
void VideoMarkRecords(VideoRecordMark *mark);
void VideoReleaseRecordsSince(const VideoRecordMark *mark);

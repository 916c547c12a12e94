// video.h -- SDL surfaces drawn through OpenGL textures, with a plain-SDL fallback for every operation
#pragma once

#include <SDL/SDL.h>
#include <cstddef>
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
// The window on the desktop
// ----------------------------------------------------------------------------------------------------
// What the next mode set with VideoOpenGLFlag opens. The program keeps drawing the size it asks for; the
// layer shows that screen in the window as large as fits with its shape kept, centred, black bars beside
// it, and maps the pointer back (VideoMapMouseEvent). With SDL_FULLSCREEN the window is meant to be the
// desktop's own size, so that the display's mode stays as it is.
struct VideoWindowChoice {
    int width = 0, height = 0;  // the window in pixels; 0 x 0: the requested size
    bool plainSDL = false;      // draw with plain SDL even where an OpenGL window could be had
};
void VideoChooseWindow(const VideoWindowChoice &choice);
// The desktop's size as SDL reports it before the first mode set; 0 x 0 where SDL cannot tell.
void VideoDesktopSize(int *width, int *height);
// The scale of a window for a screen of width x height on the desktop: the largest of 1, 1.5, 2, 2.5 ...
// whose window still fits within 85 % of the desktop's width and height; 1 when none does.
double VideoWindowScale(int width, int height, int desktopWidth, int desktopHeight);
// Where the program's screen lies in the window, in window pixels.
SDL_Rect VideoScreenView();
bool VideoDrawsWithOpenGL();
// Moves a mouse motion or button event from window pixels into the program's units. A motion over a bar
// beside the picture goes to the nearest edge; a press there is no press on anything the picture shows,
// and the result false says to drop it.
bool VideoMapMouseEvent(SDL_Event *event);

// The renderer of the current OpenGL context (GL_RENDERER), empty without one.
void VideoRendererName(char *buffer, size_t size);
// Whether a renderer of that name draws with the processor (Mesa's llvmpipe, softpipe and swrast,
// Windows' "GDI Generic" and others): there the plain-SDL path costs a fraction of the OpenGL path.
bool VideoSoftwareRenderer(const char *name);

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

// video.h -- SDL surfaces drawn through OpenGL textures, with a plain-SDL fallback for every operation
#pragma once

#include <SDL/SDL.h>
#include <cstdint>
#include <memory>
#include <vector>

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr Uint32 VideoOpenGLFlag = 0x00100000;  // in VideoSetMode's flags: OpenGL window behind a ShadowScreen
constexpr int VideoMaxHandles = 16384;

// ----------------------------------------------------------------------------------------------------
// Types
// ----------------------------------------------------------------------------------------------------
constexpr int VideoBlockSide = 32;
enum VideoBlockKind : uint8_t { BlockMixed, BlockClear, BlockOpaque };
struct VideoBlockRun {
    int32_t x, y, w, h;
    uint8_t kind;
};

struct VideoSurfaceFree {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};

// How one surface lies in square power-of-two textures; found through the surface's unused1 handle.
struct TexInfo {
    int32_t outWidth;
    int32_t outHeight;
    int32_t textureCount;
    std::unique_ptr<uint32_t[]> textureNames;  // 0xFFFFFFFF: not created yet
    int32_t textureSide;
    int32_t layout;          // 0 one piece, 1 strips along x, 2 strips along y
    int32_t stripWidth;
    int32_t stripHeight;
    int32_t stripsPerTexture;
    SDL_Rect sourceRect;
    SDL_Rect dirtyRect;
    // The surface the record was made for: a handle left behind in a surface whose record has gone (or
    // was never made by this layer) must not reach another surface's textures.
    SDL_Surface *owner;
    uint64_t serial;  // order of making, for VideoReleaseRecordsSince
    // The layer holds a reference of its own on the surface (SDL's refcount): made while a game runs.
    bool held;
    // 1-based number of the shared page texture the surface lies on at (pageX, pageY); 0 when its
    // textures are its own.
    int32_t page;
    int32_t pageX, pageY;
    // Without OpenGL: the surface converted once to the screen's format (what SDL blits fastest), made
    // again when the surface is marked as changed or its colour key changes.
    std::unique_ptr<SDL_Surface, VideoSurfaceFree> displayCopy;
    Uint32 copyKeyFlag, copyKey;
    // The picture's blocks of VideoBlockSide pixels sorted by their alpha and joined into rectangles of
    // the opaque and of the mixed ones: a blended draw leaves out the clear blocks (they would change
    // nothing) and draws the opaque ones without blending (the same pixels for less work). Empty when
    // every block is mixed.
    std::vector<VideoBlockRun> blockRuns;
};

// ----------------------------------------------------------------------------------------------------
// Surface registry and tiling plan
// ----------------------------------------------------------------------------------------------------
TexInfo *VideoGetTexInfo(SDL_Surface *surface);
TexInfo *VideoAllocTexInfo(SDL_Surface *surface);
int VideoAddTexInfo(SDL_Surface *surface);
void VideoRemoveTexInfo(SDL_Surface *surface);
void VideoFreeTexInfo(unsigned slot);
void VideoReleaseTextures(SDL_Surface *surface);
void VideoReleaseTextures(TexInfo *info);
void VideoFreeAllTexInfos();
int VideoPlanTiles(TexInfo *info);
void VideoFreeSurface(SDL_Surface *surface);

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
int VideoSweepRecords();  // the number of records freed
int VideoRecordsInUse();

// ----------------------------------------------------------------------------------------------------
// Mode set-up, OpenGL state and shutdown
// ----------------------------------------------------------------------------------------------------
// With VideoOpenGLFlag and no OpenGL window to be had, the same mode as a plain SDL screen: the program
// runs on the layer's SDL path, and VideoOpenGLFailure says why (null when nothing fell back).
SDL_Surface *VideoSetMode(int width, int height, int bpp, Uint32 flags);
const char *VideoOpenGLFailure();
void VideoQuit();
int VideoSetClipRect(SDL_Surface *surface, SDL_Rect *rect);
void VideoSetLogicalSize(SDL_Surface *surface, int width, int height);
SDL_Surface *VideoCreateRGB(int width, int height);
SDL_Surface *VideoCreateRGBA(int width, int height);
void VideoInitFormats();
void VideoCloseScreen();
void VideoSetBlend(int on);
void VideoSetTexturing(int on);
void VideoSetBlendFunc(int source, int destination);
void VideoBindTexture(unsigned name);
void VideoResetGLCache();

// ----------------------------------------------------------------------------------------------------
// Texture upload
// ----------------------------------------------------------------------------------------------------
int VideoUploadTexture(SDL_Surface *surface);
int VideoIsUploadFormat(SDL_Surface *surface);
SDL_Surface *VideoConvertRGB(SDL_Surface *surface);
SDL_Surface *VideoConvertRGBA(SDL_Surface *surface);
void VideoZeroKeyPixels(SDL_Surface *surface);
int VideoUploadOne(SDL_Surface *source, TexInfo *info, int textureIndex);
void VideoCheckGLError(int point);

// ----------------------------------------------------------------------------------------------------
// Blitting, filling, clipping and presentation
// ----------------------------------------------------------------------------------------------------
int VideoBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect);
int VideoTexturedBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *window, SDL_Rect *destinationRect);
int VideoReadBack(SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect);
int VideoFillRect(SDL_Surface *surface, SDL_Rect *rect, Uint32 colour);
void VideoInvalidate(SDL_Surface *surface, SDL_Rect *rect);
int VideoFlip(SDL_Surface *surface);
SDL_Surface *VideoLoadBMP(const char *fileName);

// video_internal.h -- the inside of the video layer, for its own files and their tests: records, the tiling
// plan, upload, the OpenGL function table and the layer's state
#pragma once

#include <SDL/SDL_opengl.h>  // OpenGL types and names on every platform (windows.h first on Windows)
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr int VideoMaxHandles = 16384;           // records at once; a surface's unused1 is its slot + 1
constexpr uint32_t VideoNoTexture = 0xFFFFFFFF;  // a texture not made yet (or released since)
constexpr int VideoBlockSide = 32;               // side of the blocks a picture's alpha is sorted by

// ----------------------------------------------------------------------------------------------------
// Types
// ----------------------------------------------------------------------------------------------------
// How a surface lies in its square textures: in one piece, or cut into strips along its longer side that
// are stacked across each texture.
enum VideoTileLayout : int32_t { LayoutOnePiece, LayoutStripsAlongX, LayoutStripsAlongY };

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
    std::unique_ptr<uint32_t[]> textureNames;  // VideoNoTexture until made
    int32_t textureSide;
    VideoTileLayout layout;
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

using VideoRecordTable = std::array<std::unique_ptr<TexInfo>, VideoMaxHandles>;

// From a mark to its release, records hold their surfaces; the sweep visits only those. An entry whose
// slot now holds another record (its serial differs) is stale and dropped.
struct VideoHeldRecord {
    unsigned slot;
    uint64_t serial;
};

// A shared page texture. Pictures lie on shelves: rows as tall as their first picture, filled left to
// right.
struct VideoShelf {
    int y, height, nextX;
};
struct VideoPage {
    GLuint name;
    int pictures;  // placed and not yet left; an empty page starts afresh
    int nextY;
    std::vector<VideoShelf> shelves;
};

// What the OpenGL state cache remembers, as indices into VideoState::glCache.
enum GLCacheEntry {
    CacheBlend,
    CacheTexturing,
    CacheTexture,
    CacheBlendSource,
    CacheBlendDestination,
    CacheEntries
};

// Every OpenGL call of the layer goes through this one table. It is filled with SDL_GL_GetProcAddress
// right after the window's context exists, so the program never links the OpenGL library itself, and a
// test can install recorders instead and check every call without a window.
struct VideoGLTable {
    void(APIENTRY *Begin)(GLenum mode);
    void(APIENTRY *End)();
    void(APIENTRY *Vertex2i)(GLint x, GLint y);
    void(APIENTRY *TexCoord2f)(GLfloat s, GLfloat t);
    void(APIENTRY *Color4ub)(GLubyte r, GLubyte g, GLubyte b, GLubyte a);
    void(APIENTRY *Color3ub)(GLubyte r, GLubyte g, GLubyte b);
    void(APIENTRY *Enable)(GLenum cap);
    void(APIENTRY *Disable)(GLenum cap);
    void(APIENTRY *BlendFunc)(GLenum source, GLenum destination);
    void(APIENTRY *BindTexture)(GLenum target, GLuint name);
    void(APIENTRY *GenTextures)(GLsizei count, GLuint *names);
    void(APIENTRY *DeleteTextures)(GLsizei count, const GLuint *names);
    void(APIENTRY *TexParameteri)(GLenum target, GLenum name, GLint value);
    void(APIENTRY *TexImage2D)(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                               GLint border, GLenum format, GLenum type, const void *pixels);
    void(APIENTRY *TexSubImage2D)(GLenum target, GLint level, GLint x, GLint y, GLsizei width, GLsizei height,
                                  GLenum format, GLenum type, const void *pixels);
    void(APIENTRY *PixelStorei)(GLenum name, GLint value);
    void(APIENTRY *ReadPixels)(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                               void *pixels);
    void(APIENTRY *Viewport)(GLint x, GLint y, GLsizei width, GLsizei height);
    void(APIENTRY *MatrixMode)(GLenum mode);
    void(APIENTRY *LoadIdentity)();
    void(APIENTRY *Ortho)(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble nearZ,
                          GLdouble farZ);
    void(APIENTRY *GetIntegerv)(GLenum name, GLint *values);
    GLenum(APIENTRY *GetError)();
    void(APIENTRY *Flush)();
    void(APIENTRY *CopyTexSubImage2D)(GLenum target, GLint level, GLint xOffset, GLint yOffset, GLint x, GLint y,
                                      GLsizei width, GLsizei height);
};

// One axis of the plain path's scale pass, per pixel of the view: the two source pixels it lies between
// and the share of the second in 256ths.
struct VideoScaleAxis {
    std::vector<int32_t> first, second;
    std::vector<uint32_t> weight;
};

// The plain path's scale pass from the composed frame onto the window, planned once per mode set: nearest
// pixels for whole scales, linear between the four nearest otherwise.
struct VideoScalePlan {
    bool linear = false;
    VideoScaleAxis columns, rows;
    // Linear: two source rows already spread to the view's width, and which source rows they are; and a
    // source row with its bytes in 16-bit lanes.
    std::vector<uint64_t> upper, lower, wide;
    int32_t upperRow = -1, lowerRow = -1;
};

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
// All the layer holds between calls, in one place (the one instance is in mode.cpp), so that
// VideoResetState can put every part back. Only the OpenGL table stands apart, as `gl`, which every call
// goes through.
struct VideoState {
    // The screen
    SDL_Surface *shadowScreen = nullptr;    // the program's screen in OpenGL mode
    int32_t screenScale = 1;                // whole-number enlargement of a small screen
    std::array<char, 256> openGLFailure{};  // why the last mode set with VideoOpenGLFlag fell back to SDL

    // The window on the desktop
    VideoWindowChoice choice;                     // what the next mode set with VideoOpenGLFlag opens
    int32_t desktopWidth = 0, desktopHeight = 0;  // as SDL told it before the first mode set; 0 unknown
    int32_t screenWidth = 0, screenHeight = 0;    // the program's screen, in its own units
    SDL_Rect view{};                              // where that screen is shown in the window
    // OpenGL, shown scaled: the frame is composed at the window's top left as in a window of its own size,
    // copied into this texture at the flip and drawn from it into the view.
    bool presentScaled = false;
    GLuint frameTexture = 0;
    int32_t frameTextureSide = 0;
    // Plain SDL, shown scaled: the program's screen, in the window's format, scaled onto it at the flip.
    SDL_Surface *plainFrame = nullptr;
    VideoScalePlan scalePlan;

    // OpenGL
    bool glLoaded = false;                        // the table holds a context's (or a test's) entries
    bool quadsOpen = false;                       // a glBegin(GL_QUADS) waits for more quads
    int32_t maxTextureSize = 256;                 // GL_MAX_TEXTURE_SIZE once the window is open
    SDL_PixelFormat uploadFormatRGB{};            // bytes R, G, B
    SDL_PixelFormat uploadFormatRGBA{};           // bytes R, G, B, A
    std::array<int32_t, CacheEntries> glCache{};  // what was last set; -1 unknown

    // Records
    std::unique_ptr<VideoRecordTable> records;  // absent until the first record is made
    uint64_t nextSerial = 1;                    // 0 is "before every record"
    bool holdingNewRecords = false;             // between a mark and its release
    std::vector<VideoHeldRecord> heldRecords;

    // Pages
    // Pictures of at most this many pixels (and at most half a page on each side) share page textures;
    // 0 gives every picture textures of its own.
    int32_t packArea = 256 * 256;
    std::vector<VideoPage> pages;
};

extern VideoState video;
extern VideoGLTable gl;

// ----------------------------------------------------------------------------------------------------
// Records and the tiling plan
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
// A record without a tiling plan, for the display-format copy of the plain-SDL path.
TexInfo *VideoPlainRecord(SDL_Surface *surface);
int VideoSweepRecords();  // the number of records freed
int VideoRecordsInUse();

// ----------------------------------------------------------------------------------------------------
// Mode, screen surfaces and the OpenGL state cache
// ----------------------------------------------------------------------------------------------------
// OpenGL mode: SDL has a video surface and that surface has a record.
bool VideoInOpenGLMode();
// The part of the mode set that follows SDL_SetVideoMode: adopts the window (whose context is current and
// whose OpenGL table is loaded), registers it and makes the ShadowScreen of width x height, composed at
// the window's top left enlarged by scale and shown in the view. Tests call it on a plain window with a
// recorder table installed.
SDL_Surface *VideoAttachWindow(SDL_Surface *window, int width, int height, int scale);
void VideoSetLogicalSize(SDL_Surface *surface, int width, int height);
SDL_Surface *VideoCreateRGB(int width, int height);   // in the upload formats, registered
SDL_Surface *VideoCreateRGBA(int width, int height);
void VideoInitFormats();
void VideoCloseScreen();
void VideoSetBlend(int on);
void VideoSetTexturing(int on);
void VideoSetBlendFunc(int source, int destination);
void VideoBindTexture(unsigned name);
void VideoDeleteTexture(unsigned name);  // and forgets it as the bound texture
void VideoResetGLCache();
// Resets the layer to its state before any mode set (tests only; the program never needs it).
void VideoResetState();

// ----------------------------------------------------------------------------------------------------
// OpenGL function table
// ----------------------------------------------------------------------------------------------------
bool VideoLoadGL();                               // from the current context; false when an entry is missing
void VideoInstallGL(const VideoGLTable &table);   // a test's recorders
void VideoUnloadGL();                             // the context is gone: no more calls
bool VideoGLLoaded();
// Quads join the open run of quads (or begin one); the run ends before any other OpenGL call.
void VideoBeginQuads();
void VideoEndQuads();

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
// Pages: small pictures packed into shared textures
// ----------------------------------------------------------------------------------------------------
int VideoPageSide();
bool VideoPackable(const SDL_Surface *surface, const TexInfo *info);
bool VideoPlaceOnPage(TexInfo *info);  // false when no page has room
GLuint VideoPageTexture(const TexInfo *info);
void VideoLeavePage(TexInfo *info);
void VideoFreePages();  // with the table of records
int VideoPagesInUse();

// ----------------------------------------------------------------------------------------------------
// Drawing
// ----------------------------------------------------------------------------------------------------
int VideoTexturedBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *window, SDL_Rect *destinationRect);
int VideoReadBack(SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect);
void VideoInvalidate(SDL_Surface *surface, SDL_Rect *rect);
// OpenGL, shown scaled: the composed frame drawn into the view, black bars around it (before the swap).
void VideoPresentScaled();

// ----------------------------------------------------------------------------------------------------
// The plain path's scale pass
// ----------------------------------------------------------------------------------------------------
// The largest rectangle of the screen's shape that fits the window, centred.
SDL_Rect VideoFitView(int screenWidth, int screenHeight, int windowWidth, int windowHeight);
void VideoPlanScale(VideoScalePlan *plan, int sourceWidth, int sourceHeight, int viewWidth, int viewHeight);
// Both surfaces 32 bits a pixel, in one format; the frame lands in the window at (x, y).
void VideoScaleFrame(VideoScalePlan *plan, const SDL_Surface *frame, SDL_Surface *window, int x, int y);

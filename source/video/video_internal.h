// video_internal.h -- what the video layer's files share: the OpenGL function table and the layer's state
#pragma once

#include <SDL/SDL_opengl.h>  // OpenGL types and names on every platform (windows.h first on Windows)
#include <array>
#include <cstdint>

#include "video/video.h"

// ----------------------------------------------------------------------------------------------------
// OpenGL function table
// ----------------------------------------------------------------------------------------------------
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
};

extern VideoGLTable gl;

bool VideoLoadGL();                               // from the current context; false when an entry is missing
void VideoInstallGL(const VideoGLTable &table);   // a test's recorders
void VideoUnloadGL();                             // the context is gone: no more calls
bool VideoGLLoaded();
// Quads join the open run of quads (or begin one); the run ends before any other OpenGL call.
void VideoBeginQuads();
void VideoEndQuads();

// ----------------------------------------------------------------------------------------------------
// State of the layer
// ----------------------------------------------------------------------------------------------------
enum GLCacheEntry { CacheBlend, CacheTexturing, CacheTexture, CacheBlendSource, CacheBlendDestination };

extern SDL_Surface *ShadowScreen;   // the program's screen in OpenGL mode
extern int32_t ScreenScale;         // whole-number enlargement of the window
extern int32_t MaxTextureSize;      // GL_MAX_TEXTURE_SIZE once the window is open, 256 before
extern SDL_PixelFormat UploadFormatRGB;   // bytes R, G, B
extern SDL_PixelFormat UploadFormatRGBA;  // bytes R, G, B, A
extern std::array<int32_t, 5> GLStateCache;  // -1: unknown

// ----------------------------------------------------------------------------------------------------
// Shared internals
// ----------------------------------------------------------------------------------------------------
// OpenGL mode: SDL has a video surface and that surface has a record.
bool VideoInOpenGLMode();

// The part of the mode set that follows SDL_SetVideoMode: adopts the window (whose context is current and
// whose OpenGL table is loaded), registers it and makes the ShadowScreen. Tests call it on a plain window
// with a recorder table installed.
SDL_Surface *VideoAttachWindow(SDL_Surface *window, int scale);

// A record without a tiling plan, for the display-format copy of the plain-SDL path.
TexInfo *VideoPlainRecord(SDL_Surface *surface);

// Resets the layer to its state before any mode set (tests only; the program never needs it).
void VideoResetState();

// ----------------------------------------------------------------------------------------------------
// Pages: small pictures packed into shared textures
// ----------------------------------------------------------------------------------------------------
// Pictures of at most this many pixels (and at most half a page on each side) share page textures;
// 0 gives every picture textures of its own.
extern int32_t VideoPackArea;
int VideoPageSide();
bool VideoPackable(const SDL_Surface *surface, const TexInfo *info);
bool VideoPlaceOnPage(TexInfo *info);  // false when no page has room
GLuint VideoPageTexture(const TexInfo *info);
void VideoLeavePage(TexInfo *info);
void VideoFreePages();  // with the table of records
int VideoPagesInUse();

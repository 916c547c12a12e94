// mode.cpp -- the video mode, the OpenGL window behind the ShadowScreen, the clip as viewport, shutdown
#include <cstdio>

#include "video/video_internal.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
VideoState video;

namespace {
constexpr int minimumWidth = 640, minimumHeight = 480;  // smaller screens are shown enlarged

SDL_Surface *plainMode(int width, int height, int bpp, Uint32 flags)
{
    SDL_Surface *surface = SDL_SetVideoMode(width, height, bpp, flags);
    if (surface) surface->unused1 = 0;
    return surface;
}

// The plain path in a window of its own size: SDL's screen is the program's. In a larger (or smaller)
// window the program draws on a frame of its size in the window's format, which the flip scales into the
// view; the window itself is then written by the processor only, so it is a software surface.
SDL_Surface *plainScreen(int width, int height, int bpp, Uint32 flags, int windowWidth, int windowHeight)
{
    flags &= ~(VideoOpenGLFlag | SDL_OPENGL);
    video.screenWidth = width;
    video.screenHeight = height;
    video.view = SDL_Rect{0, 0, static_cast<Uint16>(width), static_cast<Uint16>(height)};
    if (windowWidth == width && windowHeight == height) return plainMode(width, height, bpp, flags);

    // The scale pass works on 32-bit pixels; SDL converts for a display of another depth.
    SDL_Surface *window =
        plainMode(windowWidth, windowHeight, 32, (flags & ~(SDL_HWSURFACE | SDL_DOUBLEBUF)) | SDL_SWSURFACE);
    if (!window) return nullptr;
    const SDL_PixelFormat *format = window->format;
    SDL_Surface *frame = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, format->Rmask, format->Gmask,
                                              format->Bmask, format->Amask);
    if (!frame) return nullptr;
    frame->unused1 = 0;
    video.plainFrame = frame;
    video.view = VideoFitView(width, height, window->w, window->h);
    VideoPlanScale(&video.scalePlan, width, height, video.view.w, video.view.h);
    // The bars stay black: the flip writes only the view.
    SDL_FillRect(window, nullptr, SDL_MapRGB(format, 0, 0, 0));
    SDL_UpdateRect(window, 0, 0, 0, 0);
    return frame;
}

// A machine without OpenGL (no GLX, a broken driver) can still show every picture through SDL alone:
// the same window as a plain SDL screen, and every operation of the layer on its SDL path.
SDL_Surface *withoutOpenGL(int width, int height, int bpp, Uint32 flags, int windowWidth, int windowHeight,
                           const char *reason)
{
    auto &failure = video.openGLFailure;
    snprintf(failure.data(), failure.size(), "%s", reason && *reason ? reason : "unknown reason");
    fprintf(stderr, "video: No OpenGL window (%s); drawing with plain SDL.\n", failure.data());
    SDL_Surface *surface = plainScreen(width, height, bpp, flags, windowWidth, windowHeight);
    if (!surface) failure[0] = '\0';  // nothing at all could be opened: no fallback to speak of
    return surface;
}

// What a previous mode set handed out goes with the new one; the program takes the new screen.
void forgetScreens()
{
    if (video.frameTexture) VideoDeleteTexture(video.frameTexture);
    video.frameTexture = 0;
    video.presentScaled = false;
    if (video.plainFrame) SDL_FreeSurface(video.plainFrame);
    video.plainFrame = nullptr;
    if (video.shadowScreen) SDL_FreeSurface(video.shadowScreen);
    video.shadowScreen = nullptr;
    video.screenWidth = video.screenHeight = 0;
    video.view = SDL_Rect{};
}

void requestColourDepth(int bpp)
{
    int red = 0, green = 0, blue = 0;
    if (bpp == 15) red = green = blue = 5;
    else if (bpp == 16) red = 5, green = 6, blue = 5;
    else if (bpp >= 24) red = green = blue = 8;
    else return;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, blue);
}

SDL_Surface *createLayerSurface(int width, int height, int bpp, Uint32 alphaMask)
{
    SDL_Surface *surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, bpp, 0x000000FF, 0x0000FF00, 0x00FF0000, alphaMask);
    if (surface) surface->unused1 = 0;
    VideoAddTexInfo(surface);
    return surface;
}

// The state cache's on-off switches: OpenGL hears only of a change.
void setCapability(GLCacheEntry entry, GLenum capability, int on)
{
    const int32_t value = on != 0;
    if (video.glCache[entry] == value) return;
    VideoEndQuads();
    if (value) gl.Enable(capability);
    else gl.Disable(capability);
    video.glCache[entry] = value;
}
}  // namespace

bool VideoInOpenGLMode()
{
    SDL_Surface *window = SDL_GetVideoSurface();
    return window && VideoGLLoaded() && VideoGetTexInfo(window);
}

// ----------------------------------------------------------------------------------------------------
// Mode set-up
// ----------------------------------------------------------------------------------------------------
SDL_Surface *VideoSetMode(int width, int height, int bpp, Uint32 flags)
{
    video.openGLFailure[0] = '\0';
    if (!(flags & VideoOpenGLFlag)) return plainMode(width, height, bpp, flags);
    const Uint32 plainFlags = flags & ~VideoOpenGLFlag;

    const SDL_version *linked = SDL_Linked_Version();
    if (SDL_VERSIONNUM(linked->major, linked->minor, linked->patch) < SDL_VERSIONNUM(1, 2, 5))
        fprintf(stderr, "video WARNING: Using SDL version 1.2.5 or later is strongly recommended!\n");

    VideoFreeAllTexInfos();
    forgetScreens();
    // SDL_SetVideoMode would start the video subsystem itself, but the OpenGL attributes must be set
    // before, and SDL cannot take them without a video driver.
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) < 0) return nullptr;
    flags = (flags & ~VideoOpenGLFlag) | SDL_OPENGL;
    requestColourDepth(bpp);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, static_cast<int>(flags & SDL_DOUBLEBUF));

    printf("desired = %d x %d\n", width, height);
    int scale = 1;
    // An empty or negative size would never reach the minimum: leave it to SDL unscaled.
    while (width > 0 && height > 0 && width * scale < minimumWidth && height * scale < minimumHeight) scale++;
    int windowWidth = width * scale, windowHeight = height * scale;
    const bool chosen = video.choice.width > 0 && video.choice.height > 0;
    if (chosen) {
        windowWidth = video.choice.width;
        windowHeight = video.choice.height;
        // The frame is composed in the window before it is shown scaled: it must fit there.
        if (windowWidth < width * scale || windowHeight < height * scale) scale = 1;
    }
    video.screenScale = scale;
    printf("real = %d x %d\n", windowWidth, windowHeight);
    // A window sized for the desktop stands in its middle, unless the person placed it with SDL's own
    // variable.
    static char centred[] = "SDL_VIDEO_CENTERED=center";
    if (chosen && !(flags & SDL_FULLSCREEN) && !SDL_getenv("SDL_VIDEO_CENTERED")) SDL_putenv(centred);

    if (video.choice.plainSDL) return plainScreen(width, height, bpp, plainFlags, windowWidth, windowHeight);
    if (windowWidth < width || windowHeight < height) {
        video.screenScale = 1;
        return withoutOpenGL(width, height, bpp, plainFlags, windowWidth, windowHeight,
                             "the window is smaller than the screen");
    }
    SDL_Surface *window = SDL_SetVideoMode(windowWidth, windowHeight, bpp, flags);
    if (!window) {
        video.screenScale = 1;
        return withoutOpenGL(width, height, bpp, plainFlags, windowWidth, windowHeight, SDL_GetError());
    }
    if (!VideoLoadGL()) {
        fprintf(stderr, "video: Failed to load the OpenGL entry points!\n");
        video.screenScale = 1;
        return withoutOpenGL(width, height, bpp, plainFlags, windowWidth, windowHeight,
                             "OpenGL entry points missing");
    }
    return VideoAttachWindow(window, width, height, scale);
}

const char *VideoOpenGLFailure() { return video.openGLFailure[0] ? video.openGLFailure.data() : nullptr; }

SDL_Surface *VideoAttachWindow(SDL_Surface *window, int width, int height, int scale)
{
    video.screenScale = scale;
    window->unused1 = 0;
    GLint maxSize = 0;
    gl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    video.maxTextureSize = maxSize;
    fprintf(stderr, "video: Max texture size: %d\n", video.maxTextureSize);

    VideoInitFormats();
    if (VideoAddTexInfo(window) < 0) {
        fprintf(stderr, "video: Failed to add info to screen surface!\n");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        VideoUnloadGL();
        return nullptr;
    }
    VideoSetLogicalSize(window, window->w, window->h);
    video.screenWidth = width;
    video.screenHeight = height;
    // Composed in a window of its own size, the frame is the window; in any other it is shown scaled.
    const int frameWidth = width * scale, frameHeight = height * scale;
    video.presentScaled = frameWidth != window->w || frameHeight != window->h;
    video.view = video.presentScaled ? VideoFitView(width, height, window->w, window->h)
                                     : SDL_Rect{0, 0, static_cast<Uint16>(window->w), static_cast<Uint16>(window->h)};
    video.shadowScreen = VideoCreateRGB(width, height);
    return video.shadowScreen;
}

void VideoInitFormats()
{
    SDL_Surface *probe = VideoCreateRGB(1, 1);
    if (!probe) return;
    video.uploadFormatRGB = *probe->format;
    VideoFreeSurface(probe);

    probe = VideoCreateRGBA(1, 1);
    if (!probe) return;
    video.uploadFormatRGBA = *probe->format;
    VideoFreeSurface(probe);
}

SDL_Surface *VideoCreateRGB(int width, int height) { return createLayerSurface(width, height, 24, 0); }

SDL_Surface *VideoCreateRGBA(int width, int height) { return createLayerSurface(width, height, 32, 0xFF000000); }

// ----------------------------------------------------------------------------------------------------
// Output size, clip, viewport and projection
// ----------------------------------------------------------------------------------------------------
void VideoSetLogicalSize(SDL_Surface *surface, int width, int height)
{
    TexInfo *info = VideoGetTexInfo(surface);
    if (!info) return;
    info->outWidth = width;
    info->outHeight = height;
    if (surface != SDL_GetVideoSurface() && surface != video.shadowScreen) return;

    SDL_Rect whole{0, 0, static_cast<Uint16>(width), static_cast<Uint16>(height)};
    VideoSetClipRect(surface, &whole);
    if (!VideoGLLoaded()) return;
    VideoEndQuads();
    gl.MatrixMode(GL_MODELVIEW);
    gl.LoadIdentity();
    gl.Disable(GL_DEPTH_TEST);
    gl.Disable(GL_CULL_FACE);
    VideoResetGLCache();
}

int VideoSetClipRect(SDL_Surface *surface, SDL_Rect *rect)
{
    if (!surface) return 0;
    const int accepted = SDL_SetClipRect(surface, rect);
    SDL_Surface *window = SDL_GetVideoSurface();
    const bool onScreen = window && (surface == window || surface == video.shadowScreen);

    if (!accepted) {
        // SDL now clips everything away on this surface; the window must draw nothing as well, or a clip
        // that misses the screen would leave drawing in the previous clip area.
        if (onScreen && VideoInOpenGLMode()) {
            if (surface == video.shadowScreen) SDL_SetClipRect(window, rect);
            VideoEndQuads();
            gl.Viewport(0, 0, 0, 0);
        }
        return 0;
    }
    if (!window) return accepted;

    if (surface == video.shadowScreen) {
        // The window's clip is the screen's, in the screen's units: the viewport turns it into pixels.
        SDL_Rect area = surface->clip_rect;
        SDL_SetClipRect(window, &area);
        surface = window;
    }
    TexInfo *info = VideoGetTexInfo(window);
    if (surface != window || !info || !VideoGLLoaded()) return accepted;

    const SDL_Rect &c = window->clip_rect;
    const int scale = video.screenScale;
    VideoEndQuads();  // what was drawn so far belongs to the old clip
    gl.Viewport(c.x * scale, window->h - (c.y + c.h) * scale, c.w * scale, c.h * scale);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    const float fx = static_cast<float>(info->outWidth) / static_cast<float>(window->w);
    const float fy = static_cast<float>(info->outHeight) / static_cast<float>(window->h);
    // Top and bottom swapped: y grows downwards, as on an SDL surface.
    gl.Ortho(c.x * fx, (c.x + c.w) * fx, (c.y + c.h) * fy, c.y * fy, -1.0, 1.0);
    return 1;
}

// ----------------------------------------------------------------------------------------------------
// OpenGL state cache
// ----------------------------------------------------------------------------------------------------
void VideoSetBlend(int on) { setCapability(CacheBlend, GL_BLEND, on); }

void VideoSetTexturing(int on) { setCapability(CacheTexturing, GL_TEXTURE_2D, on); }

void VideoSetBlendFunc(int source, int destination)
{
    if (video.glCache[CacheBlendSource] == source && video.glCache[CacheBlendDestination] == destination) return;
    VideoEndQuads();
    gl.BlendFunc(static_cast<GLenum>(source), static_cast<GLenum>(destination));
    video.glCache[CacheBlendSource] = source;
    video.glCache[CacheBlendDestination] = destination;
}

void VideoBindTexture(unsigned name)
{
    const int32_t value = static_cast<int32_t>(name);
    if (video.glCache[CacheTexture] == value) return;
    VideoEndQuads();
    gl.BindTexture(GL_TEXTURE_2D, name);
    video.glCache[CacheTexture] = value;
}

void VideoDeleteTexture(unsigned name)
{
    // Without a context there is nothing left to delete (and no one to call).
    if (VideoGLLoaded()) {
        VideoEndQuads();
        gl.DeleteTextures(1, &name);
    }
    // OpenGL binds texture 0 in place of a deleted bound texture, and a driver may hand the same name out
    // again at once: a cache still naming it would skip the bind of the new texture, and its upload would
    // land in texture 0.
    if (video.glCache[CacheTexture] == static_cast<int32_t>(name)) video.glCache[CacheTexture] = 0;
}

void VideoResetGLCache() { video.glCache.fill(-1); }

// ----------------------------------------------------------------------------------------------------
// Shutdown
// ----------------------------------------------------------------------------------------------------
void VideoCloseScreen()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    VideoEndQuads();
    VideoRemoveTexInfo(SDL_GetVideoSurface());
    video.frameTexture = 0;  // goes with the context
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    VideoUnloadGL();
    if (video.shadowScreen) VideoRemoveTexInfo(video.shadowScreen);
    forgetScreens();
}

void VideoQuit()
{
    VideoFreeAllTexInfos();
    VideoCloseScreen();
    SDL_Quit();
    VideoUnloadGL();
}

void VideoResetState()
{
    VideoFreeAllTexInfos();
    forgetScreens();
    VideoUnloadGL();
    // Every part back to its first value but the pages' size limit, which a test sets around the reset.
    const int32_t packArea = video.packArea;
    video = VideoState{};
    video.packArea = packArea;
}

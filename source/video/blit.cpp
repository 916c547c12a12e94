// blit.cpp -- drawing: textured-quad blits, fills, read-back, marking changes and presenting the frame
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "video/video_internal.h"

namespace {
SDL_Rect wholeOf(const SDL_Surface *surface)
{
    return SDL_Rect{0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
}

bool textureUsable(const TexInfo *info, int index)
{
    return index < info->textureCount && info->textureNames[index] != VideoNoTexture;
}

void quadCorner(float s, float t, int x, int y)
{
    gl.TexCoord2f(s, t);
    gl.Vertex2i(x, y);
}

// Strips along x or y: one quad per strip touched, strips of one texture in one glBegin/glEnd.
void drawStrips(const TexInfo *info, float s1, float t1, float s2, float t2, int x1, int y1, int x2, int y2,
                Uint8 alpha)
{
    const bool alongX = info->layout == LayoutStripsAlongX;
    const int side = info->textureSide, perTexture = info->stripsPerTexture;
    const float k = 1.0f / static_cast<float>(side);
    const float a1 = alongX ? s1 : t1, a2 = alongX ? s2 : t2;
    const int e1 = alongX ? x1 : y1, e2 = alongX ? x2 : y2;
    const float step = static_cast<float>(alongX ? info->stripHeight : info->stripWidth) * k;

    int j = static_cast<int>(std::floor(a1));
    int texture = j / perTexture;
    float offset = static_cast<float>(j % perTexture) * step;
    if (!textureUsable(info, texture)) return;
    VideoBindTexture(info->textureNames[texture]);
    VideoBeginQuads();
    for (; static_cast<float>(j) < a2; j++, offset += step) {
        if (j / perTexture != texture) {
            texture = j / perTexture;
            if (!textureUsable(info, texture)) return;
            VideoBindTexture(info->textureNames[texture]);  // ends the run of the texture before
            offset = 0;
            VideoBeginQuads();
        }
        float b1 = a1 - static_cast<float>(j), b2 = a2 - static_cast<float>(j);
        int nearEdge = e1, farEdge = e2;
        if (b1 < 0) {  // the blit began in an earlier strip
            nearEdge = e1 - static_cast<int>(b1 * static_cast<float>(side));
            b1 = 0;
        }
        if (b2 > 1) {  // and goes on in a later one
            farEdge = e2 - static_cast<int>((b2 - 1) * static_cast<float>(side));
            b2 = 1;
        }
        gl.Color4ub(255, 255, 255, alpha);
        if (alongX) {
            quadCorner(b1, offset + t1, nearEdge, y1);
            quadCorner(b2, offset + t1, farEdge, y1);
            quadCorner(b2, offset + t2, farEdge, y2);
            quadCorner(b1, offset + t2, nearEdge, y2);
        } else {
            quadCorner(offset + s1, b1, x1, nearEdge);
            quadCorner(offset + s2, b1, x2, nearEdge);
            quadCorner(offset + s2, b2, x2, farEdge);
            quadCorner(offset + s1, b2, x1, farEdge);
        }
    }
}

// The part (left, top, width, height) of a picture in one piece drawn at (x, y): one quad for each of
// its runs of blocks whose kind is in `kinds` (bit 1 << kind), cut to the part.
void drawBlocks(const TexInfo *info, unsigned kinds, float k, int left, int top, int width, int height, int x, int y)
{
    const int right = left + width, bottom = top + height;
    for (const VideoBlockRun &run : info->blockRuns) {
        if (!((kinds >> run.kind) & 1u)) continue;
        const int xa = std::max(left, run.x), xb = std::min(right, run.x + run.w);
        const int ya = std::max(top, run.y), yb = std::min(bottom, run.y + run.h);
        if (xa >= xb || ya >= yb) continue;
        const float s1 = (info->pageX + xa) * k, s2 = (info->pageX + xb) * k;
        const float t1 = (info->pageY + ya) * k, t2 = (info->pageY + yb) * k;
        quadCorner(s1, t1, x + xa - left, y + ya - top);
        quadCorner(s2, t1, x + xb - left, y + ya - top);
        quadCorner(s2, t2, x + xb - left, y + yb - top);
        quadCorner(s1, t2, x + xa - left, y + yb - top);
    }
}

// Copies the window's block `area` (clipped to the window) onto `destination` with its top-left corner at
// (x, y), upright; `written` receives where it landed. The frame buffer's rows run bottom-up.
int readWindow(SDL_Rect area, SDL_Surface *destination, int x, int y, SDL_Rect *written)
{
    SDL_Surface *window = SDL_GetVideoSurface();
    const int left = std::max<int>(area.x, 0), top = std::max<int>(area.y, 0);
    const int right = std::min<int>(area.x + area.w, window->w), bottom = std::min<int>(area.y + area.h, window->h);
    x += left - area.x;
    y += top - area.y;
    const int width = right - left, height = bottom - top;
    *written = SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    if (width <= 0 || height <= 0) return 0;
    written->w = static_cast<Uint16>(width);
    written->h = static_cast<Uint16>(height);
    VideoInvalidate(destination, written);
    VideoEndQuads();

    // Rows of a 24-bit SDL surface are padded to 4 bytes, as OpenGL packs them by default.
    SDL_Surface *rows = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
    if (!rows) return -1;
    rows->unused1 = 0;
    gl.ReadPixels(left, window->h - bottom, width, height, GL_RGB, GL_UNSIGNED_BYTE, rows->pixels);
    int result = 0;
    for (int n = 0; n < height && result == 0; n++) {
        SDL_Rect from{0, static_cast<Sint16>(n), static_cast<Uint16>(width), 1};
        SDL_Rect to{static_cast<Sint16>(x), static_cast<Sint16>(y + height - 1 - n), 0, 0};
        if (SDL_UpperBlit(rows, &from, destination, &to) < 0) result = -1;
    }
    SDL_FreeSurface(rows);
    return result;
}

// Onto a picture: SDL copies, and the picture's textures (or its display-format copy) become stale where
// the copy landed.
int blitOntoPicture(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect)
{
    SDL_Rect landed = destinationRect ? *destinationRect : SDL_Rect{0, 0, 0, 0};
    const int result = SDL_UpperBlit(source, sourceRect, destination, &landed);
    if (result == 0) VideoInvalidate(destination, destinationRect ? &landed : nullptr);
    if (destinationRect) *destinationRect = landed;
    return result;
}

// Without OpenGL, onto SDL's screen: from the picture's display-format copy, as SDL blits fastest. A
// picture whose alpha channel meets a colour key is left to SDL as it is, since the copy would turn the
// key into transparency where SDL's own blit ignores it.
int plainBlitToScreen(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *window, SDL_Rect *destinationRect)
{
    const Uint32 keyFlag = source->flags & SDL_SRCCOLORKEY;
    TexInfo *info = keyFlag && source->format->Amask ? nullptr : VideoPlainRecord(source);
    if (!info) return SDL_UpperBlit(source, sourceRect, window, destinationRect);
    if (!info->displayCopy || info->dirtyRect.w != 0 || keyFlag != info->copyKeyFlag ||
        (keyFlag && source->format->colorkey != info->copyKey)) {
        info->displayCopy.reset(source->format->Amask ? SDL_DisplayFormatAlpha(source) : SDL_DisplayFormat(source));
        info->dirtyRect = SDL_Rect{0, 0, 0, 0};
        info->copyKeyFlag = keyFlag;
        info->copyKey = source->format->colorkey;
        if (!info->displayCopy) return SDL_UpperBlit(source, sourceRect, window, destinationRect);
        info->displayCopy->unused1 = 0;
    }
    // Per-surface alpha is read at every draw, as on the OpenGL path.
    SDL_Surface *copy = info->displayCopy.get();
    const Uint32 alphaFlag = source->flags & SDL_SRCALPHA;
    if ((copy->flags & SDL_SRCALPHA) != alphaFlag || copy->format->alpha != source->format->alpha)
        SDL_SetAlpha(copy, alphaFlag, source->format->alpha);
    return SDL_UpperBlit(copy, sourceRect, window, destinationRect);
}
}  // namespace

// ----------------------------------------------------------------------------------------------------
// Blits
// ----------------------------------------------------------------------------------------------------
int VideoBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect)
{
    if (!source || !destination) return -1;
    SDL_Surface *window = SDL_GetVideoSurface();
    if (!VideoInOpenGLMode()) {
        const bool toScreen = destination == window || (destination && destination == video.plainFrame);
        if (toScreen && source != destination)
            return plainBlitToScreen(source, sourceRect, destination, destinationRect);
        return blitOntoPicture(source, sourceRect, destination, destinationRect);
    }

    if (source == video.shadowScreen) source = window;
    if (destination == video.shadowScreen) destination = window;
    const bool fromScreen = source == window, toScreen = destination == window;

    if (fromScreen && toScreen) {
        // Through the ShadowScreen's memory: read the block there, then draw it back where it belongs.
        if (!video.shadowScreen || video.screenScale > 1) return -1;
        SDL_Rect area = sourceRect ? *sourceRect : wholeOf(window);
        SDL_Rect written;
        const int x = destinationRect ? destinationRect->x : 0, y = destinationRect ? destinationRect->y : 0;
        if (readWindow(area, video.shadowScreen, x, y, &written) < 0) return -1;
        if (written.w == 0) return 0;
        SDL_Rect at{written.x, written.y, 0, 0};
        int result = VideoTexturedBlit(video.shadowScreen, &written, window, &at);
        if (destinationRect) *destinationRect = at;
        return result;
    }
    if (fromScreen) return VideoReadBack(sourceRect, destination, destinationRect);
    if (toScreen) return VideoTexturedBlit(source, sourceRect, window, destinationRect);

    return blitOntoPicture(source, sourceRect, destination, destinationRect);
}

int VideoTexturedBlit(SDL_Surface *source, SDL_Rect *sourceRect, SDL_Surface *window, SDL_Rect *destinationRect)
{
    if (!source || !window) return -1;
    if (destinationRect) {
        const int width = sourceRect ? sourceRect->w : source->w, height = sourceRect ? sourceRect->h : source->h;
        if (destinationRect->x > window->w || destinationRect->y > window->h || destinationRect->x + width < 0 ||
            destinationRect->y + height < 0)
            return 0;
    }

    VideoUploadTexture(source);
    const TexInfo *info = VideoGetTexInfo(source);
    if (!info) return 0;

    const bool keyed = source->flags & SDL_SRCCOLORKEY, alphaFlag = source->flags & SDL_SRCALPHA;
    if (keyed || alphaFlag) {
        VideoSetBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        VideoSetBlend(1);
    } else {
        VideoSetBlend(0);
    }
    VideoSetTexturing(1);

    // The part of the source that exists: a rectangle reaching past the picture would show texels that
    // were never filled. What is cut off on the left or top moves the drawing as it does in SDL.
    SDL_Rect area = sourceRect ? *sourceRect : info->sourceRect;
    int x1 = destinationRect ? destinationRect->x : 0, y1 = destinationRect ? destinationRect->y : 0;
    int left = area.x, top = area.y, width = area.w, height = area.h;
    if (left < 0) width += left, x1 -= left, left = 0;
    if (top < 0) height += top, y1 -= top, top = 0;
    width = std::max(0, std::min(width, static_cast<int>(info->sourceRect.w) - left));
    height = std::max(0, std::min(height, static_cast<int>(info->sourceRect.h) - top));

    int drawnWidth = width, drawnHeight = height;
    if (info->outWidth != info->sourceRect.w || info->outHeight != info->sourceRect.h) {
        drawnWidth = static_cast<int>(width * static_cast<double>(info->outWidth) / info->sourceRect.w);
        drawnHeight = static_cast<int>(height * static_cast<double>(info->outHeight) / info->sourceRect.h);
    }
    if (destinationRect) {
        destinationRect->w = static_cast<Uint16>(drawnWidth);
        destinationRect->h = static_cast<Uint16>(drawnHeight);
    }
    if (width == 0 || height == 0 || info->textureCount == 0) return 0;

    // A picture on a page lies at its place there; the page's side is the unit of texture coordinates.
    const float k = 1.0f / static_cast<float>(info->page ? VideoPageSide() : info->textureSide);
    // Per-surface alpha scales the texels; an alpha channel blends by itself unless a key was turned
    // into it.
    Uint8 alpha = 255;
    if (alphaFlag && (source->format->Amask == 0 || keyed)) alpha = source->format->alpha;
    const bool blended = keyed || alphaFlag;
    const bool onePiece = info->layout == LayoutOnePiece || info->page;
    if (blended && !info->blockRuns.empty() && onePiece && drawnWidth == width && drawnHeight == height) {
        if (!textureUsable(info, 0)) return 0;
        VideoBindTexture(info->textureNames[0]);
        // Where the texels are opaque and nothing scales them, blending would give the texels themselves.
        // The picture's quads do not overlap, so the order of the two passes changes nothing.
        const bool opaquePass = alpha == SDL_ALPHA_OPAQUE;
        if (opaquePass) {
            VideoSetBlend(0);
            VideoBeginQuads();
            gl.Color4ub(255, 255, 255, alpha);
            drawBlocks(info, 1u << BlockOpaque, k, left, top, width, height, x1, y1);
            VideoSetBlend(1);
        }
        VideoBeginQuads();
        gl.Color4ub(255, 255, 255, alpha);
        const unsigned blendedKinds = opaquePass ? 1u << BlockMixed : (1u << BlockMixed) | (1u << BlockOpaque);
        drawBlocks(info, blendedKinds, k, left, top, width, height, x1, y1);
        return 0;
    }
    left += info->pageX;
    top += info->pageY;
    const float s1 = left * k, t1 = top * k, s2 = (left + width) * k, t2 = (top + height) * k;
    const int x2 = x1 + drawnWidth, y2 = y1 + drawnHeight;

    if (onePiece) {
        if (!textureUsable(info, 0)) return 0;
        VideoBindTexture(info->textureNames[0]);
        VideoBeginQuads();
        gl.Color4ub(255, 255, 255, alpha);
        quadCorner(s1, t1, x1, y1);
        quadCorner(s2, t1, x2, y1);
        quadCorner(s2, t2, x2, y2);
        quadCorner(s1, t2, x1, y2);
    } else if (info->layout == LayoutStripsAlongX || info->layout == LayoutStripsAlongY) {
        drawStrips(info, s1, t1, s2, t2, x1, y1, x2, y2, alpha);
    }
    return 0;
}

int VideoReadBack(SDL_Rect *sourceRect, SDL_Surface *destination, SDL_Rect *destinationRect)
{
    // Enlarged windows hold more pixels than the program's units.
    if (video.screenScale > 1) return -1;
    SDL_Surface *window = SDL_GetVideoSurface();
    if (!destination || !window || !VideoInOpenGLMode()) return -1;
    SDL_Rect area = sourceRect ? *sourceRect : wholeOf(window);
    SDL_Rect written;
    const int x = destinationRect ? destinationRect->x : 0, y = destinationRect ? destinationRect->y : 0;
    return readWindow(area, destination, x, y, &written);
}

// ----------------------------------------------------------------------------------------------------
// Fills, changes and presentation
// ----------------------------------------------------------------------------------------------------
int VideoFillRect(SDL_Surface *surface, SDL_Rect *rect, Uint32 colour)
{
    if (!surface) return -1;
    const SDL_PixelFormat *format = surface->format;
    const Uint8 red = static_cast<Uint8>(((colour & format->Rmask) >> format->Rshift) << format->Rloss);
    const Uint8 green = static_cast<Uint8>(((colour & format->Gmask) >> format->Gshift) << format->Gloss);
    const Uint8 blue = static_cast<Uint8>(((colour & format->Bmask) >> format->Bshift) << format->Bloss);

    SDL_Surface *window = SDL_GetVideoSurface();
    if (surface == video.shadowScreen && window) surface = window;
    if (surface != window) VideoInvalidate(surface, rect);

    if (surface == window && VideoInOpenGLMode()) {
        VideoSetTexturing(0);
        VideoSetBlend(0);
        const SDL_Rect r = rect ? *rect : window->clip_rect;
        VideoBeginQuads();
        gl.Color3ub(red, green, blue);
        gl.Vertex2i(r.x, r.y);
        gl.Vertex2i(r.x + r.w, r.y);
        gl.Vertex2i(r.x + r.w, r.y + r.h);
        gl.Vertex2i(r.x, r.y + r.h);
        return 0;
    }
    return SDL_FillRect(surface, rect, colour);
}

void VideoInvalidate(SDL_Surface *surface, SDL_Rect *rect)
{
    TexInfo *info = VideoGetTexInfo(surface);
    if (!info) return;
    const SDL_Rect area = rect ? *rect : wholeOf(surface);
    // An empty area changes nothing, and must not cancel a change still waiting for its upload.
    if (area.w == 0 || area.h == 0) return;
    if (info->dirtyRect.w == 0 || info->dirtyRect.h == 0) {
        info->dirtyRect = area;
        return;
    }
    const SDL_Rect &old = info->dirtyRect;
    const int left = std::min<int>(old.x, area.x), top = std::min<int>(old.y, area.y);
    const int right = std::max<int>(old.x + old.w, area.x + area.w);
    const int bottom = std::max<int>(old.y + old.h, area.y + area.h);
    info->dirtyRect = SDL_Rect{static_cast<Sint16>(left), static_cast<Sint16>(top), static_cast<Uint16>(right - left),
                               static_cast<Uint16>(bottom - top)};
}

void VideoPresentScaled()
{
    SDL_Surface *window = SDL_GetVideoSurface();
    if (!window || !video.presentScaled || !VideoGLLoaded()) return;
    const int frameWidth = video.screenWidth * video.screenScale, frameHeight = video.screenHeight * video.screenScale;
    const SDL_Rect v = video.view;
    VideoEndQuads();
    if (!video.frameTexture) {
        int side = 1;
        while (side < frameWidth + 1 || side < frameHeight + 1) side *= 2;
        if (side > video.maxTextureSize) {
            fprintf(stderr, "video: No texture of %d texels for the %dx%d frame: it is shown unscaled.\n", side,
                    frameWidth, frameHeight);
            video.presentScaled = false;
            return;
        }
        // Whole scales keep every pixel sharp; any other is filtered smooth.
        const bool whole = v.w % frameWidth == 0 && v.h % frameHeight == 0 && v.w / frameWidth == v.h / frameHeight;
        const GLint filter = whole ? GL_NEAREST : GL_LINEAR;
        gl.GenTextures(1, &video.frameTexture);
        VideoBindTexture(video.frameTexture);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, side, side, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        VideoCheckGLError(1);
        video.frameTextureSide = side;
    }
    VideoBindTexture(video.frameTexture);
    // The frame lies at the window's top left; OpenGL counts rows upwards from the bottom, so the texture
    // holds it upside down. Filtering reads one texel past its right and top edges: they repeat the edge.
    const int bottom = window->h - frameHeight, top = window->h - 1;
    gl.CopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, bottom, frameWidth, frameHeight);
    gl.CopyTexSubImage2D(GL_TEXTURE_2D, 0, frameWidth, 0, frameWidth - 1, bottom, 1, frameHeight);
    gl.CopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, frameHeight, 0, top, frameWidth, 1);
    gl.CopyTexSubImage2D(GL_TEXTURE_2D, 0, frameWidth, frameHeight, frameWidth - 1, top, 1, 1);

    gl.Viewport(0, 0, window->w, window->h);
    gl.MatrixMode(GL_PROJECTION);
    gl.LoadIdentity();
    gl.Ortho(0, window->w, window->h, 0, -1.0, 1.0);
    VideoSetBlend(0);
    VideoSetTexturing(1);
    const float s = static_cast<float>(frameWidth) / video.frameTextureSide;
    const float t = static_cast<float>(frameHeight) / video.frameTextureSide;
    VideoBeginQuads();
    gl.Color4ub(255, 255, 255, 255);
    quadCorner(0, t, v.x, v.y);
    quadCorner(s, t, v.x + v.w, v.y);
    quadCorner(s, 0, v.x + v.w, v.y + v.h);
    quadCorner(0, 0, v.x, v.y + v.h);
    // The bars: left, right, above and below the picture.
    VideoSetTexturing(0);
    VideoBeginQuads();
    gl.Color3ub(0, 0, 0);
    const SDL_Rect bars[4] = {{0, 0, static_cast<Uint16>(v.x), static_cast<Uint16>(window->h)},
                              {static_cast<Sint16>(v.x + v.w), 0, static_cast<Uint16>(window->w - v.x - v.w),
                               static_cast<Uint16>(window->h)},
                              {v.x, 0, v.w, static_cast<Uint16>(v.y)},
                              {v.x, static_cast<Sint16>(v.y + v.h), v.w, static_cast<Uint16>(window->h - v.y - v.h)}};
    for (const SDL_Rect &bar : bars) {
        if (bar.w == 0 || bar.h == 0) continue;
        gl.Vertex2i(bar.x, bar.y);
        gl.Vertex2i(bar.x + bar.w, bar.y);
        gl.Vertex2i(bar.x + bar.w, bar.y + bar.h);
        gl.Vertex2i(bar.x, bar.y + bar.h);
    }
    VideoEndQuads();
    // The next frame is drawn again in the program's clip.
    if (video.shadowScreen) {
        SDL_Rect clip = video.shadowScreen->clip_rect;
        VideoSetClipRect(video.shadowScreen, &clip);
    }
}

int VideoFlip(SDL_Surface *surface)
{
    if (!surface) return -1;
    // The frame is over: whatever a game freed during it goes, with its record and textures.
    VideoEndQuads();
    VideoSweepRecords();
    if (VideoGetTexInfo(surface) && VideoGLLoaded()) {
        VideoPresentScaled();
        SDL_GL_SwapBuffers();
        return 0;
    }
    if (surface == video.plainFrame) {
        // Written by the processor alone, the window takes only the view: its bars stay as they were.
        SDL_Surface *window = SDL_GetVideoSurface();
        if (!window || (SDL_MUSTLOCK(window) && SDL_LockSurface(window) < 0)) return -1;
        const SDL_Rect v = video.view;
        VideoScaleFrame(&video.scalePlan, surface, window, v.x, v.y);
        if (SDL_MUSTLOCK(window)) SDL_UnlockSurface(window);
        SDL_UpdateRect(window, v.x, v.y, v.w, v.h);
        return 0;
    }
    return SDL_Flip(surface);
}

SDL_Surface *VideoLoadBMP(const char *fileName)
{
    if (!fileName) return nullptr;
    SDL_RWops *stream = SDL_RWFromFile(fileName, "rb");
    if (!stream) return nullptr;
    SDL_Surface *surface = SDL_LoadBMP_RW(stream, 1);
    if (surface) surface->unused1 = 0;
    return surface;
}

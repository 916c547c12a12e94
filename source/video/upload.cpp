// upload.cpp -- putting a surface's pixels into its planned textures, converting what OpenGL cannot take
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "video/video_internal.h"

namespace {
bool texturesCurrent(const TexInfo *info)
{
    if (info->textureCount == 0) return false;
    const uint32_t *names = info->textureNames.get();
    return std::find(names, names + info->textureCount, VideoNoTexture) == names + info->textureCount;
}

// SDL_ConvertSurface fills the alpha channel of a picture without one from its per-surface alpha; the
// quad's colour applies that alpha at every draw, so the channel must say opaque or it counts twice. The
// copy itself has no record and no per-surface alpha: it is copied on as it is.
SDL_Surface *convertOpaque(SDL_Surface *surface, SDL_PixelFormat *format)
{
    const Uint8 alpha = surface->format->alpha;
    if (surface->format->Amask == 0) surface->format->alpha = SDL_ALPHA_OPAQUE;
    SDL_Surface *copy = SDL_ConvertSurface(surface, format, 0);
    surface->format->alpha = alpha;
    if (!copy) return nullptr;
    copy->unused1 = 0;
    SDL_SetAlpha(copy, 0, 0);
    return copy;
}

// The converted copy drawn into a new surface of the layer's own (registered, in an upload format); the
// copy goes either way.
SDL_Surface *intoLayerSurface(SDL_Surface *copy, bool withAlpha)
{
    SDL_Surface *result = withAlpha ? VideoCreateRGBA(copy->w, copy->h) : VideoCreateRGB(copy->w, copy->h);
    if (result) SDL_UpperBlit(copy, nullptr, result, nullptr);
    VideoFreeSurface(copy);
    return result;
}

// Sorts the blocks of a picture in one piece by its alpha channel: 0 throughout, 255 throughout, or mixed.
void findBlocks(const SDL_Surface *source, TexInfo *info)
{
    info->blockRuns.clear();
    const int width = source->w, height = source->h;
    if ((info->layout != LayoutOnePiece && !info->page) || source->format->BytesPerPixel != 4 ||
        (width < 2 * VideoBlockSide && height < 2 * VideoBlockSide))
        return;
    const int columns = (width + VideoBlockSide - 1) / VideoBlockSide, rows = (height + VideoBlockSide - 1) / VideoBlockSide;
    const size_t count = static_cast<size_t>(columns) * rows;
    // Per block: whether some texel is not clear, and whether some texel is not opaque.
    std::vector<uint8_t> seen(count, 0);
    for (int y = 0; y < height; y++) {
        // Bytes R, G, B, A: the alpha of pixel x is byte 4x + 3.
        const Uint8 *row = static_cast<const Uint8 *>(source->pixels) + static_cast<size_t>(y) * source->pitch;
        uint8_t *blockRow = seen.data() + static_cast<size_t>(y / VideoBlockSide) * columns;
        for (int x = 0; x < width; x++) {
            const Uint8 alpha = row[4 * x + 3];
            blockRow[x / VideoBlockSide] |= (alpha != 0 ? 1 : 0) | (alpha != SDL_ALPHA_OPAQUE ? 2 : 0);
        }
    }
    // Each block's kind in place of its two bits.
    for (uint8_t &block : seen) block = block == 2 ? BlockClear : block == 1 ? BlockOpaque : BlockMixed;
    // Runs of opaque or of mixed blocks along each row of blocks, joined with the run of the same kind
    // and extent in the row above.
    std::vector<VideoBlockRun> runs;
    std::vector<size_t> above, current;  // runs ending at the row above, and at this row
    bool any = false;
    for (int row = 0; row < rows; row++) {
        const int y = row * VideoBlockSide, h = std::min(height, y + VideoBlockSide) - y;
        current.clear();
        const uint8_t *blockRow = seen.data() + static_cast<size_t>(row) * columns;
        for (int column = 0; column < columns;) {
            const uint8_t kind = blockRow[column];
            int end = column + 1;
            while (end < columns && blockRow[end] == kind) end++;
            any = any || kind != BlockMixed;
            const int x = column * VideoBlockSide, w = std::min(width, end * VideoBlockSide) - x;
            column = end;
            if (kind == BlockClear) continue;
            auto same = std::find_if(above.begin(), above.end(), [&](size_t i) {
                return runs[i].x == x && runs[i].w == w && runs[i].kind == kind;
            });
            if (same != above.end()) {
                runs[*same].h += h;
                current.push_back(*same);
            } else {
                runs.push_back(VideoBlockRun{x, y, w, h, kind});
                current.push_back(runs.size() - 1);
            }
        }
        above.swap(current);
    }
    if (any) info->blockRuns = std::move(runs);
}

// Into the picture's own place on its page. Pages are RGBA; a picture without alpha is opaque there.
void uploadToPage(const SDL_Surface *source, TexInfo *info)
{
    const int width = source->w, height = source->h;
    const GLuint page = VideoPageTexture(info);
    VideoEndQuads();
    VideoBindTexture(page);
    if (source->format->BytesPerPixel == 4) {
        gl.PixelStorei(GL_UNPACK_ROW_LENGTH, source->pitch / 4);
        gl.TexSubImage2D(GL_TEXTURE_2D, 0, info->pageX, info->pageY, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                         source->pixels);
    } else {
        std::vector<Uint8> rgba(static_cast<size_t>(width) * height * 4);
        Uint8 *to = rgba.data();
        for (int y = 0; y < height; y++) {
            const Uint8 *from = static_cast<const Uint8 *>(source->pixels) + static_cast<size_t>(y) * source->pitch;
            for (int x = 0; x < width; x++, from += 3, to += 4) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
                to[3] = SDL_ALPHA_OPAQUE;
            }
        }
        gl.PixelStorei(GL_UNPACK_ROW_LENGTH, width);
        gl.TexSubImage2D(GL_TEXTURE_2D, 0, info->pageX, info->pageY, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                         rgba.data());
    }
    info->textureNames[0] = page;
}

bool sameMasks(const SDL_PixelFormat *a, const SDL_PixelFormat &b, bool withAlpha)
{
    return a->BytesPerPixel == b.BytesPerPixel && a->Rmask == b.Rmask && a->Gmask == b.Gmask &&
           a->Bmask == b.Bmask && (!withAlpha || a->Amask == b.Amask);
}
}  // namespace

// ----------------------------------------------------------------------------------------------------
// Upload
// ----------------------------------------------------------------------------------------------------
int VideoUploadTexture(SDL_Surface *surface)
{
    if (!VideoGetTexInfo(surface)) {
        int added = VideoAddTexInfo(surface);
        if (!VideoGetTexInfo(surface)) return added < 0 ? added : -2;
    }
    TexInfo *info = VideoGetTexInfo(surface);

    if (info->dirtyRect.w != 0) VideoReleaseTextures(info);
    else if (texturesCurrent(info)) return 0;
    // A surface without textures (too large or empty) has nothing to make: no conversion for nothing.
    if (info->textureCount == 0) return 0;
    if (!VideoGLLoaded()) return -1;  // no context to hold textures

    if (!info->page && VideoInOpenGLMode() && VideoPackable(surface, info)) VideoPlaceOnPage(info);
    if (!info->page && info->textureSide > video.maxTextureSize) {
        fprintf(stderr, "video: INTERNAL ERROR: Too large texture!\n");
        return -1;
    }

    SDL_Surface *source = surface, *converted = nullptr;
    if (!VideoIsUploadFormat(surface)) {
        fprintf(stderr, "video: WARNING: On-the-fly conversion performed!\n");
        converted = surface->format->Amask ? VideoConvertRGBA(surface) : VideoConvertRGB(surface);
        if (!converted) return -2;
        source = converted;
    }
    // A run-length encoded surface keeps its plain pixels only while locked.
    const bool locked = SDL_MUSTLOCK(source) && SDL_LockSurface(source) == 0;
    if (source->pixels && info->page) uploadToPage(source, info);
    else if (source->pixels)
        for (int i = 0; i < info->textureCount; i++) VideoUploadOne(source, info, i);
    if (source->pixels) findBlocks(source, info);
    if (locked) SDL_UnlockSurface(source);
    if (converted) VideoFreeSurface(converted);
    return 0;
}

int VideoIsUploadFormat(SDL_Surface *surface)
{
    if (!surface) return 1;
    const SDL_PixelFormat *format = surface->format;
    // Keyed surfaces without alpha need their key turned into transparency first.
    if ((surface->flags & SDL_SRCCOLORKEY) && format->Amask == 0) return 0;
    if (surface->pitch != format->BytesPerPixel * surface->w) return 0;
    // OpenGL reads rows at 4-byte boundaries; tighter rows must be copied into a padded surface.
    if (surface->pitch % 4 != 0) return 0;
    if (format->Amask) return sameMasks(format, video.uploadFormatRGBA, true);
    return sameMasks(format, video.uploadFormatRGB, false);
}

// ----------------------------------------------------------------------------------------------------
// Conversion
// ----------------------------------------------------------------------------------------------------
SDL_Surface *VideoConvertRGB(SDL_Surface *surface)
{
    if (!surface) return nullptr;
    if (!VideoInOpenGLMode()) {
        SDL_Surface *display = SDL_DisplayFormat(surface);
        if (display) display->unused1 = 0;
        return display;
    }
    const bool keyed = surface->flags & SDL_SRCCOLORKEY;
    const bool alphaFlag = surface->flags & SDL_SRCALPHA;
    const bool toRGBA = keyed || (alphaFlag && surface->format->Amask);

    SDL_Surface *copy = convertOpaque(surface, toRGBA ? &video.uploadFormatRGBA : &video.uploadFormatRGB);
    if (!copy) return nullptr;
    if (keyed) {
        SDL_SetColorKey(copy, SDL_SRCCOLORKEY, surface->format->colorkey);
        VideoZeroKeyPixels(copy);
    }
    SDL_SetColorKey(copy, 0, 0);

    SDL_Surface *result = intoLayerSurface(copy, toRGBA);
    if (!result) return nullptr;
    if (alphaFlag) SDL_SetAlpha(result, SDL_SRCALPHA, surface->format->alpha);
    return result;
}

SDL_Surface *VideoConvertRGBA(SDL_Surface *surface)
{
    if (!surface) return nullptr;
    if (!VideoInOpenGLMode()) {
        SDL_Surface *display = SDL_DisplayFormatAlpha(surface);
        if (display) display->unused1 = 0;
        return display;
    }
    const bool keyed = surface->flags & SDL_SRCCOLORKEY;

    SDL_Surface *copy = convertOpaque(surface, &video.uploadFormatRGBA);
    if (!copy) return nullptr;
    SDL_SetColorKey(copy, 0, 0);

    SDL_Surface *result = intoLayerSurface(copy, true);
    if (!result) return nullptr;
    if (keyed) {
        SDL_SetColorKey(result, SDL_SRCCOLORKEY, surface->format->colorkey);
        VideoZeroKeyPixels(result);
    }
    if (surface->flags & SDL_SRCALPHA) SDL_SetAlpha(result, SDL_SRCALPHA, surface->format->alpha);
    return result;
}

void VideoZeroKeyPixels(SDL_Surface *surface)
{
    if (!surface || surface->format->BytesPerPixel != 4) return;
    const Uint32 key = surface->format->colorkey;
    if (SDL_LockSurface(surface) < 0) return;
    for (int y = 0; y < surface->h; y++) {
        Uint32 *row = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(surface->pixels) + y * surface->pitch);
        std::replace(row, row + surface->w, key, Uint32{0});
    }
    SDL_UnlockSurface(surface);
}

// ----------------------------------------------------------------------------------------------------
// One texture
// ----------------------------------------------------------------------------------------------------
int VideoUploadOne(SDL_Surface *source, TexInfo *info, int textureIndex)
{
    VideoEndQuads();
    gl.GenTextures(1, &info->textureNames[textureIndex]);
    VideoBindTexture(info->textureNames[textureIndex]);

    const int bytesPerPixel = source->format->BytesPerPixel;
    gl.PixelStorei(GL_UNPACK_ROW_LENGTH, source->pitch / bytesPerPixel);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    const bool alpha = source->format->Amask != 0;
    const GLenum format = alpha ? GL_RGBA : GL_RGB;
    const int side = info->textureSide;
    gl.TexImage2D(GL_TEXTURE_2D, 0, alpha ? GL_RGBA8 : GL_RGB8, side, side, 0, format, GL_UNSIGNED_BYTE, nullptr);
    VideoCheckGLError(1);

    const Uint8 *pixels = static_cast<const Uint8 *>(source->pixels);
    const int perTexture = info->stripsPerTexture;
    if (info->layout == LayoutStripsAlongY) {
        int row = info->stripHeight * textureIndex * perTexture;
        for (int t = 0; t + info->stripWidth <= side; t += info->stripWidth) {
            const int rows = std::min(info->stripHeight, source->h - row);
            if (rows <= 0) break;
            gl.TexSubImage2D(GL_TEXTURE_2D, 0, t, 0, info->stripWidth, rows, format, GL_UNSIGNED_BYTE,
                             pixels + static_cast<size_t>(source->pitch) * row);
            row += info->stripHeight;
            gl.Flush();
        }
    } else {
        int column = info->stripWidth * textureIndex * perTexture;
        for (int t = 0; t + info->stripHeight <= side; t += info->stripHeight) {
            const int columns = std::min(info->stripWidth, source->w - column);
            if (columns <= 0) break;
            gl.TexSubImage2D(GL_TEXTURE_2D, 0, 0, t, columns, info->stripHeight, format, GL_UNSIGNED_BYTE,
                             pixels + static_cast<size_t>(bytesPerPixel) * column);
            column += info->stripWidth;
            gl.Flush();
        }
    }
    return 0;
}

void VideoCheckGLError(int point)
{
    VideoEndQuads();
    const GLenum error = gl.GetError();
    if (error == GL_NO_ERROR) return;
    const char *name = "<unknown>";
    switch (error) {
    case GL_INVALID_ENUM: name = "GL_INVALID_ENUM"; break;
    case GL_INVALID_VALUE: name = "GL_INVALID_VALUE"; break;
    case GL_INVALID_OPERATION: name = "GL_INVALID_OPERATION"; break;
    case GL_STACK_OVERFLOW: name = "GL_STACK_OVERFLOW"; break;
    case GL_STACK_UNDERFLOW: name = "GL_STACK_UNDERFLOW"; break;
    case GL_OUT_OF_MEMORY: name = "GL_OUT_OF_MEMORY"; break;
    }
    fprintf(stderr, "OpenGL error \"%s\" at point %d.\n", name, point);
}

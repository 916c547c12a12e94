// pages.cpp -- shared page textures: small pictures packed side by side, so that a line of text or a row of
// small pictures draws from one texture in one run of quads
#include <algorithm>
#include <vector>

#include "video/video_internal.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
namespace {
constexpr int pageSideWanted = 1024;  // 4 MB of RGBA texels a page
constexpr int maxPages = 8;           // beyond them, small pictures get textures of their own again
constexpr int gap = 1;                // texels left empty between neighbours

// ----------------------------------------------------------------------------------------------------
// Types
// ----------------------------------------------------------------------------------------------------
// Pictures lie on shelves: rows as tall as their first picture, filled left to right.
struct Shelf {
    int y, height, nextX;
};

struct Page {
    GLuint name;
    int pictures;  // placed and not yet left; an empty page starts afresh
    int nextY;
    std::vector<Shelf> shelves;
};

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
std::vector<Page> pages;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
bool placeOnPage(Page &page, int side, int width, int height, int *x, int *y)
{
    // A shelf not much taller than the picture, else a new shelf, else any shelf tall enough.
    for (int pass = 0; pass < 2; pass++) {
        for (Shelf &shelf : page.shelves) {
            const bool fits = height <= shelf.height && shelf.nextX + width <= side;
            if (!fits || (pass == 0 && shelf.height > height + height / 2 + 2)) continue;
            *x = shelf.nextX;
            *y = shelf.y;
            shelf.nextX += width + gap;
            return true;
        }
        if (pass == 0 && page.nextY + height <= side) {
            page.shelves.push_back(Shelf{page.nextY, height, width + gap});
            *x = 0;
            *y = page.nextY;
            page.nextY += height + gap;
            return true;
        }
    }
    return false;
}

bool makePageTexture(Page &page, int side)
{
    VideoEndQuads();
    gl.GenTextures(1, &page.name);
    VideoBindTexture(page.name);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    VideoCheckGLError(1);
    return true;
}
}  // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int32_t VideoPackArea = 256 * 256;

int VideoPageSide() { return std::min(pageSideWanted, static_cast<int>(MaxTextureSize)); }

bool VideoPackable(const SDL_Surface *surface, const TexInfo *info)
{
    const int side = VideoPageSide();
    const int width = info->sourceRect.w, height = info->sourceRect.h;
    // A game's pictures come and go every frame; they keep textures of their own so that the pages hold
    // only what stays. On a page a picture lies in one piece, whatever strips its own texture would have.
    return VideoPackArea > 0 && !info->held && info->textureCount == 1 && width > 0 &&
           height > 0 && width * height <= VideoPackArea && width <= side / 2 && height <= side / 2 &&
           surface != SDL_GetVideoSurface() && surface != ShadowScreen;
}

bool VideoPlaceOnPage(TexInfo *info)
{
    const int side = VideoPageSide();
    for (size_t i = 0; i <= pages.size() && i < static_cast<size_t>(maxPages); i++) {
        if (i == pages.size()) {
            pages.push_back(Page{0, 0, 0, {}});
            makePageTexture(pages.back(), side);
        }
        int x = 0, y = 0;
        if (!placeOnPage(pages[i], side, info->sourceRect.w, info->sourceRect.h, &x, &y)) continue;
        pages[i].pictures++;
        info->page = static_cast<int32_t>(i) + 1;
        info->pageX = x;
        info->pageY = y;
        return true;
    }
    return false;
}

GLuint VideoPageTexture(const TexInfo *info) { return pages[info->page - 1].name; }

void VideoLeavePage(TexInfo *info)
{
    if (info->page == 0) return;
    Page &page = pages[info->page - 1];
    // Places are not reused one by one; a page whose pictures have all gone is filled afresh.
    if (--page.pictures == 0) {
        page.shelves.clear();
        page.nextY = 0;
    }
    info->page = 0;
}

void VideoFreePages()
{
    for (Page &page : pages) {
        if (!VideoGLLoaded()) break;
        VideoEndQuads();
        gl.DeleteTextures(1, &page.name);
        if (GLStateCache[CacheTexture] == static_cast<int32_t>(page.name)) GLStateCache[CacheTexture] = 0;
    }
    pages.clear();
}

int VideoPagesInUse() { return static_cast<int>(pages.size()); }

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
// Internal functions
// ----------------------------------------------------------------------------------------------------
bool placeOnPage(VideoPage &page, int side, int width, int height, int *x, int *y)
{
    // A shelf not much taller than the picture, else a new shelf, else any shelf tall enough.
    for (int pass = 0; pass < 2; pass++) {
        for (VideoShelf &shelf : page.shelves) {
            const bool fits = height <= shelf.height && shelf.nextX + width <= side;
            if (!fits || (pass == 0 && shelf.height > height + height / 2 + 2)) continue;
            *x = shelf.nextX;
            *y = shelf.y;
            shelf.nextX += width + gap;
            return true;
        }
        if (pass == 0 && page.nextY + height <= side) {
            page.shelves.push_back(VideoShelf{page.nextY, height, width + gap});
            *x = 0;
            *y = page.nextY;
            page.nextY += height + gap;
            return true;
        }
    }
    return false;
}

void makePageTexture(VideoPage &page, int side)
{
    VideoEndQuads();
    gl.GenTextures(1, &page.name);
    VideoBindTexture(page.name);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    VideoCheckGLError(1);
}
}  // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int VideoPageSide() { return std::min(pageSideWanted, static_cast<int>(video.maxTextureSize)); }

bool VideoPackable(const SDL_Surface *surface, const TexInfo *info)
{
    const int side = VideoPageSide();
    const int width = info->sourceRect.w, height = info->sourceRect.h;
    // A game's pictures come and go every frame; they keep textures of their own so that the pages hold
    // only what stays. On a page a picture lies in one piece, whatever strips its own texture would have.
    return video.packArea > 0 && !info->held && info->textureCount == 1 && width > 0 &&
           height > 0 && width * height <= video.packArea && width <= side / 2 && height <= side / 2 &&
           surface != SDL_GetVideoSurface() && surface != video.shadowScreen;
}

bool VideoPlaceOnPage(TexInfo *info)
{
    const int side = VideoPageSide();
    for (size_t i = 0; i <= video.pages.size() && i < static_cast<size_t>(maxPages); i++) {
        if (i == video.pages.size()) {
            video.pages.push_back(VideoPage{0, 0, 0, {}});
            makePageTexture(video.pages.back(), side);
        }
        int x = 0, y = 0;
        if (!placeOnPage(video.pages[i], side, info->sourceRect.w, info->sourceRect.h, &x, &y)) continue;
        video.pages[i].pictures++;
        info->page = static_cast<int32_t>(i) + 1;
        info->pageX = x;
        info->pageY = y;
        return true;
    }
    return false;
}

GLuint VideoPageTexture(const TexInfo *info) { return video.pages[info->page - 1].name; }

void VideoLeavePage(TexInfo *info)
{
    if (info->page == 0) return;
    VideoPage &page = video.pages[info->page - 1];
    // Places are not reused one by one; a page whose pictures have all gone is filled afresh.
    if (--page.pictures == 0) {
        page.shelves.clear();
        page.nextY = 0;
    }
    info->page = 0;
}

void VideoFreePages()
{
    for (const VideoPage &page : video.pages) VideoDeleteTexture(page.name);
    video.pages.clear();
}

int VideoPagesInUse() { return static_cast<int>(video.pages.size()); }

// registry.cpp -- texture records of surfaces: the handle table, the tiling plan and the leak report
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "video/video_internal.h"

// ----------------------------------------------------------------------------------------------------
// Records
// ----------------------------------------------------------------------------------------------------
TexInfo *VideoGetTexInfo(SDL_Surface *surface)
{
    if (!surface || !video.records) return nullptr;
    Uint32 handle = surface->unused1;
    if (handle == 0 || handle > static_cast<Uint32>(VideoMaxHandles)) return nullptr;
    TexInfo *info = (*video.records)[handle - 1].get();
    return info && info->owner == surface ? info : nullptr;
}

TexInfo *VideoAllocTexInfo(SDL_Surface *surface)
{
    if (!surface) return nullptr;
    if (!video.records) {
        try {
            video.records = std::make_unique<VideoRecordTable>();
        } catch (const std::bad_alloc &) {
            return nullptr;
        }
    }
    if (TexInfo *existing = VideoGetTexInfo(surface)) return existing;

    VideoRecordTable &slots = *video.records;
    auto freeSlot = std::find(slots.begin(), slots.end(), nullptr);
    if (freeSlot == slots.end()) {
        fprintf(stderr, "video: Out of handles!\n");
        return nullptr;
    }
    try {
        *freeSlot = std::make_unique<TexInfo>();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    TexInfo *info = freeSlot->get();
    info->owner = surface;
    info->serial = video.nextSerial++;
    const unsigned slot = static_cast<unsigned>(freeSlot - slots.begin());
    surface->unused1 = slot + 1;
    if (video.holdingNewRecords) {
        try {
            video.heldRecords.push_back(VideoHeldRecord{slot, info->serial});
            info->held = true;
            surface->refcount++;
        } catch (const std::bad_alloc &) {
            // Not held: the record then stays until the game ends, as any record would.
        }
    }
    return info;
}

int VideoAddTexInfo(SDL_Surface *surface)
{
    if (!surface) return -1;
    if (VideoGetTexInfo(surface)) return 0;
    TexInfo *info = VideoPlainRecord(surface);
    if (!info) return -2;
    if (VideoPlanTiles(info) < 0) return -3;
    SDL_SetClipRect(surface, &info->sourceRect);
    return 0;
}

TexInfo *VideoPlainRecord(SDL_Surface *surface)
{
    if (TexInfo *existing = VideoGetTexInfo(surface)) return existing;
    TexInfo *info = VideoAllocTexInfo(surface);
    if (!info) return nullptr;
    info->outWidth = surface->w;
    info->outHeight = surface->h;
    info->sourceRect = SDL_Rect{0, 0, static_cast<Uint16>(surface->w), static_cast<Uint16>(surface->h)};
    return info;
}

void VideoReleaseTextures(TexInfo *info)
{
    if (!info) return;
    if (info->page) {
        // The page texture is shared: the picture keeps its place and is drawn into it again.
        if (info->textureCount > 0) info->textureNames[0] = VideoNoTexture;
        info->dirtyRect = SDL_Rect{0, 0, 0, 0};
        return;
    }
    for (int i = 0; i < info->textureCount; i++) {
        VideoDeleteTexture(info->textureNames[i]);
        // A deleted name must not look current should the new upload fail.
        info->textureNames[i] = VideoNoTexture;
    }
    info->dirtyRect = SDL_Rect{0, 0, 0, 0};
}

void VideoReleaseTextures(SDL_Surface *surface) { VideoReleaseTextures(VideoGetTexInfo(surface)); }

void VideoFreeTexInfo(unsigned slot)
{
    if (!video.records || slot >= static_cast<unsigned>(VideoMaxHandles)) return;
    std::unique_ptr<TexInfo> &entry = (*video.records)[slot];
    if (!entry) return;
    VideoReleaseTextures(entry.get());
    VideoLeavePage(entry.get());
    entry->textureCount = 0;
    entry->textureNames.reset();
    SDL_Surface *held = entry->held ? entry->owner : nullptr;
    entry.reset();
    if (held) {
        // The layer's own reference goes; when it was the last, so does the surface.
        held->unused1 = 0;
        SDL_FreeSurface(held);
    }
}

void VideoRemoveTexInfo(SDL_Surface *surface)
{
    if (!VideoGetTexInfo(surface)) return;
    const unsigned slot = surface->unused1 - 1;
    surface->unused1 = 0;
    VideoFreeTexInfo(slot);
}

void VideoFreeAllTexInfos()
{
    if (!video.records) return;
    // A surface its owner has freed is no leak, even when no frame has ended since.
    VideoSweepRecords();
    int leaked = 0;
    for (int slot = 0; slot < VideoMaxHandles; slot++) {
        const TexInfo *info = (*video.records)[slot].get();
        if (!info) continue;
        leaked++;
        fprintf(stderr, "video: Leaked TexInfo %d! (%dx%d)\n", slot, info->sourceRect.w, info->sourceRect.h);
    }
    if (leaked != 0) fprintf(stderr, "video: Leaked %d TexInfos!\n", leaked);
    for (int slot = 0; slot < VideoMaxHandles; slot++) VideoFreeTexInfo(slot);
    video.records.reset();
    video.heldRecords.clear();
    video.holdingNewRecords = false;
    VideoFreePages();
}

void VideoFreeSurface(SDL_Surface *surface)
{
    if (!surface) return;
    VideoRemoveTexInfo(surface);
    // The program frees its screen this way before shutting the layer down; the shutdown must then
    // leave it alone.
    if (surface == video.shadowScreen) video.shadowScreen = nullptr;
    if (surface == video.plainFrame) video.plainFrame = nullptr;
    SDL_FreeSurface(surface);
}

// ----------------------------------------------------------------------------------------------------
// Tiling plan
// ----------------------------------------------------------------------------------------------------
int VideoPlanTiles(TexInfo *info)
{
    const int64_t width = info->sourceRect.w, height = info->sourceRect.h;
    const bool tall = height > width;
    const int64_t longer = tall ? height : width, shorter = tall ? width : height;

    if (shorter > video.maxTextureSize) {
        fprintf(stderr, "video: \"Huge\" surfaces not yet supported!\n");
        return 0;
    }
    // An empty surface has nothing to draw; it keeps no textures.
    if (shorter == 0) return 0;

    // Squarest arrangement: k strips of the longer side laid across the shorter one.
    int64_t k = 1, size = longer;
    for (;;) {
        int64_t candidate = std::max(longer / (k + 1), (k + 1) * shorter);
        if (candidate >= size) break;
        k++;
        size = candidate;
    }
    if (size > video.maxTextureSize) size = video.maxTextureSize;

    int64_t side = 1;
    while (side < size) side *= 2;
    const int64_t strips = (longer + side - 1) / side;
    const int64_t perTexture = side / shorter;
    const int64_t count = (strips + perTexture - 1) / perTexture;

    try {
        info->textureNames = std::make_unique<uint32_t[]>(count);
    } catch (const std::bad_alloc &) {
        fprintf(stderr, "video: INTERNAL ERROR: Failed to allocate texture name table!\n");
        return -2;
    }
    std::fill_n(info->textureNames.get(), count, VideoNoTexture);
    info->textureCount = static_cast<int32_t>(count);
    info->textureSide = static_cast<int32_t>(side);
    info->stripsPerTexture = static_cast<int32_t>(perTexture);
    if (strips == 1) {
        info->layout = LayoutOnePiece;
        info->stripWidth = static_cast<int32_t>(width);
        info->stripHeight = static_cast<int32_t>(height);
    } else if (tall) {
        info->layout = LayoutStripsAlongY;
        info->stripWidth = static_cast<int32_t>(shorter);
        info->stripHeight = static_cast<int32_t>(side);
    } else {
        info->layout = LayoutStripsAlongX;
        info->stripWidth = static_cast<int32_t>(side);
        info->stripHeight = static_cast<int32_t>(shorter);
    }
    return 0;
}

// ----------------------------------------------------------------------------------------------------
// Record marks
// ----------------------------------------------------------------------------------------------------
void VideoMarkRecords(VideoRecordMark *mark)
{
    if (!mark) return;
    mark->serial = video.nextSerial - 1;
    video.holdingNewRecords = true;
}

void VideoReleaseRecordsSince(const VideoRecordMark *mark)
{
    if (!mark) return;
    video.holdingNewRecords = false;
    if (!video.records) return;
    for (int slot = 0; slot < VideoMaxHandles; slot++) {
        const TexInfo *info = (*video.records)[slot].get();
        if (info && info->serial > mark->serial) VideoFreeTexInfo(slot);
    }
    video.heldRecords.clear();
}

int VideoSweepRecords()
{
    if (video.heldRecords.empty() || !video.records) return 0;
    int freed = 0;
    size_t kept = 0;
    for (const VideoHeldRecord &entry : video.heldRecords) {
        const TexInfo *info = (*video.records)[entry.slot].get();
        if (!info || info->serial != entry.serial) continue;  // released some other way
        // SDL's refcount is the same on every platform: 1 is the layer's own reference alone.
        if (info->owner->refcount <= 1) {
            VideoFreeTexInfo(entry.slot);
            freed++;
            continue;
        }
        video.heldRecords[kept++] = entry;
    }
    video.heldRecords.resize(kept);
    return freed;
}

int VideoRecordsInUse()
{
    if (!video.records) return 0;
    return static_cast<int>(std::count_if(video.records->begin(), video.records->end(),
                                          [](const std::unique_ptr<TexInfo> &entry) { return entry != nullptr; }));
}

// scale.cpp -- the plain path's scale pass: the composed frame drawn enlarged (or reduced) into the window's
// view at the flip, through row and column maps made once per mode set
#include <cstring>
#include <utility>

#include "video/video_internal.h"

namespace {
// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Per pixel of the view along one axis: for whole scales the source pixel under its centre; otherwise the
// two source pixels around its centre and the second one's share, in 256ths.
void planAxis(VideoScaleAxis *axis, int source, int view, bool linear)
{
    axis->first.resize(view);
    axis->second.resize(view);
    axis->weight.resize(view);
    for (int i = 0; i < view; i++) {
        // The centre of pixel i, (i + 1/2) * source / view, in 256ths of a source pixel.
        const long centre = (static_cast<long>(2 * i + 1) * source * 256) / (2L * view);
        int first, weight = 0;
        if (!linear) {
            first = static_cast<int>(centre / 256);
        } else {
            // Between the centres of two source pixels: half a pixel back.
            const long between = centre - 128;
            first = between < 0 ? 0 : static_cast<int>(between / 256);
            weight = between < 0 ? 0 : static_cast<int>(between % 256);
        }
        if (first >= source - 1) {
            first = source - 1;
            weight = 0;
        }
        axis->first[i] = first;
        axis->second[i] = weight ? first + 1 : first;
        axis->weight[i] = static_cast<uint32_t>(weight);
    }
}

// A pixel's four bytes spread over the four 16-bit lanes of a 64-bit number, so that one multiplication
// weighs all of them without one running into the next (a byte times at most 256 fills 16 bits).
constexpr uint64_t laneBytes = 0x00FF00FF00FF00FFull;

// One source row spread to the view's width, each pixel's bytes in 16-bit lanes (in the order they lie in
// memory, on a little-endian machine); `wide` holds the source row's pixels so spread on the way.
void spreadRow(const VideoScaleAxis &columns, const uint32_t *in, int sourceWidth, uint64_t *wide, uint64_t *out)
{
    for (int x = 0; x < sourceWidth; x++) {
        uint64_t p = in[x];
        p = (p | p << 16) & 0x0000FFFF0000FFFFull;
        wide[x] = (p | p << 8) & laneBytes;
    }
    const size_t count = columns.first.size();
    const int32_t *first = columns.first.data(), *second = columns.second.data();
    const uint32_t *weight = columns.weight.data();
    for (size_t x = 0; x < count; x++) {
        const uint64_t w = weight[x];
        out[x] = ((wide[first[x]] * (256 - w) + wide[second[x]] * w + 0x0080008000800080ull) >> 8) & laneBytes;
    }
}

const uint32_t *sourceRow(const SDL_Surface *frame, int row)
{
    return reinterpret_cast<const uint32_t *>(static_cast<const Uint8 *>(frame->pixels) +
                                              static_cast<size_t>(row) * frame->pitch);
}
}  // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void VideoPlanScale(VideoScalePlan *plan, int sourceWidth, int sourceHeight, int viewWidth, int viewHeight)
{
    // Whole scales keep every pixel sharp; any other would make some pixels wider than others.
    const bool whole = viewWidth % sourceWidth == 0 && viewHeight % sourceHeight == 0 &&
                       viewWidth / sourceWidth == viewHeight / sourceHeight;
    plan->linear = !whole;
    planAxis(&plan->columns, sourceWidth, viewWidth, plan->linear);
    planAxis(&plan->rows, sourceHeight, viewHeight, plan->linear);
    plan->upper.assign(plan->linear ? viewWidth : 0, 0);
    plan->lower.assign(plan->linear ? viewWidth : 0, 0);
    plan->wide.assign(plan->linear ? sourceWidth : 0, 0);
    plan->upperRow = plan->lowerRow = -1;
}

void VideoScaleFrame(VideoScalePlan *plan, const SDL_Surface *frame, SDL_Surface *window, int x, int y)
{
    const size_t width = plan->columns.first.size(), height = plan->rows.first.size();
    auto outRow = [&](size_t row) {
        return reinterpret_cast<uint32_t *>(static_cast<Uint8 *>(window->pixels) + (y + row) * window->pitch) + x;
    };
    if (!plan->linear) {
        // A source row already drawn for the row above is copied as it stands.
        int drawn = -1;
        for (size_t row = 0; row < height; row++) {
            const int source = plan->rows.first[row];
            uint32_t *out = outRow(row);
            if (source == drawn) {
                memcpy(out, outRow(row - 1), width * sizeof(uint32_t));
                continue;
            }
            const uint32_t *in = sourceRow(frame, source);
            const int32_t *columns = plan->columns.first.data();
            for (size_t column = 0; column < width; column++) out[column] = in[columns[column]];
            drawn = source;
        }
        return;
    }
    // The frame is new: no row spread before stands for it.
    plan->upperRow = plan->lowerRow = -1;
    for (size_t row = 0; row < height; row++) {
        const int first = plan->rows.first[row], second = plan->rows.second[row];
        if (plan->upperRow != first) {
            if (plan->lowerRow == first) {
                std::swap(plan->upper, plan->lower);
                std::swap(plan->upperRow, plan->lowerRow);
            } else {
                spreadRow(plan->columns, sourceRow(frame, first), frame->w, plan->wide.data(), plan->upper.data());
                plan->upperRow = first;
            }
        }
        const uint32_t weight = plan->rows.weight[row];
        if (weight != 0 && plan->lowerRow != second) {
            spreadRow(plan->columns, sourceRow(frame, second), frame->w, plan->wide.data(), plan->lower.data());
            plan->lowerRow = second;
        }
        // Lane by lane, the two rows mixed with the row's weight and packed back into bytes: loops the
        // compiler turns into vector instructions.
        const uint16_t *upper = reinterpret_cast<const uint16_t *>(plan->upper.data());
        const uint16_t *lower = reinterpret_cast<const uint16_t *>(plan->lower.data());
        Uint8 *out = reinterpret_cast<Uint8 *>(outRow(row));
        if (weight == 0) {
            for (size_t i = 0; i < 4 * width; i++) out[i] = static_cast<Uint8>(upper[i]);
            continue;
        }
        const uint16_t w = static_cast<uint16_t>(weight), v = static_cast<uint16_t>(256 - weight);
        for (size_t i = 0; i < 4 * width; i++)
            out[i] = static_cast<Uint8>(static_cast<uint16_t>(upper[i] * v + lower[i] * w + 128) >> 8);
    }
}

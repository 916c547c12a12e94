// layout.cpp -- where everything stands on the screen: the map's tiles, the answer cards, the scene's pictures
#include "engine.h"

#include <algorithm>

#include "engine_internal.h"
#include "pictures.h"

using namespace engine;

namespace {

// "tovább" stands alone, or beside "még egyszer" after a play of fewer than three stars.
bool offerAgain() { return state.game && state.screen == EngineDone && state.earned < 3; }

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions: the engine's own
//----------------------------------------------------------------------------------------------------------

namespace engine {

int tileIconSize(int count) { return tileRect(0, count).h >= 136 ? PicBigSize : PicSmallSize; }

// One picture is shown huge and a few big; six or seven stand smaller in one row (a pattern reads along one
// row), more in two rows, smaller still when a row holds more than eight, so that pictures to be counted
// stand apart.
int scenePictureSize(int count)
{
    constexpr int twoRowSize = 86, crowdSize = PicSmallSize;
    if (count == 1) return PicHugeSize;
    return count <= 5 ? PicBigSize : count <= 7 ? PicMediumSize : count <= 16 ? twoRowSize : crowdSize;
}

Point scenePosition(int index, int count)
{
    int size = scenePictureSize(count);
    bool oneRow = count <= 7;
    int perRow = oneRow ? count : (count + 1) / 2;
    int row = index / std::max(1, perRow), col = index % std::max(1, perRow);
    int inRow = std::min(perRow, count - row * perRow);
    // Two rows stand below the marks of the questions at the top of the scene.
    const SDL_Rect area{static_cast<Sint16>(layout.scene.x + 10), static_cast<Sint16>(layout.scene.y + 46),
                        static_cast<Uint16>(layout.scene.w - 20), static_cast<Uint16>(layout.scene.h - 52)};
    int step = perRow <= 5 ? 140 : std::min(size + 30, (area.w - size) / (perRow - 1));
    int width = inRow * step - (step - size);
    int x = ScreenW / 2 - width / 2 + col * step;
    constexpr int rowGap = 8;
    int y = oneRow ? layout.scene.y + (layout.scene.h - size) / 2
                   : area.y + (area.h - 2 * size - rowGap) / 2 + row * (size + rowGap);
    return Point{x, y};
}

} // namespace engine

//----------------------------------------------------------------------------------------------------------
// Functions: layout
//----------------------------------------------------------------------------------------------------------

// Answers without a picture: a number alone is written large, words in the answer size.
TextStyle answerStyle(const Choice &c)
{
    if (c.pic.kind != PicNone) return TextCard;
    for (const char *p = c.label; p && *p; ++p)
        if (*p < '0' || *p > '9') return TextAnswer;
    return TextBigAnswer;
}

SDL_Rect answerRect(int choice)
{
    if (!state.game || (state.screen != EnginePlay && state.screen != EngineQuiz)) return SDL_Rect{0, 0, 0, 0};
    int count = choiceCount(currentRound());
    if (choice < 0 || choice >= count) return SDL_Rect{0, 0, 0, 0};
    return choiceRect(state.place[choice], count);
}

SDL_Rect promptRect() { return layout.prompt; }
SDL_Rect sceneRect() { return layout.scene; }
SDL_Rect hintRect() { return layout.hint; }
SDL_Rect doneTextRect() { return SDL_Rect{layout.donePanel.x, static_cast<Sint16>(layout.donePanel.y + 220), layout.donePanel.w, 56}; }

SDL_Rect backButtonRect() { return SDL_Rect{12, 544, 170, 52}; }
SDL_Rect mapButtonRect() { return SDL_Rect{618, 544, 170, 52}; }
SDL_Rect nextButtonRect() { return offerAgain() ? SDL_Rect{410, 388, 200, 60} : SDL_Rect{300, 388, 200, 60}; }
SDL_Rect againButtonRect() { return offerAgain() ? SDL_Rect{190, 388, 200, 60} : SDL_Rect{0, 0, 0, 0}; }

SDL_Rect tileRect(int index, int count)
{
    constexpr int cols = 5, gap = 8, top = 104, bottom = 534, w = 144;
    int rows = std::max(1, (count + cols - 1) / cols);
    int h = std::min(140, (bottom - top - (rows - 1) * gap) / rows);
    int row = index / cols, col = index % cols;
    int x0 = (ScreenW - (cols * w + (cols - 1) * gap)) / 2;
    int y0 = top + (bottom - top - (rows * h + (rows - 1) * gap)) / 2;
    return SDL_Rect{static_cast<Sint16>(x0 + col * (w + gap)), static_cast<Sint16>(y0 + row * (h + gap)),
                    static_cast<Uint16>(w), static_cast<Uint16>(h)};
}

SDL_Rect taskTileRect(int task)
{
    if (!state.game || task < 0 || task >= state.game->taskCount) return SDL_Rect{0, 0, 0, 0};
    return tileRect(state.slotOf[task], state.game->taskCount);
}

SDL_Rect choiceRect(int index, int count)
{
    count = std::clamp(count, 1, MaxChoices);
    int width = count * CardW + (count - 1) * CardGap;
    int x = (ScreenW - width) / 2 + index * (CardW + CardGap);
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(CardTop), static_cast<Uint16>(CardW),
                    static_cast<Uint16>(CardH)};
}

// play_driver.cpp -- a game driven by the tests and the benchmarks through the engine's own entries
#include "play_driver.h"

#include "engine.h"

namespace {

Uint32 now = 1000;
Uint32 clockNow() { return now; }

void noBlit(SDL_Surface *, int, int) {}
void noClip(SDL_Rect *) {}
void noFill(SDL_Rect *, int, int, int) {}

} // namespace

void driverClockStart() { engineUseClock(clockNow); }
void passTime(Uint32 milliseconds) { now += milliseconds; }
Uint32 driverNow() { return now; }

int drawFrames(int frames, HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill)
{
    for (int i = 0; i < frames; ++i) {
        passTime(20);
        if (int ended = engineDraw(blit ? blit : noBlit, clip ? clip : noClip, fill ? fill : noFill)) return ended;
    }
    return 0;
}

int pressAt(const SDL_Rect &r, Uint32 pause)
{
    passTime(pause);
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(r.x + r.w / 2);
    e.motion.y = static_cast<Uint16>(r.y + r.h / 2);
    if (int ended = engineMouse(&e)) return ended;
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(r.x + r.w / 2);
    e.button.y = static_cast<Uint16>(r.y + r.h / 2);
    return engineMouse(&e);
}

RandomPlay playAtRandom(int task, Random &random)
{
    RandomPlay play;
    pressAt(taskTileRect(task));
    for (int clicks = 0; clicks < 1000 && (engineScreen() == EnginePlay || engineScreen() == EngineQuiz); ++clicks) {
        if (engineShowingPraise()) {
            drawFrames(80);
            continue;
        }
        if (engineScreen() == EnginePlay && static_cast<int>(play.asked.size()) == engineRound())
            play.asked.push_back(engineShownRound());
        int answers = choiceCount(engineShownRound());
        pressAt(answerRect(randomBelow(random, answers)));
    }
    play.stars = engineEarnedStars();
    pressAt(mapButtonRect());
    return play;
}

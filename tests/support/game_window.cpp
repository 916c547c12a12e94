// game_window.cpp -- a game's window read back on the pointer's display, and its questions answered by looking
#include "game_window.h"

#include <thread>

#include "engine.h"

#include "window_capture.h" // last: it drops the X11 macros that clash with other names

std::vector<uint32_t> captureWindow(const Pointer &pointer)
{
    std::string display;
    for (const std::string &setting : pointer.environment)
        if (setting.rfind("DISPLAY=", 0) == 0) display = setting.substr(8);
    return captureWindow(pointer.window, display);
}

bool answerShownQuestion(Pointer &pointer, int count)
{
    for (int place = 0; place < count; ++place) {
        SDL_Rect card = choiceRect(place, count);
        pointer.clickAt(card.x + card.w / 2, card.y + card.h / 2);
        std::vector<uint32_t> now = captureWindow(pointer);
        if (now.size() != 800u * 600u) return false;
        uint32_t p = now[(card.y + 24) * 800 + card.x + 14];
        int red = p >> 16 & 0xFF, green = p >> 8 & 0xFF, blue = p & 0xFF;
        if (green > 230 && red < 215 && blue < 205) return true;
    }
    return false;
}

bool finishFirstTask(Pointer &pointer, int taskCount, std::chrono::milliseconds praise)
{
    SDL_Rect tile = tileRect(0, taskCount);
    pointer.clickAt(tile.x + tile.w / 2, tile.y + tile.h / 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    // Every question of the first task in both games has three answers.
    for (int r = 0; r <= RoundsPerTask; ++r) {
        if (!answerShownQuestion(pointer, 3)) return false;
        // A click during the praise only cuts it short: the next answer waits well past it.
        std::this_thread::sleep_for(praise);
    }
    return true;
}

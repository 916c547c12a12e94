// text_fonts.cpp -- how long building the seven start-up fonts takes, and what drawing outlined text costs
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>

#include "base/screen.h"
#include "modules/modules.h"
#include "shell/assets.h"
#include "text/text.h"
#include "video/video.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string fontPath()
{
    std::array<std::string, 2> candidates = {std::string(TAVRIN_RUN_DIR) + "/g/KOMIKATA.TTF",
                                             "/usr/share/fonts/truetype/andika/Andika-Bold.ttf"};
    for (const std::string &path : candidates)
        if (FILE *f = std::fopen(path.c_str(), "rb")) {
            std::fclose(f);
            return path;
        }
    return {};
}

long blitCount;
SDL_Surface *target;

void countBlit(SDL_Surface *, int, int) { ++blitCount; }

void softwareBlit(SDL_Surface *image, int x, int y)
{
    ++blitCount;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(image, nullptr, target, &where);
}

}  // namespace

int main()
{
    std::string path = fontPath();
    if (path.empty() || TTF_Init() != 0) {
        std::fprintf(stderr, "bench-text_fonts: no font file or TrueType did not start\n");
        return 1;
    }
    std::printf("font file: %s\n", path.c_str());

    constexpr int runs = 10;
    std::array<double, runs> times{};
    int glyphs = 0;
    for (int run = 0; run < runs; ++run) {
        for (const FontSpec &entry : fontSpecs) releaseBitmapFont(entry.font);
        Clock::time_point start = Clock::now();
        for (const FontSpec &entry : fontSpecs) buildBitmapFont(entry.font, path.c_str(), entry.pointSize, entry.colour);
        times[run] = millisecondsSince(start);
    }
    for (const FontSpec &entry : fontSpecs)
        for (SDL_Surface *glyph : entry.font->glyphs) glyphs += glyph != nullptr;
    std::sort(times.begin(), times.end());
    std::printf("build seven fonts (%d glyphs): median %.1f ms, best %.1f ms, worst %.1f ms over %d runs\n", glyphs,
                times[runs / 2], times[0], times[runs - 1], runs);

    // Drawing: a 20-character label outlined, as the menu does for every button every frame.
    const char *label = "V\xE1rosi kalandok \xDAjra";
    constexpr int draws = 100000;
    blitCount = 0;
    Clock::time_point start = Clock::now();
    for (int i = 0; i < draws; ++i) drawOutlinedText(countBlit, label, 400, 300, &Font27Teal, AlignCentre, &Font27Black, -2);
    double layout = millisecondsSince(start);
    std::printf("outlined 20-character text, layout only: %.2f us per text, %ld blits per text\n",
                layout * 1000.0 / draws, blitCount / draws);

    target = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    constexpr int softwareDraws = 2000;
    blitCount = 0;
    start = Clock::now();
    for (int i = 0; i < softwareDraws; ++i)
        drawOutlinedText(softwareBlit, label, 400, 300, &Font27Teal, AlignCentre, &Font27Black, -2);
    double software = millisecondsSince(start);
    std::printf("outlined 20-character text, blended onto an 800x600 software surface: %.1f us per text\n",
                software * 1000.0 / softwareDraws);
    SDL_FreeSurface(target);

    // The same label through the OpenGL window, when a display is at hand: ten labels a frame, as on a
    // menu screen, each frame presented with a buffer swap.
    if (SDL_Init(SDL_INIT_VIDEO) == 0 &&
        (screen = VideoSetMode(800, 600, 32, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF)) != nullptr) {
        constexpr int frames = 200;
        hostFillRect(nullptr, 205, 225, 240);
        drawOutlinedText(hostBlit, label, 400, 20, &Font27Teal, AlignCentre, &Font27Black, -2);  // uploads
        VideoFlip(screen);
        start = Clock::now();
        for (int frame = 0; frame < frames; ++frame) {
            hostFillRect(nullptr, 205, 225, 240);
            VideoFlip(screen);
        }
        double empty = millisecondsSince(start);
        start = Clock::now();
        for (int frame = 0; frame < frames; ++frame) {
            hostFillRect(nullptr, 205, 225, 240);
            for (int row = 0; row < 10; ++row)
                drawOutlinedText(hostBlit, label, 400, 20 + 55 * row, &Font27Teal, AlignCentre, &Font27Black, -2);
            VideoFlip(screen);
        }
        double opengl = millisecondsSince(start);
        std::printf("ten outlined 20-character texts through OpenGL, with fill and swap: %.2f ms per frame "
                    "(fill and swap alone: %.2f ms)\n",
                    opengl / frames, empty / frames);
        for (const FontSpec &entry : fontSpecs) releaseBitmapFont(entry.font);
        VideoFreeSurface(screen);
        screen = nullptr;
        VideoQuit();
    } else {
        std::printf("no display: OpenGL drawing not measured\n");
        for (const FontSpec &entry : fontSpecs) releaseBitmapFont(entry.font);
    }
    TTF_Quit();
    return 0;
}

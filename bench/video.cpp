// video.cpp -- what drawing through the video layer costs: a menu-like frame, first uploads, the layer's own work
#include <SDL/SDL_image.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "video/video_internal.h"

#include "desktop.h"
#include "measure.h"

namespace {
using Clock = std::chrono::steady_clock;

// Median and 95th percentile, in microseconds, of rounds of `repeat` calls each (the figure is per call).
void measure(const char *what, int rounds, int repeat, const std::function<void()> &work)
{
    std::vector<double> perCall;
    for (int round = 0; round < rounds; round++) {
        Clock::time_point start = Clock::now();
        for (int i = 0; i < repeat; i++) work();
        std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
        perCall.push_back(elapsed.count() / repeat);
    }
    std::sort(perCall.begin(), perCall.end());
    printf("%-58s median %10.2f us   p95 %10.2f us\n", what, perCall[perCall.size() / 2],
           perCall[perCall.size() * 95 / 100]);
}

// The program's pictures when the run-time tree has them; pictures of the same size and format otherwise.
SDL_Surface *picture(const char *file, int width, int height, bool alpha)
{
    std::string path = std::string(TAVRIN_RUN_DIR) + "/" + file;
    if (SDL_Surface *loaded = IMG_Load(path.c_str())) {
        loaded->unused1 = 0;
        return loaded;
    }
    SDL_Surface *made = alpha ? SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000)
                              : SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    made->unused1 = 0;
    SDL_FillRect(made, nullptr, SDL_MapRGBA(made->format, 90, 160, 220, 200));
    return made;
}

struct MenuPictures {
    SDL_Surface *background, *band, *top, *plate, *mascot, *glyph;
    std::array<SDL_Surface *, 3> clouds;
};

MenuPictures loadMenuPictures()
{
    MenuPictures p;
    p.background = picture("g/bg2.jpg", 800, 600, false);
    p.band = picture("g/bgmid.jpg", 800, 380, false);
    p.top = picture("g/bgtop.tga", 800, 600, true);
    p.plate = picture("g/bback.tga", 320, 60, true);
    p.mascot = picture("g/tv1.tga", 150, 200, true);
    p.clouds = {picture("g1/cloud1.tga", 200, 90, true), picture("g1/cloud2.tga", 220, 100, true),
                picture("g1/cloud3.tga", 240, 110, true)};
    p.glyph = picture("g/no.tga", 32, 32, true);  // stands for one glyph of outlined text
    return p;
}

void blitAt(SDL_Surface *image, SDL_Surface *target, int x, int y)
{
    SDL_Rect at{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    VideoBlit(image, nullptr, target, &at);
}

// One menu frame as the menu draws it: backdrop, ten clouds, band, frame, five button plates with
// their labels (about 200 glyphs with outlines), the mascot and a fill.
void drawMenuFrame(const MenuPictures &p, SDL_Surface *target, int frame)
{
    blitAt(p.background, target, 0, 0);
    for (int i = 0; i < 10; i++) blitAt(p.clouds[i % 3], target, (i * 97 + frame) % 900 - 100, 20 + i * 9);
    blitAt(p.band, target, 0, 106);
    blitAt(p.top, target, 0, 0);
    for (int i = 0; i < 5; i++) {
        blitAt(p.plate, target, 120, 150 + i * 65);
        for (int g = 0; g < 40; g++) blitAt(p.glyph, target, 140 + (g % 20) * 14, 160 + i * 65 + (g / 20));
    }
    blitAt(p.mascot, target, 560, 300);
    SDL_Rect box{600, 520, 120, 20};
    VideoFillRect(target, &box, SDL_MapRGB(target->format, 250, 250, 250));
}

// Waits until OpenGL has drawn everything asked of it.
void finishDrawing()
{
    VideoEndQuads();
    Uint8 pixel[4];
    gl.ReadPixels(0, 0, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
}

// ----------------------------------------------------------------------------------------------------
// The floor: the same frame as bare immediate-mode OpenGL
// ----------------------------------------------------------------------------------------------------
// The calls that draw a frame, captured once from the layer and replayed with nothing around them: the
// binds, enables, blend functions and quads the frame needs and no lookups, uploads or cache. The layer's
// cost over this loop is its bookkeeping.
enum CallKind { CallBegin, CallEnd, CallVertex, CallTexCoord, CallColor4, CallColor3, CallEnable, CallDisable,
                CallBlendFunc, CallBind };
struct Call {
    CallKind kind;
    GLint i0, i1;
    GLfloat f0, f1;
    GLubyte c[4];
};
std::vector<Call> captured;
VideoGLTable realGL;

void APIENTRY captureBegin(GLenum mode) { captured.push_back({CallBegin, static_cast<GLint>(mode), 0, 0, 0, {}}); realGL.Begin(mode); }
void APIENTRY captureEnd() { captured.push_back({CallEnd, 0, 0, 0, 0, {}}); realGL.End(); }
void APIENTRY captureVertex(GLint x, GLint y) { captured.push_back({CallVertex, x, y, 0, 0, {}}); realGL.Vertex2i(x, y); }
void APIENTRY captureTexCoord(GLfloat s, GLfloat t) { captured.push_back({CallTexCoord, 0, 0, s, t, {}}); realGL.TexCoord2f(s, t); }
void APIENTRY captureColor4(GLubyte r, GLubyte g, GLubyte b, GLubyte a)
{
    captured.push_back({CallColor4, 0, 0, 0, 0, {r, g, b, a}});
    realGL.Color4ub(r, g, b, a);
}
void APIENTRY captureColor3(GLubyte r, GLubyte g, GLubyte b)
{
    captured.push_back({CallColor3, 0, 0, 0, 0, {r, g, b, 255}});
    realGL.Color3ub(r, g, b);
}
void APIENTRY captureEnable(GLenum cap) { captured.push_back({CallEnable, static_cast<GLint>(cap), 0, 0, 0, {}}); realGL.Enable(cap); }
void APIENTRY captureDisable(GLenum cap) { captured.push_back({CallDisable, static_cast<GLint>(cap), 0, 0, 0, {}}); realGL.Disable(cap); }
void APIENTRY captureBlendFunc(GLenum s, GLenum d)
{
    captured.push_back({CallBlendFunc, static_cast<GLint>(s), static_cast<GLint>(d), 0, 0, {}});
    realGL.BlendFunc(s, d);
}
void APIENTRY captureBind(GLenum target, GLuint name)
{
    captured.push_back({CallBind, static_cast<GLint>(target), static_cast<GLint>(name), 0, 0, {}});
    realGL.BindTexture(target, name);
}

void replay(const std::vector<Call> &calls)
{
    for (const Call &c : calls) {
        switch (c.kind) {
        case CallBegin: realGL.Begin(static_cast<GLenum>(c.i0)); break;
        case CallEnd: realGL.End(); break;
        case CallVertex: realGL.Vertex2i(c.i0, c.i1); break;
        case CallTexCoord: realGL.TexCoord2f(c.f0, c.f1); break;
        case CallColor4: realGL.Color4ub(c.c[0], c.c[1], c.c[2], c.c[3]); break;
        case CallColor3: realGL.Color3ub(c.c[0], c.c[1], c.c[2]); break;
        case CallEnable: realGL.Enable(static_cast<GLenum>(c.i0)); break;
        case CallDisable: realGL.Disable(static_cast<GLenum>(c.i0)); break;
        case CallBlendFunc: realGL.BlendFunc(static_cast<GLenum>(c.i0), static_cast<GLenum>(c.i1)); break;
        case CallBind: realGL.BindTexture(static_cast<GLenum>(c.i0), static_cast<GLuint>(c.i1)); break;
        }
    }
}

struct FrameCost {
    double wall, cpu;  // milliseconds per frame
};

// Runs `frames` unpaced frames, each drawn and presented; the cost per frame.
FrameCost frameCost(int frames, const std::function<void()> &drawAndPresent)
{
    for (int i = 0; i < 5; i++) drawAndPresent();  // warm up
    double cpuStart = cpuMilliseconds();
    Clock::time_point start = Clock::now();
    for (int i = 0; i < frames; i++) drawAndPresent();
    std::chrono::duration<double, std::milli> wall = Clock::now() - start;
    return {wall.count() / frames, (cpuMilliseconds() - cpuStart) / frames};
}

// A menu-like scene: three full-screen pictures, ten clouds, five button plates, 325 glyph quads of
// 15 x 30 from 26 glyph pictures (an outlined text draws each glyph five times), the mascot.
struct Scene {
    SDL_Surface *background, *band, *top, *plate, *mascot;
    std::array<SDL_Surface *, 3> clouds;
    std::array<SDL_Surface *, 26> glyphs;
};

Scene makeScene(const MenuPictures &p)
{
    Scene scene{p.background, p.band, p.top, p.plate, p.mascot, p.clouds, {}};
    for (size_t i = 0; i < scene.glyphs.size(); i++) {
        SDL_Surface *g = SDL_CreateRGBSurface(SDL_SWSURFACE, 15, 30, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
        g->unused1 = 0;
        SDL_FillRect(g, nullptr, SDL_MapRGBA(g->format, 50, 188, 193, 0));
        SDL_Rect stroke{static_cast<Sint16>(2 + i % 5), 4, 6, static_cast<Uint16>(18 + i % 7)};
        SDL_FillRect(g, &stroke, SDL_MapRGBA(g->format, 50, 188, 193, 255));
        scene.glyphs[i] = g;
    }
    return scene;
}

int sceneBlits(const Scene &s, SDL_Surface *target, int frame)
{
    int blits = 0;
    auto at = [&](SDL_Surface *image, int x, int y) {
        blitAt(image, target, x, y);
        blits++;
    };
    at(s.background, 0, 0);
    at(s.band, 0, 106);
    for (int i = 0; i < 10; i++) at(s.clouds[i % 3], (i * 97 + frame) % 900 - 100, 20 + i * 9);
    at(s.top, 0, 0);
    for (int i = 0; i < 5; i++) at(s.plate, 94, 142 + i * 67);
    // Five passes per character (four outline offsets, then the main font), 13 characters per label.
    static const int offsets[5][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {0, 0}};
    for (int label = 0; label < 5; label++)
        for (int ch = 0; ch < 13; ch++)
            for (const auto &o : offsets)
                at(s.glyphs[(label * 13 + ch) % 26], 160 + ch * 13 + o[0], 146 + label * 67 + o[1]);
    at(s.mascot, 650, 400);
    return blits;
}

FrameCost medianCost(const std::vector<FrameCost> &costs)
{
    std::vector<double> wall, cpu;
    for (const FrameCost &c : costs) {
        wall.push_back(c.wall);
        cpu.push_back(c.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return FrameCost{wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

constexpr int rounds = 7, framesPerRound = 50;

// The scene through the layer without OpenGL, onto SDL's own screen and flipped, as the program draws
// when it has no OpenGL window. In a child process of its own, before this one opens its display.
bool plainPathCost(FrameCost *cost, int *blits)
{
    pid_t pid = -1;
    int in = forkWriter(
        [](int out) {
            if (SDL_Init(SDL_INIT_VIDEO) < 0) _exit(1);
            SDL_Surface *screen = VideoSetMode(800, 600, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
            if (!screen) _exit(2);
            Scene scene = makeScene(loadMenuPictures());
            int frame = 0;
            int counted = sceneBlits(scene, screen, frame++);  // makes every display-format copy
            std::vector<FrameCost> costs;
            for (int round = 0; round < rounds; round++)
                costs.push_back(frameCost(framesPerRound, [&]() {
                    sceneBlits(scene, screen, frame++);
                    VideoFlip(screen);
                }));
            FrameCost result = medianCost(costs);
            bool ok = write(out, &result, sizeof result) == sizeof result &&
                      write(out, &counted, sizeof counted) == sizeof counted;
            _exit(ok ? 0 : 3);
        },
        &pid);
    if (in < 0) return false;
    bool ok = read(in, cost, sizeof *cost) == sizeof *cost && read(in, blits, sizeof *blits) == sizeof *blits;
    return reap(in, pid) && ok;
}

// An OpenGL table that does nothing: what remains is the layer's own work.
void APIENTRY none0() {}
void APIENTRY noneE(GLenum) {}
void APIENTRY none2i(GLint, GLint) {}
void APIENTRY none2f(GLfloat, GLfloat) {}
void APIENTRY none4ub(GLubyte, GLubyte, GLubyte, GLubyte) {}
void APIENTRY none3ub(GLubyte, GLubyte, GLubyte) {}
void APIENTRY noneEE(GLenum, GLenum) {}
void APIENTRY noneBind(GLenum, GLuint) {}
void APIENTRY noneGen(GLsizei n, GLuint *names)
{
    static GLuint next = 1;
    for (GLsizei i = 0; i < n; i++) names[i] = next++;
}
void APIENTRY noneDelete(GLsizei, const GLuint *) {}
void APIENTRY noneTexParameter(GLenum, GLenum, GLint) {}
void APIENTRY noneTexImage(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void *) {}
void APIENTRY noneTexSubImage(GLenum, GLint, GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, const void *) {}
void APIENTRY nonePixelStore(GLenum, GLint) {}
void APIENTRY noneRead(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void *) {}
void APIENTRY noneViewport(GLint, GLint, GLsizei, GLsizei) {}
void APIENTRY noneOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {}
void APIENTRY noneGetInteger(GLenum, GLint *value) { *value = 16384; }
GLenum APIENTRY noneError() { return GL_NO_ERROR; }
void APIENTRY noneCopy(GLenum, GLint, GLint, GLint, GLint, GLint, GLsizei, GLsizei) {}
}  // namespace

// The plain path's scale pass alone, from a composed menu frame into windows of today's screens: the
// window sized for a 1920 x 1080 desktop (1.5), full screen there (1.8), a 2560 x 1440 desktop's window
// (2, whole: nearest pixels) and full screen on 3840 x 2160 (3.6). Each pass is timed on its own: on a
// busy machine the median of single passes, and their processor time, stand apart from the others' load.
void scalePassCost()
{
    SDL_Surface *frame = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    frame->unused1 = 0;
    const MenuPictures p = loadMenuPictures();
    for (SDL_Surface *picture : {p.background, p.band, p.top}) SDL_BlitSurface(picture, nullptr, frame, nullptr);
    const struct {
        int width, height;
        const char *what;
    } views[] = {{1200, 900, "scale pass 800x600 -> 1200x900 (linear)"},
                 {1440, 1080, "scale pass 800x600 -> 1440x1080 (linear)"},
                 {1600, 1200, "scale pass 800x600 -> 1600x1200 (nearest)"},
                 {2880, 2160, "scale pass 800x600 -> 2880x2160 (linear)"}};
    for (const auto &view : views) {
        SDL_Surface *window = SDL_CreateRGBSurface(SDL_SWSURFACE, view.width, view.height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        VideoScalePlan plan;
        VideoPlanScale(&plan, 800, 600, view.width, view.height);
        VideoScaleFrame(&plan, frame, window, 0, 0);  // the window's memory is touched once before
        std::vector<FrameCost> passes;
        for (int i = 0; i < 100; i++) {
            const double cpuStart = cpuMilliseconds();
            const Clock::time_point start = Clock::now();
            VideoScaleFrame(&plan, frame, window, 0, 0);
            const std::chrono::duration<double, std::milli> wall = Clock::now() - start;
            passes.push_back({wall.count(), cpuMilliseconds() - cpuStart});
        }
        const FrameCost cost = medianCost(passes);
        printf("%-58s median %7.2f ms   cpu %7.2f ms per frame\n", view.what, cost.wall, cost.cpu);
        SDL_FreeSurface(window);
    }
    SDL_FreeSurface(frame);
}

// The OpenGL path's scaled presentation: the menu-like scene in a 1920 x 1080 window on a display of that
// size, presented scaled into the 1440 x 1080 view with bars, against the same frames presented as they
// were composed. In a child process, on a display of its own.
bool presentationCost(FrameCost *scaled, FrameCost *unscaled)
{
    VirtualDisplay fullHd("1920x1080x24");
    if (fullHd.name.empty()) return false;
    pid_t pid = -1;
    int in = forkWriter(
        [&](int out) {
            setenv("DISPLAY", fullHd.name.c_str(), 1);
            if (SDL_Init(SDL_INIT_VIDEO) < 0) _exit(1);
            VideoChooseWindow({1920, 1080, false});
            SDL_Surface *screen = VideoSetMode(800, 600, 32, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF);
            if (!screen || !video.presentScaled) _exit(2);
            Scene scene = makeScene(loadMenuPictures());
            int frame = 0;
            sceneBlits(scene, screen, frame++);
            VideoFlip(screen);
            std::vector<FrameCost> withPass, without;
            for (int round = 0; round < rounds; round++) {
                video.presentScaled = true;
                withPass.push_back(frameCost(framesPerRound, [&]() {
                    sceneBlits(scene, screen, frame++);
                    VideoFlip(screen);
                }));
                video.presentScaled = false;
                without.push_back(frameCost(framesPerRound, [&]() {
                    sceneBlits(scene, screen, frame++);
                    VideoFlip(screen);
                }));
            }
            const FrameCost costs[2] = {medianCost(withPass), medianCost(without)};
            _exit(write(out, costs, sizeof costs) == sizeof costs ? 0 : 3);
        },
        &pid);
    if (in < 0) return false;
    FrameCost costs[2];
    const bool ok = read(in, costs, sizeof costs) == sizeof costs;
    *scaled = costs[0];
    *unscaled = costs[1];
    return reap(in, pid) && ok;
}

int main()
{
    // SDL would otherwise fall back to a text-mode driver when the display is busy, and measure that.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    scalePassCost();
    FrameCost scaled{-1, -1}, unscaled{-1, -1};
    if (presentationCost(&scaled, &unscaled)) {
        printf("%-58s wall %7.2f ms   cpu %7.2f ms per frame\n", "OpenGL, 1920x1080 window, scene presented scaled",
               scaled.wall, scaled.cpu);
        printf("%-58s wall %7.2f ms   cpu %7.2f ms per frame\n", "OpenGL, 1920x1080 window, scene presented as composed",
               unscaled.wall, unscaled.cpu);
        printf("%-58s wall %7.2f ms   cpu %7.2f ms per frame\n\n", "  the scaled presentation's own cost",
               scaled.wall - unscaled.wall, scaled.cpu - unscaled.cpu);
    } else {
        printf("OpenGL scaled presentation: not measured\n\n");
    }
    FrameCost plain{-1, -1};
    int plainBlits = 0;
    const bool plainMeasured = plainPathCost(&plain, &plainBlits);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        fprintf(stderr, "no display: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface *screen = VideoSetMode(800, 600, 32, SDL_HWSURFACE | VideoOpenGLFlag | SDL_DOUBLEBUF);
    if (!screen) {
        fprintf(stderr, "no OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    MenuPictures p = loadMenuPictures();
    using GetStringFn = const GLubyte *(APIENTRY *)(GLenum);
    auto getString = reinterpret_cast<GetStringFn>(SDL_GL_GetProcAddress("glGetString"));
    printf("OpenGL renderer: %s\n", reinterpret_cast<const char *>(getString(GL_RENDERER)));

    // First uploads: every picture once, as at the menu's first frame (the TGA pictures are converted).
    {
        Clock::time_point start = Clock::now();
        drawMenuFrame(p, screen, 0);
        finishDrawing();
        std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
        printf("%-58s %10.2f ms\n", "first menu frame, uploading every picture", elapsed.count());
    }
    SDL_Surface *rgb = VideoCreateRGB(800, 600);
    SDL_Surface *keyed = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    keyed->unused1 = 0;
    SDL_SetColorKey(keyed, SDL_SRCCOLORKEY, 0);
    SDL_Surface *rgba = VideoCreateRGBA(800, 600);
    SDL_Surface *wide = VideoCreateRGB(2000, 20);
    auto reupload = [&](SDL_Surface *s) {
        return [s]() {
            VideoInvalidate(s, nullptr);
            VideoUploadTexture(s);
            finishDrawing();
        };
    };
    measure("upload 800x600 RGB, direct", 20, 1, reupload(rgb));
    measure("upload 800x600 RGBA, direct", 20, 1, reupload(rgba));
    fflush(stdout);
    FILE *quiet = freopen("/dev/null", "w", stderr);  // the conversion warning on every upload
    measure("upload 800x600 keyed RGB, converted to RGBA", 20, 1, reupload(keyed));
    measure("upload 800x600 BGRA (a TGA picture), converted", 20, 1, reupload(p.top));
    measure("upload 2000x20 RGB, 8 strips", 20, 10, reupload(wide));

    // Steady frames: the pictures' textures stay; each frame is quads only.
    int frame = 0;
    measure("menu frame, OpenGL (261 blits + fill, drawn to the end)", 30, 5, [&]() {
        drawMenuFrame(p, screen, frame++);
        finishDrawing();
    });
    measure("menu frame, OpenGL, with buffer swap", 30, 5, [&]() {
        drawMenuFrame(p, screen, frame++);
        VideoFlip(screen);
    });
    // Where the frame's time goes: the large pictures against the many small ones.
    measure("  backdrop, band and frame only", 30, 5, [&]() {
        blitAt(p.background, screen, 0, 0);
        blitAt(p.band, screen, 0, 106);
        blitAt(p.top, screen, 0, 0);
        finishDrawing();
    });
    measure("  frame only (800x600 blended)", 30, 5, [&]() {
        blitAt(p.top, screen, 0, 0);
        finishDrawing();
    });
    measure("  200 glyphs only", 30, 5, [&]() {
        for (int g = 0; g < 200; g++) blitAt(p.glyph, screen, 140 + (g % 20) * 14, 160 + (g / 20) * 30);
        finishDrawing();
    });
    measure("  10 clouds only", 30, 5, [&]() {
        for (int i = 0; i < 10; i++) blitAt(p.clouds[i % 3], screen, i * 70, 20 + i * 9);
        finishDrawing();
    });
    SDL_Rect at{100, 100, 0, 0};
    measure("one 800x600 opaque blit, OpenGL", 30, 10, [&]() {
        VideoBlit(p.background, nullptr, screen, &at);
        finishDrawing();
    });

    // The same frame through plain SDL onto a software screen, for comparison.
    SDL_Surface *software = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    software->unused1 = 0;
    MenuPictures sdl = p;
    for (SDL_Surface **s : {&sdl.background, &sdl.band, &sdl.top, &sdl.plate, &sdl.mascot, &sdl.glyph, &sdl.clouds[0],
                            &sdl.clouds[1], &sdl.clouds[2]}) {
        *s = SDL_ConvertSurface(*s, software->format, (*s)->flags & SDL_SRCALPHA);
        (*s)->unused1 = 0;
    }
    measure("menu frame, plain SDL software blits", 30, 5, [&]() {
        SDL_Rect whole{0, 0, 800, 600};
        SDL_UpperBlit(sdl.background, nullptr, software, &whole);
        for (int i = 0; i < 10; i++) {
            SDL_Rect c{static_cast<Sint16>((i * 97 + frame) % 900 - 100), static_cast<Sint16>(20 + i * 9), 0, 0};
            SDL_UpperBlit(sdl.clouds[i % 3], nullptr, software, &c);
        }
        SDL_Rect band{0, 106, 0, 0}, top{0, 0, 0, 0}, mascot{560, 300, 0, 0};
        SDL_UpperBlit(sdl.band, nullptr, software, &band);
        SDL_UpperBlit(sdl.top, nullptr, software, &top);
        for (int i = 0; i < 5; i++) {
            SDL_Rect plate{120, static_cast<Sint16>(150 + i * 65), 0, 0};
            SDL_UpperBlit(sdl.plate, nullptr, software, &plate);
            for (int g = 0; g < 40; g++) {
                SDL_Rect glyph{static_cast<Sint16>(140 + (g % 20) * 14), static_cast<Sint16>(160 + i * 65 + g / 20), 0, 0};
                SDL_UpperBlit(sdl.glyph, nullptr, software, &glyph);
            }
        }
        SDL_UpperBlit(sdl.mascot, nullptr, software, &mascot);
        frame++;
    });

    // The whole frame three ways, unpaced, each drawn and presented: through the layer's OpenGL path,
    // through its plain-SDL path (the same blits onto a software screen), and as the bare calls.
    {
        Scene scene = makeScene(p);
        int blits = sceneBlits(scene, screen, 0);  // uploads every picture once
        VideoFlip(screen);
        realGL = gl;
        VideoGLTable capture = gl;
        capture.Begin = captureBegin;
        capture.End = captureEnd;
        capture.Vertex2i = captureVertex;
        capture.TexCoord2f = captureTexCoord;
        capture.Color4ub = captureColor4;
        capture.Color3ub = captureColor3;
        capture.Enable = captureEnable;
        capture.Disable = captureDisable;
        capture.BlendFunc = captureBlendFunc;
        capture.BindTexture = captureBind;
        VideoInstallGL(capture);
        VideoResetGLCache();
        sceneBlits(scene, screen, 0);
        VideoInstallGL(realGL);
        std::vector<Call> frameCalls = captured;
        int binds = 0, quads = 0;
        for (const Call &c : frameCalls) {
            binds += c.kind == CallBind;
            quads += c.kind == CallVertex;
        }
        quads /= 4;
        VideoFlip(screen);

        // The two run in alternating rounds, so that a change in the machine's load falls on both alike;
        // each figure is the median round. The plain path ran in its own process before.
        const int frames = rounds * framesPerRound;
        int frame = 0;
        std::vector<FrameCost> layerRounds, bareRounds;
        for (int round = 0; round < rounds; round++) {
            layerRounds.push_back(frameCost(framesPerRound, [&]() {
                sceneBlits(scene, screen, frame++);
                VideoFlip(screen);
            }));
            bareRounds.push_back(frameCost(framesPerRound, [&]() {
                replay(frameCalls);
                SDL_GL_SwapBuffers();
            }));
        }
        FrameCost layer = medianCost(layerRounds), bare = medianCost(bareRounds);

        printf("\nscene: %d blits per frame (%d quads, %d binds after the state cache), %d frames each in alternating rounds, unpaced\n",
               blits, quads, binds, frames);
        printf("%-44s wall %7.2f ms   cpu %7.2f ms per frame\n", "layer, OpenGL path (with buffer swap)", layer.wall, layer.cpu);
        printf("%-44s wall %7.2f ms   cpu %7.2f ms per frame\n", "bare immediate-mode loop (with buffer swap)", bare.wall, bare.cpu);
        printf("%-44s wall %7.2f ms   cpu %7.2f ms per frame%s\n", "layer, plain-SDL path (SDL screen, flipped)",
               plain.wall, plain.cpu, plainMeasured && plainBlits == blits ? "" : "   (not measured)");
        printf("ratio layer OpenGL / bare loop: wall %.3f, cpu %.3f (target: at most 1.1)\n", layer.wall / bare.wall,
               layer.cpu / bare.cpu);
        printf("ratio layer OpenGL / plain SDL: wall %.3f, cpu %.3f\n\n", layer.wall / plain.wall, layer.cpu / plain.cpu);
        for (SDL_Surface *g : scene.glyphs) VideoFreeSurface(g);
    }

    // The layer's own work, OpenGL doing nothing.
    VideoGLTable none{noneE,      none0,          none2i,         none2f,           none4ub,         none3ub,
                      noneE,      noneE,          noneEE,         noneBind,         noneGen,         noneDelete,
                      noneTexParameter, noneTexImage, noneTexSubImage, nonePixelStore, noneRead, noneViewport,
                      noneE,      none0,          noneOrtho,      noneGetInteger,   noneError,       none0,
                      noneCopy};
    VideoGLTable real = gl;
    VideoInstallGL(none);
    measure("menu frame, the layer's own work (OpenGL calls empty)", 200, 20,
            [&]() { drawMenuFrame(p, screen, frame++); });
    SDL_Surface *strips = VideoCreateRGB(2000, 20);
    VideoUploadTexture(strips);
    measure("one 2000x20 blit in 8 strips, the layer's own work", 200, 1000,
            [&]() { VideoBlit(strips, nullptr, screen, &at); });
    std::vector<SDL_Surface *> many;
    for (int i = 0; i < 16000; i++) {
        many.push_back(SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24, 0xFF, 0xFF00, 0xFF0000, 0));
        many.back()->unused1 = 0;
        VideoAddTexInfo(many.back());
    }
    SDL_Surface *extra = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    extra->unused1 = 0;
    measure("register and free a record, 16000 slots taken", 50, 100, [&]() {
        VideoAddTexInfo(extra);
        VideoRemoveTexInfo(extra);
    });
    measure("look up a record", 50, 100000, [&]() {
        volatile TexInfo *found = VideoGetTexInfo(many[12345]);
        (void)found;
    });
    for (SDL_Surface *s : many) VideoFreeSurface(s);

    // A game's frame: the sweep at its end looks at every picture the game has drawn and still holds,
    // and frees the ones it let go.
    VideoRecordMark gameStart;
    VideoMarkRecords(&gameStart);
    std::vector<SDL_Surface *> held;
    for (int count : {0, 100, 1000}) {
        while (static_cast<int>(held.size()) < count) {
            held.push_back(SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 24, 0xFF, 0xFF00, 0xFF0000, 0));
            held.back()->unused1 = 0;
            VideoAddTexInfo(held.back());
        }
        char what[96];
        snprintf(what, sizeof what, "sweep at a game's frame end, %d pictures held", count);
        measure(what, 50, 1000, []() { VideoSweepRecords(); });
    }
    measure("a game's per-frame picture: made, drawn, freed, swept", 50, 100, [&]() {
        SDL_Surface *score = SDL_CreateRGBSurface(SDL_SWSURFACE, 120, 30, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
        score->unused1 = 0;
        VideoBlit(score, nullptr, screen, &at);
        SDL_FreeSurface(score);
        VideoSweepRecords();
    });
    for (SDL_Surface *s : held) SDL_FreeSurface(s);
    VideoReleaseRecordsSince(&gameStart);
    VideoInstallGL(real);

    VideoFreeSurface(extra);
    VideoFreeSurface(strips);
    VideoFreeSurface(rgb);
    VideoFreeSurface(rgba);
    VideoFreeSurface(keyed);
    VideoFreeSurface(wide);
    VideoFreeSurface(screen);
    VideoQuit();
    if (quiet) fclose(quiet);
    return 0;
}

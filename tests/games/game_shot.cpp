// game_shot.cpp -- runs a game library in a plain SDL window and saves pictures of it, driven by a list of steps
//
// game_shot LIBRARY SLOT STEP... with steps "click:X,Y", "move:X,Y", "frames:N", "wait:MILLISECONDS", "key:escape"
// and "shot:FILE.bmp". A click comes after a child's pause of 300 ms, as a press just after the screen changed
// is not taken.
// The drawing services blit with SDL itself, the way the shell draws without OpenGL.
#include <dlfcn.h>

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sdl_services.h"
#include "tavrin/module.h"

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: game_shot LIBRARY SLOT STEP...\n");
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0) return 1;
    screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    if (!screen) return 1;
    void *library = dlopen(argv[1], RTLD_NOW);
    if (!library) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 1;
    }
    auto setslot = reinterpret_cast<ModuleSetSlotFn>(dlsym(library, "setslot"));
    auto drawscreen = reinterpret_cast<ModuleDrawScreenFn>(dlsym(library, "drawscreen"));
    auto mouseevent = reinterpret_cast<ModuleEventFn>(dlsym(library, "mouseevent"));
    auto keyevent = reinterpret_cast<ModuleEventFn>(dlsym(library, "keyevent"));
    if (!setslot || !drawscreen || !mouseevent || !keyevent) return 1;
    int ended = setslot(std::atoi(argv[2]));
    for (int i = 3; i < argc && !ended; ++i) {
        int x = 0, y = 0, n = 0;
        char file[256];
        SDL_Event event;
        std::memset(&event, 0, sizeof event);
        if (std::sscanf(argv[i], "click:%d,%d", &x, &y) == 2) {
            SDL_Delay(300);
            event.type = SDL_MOUSEMOTION;
            event.motion.x = static_cast<Uint16>(x);
            event.motion.y = static_cast<Uint16>(y);
            ended = mouseevent(&event);
            if (ended) break;
            event.type = SDL_MOUSEBUTTONDOWN;
            event.button.button = SDL_BUTTON_LEFT;
            event.button.x = static_cast<Uint16>(x);
            event.button.y = static_cast<Uint16>(y);
            ended = mouseevent(&event);
        } else if (std::sscanf(argv[i], "move:%d,%d", &x, &y) == 2) {
            event.type = SDL_MOUSEMOTION;
            event.motion.x = static_cast<Uint16>(x);
            event.motion.y = static_cast<Uint16>(y);
            ended = mouseevent(&event);
        } else if (std::sscanf(argv[i], "frames:%d", &n) == 1) {
            for (int f = 0; f < n && !ended; ++f) ended = drawscreen(blit, setClip, fill);
        } else if (std::sscanf(argv[i], "wait:%d", &n) == 1) {
            SDL_Delay(static_cast<Uint32>(n));
        } else if (std::strcmp(argv[i], "key:escape") == 0) {
            event.type = SDL_KEYDOWN;
            event.key.keysym.sym = SDLK_ESCAPE;
            ended = keyevent(&event);
        } else if (std::sscanf(argv[i], "shot:%255s", file) == 1) {
            ended = drawscreen(blit, setClip, fill);
            SDL_SaveBMP(screen, file);
        }
    }
    std::printf("ended=%d\n", ended);
    dlclose(library);
    SDL_Quit();
    return 0;
}

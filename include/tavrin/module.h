/* module.h -- what a game module exports and the drawing services the shell lends it */
#ifndef TAVRIN_MODULE_H
#define TAVRIN_MODULE_H

#include <SDL/SDL.h>

#include "tavrin/host.h"

#if defined(_WIN32)
#define TAVRIN_MODULE_EXPORT __declspec(dllexport)
#else
#define TAVRIN_MODULE_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The three drawing services, handed to "drawscreen" in this order every frame. They draw onto the
   shell's 800 x 600 screen and may be called only during that call.
   - blit: the whole image with its top-left corner at (x, y). A surface the module creates must have its
     spare field unused1 set to 0 before its first draw; the shell keeps a texture for it from then on,
     until the game ends.
   - clip: restricts every later blit and fill to the rectangle; NULL restores the whole screen. The clip
     stays in force after "drawscreen" returns, so set it back to NULL when done.
   - fill: fills the rectangle (NULL: the current clip rectangle) with a colour; only the low 8 bits of
     r, g and b count. */
typedef void (*HostBlitFn)(SDL_Surface *image, int x, int y);
typedef void (*HostSetClipFn)(SDL_Rect *rect);
typedef void (*HostFillRectFn)(SDL_Rect *rect, int r, int g, int b);

/* The four exports of a game module, looked up by these undecorated names. Each of the first three
   returns nonzero when the game has finished; the shell then unloads the library at once.
   - setslot: the chosen player, 0 = A, 1 = B, 2 = C; called once per start, before anything else.
   - drawscreen: once per frame; the module draws the whole frame, the shell draws nothing of its own.
   - mouseevent: every SDL_MOUSEMOTION and SDL_MOUSEBUTTONDOWN (never a button release).
   - keyevent: every SDL_KEYDOWN and SDL_KEYUP.
   The event record belongs to the shell and is valid only during the call. When the game ends, the
   shell drops whatever mixer callbacks are set (music and channel hooks, post-mix, effects), since
   they would point into the unloaded library. */
TAVRIN_MODULE_EXPORT int setslot(int slot);
TAVRIN_MODULE_EXPORT int drawscreen(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill);
TAVRIN_MODULE_EXPORT int mouseevent(SDL_Event *event);
TAVRIN_MODULE_EXPORT int keyevent(SDL_Event *event);

typedef int (*ModuleSetSlotFn)(int slot);
typedef int (*ModuleDrawScreenFn)(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill);
typedef int (*ModuleEventFn)(SDL_Event *event);

#ifdef __cplusplus
}
#endif

#endif

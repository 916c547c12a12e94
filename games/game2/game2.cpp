// game2.cpp -- the module entries of "városi kalandok"
#include "tavrin/module.h"

#include "../common/engine.h"
#include "town.h"

extern "C" {

TAVRIN_MODULE_EXPORT int setslot(int slot) { return engineSetSlot(townDefinition(), slot); }
TAVRIN_MODULE_EXPORT int drawscreen(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill)
{
    return engineDraw(blit, clip, fill);
}
TAVRIN_MODULE_EXPORT int mouseevent(SDL_Event *event) { return engineMouse(event); }
TAVRIN_MODULE_EXPORT int keyevent(SDL_Event *event) { return engineKey(event); }

}

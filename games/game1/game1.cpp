// game1.cpp -- the module entries of "erdei kalandok"
#include "tavrin/module.h"

#include "../common/engine.h"
#include "forest.h"

extern "C" {

TAVRIN_MODULE_EXPORT int setslot(int slot) { return engineSetSlot(forestDefinition(), slot); }
TAVRIN_MODULE_EXPORT int drawscreen(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill)
{
    return engineDraw(blit, clip, fill);
}
TAVRIN_MODULE_EXPORT int mouseevent(SDL_Event *event) { return engineMouse(event); }
TAVRIN_MODULE_EXPORT int keyevent(SDL_Event *event) { return engineKey(event); }

}

// menu.cpp -- stand-in: a plain backdrop until the menu screens are in place
#include "menu/menu.h"

#include "modules/modules.h"
#include "shell/shell.h"

std::array<MenuButton, MenuButtonCount> menuButtons{};

int pointInRect(int px, int py, int rx, int ry, int w, int h)
{
    return rx <= px && px <= rx + w && ry <= py && py <= ry + h;
}

void drawMenuButton(MenuButton *, int, int) {}
int hitMenuButton(MenuButton *, int, int) { return 0; }

void drawMenu()
{
    hostFillRect(nullptr, 110, 180, 230);
    menuFrame++;
}

int menuMouseEvent(SDL_Event *event)
{
    if (event->type == SDL_MOUSEMOTION) {
        mouseX = event->motion.x;
        mouseY = event->motion.y;
    }
    return 0;
}

void openWebAddress(const char *) {}

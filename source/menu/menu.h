// menu.h -- the fifteen menu buttons and the four menu screens
#pragma once

#include <SDL/SDL.h>
#include <array>

struct MenuButton {
    char label[256];  // text button: the caption (Windows-1250); image button: the picture's name under g/
    int x;
    int y;
    SDL_Surface *image;       // null: a text button
    SDL_Surface *hoverImage;
};

enum MenuButtonIndex {
    btnForest = 0, btnCity, btnSettings, btnCredits, btnQuit, btnErase, btnBack,
    btnLogo1, btnLogo2, btnLogo3, btnLogo4, btnPlayerA, btnPlayerB, btnPlayerC, btnLogo5,
    MenuButtonCount
};

extern std::array<MenuButton, MenuButtonCount> menuButtons;

int pointInRect(int px, int py, int rx, int ry, int w, int h);
void drawMenuButton(MenuButton *button, int dx, int dy);
int hitMenuButton(MenuButton *button, int px, int py);

void drawMenu();
int menuMouseEvent(SDL_Event *event);
void openWebAddress(const char *address);

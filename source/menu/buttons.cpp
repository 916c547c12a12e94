// buttons.cpp -- the table of menu buttons, their drawing with the pointer highlight, and their hit test
#include "menu/menu.h"

#include "shell/shell.h"
#include "text/text.h"

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
// Text buttons stand in one column at x = 94, 67 pixels apart; buttons of different screens share places.
// The player labels are composed at start-up; the erase label is rewritten while it asks to be sure.
std::array<MenuButton, MenuButtonCount> menuButtons = {{
    {"erdei kalandok", 94, 142, nullptr, nullptr},
    {"v\xE1rosi kalandok", 94, 209, nullptr, nullptr},
    {"be\xE1ll\xEDt\xE1sok", 94, 276, nullptr, nullptr},
    {"k\xE9sz\xEDt\xF5k", 94, 343, nullptr, nullptr},
    {"kil\xE9p\xE9s", 94, 410, nullptr, nullptr},
    {"eredm\xE9ny t\xF6rl\xE9se", 94, 343, nullptr, nullptr},
    {"vissza", 94, 410, nullptr, nullptr},
    {"logo1.tga", 353, 340, nullptr, nullptr},
    {"logo2.tga", 190, 340, nullptr, nullptr},
    {"logo3.tga", 290, 340, nullptr, nullptr},  // loaded, but no screen shows it
    {"logo4.tga", 255, 338, nullptr, nullptr},
    {"A j\xE1t\xE9kos: ", 94, 209, nullptr, nullptr},
    {"B j\xE1t\xE9kos: ", 94, 276, nullptr, nullptr},
    {"C j\xE1t\xE9kos: ", 94, 343, nullptr, nullptr},
    {"logo5.tga", 110, 340, nullptr, nullptr},
}};

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// A text button is as large as the plate; without the plate picture it keeps the size it was designed
// for, so that it can still be seen highlighted and be clicked.
static int plateWidth() { return buttonPlate ? buttonPlate->w : 320; }
static int plateHeight() { return buttonPlate ? buttonPlate->h : 60; }

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int imageWidth(const SDL_Surface *image) { return image ? image->w : 0; }
int imageHeight(const SDL_Surface *image) { return image ? image->h : 0; }

int pointInRect(int px, int py, int rx, int ry, int w, int h)
{
    return rx <= px && px <= rx + w && ry <= py && py <= ry + h ? 1 : 0;
}

void drawMenuButton(MenuButton *button, int dx, int dy)
{
    if (!button->image) {
        if (buttonPlate) menuHooks.blit(buttonPlate, button->x + dx, button->y + dy);
        // The bottom 10 rows of the plate do not highlight, though a click there still hits.
        bool highlighted = pointInRect(mouseX, mouseY, button->x, button->y, plateWidth(), plateHeight() - 10);
        drawOutlinedText(menuHooks.blit, button->label, button->x + dx + 160, button->y + dy + 4,
                         highlighted ? &Font27Red : &Font27Teal, AlignCentre, &Font27Black, -2);
        return;
    }

    // The highlight is tested at the resting place with the normal picture's size.
    SDL_Surface *hover = button->hoverImage ? button->hoverImage : button->image;
    if (pointInRect(mouseX, mouseY, button->x, button->y, button->image->w, button->image->h)) {
        menuHooks.blit(hover, button->x, button->y);
        return;
    }
    // The normal picture is centred on the hover picture's box; the halves truncate toward zero.
    int x = button->x + (hover->w - button->image->w) / 2 + dx;
    int y = button->y + (hover->h - button->image->h) / 2 + dy;
    menuHooks.blit(button->image, x, y);
}

int hitMenuButton(MenuButton *button, int px, int py)
{
    if (!button->image) return pointInRect(px, py, button->x, button->y, plateWidth(), plateHeight());
    return pointInRect(px, py, button->x, button->y, button->image->w, button->image->h);
}

// menu.h -- the fifteen menu buttons and the four menu screens
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <array>

// ----------------------------------------------------------------------------------------------------
// Buttons
// ----------------------------------------------------------------------------------------------------
struct MenuButton {
    char label[256];  // text button: the caption (Windows-1250); image button: the picture's name under g/
    int x;            // resting place
    int y;
    SDL_Surface *image;       // null: a text button
    SDL_Surface *hoverImage;  // shown under the pointer; null for a text button
};

enum MenuButtonIndex {
    btnForest = 0, btnCity, btnSettings, btnCredits, btnQuit, btnErase, btnBack,
    btnLogo1, btnLogo2, btnLogo3, btnLogo4, btnPlayerA, btnPlayerB, btnPlayerC, btnLogo5,
    MenuButtonCount
};

extern std::array<MenuButton, MenuButtonCount> menuButtons;

// 1 when rx <= px <= rx + w and ry <= py <= ry + h: both edges belong to the rectangle.
int pointInRect(int px, int py, int rx, int ry, int w, int h);
// Draws a button slid by (dx, dy); the highlight follows mouseX, mouseY at the resting place.
void drawMenuButton(MenuButton *button, int dx, int dy);
// 1 when (px, py) is on the button at its resting place.
int hitMenuButton(MenuButton *button, int px, int py);
// Loads "g/<label>" and its hover picture "g/<name>_o<extension>", or makes the hover picture by shrinking
// the first to nine tenths; a text button's label loads nothing.
void loadButtonImages(MenuButton *button);

// A picture's size; 0 for a picture that did not load, so that nothing that depends on it is drawn or hit.
int imageWidth(const SDL_Surface *image);
int imageHeight(const SDL_Surface *image);

// ----------------------------------------------------------------------------------------------------
// Pictures, loaded at start-up; a picture that did not load stays null
// ----------------------------------------------------------------------------------------------------
struct Cloud {
    int imageIndex;
    double x;
    double y;
    double speed;
};

extern SDL_Surface *windowIcon, *bandImage, *backgroundImage, *topImage, *buttonPlate;
extern std::array<SDL_Surface *, 3> cloudImages;
extern std::array<SDL_Surface *, 4> mascotFrames;
extern SDL_Surface *sliderBar, *sliderKnob;
extern std::array<SDL_Surface *, 2> checkImages;
extern std::array<Cloud, 10> clouds;

// A run-time picture, or null with IMG_GetError telling why; only a plain file is opened.
SDL_Surface *loadImage(const char *path);

// ----------------------------------------------------------------------------------------------------
// Screens
// ----------------------------------------------------------------------------------------------------
void drawMenu();
// Mouse motion and button presses; 1 when the player chose to quit.
int menuMouseEvent(SDL_Event *event);
int menuKeyEvent(SDL_Event *event);
// Hands the address to the desktop's default handler and carries on at once.
void openWebAddress(const char *address);

// Where the screens' horizontal slide-in stands: min(0, 10 * menuFrame - start).
int slideOffset(int start);

// What the menu calls outside itself; tests put recorders in place of the real ones.
struct MenuHooks {
    void (*blit)(SDL_Surface *image, int x, int y);  // every picture and glyph
    void (*clip)(SDL_Rect *rect);                    // the sprite pool's clip
    void (*click)(Mix_Chunk *chunk);                 // the click sound
    void (*openAddress)(const char *address);       // the desktop's default handler
    void (*startGame)(int n);
    void (*saveSettings)();
    bool (*eraseSlot)(int slot);                     // false when the store refused
    Uint8 (*mouseButtons)();                         // the mouse buttons held now
    void (*setMusicVolume)(int volume);
    void (*delay)(Uint32 milliseconds);
};
extern MenuHooks menuHooks;
void resetMenuHooks();

// ----------------------------------------------------------------------------------------------------
// Product configuration: the credits and the web addresses the logos open
// ----------------------------------------------------------------------------------------------------
constexpr int CreditsLineCount = 6;

struct CreditsLine {
    const char *text;  // Windows-1250
    int y;
    bool large;        // 20-point black on teal, else 13-point
};

extern const std::array<CreditsLine, CreditsLineCount> creditsLines;
extern const char *const logo1Address;
extern const char *const logo2Address;
extern const char *const logo4Address;  // the makers' own page
extern const char *const logo5Address;

// menu_recorder.h -- records what the menu draws and calls, over small solid pictures of known sizes
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "base/state.h"
#include "menu/menu.h"
#include "sprites/sprites.h"
#include "store/settings.h"
#include "text/text.h"

#include "events.h"

struct BlitCall {
    SDL_Surface *image;
    int x;
    int y;
};

struct MenuRecord {
    std::vector<BlitCall> blits;
    std::vector<bool> clipResets;  // true for each clip back to the whole screen
    int clicks = 0;
    std::vector<std::string> addresses;
    std::vector<int> gamesStarted;
    int saves = 0;
    std::vector<int> erasedSlots;
    bool eraseRefused = false;  // the store turns the erase down
    Uint8 heldButtons = 0;
    std::vector<int> musicVolumes;
    std::vector<Uint32> delays;
};

inline MenuRecord menuRecord;

inline SDL_Surface *solidImage(int w, int h)
{
    SDL_Surface *image = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    image->unused1 = 0;
    return image;
}

inline void installMenuRecorders()
{
    menuRecord = MenuRecord{};
    menuHooks.blit = [](SDL_Surface *image, int x, int y) { menuRecord.blits.push_back({image, x, y}); };
    menuHooks.clip = [](SDL_Rect *rect) { menuRecord.clipResets.push_back(rect == nullptr); };
    menuHooks.click = [](Mix_Chunk *) { menuRecord.clicks++; };
    menuHooks.openAddress = [](const char *address) { menuRecord.addresses.push_back(address); };
    menuHooks.startGame = [](int n) { menuRecord.gamesStarted.push_back(n); };
    menuHooks.saveSettings = [] { menuRecord.saves++; };
    menuHooks.eraseSlot = [](int slot) {
        menuRecord.erasedSlots.push_back(slot);
        return !menuRecord.eraseRefused;
    };
    menuHooks.mouseButtons = []() -> Uint8 { return menuRecord.heldButtons; };
    menuHooks.setMusicVolume = [](int volume) { menuRecord.musicVolumes.push_back(volume); };
    menuHooks.delay = [](Uint32 ms) { menuRecord.delays.push_back(ms); };
}

// Moves the pointer to (x, y); the menu's answer to the motion.
inline int moveMenuPointer(int x, int y)
{
    SDL_Event move = motionEvent(x, y);
    return menuMouseEvent(&move);
}

// Moves the pointer to (x, y) and presses a button there; the menu's answer to the press.
inline int clickMenuAt(int x, int y, int button = SDL_BUTTON_LEFT)
{
    moveMenuPointer(x, y);
    SDL_Event down = buttonEvent(SDL_MOUSEBUTTONDOWN, x, y, button);
    return menuMouseEvent(&down);
}

// The menu's state at start, with pictures of the sizes the menu's layout is drawn for, and one-glyph
// fonts whose glyphs tell the fonts apart.
class MenuTest : public testing::Test {
protected:
    std::vector<SDL_Surface *> owned;
    std::array<MenuButton, MenuButtonCount> savedButtons{};
    SDL_Surface *logoImage = nullptr, *logoHover = nullptr;

    SDL_Surface *make(int w, int h)
    {
        owned.push_back(solidImage(w, h));
        return owned.back();
    }

    void SetUp() override
    {
        savedButtons = menuButtons;
        installMenuRecorders();
        clearSprites();
        menuScreen = ScreenPlayerChoice;
        menuFrame = 0;
        mouseX = mouseY = 0;
        currentSlot = 0;
        appSettings = AppSettings{0, 1, 128, 128};

        backgroundImage = make(800, 600);
        bandImage = make(800, 380);
        topImage = make(800, 600);
        buttonPlate = make(320, 60);
        for (SDL_Surface *&cloud : cloudImages) cloud = make(200, 90);
        for (SDL_Surface *&frame : mascotFrames) frame = make(150, 200);
        sliderBar = make(256, 16);
        sliderKnob = make(34, 40);
        checkImages[0] = make(32, 32);
        checkImages[1] = make(32, 32);
        for (Cloud &cloud : clouds) cloud = Cloud{0, -1000.0, 0.0, 1.0};

        // Logo pictures 80 x 61 with hover pictures 72 x 54, as the 0.9 shrink gives them.
        logoImage = make(80, 61);
        logoHover = make(72, 54);
        for (int i : {btnLogo1, btnLogo2, btnLogo3, btnLogo4, btnLogo5}) {
            menuButtons[i].image = logoImage;
            menuButtons[i].hoverImage = logoHover;
        }

        // Every byte has a glyph of its own, 10 pixels wide, so that a drawn text can be read back byte
        // for byte, accented letters included.
        for (BitmapFont *font : {&Font27Teal, &Font27Red, &Font27Black}) {
            font->glyphs.fill(nullptr);
            for (int c = 1; c < 255; ++c) font->glyphs[c] = make(10, 20);
        }
    }

    void TearDown() override
    {
        for (BitmapFont *font : {&Font27Teal, &Font27Red, &Font27Black}) font->glyphs.fill(nullptr);
        menuButtons = savedButtons;
        backgroundImage = bandImage = topImage = buttonPlate = sliderBar = sliderKnob = nullptr;
        cloudImages.fill(nullptr);
        mascotFrames.fill(nullptr);
        checkImages.fill(nullptr);
        for (SDL_Surface *image : owned) SDL_FreeSurface(image);
        resetMenuHooks();
    }

    // The blits of one picture, in order.
    std::vector<BlitCall> blitsOf(SDL_Surface *image) const
    {
        std::vector<BlitCall> found;
        for (const BlitCall &call : menuRecord.blits) {
            if (call.image == image) found.push_back(call);
        }
        return found;
    }

    // The blits of any glyph of a font, in order.
    static std::vector<BlitCall> blitsOf(const BitmapFont &font)
    {
        std::vector<BlitCall> found;
        for (const BlitCall &call : menuRecord.blits) {
            if (byteOf(font, call.image) != 0) found.push_back(call);
        }
        return found;
    }

    static unsigned char byteOf(const BitmapFont &font, const SDL_Surface *glyph)
    {
        for (int c = 1; c < 255; ++c) {
            if (glyph && font.glyphs[c] == glyph) return static_cast<unsigned char>(c);
        }
        return 0;
    }

    // The texts drawn in a font, read back from its glyphs: a new text begins where the pen moves to
    // another row or back to the left.
    static std::vector<std::string> textsOf(const BitmapFont &font)
    {
        std::vector<std::string> texts;
        const BlitCall *previous = nullptr;
        for (const BlitCall &call : menuRecord.blits) {
            unsigned char byte = byteOf(font, call.image);
            if (byte == 0) continue;
            if (!previous || call.y != previous->y || call.x <= previous->x) texts.emplace_back();
            texts.back() += static_cast<char>(byte);
            previous = &call;
        }
        return texts;
    }

    // Draws a frame of the menu with only its own blits left in the record.
    static void redrawMenu()
    {
        menuRecord.blits.clear();
        drawMenu();
    }

    static int clickAt(int x, int y, int button = SDL_BUTTON_LEFT) { return clickMenuAt(x, y, button); }
};

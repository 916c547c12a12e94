// screens.cpp -- the four menu screens over the animated backdrop, and what the mouse does on them
#include "menu/menu.h"

#include <cstdio>
#include <cstring>

#include "audio/audio.h"
#include "base/screen.h"
#include "base/state.h"
#include "modules/modules.h"
#include "platform/desktop.h"
#include "sprites/sprites.h"
#include "store/settings.h"
#include "text/text.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
constexpr int sliderLeft = 185;  // x of both slider bars; a click here is volume 0
constexpr int fxSliderTop = 140;
constexpr int musicSliderTop = 190;
constexpr int maxVolume = 128;

constexpr const char *eraseLabel = "eredm\xE9ny t\xF6rl\xE9se";
constexpr const char *confirmLabel = "klikk ha biztos!";
constexpr const char *refusedLabel = "nem siker\xFClt!";

// Fixed places at the bottom left that open an address on every screen; nothing is drawn for them.
struct HotSpot {
    int x, y, w, h;
    const char *const *address;
};
static const std::array<HotSpot, 3> hotSpots = {{
    {218, 498, 56, 72, &logo1Address},
    {128, 498, 82, 110, &logo2Address},
    {23, 498, 82, 110, &logo5Address},
}};

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
static Uint8 heldMouseButtons() { return SDL_GetMouseState(nullptr, nullptr); }
static void setMusicVolume(int volume) { Mix_VolumeMusic(volume); }

static constexpr MenuHooks defaultHooks = {hostBlit,     hostSetClip, playClick,        openAddress,    startGameModule,
                                           saveSettings, eraseSlot,   heldMouseButtons, setMusicVolume, SDL_Delay};
MenuHooks menuHooks = defaultHooks;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static void drawImage(SDL_Surface *image, int x, int y)
{
    if (image) menuHooks.blit(image, x, y);
}

static void drawLabel(const char *text, int x, int y)
{
    drawOutlinedText(menuHooks.blit, text, x, y, &Font27Teal, AlignLeft, &Font27Black, -2);
}

// A tick box shows "yes" for any nonzero value, as the rest of the program reads the switch.
static void drawTickBox(int value, int x, int y) { drawImage(checkImages[value != 0 ? 1 : 0], x, y); }

static void drawSlider(int volume, int barTop, int knobTop)
{
    // The knob's place is worked out from the bar's width: without the bar there is no slider at all.
    int bw = imageWidth(sliderBar);
    if (bw == 0) return;
    menuHooks.blit(sliderBar, sliderLeft, barTop);
    drawImage(sliderKnob, 168 + volume * bw / maxVolume, knobTop);
}

static void drawPlayerChoice()
{
    drawLabel("v\xE1lassz j\xE1t\xE9kost!", 95, 150);
    drawMenuButton(&menuButtons[btnPlayerA], slideOffset(400), 0);
    drawMenuButton(&menuButtons[btnPlayerB], slideOffset(500), 0);
    drawMenuButton(&menuButtons[btnPlayerC], slideOffset(600), 0);
}

static void drawMainScreen()
{
    drawMenuButton(&menuButtons[btnForest], slideOffset(400), 0);
    drawMenuButton(&menuButtons[btnCity], slideOffset(500), 0);
    drawMenuButton(&menuButtons[btnSettings], slideOffset(600), 0);
    drawMenuButton(&menuButtons[btnCredits], slideOffset(700), 0);
    drawMenuButton(&menuButtons[btnQuit], slideOffset(800), 0);
}

static void drawSettingsScreen()
{
    drawLabel("hang", 95, 140);
    drawSlider(appSettings.fxvolume, 160, 142);
    drawLabel("zene", 95, 190);
    drawSlider(appSettings.musicvolume, 210, 192);
    drawLabel("kviz", 95, 240);
    drawTickBox(appSettings.quiz, 395, 246);
    drawLabel("teljes k\xE9perny\xF5", 95, 290);
    drawTickBox(appSettings.fullscreen, 395, 296);
    drawMenuButton(&menuButtons[btnErase], 0, 0);
    drawMenuButton(&menuButtons[btnBack], 0, 0);
}

static void drawCreditsScreen()
{
    for (const CreditsLine &line : creditsLines) {
        if (line.large) {
            drawOutlinedText(menuHooks.blit, line.text, 100, line.y, &Font20Black, AlignLeft, &Font20Teal, -2);
        } else {
            drawOutlinedText(menuHooks.blit, line.text, 100, line.y, &Font13Black, AlignLeft, &Font13Teal, -2);
        }
    }
    drawMenuButton(&menuButtons[btnLogo1], 0, 0);
    drawMenuButton(&menuButtons[btnLogo2], 0, 0);
    drawMenuButton(&menuButtons[btnLogo4], 0, 0);
    drawMenuButton(&menuButtons[btnLogo5], 0, 0);
    drawMenuButton(&menuButtons[btnBack], 0, 0);
}

static void drawClouds()
{
    for (Cloud &cloud : clouds) {
        SDL_Surface *image = cloud.imageIndex >= 0 && cloud.imageIndex < static_cast<int>(cloudImages.size())
                                 ? cloudImages[cloud.imageIndex]
                                 : nullptr;
        drawImage(image, static_cast<int>(cloud.x), static_cast<int>(cloud.y));
        cloud.x += cloud.speed;
        if (cloud.x > screenWidth) cloud.x = -200.0;
    }
}

static void drawMascot()
{
    // Every frame is placed by the first frame's size: the mascot rises 8 pixels a frame from below the
    // bottom edge into the corner, then stays there. A frame that did not load is stood in for by the
    // first one that did, so that the mascot does not blink out.
    SDL_Surface *first = nullptr;
    for (SDL_Surface *frame : mascotFrames) {
        if (!first) first = frame;
    }
    int w = imageWidth(first);
    int h = imageHeight(first);
    if (w == 0 || h == 0) return;
    int y = menuFrame < h / 8 ? screenHeight - 8 * menuFrame : screenHeight - h;
    SDL_Surface *frame = mascotFrames[(menuFrame / 16) % 4];
    drawImage(frame ? frame : first, screenWidth - w, y);
}

// Volume from a pointer on a slider bar: 0 at the bar's left edge, 128 at its right edge. The test
// rectangle is as tall as the knob; without the bar or the knob there is nothing to hit.
static bool dragSlider(int top, int *volume)
{
    int bw = imageWidth(sliderBar);
    int knobHeight = imageHeight(sliderKnob);
    if (bw == 0 || knobHeight == 0) return false;
    if (!pointInRect(mouseX, mouseY, sliderLeft, top, bw, knobHeight)) return false;
    *volume = (mouseX - sliderLeft) * maxVolume / bw;
    return true;
}

static void click() { menuHooks.click(clickSound); }

static void leaveToMainScreen()
{
    menuHooks.saveSettings();
    menuScreen = ScreenMain;
}

// True when the press is on the button at its resting place.
static bool pressed(int button) { return hitMenuButton(&menuButtons[button], mouseX, mouseY) != 0; }

// The hot spots answer a press on every screen, unless the screen's own buttons took it first.
static void pressHotSpots()
{
    for (const HotSpot &spot : hotSpots) {
        if (pointInRect(mouseX, mouseY, spot.x, spot.y, spot.w, spot.h)) openWebAddress(*spot.address);
    }
}

// Dragging needs the left button held, and works with and without a press; the effect volume is heard
// with the next click.
static void dragSliders()
{
    if (!(menuHooks.mouseButtons() & SDL_BUTTON(SDL_BUTTON_LEFT))) return;
    dragSlider(fxSliderTop, &appSettings.fxvolume);
    if (dragSlider(musicSliderTop, &appSettings.musicvolume)) menuHooks.setMusicVolume(appSettings.musicvolume);
}

// What a press does on each screen.
static void pressOnPlayerChoice()
{
    for (int slot = 0; slot < 3; ++slot) {
        if (pressed(btnPlayerA + slot)) {
            currentSlot = slot;
            menuScreen = ScreenMain;
            return;
        }
    }
    pressHotSpots();
}

static int pressOnMainScreen()
{
    pressHotSpots();
    if (pressed(btnForest)) {
        click();
        menuHooks.startGame(1);
    }
    if (pressed(btnCity)) {
        click();
        menuHooks.startGame(2);
    }
    if (pressed(btnSettings)) {
        click();
        menuScreen = ScreenSettings;
        return 0;
    }
    if (pressed(btnCredits)) {
        click();
        menuScreen = ScreenCredits;
        return 0;
    }
    if (pressed(btnQuit)) {
        click();
        menuHooks.delay(200);  // lets the click be heard before the window goes
        return 1;
    }
    return 0;
}

static void pressOnSettings()
{
    // Any nonzero value counts as on, so a click always turns a switch the other way.
    if (pointInRect(mouseX, mouseY, 100, 240, 350, 40)) {
        click();
        appSettings.quiz = appSettings.quiz != 0 ? 0 : 1;
    }
    if (pointInRect(mouseX, mouseY, 100, 290, 350, 40)) {
        click();
        appSettings.fullscreen = appSettings.fullscreen != 0 ? 0 : 1;
    }
    MenuButton &erase = menuButtons[btnErase];
    if (hitMenuButton(&erase, mouseX, mouseY)) {
        click();
        // The first click only asks; the label keeps asking until a second click, also after a visit
        // to another screen.
        if (strcmp(erase.label, confirmLabel) != 0) {
            snprintf(erase.label, sizeof erase.label, "%s", confirmLabel);
        } else if (menuHooks.eraseSlot(currentSlot + 1)) {
            snprintf(erase.label, sizeof erase.label, "%s", eraseLabel);
            menuScreen = ScreenMain;
        } else {
            // The results are still there: the button says so, and the next click asks again.
            snprintf(erase.label, sizeof erase.label, "%s", refusedLabel);
        }
        return;
    }
    if (pressed(btnBack)) {
        click();
        leaveToMainScreen();
        return;
    }
    pressHotSpots();
}

static void pressOnCredits()
{
    // The logos open their pages without a click sound, and the credits stay on screen.
    if (pressed(btnLogo1)) openWebAddress(logo1Address);
    if (pressed(btnLogo2)) openWebAddress(logo2Address);
    if (pressed(btnLogo4)) openWebAddress(logo4Address);
    if (pressed(btnLogo5)) openWebAddress(logo5Address);
    if (pressed(btnBack)) {
        click();
        leaveToMainScreen();
        return;
    }
    pressHotSpots();
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void resetMenuHooks() { menuHooks = defaultHooks; }

int slideOffset(int start)
{
    int dx = 10 * menuFrame - start;
    return dx < 0 ? dx : 0;
}

void drawMenu()
{
    drawImage(backgroundImage, 0, 0);
    drawImage(bandImage, 0, 106);

    switch (menuScreen) {
    case ScreenPlayerChoice: drawPlayerChoice(); break;
    case ScreenMain: drawMainScreen(); break;
    case ScreenSettings: drawSettingsScreen(); break;
    case ScreenCredits: drawCreditsScreen(); break;
    default: break;
    }

    drawClouds();
    drawImage(topImage, 0, 0);
    drawMascot();
    drawSprites(menuHooks.blit, menuHooks.clip);  // ends by giving the clip back to the whole screen
    menuFrame++;
    updateSprites();
}

// Keys do nothing on the menu: everything there is done with the mouse.
int menuKeyEvent(SDL_Event *) { return 0; }

int menuMouseEvent(SDL_Event *event)
{
    // Only motion and presses mean anything here; the pressed button's number is never looked at, so
    // the right button and the wheel click as well.
    bool motion = event->type == SDL_MOUSEMOTION;
    if (!motion && event->type != SDL_MOUSEBUTTONDOWN) return 0;
    if (motion) {
        mouseX = event->motion.x;
        mouseY = event->motion.y;
    }
    if (menuScreen == ScreenSettings) dragSliders();
    if (motion) return 0;

    switch (menuScreen) {
    case ScreenPlayerChoice: pressOnPlayerChoice(); break;
    case ScreenMain: return pressOnMainScreen();  // 1 when the player chose to quit
    case ScreenSettings: pressOnSettings(); break;
    case ScreenCredits: pressOnCredits(); break;
    default: pressHotSpots(); break;
    }
    return 0;
}

void openWebAddress(const char *address) { menuHooks.openAddress(address); }

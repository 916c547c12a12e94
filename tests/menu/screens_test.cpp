// screens_test.cpp -- the four screens' drawing, the backdrop's animation and what each mouse event does
#include "base/state.h"
#include "menu/menu.h"
#include "menu_recorder.h"

using MenuDrawing = MenuTest;

TEST_F(MenuDrawing, FrameIsBackdropContentCloudsOverlayMascotThenClipReset)
{
    menuScreen = ScreenSettings;
    menuFrame = 100;
    clouds[9] = Cloud{1, 10.0, 5.0, 1.0};
    drawMenu();
    const std::vector<BlitCall> &b = menuRecord.blits;
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(b[0].image, backgroundImage);
    EXPECT_EQ(b[1].image, bandImage);
    EXPECT_EQ(b[1].y, 106);
    EXPECT_EQ(b[b.size() - 3].image, cloudImages[1]);
    EXPECT_EQ(b[b.size() - 2].image, topImage);
    EXPECT_EQ(b.back().image, mascotFrames[(100 / 16) % 4]);
    ASSERT_FALSE(menuRecord.clipResets.empty());
    EXPECT_TRUE(menuRecord.clipResets.back());
    EXPECT_EQ(menuFrame, 101);
}

TEST_F(MenuDrawing, MainButtonsSlideInTenPixelsAFrameOneAfterAnother)
{
    menuScreen = ScreenMain;
    auto plateXs = [&](int frame) {
        menuFrame = frame;
        redrawMenu();
        std::vector<int> xs;
        for (const BlitCall &call : blitsOf(buttonPlate)) xs.push_back(call.x);
        return xs;
    };
    EXPECT_EQ(plateXs(0), (std::vector<int>{94 - 400, 94 - 500, 94 - 600, 94 - 700, 94 - 800}));
    EXPECT_EQ(plateXs(45), (std::vector<int>{94, 94 - 50, 94 - 150, 94 - 250, 94 - 350}));
    EXPECT_EQ(plateXs(80), (std::vector<int>{94, 94, 94, 94, 94}));
    EXPECT_EQ(plateXs(5000), (std::vector<int>{94, 94, 94, 94, 94}));
}

TEST_F(MenuDrawing, AScreenChangeDoesNotRestartTheSlideIn)
{
    menuScreen = ScreenPlayerChoice;
    for (int f = 0; f < 65; ++f) drawMenu();
    clickAt(200, 220);  // player A, while the main buttons are still on their way
    ASSERT_EQ(menuScreen, ScreenMain);
    redrawMenu();
    std::vector<BlitCall> plates = blitsOf(buttonPlate);
    ASSERT_EQ(plates.size(), 5u);
    EXPECT_EQ(plates[2].x, 94);  // settings arrived at frame 60
    EXPECT_EQ(plates[3].x, 94 - 50);  // credits and quit still sliding
    EXPECT_EQ(plates[4].x, 94 - 150);
}

TEST_F(MenuDrawing, PlayerButtonsSlideInUnderTheQuestion)
{
    menuScreen = ScreenPlayerChoice;
    menuFrame = 42;
    drawMenu();
    std::vector<BlitCall> plates = blitsOf(buttonPlate);
    ASSERT_EQ(plates.size(), 3u);
    EXPECT_EQ(plates[0].x, 94);
    EXPECT_EQ(plates[0].y, 209);
    EXPECT_EQ(plates[1].x, 94 - 80);
    EXPECT_EQ(plates[1].y, 276);
    EXPECT_EQ(plates[2].x, 94 - 180);
    EXPECT_EQ(plates[2].y, 343);
    // The question stands at (95, 150), left-aligned; its first glyph is the first teal one.
    std::vector<BlitCall> teal = blitsOf(Font27Teal);
    ASSERT_FALSE(teal.empty());
    EXPECT_EQ(teal[0].x, 95);
    EXPECT_EQ(teal[0].y, 150);
}

TEST_F(MenuDrawing, MascotRisesEightPixelsAFrameThenStaysAndCyclesItsFrames)
{
    menuScreen = ScreenMain;
    auto mascotAt = [&](int frame) {
        menuFrame = frame;
        redrawMenu();
        return menuRecord.blits.back();
    };
    BlitCall first = mascotAt(0);
    EXPECT_EQ(first.x, 800 - 150);
    EXPECT_EQ(first.y, 600);
    EXPECT_EQ(mascotAt(10).y, 520);
    EXPECT_EQ(mascotAt(24).y, 600 - 192);
    EXPECT_EQ(mascotAt(25).y, 400);  // 200 / 8 frames: in its corner
    EXPECT_EQ(mascotAt(1000).y, 400);
    EXPECT_EQ(mascotAt(15).image, mascotFrames[0]);
    EXPECT_EQ(mascotAt(16).image, mascotFrames[1]);
    EXPECT_EQ(mascotAt(47).image, mascotFrames[2]);
    EXPECT_EQ(mascotAt(48).image, mascotFrames[3]);
    EXPECT_EQ(mascotAt(64).image, mascotFrames[0]);
}

TEST_F(MenuDrawing, MascotIsPlacedByTheFirstFrameThatLoadedWhichStandsInForMissingOnes)
{
    menuScreen = ScreenMain;
    SDL_Surface *tall = make(100, 300);
    mascotFrames[1] = tall;
    menuFrame = 30;
    drawMenu();
    EXPECT_EQ(menuRecord.blits.back().image, tall);
    EXPECT_EQ(menuRecord.blits.back().x, 800 - 150);
    EXPECT_EQ(menuRecord.blits.back().y, 400);

    mascotFrames[0] = nullptr;
    mascotFrames[3] = nullptr;
    menuFrame = 3 * 16;
    redrawMenu();
    EXPECT_EQ(menuRecord.blits.back().image, tall);
    EXPECT_EQ(menuRecord.blits.back().x, 800 - 100);
    EXPECT_EQ(menuRecord.blits.back().y, 300);

    mascotFrames.fill(nullptr);
    redrawMenu();
    EXPECT_TRUE(blitsOf(tall).empty());
}

TEST_F(MenuDrawing, CloudsDriftByTheirSpeedAndWrapPastTheRightEdge)
{
    clouds[0] = Cloud{2, -0.5, 12.0, 1.5};
    clouds[1] = Cloud{0, 799.5, 30.0, 1.0};
    clouds[2] = Cloud{1, -150.7, 3.9, 1.9};
    drawMenu();
    std::vector<BlitCall> drawn;
    for (const BlitCall &call : menuRecord.blits) {
        if (call.image == cloudImages[0] || call.image == cloudImages[1] || call.image == cloudImages[2])
            drawn.push_back(call);
    }
    ASSERT_EQ(drawn.size(), 10u);
    EXPECT_EQ(drawn[0].image, cloudImages[2]);
    EXPECT_EQ(drawn[0].x, 0);  // truncated toward zero
    EXPECT_EQ(drawn[0].y, 12);
    EXPECT_EQ(drawn[1].x, 799);
    EXPECT_EQ(drawn[2].x, -150);
    EXPECT_EQ(drawn[2].y, 3);
    EXPECT_DOUBLE_EQ(clouds[0].x, 1.0);
    EXPECT_DOUBLE_EQ(clouds[1].x, -200.0);  // 800.5 is past the edge
    EXPECT_DOUBLE_EQ(clouds[1].y, 30.0);
    EXPECT_DOUBLE_EQ(clouds[2].x, -150.7 + 1.9);

    clouds[3] = Cloud{0, 799.0, 0.0, 1.0};
    drawMenu();
    EXPECT_DOUBLE_EQ(clouds[3].x, 800.0);  // exactly at the edge it stays
}

TEST_F(MenuDrawing, SettingsShowKnobsByVolumeAndTickBoxesBySwitch)
{
    menuScreen = ScreenSettings;
    appSettings = AppSettings{0, 1, 128, 64};  // fullscreen, quiz, music, effects
    drawMenu();
    std::vector<BlitCall> bars = blitsOf(sliderBar);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].x, 185);
    EXPECT_EQ(bars[0].y, 160);
    EXPECT_EQ(bars[1].y, 210);
    std::vector<BlitCall> knobs = blitsOf(sliderKnob);
    ASSERT_EQ(knobs.size(), 2u);
    EXPECT_EQ(knobs[0].x, 168 + 128);
    EXPECT_EQ(knobs[0].y, 142);
    EXPECT_EQ(knobs[1].x, 168 + 256);
    EXPECT_EQ(knobs[1].y, 192);
    ASSERT_EQ(blitsOf(checkImages[1]).size(), 1u);
    EXPECT_EQ(blitsOf(checkImages[1])[0].y, 246);
    ASSERT_EQ(blitsOf(checkImages[0]).size(), 1u);
    EXPECT_EQ(blitsOf(checkImages[0])[0].y, 296);
    EXPECT_EQ(blitsOf(buttonPlate).size(), 2u);  // erase and back
}

TEST_F(MenuDrawing, OddSwitchValuesShowAsOnAndAMissingBarHidesTheSliders)
{
    menuScreen = ScreenSettings;
    appSettings = AppSettings{5, -3, 128, 128};
    sliderBar = nullptr;
    drawMenu();
    EXPECT_EQ(blitsOf(checkImages[1]).size(), 2u);
    EXPECT_TRUE(blitsOf(sliderKnob).empty());
}

TEST_F(MenuDrawing, EveryScreenSaysItsWordsByteForByte)
{
    auto textsOn = [&](int shown) {
        menuScreen = shown;
        redrawMenu();
        return textsOf(Font27Teal);
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(textsOn(ScreenPlayerChoice), (Texts{"v\xE1lassz j\xE1t\xE9kost!", "A j\xE1t\xE9kos: ",
                                                  "B j\xE1t\xE9kos: ", "C j\xE1t\xE9kos: "}));
    EXPECT_EQ(textsOn(ScreenMain), (Texts{"erdei kalandok", "v\xE1rosi kalandok", "be\xE1ll\xEDt\xE1sok",
                                          "k\xE9sz\xEDt\xF5k", "kil\xE9p\xE9s"}));
    EXPECT_EQ(textsOn(ScreenSettings), (Texts{"hang", "zene", "kviz", "teljes k\xE9perny\xF5",
                                              "eredm\xE9ny t\xF6rl\xE9se", "vissza"}));
    EXPECT_EQ(textsOn(ScreenCredits), (Texts{"vissza"}));

    menuScreen = ScreenSettings;
    clickAt(100, 350);  // the erase button asks, under the pointer
    textsOn(ScreenSettings);
    EXPECT_EQ(textsOf(Font27Red), (Texts{"klikk ha biztos!"}));
}

TEST_F(MenuDrawing, CreditsShowFourLogosTheBackButtonAndSixLines)
{
    menuScreen = ScreenCredits;
    for (BitmapFont *font : {&Font20Black, &Font13Black}) font->glyphs.fill(nullptr);
    SDL_Surface *glyph20 = make(8, 16);
    for (unsigned char c = ' '; c < 255; ++c) Font20Black.glyphs[c] = glyph20;
    for (int c = 1; c < 255; ++c) Font13Black.glyphs[c] = make(6, 10);
    drawMenu();
    std::vector<std::string> small = textsOf(Font13Black);
    ASSERT_EQ(small.size(), 3u);
    EXPECT_EQ(small[0], "K\xF6zrem\xFBk\xF6" "dtek:");
    std::vector<BlitCall> smallGlyphs = blitsOf(Font13Black);
    for (BitmapFont *font : {&Font20Black, &Font13Black}) font->glyphs.fill(nullptr);

    EXPECT_EQ(blitsOf(logoImage).size(), 4u);  // logo 3 is never shown
    EXPECT_EQ(blitsOf(buttonPlate).size(), 1u);
    std::vector<int> rows;
    auto addRow = [&](const BlitCall &call) {
        if (call.x == 100 && (rows.empty() || rows.back() != call.y)) rows.push_back(call.y);
    };
    for (const BlitCall &call : blitsOf(glyph20)) addRow(call);
    for (const BlitCall &call : smallGlyphs) addRow(call);
    EXPECT_EQ(rows, (std::vector<int>{140, 170, 215, 257, 275, 293}));
}

using MenuMouse = MenuTest;

TEST_F(MenuMouse, MotionMovesThePointerAndAPressDoesNot)
{
    EXPECT_EQ(moveMenuPointer(300, 412), 0);
    EXPECT_EQ(mouseX, 300);
    EXPECT_EQ(mouseY, 412);
    SDL_Event down = buttonEvent();
    down.button.x = 5;
    down.button.y = 6;
    menuMouseEvent(&down);
    EXPECT_EQ(mouseX, 300);
    EXPECT_EQ(mouseY, 412);
}

TEST_F(MenuMouse, AClickBeforeAnyMotionCountsAtTheOrigin)
{
    menuScreen = ScreenMain;
    menuButtons[btnQuit].x = 0;
    menuButtons[btnQuit].y = 0;
    SDL_Event down = buttonEvent();
    EXPECT_EQ(menuMouseEvent(&down), 1);
}

TEST_F(MenuMouse, ChoosingAPlayerGoesToTheMainScreenWithoutASound)
{
    EXPECT_EQ(clickAt(200, 276 + 30), 0);  // player B
    EXPECT_EQ(currentSlot, 1);
    EXPECT_EQ(menuScreen, ScreenMain);
    EXPECT_EQ(menuRecord.clicks, 0);

    // The main screen does not take the same press for its own button there.
    EXPECT_EQ(menuRecord.gamesStarted.size(), 0u);
}

TEST_F(MenuMouse, RightButtonAndWheelClickLikeTheLeft)
{
    menuScreen = ScreenMain;
    clickAt(100, 276, SDL_BUTTON_RIGHT);
    EXPECT_EQ(menuScreen, ScreenSettings);
    menuScreen = ScreenMain;
    clickAt(100, 343, SDL_BUTTON_WHEELDOWN);
    EXPECT_EQ(menuScreen, ScreenCredits);
    EXPECT_EQ(menuRecord.clicks, 2);
}

TEST_F(MenuMouse, ButtonReleasesAndOtherEventsChangeNothing)
{
    menuScreen = ScreenMain;
    mouseX = 100;
    mouseY = 420;
    SDL_Event up{};
    up.type = SDL_MOUSEBUTTONUP;
    EXPECT_EQ(menuMouseEvent(&up), 0);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    EXPECT_EQ(menuMouseEvent(&key), 0);
    EXPECT_EQ(menuRecord.clicks, 0);
}

TEST_F(MenuMouse, GameButtonsClickAndStartTheirGame)
{
    menuScreen = ScreenMain;
    clickAt(300, 150);
    clickAt(300, 220);
    EXPECT_EQ(menuRecord.gamesStarted, (std::vector<int>{1, 2}));
    EXPECT_EQ(menuRecord.clicks, 2);
    EXPECT_EQ(menuScreen, ScreenMain);
}

TEST_F(MenuMouse, QuitClicksPausesTwoHundredMillisecondsAndAsksToQuit)
{
    menuScreen = ScreenMain;
    EXPECT_EQ(clickAt(94 + 320, 410 + 60), 1);
    EXPECT_EQ(menuRecord.clicks, 1);
    EXPECT_EQ(menuRecord.delays, (std::vector<Uint32>{200}));
    // Moving over it does nothing.
    EXPECT_EQ(moveMenuPointer(200, 420), 0);
}

using SettingsScreen = MenuTest;

TEST_F(SettingsScreen, DraggingAlongTheEffectBarSetsTheVolume)
{
    menuScreen = ScreenSettings;
    menuRecord.heldButtons = SDL_BUTTON(SDL_BUTTON_LEFT);
    auto dragTo = [&](int x, int y) {
        moveMenuPointer(x, y);
        return appSettings.fxvolume;
    };
    EXPECT_EQ(dragTo(185, 150), 0);
    EXPECT_EQ(dragTo(185 + 256, 150), 128);
    EXPECT_EQ(dragTo(185 + 128, 150), 64);
    EXPECT_EQ(dragTo(185 + 3, 150), 1);  // 384 / 256 truncates
    EXPECT_EQ(dragTo(185 + 257, 150), 1);  // past the right edge: unchanged
    EXPECT_EQ(dragTo(184, 150), 1);
    EXPECT_TRUE(menuRecord.musicVolumes.empty());  // the effect volume is only stored
    EXPECT_EQ(menuRecord.clicks, 0);
}

TEST_F(SettingsScreen, SliderRectanglesAreAsTallAsTheKnob)
{
    menuScreen = ScreenSettings;
    menuRecord.heldButtons = SDL_BUTTON(SDL_BUTTON_LEFT);
    auto fxAt = [&](int y) {
        appSettings.fxvolume = 99;
        moveMenuPointer(185 + 64, y);
        return appSettings.fxvolume;
    };
    EXPECT_EQ(fxAt(139), 99);
    EXPECT_EQ(fxAt(140), 32);
    EXPECT_EQ(fxAt(180), 32);  // 140 + the knob's 40 rows, far below the 16-row bar
    EXPECT_EQ(fxAt(181), 99);
}

TEST_F(SettingsScreen, MusicSliderAppliesTheVolumeAtOnce)
{
    menuScreen = ScreenSettings;
    menuRecord.heldButtons = SDL_BUTTON(SDL_BUTTON_LEFT);
    moveMenuPointer(185 + 32, 190);
    EXPECT_EQ(appSettings.musicvolume, 16);
    SDL_Event down = buttonEvent();
    mouseX = 185 + 256;
    menuMouseEvent(&down);
    EXPECT_EQ(appSettings.musicvolume, 128);
    EXPECT_EQ(menuRecord.musicVolumes, (std::vector<int>{16, 128}));
    EXPECT_EQ(appSettings.fxvolume, 128);
}

TEST_F(SettingsScreen, MovingWithoutTheLeftButtonHeldChangesNothing)
{
    menuScreen = ScreenSettings;
    for (Uint8 held : {Uint8(0), Uint8(SDL_BUTTON(SDL_BUTTON_RIGHT)), Uint8(SDL_BUTTON(SDL_BUTTON_MIDDLE))}) {
        menuRecord.heldButtons = held;
        moveMenuPointer(185 + 10, 150);
        moveMenuPointer(185 + 10, 200);
        SDL_Event down = buttonEvent(SDL_MOUSEBUTTONDOWN, 0, 0, SDL_BUTTON_RIGHT);
        menuMouseEvent(&down);
    }
    EXPECT_EQ(appSettings.fxvolume, 128);
    EXPECT_EQ(appSettings.musicvolume, 128);
    EXPECT_TRUE(menuRecord.musicVolumes.empty());
}

TEST_F(SettingsScreen, WithoutBarOrKnobTheSlidersAreNotHit)
{
    menuScreen = ScreenSettings;
    menuRecord.heldButtons = SDL_BUTTON(SDL_BUTTON_LEFT);
    sliderBar = nullptr;
    moveMenuPointer(185, 150);
    EXPECT_EQ(appSettings.fxvolume, 128);

    sliderBar = make(256, 16);
    sliderKnob = nullptr;
    moveMenuPointer(185, 190);
    EXPECT_EQ(appSettings.musicvolume, 128);
    EXPECT_TRUE(menuRecord.musicVolumes.empty());
}

TEST_F(SettingsScreen, TickBoxRowsToggleWithAClickButNotOnMotion)
{
    menuScreen = ScreenSettings;
    appSettings.quiz = 1;
    appSettings.fullscreen = 0;
    moveMenuPointer(100, 240);
    EXPECT_EQ(appSettings.quiz, 1);
    SDL_Event down = buttonEvent();
    menuMouseEvent(&down);
    EXPECT_EQ(appSettings.quiz, 0);
    clickAt(450, 280);  // bottom-right corner of the quiz row
    EXPECT_EQ(appSettings.quiz, 1);
    clickAt(451, 280);
    EXPECT_EQ(appSettings.quiz, 1);
    clickAt(300, 330);
    EXPECT_EQ(appSettings.fullscreen, 1);
    EXPECT_EQ(menuRecord.clicks, 3);
    EXPECT_EQ(menuScreen, ScreenSettings);
}

TEST_F(SettingsScreen, AnOddStoredSwitchValueTurnsOffWithOneClick)
{
    menuScreen = ScreenSettings;
    appSettings.fullscreen = 5;
    clickAt(300, 300);
    EXPECT_EQ(appSettings.fullscreen, 0);
    clickAt(300, 300);
    EXPECT_EQ(appSettings.fullscreen, 1);
}

TEST_F(SettingsScreen, EraseAsksFirstAndErasesTheChosenPlayerOnTheSecondClick)
{
    menuScreen = ScreenSettings;
    currentSlot = 2;
    clickAt(100, 350);
    EXPECT_STREQ(menuButtons[btnErase].label, "klikk ha biztos!");
    EXPECT_EQ(menuScreen, ScreenSettings);
    EXPECT_TRUE(menuRecord.erasedSlots.empty());

    clickAt(100, 350);
    EXPECT_EQ(menuRecord.erasedSlots, (std::vector<int>{3}));
    EXPECT_STREQ(menuButtons[btnErase].label, "eredm\xE9ny t\xF6rl\xE9se");
    EXPECT_EQ(menuScreen, ScreenMain);
    EXPECT_EQ(menuRecord.clicks, 2);
    EXPECT_EQ(menuRecord.saves, 0);
}

TEST_F(SettingsScreen, AnEraseTheStoreRefusesIsNotShownAsDoneAndCanBeTriedAgain)
{
    menuScreen = ScreenSettings;
    currentSlot = 0;
    menuRecord.eraseRefused = true;
    clickAt(100, 350);
    clickAt(100, 350);
    EXPECT_EQ(menuRecord.erasedSlots, (std::vector<int>{1}));
    EXPECT_STREQ(menuButtons[btnErase].label, "nem siker\xFClt!");
    EXPECT_EQ(menuScreen, ScreenSettings);

    menuRecord.eraseRefused = false;
    clickAt(100, 350);
    EXPECT_STREQ(menuButtons[btnErase].label, "klikk ha biztos!");
    clickAt(100, 350);
    EXPECT_EQ(menuRecord.erasedSlots, (std::vector<int>{1, 1}));
    EXPECT_EQ(menuScreen, ScreenMain);
}

TEST_F(SettingsScreen, TheQuestionSurvivesAVisitElsewhere)
{
    menuScreen = ScreenSettings;
    currentSlot = 1;
    clickAt(100, 350);  // asks
    clickAt(100, 420);  // back
    EXPECT_EQ(menuScreen, ScreenMain);
    EXPECT_STREQ(menuButtons[btnErase].label, "klikk ha biztos!");
    clickAt(100, 280);  // settings again
    EXPECT_EQ(menuScreen, ScreenSettings);
    clickAt(100, 350);  // one click now erases
    EXPECT_EQ(menuRecord.erasedSlots, (std::vector<int>{2}));
    EXPECT_EQ(menuScreen, ScreenMain);
}

// "vissza" on the settings and on the credits: a click, the settings saved, the main screen again.
TEST_F(SettingsScreen, BackOnSettingsOrCreditsSavesAndReturnsToTheMainScreen)
{
    const struct {
        int screen, x, y;
    } backButtons[] = {{ScreenSettings, 94 + 320, 410 + 60}, {ScreenCredits, 300, 440}};
    int backs = 0;
    for (const auto &back : backButtons) {
        menuScreen = back.screen;
        EXPECT_EQ(clickAt(back.x, back.y), 0);
        EXPECT_EQ(menuScreen, ScreenMain) << "from screen " << back.screen;
        EXPECT_EQ(menuRecord.saves, ++backs);
        EXPECT_EQ(menuRecord.clicks, backs);
    }
}

using CreditsScreen = MenuTest;

TEST_F(CreditsScreen, LogosOpenTheirAddressesSilentlyAndStay)
{
    menuScreen = ScreenCredits;
    clickAt(353 + 10, 345);
    clickAt(190 + 10, 345);
    clickAt(290 + 10, 345);  // the logo that is never shown is not hit: the one at 255 is
    clickAt(110 + 10, 345);
    EXPECT_EQ(menuRecord.addresses,
              (std::vector<std::string>{logo1Address, logo2Address, logo4Address, logo5Address}));
    EXPECT_EQ(menuRecord.clicks, 0);
    EXPECT_EQ(menuScreen, ScreenCredits);
}

using HotSpots = MenuTest;

TEST_F(HotSpots, OpenTheirAddressesOnEveryScreenWithAPressOnly)
{
    moveMenuPointer(230, 510);
    EXPECT_TRUE(menuRecord.addresses.empty());

    for (int screenShown : {ScreenPlayerChoice, ScreenMain, ScreenSettings, ScreenCredits}) {
        menuScreen = screenShown;
        menuRecord.addresses.clear();
        clickAt(218, 498);
        clickAt(218 + 56, 498 + 72);
        clickAt(128 + 82, 600);
        clickAt(23, 550);
        clickAt(218 + 57, 498);  // just outside spot 1
        EXPECT_EQ(menuRecord.addresses,
                  (std::vector<std::string>{logo1Address, logo1Address, logo2Address, logo5Address}))
            << "screen " << screenShown;
        EXPECT_EQ(menuScreen, screenShown);
    }
    EXPECT_EQ(menuRecord.clicks, 0);
}

// state.h -- which part of the program runs and where the menu stands (process-wide, main thread only)
#pragma once

enum MenuScreen { ScreenMain = 1, ScreenSettings = 2, ScreenCredits = 3, ScreenPlayerChoice = 4 };

extern int activeGame;  // -1 the menu runs, 1 or 2 a game module is active

extern int menuScreen;
extern int menuFrame;  // frames drawn by the menu since start or since the last module ended
extern int mouseX, mouseY;
extern int currentSlot;  // chosen player: 0 = A, 1 = B, 2 = C

// state.h -- which part of the program runs and where the menu stands (process-wide, main thread only)
#pragma once

enum MenuScreen { ScreenMain = 1, ScreenSettings = 2, ScreenCredits = 3, ScreenPlayerChoice = 4 };

inline int activeGame = -1;  // -1 the menu runs, 1 or 2 a game module is active

inline int menuScreen = 0;
inline int menuFrame = 0;  // frames drawn by the menu since start or since the last module ended
inline int mouseX = 0, mouseY = 0;
inline int currentSlot = 0;  // chosen player: 0 = A, 1 = B, 2 = C

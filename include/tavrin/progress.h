/* progress.h -- where the shell and the game modules keep the settings and each player's finished tasks */
#ifndef TAVRIN_PROGRESS_H
#define TAVRIN_PROGRESS_H

/* The key of the four settings and of the three players' keys. */
#define TAVRIN_SETTINGS_ROOT "Software\\Vorniquel\\Tavrin\\"
/* A player's key: formatted with TAVRIN_SETTINGS_ROOT and the player's number, 1 (A) to 3 (C). */
#define TAVRIN_SLOT_KEY_FORMAT "%sslot%d\\"
/* The value of task n (0, 1, ...) of the first and of the second game in a player's key: a 4-byte
   REG_DWORD, ProgressDone when the task is done. The menu counts them from task 0 up to the first one
   missing, so a game fills the gaps before a task with 0. */
#define TAVRIN_FIRST_GAME_VALUE_FORMAT "g1a%d"
#define TAVRIN_SECOND_GAME_VALUE_FORMAT "g2a%d"

enum TavrinProgress {
    ProgressDone = 2,
    ProgressSlotCount = 3,
    FirstGameTaskCount = 15,
    SecondGameTaskCount = 25
};

#endif

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

/* What the two games keep of each task for the player, in the player's key beside the done values; the
   menu never reads them. Formatted with the game's number (1 or 2) and the task's (0, 1, ...); every one is
   a 4-byte REG_DWORD, and a value that is missing (an older store, a task never played) means "not yet
   recorded". */
#define TAVRIN_BEST_STARS_FORMAT "g%ds%d"     /* the best stars a finished play earned, 1 to 3 */
#define TAVRIN_LAST_STARS_FORMAT "g%dr%d"     /* the stars of the last finished play, 1 to 3 */
#define TAVRIN_LEVEL_FORMAT "g%dl%d"          /* the level the task is played at: ProgressLevelSmall or ...Big */
#define TAVRIN_PLAYS_FORMAT "g%dp%d"          /* how many times the task was started */
#define TAVRIN_FINISHED_FORMAT "g%df%d"       /* how many times it was finished */
#define TAVRIN_LAST_MISTAKES_FORMAT "g%dm%d"  /* wrong answers in the last play, finished or not */
#define TAVRIN_MISTAKES_FORMAT "g%de%d"       /* wrong answers in all plays */
#define TAVRIN_SECONDS_FORMAT "g%dt%d"        /* seconds spent in all plays, each play counted up to
                                                 ProgressPlaySecondsCap */
#define TAVRIN_LAST_DATE_FORMAT "g%dd%d"      /* the day of the last play, as the number YYYYMMDD */
/* The seconds played on one day in both games together, formatted with the day's number YYYYMMDD (local
   time); only the last ProgressDayWindow days are kept. */
#define TAVRIN_DAY_SECONDS_FORMAT "day%d"

enum TavrinProgress {
    ProgressDone = 2,
    ProgressSlotCount = 3,
    FirstGameTaskCount = 15,
    SecondGameTaskCount = 25,
    ProgressLevelSmall = 0, /* "kicsi": for 5 to 6 years */
    ProgressLevelBig = 1,   /* "nagy": for 7 to 9 years */
    ProgressPlaySecondsCap = 600,
    ProgressDayWindow = 90
};

#endif

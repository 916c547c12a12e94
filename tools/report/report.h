// report.h -- the parents' overview: each player's records read from the store, the tasks to practise next,
// and the page and the plain text made of them
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tasks.h"

// ----------------------------------------------------------------------------------------------------
// Days
// ----------------------------------------------------------------------------------------------------
// A day as the number of days since 1 January 1970, so that the distance between two days is a subtraction.
using Day = int32_t;

Day dayFromDate(int year, int month, int day);
void dateFromDay(Day day, int &year, int &month, int &dayOfMonth);
// The day a stored number YYYYMMDD names; false for a number that names no day of the calendar.
bool dayFromNumber(int32_t number, Day &day);
int32_t numberFromDay(Day day);
int weekdayOf(Day day);  // 0 Monday ... 6 Sunday
// Today in local time; SOURCE_DATE_EPOCH (seconds since 1970), when set, stands for the present moment,
// so that the same store gives the same page byte for byte.
Day reportToday();

// ----------------------------------------------------------------------------------------------------
// What is read of the store
// ----------------------------------------------------------------------------------------------------
// The values kept of each task, in the order the page names them.
enum TaskValue {
    ValueDone,          // the value the menu counts: ProgressDone when the task is done
    ValueBestStars,
    ValueLastStars,
    ValueLevel,
    ValuePlays,
    ValueFinished,
    ValueLastMistakes,
    ValueMistakes,
    ValueSeconds,
    ValueLastDate,
    TaskValueCount
};

// What became of reading one value. Only a 4-byte REG_DWORD is a number; a number no play can leave
// behind (a negative time, a count beyond belief, a day after today) is as unreadable as text.
enum ReadState : int8_t { NotRecorded, Recorded, NotANumber, Impossible, ReadFailed };

struct Reading {
    ReadState state = NotRecorded;
    int32_t value = 0;
    bool recorded() const { return state == Recorded; }
    bool unreadable() const { return state != NotRecorded && state != Recorded; }
    // The value when recorded, otherwise the fallback.
    int32_t valueOr(int32_t fallback) const { return state == Recorded ? value : fallback; }
};

struct TaskRecords {
    std::array<Reading, TaskValueCount> values{};
};

constexpr int ReportGameCount = 2;
// The chart shows the last four weeks, today the last of them.
constexpr int ChartDays = 28;
inline Day chartDay(Day today, int index) { return today - (ChartDays - 1) + index; }
constexpr int PractiseCount = 3;

struct GameRecords {
    const GameDef *game = nullptr;
    std::array<int, MaxTasks> taskAt{};         // the task standing at each place of the map
    std::array<TaskRecords, MaxTasks> tasks{};  // in the table's order
};

enum PractiseReason { PractiseUnfinished, PractiseFewStars, PractiseNew };

struct Practise {
    int game = 0;  // 0 or 1, the index into PlayerRecords::games
    int task = 0;  // in the table's order
    PractiseReason reason = PractiseNew;
};

struct PlayerRecords {
    int slot = 1;                // 1 (A) to 3 (C)
    bool keyFound = false;       // the player's key is there: something was recorded once
    int keyResult = 0;           // the store's result when the key could not be opened for another reason
    std::array<GameRecords, ReportGameCount> games{};
    std::array<Reading, ChartDays> days{};  // seconds played on each day, the oldest first
    std::vector<Practise> practise;
};

struct Report {
    Day today = 0;
    std::vector<PlayerRecords> players;
    // What kept the store, or a part of it, from being read: the store's own lines about itself, and the
    // keys that could not be opened. Empty when everything could be read.
    std::vector<std::string> storeTrouble;
};

// The store's names of a task's value (gameNumber 1 or 2, the task in the table's order) and of a day's seconds.
std::string taskValueName(const GameDef &game, int gameNumber, int task, int which);
std::string dayValueName(Day day);
// Reads the records of player slot (1 to 3), or of all three when slot is 0, as they stand on `today`.
Report readReport(int slot, Day today);
// Whether the task counts as finished: its done value is set, or a finished play left its stars.
bool taskFinished(const TaskRecords &task);

// Each game's and the player's totals, as the page and the text show them.
struct GameFigures {
    int done = 0;
    int stars = 0;
    int64_t plays = 0;
    int64_t seconds = 0;
};
struct PlayerFigures {
    std::array<GameFigures, ReportGameCount> games{};
    int64_t plays = 0;
    int64_t seconds = 0;
    Day lastPlayed = -1;      // -1: never
    int64_t chartSeconds = 0;
    int chartDaysPlayed = 0;
    bool anything = false;    // a play or a finished task is recorded
};
PlayerFigures playerFigures(const PlayerRecords &player, Day today);

// ----------------------------------------------------------------------------------------------------
// What to practise next (practise.cpp)
// ----------------------------------------------------------------------------------------------------
// Fills player.practise with up to PractiseCount tasks: first the ones begun and never finished, then
// finished ones whose last play earned fewer than three stars, then the next new ones of the map.
void choosePractise(PlayerRecords &player);

// ----------------------------------------------------------------------------------------------------
// Words (wording.cpp): the Hungarian texts the page and the plain text share
// ----------------------------------------------------------------------------------------------------
extern const char *const reportTitle;               // "Tavrin – szülői áttekintés"
std::string playerName(int slot);                   // "A játékos"
std::string longDate(Day day);                      // "2025. március 3."
std::string shortDate(Day day, Day today);          // "márc. 3.", with the year when it is not today's
std::string dayWithWeekday(Day day);                // "március 3., hétfő"
std::string monthAbbreviation(int month);           // "márc."
std::string duration(int64_t seconds);              // "45 mp", "12 perc", "1 óra 5 perc"
const char *levelName(int32_t level);               // "kicsi", "nagy"
std::string practiseReason(const PlayerRecords &player, const Practise &practise);
// A task's figures as short phrases, empty where nothing is recorded; "?" stands for a value that could
// not be read: "5 alkalom, 2 kész", "4 hiba (legutóbb 1)", "12 perc, márc. 2.".
struct Phrase {
    std::string text;
    bool unreadable = false;
};
struct TaskPhrases {
    Phrase plays, mistakes, time;
};
TaskPhrases taskPhrases(const TaskRecords &task, Day today);
// One line for each value that could not be read: where it is, what it is, and why.
std::vector<std::string> unreadableValues(const PlayerRecords &player, Day today);
// Why the player's key could not be opened.
std::string keyTrouble(int result);

// ----------------------------------------------------------------------------------------------------
// The page and the plain text
// ----------------------------------------------------------------------------------------------------
// One self-contained HTML page: inline style and SVG, no script, nothing fetched.
std::string reportPage(const Report &report);
std::string reportText(const Report &report);

// records.cpp -- the calendar, and each player's records read from the store and judged
#include "report.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "forest.h"
#include "tavrin/progress.h"
#include "tavrin/store.h"
#include "town.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
namespace {

// More plays or wrong answers than a child could make in years of play can only come from a damaged or
// doctored store; shown as they are, they would make the page lie.
constexpr int32_t countLimit = 1000000;
constexpr int32_t secondsPerDay = 24 * 60 * 60;
// The program did not exist before this year: an earlier date is no date it wrote.
constexpr int firstYear = 2000;

// A player's records are read in one go, each value with one short query; a program that keeps the
// store locked for longer than this leaves the rest unread, and the page says so.
constexpr uint32_t storeWaitMs = 2000;

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
// Where the store's lines about itself (a damaged file moved aside) go while the report is read.
std::vector<std::string> *storeLines = nullptr;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
void keepStoreLine(const char *line)
{
    if (storeLines) storeLines->push_back(line);
}

// An open key, closed when it goes out of scope.
struct OpenKey {
    StoreKey key = nullptr;
    int result;
    explicit OpenKey(const char *path) : result(storeOpenExistingKey(path, StoreRead, &key)) {}
    ~OpenKey()
    {
        if (result == StoreOk) storeCloseKey(key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
};

Reading readNumber(StoreKey key, const char *name)
{
    int32_t value = 0;
    int result = storeQueryDword(key, name, &value);
    if (result == StoreOk) return {Recorded, value};
    if (result == StoreNotFound) return {};
    return {result == StoreWrongType ? NotANumber : ReadFailed, 0};
}

bool inRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// Whether a number read for the value can have been left there by the games.
bool plausible(TaskValue which, int32_t value, Day today)
{
    switch (which) {
    case ValueDone: return true;  // the menu reads any number: only ProgressDone means done
    case ValueBestStars:
    case ValueLastStars: return inRange(value, 1, 3);
    case ValueLevel: return value == ProgressLevelSmall || value == ProgressLevelBig;
    case ValueSeconds: return value >= 0;
    case ValueLastDate: {
        Day day = 0;
        return dayFromNumber(value, day) && day <= today;
    }
    default: return inRange(value, 0, countLimit);
    }
}

void readTasks(StoreKey key, int gameNumber, Day today, GameRecords &records)
{
    for (int task = 0; task < records.game->taskCount && task < MaxTasks; ++task) {
        for (int which = 0; which < TaskValueCount; ++which) {
            std::string name = taskValueName(*records.game, gameNumber, task, which);
            Reading reading = readNumber(key, name.c_str());
            if (reading.recorded() && !plausible(static_cast<TaskValue>(which), reading.value, today))
                reading.state = Impossible;
            records.tasks[task].values[which] = reading;
        }
    }
}

void readDays(StoreKey key, Day today, std::array<Reading, ChartDays> &days)
{
    for (int i = 0; i < ChartDays; ++i) {
        Reading reading = readNumber(key, dayValueName(chartDay(today, i)).c_str());
        if (reading.recorded() && !inRange(reading.value, 0, secondsPerDay)) reading.state = Impossible;
        days[i] = reading;
    }
}

PlayerRecords readPlayer(int slot, Day today)
{
    PlayerRecords player;
    player.slot = slot;
    const std::array<const GameDef *, ReportGameCount> games = {&forestDefinition(), &townDefinition()};
    for (int g = 0; g < ReportGameCount; ++g) {
        player.games[g].game = games[g];
        mapOrder(*games[g], player.games[g].taskAt);
    }

    char path[64];
    snprintf(path, sizeof path, TAVRIN_SLOT_KEY_FORMAT, TAVRIN_SETTINGS_ROOT, slot);
    OpenKey key(path);
    if (key.result != StoreOk) {
        // A key that is not there is a player who has not played yet; anything else is a store in trouble.
        if (key.result != StoreNotFound) player.keyResult = key.result;
        return player;
    }
    player.keyFound = true;
    for (int g = 0; g < ReportGameCount; ++g) readTasks(key.key, g + 1, today, player.games[g]);
    readDays(key.key, today, player.days);
    return player;
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
Day dayFromDate(int year, int month, int day)
{
    // Days from the civil calendar, counted in eras of 400 years that begin on 1 March.
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void dateFromDay(Day day, int &year, int &month, int &dayOfMonth)
{
    day += 719468;
    const int era = (day >= 0 ? day : day - 146096) / 146097;
    const int dayOfEra = day - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    dayOfMonth = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    year = yearOfEra + era * 400 + (month <= 2);
}

bool dayFromNumber(int32_t number, Day &day)
{
    int year = number / 10000, month = number / 100 % 100, dayOfMonth = number % 100;
    if (year < firstYear || year > 9999 || month < 1 || month > 12 || dayOfMonth < 1) return false;
    day = dayFromDate(year, month, dayOfMonth);
    // 31 February comes back as 3 March: only a real day gives its own number back.
    return numberFromDay(day) == number;
}

int32_t numberFromDay(Day day)
{
    int year, month, dayOfMonth;
    dateFromDay(day, year, month, dayOfMonth);
    return year * 10000 + month * 100 + dayOfMonth;
}

int weekdayOf(Day day)
{
    // 1 January 1970 was a Thursday.
    return ((day + 3) % 7 + 7) % 7;
}

Day reportToday()
{
    time_t now = time(nullptr);
    const char *epoch = getenv("SOURCE_DATE_EPOCH");
    if (epoch && *epoch && strspn(epoch, "0123456789") == strlen(epoch) && strlen(epoch) < 19)
        now = static_cast<time_t>(strtoll(epoch, nullptr, 10));
    const tm *local = localtime(&now);
    if (!local) return 0;
    return dayFromDate(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
}

std::string taskValueName(const GameDef &game, int gameNumber, int task, int which)
{
    // Formatted with the game's number and the task's; the done value is named by the game's own table.
    static constexpr std::array<const char *, TaskValueCount> formats = {
        nullptr,
        TAVRIN_BEST_STARS_FORMAT,
        TAVRIN_LAST_STARS_FORMAT,
        TAVRIN_LEVEL_FORMAT,
        TAVRIN_PLAYS_FORMAT,
        TAVRIN_FINISHED_FORMAT,
        TAVRIN_LAST_MISTAKES_FORMAT,
        TAVRIN_MISTAKES_FORMAT,
        TAVRIN_SECONDS_FORMAT,
        TAVRIN_LAST_DATE_FORMAT,
    };
    char name[32];
    if (which == ValueDone) snprintf(name, sizeof name, game.valueFormat, task);
    else snprintf(name, sizeof name, formats[which], gameNumber, task);
    return name;
}

std::string dayValueName(Day day)
{
    char name[32];
    snprintf(name, sizeof name, TAVRIN_DAY_SECONDS_FORMAT, numberFromDay(day));
    return name;
}

Report readReport(int slot, Day today)
{
    Report report;
    report.today = today;
    storeLines = &report.storeTrouble;
    storeSetLogSink(keepStoreLine);
    storeSetWaitLimit(storeWaitMs);
    for (int s = 1; s <= ProgressSlotCount; ++s) {
        if (slot != 0 && slot != s) continue;
        report.players.push_back(readPlayer(s, today));
        const PlayerRecords &player = report.players.back();
        if (player.keyResult != StoreOk) report.storeTrouble.push_back(playerName(s) + ": " + keyTrouble(player.keyResult));
        // A value the store itself failed to give (not a bad value, which the page lists on its own) means
        // the store was in trouble while it was read.
        int failed = 0;
        for (const GameRecords &game : player.games)
            for (const TaskRecords &task : game.tasks)
                for (const Reading &reading : task.values) failed += reading.state == ReadFailed;
        for (const Reading &reading : player.days) failed += reading.state == ReadFailed;
        if (failed > 0)
            report.storeTrouble.push_back(playerName(s) + ": " + std::to_string(failed) + " értéket a tároló nem adott ki");
    }
    storeCloseStore();
    storeLines = nullptr;
    return report;
}

bool taskFinished(const TaskRecords &task)
{
    return task.values[ValueDone].valueOr(0) == ProgressDone || task.values[ValueBestStars].recorded() ||
           task.values[ValueFinished].valueOr(0) > 0;
}

PlayerFigures playerFigures(const PlayerRecords &player, Day today)
{
    PlayerFigures figures;
    for (int g = 0; g < ReportGameCount; ++g) {
        const GameRecords &game = player.games[g];
        GameFigures &sums = figures.games[g];
        for (int t = 0; t < game.game->taskCount && t < MaxTasks; ++t) {
            const auto &values = game.tasks[t].values;
            if (taskFinished(game.tasks[t])) ++sums.done;
            sums.stars += values[ValueBestStars].valueOr(0);
            sums.plays += values[ValuePlays].valueOr(0);
            sums.seconds += values[ValueSeconds].valueOr(0);
            Day last = 0;
            if (values[ValueLastDate].recorded() && dayFromNumber(values[ValueLastDate].value, last))
                figures.lastPlayed = std::max(figures.lastPlayed, last);
        }
        figures.plays += sums.plays;
        figures.seconds += sums.seconds;
        figures.anything = figures.anything || sums.done > 0 || sums.plays > 0;
    }
    for (int i = 0; i < ChartDays; ++i) {
        int32_t seconds = player.days[i].valueOr(0);
        if (seconds <= 0) continue;
        figures.chartSeconds += seconds;
        ++figures.chartDaysPlayed;
        figures.lastPlayed = std::max(figures.lastPlayed, chartDay(today, i));
        figures.anything = true;
    }
    return figures;
}

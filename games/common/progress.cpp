// progress.cpp -- the settings and a player's progress read from the store, and each play's records written back
#include "progress.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "tavrin/progress.h"
#include "tavrin/store.h"

//----------------------------------------------------------------------------------------------------------
// Defines and state
//----------------------------------------------------------------------------------------------------------

namespace {

constexpr int RetryFrames = 25;  // half a second at 50 frames per second
constexpr int MaxWaitingDays = 4; // a lock held across midnight or two

// What the plays not yet written add to one task's records.
struct TaskChange {
    bool played = false;
    bool done = false;
    bool kept = false; // the engine's level and asked questions, set
    int level = 0;
    uint32_t asked = 0;
    int plays = 0, finished = 0, mistakes = 0, seconds = 0;
    int lastMistakes = 0, lastStars = 0, bestStars = 0, lastDate = 0;
};

struct DayChange {
    int day = 0; // YYYYMMDD; 0: unused
    int seconds = 0;
};

// Plain tables only: the recorder is still used while the library is being unloaded (see engineRelease).
struct Recorder {
    const GameDef *game = nullptr;
    int slot = -1;
    int number = 0; // the game's number in the value names, 1 or 2; 0: nothing is recorded
    // Whether the stored best stars of a task are a game's own (missing or 1 to 3), so that they are only
    // ever raised; anything else there is replaced.
    std::array<bool, MaxTasks> starsSound{};
    bool playing = false;
    int task = 0;
    int mistakes = 0;
    uint32_t startedAt = 0;
    std::array<TaskChange, MaxTasks> tasks{};
    std::array<DayChange, MaxWaitingDays> days{};
    bool waiting = false;
    int lastResult = StoreOk;
    int retryIn = 0;
    bool daysTrimmed = false; // the days that fell out of the window were deleted in this run
};

Recorder recorder;

int localToday()
{
    std::time_t now = std::time(nullptr);
    const std::tm *local = std::localtime(&now);
    return local ? (local->tm_year + 1900) * 10000 + (local->tm_mon + 1) * 100 + local->tm_mday : 0;
}

ProgressClock recordClock = SDL_GetTicks;
ProgressToday recordToday = localToday;

//----------------------------------------------------------------------------------------------------------
// Internal functions: reading
//----------------------------------------------------------------------------------------------------------

// An open key, closed when it goes out of scope. A key opened only to read must already be there: looking
// at a new player's progress writes nothing, and so never waits for another program's write lock.
struct OpenKey {
    StoreKey key = nullptr;
    int result = StoreFailed;
    OpenKey(const char *path, int access)
    {
        result = access & StoreWrite ? storeOpenKey(path, access, &key) : storeOpenExistingKey(path, access, &key);
        if (!key && result == StoreOk) result = StoreFailed;
    }
    ~OpenKey()
    {
        if (result == StoreOk) storeCloseKey(key);
    }
    bool ok() const { return result == StoreOk; }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
};

// The value name of a format with one number or with the game's number and a second one.
bool valueName(char *name, int size, const char *format, int a, int b = 0)
{
    int n = std::snprintf(name, size, format, a, b);
    return n > 0 && n < size;
}

// The game's number in the value names, told by its done values: "g1a%d" is the first game's.
int gameNumber(const GameDef &game)
{
    if (!game.valueFormat) return 0;
    if (std::strcmp(game.valueFormat, TAVRIN_FIRST_GAME_VALUE_FORMAT) == 0) return 1;
    return std::strcmp(game.valueFormat, TAVRIN_SECOND_GAME_VALUE_FORMAT) == 0 ? 2 : 0;
}

// Each task's value in the slot's key, its name made by name(task); missing is what is stored in its
// place when there is none or it is not a 4-byte REG_DWORD.
template <typename NameFn>
void readTaskValues(int taskCount, int slot, int32_t missing, std::array<int32_t, MaxTasks> &values, NameFn name)
{
    values.fill(missing);
    char path[64];
    if (!slotKeyPath(slot, path, sizeof path)) return;
    OpenKey key(path, StoreRead);
    if (!key.ok()) return;
    for (int i = 0; i < taskCount && i < MaxTasks; ++i) {
        char text[24];
        if (name(text, int(sizeof text), i) && storeQueryDword(key.key, text, &values[i]) != StoreOk)
            values[i] = missing;
    }
}

// Each task's record named by format (one of the game's own, with its number and the task's).
void readRecords(const GameDef &game, int slot, const char *format, int32_t missing,
                 std::array<int32_t, MaxTasks> &values)
{
    int number = gameNumber(game);
    auto name = [number, format](char *text, int size, int task) { return valueName(text, size, format, number, task); };
    readTaskValues(number ? game.taskCount : 0, slot, missing, values, name);
}

//----------------------------------------------------------------------------------------------------------
// Internal functions: writing
//----------------------------------------------------------------------------------------------------------

// Days as a running count, for the window of kept days (the proleptic Gregorian calendar).
long dayNumber(int date)
{
    long y = date / 10000, m = date / 100 % 100, d = date % 100;
    y -= m <= 2;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy;
}

bool validDate(int date)
{
    int m = date / 100 % 100, d = date % 100;
    return date >= 10000101 && date <= 99991231 && m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

// One change of a batch, with its name kept beside it.
struct Change {
    std::array<char, 24> name{};
    uint32_t kind = StoreUpdateSet;
    int32_t value = 0;
};

void addNamed(std::vector<Change> &batch, uint32_t kind, int32_t value, const char *name)
{
    Change c;
    c.kind = kind;
    c.value = value;
    size_t length = std::strlen(name);
    if (length >= c.name.size()) return;
    std::memcpy(c.name.data(), name, length + 1);
    batch.push_back(c);
}

void addChange(std::vector<Change> &batch, uint32_t kind, int32_t value, const char *format, int a, int b = 0)
{
    char name[24];
    if (valueName(name, sizeof name, format, a, b)) addNamed(batch, kind, value, name);
}

// The per-day values of days that have left the window, for deleting with the first write of a run. A
// day after today stays: the clock may be wrong now rather than then.
void addStaleDays(StoreKey key, int today, std::vector<Change> &batch)
{
    if (!validDate(today)) return;
    long oldestKept = dayNumber(today) - (ProgressDayWindow - 1);
    for (uint32_t i = 0;; ++i) {
        char name[32];
        int result = storeEnumValue(key, i, name, sizeof name, nullptr, nullptr, nullptr);
        if (result == StoreMoreData) continue; // a long name is no day of ours
        if (result != StoreOk) break;
        auto lower = [&name](int i) { return std::tolower(static_cast<unsigned char>(name[i])); };
        auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
        if (std::strlen(name) != 11 || lower(0) != 'd' || lower(1) != 'a' || lower(2) != 'y' ||
            !std::all_of(name + 3, name + 11, digit))
            continue;
        int date = std::atoi(name + 3);
        if (validDate(date) && dayNumber(date) < oldestKept) addNamed(batch, StoreUpdateDelete, 0, name);
    }
}

// Everything waiting, as one batch of changes of the player's key.
std::vector<Change> waitingChanges(StoreKey key)
{
    const Recorder &r = recorder;
    const GameDef &game = *r.game;
    std::vector<Change> batch;
    for (int t = 0; t < game.taskCount && t < MaxTasks; ++t) {
        const TaskChange &c = r.tasks[t];
        if (!c.played) continue;
        if (c.done) {
            // The menu counts each game's done values up to the first one missing, so every earlier task
            // without one gets a 0; a value already there, done or not, stays as it is.
            for (int i = 0; i < t; ++i) addChange(batch, StoreUpdateFill, 0, game.valueFormat, i);
            addChange(batch, StoreUpdateSet, ProgressDone, game.valueFormat, t);
            addChange(batch, StoreUpdateAdd, c.finished, TAVRIN_FINISHED_FORMAT, r.number, t);
            addChange(batch, r.starsSound[t] ? StoreUpdateMax : StoreUpdateSet, c.bestStars, TAVRIN_BEST_STARS_FORMAT,
                      r.number, t);
            addChange(batch, StoreUpdateSet, c.lastStars, TAVRIN_LAST_STARS_FORMAT, r.number, t);
        }
        addChange(batch, StoreUpdateAdd, c.plays, TAVRIN_PLAYS_FORMAT, r.number, t);
        addChange(batch, StoreUpdateSet, c.lastMistakes, TAVRIN_LAST_MISTAKES_FORMAT, r.number, t);
        addChange(batch, StoreUpdateAdd, c.mistakes, TAVRIN_MISTAKES_FORMAT, r.number, t);
        addChange(batch, StoreUpdateAdd, c.seconds, TAVRIN_SECONDS_FORMAT, r.number, t);
        addChange(batch, StoreUpdateSet, c.lastDate, TAVRIN_LAST_DATE_FORMAT, r.number, t);
        if (c.kept) {
            addChange(batch, StoreUpdateSet, c.level, TAVRIN_LEVEL_FORMAT, r.number, t);
            addChange(batch, StoreUpdateSet, static_cast<int32_t>(c.asked), AskedQuestionsFormat, r.number, t);
        }
    }
    int today = 0;
    for (const DayChange &d : r.days)
        if (d.day) {
            addChange(batch, StoreUpdateAdd, d.seconds, TAVRIN_DAY_SECONDS_FORMAT, d.day);
            today = std::max(today, d.day);
        }
    if (!r.daysTrimmed) addStaleDays(key, today, batch);
    return batch;
}

// Writes what waits; with mayWait false the store's lock is not waited for at all.
void writeWaiting(bool mayWait)
{
    Recorder &r = recorder;
    if (!r.waiting) return;
    uint32_t limit = storeWaitLimit();
    if (!mayWait) storeSetWaitLimit(0);
    char path[64];
    slotKeyPath(r.slot, path, sizeof path);
    OpenKey key(path, StoreRead | StoreWrite);
    int result = key.result;
    bool trimming = !r.daysTrimmed;
    if (key.ok()) {
        std::vector<Change> batch = waitingChanges(key.key);
        std::vector<StoreDwordUpdate> updates;
        for (const Change &c : batch) updates.push_back(StoreDwordUpdate{c.name.data(), c.kind, c.value});
        result = storeUpdateDwords(key.key, updates.data(), static_cast<uint32_t>(updates.size()));
    }
    if (!mayWait) storeSetWaitLimit(limit);
    r.lastResult = result;
    r.retryIn = RetryFrames;
    if (result != StoreOk) return;
    // Written: the stars stored now are the game's own, and nothing waits any more.
    for (int t = 0; t < MaxTasks; ++t) r.starsSound[t] = r.starsSound[t] || r.tasks[t].done;
    r.tasks.fill(TaskChange{});
    r.days.fill(DayChange{});
    r.waiting = false;
    r.daysTrimmed = r.daysTrimmed || trimming;
}

void addDay(int day, int seconds)
{
    auto &days = recorder.days;
    auto at = std::find_if(days.begin(), days.end(), [day](const DayChange &d) { return d.day == day; });
    if (at == days.end()) at = std::find_if(days.begin(), days.end(), [](const DayChange &d) { return d.day == 0; });
    if (at == days.end()) at = days.end() - 1; // beyond the table the seconds count with the last day kept
    if (at->day == 0) at->day = day;
    at->seconds += seconds;
}

void endPlay(bool finished, int stars)
{
    Recorder &r = recorder;
    if (!r.playing) return;
    r.playing = false;
    // Whole seconds, rounded, and no more than a play can take: a child who walks away does not count.
    uint32_t elapsed = recordClock() - r.startedAt;
    int seconds = static_cast<int>(std::min<uint32_t>((elapsed + 500) / 1000, ProgressPlaySecondsCap));
    int today = recordToday();
    int mistakes = r.mistakes;
    TaskChange &c = r.tasks[r.task];
    c.played = true;
    ++c.plays;
    c.mistakes += mistakes;
    c.lastMistakes = mistakes;
    c.seconds += seconds;
    c.lastDate = today;
    if (finished) {
        c.done = true;
        ++c.finished;
        c.lastStars = stars;
        c.bestStars = std::max(c.bestStars, stars);
    }
    addDay(today, seconds);
    r.waiting = true;
    writeWaiting(false);
}

const char *reasonText(int result)
{
    switch (result) {
    case StoreAccessDenied: return "the store is read-only";
    case StoreBusy: return "another program kept the store locked";
    default: return "the store cannot be written";
    }
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions: reading
//----------------------------------------------------------------------------------------------------------

int readSetting(const char *name, int fallback)
{
    OpenKey root(TAVRIN_SETTINGS_ROOT, StoreRead);
    int32_t value = -1;
    if (!root.ok() || storeQueryDword(root.key, name, &value) != StoreOk || value == -1) return fallback;
    return value;
}

int slotKeyPath(int slot, char *path, int size)
{
    if (slot < 0 || slot >= ProgressSlotCount) return 0;
    int n = std::snprintf(path, size, TAVRIN_SLOT_KEY_FORMAT, TAVRIN_SETTINGS_ROOT, slot + 1);
    return n > 0 && n < size;
}

void readProgress(const GameDef &game, int slot, std::array<bool, MaxTasks> &done)
{
    std::array<int32_t, MaxTasks> values;
    readTaskValues(game.valueFormat ? game.taskCount : 0, slot, 0, values, [&game](char *text, int size, int task) {
        return valueName(text, size, game.valueFormat, task);
    });
    for (int i = 0; i < MaxTasks; ++i) done[i] = values[i] == ProgressDone;
}

void readStars(const GameDef &game, int slot, std::array<int, MaxTasks> &stars)
{
    std::array<int32_t, MaxTasks> values;
    readRecords(game, slot, TAVRIN_BEST_STARS_FORMAT, 0, values);
    for (int i = 0; i < MaxTasks; ++i) stars[i] = values[i] >= 1 && values[i] <= 3 ? values[i] : 0;
}

void readTaskMemory(const GameDef &game, int slot, std::array<TaskMemory, MaxTasks> &memory)
{
    std::array<int32_t, MaxTasks> levels, stars, asked;
    readRecords(game, slot, TAVRIN_LEVEL_FORMAT, ProgressLevelSmall, levels);
    readRecords(game, slot, TAVRIN_LAST_STARS_FORMAT, 0, stars);
    readRecords(game, slot, AskedQuestionsFormat, 0, asked);
    for (int i = 0; i < MaxTasks; ++i) {
        bool knownLevel = levels[i] == ProgressLevelSmall || levels[i] == ProgressLevelBig;
        memory[i].level = knownLevel ? levels[i] : ProgressLevelSmall;
        memory[i].lastStars = stars[i] >= 1 && stars[i] <= 3 ? stars[i] : 0;
        memory[i].recent = static_cast<uint32_t>(asked[i]);
    }
}

//----------------------------------------------------------------------------------------------------------
// Functions: recording
//----------------------------------------------------------------------------------------------------------

void progressOpen(const GameDef &game, int slot, ProgressClock milliseconds)
{
    recorder = Recorder{};
    recordClock = milliseconds ? milliseconds : SDL_GetTicks;
    char path[64];
    recorder.number = slotKeyPath(slot, path, sizeof path) && game.taskCount <= MaxTasks ? gameNumber(game) : 0;
    if (!recorder.number) return;
    recorder.game = &game;
    recorder.slot = slot;
    std::array<int32_t, MaxTasks> stars;
    readRecords(game, slot, TAVRIN_BEST_STARS_FORMAT, 0, stars);
    for (int i = 0; i < MaxTasks; ++i) recorder.starsSound[i] = stars[i] >= 0 && stars[i] <= 3;
}

void progressPlayStarted(int task)
{
    progressPlayLeft();
    if (!recorder.number || task < 0 || task >= recorder.game->taskCount) return;
    recorder.playing = true;
    recorder.task = task;
    recorder.mistakes = 0;
    recorder.startedAt = recordClock();
}

void progressMistake()
{
    if (recorder.playing) ++recorder.mistakes;
}

void progressKeep(int task, const TaskMemory &memory)
{
    if (!recorder.number || task < 0 || task >= recorder.game->taskCount) return;
    TaskChange &c = recorder.tasks[task];
    c.kept = true;
    c.level = memory.level;
    c.asked = memory.recent;
}

void progressPlayFinished(int stars) { endPlay(true, std::clamp(stars, 1, 3)); }

void progressPlayLeft() { endPlay(false, 0); }

void progressFrame()
{
    if (recorder.waiting && --recorder.retryIn <= 0) writeWaiting(false);
}

void progressClose()
{
    Recorder &r = recorder;
    progressPlayLeft();
    // The last try may wait as long as the shell's own saves do.
    writeWaiting(true);
    if (r.waiting) {
        char line[160];
        std::snprintf(line, sizeof line, "store: game %d could not save player %c's results: %s", r.number,
                      'A' + r.slot, reasonText(r.lastResult));
        storeLogLine(line);
    }
    r = Recorder{};
}

bool progressWaiting() { return recorder.waiting; }

void progressUseToday(ProgressToday today) { recordToday = today ? today : localToday; }

// progress.cpp -- how long a game's frame spends recording a finished play, with the store free and with
// another program holding its lock
#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "progress.h"
#include "tavrin/progress.h"
#include "tavrin/store.h"

#include "store_sandbox.h"

namespace {

// The shell's wait for another program's lock while it runs.
constexpr uint32_t shellWaitMs = 250;

std::array<Task, FirstGameTaskCount> tasks{};
const GameDef game{"bench", TAVRIN_FIRST_GAME_VALUE_FORMAT, "g1s%d", ThemeForest, FirstGameTaskCount, tasks.data()};

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void report(const char *what, std::vector<double> &ms)
{
    std::sort(ms.begin(), ms.end());
    printf("%-58s median %8.3f ms  p99 %8.3f ms  max %8.3f ms  (%zu runs)\n", what, ms[ms.size() / 2],
           ms[ms.size() * 99 / 100], ms.back(), ms.size());
}

// The frame in which a play of the task ends, finished: what the game's click or praise costs it.
double finishingFrame(int task)
{
    progressPlayStarted(task);
    progressMistake();
    auto start = std::chrono::steady_clock::now();
    progressPlayFinished(2);
    return since(start);
}

void quiet(const char *) {}

}  // namespace

int main()
{
    StoreSandbox sandbox("tavrin-bench-progress");
    storeSetLogSink(quiet);
    storeSetWaitLimit(shellWaitMs);

    std::vector<double> free, locked, retries, waited;
    progressOpen(game, 0);
    for (int run = 0; run < 300; run++) free.push_back(finishingFrame(run % FirstGameTaskCount));

    // Another program in the middle of a write, as sqlite3 in a transaction is.
    sqlite3 *other = nullptr;
    std::string file = sandbox.config.string() + "/tavrin/registry.db";
    if (sqlite3_open(file.c_str(), &other) != SQLITE_OK ||
        sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        fprintf(stderr, "the store could not be locked\n");
        return 1;
    }
    for (int run = 0; run < 300; run++) locked.push_back(finishingFrame(run % FirstGameTaskCount));
    for (int frame = 0; frame < 3000; frame++) {
        auto start = std::chrono::steady_clock::now();
        progressFrame();
        if (frame % 25 == 24) retries.push_back(since(start)); // the frames that try again
    }
    // What a frame would pay if it waited for the lock as the shell's own saves may.
    for (int run = 0; run < 10; run++) {
        StoreKey key = nullptr;
        storeOpenKey("Software\\Vorniquel\\Tavrin\\slot1", StoreRead | StoreWrite, &key);
        StoreDwordUpdate one{"g1p0", StoreUpdateAdd, 1};
        auto start = std::chrono::steady_clock::now();
        int result = storeUpdateDwords(key, &one, 1);
        waited.push_back(since(start));
        storeCloseKey(key);
        if (result != StoreBusy) fprintf(stderr, "a locked store took a write\n");
    }
    bool waiting = progressWaiting();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    progressFrame();
    for (int frame = 0; frame < 25 && progressWaiting(); frame++) progressFrame();
    bool written = !progressWaiting();
    progressClose();

    printf("a finished play recorded by a game (one transaction of its values), the shell's wait limit %u ms\n",
           shellWaitMs);
    report("store free: the finishing frame", free);
    report("store locked: the finishing frame (kept in the game)", locked);
    report("store locked: a frame that tries again", retries);
    report("store locked: one write waiting as the shell's saves may", waited);
    printf("kept while locked: %s; written within half a second of the lock's end: %s\n", waiting ? "yes" : "NO",
           written ? "yes" : "NO");
    return 0;
}

// store_helper.cpp -- a small program the store's tests start as a second process: it loads, saves or
// writes slot values in a loop, or holds the store's write lock, sometimes as another user, and reports
// through its exit code
#include <grp.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "store/settings.h"

namespace {

int usage()
{
    fprintf(stderr, "usage: store-helper [as-user UID] load | save FX MUSIC QUIZ FULL | save-loop | write-slot N COUNT |\n"
                    "       hold-lock RELEASE-FILE\n");
    return 2;
}

// Writes COUNT values "v0".. into the slot key, each in its own open-set-flush-close cycle.
int writeSlot(int slot, int count)
{
    char path[64];
    snprintf(path, sizeof path, "%sslot%d\\", SettingsRoot, slot);
    for (int i = 0; i < count; i++) {
        char name[16];
        snprintf(name, sizeof name, "v%d", i);
        StoreKey key = nullptr;
        int result = storeOpenKey(path, StoreWrite, &key);
        if (result == StoreOk) {
            unsigned char data[4] = {static_cast<unsigned char>(i), static_cast<unsigned char>(i >> 8),
                                     static_cast<unsigned char>(slot), 0};
            result = storeSetValue(key, name, StoreTypeDword, data, 4);
            if (result == StoreOk) result = storeFlushKey(key);
            storeCloseKey(key);
        }
        if (result != StoreOk) {
            fprintf(stderr, "slot %d value %d: result %d\n", slot, i, result);
            return 1;
        }
    }
    return 0;
}

// Holds a write transaction on the store, as another program writing to it would, until the file
// RELEASE-FILE appears; says "locked" on standard output once it holds the lock.
int holdLock(const char *releaseFile)
{
    StoreKey key = nullptr;
    if (storeOpenKey(SettingsRoot, StoreWrite, &key) != StoreOk) return 1;  // the store exists from here on
    storeCloseKey(key);
    storeCloseStore();
    std::string path = std::string(getenv("XDG_CONFIG_HOME")) + "/tavrin/registry.db";
    sqlite3 *db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return 1;
    sqlite3_busy_timeout(db, 10000);
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return 1;
    fputs("locked\n", stdout);
    fflush(stdout);
    struct stat info;
    while (stat(releaseFile, &info) != 0) usleep(5000);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    int first = 1;
    if (argc > 3 && strcmp(argv[1], "as-user") == 0) {
        uid_t user = static_cast<uid_t>(atoi(argv[2]));
        if (setgroups(0, nullptr) != 0 || setgid(user) != 0 || setuid(user) != 0) {
            perror("store-helper: cannot change user");
            return 2;
        }
        first = 3;
    }
    if (argc <= first) return usage();
    const char *command = argv[first];
    int count = argc - first - 1;
    char **arguments = argv + first + 1;

    if (strcmp(command, "load") == 0) {
        loadSettings();
        printf("%d %d %d %d", appSettings.fxvolume, appSettings.musicvolume, appSettings.quiz, appSettings.fullscreen);
        for (int slot = 1; slot <= slotCount; slot++) printf(" %d", slotProgressPercent(slot));
        printf("\n");
        return 0;
    }
    if (strcmp(command, "save") == 0 && count == 4) {
        appSettings.fxvolume = atoi(arguments[0]);
        appSettings.musicvolume = atoi(arguments[1]);
        appSettings.quiz = atoi(arguments[2]);
        appSettings.fullscreen = atoi(arguments[3]);
        saveSettings();
        eraseSlot(1);
        return 0;
    }
    if (strcmp(command, "save-loop") == 0) {
        // Every round saves one number into all four settings, so a reader can tell old from new.
        int round = readSettingValue("fxvolume") + 1;
        if (round < 0) round = 0;
        bool announced = false;
        for (;; round++) {
            appSettings = AppSettings{round, round, round, round};
            saveSettings();
            // Tells the test that saving is under way, so that its kill lands in the middle of it.
            if (!announced) {
                fputs("saving\n", stdout);
                fflush(stdout);
                announced = true;
            }
        }
    }
    if (strcmp(command, "hold-lock") == 0 && count == 1) return holdLock(arguments[0]);
    if (strcmp(command, "write-slot") == 0 && count == 2) return writeSlot(atoi(arguments[0]), atoi(arguments[1]));
    return usage();
}

// sqlite_store.cpp -- the store on POSIX: one SQLite database per user, keys as a tree, typed values
#include "store/store_backend.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/places.h"

// ----------------------------------------------------------------------------------------------------
// Defines and types
// ----------------------------------------------------------------------------------------------------

// The files SQLite keeps beside the database while it is open.
constexpr std::array<const char *, 3> companionSuffixes = {"-wal", "-shm", "-journal"};

// Marks a database as ours ("TAVR"), so that a foreign SQLite file is moved aside rather than misread.
constexpr int storeApplicationId = 0x54415652;
constexpr int storeSchemaVersion = 1;
constexpr int rootKeyId = 1;
// A second process saving at the same moment waits this long for the write lock instead of failing,
// unless the program sets a limit of its own.
constexpr uint32_t defaultWaitMs = 10000;

enum Statement {
    StFindKey,
    StInsertKey,
    StKeyExists,
    StQueryValue,
    StSetValue,
    StDeleteValue,
    StEnumValue,
    StEnumValueAfter,
    StEnumKey,
    StEnumKeyAfter,
    StDeleteKey,
    StBegin,
    StCommit,
    StRollback,
    StatementCount
};

static const std::array<const char *, StatementCount> statementText = {
    "SELECT id FROM keys WHERE parent = ?1 AND name = ?2",
    "INSERT OR IGNORE INTO keys(parent, name) VALUES(?1, ?2)",
    "SELECT 1 FROM keys WHERE id = ?1",
    "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2",
    "INSERT INTO vals(key, name, type, data) VALUES(?1, ?2, ?3, ?4) "
    "ON CONFLICT(key, name) DO UPDATE SET type = excluded.type, data = excluded.data",
    "DELETE FROM vals WHERE key = ?1 AND name = ?2",
    "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY name LIMIT 1 OFFSET ?2",
    "SELECT name, type, data FROM vals WHERE key = ?1 AND name > ?2 ORDER BY name LIMIT 1",
    "SELECT name FROM keys WHERE parent = ?1 ORDER BY name LIMIT 1 OFFSET ?2",
    "SELECT name FROM keys WHERE parent = ?1 AND name > ?2 ORDER BY name LIMIT 1",
    "DELETE FROM keys WHERE id = ?1",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
};

// Names compare ASCII-case-insensitively through NOCASE; ids are never reused (AUTOINCREMENT), so a
// handle to a deleted key can never reach a key created later. Deleting a key takes its values and
// subkeys with it through the cascades.
static const char *schemaText =
    "CREATE TABLE keys("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL COLLATE NOCASE,"
    " UNIQUE(parent, name));"
    "CREATE TABLE vals("
    " key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL COLLATE NOCASE,"
    " type INTEGER NOT NULL,"
    " data BLOB NOT NULL,"
    " PRIMARY KEY(key, name)) WITHOUT ROWID;"
    "INSERT INTO keys(id, parent, name) VALUES(1, NULL, '');"
    "PRAGMA application_id = 1413568082;"
    "PRAGMA user_version = 1;";
static_assert(storeApplicationId == 1413568082, "the schema text repeats the application id");

// ----------------------------------------------------------------------------------------------------
// State: the process's one connection
// ----------------------------------------------------------------------------------------------------
struct Database {
    sqlite3 *db = nullptr;
    std::array<sqlite3_stmt *, StatementCount> statements{};
    bool tried = false;     // an opening was attempted since the last close
    bool readOnly = false;  // the file or its folder cannot be written: reads only, nothing moved
    bool corruptionSeen = false;
    uint32_t generation = 0;
    uint32_t waitMs = defaultWaitMs;
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;

    ~Database();
};

static Database database;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static void closeConnection()
{
    for (sqlite3_stmt *&statement : database.statements) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    if (database.db) sqlite3_close_v2(database.db);
    database.db = nullptr;
}

Database::~Database() { closeConnection(); }

static bool isCorruption(int rc)
{
    int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

static bool isBusy(int rc)
{
    int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// Remembers a corruption met in the middle of a run; the store is moved aside once the call has
// finished with its statements. A lock held by another program is no fault of the file: the caller
// learns that it may try again later.
static int noteFailure(int rc)
{
    if (isCorruption(rc)) database.corruptionSeen = true;
    if (isBusy(rc)) return StoreBusy;
    if ((rc & 0xff) == SQLITE_READONLY) return StoreAccessDenied;
    return StoreFailed;
}

// Resets a statement when it leaves scope, so that no read snapshot or lock outlives the call.
struct StatementUse {
    sqlite3_stmt *statement;
    explicit StatementUse(Statement which) : statement(database.statements[which]) {}
    ~StatementUse()
    {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    StatementUse(const StatementUse &) = delete;
    StatementUse &operator=(const StatementUse &) = delete;
};

static int runSimple(Statement which)
{
    StatementUse use(which);
    return sqlite3_step(use.statement);
}

static void bindName(sqlite3_stmt *statement, int index, const char *name)
{
    sqlite3_bind_text(statement, index, name, -1, SQLITE_STATIC);
}

// ${XDG_CONFIG_HOME:-$HOME/.config}/tavrin; a relative XDG_CONFIG_HOME is ignored, as the convention asks.
static std::string storeFolder()
{
    const char *config = getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/tavrin";
    const char *home = getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd *entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    if (!home || home[0] != '/') return std::string();
    return std::string(home) + "/.config/tavrin";
}

// A link in the store's place could make the store's folder and file modes land on any file the link
// names, also a system file when the program runs as root: such a store is never used.
static bool isLink(const std::string &path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

static bool storeHasLink(const std::string &folder)
{
    if (isLink(folder) || isLink(database.path)) return true;
    for (const char *companion : companionSuffixes)
        if (isLink(database.path + companion)) return true;
    return false;
}

static void logFailure(const char *what, const std::string &path)
{
    char line[1024];
    snprintf(line, sizeof line, "store: %s \"%s\"", what, path.c_str());
    storeLog(line);
}

static void logMovedAside(const char *why, const std::string &movedTo)
{
    char line[2048];
    snprintf(line, sizeof line, "store: \"%s\" %s; moved aside to \"%s\", a fresh store begins",
             database.path.c_str(), why, movedTo.c_str());
    storeLog(line);
}

// Renames the file aside with a time stamp, never over an earlier one; SQLite's companions go with it,
// so that an old write-ahead log can never be replayed into the fresh database.
static bool moveAside(const std::string &path, std::string &movedTo)
{
    struct stat now;
    if (lstat(path.c_str(), &now) != 0) return false;
    stat(path.c_str(), &now);
    // Another process may have moved it already and put a fresh store in its place: leave that one.
    if (database.inode != 0 && (now.st_dev != database.device || now.st_ino != database.inode)) return true;

    char stamp[32];
    time_t seconds = time(nullptr);
    tm utc{};
    gmtime_r(&seconds, &utc);
    strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    for (int attempt = 1; attempt < 1000; attempt++) {
        char suffix[48];
        if (attempt == 1)
            snprintf(suffix, sizeof suffix, ".corrupt-%s", stamp);
        else
            snprintf(suffix, sizeof suffix, ".corrupt-%s-%d", stamp, attempt);
        std::string target = path + suffix;
        struct stat existing;
        if (lstat(target.c_str(), &existing) == 0) continue;
        if (rename(path.c_str(), target.c_str()) != 0) return false;
        for (const char *companion : companionSuffixes) {
            std::string from = path + companion;
            if (lstat(from.c_str(), &existing) == 0) rename(from.c_str(), (target + companion).c_str());
        }
        movedTo = target;
        return true;
    }
    return false;
}

// OpenBusy: another program holds a lock the opening needs; the next call tries again.
enum OpenOutcome { OpenUsable, OpenCorrupt, OpenFailed, OpenBusy };

static OpenOutcome outcomeOf(int rc)
{
    if (isCorruption(rc)) return OpenCorrupt;
    return isBusy(rc) ? OpenBusy : OpenFailed;
}

static OpenOutcome prepareStatements()
{
    for (int i = 0; i < StatementCount; i++) {
        int rc = sqlite3_prepare_v3(database.db, statementText[i], -1, SQLITE_PREPARE_PERSISTENT,
                                    &database.statements[i], nullptr);
        if (rc != SQLITE_OK) return (rc & 0xff) == SQLITE_ERROR ? OpenCorrupt : outcomeOf(rc);
    }
    return OpenUsable;
}

static int pragmaInt(const char *text, int &value)
{
    sqlite3_stmt *statement = nullptr;
    int rc = sqlite3_prepare_v2(database.db, text, -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW) {
            value = sqlite3_column_int(statement, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(statement);
    return rc;
}

// Checks that the file is a sound database of ours, and gives a new one its tables.
static OpenOutcome checkAndSetUp()
{
    sqlite3_stmt *check = nullptr;
    int rc = sqlite3_prepare_v2(database.db, "PRAGMA quick_check", -1, &check, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(check);
        bool sound = rc == SQLITE_ROW && strcmp(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)), "ok") == 0;
        sqlite3_finalize(check);
        if (rc == SQLITE_ROW && !sound) return OpenCorrupt;
    } else {
        sqlite3_finalize(check);
    }
    if (rc != SQLITE_OK && rc != SQLITE_ROW) return outcomeOf(rc);

    // The mark and the tables are read in one transaction: read apart, another process setting the file
    // up in between would make a fresh store of ours look like a foreign file with tables but no mark,
    // and it would be moved aside with everything that process goes on writing into it.
    int applicationId = 0, tables = 0;
    rc = sqlite3_exec(database.db, "BEGIN", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = pragmaInt("PRAGMA application_id", applicationId);
    if (rc == SQLITE_OK) rc = pragmaInt("SELECT count(*) FROM sqlite_master", tables);
    sqlite3_exec(database.db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return outcomeOf(rc);
    if (applicationId == 0) {
        if (tables != 0) return OpenCorrupt;
        if (database.readOnly) return OpenFailed;
        // A write-ahead log lets readers go on while another process writes; each commit is still on
        // disk when it returns (synchronous=FULL). Failing to switch only costs speed.
        sqlite3_exec(database.db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        rc = sqlite3_exec(database.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) return outcomeOf(rc);
        // Another process may have set the file up while this one waited for the lock.
        if (pragmaInt("PRAGMA application_id", applicationId) == SQLITE_OK && applicationId == 0)
            rc = sqlite3_exec(database.db, schemaText, nullptr, nullptr, nullptr);
        else
            rc = SQLITE_OK;
        if (rc == SQLITE_OK) rc = sqlite3_exec(database.db, "COMMIT", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_exec(database.db, "ROLLBACK", nullptr, nullptr, nullptr);
            return outcomeOf(rc);
        }
    } else if (applicationId != storeApplicationId) {
        return OpenCorrupt;
    }
    int version = 0;
    rc = pragmaInt("PRAGMA user_version", version);
    if (rc != SQLITE_OK) return outcomeOf(rc);
    // A store from a later version of the program is left alone for that version, not moved aside.
    if (version > storeSchemaVersion) return OpenFailed;
    if (version != storeSchemaVersion) return OpenCorrupt;
    return prepareStatements();
}

// A file name as a URI path: the characters a URI gives a meaning to are escaped.
static std::string uriPath(const std::string &path)
{
    std::string uri;
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    return uri;
}

static OpenOutcome openConnection(bool immutable)
{
    std::string name = database.path;
    int flags = (database.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOFOLLOW;
    if (immutable) {
        // A read-only write-ahead database whose index file cannot be created is read as it stands.
        name = "file:" + uriPath(database.path) + "?immutable=1";
        flags |= SQLITE_OPEN_URI;
    }
    int rc = sqlite3_open_v2(name.c_str(), &database.db, flags, nullptr);
    if (rc != SQLITE_OK) return isCorruption(rc) ? OpenCorrupt : OpenFailed;
    sqlite3_extended_result_codes(database.db, 1);
    sqlite3_busy_timeout(database.db, static_cast<int>(database.waitMs));
    sqlite3_exec(database.db, "PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
    return checkAndSetUp();
}

// Makes sure the file exists as 0600 in a 0700 folder before SQLite sees it, whatever the umask. Both
// are opened without following a link, so the modes are only ever set on the store's own folder and file.
static bool prepareFile(const std::string &folder)
{
    if (!makePrivateFolder(folder.c_str())) return false;
    struct stat info;
    int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0) return false;
    if (fstat(folderFd, &info) == 0 && (info.st_mode & 0777) != 0700 && info.st_uid == geteuid())
        fchmod(folderFd, 0700);
    close(folderFd);
    int fd = open(database.path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (fstat(fd, &info) == 0) {
        if ((info.st_mode & 0777) != 0600 && info.st_uid == geteuid()) fchmod(fd, 0600);
        database.device = info.st_dev;
        database.inode = info.st_ino;
    }
    close(fd);
    return true;
}

// A lock held by another program while the store was being opened: nothing is said, the next call
// tries again.
static int openLater()
{
    closeConnection();
    database.tried = false;
    return StoreBusy;
}

// StoreOk when the connection is ready; otherwise why not.
static int openDatabase()
{
    if (database.db) return StoreOk;
    if (database.tried) return StoreFailed;
    database.tried = true;
    database.generation++;
    database.readOnly = false;
    database.inode = 0;

    std::string folder = storeFolder();
    if (folder.empty()) {
        storeLog("store: no home folder, so nothing is kept");
        return StoreFailed;
    }
    database.path = folder + "/registry.db";
    if (storeHasLink(folder)) {
        logFailure("is reached through a symbolic link, so it is not used and nothing is kept this run:",
                   database.path);
        return StoreFailed;
    }

    struct stat info;
    bool exists = lstat(database.path.c_str(), &info) == 0;
    if (exists && S_ISREG(info.st_mode) &&
        (access(database.path.c_str(), W_OK) != 0 || access(folder.c_str(), W_OK) != 0)) {
        // Read-only: what is stored is read, nothing is written, nothing is moved.
        database.readOnly = true;
        database.device = info.st_dev;
        database.inode = info.st_ino;
        OpenOutcome outcome = openConnection(false);
        if (outcome == OpenFailed) {
            closeConnection();
            outcome = openConnection(true);
        }
        if (outcome == OpenUsable) return StoreOk;
        if (outcome == OpenBusy) return openLater();
        closeConnection();
        logFailure(outcome == OpenCorrupt ? "is corrupt and read-only, so nothing is kept:" : "cannot be read:",
                   database.path);
        return StoreFailed;
    }

    // Something other than a file (a folder, say) in the store's place cannot be opened at all.
    OpenOutcome outcome = OpenFailed;
    if (!exists || S_ISREG(info.st_mode)) {
        if (!prepareFile(folder)) {
            logFailure("cannot be created, so nothing is kept:", database.path);
            return StoreFailed;
        }
        outcome = openConnection(false);
        if (outcome == OpenUsable) return StoreOk;
        if (outcome == OpenBusy) return openLater();
        closeConnection();
        // A failing disk says nothing against the file: it stays where it is.
        if (outcome == OpenFailed) {
            logFailure("cannot be opened now, so nothing is kept this run:", database.path);
            return StoreFailed;
        }
    }

    // Whatever stands in the way of a usable store is kept under another name, and a fresh one begun.
    std::string movedTo;
    if (!moveAside(database.path, movedTo)) {
        logFailure("cannot be opened or moved aside, so nothing is kept:", database.path);
        return StoreFailed;
    }
    if (!movedTo.empty()) logMovedAside(outcome == OpenCorrupt ? "is corrupt" : "cannot be opened", movedTo);
    database.inode = 0;
    if (prepareFile(folder)) {
        outcome = openConnection(false);
        if (outcome == OpenUsable) return StoreOk;
        if (outcome == OpenBusy) return openLater();
    }
    closeConnection();
    logFailure("cannot be created, so nothing is kept:", database.path);
    return StoreFailed;
}

// After a call that met a corrupt page: the damaged file goes aside and the next call finds a fresh one.
static int finish(int result)
{
    if (!database.corruptionSeen) return result;
    database.corruptionSeen = false;
    closeConnection();
    if (!database.readOnly) {
        std::string movedTo;
        if (moveAside(database.path, movedTo) && !movedTo.empty()) logMovedAside("is corrupt", movedTo);
        database.tried = false;
    }
    return result;
}

static int usable(const StoreKeyRecord &key)
{
    int result = openDatabase();
    if (result != StoreOk) return result;
    return key.generation == database.generation ? StoreOk : StoreFailed;
}

// Follows the path from the root; with create, the missing keys are added in one transaction.
static int walkPath(const std::string &path, bool create, int64_t &id)
{
    id = rootKeyId;
    size_t start = 0;
    bool inTransaction = false;
    int result = StoreOk;
    while (!path.empty() && start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(start, end - start);
        start = end + 1;

        int rc;
        {
            StatementUse find(StFindKey);
            sqlite3_bind_int64(find.statement, 1, id);
            bindName(find.statement, 2, name.c_str());
            rc = sqlite3_step(find.statement);
            if (rc == SQLITE_ROW) {
                id = sqlite3_column_int64(find.statement, 0);
                continue;
            }
        }
        if (rc != SQLITE_DONE) {
            result = noteFailure(rc);
            break;
        }
        if (!create) {
            result = StoreNotFound;
            break;
        }
        if (database.readOnly) {
            result = StoreAccessDenied;
            break;
        }
        if (!inTransaction) {
            rc = runSimple(StBegin);
            if (rc != SQLITE_DONE) {
                result = noteFailure(rc);
                break;
            }
            inTransaction = true;
        }
        {
            StatementUse insert(StInsertKey);
            sqlite3_bind_int64(insert.statement, 1, id);
            bindName(insert.statement, 2, name.c_str());
            rc = sqlite3_step(insert.statement);
        }
        if (rc != SQLITE_DONE) {
            result = noteFailure(rc);
            break;
        }
        // Look the name up again: another process may have added it first.
        start = start - name.size() - 1;
    }
    if (inTransaction) {
        if (result == StoreOk) {
            int rc = runSimple(StCommit);
            if (rc != SQLITE_DONE) result = noteFailure(rc);
        }
        if (result != StoreOk) runSimple(StRollback);
    }
    return result;
}

// Copies a row's data out with the registry's rules for the caller's buffer.
static int copyData(sqlite3_stmt *statement, int typeColumn, uint32_t *type, void *data, uint32_t *size)
{
    const void *blob = sqlite3_column_blob(statement, typeColumn + 1);
    uint32_t length = static_cast<uint32_t>(sqlite3_column_bytes(statement, typeColumn + 1));
    if (type) *type = static_cast<uint32_t>(sqlite3_column_int64(statement, typeColumn));
    if (!data) {
        if (size) *size = length;
        return StoreOk;
    }
    uint32_t room = *size;
    *size = length;
    if (length > room) return StoreMoreData;
    if (length > 0) memcpy(data, blob, length);
    return StoreOk;
}

static int copyName(sqlite3_stmt *statement, char *name, uint32_t nameSize)
{
    const char *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
    size_t length = static_cast<size_t>(sqlite3_column_bytes(statement, 0));
    if (length + 1 > nameSize) return StoreMoreData;
    memcpy(name, text ? text : "", length);
    name[length] = '\0';
    return StoreOk;
}

// ----------------------------------------------------------------------------------------------------
// Backend functions
// ----------------------------------------------------------------------------------------------------
int backendOpenKey(const std::string &path, int, bool create, StoreKeyRecord &key)
{
    int result = openDatabase();
    if (result != StoreOk) return result;
    int64_t id = 0;
    result = walkPath(path, create, id);
    key.handle = static_cast<uint64_t>(id);
    key.generation = database.generation;
    return finish(result);
}

void backendCloseKey(StoreKeyRecord &) {}

int backendQueryValue(const StoreKeyRecord &key, const char *name, uint32_t *type, void *data, uint32_t *size)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    {
        StatementUse query(StQueryValue);
        sqlite3_bind_int64(query.statement, 1, static_cast<int64_t>(key.handle));
        bindName(query.statement, 2, name);
        int rc = sqlite3_step(query.statement);
        if (rc == SQLITE_ROW)
            result = copyData(query.statement, 0, type, data, size);
        else
            result = rc == SQLITE_DONE ? StoreNotFound : noteFailure(rc);
    }
    return finish(result);
}

static int writeValue(const StoreKeyRecord &key, const char *name, uint32_t type, const void *data, uint32_t size)
{
    StatementUse set(StSetValue);
    sqlite3_bind_int64(set.statement, 1, static_cast<int64_t>(key.handle));
    bindName(set.statement, 2, name ? name : "");
    sqlite3_bind_int64(set.statement, 3, type);
    // An empty value is an empty blob, never NULL.
    sqlite3_bind_blob(set.statement, 4, size > 0 ? data : "", static_cast<int>(size), SQLITE_STATIC);
    int rc = sqlite3_step(set.statement);
    // A key deleted meanwhile fails the foreign key: the value is refused, as for a deleted registry key.
    return rc == SQLITE_DONE ? StoreOk : noteFailure(rc);
}

int backendSetValue(const StoreKeyRecord &key, const char *name, uint32_t type, const void *data, uint32_t size)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    if (database.readOnly) return StoreAccessDenied;
    return finish(writeValue(key, name, type, data, size));
}

// One transaction for all: one wait for the lock, one commit, and never half of the values.
int backendSetValues(const StoreKeyRecord &key, const StoreValue *values, uint32_t count)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    if (database.readOnly) return StoreAccessDenied;
    int rc = runSimple(StBegin);
    if (rc != SQLITE_DONE) return finish(noteFailure(rc));
    for (uint32_t i = 0; i < count && result == StoreOk; i++)
        result = writeValue(key, values[i].name, values[i].type, values[i].data, values[i].size);
    if (result == StoreOk) {
        rc = runSimple(StCommit);
        if (rc != SQLITE_DONE) result = noteFailure(rc);
    }
    if (result != StoreOk) runSimple(StRollback);
    return finish(result);
}

int backendDeleteValue(const StoreKeyRecord &key, const char *name)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    if (database.readOnly) return StoreAccessDenied;
    {
        StatementUse remove(StDeleteValue);
        sqlite3_bind_int64(remove.statement, 1, static_cast<int64_t>(key.handle));
        bindName(remove.statement, 2, name);
        int rc = sqlite3_step(remove.statement);
        if (rc == SQLITE_DONE)
            result = sqlite3_changes(database.db) > 0 ? StoreOk : StoreNotFound;
        else
            result = noteFailure(rc);
    }
    return finish(result);
}

// Runs the listing statement for the index-th row: on from the cursor's name when the call before asked
// for the row just above, so that going through a whole key reads each row once; from the start
// otherwise. The row is left in the statement for the caller.
static int stepListing(StatementUse &fromStart, StatementUse &onward, StoreListCursor &cursor, int64_t parent,
                       uint32_t index, sqlite3_stmt *&row)
{
    bool goOn = cursor.valid && index == cursor.index + 1;
    row = goOn ? onward.statement : fromStart.statement;
    sqlite3_bind_int64(row, 1, parent);
    // The name is copied in: the cursor takes the new row's name while the statement still holds it.
    if (goOn)
        sqlite3_bind_text(row, 2, cursor.name.c_str(), static_cast<int>(cursor.name.size()), SQLITE_TRANSIENT);
    else
        sqlite3_bind_int64(row, 2, index);
    int rc = sqlite3_step(row);
    cursor.valid = false;
    if (rc == SQLITE_ROW) {
        const char *text = reinterpret_cast<const char *>(sqlite3_column_text(row, 0));
        cursor.name.assign(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(row, 0)));
        cursor.index = index;
        cursor.valid = true;
        return StoreOk;
    }
    return rc == SQLITE_DONE ? StoreNotFound : noteFailure(rc);
}

int backendEnumValue(StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize, uint32_t *type,
                     void *data, uint32_t *size)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    {
        StatementUse fromStart(StEnumValue), onward(StEnumValueAfter);
        sqlite3_stmt *row = nullptr;
        result = stepListing(fromStart, onward, key.values, static_cast<int64_t>(key.handle), index, row);
        if (result == StoreOk) result = copyName(row, name, nameSize);
        if (result == StoreOk) result = copyData(row, 1, type, data, size);
    }
    return finish(result);
}

int backendEnumKey(StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    {
        StatementUse fromStart(StEnumKey), onward(StEnumKeyAfter);
        sqlite3_stmt *row = nullptr;
        result = stepListing(fromStart, onward, key.subkeys, static_cast<int64_t>(key.handle), index, row);
        if (result == StoreOk) result = copyName(row, name, nameSize);
    }
    return finish(result);
}

// Every write is its own committed transaction with synchronous=FULL, so it is on disk already; the
// flush only tells whether the key is still there.
int backendFlushKey(const StoreKeyRecord &key)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    {
        StatementUse exists(StKeyExists);
        sqlite3_bind_int64(exists.statement, 1, static_cast<int64_t>(key.handle));
        int rc = sqlite3_step(exists.statement);
        if (rc == SQLITE_ROW)
            result = StoreOk;
        else
            result = rc == SQLITE_DONE ? StoreFailed : noteFailure(rc);
    }
    return finish(result);
}

int backendDeleteKey(const std::string &path)
{
    int result = openDatabase();
    if (result != StoreOk) return result;
    int64_t id = 0;
    result = walkPath(path, false, id);
    if (result == StoreOk) {
        if (database.readOnly) return StoreAccessDenied;
        StatementUse remove(StDeleteKey);
        sqlite3_bind_int64(remove.statement, 1, id);
        int rc = sqlite3_step(remove.statement);
        result = rc == SQLITE_DONE ? StoreOk : noteFailure(rc);
    }
    return finish(result);
}

int backendBeginWrite(const StoreKeyRecord &key)
{
    int result = usable(key);
    if (result != StoreOk) return result;
    if (database.readOnly) return StoreAccessDenied;
    int rc = runSimple(StBegin);
    return rc == SQLITE_DONE ? StoreOk : finish(noteFailure(rc));
}

int backendEndWrite(bool commit)
{
    if (!database.db) return StoreFailed;
    int result = StoreOk;
    if (commit) {
        int rc = runSimple(StCommit);
        if (rc != SQLITE_DONE) result = noteFailure(rc);
    }
    if (!commit || result != StoreOk) runSimple(StRollback);
    return finish(result);
}

void backendCloseStore()
{
    closeConnection();
    database.tried = false;
    database.corruptionSeen = false;
}

void backendSetWaitLimit(uint32_t milliseconds)
{
    database.waitMs = milliseconds;
    if (database.db) sqlite3_busy_timeout(database.db, static_cast<int>(milliseconds));
}

uint32_t backendWaitLimit() { return database.waitMs; }

/* store.h -- the per-user store of keys and typed values that the shell and the game modules share */
#ifndef TAVRIN_STORE_H
#define TAVRIN_STORE_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(TAVRIN_STORE_BUILD)
#define TAVRIN_STORE_API __declspec(dllexport)
#else
#define TAVRIN_STORE_API __declspec(dllimport)
#endif
#else
#define TAVRIN_STORE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Keys form a tree under the user's root, written with backslashes: "Software\\Vorniquel\\Tavrin\\slot2\\"
   (a trailing backslash is allowed). Key and value names compare ASCII-case-insensitively. Value types
   keep the registry's numbers. */
enum StoreType {
    StoreTypeSz = 1,     /* text, stored with its terminating NUL */
    StoreTypeBinary = 3, /* raw bytes */
    StoreTypeDword = 4   /* 4 bytes, little-endian */
};

/* Results: 0 on success, otherwise one of these. */
enum StoreResult {
    StoreOk = 0,
    StoreFailed = 1,       /* the store could not be opened, or the call's arguments are wrong */
    StoreNotFound = 2,     /* no such key or value */
    StoreAccessDenied = 5, /* the store or the key cannot be written (a read-only file, say) */
    StoreWrongType = 13,   /* storeQueryDword: the value is not a 4-byte REG_DWORD */
    StoreBusy = 170,       /* another program kept the store locked for longer than the wait limit */
    StoreMoreData = 234    /* the caller's buffer is too small; *size holds the size needed */
};

enum StoreAccess { StoreRead = 1, StoreWrite = 2 };

typedef struct StoreKeyRecord *StoreKey;

/* Opens the key, creating it and every missing key above it (for reading too). access is StoreRead,
   StoreWrite or both; a key opened only for reading refuses writes, one opened only for writing refuses
   reads. */
TAVRIN_STORE_API int storeOpenKey(const char *path, int access, StoreKey *key);
/* Opens the key only if it exists: StoreNotFound otherwise, and nothing is created. It never writes, so
   it never waits for another program's lock: the way to open a key for reading. */
TAVRIN_STORE_API int storeOpenExistingKey(const char *path, int access, StoreKey *key);
/* Copies the value's data into data (of *size bytes); on success *type and *size tell the type and the
   length. Fails with StoreNotFound when the value is missing and StoreMoreData when it does not fit.
   type may be NULL; data may be NULL to ask for the size only. */
TAVRIN_STORE_API int storeQueryValue(StoreKey key, const char *name, uint32_t *type, void *data, uint32_t *size);
TAVRIN_STORE_API int storeSetValue(StoreKey key, const char *name, uint32_t type, const void *data, uint32_t size);
/* Reads a value that must be a 4-byte REG_DWORD: StoreWrongType for anything else (text or bytes are no
   numbers, whatever their length), StoreNotFound when it is missing. */
TAVRIN_STORE_API int storeQueryDword(StoreKey key, const char *name, int32_t *value);
/* Sets a REG_DWORD. */
TAVRIN_STORE_API int storeSetDword(StoreKey key, const char *name, int32_t value);
/* The 4 bytes of a REG_DWORD (little-endian), for storeSetValues, and the number they hold. */
TAVRIN_STORE_API void storeDwordBytes(int32_t value, unsigned char bytes[4]);
TAVRIN_STORE_API int32_t storeDwordFromBytes(const unsigned char bytes[4]);
/* The registry's name of a value type ("REG_DWORD", "REG_SZ", ...); NULL for a number it has no name for. */
TAVRIN_STORE_API const char *storeTypeName(uint32_t type);
/* Sets several values of one key together: in the database either all of them or none, in one commit;
   the registry sets them one by one and stops at the first that fails. */
typedef struct StoreValue {
    const char *name;
    uint32_t type;
    const void *data;
    uint32_t size;
} StoreValue;
TAVRIN_STORE_API int storeSetValues(StoreKey key, const StoreValue *values, uint32_t count);
/* Changes several 4-byte values of one key, each by what is stored there, for counts and records that
   another program may change at the same time. What is stored counts only when it is a 4-byte REG_DWORD.
   In the database it is one transaction: one wait for the lock, every value read inside it, and either all
   of the changes or none. The registry makes them one by one and stops at the first that fails. The key
   must be open for reading and writing. */
enum StoreUpdateKind {
    StoreUpdateSet = 0,    /* the value becomes `value` */
    StoreUpdateFill = 1,   /* the value becomes `value` only where no REG_DWORD is stored */
    StoreUpdateAdd = 2,    /* the stored REG_DWORD (0 when there is none) plus `value`, held within 32 bits */
    StoreUpdateMax = 3,    /* the larger of the stored REG_DWORD and `value` */
    StoreUpdateDelete = 4  /* the value is deleted (one that is missing is no failure); `value` is unused */
};
typedef struct StoreDwordUpdate {
    const char *name;
    uint32_t kind; /* a StoreUpdateKind */
    int32_t value;
} StoreDwordUpdate;
TAVRIN_STORE_API int storeUpdateDwords(StoreKey key, const StoreDwordUpdate *updates, uint32_t count);
TAVRIN_STORE_API int storeDeleteValue(StoreKey key, const char *name);
/* The index-th value of the key, for listing; StoreNotFound past the last one, StoreMoreData when the
   name (of nameSize bytes with its NUL) or the data does not fit. The order is the store's own (name
   order in the database, the registry's order on Windows). */
TAVRIN_STORE_API int storeEnumValue(StoreKey key, uint32_t index, char *name, uint32_t nameSize,
                                    uint32_t *type, void *data, uint32_t *size);
/* The index-th subkey's name, in the same manner. */
TAVRIN_STORE_API int storeEnumKey(StoreKey key, uint32_t index, char *name, uint32_t nameSize);
/* Commits the key: on disk when the call returns. */
TAVRIN_STORE_API int storeFlushKey(StoreKey key);
TAVRIN_STORE_API int storeCloseKey(StoreKey key);
/* Deletes the key with all its values (and its subkeys). The user's root itself cannot be deleted. */
TAVRIN_STORE_API int storeDeleteKey(const char *path);
/* Closes the store's files; keys still open become invalid. The next call opens the store again, from
   the place the environment names then. Nothing needs to call it: the files are closed at exit. */
TAVRIN_STORE_API void storeCloseStore(void);

/* How long a call waits for another program that is writing to the store before it gives up with
   StoreBusy; 10 seconds unless set. A program that must stay responsive sets a fraction of a second. */
TAVRIN_STORE_API void storeSetWaitLimit(uint32_t milliseconds);
/* The limit in force, so that a caller that must not wait at all can set 0 for a moment and put it back. */
TAVRIN_STORE_API uint32_t storeWaitLimit(void);

/* Where failures of the store itself (a corrupt file moved aside) are reported, one line each; the shell
   points this at its log. Without a sink the lines go to standard error. */
typedef void (*StoreLogFn)(const char *line);
TAVRIN_STORE_API void storeSetLogSink(StoreLogFn sink);
/* Writes one line through the same sink: how a game module says in the shell's log that something it
   meant to keep could not be written. */
TAVRIN_STORE_API void storeLogLine(const char *line);

#ifdef __cplusplus
}
#endif

#endif

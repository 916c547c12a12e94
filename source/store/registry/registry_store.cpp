// registry_store.cpp -- the store on Windows: keys and values of the user's registry through advapi32
#if !defined(_WIN32_WINNT) || _WIN32_WINNT < 0x0600
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600  // RegDeleteTreeA
#endif
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <string>

#include "store/store_backend.h"

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
static int resultOf(LONG status)
{
    switch (status) {
    case ERROR_SUCCESS: return StoreOk;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NO_MORE_ITEMS: return StoreNotFound;
    case ERROR_MORE_DATA: return StoreMoreData;
    case ERROR_ACCESS_DENIED: return StoreAccessDenied;
    case ERROR_BUSY:
    case ERROR_LOCK_VIOLATION: return StoreBusy;
    default: return StoreFailed;
    }
}

static HKEY handleOf(const StoreKeyRecord &key) { return reinterpret_cast<HKEY>(static_cast<uintptr_t>(key.handle)); }

static REGSAM accessRights(int access)
{
    REGSAM rights = 0;
    if (access & StoreRead) rights |= KEY_READ;
    if (access & StoreWrite) rights |= KEY_WRITE;
    return rights;
}

// Key paths go through the wide functions: the narrow ones may convert through a buffer of MAX_PATH
// characters and refuse a longer path that the registry itself, like the database, allows. The text is
// converted from the ANSI code page, as the narrow functions would.
static std::wstring widePath(const std::string &path)
{
    int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), &wide[0], length);
    return wide;
}

// The registry wants a buffer even for an empty value.
static const BYTE *dataOrEmpty(const void *data)
{
    static const BYTE empty[1] = {0};
    return data ? static_cast<const BYTE *>(data) : empty;
}

// ----------------------------------------------------------------------------------------------------
// Backend functions
// ----------------------------------------------------------------------------------------------------
int backendOpenKey(const std::string &path, int access, bool create, StoreKeyRecord &key)
{
    HKEY opened = nullptr;
    std::wstring wide = widePath(path);
    LONG status = create ? RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, 0, accessRights(access), nullptr,
                                           &opened, nullptr)
                         : RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, accessRights(access), &opened);
    if (status != ERROR_SUCCESS) return resultOf(status);
    key.handle = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(opened));
    key.generation = 0;
    return StoreOk;
}

void backendCloseKey(StoreKeyRecord &key) { RegCloseKey(handleOf(key)); }

int backendQueryValue(const StoreKeyRecord &key, const char *name, uint32_t *type, void *data, uint32_t *size)
{
    DWORD valueType = 0;
    DWORD length = size ? *size : 0;
    LONG status = RegQueryValueExA(handleOf(key), name, nullptr, &valueType, static_cast<BYTE *>(data),
                                   size ? &length : nullptr);
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type) *type = valueType;
        if (size) *size = length;
    }
    return resultOf(status);
}

int backendSetValue(const StoreKeyRecord &key, const char *name, uint32_t type, const void *data, uint32_t size)
{
    return resultOf(RegSetValueExA(handleOf(key), name, 0, type, dataOrEmpty(data), size));
}

// The registry has no transaction over several values: they are set one after the other, up to the
// first that fails.
int backendSetValues(const StoreKeyRecord &key, const StoreValue *values, uint32_t count)
{
    for (uint32_t i = 0; i < count; i++) {
        int result = backendSetValue(key, values[i].name ? values[i].name : "", values[i].type, values[i].data,
                                     values[i].size);
        if (result != StoreOk) return result;
    }
    return StoreOk;
}

int backendDeleteValue(const StoreKeyRecord &key, const char *name)
{
    return resultOf(RegDeleteValueA(handleOf(key), name));
}

int backendEnumValue(StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize, uint32_t *type,
                     void *data, uint32_t *size)
{
    DWORD nameLength = nameSize;
    DWORD valueType = 0;
    DWORD length = size ? *size : 0;
    LONG status = RegEnumValueA(handleOf(key), index, name, &nameLength, nullptr, &valueType, static_cast<BYTE *>(data),
                                size ? &length : nullptr);
    if (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type) *type = valueType;
        if (size) *size = length;
    }
    return resultOf(status);
}

int backendEnumKey(StoreKeyRecord &key, uint32_t index, char *name, uint32_t nameSize)
{
    DWORD nameLength = nameSize;
    return resultOf(RegEnumKeyExA(handleOf(key), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr));
}

int backendFlushKey(const StoreKeyRecord &key) { return resultOf(RegFlushKey(handleOf(key))); }

// Takes the key's subkeys with it, as the database does.
int backendDeleteKey(const std::string &path)
{
    return resultOf(RegDeleteTreeW(HKEY_CURRENT_USER, widePath(path).c_str()));
}

// The registry has no files of ours to close.
void backendCloseStore() {}

// The registry takes each call at once; there is no lock of another program to wait for, and no
// transaction: the calls between these two take effect one by one.
int backendBeginWrite(const StoreKeyRecord &) { return StoreOk; }
int backendEndWrite(bool) { return StoreOk; }

// The limit is only kept, for whoever asks what it is.
static uint32_t waitLimit = 10000;
void backendSetWaitLimit(uint32_t milliseconds) { waitLimit = milliseconds; }
uint32_t backendWaitLimit() { return waitLimit; }

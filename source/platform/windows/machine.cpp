// machine.cpp -- the processor's description from the registry, physical memory from GlobalMemoryStatusEx
#include "platform/machine.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

// ----------------------------------------------------------------------------------------------------
// State
// ----------------------------------------------------------------------------------------------------
static const char *const defaultProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0";
static std::string processorKey = defaultProcessorKey;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Reads a text value into `target`, cut to its room and always terminated; a value that is missing, not
// text, or changes under us leaves it empty.
static void queryText(HKEY key, const char *name, std::array<char, 128> &target)
{
    target[0] = '\0';
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return;
    // The stored text need not end in a terminator, so one more byte is kept for it.
    std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
    DWORD got = size;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()), &got) != ERROR_SUCCESS)
        return;
    buffer[got < size ? got : size] = '\0';
    snprintf(target.data(), target.size(), "%s", buffer.data());
}

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void setProcessorSource(const char *source) { processorKey = source ? source : defaultProcessorKey; }

bool readProcessorInfo(ProcessorInfo *info)
{
    *info = ProcessorInfo{};
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, processorKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD mhz = 0;
    DWORD type = 0;
    DWORD size = sizeof mhz;
    if (RegQueryValueExA(key, "~MHz", nullptr, &type, reinterpret_cast<LPBYTE>(&mhz), &size) == ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof mhz) {
        info->mhz = static_cast<int>(mhz);
    }
    queryText(key, "ProcessorNameString", info->name);
    queryText(key, "Identifier", info->identifier);
    RegCloseKey(key);
    return true;
}

bool readMemoryInfo(MemoryInfo *info)
{
    *info = MemoryInfo{};
    // The extended call counts in 64 bits, so memory beyond 4 GiB is reported as it is.
    MEMORYSTATUSEX status;
    ZeroMemory(&status, sizeof status);
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return false;
    info->totalBytes = status.ullTotalPhys;
    info->availableBytes = status.ullAvailPhys;
    return true;
}
